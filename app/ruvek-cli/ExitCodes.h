#pragma once
// The exit codes of every ruvek-cli command; "ruvek-cli --help" lists them.
// A script can tell from the code alone whether the command did its work,
// refused it, could not read what it was given, or found the class in use.
namespace exitcode {

// The command did its work.
inline constexpr int kDone = 0;
// Refused or failed: a value the record cannot take, a missing permission,
// a failed save, an aborted export, findings of "pruefen". Nothing written
// (a failed save leaves the previous file as it was).
inline constexpr int kRefused = 1;
// Unreadable input: a command line that cannot be understood, or a class
// file or other input file that cannot be read (missing, a folder, a device
// or FIFO, too large, damaged, not text). Nothing written.
inline constexpr int kUnreadable = 2;
// The class file is being edited by another program. Nothing written.
inline constexpr int kLocked = 3;

// The lines "ruvek-cli --help" prints about the codes.
inline constexpr const char* kHelpText =
    "Exit-Codes (für alle Befehle gleich):\n"
    "  0  erledigt\n"
    "  1  abgelehnt oder fehlgeschlagen, nichts geschrieben (bei pruefen: Beanstandungen gefunden)\n"
    "  2  Eingabe nicht lesbar: Aufruf, Klassendatei oder andere Eingabedatei\n"
    "  3  Klassendatei gesperrt: sie wird gerade in einem anderen Programm bearbeitet\n";

} // namespace exitcode
