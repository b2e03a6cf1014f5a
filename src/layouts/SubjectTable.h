#pragma once
// The subject table of the certificates with grades, the religion /
// philosophy row and the elective block.
//
// A layout describes its table (columns, rows, special rows, open rows,
// level marks) and the table draws it from the slots 32 to 40 of the form:
// slot 32 is the origin (left edge of the names, base line of row 1, font of
// the names), slot 40's Y the row pitch, the other slots give offsets, fonts
// and alignments of the cells.
#include "classfile/ZgnRec.h"
#include "grades/GradeNotation.h"
#include "layouts/PageContext.h"

#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

namespace slot {
inline constexpr int TableOrigin = 32, OpenField = 33, LeftGrade = 34, LeftAddition = 35, RightNames = 36,
                     CaptionFont = 37, RightGrade = 38, RightAddition = 39, RowPitch = 40, ElectiveHeading = 45,
                     ElectiveOrigin = 48, ElectiveLeftGrade = 49, ElectiveLeftAddition = 50,
                     ElectiveRightNames = 51, ElectiveRightGrade = 52, ElectiveRightAddition = 53,
                     ElectivePitch = 54, ElectiveOverallCaption = 55, ElectiveOverall = 56,
                     ElectiveOverallAddition = 57;
} // namespace slot

enum class Column { Left, Right };

// The labels of the religion / philosophy row: long on the primary-school
// forms, short on all others.
enum class ReligionLabels { Long, Short };

// A row whose kind the layout fixes, whatever subject it holds.
struct FixedRow {
    // BareName: the subject name alone, without caption, rule or placeholder handling.
    enum class Kind { ForeignLanguage, Religion, BareName };
    Column column = Column::Left;
    int row = 1;
    Kind kind = Kind::ForeignLanguage;
    std::string captionUtf8; // foreign-language rows: "Fremdsprache", "1. Fremdsprache", ...
};

struct SubjectTableLayout {
    int columns = 2;        // 1 (primary school) or 2
    int rowsPerColumn = 9;  // row r of the left column is subject slot r, of the right column 9 + r
    int firstOpenRow = 0;   // right-column rows from this one on are open rows; 0: none
    bool twoLineLabels = true; // left column: the two-line label of "Arbeit-Wirtschaft-Technik u. Informatik"
    ReligionLabels religionLabels = ReligionLabels::Short;
    // The level letter as printed; without it no level marks are printed.
    LevelCode (*printLevel)(const LevelCode&) = nullptr;
    std::vector<FixedRow> fixedRows;
    // Rows that become religion rows because their subject is a religion /
    // philosophy subject: in the left column, and in the right column all
    // rows, none, or only row 1.
    enum class RightReligion { BySubject, None, FirstRowBySubject };
    bool leftReligionBySubject = true;
    RightReligion rightReligion = RightReligion::BySubject;
    // Right column: "  - - -" and "???" get the placeholder row; without it
    // they are printed as names.
    bool rightPlaceholders = true;
    // Right column: the slot whose font a religion row's open field uses.
    int rightReligionFontSlot = slot::CaptionFont;
};

// The table, when slot 32 is on this page.
void SubjectTable(PageContext& ctx, const TZgnRec& rec, const SubjectTableLayout& layout, bool wordMode);

// A cell of a table: the position (x, y) with the alignment, font and
// visibility of `style` and the page of `pageOf`.
TFstSlot TableCell(int x, int y, const TFstSlot& style, const TFstSlot& pageOf);
// A text cell at (x, y) in the font of `fontSlot`, otherwise as `table`
// (alignment, visibility, page).
TFstSlot TableTextCell(int x, int y, const TFstSlot& fontSlot, const TFstSlot& table);

// The grade text of a cell; when it is wider than the grey box, narrowed
// (spacing up to 4 less beyond 13 characters) and one font smaller beyond 16.
void GradeCellText(PageContext& ctx, TFstSlot at, std::string_view gradeUtf8);

// The religion / philosophy row at (x, y) of a column (print option
// ReligionOption decides between the subject name, an open field and the
// two labels with strike-outs).
// `openFieldFontSlot` 0: slot 33 in the left column, slot 37 in the right.
void ReligionRow(PageContext& ctx, std::string_view subjectCp1252, ReligionLabels labels, Column column, int x, int y,
                 int openFieldFontSlot = 0);

// True when the subject name is the whole or the beginning of the name of
// catalogue entry 3 ("Arbeit-Wirtschaft-Technik u. Informatik"); an empty
// name never is.
bool IsTwoLineSubject(const TFachKatalog& katalog, std::string_view subjectCp1252);

// "Wahlpflichtunterricht" (45), the electives W1..W6 in `rows` (2 or 3)
// rows and the overall elective grade (slots 48 to 57).
void ElectiveBlock(PageContext& ctx, const TZgnRec& rec, int rows, bool wordMode);

} // namespace ruvek
