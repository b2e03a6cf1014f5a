#include "layouts/LayoutSekundar.h"

#include "forms/AnnexCatalogue.h"
#include "grades/Annex.h"
#include "layouts/Sections.h"

namespace ruvek {
namespace {

namespace extra {
inline constexpr int LevelOfDemandLine = 75, LevelOfDemand = 76, NotesHeading = 90;
} // namespace extra

enum class Kind { RegionaleSchule, Orientierungsstufe, Gesamtschule56, Gesamtschule, Gymnasium, Hauptschule, Realschule };

// What distinguishes the routines; the facts of each form (school kind,
// table rows, level marks, elective block) are in the form catalogue, the
// wording that depends on more is in DrawSecondaryCertificate.
struct Member {
    Kind kind;
    SecondaryBuild build;
    GradeScaleForm scale;
};

constexpr Member kMembers[] = {
    {Kind::RegionaleSchule, SecondaryBuild::RegionaleSchule, GradeScaleForm::WholeLineAndFootnote},
    {Kind::Orientierungsstufe, SecondaryBuild::Gesamtschule, GradeScaleForm::WholeLineAndFootnote},
    {Kind::Gesamtschule56, SecondaryBuild::Gesamtschule, GradeScaleForm::WholeLineAndFootnote},
    {Kind::Gesamtschule, SecondaryBuild::Gesamtschule, GradeScaleForm::WholeLineAndFootnote},
    {Kind::Gymnasium, SecondaryBuild::Gymnasium, GradeScaleForm::HeadingAndScale},
    {Kind::Hauptschule, SecondaryBuild::Hauptschule, GradeScaleForm::HeadingAndScale},
    {Kind::Realschule, SecondaryBuild::Realschule, GradeScaleForm::HeadingAndScale},
};

const Member& member(Kind kind)
{
    for (const Member& m : kMembers)
        if (m.kind == kind)
            return m;
    return kMembers[0];
}

constexpr const char* kComprehensiveFootnote =
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife, G = Gymnasialkurs";
constexpr const char* kRegionalFootnoteBefore2007 =
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife";
constexpr const char* kRegionalFootnote = "* B = Anspruchsebene Berufsreife, M = Anspruchsebene Mittlere Reife";

// The texts of the Integrierte Gesamtschule that explain its subjects.
void ComprehensiveNotes(PageContext& ctx, Kind kind)
{
    ctx.text(extra::NotesHeading, "Erläuterungen:");
    ctx.text(91, "1. In der Integrierten Gesamtschule wird der Unterricht nicht nach Schularten gegliedert.");
    if (kind == Kind::Gesamtschule56) {
        ctx.text(92, "2. Naturwissenschaften umfasst den fächerverbindenden Unterricht in Physik und Biologie.");
        ctx.text(93, "3. Weltkunde umfasst den fächerverbindenden Unterricht in Geografie und Geschichte.");
    } else {
        ctx.text(92, "2. Naturwissenschaften umfasst in der Jahrgangsstufe 7 den fächerverbindenden Unterricht in "
                     "Physik, Chemie und Biologie.");
    }
}

void DrawSecondaryCertificate(PageContext& ctx, const TZgnRec& rec, int annexCode, Kind kind)
{
    const Member& m = member(kind);
    const AnnexForm* form = FindAnnexForm(annexCode);
    const bool transfer = form && form->kind == FormKind::Transfer;
    const bool intermediate = form && form->kind == FormKind::Intermediate;
    // Grades in words on the transfer certificate, else as the print options say.
    const bool wordMode = ctx.options().BewertungenInWorten == 1 || transfer;
    // The Regionale Schule changed its wording with the school year 2007/2008.
    const bool regionalFrom2007 = kind == Kind::RegionaleSchule && YearOfText(rec.SjBeginn.view()) > 2006;

    SchoolLine(ctx, "Name der Schule/Schulart(en)/Schulort");
    TitleLines(ctx, transfer ? "Übergangszeugnis" : intermediate ? "Zwischenzeugnis" : "Zeugnis",
               SchoolKindOf(annexCode));
    SchoolYearLine(ctx, rec);
    NameBlock(ctx, rec);
    TransferStatement(ctx, rec);
    SectionRule(ctx);
    if (regionalFrom2007)
        LearningReport(ctx, rec, "Gesamteinschätzung", "");
    else
        LearningReport(ctx, rec, "Lernentwicklungsbericht", "(Leistungsstand sowie Sozial- und Arbeitsverhalten)");
    Remarks(ctx, rec);
    Page2NameBlock(ctx, rec);
    ctx.text(slot::TableHeading, "Noten");
    if (kind == Kind::Gesamtschule && ctx.drawn(extra::LevelOfDemandLine)) {
        ctx.text(extra::LevelOfDemandLine,
                 "Alle Noten beziehen sich auf die Anspruchsebene: ___________________________________");
        ctx.text(extra::LevelOfDemand, LevelOfDemandText(rec.Ebene));
    }
    if (ctx.drawn(slot::TableOrigin))
        SubjectTableSecondary(ctx, rec, m.build, annexCode, SecondaryShapeOf(annexCode), wordMode);
    if (const int electiveRows = ElectiveRowsOf(annexCode); electiveRows > 0)
        ElectiveBlock(ctx, rec, electiveRows, wordMode);
    Absences(ctx, rec);
    PlaceAndDate(ctx, rec);
    // Transfer certificates bear the seal, intermediate ones the stamp, the
    // others the stamp for the first half-year and the seal for the year.
    const SealStrike seal = transfer       ? SealStrike::Stempel
                            : intermediate ? SealStrike::Siegel
                            : rec.Halbjahr1 == 1 ? SealStrike::Siegel
                                                 : SealStrike::Stempel;
    Seal(ctx, "Stempel/Siegel", seal);
    Signatures(ctx);
    Receipt(ctx);
    if (kind == Kind::Gesamtschule56 || kind == Kind::Gesamtschule)
        ComprehensiveNotes(ctx, kind);
    const char* footnote = "";
    if (kind == Kind::Gesamtschule)
        footnote = ComprehensiveFootnote();
    else if (kind == Kind::RegionaleSchule)
        footnote = RegionalFootnote(rec);
    GradeScale(ctx, m.scale, footnote);
    Footer(ctx);
}

} // namespace

const char* ComprehensiveFootnote() { return kComprehensiveFootnote; }

const char* RegionalFootnote(const TZgnRec& rec)
{
    return YearOfText(rec.SjBeginn.view()) > 2006 ? kRegionalFootnote : kRegionalFootnoteBefore2007;
}

const char* LevelOfDemandText(int ebene)
{
    switch (ebene) {
    case 1:
        return "Hauptschule";
    case 2:
        return "Realschule";
    case 3:
        return "Gymnasium";
    default:
        return "   - - - - -";
    }
}

void LayoutRegionaleSchule(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::RegionaleSchule);
}

void LayoutOrientierungsstufe(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Orientierungsstufe);
}

void LayoutGesamtschule56(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Gesamtschule56);
}

void LayoutGesamtschule(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Gesamtschule);
}

void LayoutGymnasium(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Gymnasium);
}

void LayoutHauptschule(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Hauptschule);
}

void LayoutRealschule(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawSecondaryCertificate(ctx, rec, annexCode, Kind::Realschule);
}

} // namespace ruvek
