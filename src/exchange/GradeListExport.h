#pragma once
// Writing subject grade lists for the subject teachers: one .FDB file per
// subject into a folder of the user's choice. An existing list is first
// copied to its backup file and then merged with the current grades or
// replaced, as the export options say. Every file is written atomically: a
// failed write leaves the previous file as it was.
#include "classfile/ClassFile.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"
#include "exchange/FdbFile.h"
#include "settings/FachKatalog.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kMsgDiskette = "Legen Sie eine Diskette";
inline constexpr const char* kMsgAlteListeNichtGeoeffnet = "Eine alte vorhandene Datei konnte nicht geöffnet werden!";
inline constexpr const char* kMsgSicherungsFehler = "Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!";
inline constexpr const char* kMsgSpeicherFehler = " Fehler beim Speichern von: \n";
inline constexpr const char* kFolderChooserTitle = "Wählen Sie Laufwerk und Ordner aus!";

// The export kinds of the radio group "Exportart".
enum class ExportKind { AlleFaecher = 0, Ausgewaehlt = 1, Einzeln = 2 };

// The choices of the export dialog; they live for the program run.
struct ExportChoices {
    ExportKind kind = ExportKind::AlleFaecher;
    std::array<std::int16_t, kFachKatalogCount> flags{}; // per catalogue entry: 1 = export it
    bool extraDiskette = false;   // "jedes Fach auf eine EXTRA-Diskette"
    bool alteListeLoeschen = false; // "alte Liste VOLLSTÄNDIG löschen"
    bool nurBewertungen = true;   // "nur Bewertungen usw. aus alter Liste löschen"
};

// A subject box of the dialog for catalogue entry `entry` (2..50).
struct SubjectBox {
    int entry = 0;
    std::string caption; // the abbreviation (UTF-8)
    bool enabled = false;
    bool ticked = false;
};

// The subject boxes for the stored export kind: a subject that the school
// type excludes (negative Position at the school type) and an unused entry
// are disabled and cleared; the others are ticked for "ALLE Fächer", ticked
// as stored for "ausgewählte Fächer", cleared for "einzelne Fächer".
std::vector<SubjectBox> subjectBoxes(const ExportChoices& choices, const TFachKatalog& katalog, SchoolType schultyp);

// Takes the ticked boxes as the flags. An enabled box left clear under
// "ALLE Fächer" turns the kind into "ausgewählte Fächer".
void takeOverSubjectBoxes(ExportChoices& choices, const std::vector<SubjectBox>& boxes);

// One list to write: its file name and, per record, the slot it takes the
// entry from (0: none).
struct GradeListSubject {
    std::string listFile;
    std::function<int(const TZgnRec&)> slotOf;
    // Students without the subject add the empty entry (subject lists); for
    // the elective lists they are left out.
    bool includeStudentsWithout = true;
};

struct ExportReport {
    std::vector<std::filesystem::path> written; // list files written, in order
    bool aborted = false;                       // an error ended the export
};

// Writes the lists into `folder`, in order, with the options of `choices`
// (the flags are not looked at). Messages go to the prompter.
ExportReport exportGradeLists(const TDB2& records, const std::vector<GradeListSubject>& subjects,
                              const ExportChoices& choices, const std::filesystem::path& folder, Prompter& prompter);

// The lists of the flagged catalogue subjects 2..50, named after the class
// file and the abbreviations.
std::vector<GradeListSubject> catalogueGradeLists(const TFachKatalog& katalog, const ExportChoices& choices,
                                                  std::string_view classFile);

// The lists of the elective subjects of one half-year (1 or 2): one per
// elective name met in the active records' elective slots of that
// half-year, named "<class>_WP<half-year>_<name>.FDB".
std::vector<GradeListSubject> electiveGradeLists(const TDB2& records, int halfYear, std::string_view classFile);

} // namespace ruvek
