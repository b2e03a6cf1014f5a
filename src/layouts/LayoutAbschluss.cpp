#include "layouts/LayoutAbschluss.h"

#include "common/Cp1252.h"
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

struct Member {
    Kind kind;
    int leavingCode;
    const char* schoolKind;
    SecondaryBuild build;
    int rows;
    int firstOpenRow;
};

constexpr Member kMembers[] = {
    {Kind::RegionaleSchule, 17, "der Regionalen Schule", SecondaryBuild::RegionaleSchule, 9, 8},
    {Kind::Hauptschule, 7, "der Hauptschule", SecondaryBuild::Hauptschule, 8, 8},
    {Kind::Realschule, 12, "der Realschule", SecondaryBuild::Realschule, 9, 7},
    {Kind::Gesamtschule, 28, "der Integrierten Gesamtschule", SecondaryBuild::Gesamtschule, 9, 8},
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

SecondaryTableShape tableShape(const Member& m, int annexCode)
{
    // The Berufsreife certificate has one foreign language and so one row
    // less; the Mittlere Reife refers to one level of demand and prints no
    // level letters.
    const int rows = annexCode == 18 ? 8 : m.rows;
    const bool levelMarks = (m.kind == Kind::RegionaleSchule && annexCode != 20) || m.kind == Kind::Gesamtschule;
    return {rows, m.firstOpenRow, levelMarks};
}

void DrawFinalCertificate(PageContext& ctx, const TZgnRec& rec, int annexCode, Kind kind)
{
    const Member& m = member(kind);
    const bool leaving = annexCode == m.leavingCode;
    constexpr bool wordMode = true; // final certificates always spell the grades

    SchoolLine(ctx, "Name der Schule/Schulart(en)/Schulort");
    TitleLines(ctx, leaving ? "Abgangszeugnis" : "Abschlusszeugnis", m.schoolKind);
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
        SubjectTableSecondary(ctx, rec, m.build, annexCode, tableShape(m, annexCode), wordMode);
    if (kind != Kind::Gesamtschule && ctx.drawn(extra::FirstHalfYearColumn)) {
        ctx.text(extra::FirstHalfYearColumn, "1. Halbjahr");
        ctx.text(extra::SecondHalfYearColumn, "2. Halbjahr");
    }
    ElectiveBlock(ctx, rec, leaving && kind != Kind::Gesamtschule ? 2 : 3, wordMode);
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
    switch (annexCode) {
    case 7:
    case 8:
    case 12:
    case 17:
    case 28: return {"Stempel/Siegel", true};
    default: return {"Siegel", false};
    }
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
