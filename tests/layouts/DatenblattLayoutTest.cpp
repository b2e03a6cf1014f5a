// The student data sheet on a recording canvas: every field of the record
// appears on the page, long texts are wrapped inside the page in full, and
// a text that cannot fit even in the smallest font is reported.
#include "common/Cp1252.h"
#include "layouts/LayoutDatenblatt.h"
#include "print/RecordingCanvas.h"
#include "settings/DrkEinst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace ruvek;

namespace {

// The default recording device has no physical offset: stored x is canvas x.
constexpr int kRightEdge = 1950;
constexpr int kBottomEdge = 2850;

TZgnRec filledRecord()
{
    TZgnRec r;
    r.Status = 1;
    r.Name = utf8ToCp1252("Müller");
    r.Vorname = "Anna";
    r.GebDatum = "03.04.2013";
    r.Weiblich = 1;
    r.ZgnTyp = 2;
    r.Halbjahr1 = 1;
    r.Ebene = 2;
    r.AbschlArt = 1;
    r.Klassenstufe = 7;
    r.SjBeginn = "2025";
    r.Klasse = "7b";
    r.KlLehrer = "Sch";
    r.NeueSchule = "Gymnasium Nord";
    r.Jahrgang = "8";
    r.Fehltage = "12";
    r.FehltageE = "10";
    r.Praedikat = 3;
    r.ZgnOrt = "Lindenhagen";
    r.ZgnDatum = "30.01.2026";
    r.NichtDrucken = 1;
    r.Empfehlung = 2;
    r.Anlage = 16;
    r.Klassenart = 1;
    r.UePruefung = 1;
    r.PrFach = "Bio";
    r.Bestanden = 1;
    r.SchlNr = 4711;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "Fach" + std::to_string(k);
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    auto setSlot = [&r](int k, const char* fach, const char* note, const char* zusatz, const char* niveau) {
        r.slot(k).Fach = fach;
        r.slot(k).Note = note;
        r.slot(k).Zusatz = zusatz;
        r.slot(k).Niveau = niveau;
    };
    setSlot(1, "Deutsch", "2", "+", "M");
    setSlot(18, "Sport", "e", "", "-");
    setSlot(19, "Informatik", "1", "", "B");
    r.slot(25).Note = "3";
    r.slot(25).Zusatz = "-";
    r.LEBText = "Anna arbeitet gern mit.";
    r.Vermerke = "Versetzt.";
    r.FLInfo = "Mathe: gut.";
    return r;
}

std::vector<std::string> drawn(const TZgnRec& rec, std::vector<TextCutNotice>* cuts = nullptr,
                               RecordingCanvas* into = nullptr)
{
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    RecordingCanvas local;
    RecordingCanvas& canvas = into ? *into : local;
    canvas.setMetricMapping();
    const auto result = LayoutDatenblatt(canvas, {options, utf8ToCp1252("Schule am Weiher")}, rec);
    if (cuts)
        *cuts = result;
    return canvas.texts();
}

bool contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(DatenblattLayout, EveryFieldOfTheRecordIsOnThePage)
{
    const std::vector<std::string> texts = drawn(filledRecord());
    // field -> the text the sheet shows for it
    const std::pair<const char*, std::string> expected[] = {
        {"title", "Schüler-Datenblatt"},
        {"class and year", "Klasse 7b    Schuljahr 2025/2026"},
        {"name line", "Anna Müller"},
        {"school", "Schule am Weiher"},
        {"Name", "Müller"},
        {"Vorname", "Anna"},
        {"GebDatum", "03.04.2013"},
        {"Weiblich", "weiblich"},
        {"Klasse", "7b"},
        {"Klassenstufe", "7"},
        {"SjBeginn", "2025/2026"},
        {"KlLehrer", "Sch"},
        {"SchlNr", "4711"},
        {"Halbjahr1", "1. Halbjahr"},
        {"Ebene", "Mittlere Reife (Realschule)"},
        {"AbschlArt", "Berufsreife (HS)"},
        {"Praedikat", "gut"},
        {"Klassenart", "Förderstufe"},
        {"ZgnOrt", "Lindenhagen"},
        {"ZgnDatum", "30.01.2026"},
        {"NichtDrucken", "nein (nicht drucken)"},
        {"Status", "aktiv"},
        {"ZgnTyp", "Übergangs-Zeugnis"},
        {"Anlage", "Anlage 16: Übergangs-Zeugnis der Regionalen Schule [Anl016.FST]"},
        {"NeueSchule, Jahrgang", "Gymnasium Nord / 8"},
        {"UePruefung, PrFach, Bestanden", "ja, 4. Prüfungsfach: Bio, bestanden: ja"},
        {"Empfehlung", "allgemeine Hochschulreife"},
        {"Fehltage", "12, davon entschuldigt: 10"},
        {"slot 1 name", "Deutsch"},
        {"slot 1 grade", "2 (gut)"},
        {"slot 1 addition", "+"},
        {"slot 1 level", "M"},
        {"slot 13 name", "Fach13"},
        {"slot 18 grade", "e (nicht erteilt)"},
        {"W1 number", "W1"},
        {"W1 name", "Informatik"},
        {"W1 grade", "1 (sehr gut)"},
        {"W6 name", "Fach24"},
        {"overall elective", "Wahlpflicht gesamt"},
        {"overall elective grade", "3 (befriedigend)"},
        {"LEBText", "Anna arbeitet gern mit."},
        {"Vermerke", "Versetzt."},
        {"FLInfo", "Mathe: gut."},
    };
    for (const auto& [field, text] : expected)
        EXPECT_TRUE(contains(texts, text)) << field << ": \"" << text << "\" missing";
}

TEST(DatenblattLayout, AnnexLineForUndeterminedAndOrientationStage)
{
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    EXPECT_EQ(DatenblattAnnexText(-1, options), "noch nicht bestimmt (Daten übernehmen)");
    EXPECT_EQ(DatenblattAnnexText(0, options), "keine gültige Auswahl eines Zeugnisses");
    EXPECT_EQ(DatenblattAnnexText(104, options),
              "Anlage 4a: (Halb-)/Jahres-Zeugnis der Orientierungsstufe [Anl04a.FST]");
}

TEST(DatenblattLayout, LongTextsAreWrappedInsideThePageAndComplete)
{
    TZgnRec rec = filledRecord();
    // Full fields: 2000, 500 and 2000 characters of words, with line breaks.
    auto words = [](std::size_t length, const std::string& word) {
        std::string t;
        while (t.size() + word.size() + 1 <= length)
            t += (t.empty() ? "" : (t.size() % 300 < 10 ? "\r\n" : " ")) + word;
        return t;
    };
    rec.LEBText = words(2000, "Lernfortschritt");
    rec.Vermerke = words(500, "Vermerk");
    rec.FLInfo = words(2000, "Fachlehrerhinweis");
    RecordingCanvas canvas;
    std::vector<TextCutNotice> cuts;
    drawn(rec, &cuts, &canvas);
    EXPECT_TRUE(cuts.empty());

    int words_seen = 0;
    for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut)) {
        const int width = RecordingCanvas::approximateWidth(op.font, op.characterExtra, op.text);
        const int left = op.align == TextAlign::Right ? op.x1 - width : op.x1;
        EXPECT_LE(left + width, kRightEdge) << op.text;
        EXPECT_LE(-op.y1, kBottomEdge) << op.text;
        std::istringstream in(op.text);
        for (std::string w; in >> w;)
            words_seen += w == "Lernfortschritt" || w == "Vermerk" || w == "Fachlehrerhinweis";
    }
    // Every word of the three texts is on the page.
    auto count = [](const std::string& text, const std::string& word) {
        int n = 0;
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(words_seen, count(rec.LEBText.str(), "Lernfortschritt") + count(rec.Vermerke.str(), "Vermerk") +
                              count(rec.FLInfo.str(), "Fachlehrerhinweis"));
}

TEST(DatenblattLayout, TextBeyondTheSmallestFontIsReportedNotDropped)
{
    TZgnRec rec = filledRecord();
    std::string manyLines;
    while (manyLines.size() + 3 <= 2000)
        manyLines += "x\r\n";
    rec.LEBText = manyLines;
    std::vector<TextCutNotice> cuts;
    drawn(rec, &cuts);
    ASSERT_FALSE(cuts.empty());
    EXPECT_EQ(cuts.front().block, "Lernentwicklungsbericht");
    EXPECT_FALSE(cuts.front().rest.empty());
}
