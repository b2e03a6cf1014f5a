#include "layouts/LayoutAbschluss.h"

#include "common/Cp1252.h"
#include "forms/AnnexCatalogue.h"
#include "layouts/CoatOfArms.h"
#include "layouts/LayoutSekundar.h"
#include "layouts/Sections.h"
#include "layouts/StatementBlock.h"
#include "layouts/SubjectTableSecondary.h"
#include "layouts/TextHelpers.h"

namespace ruvek {
namespace {

namespace extra {
inline constexpr int FirstHalfYearColumn = 46, SecondHalfYearColumn = 47, LevelOfDemandLine = 75, LevelOfDemand = 76,
                     NotesHeading = 90, FirstNote = 91;
} // namespace extra

enum class Kind { RegionaleSchule, Hauptschule, Realschule, Gesamtschule };

// The build of each routine's subject table; the facts of each form (school
// kind, table rows, level marks, elective block) are in the form catalogue.
struct Member {
    Kind kind;
    SecondaryBuild build;
};

constexpr Member kMembers[] = {
    {Kind::RegionaleSchule, SecondaryBuild::RegionaleSchule},
    {Kind::Hauptschule, SecondaryBuild::Hauptschule},
    {Kind::Realschule, SecondaryBuild::Realschule},
    {Kind::Gesamtschule, SecondaryBuild::Gesamtschule},
};

const Member& member(Kind kind)
{
    for (const Member& m : kMembers)
        if (m.kind == kind)
            return m;
    return kMembers[0];
}

// "Schuljahr" and the school year; a final certificate covers the whole year,
// so there is no alternative to strike. The two are separate texts, each
// drawn by its own slot: a publisher's paper carries the word "Schuljahr"
// (its form switches slot 7 off) but not the years, which must still be
// printed in the gap behind it.
void WholeSchoolYearLine(PageContext& ctx, const TZgnRec& rec)
{
    if (ctx.drawn(slot::SchoolYear))
        ctx.text(slot::SchoolYear, "Schuljahr");
    if (!ctx.drawn(slot::SchoolYearValue))
        return;
    const SchoolYearTexts year = SchoolYearEnd(rec.SjBeginn.view());
    ctx.text(slot::SchoolYearValue, cp1252ToUtf8(year.begin + " / " + year.end));
}

void DrawFinalCertificate(PageContext& ctx, const TZgnRec& rec, int annexCode, Kind kind)
{
    const Member& m = member(kind);
    const AnnexForm* form = FindAnnexForm(annexCode);
    const bool leaving = form && form->kind == FormKind::Leaving;
    constexpr bool wordMode = true; // final certificates always spell the grades

    SchoolLine(ctx, "Name der Schule/Schulart(en)/Schulort");
    TitleLines(ctx, leaving ? "Abgangszeugnis" : "Abschlusszeugnis", SchoolKindOf(annexCode));
    WholeSchoolYearLine(ctx, rec);
    CoatOfArmsAtSlot(ctx);
    NameBlock(ctx, rec);
    StatementBlock(ctx, rec, annexCode);
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
    if (kind != Kind::Gesamtschule && ctx.drawn(extra::FirstHalfYearColumn)) {
        ctx.text(extra::FirstHalfYearColumn, "1. Halbjahr");
        ctx.text(extra::SecondHalfYearColumn, "2. Halbjahr");
    }
    ElectiveBlock(ctx, rec, ElectiveRowsOf(annexCode), wordMode);
    if (kind != Kind::Gesamtschule)
        Absences(ctx, rec);
    PlaceAndDate(ctx, rec);
    const FinalSeal seal = FinalCertificateSeal(annexCode);
    Seal(ctx, seal.caption, seal.strikeStempel ? SealStrike::Stempel : SealStrike::None);
    Signatures(ctx);
    Receipt(ctx);
    if (kind == Kind::Gesamtschule) {
        ctx.text(extra::NotesHeading, "Erläuterungen:");
        ctx.text(extra::FirstNote, "1. In der Integrierten Gesamtschule wird der Unterricht nicht nach Schularten "
                                   "gegliedert.");
    }
    const char* footnote = kind == Kind::RegionaleSchule ? RegionalFootnote(rec)
                           : kind == Kind::Gesamtschule  ? ComprehensiveFootnote()
                                                         : "";
    GradeScale(ctx, GradeScaleForm::WholeLineAndFootnote, footnote);
    Footer(ctx);
}

} // namespace

FinalSeal FinalCertificateSeal(int annexCode)
{
    const AnnexForm* form = FindAnnexForm(annexCode);
    if (form && form->stampOrSeal)
        return {"Stempel/Siegel", true};
    return {"Siegel", false};
}

void LayoutRegionaleSchuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawFinalCertificate(ctx, rec, annexCode, Kind::RegionaleSchule);
}

void LayoutHauptschuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawFinalCertificate(ctx, rec, annexCode, Kind::Hauptschule);
}

void LayoutRealschuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawFinalCertificate(ctx, rec, annexCode, Kind::Realschule);
}

void LayoutGesamtschuleAbgang(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    DrawFinalCertificate(ctx, rec, annexCode, Kind::Gesamtschule);
}

} // namespace ruvek
