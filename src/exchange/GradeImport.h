#pragma once
// The grade text import: per line a student (surname; first name) and
// groups of subject; grade; and, at the Regionale Schule and the
// Integrierte Gesamtschule, an optional one-letter level. The import is
// planned first, without touching a record, so the user can see what it
// will do and cancel; applying the plan then sets the grades.
#include "classfile/ClassFile.h"
#include "common/DomainValues.h"
#include "grades/GradeNotation.h"
#include "settings/FachKatalog.h"

#include <optional>
#include <string>
#include <vector>

namespace ruvek {

struct GradeAssignment {
    std::size_t record = 0;
    int slot = 0;                      // 1..18
    GradeCode note;
    std::optional<LevelCode> niveau;   // set together with the grade
};

// What one line of the file comes to.
struct GradeImportLine {
    int lineNumber = 0;        // 1-based
    std::string name;          // Windows-1252, as in the file (cut to 31)
    std::string vorname;
    bool found = false;        // an active record of that name exists
    int gradesSet = 0;
    int unassigned = 0;        // subjects unknown or without a slot, empty grades
};

struct GradeImportPlan {
    std::vector<GradeAssignment> assignments;   // in file order
    std::vector<GradeImportLine> lines;         // every line that names a student
    int unassigned = 0;                         // over the whole file
    int studentsNotFound = 0;
    int studentsChanged = 0;                    // distinct records that get a grade
};

// The subject name (the catalogue's FachName) for a subject column: the last
// of the entries 0..50 whose abbreviation or name equals the text.
std::optional<std::string> importSubjectName(const TFachKatalog& katalog, std::string_view column);

// Plans the import of the lines (Windows-1252). Only active records are
// matched (the first in list order whose name and first name are equal);
// subject names are compared with the slots by their first 30 characters,
// as much as a slot holds. Empty lines are skipped.
GradeImportPlan planGradeImport(const TDB2& records, const std::vector<std::string>& lines,
                                const TFachKatalog& katalog, SchoolType schoolType);

// Sets the planned grades (and levels). Returns whether any value changed.
bool applyGradeImport(TDB2& records, const GradeImportPlan& plan);

// The message for a student without a record (UTF-8).
std::string studentNotFoundText(std::string_view vornameCp1252, std::string_view nameCp1252);
// "Zählerstand der nicht zugeordneten Fächer: " + count.
std::string unassignedCountText(int count);
// The closing warning when grades could not be assigned.
std::string unassignedWarningText(int count);
// One summary listing every line of the file, for one message instead of
// one per line (UTF-8).
std::string gradeImportSummary(const GradeImportPlan& plan);

} // namespace ruvek
