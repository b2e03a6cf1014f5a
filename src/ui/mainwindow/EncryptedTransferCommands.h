#pragma once
// The commands of the encrypted transfer: "Datei -> Verschlüsselt weitergeben
// …", File Open of *.rvkx files (the class opens as a never-saved class) and
// "Hilfsmittel -> Sicherung wiederherstellen …".
namespace ruvek::ui {

class TMainForm;

void installEncryptedTransfer(TMainForm& main);

} // namespace ruvek::ui
