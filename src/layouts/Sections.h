#pragma once
// The sections every certificate page is built from: school line, title,
// school-year line, name blocks, transfer statement, rule, free-text blocks,
// absences, place and date, seal, signatures, receipt, grade scale and the
// footer. Each draws only what its slots put on the page being drawn.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

#include <string_view>

namespace ruvek {

// Slot numbers of the elements every certificate shares.
namespace slot {
inline constexpr int Schulname = 3, SchoolCaption = 4, Title = 5, Footer = 6, SchoolYear = 7, SchoolYearValue = 8,
                     SchoolYearStrike = 9, SchoolKind = 14, NameCaption = 15, FullName = 16, BirthDate = 17,
                     Klasse = 19, SecondNameRule = 20, TableHeading = 30, Rule = 41, TextAddition = 59,
                     AbsenceLine = 63, DaysAbsent = 64, TextHeading = 65, TextFirstLine = 66, TextParams = 67,
                     RemarksHeading = 68, RemarksFirstLine = 69, RemarksParams = 70, DaysExcused = 74,
                     Transfer = 95, TransferStrike = 96, NewSchoolCaption = 97, NewSchool = 98, NewYearLevel = 100,
                     PlaceDateCaption = 106, PlaceDate = 107, HeadSignature = 108, TeacherSignature = 110,
                     SealCaption = 112, SealStrike = 113, ReceiptHeading = 114, ReceiptPlaceDate = 115,
                     ParentSignature = 117, GradeScaleHeading = 119, GradeScale = 120, Page2NameCaption = 125,
                     Page2Name = 126, Page2BirthDate = 127;
} // namespace slot

// Slot 3 with the school's name and the caption line of slot 4, its caption
// 3 mm below the rule at the slot's own X.
void SchoolLine(PageContext& ctx, std::string_view captionUtf8);
// Title (slot 5) and school kind (slot 14).
void TitleLines(PageContext& ctx, std::string_view titleUtf8, std::string_view schoolKindUtf8);
// "über das 1. Schulhalbjahr / Schuljahr", the school year and the strike-out
// of the alternative that does not apply (slots 7 to 9).
void SchoolYearLine(PageContext& ctx, const TZgnRec& rec);
// Name, birth date and class (slots 15 to 20), one-rule or two-rule form.
void NameBlock(PageContext& ctx, const TZgnRec& rec);
// "Name, Vorname" and birth date heading a second page (slots 125 to 127).
void Page2NameBlock(PageContext& ctx, const TZgnRec& rec);
// The character-spacing reduction of a name on a rule of that length.
int NameNarrowing(int ruleLength, int nameChars);
// The transfer statement with its gender strike-out (slots 95 to 100).
void TransferStatement(PageContext& ctx, const TZgnRec& rec);
// The horizontal rule of slot 41.
void SectionRule(PageContext& ctx);

// A free-text block: first-line slot, parameter slot (X lines, Y spacing,
// Font characters per line), the capacity of the record field and the name
// under which a cut text is reported.
struct TextBlock {
    int firstLineSlot;
    int paramSlot;
    int maxLength;
    const char* name;
};
inline constexpr TextBlock kLearningReportBlock{slot::TextFirstLine, slot::TextParams, 2000, "Lernentwicklungsbericht"};
inline constexpr TextBlock kRemarksBlock{slot::RemarksFirstLine, slot::RemarksParams, 500, "Vermerke"};
// The ruled lines (unless OhneLinie) and the wrapped, finished text.
void FreeTextBlock(PageContext& ctx, const TextBlock& block, std::string_view textCp1252);

// Heading (65), heading addition (59) and the learning-development text.
void LearningReport(PageContext& ctx, const TZgnRec& rec, std::string_view headingUtf8,
                    std::string_view additionUtf8);
// "Vermerke:" (68) and the remarks text.
void Remarks(PageContext& ctx, const TZgnRec& rec);
// "Fehltage: ..." with the two counts (slots 63, 64, 74).
void Absences(PageContext& ctx, const TZgnRec& rec);
// Caption line "Ort, Datum" (106) and place and date (107).
void PlaceAndDate(PageContext& ctx, const TZgnRec& rec);

// Which word of "Stempel/Siegel" is struck.
enum class SealStrike { None, Siegel, Stempel };
void Seal(PageContext& ctx, std::string_view captionUtf8, SealStrike strike);
// Head teacher (108) and class teacher (110).
void Signatures(PageContext& ctx);
// "Empfangsbestätigung:" (114), place and date (115) and, in the same block,
// the parent's signature (117).
void Receipt(PageContext& ctx);

enum class GradeScaleForm { HeadingAndScale, WholeLineAndFootnote };
void GradeScale(PageContext& ctx, GradeScaleForm form, std::string_view footnoteUtf8 = {});
// The program imprint along the page edge (slot 6).
void Footer(PageContext& ctx);

} // namespace ruvek
