#pragma once
// Taking filled subject grade lists back from the subject teachers: each
// entry is matched to its student as the export wrote it (key number,
// surname and first name), the student's slot for the entry's subject is
// found as the export found it, and the grade, addition and level that
// differ are shown and, after the user agrees, written into the records.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "exchange/FdbFile.h"
#include "settings/FachKatalog.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kImportFilter = "Fachzensuren-Listen (*.FDB)|*.FDB;*.fdb|alle Dateien (*.*)|*.*";
inline constexpr const char* kImportTitle = "Fachzensuren-Liste importieren ...";
inline constexpr const char* kMsgListeNichtLesbar = "Die Fachzensuren-Liste konnte nicht gelesen werden:\n";
inline constexpr const char* kMsgKeineAenderungen = "Die Fachzensuren-Liste enthält keine geänderten Bewertungen.";
inline constexpr const char* kAskAenderungenUebernehmen = "Sollen diese Bewertungen übernommen werden?";

// One slot whose grade, addition or level the list changes.
struct GradeChange {
    std::size_t record = 0; // index in the record list
    int slot = 0;           // 1..25
    TFachEintrag before;
    TFachEintrag after;
};

struct ImportPlan {
    std::vector<GradeChange> changes;
    int notFound = 0;       // entries whose student is not an active record
    int withoutSubject = 0; // entries whose student has no slot for the subject
    std::string subjectWithout; // the (last) subject such a student lacked (Windows-1252)
};

// Which slots the list is for: 0 the subjects 1..18, 1 or 2 the elective
// slots of that half-year.
ImportPlan planGradeListImport(const TDB2& records, const TFaNoDB& list, const TFachKatalog& katalog, int halfYear);

// One line per change (UTF-8): "Name, Vorname – Fach: alt → neu", with the
// addition and the level when they change.
std::vector<std::string> describeChanges(const TDB2& records, const ImportPlan& plan);

// Writes the planned grade, addition and level into the records.
void applyGradeChanges(TDB2& records, const ImportPlan& plan);

// The whole command for one list file: read, report students not found or
// without the subject, show the changes and apply them when the user says
// yes (setting the changed flag). True when grades were taken over;
// `unreadable`, when given, says whether the list could not be read.
bool importGradeListFile(OpenClass& klasse, const std::filesystem::path& file, const TFachKatalog& katalog,
                         int halfYear, Prompter& prompter, bool* unreadable = nullptr);

} // namespace ruvek
