#include "layouts/LayoutGymnasiumAbschluss.h"

#include "forms/AnnexCatalogue.h"
#include "layouts/CoatOfArms.h"
#include "layouts/ExamTables.h"
#include "layouts/Sections.h"
#include "layouts/SubjectTableSecondary.h"

#include <string>

namespace ruvek {
namespace {

namespace stmt {
inline constexpr int First = 22, Qualification = 24, Closing = 26;
} // namespace stmt

namespace extra {
inline constexpr int SubjectsHeading = 31, ExamHeading = 75;
} // namespace extra

constexpr const char* kSchoolCaption = "Name der Schule/Schulart(en)/Schulort";

// A statement line on the page of the statement's first line.
void statementLine(PageContext& ctx, int index, std::string_view utf8)
{
    TFstSlot at = ctx.slot(index);
    at.Page = ctx.slot(stmt::First).Page;
    ctx.text(at, utf8);
}

// Both certificates put the name on one rule, narrowed when it is long,
// whatever the form says about a second rule.
void OneRuleNameBlock(PageContext& ctx, const TZgnRec& rec)
{
    ctx.slot(slot::SecondNameRule) = TFstSlot{};
    NameBlock(ctx, rec);
}

// Place, date, the state seal and the signatures.
void Closing(PageContext& ctx, const TZgnRec& rec)
{
    PlaceAndDate(ctx, rec);
    Seal(ctx, "Landessiegel", SealStrike::None);
    Signatures(ctx);
}

} // namespace

void GymnasiumStatementBlock(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    if (!ctx.drawn(stmt::First))
        return;
    const AnnexForm* form = FindAnnexForm(annexCode);
    if (form && form->kind == FormKind::Leaving) {
        ctx.text(stmt::First, std::string("Die Schülerin / Der Schüler") + " hat die Vollzeitschulpflicht erfüllt.");
        return;
    }
    ctx.text(stmt::First,
             "hat sich der Prüfung zum Übergang in die Jahrgangsstufe 11 der gymnasialen Oberstufe gemäß der");
    statementLine(ctx, stmt::Qualification, "Verordnung vom 3. Juli 2003 unterzogen.");
    // The outcome follows the record, not the annex code.
    statementLine(ctx, stmt::Closing,
                  std::string("Er/Sie") +
                      (rec.Bestanden == 1
                           ? " hat die Prüfung bestanden und wird in die 11. Jahrgangsstufe der gymnasialen "
                             "Oberstufe versetzt."
                           : " hat die Prüfung nicht bestanden und wird nicht in die 11. Jahrgangsstufe versetzt."));
}

void LayoutGymnasiumAbgang(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    constexpr bool wordMode = true;
    SchoolLine(ctx, kSchoolCaption);
    TitleLines(ctx, "Abgangszeugnis", SchoolKindOf(annexCode));
    CoatOfArmsAtSlot(ctx);
    OneRuleNameBlock(ctx, rec);
    GymnasiumStatementBlock(ctx, rec, annexCode);
    Remarks(ctx, rec);
    ctx.text(extra::SubjectsHeading, "Pflichtunterricht");
    SubjectTableSecondary(ctx, rec, SecondaryBuild::Gymnasium, annexCode, SecondaryShapeOf(annexCode), wordMode);
    ElectiveBlock(ctx, rec, ElectiveRowsOf(annexCode), wordMode);
    Closing(ctx, rec);
    GradeScale(ctx, GradeScaleForm::HeadingAndScale);
    Footer(ctx);
}

void LayoutGymnasiumPruefung(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    constexpr bool wordMode = true;
    SchoolLine(ctx, kSchoolCaption);
    TitleLines(ctx, "Zeugnis", SchoolKindOf(annexCode));
    OneRuleNameBlock(ctx, rec);
    GymnasiumStatementBlock(ctx, rec, annexCode);
    Remarks(ctx, rec);
    // The print job has told the user already when the examination
    // subjects cannot be determined; the page leaves them out silently.
    const ExamSubjects exam = FindExamSubjects(rec, ctx.katalog(), ctx.schoolType());
    ctx.text(extra::ExamHeading, "Prüfungsfächer");
    ExamSubjectTable(ctx, rec, exam, wordMode);
    ctx.text(extra::SubjectsHeading, "Fächer der Zulassung");
    AdmissionSubjectTable(ctx, rec, exam, wordMode);
    // Without a subject table of its own the elective heading goes by its
    // own slot (the elective block adds it only beside slot 32).
    if (!ctx.drawn(slot::TableOrigin))
        ctx.text(slot::ElectiveHeading, "Wahlpflichtunterricht");
    ElectiveBlock(ctx, rec, ElectiveRowsOf(annexCode), wordMode);
    if (const AnnexForm* form = FindAnnexForm(annexCode); form && form->examinationPassed)
        Absences(ctx, rec);
    Closing(ctx, rec);
    Receipt(ctx);
    GradeScale(ctx, GradeScaleForm::HeadingAndScale);
    Footer(ctx);
}

} // namespace ruvek
