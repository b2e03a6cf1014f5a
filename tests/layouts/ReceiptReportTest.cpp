// The receipt acknowledgement and the learning-development report sheet,
// drawn with the shipped form control files on a recording canvas.
#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutEmpfangsbekenntnis.h"
#include "layouts/LayoutLernentwicklungsbericht.h"
#include "print/RecordingCanvas.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

using namespace ruvek;

namespace {

const std::filesystem::path kShippedForms = std::filesystem::path(RUVEK_SOURCE_DIR) / "data";

TZgnRec student()
{
    TZgnRec r;
    r.Status = 1;
    r.Vorname = "Lena";
    r.Name = "Albrecht";
    r.GebDatum = "14.02.2014";
    r.Klasse = "7a";
    r.ZgnTyp = 1;
    r.ZgnDatum = "03.07.2027";
    r.LEBText = "Lena arbeitet aufmerksam mit.";
    r.Vermerke = "Lena hat an der Lese-AG teilgenommen.";
    return r;
}

// One sheet drawn with a shipped form, whose slots a test may change first.
struct Sheet {
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    SchoolType schoolType = SchoolType::RegionaleSchule;
    std::string address = "Regionale Schule am Teich, Teichweg 4, 18055 Rostock";
    TFstTable form{};
    RecordingCanvas canvas;

    explicit Sheet(const FormFileInfo& info)
    {
        test::ScriptedPrompter prompter;
        const LoadedForm loaded = LoadCertificateForm(info, {kShippedForms, kShippedForms}, options, prompter);
        EXPECT_TRUE(loaded.loaded) << info.fileName;
        form = loaded.table;
    }
    void draw(void (*layout)(PageContext&, const TZgnRec&, int), const TZgnRec& rec)
    {
        const CertificateEnvironment env{options, katalog, schoolType, "Schule", {}, address};
        PageContext ctx(canvas, env, form, 1);
        layout(ctx, rec, 0);
    }
    bool drew(const std::string& text) const
    {
        const auto texts = canvas.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    std::optional<CanvasOp> textOp(const std::string& text) const
    {
        for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
            if (op.text == text)
                return op;
        return std::nullopt;
    }
};

std::string quoted(const char* name) { return std::string("\"") + name + "\""; }

} // namespace

TEST(ReceiptDesignation, CertificateNameBySchoolTypeAndCertificateType)
{
    // nullptr: that school has no such certificate, the school kind stands instead.
    struct Row {
        int schoolType;
        const char* kind;
        std::array<const char*, 7> names; // ZgnTyp 1..7
    };
    const Row rows[] = {
        {0, " - ? ? ? -", {}},
        {1, "der Grundschule", {"Zeugnis der Grundschule", "Übergangszeugnis der Grundschule"}},
        {2, "der Regionalen Schule",
         {"Zeugnis der Regionalen Schule", "Übergangszeugnis der Regionalen Schule",
          "Abgangszeugnis der Regionalen Schule", "Abschlusszeugnis", "Abschlusszeugnis", nullptr,
          "Zwischenzeugnis der Regionalen Schule"}},
        {3, "der Integrierten Gesamtschule",
         {"Zeugnis der Integrierten Gesamtschule", "Übergangszeugnis der Integrierten Gesamtschule",
          "Abgangszeugnis der Integrierten Gesamtschule", "Abschlusszeugnis der Integrierten Gesamtschule",
          "Abschlusszeugnis der Integrierten Gesamtschule", "Prüfungszeugnis der Integrierten Gesamtschule",
          "Zwischenzeugnis der Integrierten Gesamtschule"}},
        {4, "des Gymnasiums",
         {"Zeugnis des Gymnasiums", "Übergangszeugnis des Gymnasiums", "Abgangszeugnis des Gymnasiums", nullptr,
          nullptr, "Prüfungszeugnis des Gymnasiums", "Zwischenzeugnis des Gymnasiums"}},
        {5, "der Hauptschule",
         {"Zeugnis der Hauptschule", "Übergangszeugnis der Hauptschule", "Abgangszeugnis der Hauptschule",
          "Abschlusszeugnis (Hauptschulabschluss)", "Abschlusszeugnis (qualifizierter Hauptschulabschluss)", nullptr,
          "Zwischenzeugnis der Hauptschule"}},
        {6, "der Realschule",
         {"Zeugnis der Realschule", "Übergangszeugnis der Realschule", "Abgangszeugnis der Realschule",
          "Abschlusszeugnis (Realschulabschluss)", "Abschlusszeugnis (qualifizierter Realschulabschluss)", nullptr,
          "Zwischenzeugnis der Realschule"}},
        {7, "der Förderschule",
         {"Zeugnis der Förderschule", "Übergangszeugnis der Förderschule", "Abgangszeugnis der Förderschule",
          "Abschlusszeugnis der Förderschule", nullptr, nullptr, "Zwischenzeugnis der Förderschule"}},
        {8, " - ? ? ? -", {}},
        {9, " - ? ? ? -", {}},
    };
    TZgnRec rec = student();
    for (const Row& row : rows) {
        const auto type = static_cast<SchoolType>(row.schoolType);
        EXPECT_EQ(ReceiptDesignation(2, type, rec), row.kind) << row.schoolType;
        for (int zgnTyp = 0; zgnTyp <= 8; ++zgnTyp) {
            SCOPED_TRACE("school type " + std::to_string(row.schoolType) + ", ZgnTyp " + std::to_string(zgnTyp));
            rec.ZgnTyp = static_cast<std::int16_t>(zgnTyp);
            const char* name = zgnTyp >= 1 && zgnTyp <= 7 ? row.names[static_cast<std::size_t>(zgnTyp - 1)] : nullptr;
            EXPECT_EQ(ReceiptDesignation(1, type, rec), name ? quoted(name) : std::string(row.kind));
        }
    }
}

TEST(ReceiptDesignation, StudentNameWithTheClassWhenThereIsOne)
{
    // The unused-entry marker "  - - -" is left out too, but the 5-character
    // class field cannot hold it.
    const std::pair<const char*, const char*> cases[] = {
        {"7a", "für Lena Albrecht (Klasse: 7a)"},
        {"???", "für Lena Albrecht"},
        {"", "für Lena Albrecht"},
    };
    TZgnRec rec = student();
    for (const auto& [klasse, expected] : cases) {
        rec.Klasse = klasse;
        EXPECT_EQ(ReceiptDesignation(0, SchoolType::Gymnasium, rec), expected) << '"' << klasse << '"';
    }
}

TEST(ReceiptLayout, PrintsTheLetterWithDesignationDateAndAddress)
{
    Sheet sheet(kReceiptA4Form);
    sheet.options.EmpfTitel = 1;
    sheet.draw(LayoutEmpfangsbekenntnis, student());
    for (const char* text :
         {"Schule", "Name der Schule/Schulart/Schulort", "Empfangsbekenntnis (zweifach):",
          "\"Zeugnis der Regionalen Schule\"", "vom", "03.07.2027", "Das vorgenannte Zeugnis habe ich erhalten.",
          "Ort, Datum", "Unterschrift der Erziehungsberechtigten bzw. des volljährigen Schülers",
          "Rechtsbehelfsbelehrung:", "Regionale Schule am Teich, Teichweg 4, 18055 Rostock",
          "(Name und Anschrift der Schule)", "einzulegen."})
        EXPECT_TRUE(sheet.drew(text)) << text;
}

TEST(ReceiptLayout, LegalRemedyBreaksBeforeThe99thCharacter)
{
    EXPECT_EQ(LegalRemedyLines(),
              (std::vector<std::string>{
                  "Gegen das Zeugnis können Sie innerhalb eines Monats, nachdem es Ihnen bekanntgegeben worden ist, ",
                  "Widerspruch einlegen. Der Widerspruch ist schriftlich oder zur Niederschrift bei der", ""}));
    Sheet sheet(kReceiptA4Form);
    sheet.draw(LayoutEmpfangsbekenntnis, student());
    const auto first = sheet.textOp(LegalRemedyLines()[0]);
    const auto second = sheet.textOp(LegalRemedyLines()[1]);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->y1 - second->y1, 50);
}

