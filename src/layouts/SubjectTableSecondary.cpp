#include "layouts/SubjectTableSecondary.h"

#include "forms/AnnexCatalogue.h"

namespace ruvek {
namespace {

FixedRow foreignLanguage(int row, const char* caption)
{
    return {Column::Left, row, FixedRow::Kind::ForeignLanguage, caption};
}

FixedRow religion(int row)
{
    return {Column::Left, row, FixedRow::Kind::Religion, ""};
}

} // namespace

SubjectTableLayout SecondaryTableLayout(SecondaryBuild build, int annexCode, const SecondaryTableShape& shape)
{
    static constexpr AnnexForm kNoForm{};
    const AnnexForm* found = FindAnnexForm(annexCode);
    const AnnexForm& form = found ? *found : kNoForm;

    SubjectTableLayout layout;
    layout.columns = 2;
    layout.rowsPerColumn = shape.rowsPerColumn;
    layout.firstOpenRow = shape.firstOpenRow;
    layout.religionLabels = ReligionLabels::Short;
    LevelCode (*levelLetter)(const LevelCode&) = nullptr;

    // Rows 2 and 3 of the left column: the foreign languages, or on a form
    // without them the subjects as they are; then the religion row, unless
    // the form shows religion in the right column.
    if (form.foreignLanguages == 0) {
        layout.fixedRows.push_back({Column::Left, 2, FixedRow::Kind::BareName, ""});
        layout.fixedRows.push_back({Column::Left, 3, FixedRow::Kind::BareName, ""});
    } else {
        layout.fixedRows.push_back(foreignLanguage(2, "1. Fremdsprache"));
        if (form.foreignLanguages >= 2)
            layout.fixedRows.push_back(foreignLanguage(3, "2. Fremdsprache"));
    }
    if (form.religionRow != 0 && !form.rightReligion)
        layout.fixedRows.push_back(religion(form.religionRow));

    switch (build) {
    case SecondaryBuild::RegionaleSchule: levelLetter = PrintLevelRegional; break;
    case SecondaryBuild::Gesamtschule: levelLetter = PrintLevelComprehensive; break;
    case SecondaryBuild::Gymnasium:
        layout.twoLineLabels = false;
        // Only the forms with religion in the right column turn its first row
        // into a religion row; the right column never has placeholders.
        layout.rightReligion = form.rightReligion ? SubjectTableLayout::RightReligion::FirstRowBySubject
                                                  : SubjectTableLayout::RightReligion::None;
        layout.rightPlaceholders = false;
        layout.rightReligionFontSlot = slot::OpenField;
        break;
    case SecondaryBuild::Hauptschule: break;
    case SecondaryBuild::Realschule: layout.rightReligion = SubjectTableLayout::RightReligion::None; break;
    }
    if (shape.levelMarks)
        layout.printLevel = levelLetter;
    return layout;
}

SecondaryTableShape SecondaryShapeOf(int annexCode)
{
    const AnnexForm* form = FindAnnexForm(annexCode);
    if (!form)
        return {};
    return {form->rowsPerColumn, form->firstOpenRow, form->levelMarks};
}

void SubjectTableSecondary(PageContext& ctx, const TZgnRec& rec, SecondaryBuild build, int annexCode,
                           const SecondaryTableShape& shape, bool wordMode)
{
    SubjectTable(ctx, rec, SecondaryTableLayout(build, annexCode, shape), wordMode);
}

} // namespace ruvek
