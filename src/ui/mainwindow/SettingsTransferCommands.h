#pragma once
// The commands of the settings transfer, the form-file copies and the data
// backup: "&Kommunikation" -> "&Einstellungen" -> "exportieren ..." /
// "importieren ...", "Hilfsmittel" -> "temporäre Einstellungen" -> "des
// Formulardrucks löschen" and "vollständige Datensicherung ...".
namespace ruvek::ui {

class TMainForm;

// Creates TEinstExpForm and TEinstImpForm (in the program's creation order).
void createSettingsTransferForms(TMainForm& main);
// Creates TDatSichForm and gives the four commands their handlers.
void createDataBackupForm(TMainForm& main);

} // namespace ruvek::ui