TEST(ReceiptLayout, LongAddressIsNarrowed)
{
    const std::pair<std::size_t, int> cases[] = {{70, 0}, {71, -2}, {80, -2}};
    for (const auto& [length, extra] : cases) {
        Sheet sheet(kReceiptA4Form);
        sheet.address = "Schule am Teich, Rostock " + std::string(length - 25, 'x');
        sheet.draw(LayoutEmpfangsbekenntnis, student());
        const auto op = sheet.textOp(sheet.address);
        ASSERT_TRUE(op) << length;
        EXPECT_EQ(op->characterExtra, extra) << length;
    }
}

TEST(ReceiptLayout, FrameByTheFormWhateverMitRahmenSays)
{
    const std::pair<int, bool> cases[] = {{0, false}, {1, true}, {2, false}, {3, true}};
    for (const auto& [page, framed] : cases) {
        Sheet sheet(kReceiptA4Form);
        sheet.options.MitRahmen = 0;
        sheet.form[1].Page = static_cast<std::uint16_t>(page);
        sheet.form[1].Visible = 0; // not consulted either
        sheet.draw(LayoutEmpfangsbekenntnis, student());
        EXPECT_EQ(sheet.canvas.count(CanvasOpKind::Rectangle), framed ? 1u : 0u) << "slot 1 Page " << page;
    }
}

TEST(ReportLayout, RemarksOnlyForTheGradeConference)
{
    for (const int zensurenkonferenz : {0, 1}) {
        Sheet sheet(kReportForm);
        sheet.options.Zensurenkonferenz = static_cast<std::int16_t>(zensurenkonferenz);
        sheet.draw(LayoutLernentwicklungsbericht, student());
        EXPECT_TRUE(sheet.drew("Lena Albrecht"));
        EXPECT_TRUE(sheet.drew("Lernentwicklungsbericht"));
        EXPECT_TRUE(sheet.drew("Lena arbeitet aufmerksam mit."));
        EXPECT_EQ(sheet.drew("Vermerke:"), zensurenkonferenz == 1);
        EXPECT_EQ(sheet.drew("Lena hat an der Lese-AG teilgenommen."), zensurenkonferenz == 1);
        // No frame, no ruled text lines: the name rule is the only line.
        EXPECT_EQ(sheet.canvas.count(CanvasOpKind::Rectangle), 0u);
        EXPECT_EQ(sheet.canvas.count(CanvasOpKind::LineTo), 1u);
    }
}

TEST(ReportLayout, IgnoresElementsOfPageTwo)
{
    Sheet sheet(kReportForm);
    sheet.options.Zensurenkonferenz = 1;
    for (const int s : {15, 65, 66, 68, 69})
        sheet.form[static_cast<std::size_t>(s)].Page = 2;
    sheet.draw(LayoutLernentwicklungsbericht, student());
    EXPECT_TRUE(sheet.canvas.drawOps().empty()) << sheet.canvas.texts().size() << " texts drawn";
}
