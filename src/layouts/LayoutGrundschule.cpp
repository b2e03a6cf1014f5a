#include "layouts/LayoutGrundschule.h"

#include "layouts/Sections.h"

namespace ruvek {
namespace {

enum class Family { Class1, Classes2To4 };

void DrawPrimaryCertificate(PageContext& ctx, const TZgnRec& rec, int annexCode, Family family)
{
    const bool transfer = annexCode == (family == Family::Class1 ? 2 : 4);
    // The transfer certificate bears only the seal; the others the stamp for
    // the first half-year and the seal for the year.
    const SealStrike seal = transfer || rec.Halbjahr1 != 1 ? SealStrike::Stempel : SealStrike::Siegel;

    SchoolLine(ctx, "Name der Schule/Schulort");
    TitleLines(ctx, transfer ? "Übergangszeugnis" : "Zeugnis", "der Grundschule");
    SchoolYearLine(ctx, rec);
    NameBlock(ctx, rec);
    TransferStatement(ctx, rec);
    SectionRule(ctx);
    LearningReport(ctx, rec, "Lernentwicklungsbericht", "(Leistungsstand sowie Sozial- und Arbeitsverhalten)");
    Remarks(ctx, rec);
    if (family == Family::Classes2To4) {
        Page2NameBlock(ctx, rec);
        ctx.text(slot::TableHeading, "Noten");
        // Grades in words on the transfer certificate, else as the print options say.
        SubjectTableGrundschule(ctx, rec, ctx.options().BewertungenInWorten == 1 || transfer);
    }
    Absences(ctx, rec);
    PlaceAndDate(ctx, rec);
    Seal(ctx, "Stempel/Siegel", seal);
    Signatures(ctx);
    Receipt(ctx);
    GradeScale(ctx, GradeScaleForm::HeadingAndScale);
    Footer(ctx);
}

} // namespace

void LayoutGrundschule1(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawPrimaryCertificate(ctx, rec, annexCode, Family::Class1);
}

void LayoutGrundschule(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawPrimaryCertificate(ctx, rec, annexCode, Family::Classes2To4);
}

const SubjectTableLayout& SubjectTableGrundschuleLayout()
{
    static const SubjectTableLayout layout = [] {
        SubjectTableLayout s;
        s.columns = 1;
        s.rowsPerColumn = 9;
        s.twoLineLabels = false;
        s.religionLabels = ReligionLabels::Long;
        s.fixedRows = {{Column::Left, 9, FixedRow::Kind::ForeignLanguage, "Fremdsprache"},
                       {Column::Left, 4, FixedRow::Kind::Religion, ""}};
        return s;
    }();
    return layout;
}

void SubjectTableGrundschule(PageContext& ctx, const TZgnRec& rec, bool wordMode)
{
    SubjectTable(ctx, rec, SubjectTableGrundschuleLayout(), wordMode);
}

} // namespace ruvek
