#include "layouts/SubjectTableSecondary.h"

#include <algorithm>
#include <initializer_list>

namespace ruvek {
namespace {

bool oneOf(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

FixedRow foreignLanguage(int row, const char* caption)
{
    return {Column::Left, row, FixedRow::Kind::ForeignLanguage, caption};
}

FixedRow religion(int row)
{
    return {Column::Left, row, FixedRow::Kind::Religion, ""};
}

// Rows 2 and 3 of the left column: the first and second foreign language.
void addLanguages(SubjectTableLayout& layout, bool second)
{
    layout.fixedRows.push_back(foreignLanguage(2, "1. Fremdsprache"));
    if (second)
        layout.fixedRows.push_back(foreignLanguage(3, "2. Fremdsprache"));
}

} // namespace

SubjectTableLayout SecondaryTableLayout(SecondaryBuild build, int annexCode, const SecondaryTableShape& shape)
{
    SubjectTableLayout layout;
    layout.columns = 2;
    layout.rowsPerColumn = shape.rowsPerColumn;
    layout.firstOpenRow = shape.firstOpenRow;
    layout.religionLabels = ReligionLabels::Short;
    LevelCode (*levelLetter)(const LevelCode&) = nullptr;

    switch (build) {
    case SecondaryBuild::RegionaleSchule:
        // The Berufsreife certificate (18) has one foreign language and the
        // religion row one row higher.
        addLanguages(layout, annexCode != 18);
        if (oneOf(annexCode, {15, 16, 17, 19, 20, 115}))
            layout.fixedRows.push_back(religion(9));
        else if (annexCode == 18)
            layout.fixedRows.push_back(religion(8));
        levelLetter = PrintLevelRegional;
        break;
    case SecondaryBuild::Gesamtschule:
        if (annexCode == 26) {
            // Classes 5 and 6: rows 2 and 3 show their subjects as they are.
            layout.fixedRows.push_back({Column::Left, 2, FixedRow::Kind::BareName, ""});
            layout.fixedRows.push_back({Column::Left, 3, FixedRow::Kind::BareName, ""});
            layout.fixedRows.push_back(religion(6));
        } else {
            addLanguages(layout, true);
            if (oneOf(annexCode, {27, 28, 29, 127}))
                layout.fixedRows.push_back(religion(9));
        }
        levelLetter = PrintLevelComprehensive;
        break;
    case SecondaryBuild::Gymnasium:
        addLanguages(layout, true);
        if (oneOf(annexCode, {21, 22, 121}))
            layout.fixedRows.push_back(religion(9));
        layout.twoLineLabels = false;
        // Only the leaving and examination certificates turn the first right
        // row into a religion row; the right column never has placeholders.
        layout.rightReligion = oneOf(annexCode, {23, 24, 25}) ? SubjectTableLayout::RightReligion::FirstRowBySubject
                                                            : SubjectTableLayout::RightReligion::None;
        layout.rightPlaceholders = false;
        layout.rightReligionFontSlot = slot::OpenField;
        break;
    case SecondaryBuild::Hauptschule:
        addLanguages(layout, false);
        if (annexCode >= 5 && annexCode <= 9)
            layout.fixedRows.push_back(religion(8));
        break;
    case SecondaryBuild::Realschule:
        addLanguages(layout, true);
        if (annexCode >= 10 && annexCode <= 14)
            layout.fixedRows.push_back(religion(9));
        layout.rightReligion = SubjectTableLayout::RightReligion::None;
        break;
    }
    if (shape.levelMarks)
        layout.printLevel = levelLetter;
    return layout;
}

void SubjectTableSecondary(PageContext& ctx, const TZgnRec& rec, SecondaryBuild build, int annexCode,
                           const SecondaryTableShape& shape, bool wordMode)
{
    SubjectTable(ctx, rec, SecondaryTableLayout(build, annexCode, shape), wordMode);
}

} // namespace ruvek
