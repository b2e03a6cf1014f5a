#pragma once
// The class grade table of the page "Schüler-Tabelle": one row per listed
// student, one column per subject of the current student's form, the grades
// editable in place. A cell belongs to a record and a slot; it can be
// edited only where the student has the same subject in that slot. Edits
// are kept as pending until they are written back, and writing back touches
// only the cells the user changed. Texts are UTF-8.
#include "classfile/ClassFile.h"
#include "common/DomainValues.h"

#include <string>
#include <vector>

namespace ruvek {

struct GradeTableColumn {
    int slot = 0;             // 1..25
    std::string subject;      // the current student's subject in that slot
};

struct GradeTableCell {
    std::string text;         // the grade
    bool editable = false;    // the student has the column's subject in the slot
};

struct GradeTableRow {
    std::size_t record = 0;
    std::string name;
    std::string vorname;
    bool deleted = false;
    std::vector<GradeTableCell> cells;   // one per column
};

struct GradeTableModel {
    std::vector<GradeTableColumn> columns;
    std::vector<GradeTableRow> rows;
    int currentRow = -1;      // the row of the current record, -1 when it is not listed
};

// The two fixed columns before the subjects.
inline constexpr int kGradeTableFixedColumns = 2;

// Rows: the active records in list order, every record with `showDeleted`.
// Columns: the slots 1..25 of the current record that hold a subject.
GradeTableModel buildGradeTable(const TDB2& records, int current, bool showDeleted);

// Colours of a grade cell, as the table paints them: the current student's
// row yellow (grey for a deleted current student when deleted ones are
// shown) with grades 5 to 8 in red; every other row white with grades 5 to
// 8 in fuchsia.
enum class CellBackground { White, Yellow, Grey };
enum class CellForeground { Default, Red, Fuchsia };
struct CellColours {
    CellBackground background;
    CellForeground foreground;
    bool operator==(const CellColours&) const = default;
};
CellColours gradeCellColours(bool currentRow, bool deleted, bool showDeleted, std::string_view text);

// A grade typed into a cell, waiting to be written back.
struct PendingGrade {
    std::size_t record = 0;
    int slot = 0;
    std::string subject;   // the subject the cell stood for
    std::string name;      // the student the row stood for
    std::string vorname;
    std::string typed;     // as typed (UTF-8)
};

// Writes the pending grades into the records, as the record editor stores
// a typed grade. A grade is written only while its record still is the
// row's student and the slot still holds the column's subject. Returns the
// number of slots whose grade changed.
int writePendingGrades(TDB2& records, const std::vector<PendingGrade>& pending);

// The cell Enter moves to: the next column; from the last column the first
// grade column of the next row, from the last row row 0 (rows and columns
// count the grade area, 0-based).
struct GridCell {
    int row;
    int column;
    bool operator==(const GridCell&) const = default;
};
GridCell nextCellOnEnter(GridCell at, int rowCount, int columnCount);

} // namespace ruvek
