#include "layouts/LayoutEmpfangsbekenntnis.h"

#include "common/Cp1252.h"
#include "layouts/Sections.h"
#include "layouts/TextHelpers.h"

#include <array>

namespace ruvek {
namespace {

namespace receipt {
inline constexpr int Rule1 = 41, Rule2 = 42, Rule3 = 43, Heading = 5, Sending = 22, Designation = 23, Vom = 24,
                     DateRule = 25, ReturnRequest = 26, Received = 29, PlaceDate = 115, Signature = 117,
                     RemedyHeading = 90, RemedyText = 91, Address = 92, AddressCaption = 93, Closing = 94;
} // namespace receipt

constexpr int kCaptionDrop = 30;       // 3 mm between a rule and its caption
constexpr int kRemedyLineSpacing = 50; // 5 mm
constexpr int kRemedyLines = 3;
constexpr int kRemedyLineChars = 98;
constexpr std::size_t kAddressMaxChars = 80;
constexpr std::size_t kAddressWideChars = 70; // longer addresses are narrowed
constexpr int kAddressNarrowing = 2;

constexpr const char* kRemedyText =
    "Gegen das Zeugnis können Sie innerhalb eines Monats, nachdem es Ihnen bekanntgegeben worden ist, "
    "Widerspruch einlegen. Der Widerspruch ist schriftlich oder zur Niederschrift bei der";

// Certificate names by school type 1..7 (rows) and ZgnTyp 1..7 (columns);
// nullptr where that school has no such certificate.
constexpr std::array<std::array<const char*, 7>, 7> kCertificateNames = {{
    {"\"Zeugnis der Grundschule\"", "\"Übergangszeugnis der Grundschule\"", nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {"\"Zeugnis der Regionalen Schule\"", "\"Übergangszeugnis der Regionalen Schule\"",
     "\"Abgangszeugnis der Regionalen Schule\"", "\"Abschlusszeugnis\"", "\"Abschlusszeugnis\"", nullptr,
     "\"Zwischenzeugnis der Regionalen Schule\""},
    {"\"Zeugnis der Integrierten Gesamtschule\"", "\"Übergangszeugnis der Integrierten Gesamtschule\"",
     "\"Abgangszeugnis der Integrierten Gesamtschule\"", "\"Abschlusszeugnis der Integrierten Gesamtschule\"",
     "\"Abschlusszeugnis der Integrierten Gesamtschule\"", "\"Prüfungszeugnis der Integrierten Gesamtschule\"",
     "\"Zwischenzeugnis der Integrierten Gesamtschule\""},
    {"\"Zeugnis des Gymnasiums\"", "\"Übergangszeugnis des Gymnasiums\"", "\"Abgangszeugnis des Gymnasiums\"", nullptr,
     nullptr, "\"Prüfungszeugnis des Gymnasiums\"", "\"Zwischenzeugnis des Gymnasiums\""},
    {"\"Zeugnis der Hauptschule\"", "\"Übergangszeugnis der Hauptschule\"", "\"Abgangszeugnis der Hauptschule\"",
     "\"Abschlusszeugnis (Hauptschulabschluss)\"", "\"Abschlusszeugnis (qualifizierter Hauptschulabschluss)\"", nullptr,
     "\"Zwischenzeugnis der Hauptschule\""},
    {"\"Zeugnis der Realschule\"", "\"Übergangszeugnis der Realschule\"", "\"Abgangszeugnis der Realschule\"",
     "\"Abschlusszeugnis (Realschulabschluss)\"", "\"Abschlusszeugnis (qualifizierter Realschulabschluss)\"", nullptr,
     "\"Zwischenzeugnis der Realschule\""},
    {"\"Zeugnis der Förderschule\"", "\"Übergangszeugnis der Förderschule\"", "\"Abgangszeugnis der Förderschule\"",
     "\"Abschlusszeugnis der Förderschule\"", nullptr, nullptr, "\"Zwischenzeugnis der Förderschule\""},
}};

// A class name that stands for "no class yet" is left out of the designation.
bool namesAClass(std::string_view klasse) { return !klasse.empty() && klasse != "  - - -" && klasse != "???"; }

// Rules 41 to 43 across the page, symmetric to the frame; Font is the line
// type, 0 leaves the rule out.
void CrossRule(PageContext& ctx, int index)
{
    const TFstSlot& s = ctx.slot(index);
    if (s.Font != 0 && ctx.drawn(index))
        ctx.hline({s.X, ctx.pageAreaWidth() - s.X - 1}, s.Y, s.Font);
}

} // namespace

std::string SchoolKindPhrase(SchoolType schoolType)
{
    switch (schoolType) {
    case SchoolType::Grundschule: return "der Grundschule";
    case SchoolType::RegionaleSchule: return "der Regionalen Schule";
    case SchoolType::IntegrierteGesamtschule: return "der Integrierten Gesamtschule";
    case SchoolType::Gymnasium: return "des Gymnasiums";
    case SchoolType::Hauptschule: return "der Hauptschule";
    case SchoolType::Realschule: return "der Realschule";
    case SchoolType::Foerderschule: return "der Förderschule";
    default: return " - ? ? ? -";
    }
}

std::string ReceiptDesignation(int empfTitel, SchoolType schoolType, const TZgnRec& rec)
{
    if (empfTitel == 1) {
        const int type = static_cast<int>(schoolType);
        const int zgnTyp = rec.ZgnTyp;
        if (type >= 1 && type <= 7 && zgnTyp >= 1 && zgnTyp <= 7)
            if (const char* name =
                    kCertificateNames[static_cast<std::size_t>(type - 1)][static_cast<std::size_t>(zgnTyp - 1)])
                return name;
        return SchoolKindPhrase(schoolType);
    }
    if (empfTitel == 2)
        return SchoolKindPhrase(schoolType);
    std::string text = "für " + cp1252ToUtf8(rec.Vorname.view()) + " " + cp1252ToUtf8(rec.Name.view());
    if (namesAClass(rec.Klasse.view()))
        text += " (Klasse: " + cp1252ToUtf8(rec.Klasse.view()) + ")";
    return text;
}

std::vector<std::string> LegalRemedyLines()
{
    const WrappedText wrapped = WrapText(utf8ToCp1252(kRemedyText), kRemedyLines, kRemedyLineChars);
    std::vector<std::string> lines;
    for (const std::string& line : wrapped.lines)
        lines.push_back(cp1252ToUtf8(line));
    return lines;
}

void LayoutEmpfangsbekenntnis(PageContext& ctx, const TZgnRec& rec, int /*annexCode*/)
{
    // The receipt always has its frame where the form puts one, whatever the
    // certificates' frame option says.
    const TFstSlot& topLeft = ctx.slot(static_cast<int>(kFrameTopLeftSlot));
    const TFstSlot& bottomRight = ctx.slot(static_cast<int>(kFrameBottomRightSlot));
    if (topLeft.Page == 1 || topLeft.Page == 3)
        ctx.box({topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y}, topLeft.Font);

    // The school line's rule also bounds the rule under the designation.
    const int schoolX = ctx.slot(slot::SchoolCaption).X;
    const HSpan schoolRule = ctx.captionRule(schoolX);
    SchoolLine(ctx, "Name der Schule/Schulart/Schulort");

    CrossRule(ctx, receipt::Rule1);
    ctx.text(receipt::Heading, "Empfangsbekenntnis (zweifach):");
    ctx.text(receipt::Sending, "Anliegend übersende/übergebe ich Ihnen das Zeugnis");
    ctx.text(receipt::Designation, ReceiptDesignation(ctx.options().EmpfTitel, ctx.schoolType(), rec));
    if (ctx.drawn(receipt::Designation))
        ctx.hline(schoolRule, ctx.slot(receipt::Designation).Y, 1);
    ctx.text(receipt::Vom, "vom");
    // The date exactly as typed.
    ctx.recordText(slot::PlaceDate, rec.ZgnDatum.view());
    if (ctx.drawn(receipt::DateRule))
        ctx.hline({ctx.slot(receipt::DateRule).X, schoolX}, ctx.slot(receipt::DateRule).Y, 1);
    ctx.text(receipt::ReturnRequest, "Ein Exemplar des Empfangsbekenntnisses bitte ich unterschrieben zurückzugeben.");
    CrossRule(ctx, receipt::Rule2);
    ctx.text(receipt::Received, "Das vorgenannte Zeugnis habe ich erhalten.");
    ctx.captionLine(receipt::PlaceDate, "Ort, Datum", kCaptionDrop);
    ctx.captionLine(receipt::Signature, "Unterschrift der Erziehungsberechtigten bzw. des volljährigen Schülers",
                    kCaptionDrop);

    CrossRule(ctx, receipt::Rule3);
    ctx.text(receipt::RemedyHeading, "Rechtsbehelfsbelehrung:");
    ctx.lines(receipt::RemedyText, kRemedyLines, kRemedyLineSpacing, LegalRemedyLines());
    const std::string address = ctx.schulAnschriftCp1252().substr(0, kAddressMaxChars);
    const TFstSlot& at = ctx.slot(receipt::Address);
    ctx.narrowText(at, cp1252ToUtf8(address), address.size() > kAddressWideChars ? kAddressNarrowing : 0);
    if (ctx.drawn(receipt::Address))
        ctx.hline({at.X, ctx.pageAreaWidth() - at.X}, at.Y, 2);
    ctx.text(receipt::AddressCaption, "(Name und Anschrift der Schule)");
    ctx.text(receipt::Closing, "einzulegen.");
    Footer(ctx);
}

} // namespace ruvek
