#include "layouts/Sections.h"

#include "common/Cp1252.h"
#include "common/ProgramVersion.h"
#include "layouts/TextHelpers.h"
#include "print/Primitives.h"

#include <algorithm>

namespace ruvek {
namespace {

constexpr int kCaptionDrop = 30;     // 3 mm between a rule and its caption
constexpr int kNameCaptionDrop = 40; // 4 mm under the name rules

constexpr std::string_view kGradeScaleText =
    "sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)";

std::string utf8(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

// The room a text at the slot has up to the ends of a rule, in the
// direction of the slot's alignment.
int RoomOnRule(const TFstSlot& at, HSpan rule)
{
    switch (at.Align) {
    case 1: return 2 * std::min(at.X - rule.left, rule.right - at.X);
    case 2: return at.X - rule.left;
    default: return rule.right - at.X;
    }
}

// The name; when it is wider than its rule, narrowed as far as the rule for
// long names allows.
void NameOnRule(PageContext& ctx, int nameSlot, HSpan rule, std::string_view nameCp1252, bool narrow)
{
    const int narrowing = narrow ? NameNarrowing(rule.length(), static_cast<int>(nameCp1252.size())) : 0;
    const TFstSlot& at = ctx.slot(nameSlot);
    ctx.fitText(at, utf8(nameCp1252), RoomOnRule(at, rule), narrowing);
}

// A caption right-aligned at a value slot, so that it ends where the value begins.
void CaptionBefore(PageContext& ctx, int valueSlot, int fontSlotFont, std::string_view captionUtf8)
{
    TFstSlot& s = ctx.slot(valueSlot);
    s.Font = static_cast<std::uint16_t>(fontSlotFont);
    s.Align = 2;
    ctx.text(valueSlot, captionUtf8);
}

} // namespace

void SchoolLine(PageContext& ctx, std::string_view captionUtf8)
{
    ctx.recordText(slot::Schulname, ctx.schulnameCp1252());
    ctx.captionLine(slot::SchoolCaption, captionUtf8, kCaptionDrop, PageContext::CaptionPlace::AtSlotX);
}

void TitleLines(PageContext& ctx, std::string_view titleUtf8, std::string_view schoolKindUtf8)
{
    ctx.text(slot::Title, titleUtf8);
    ctx.text(slot::SchoolKind, schoolKindUtf8);
}

void SchoolYearLine(PageContext& ctx, const TZgnRec& rec)
{
    if (!ctx.drawn(slot::SchoolYear))
        return;
    constexpr std::string_view label = "über das 1. Schulhalbjahr / Schuljahr";
    ctx.text(slot::SchoolYear, label);
    const SchoolYearTexts year = SchoolYearEnd(rec.SjBeginn.view());
    ctx.text(slot::SchoolYearValue, utf8(year.begin + " / " + year.end));
    ctx.strikeWord(slot::SchoolYear, label, rec.Halbjahr1 == 1 ? "Schuljahr" : "1. Schulhalbjahr",
                   slot::SchoolYearStrike);
}

int NameNarrowing(int ruleLength, int nameChars)
{
    if (ruleLength <= 1500)
        return nameChars >= 41 ? 6 : nameChars >= 31 ? 4 : 0;
    return nameChars >= 46 ? 4 : nameChars >= 36 ? 3 : 0;
}

void NameBlock(PageContext& ctx, const TZgnRec& rec)
{
    if (!ctx.drawn(slot::NameCaption))
        return;
    const TFstSlot second = ctx.slot(slot::SecondNameRule);
    const bool oneRule = second.X == 0 && second.Y == 0 && second.Font == 0;
    const int captionFont = ctx.slot(slot::NameCaption).Font;

    const HSpan rule = ctx.captionLine(slot::NameCaption, "Vorname und Name", kNameCaptionDrop);
    NameOnRule(ctx, slot::FullName, rule, rec.Vorname.str() + " " + rec.Name.str(), oneRule);
    ctx.recordText(slot::BirthDate, rec.GebDatum.view());
    ctx.recordText(slot::Klasse, rec.Klasse.view());
    CaptionBefore(ctx, slot::BirthDate, oneRule ? captionFont : second.Font, "geb. am: ");
    CaptionBefore(ctx, slot::Klasse, captionFont, "Klasse: ");
    if (!oneRule)
        ctx.hline(rule, second.Y, 2);
}

void Page2NameBlock(PageContext& ctx, const TZgnRec& rec)
{
    if (!ctx.drawn(slot::Page2NameCaption))
        return;
    const int captionFont = ctx.slot(slot::Page2NameCaption).Font;
    const HSpan rule = ctx.captionLine(slot::Page2NameCaption, "Name, Vorname", kNameCaptionDrop);
    NameOnRule(ctx, slot::Page2Name, rule, rec.Name.str() + ", " + rec.Vorname.str(), true);
    // The birth date ends inside the rule: a date that would run past its end
    // moves left (and its caption with it).
    TFstSlot& date = ctx.slot(slot::Page2BirthDate);
    const int overrun = ctx.textWidthAt(date, utf8(rec.GebDatum.view())) - RoomOnRule(date, rule);
    if (overrun > 0 && date.Align != 1)
        date.X = static_cast<std::uint16_t>(date.Align == 2 ? date.X + overrun : date.X - overrun);
    ctx.recordText(slot::Page2BirthDate, rec.GebDatum.view());
    CaptionBefore(ctx, slot::Page2BirthDate, captionFont, "geb. am: ");
}

void TransferStatement(PageContext& ctx, const TZgnRec& rec)
{
    if (!ctx.drawn(slot::Transfer))
        return;
    constexpr std::string_view label =
        "Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ über.";
    ctx.text(slot::Transfer, label);
    if (rec.Weiblich == 0)
        ctx.strikeWord(slot::Transfer, label, "Die Schülerin", slot::TransferStrike);
    else if (rec.Weiblich == 1)
        ctx.strikeWord(slot::Transfer, label, "Der Schüler", slot::TransferStrike);
    ctx.text(slot::NewSchoolCaption, "Schule bzw. Schulart");
    // The new school stands in the gap of the statement: a name wider than
    // the gap is narrowed (beyond 25 characters).
    const TFstSlot& school = ctx.slot(slot::NewSchool);
    const HSpan gap = ctx.partOfLabel(ctx.slot(slot::Transfer), label, "______________________________________");
    ctx.fitText(school, utf8(rec.NeueSchule.view()), RoomOnRule(school, gap),
                rec.NeueSchule.view().size() > 25 ? 2 : 0);
    ctx.recordText(slot::NewYearLevel, rec.Jahrgang.view());
}

void SectionRule(PageContext& ctx)
{
    const TFstSlot& s = ctx.slot(slot::Rule);
    if (s.Font == 0 || s.Page != ctx.page())
        return;
    ctx.hline({200, ctx.pageAreaWidth() - 201}, s.Y, s.Font);
}

void FreeTextBlock(PageContext& ctx, const TextBlock& block, std::string_view textCp1252)
{
    const TFstSlot first = ctx.slot(block.firstLineSlot);
    const TFstSlot params = ctx.slot(block.paramSlot);
    const int lineCount = params.X;
    const int spacing = params.Y;
    const bool drawn = first.drawnOn(ctx.page());

    if (drawn && ctx.options().OhneLinie != 1) {
        const HSpan ruled{ctx.innerMargin(), ctx.pageAreaWidth() - ctx.innerMargin()};
        for (int i = 0; i < std::min(lineCount, kMaxSlotLines); ++i)
            ctx.hline(ruled, first.Y + i * spacing, 1);
    }
    const WrappedText wrapped = FinishTextLines(textCp1252, block.maxLength, lineCount, params.Font,
                                                ctx.options().Streichungsart, ctx.options().Streichzeichen.view());
    std::vector<std::string> lines;
    lines.reserve(wrapped.lines.size());
    for (const std::string& l : wrapped.lines)
        lines.push_back(utf8(l));
    // A block of more lines than a form can hold stays without text.
    ctx.lines(block.firstLineSlot, lineCount <= kMaxTextBlockLines ? lineCount : 0, spacing, lines);
    if (drawn && wrapped.cut())
        ctx.noteCut({block.name, utf8(wrapped.overflow)});
}

void LearningReport(PageContext& ctx, const TZgnRec& rec, std::string_view headingUtf8,
                    std::string_view additionUtf8)
{
    ctx.text(slot::TextHeading, headingUtf8);
    if (!additionUtf8.empty())
        ctx.text(slot::TextAddition, additionUtf8);
    FreeTextBlock(ctx, kLearningReportBlock, rec.LEBText.view());
}

void Remarks(PageContext& ctx, const TZgnRec& rec)
{
    ctx.text(slot::RemarksHeading, "Vermerke:");
    FreeTextBlock(ctx, kRemarksBlock, rec.Vermerke.view());
}

void Absences(PageContext& ctx, const TZgnRec& rec)
{
    ctx.text(slot::AbsenceLine, "Fehltage: _______ davon entschuldigt: _______");
    ctx.recordText(slot::DaysAbsent, rec.Fehltage.view());
    ctx.recordText(slot::DaysExcused, rec.FehltageE.view());
}

void PlaceAndDate(PageContext& ctx, const TZgnRec& rec)
{
    ctx.captionLine(slot::PlaceDateCaption, "Ort, Datum", kCaptionDrop);
    // The date is printed without leading zeros, whatever was typed.
    ctx.text(slot::PlaceDate, utf8(rec.ZgnOrt.str() + ", " + NormalizeDate(rec.ZgnDatum.view())));
}

void Seal(PageContext& ctx, std::string_view captionUtf8, SealStrike strike)
{
    ctx.text(slot::SealCaption, captionUtf8);
    if (strike == SealStrike::Siegel)
        ctx.strikeWord(slot::SealCaption, captionUtf8, "Siegel", slot::SealStrike);
    else if (strike == SealStrike::Stempel)
        ctx.strikeWord(slot::SealCaption, captionUtf8, "Stempel", slot::SealStrike);
}

void Signatures(PageContext& ctx)
{
    ctx.captionLine(slot::HeadSignature, "Schulleiter(in)", kCaptionDrop);
    ctx.captionLine(slot::TeacherSignature, "Klassenlehrer(in)", kCaptionDrop);
}

void Receipt(PageContext& ctx)
{
    ctx.text(slot::ReceiptHeading, "Empfangsbestätigung:");
    if (!ctx.drawn(slot::ReceiptPlaceDate))
        return;
    ctx.captionLine(slot::ReceiptPlaceDate, "Ort, Datum", kCaptionDrop);
    ctx.captionLine(slot::ParentSignature, "Erziehungsberechtigte", kCaptionDrop);
}

void GradeScale(PageContext& ctx, GradeScaleForm form, std::string_view footnoteUtf8)
{
    if (form == GradeScaleForm::HeadingAndScale) {
        ctx.text(slot::GradeScaleHeading, "Notenstufen:");
        ctx.text(slot::GradeScale, kGradeScaleText);
    } else {
        ctx.text(slot::GradeScaleHeading, "Notenstufen: " + std::string(kGradeScaleText));
        if (!footnoteUtf8.empty())
            ctx.text(slot::GradeScale, footnoteUtf8);
    }
}

void Footer(PageContext& ctx)
{
    if (ctx.drawn(slot::Footer))
        ctx.rotatedText(slot::Footer, programImprint(), 270);
}

} // namespace ruvek
