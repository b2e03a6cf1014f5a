// The shared sections on the recording canvas: caption lines, name block,
// strike-outs and free-text blocks.
#include "LayoutTestSupport.h"

#include "layouts/Sections.h"

#include <gtest/gtest.h>

using namespace ruvek;
using ruvek::test::kOrigin;
using ruvek::test::LayoutBench;

namespace {

struct CaptionCase {
    int slotX;
    int left, right;
};

TEST(CaptionLine, RuleIsSymmetricAroundXAndEndsAtTheInnerMarginOfTheNearerSide)
{
    // Page area 1800 wide, inner margin 100.
    const CaptionCase cases[] = {{500, 100, 900}, {900, 100, 1700}, {901, 102, 1700}, {1400, 1100, 1700}};
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.slotX);
        LayoutBench b;
        b.form[108] = TFstSlot{static_cast<std::uint16_t>(c.slotX), 2000, 0, 15, 1, 1};
        PageContext& ctx = b.page();
        const HSpan rule = ctx.captionLine(108, "Schulleiter(in)", 30);
        EXPECT_EQ(rule.left, c.left);
        EXPECT_EQ(rule.right, c.right);
        const auto lines = b.canvas.ops(CanvasOpKind::LineTo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].x1, c.left + kOrigin);
        EXPECT_EQ(lines[0].x2, c.right + kOrigin + 1);
        EXPECT_EQ(lines[0].y1, -(2000 + kOrigin));
        EXPECT_EQ(lines[0].penWidth, 2);
        const CanvasOp caption = b.textOp("Schulleiter(in)");
        EXPECT_EQ(caption.x1, c.left + 30 + kOrigin);
        EXPECT_EQ(caption.y1, -(2030 + kOrigin));
    }
}

TEST(CaptionLine, SchoolLineKeepsTheCaptionAtTheSlotX)
{
    LayoutBench b;
    b.form[4] = TFstSlot{900, 205, 1, 15, 1, 1};
    PageContext& ctx = b.page();
    SchoolLine(ctx, "Name der Schule/Schulort");
    EXPECT_EQ(b.textOp("Name der Schule/Schulort").x1, 900 + kOrigin);
    EXPECT_EQ(b.textOp("Name der Schule/Schulort").align, TextAlign::Center);
}

TEST(NameBlock, NarrowingByRuleLengthAndNameLength)
{
    struct Case {
        int rule, chars, narrowing;
    };
    const Case cases[] = {{1500, 30, 0}, {1500, 31, 4}, {1500, 40, 4}, {1500, 41, 6}, {1501, 35, 0},
                          {1501, 36, 3}, {1501, 41, 3}, {1501, 45, 3}, {1501, 46, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(NameNarrowing(c.rule, c.chars), c.narrowing) << c.rule << " " << c.chars;
}

TEST(NameBlock, OneRuleFormNarrowsALongNameAndSetsTheCaptionsBeforeTheValues)
{
    // Measured with proportional widths: 61 wide letters are wider than the
    // rule and get the narrowing of their rule; 61 narrow ones fit and stay
    // as they are.
    struct Case {
        int slotX; // rules of 1500 and 1502
        char letter;
        int extra;
    };
    for (const Case& c : {Case{850, 'W', -6}, Case{851, 'W', -4}, Case{850, 'i', 0}, Case{851, 'i', 0}}) {
        SCOPED_TRACE(std::to_string(c.slotX) + " " + c.letter);
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        b.form[15] = TFstSlot{static_cast<std::uint16_t>(c.slotX), 700, 0, 15, 1, 1};
        b.form[16] = TFstSlot{130, 690, 0, 42, 1, 1};
        b.form[17] = TFstSlot{400, 810, 0, 11, 1, 1};
        b.form[19] = TFstSlot{1550, 810, 0, 11, 1, 1};
        TZgnRec rec;
        rec.Vorname = std::string(30, c.letter); // with the blank and the name: 61 characters
        rec.Name = std::string(30, c.letter);
        rec.GebDatum = "04.07.2018";
        rec.Klasse = "3b";
        PageContext& ctx = b.page();
        NameBlock(ctx, rec);
        EXPECT_EQ(b.textOp(rec.Vorname.str() + " " + rec.Name.str()).characterExtra, c.extra);
        EXPECT_EQ(b.canvas.characterExtra(), 0);
        const CanvasOp geb = b.textOp("geb. am: ");
        EXPECT_EQ(geb.align, TextAlign::Right);
        EXPECT_EQ(geb.x1, 400 + kOrigin);
        EXPECT_EQ(geb.font.cellHeight, 30); // the caption's font 15
        EXPECT_EQ(b.textOp("Klasse: ").x1, 1550 + kOrigin);
        EXPECT_EQ(b.canvas.count(CanvasOpKind::LineTo), 1u);
    }
}

TEST(Page2NameBlock, TheBirthDateEndsInsideItsRule)
{
    // The rule of slot 125 at X 900 ends at 1700; a date at 1570 that would
    // run past it moves left with its caption; one that fits stays.
    for (const char* date : {"12.03.2013", "1.3.13"}) {
        SCOPED_TRACE(date);
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        b.form[125] = TFstSlot{900, 150, 0, 15, 2, 1};
        b.form[126] = TFstSlot{130, 140, 0, 12, 2, 1};
        b.form[127] = TFstSlot{1570, 140, 0, 11, 2, 1};
        TZgnRec rec;
        rec.Name = "Arndt";
        rec.Vorname = "Leonie";
        rec.GebDatum = date;
        PageContext& ctx = b.page(2);
        Page2NameBlock(ctx, rec);
        const CanvasOp op = b.textOp(date);
        const HSpan drawn = test::DrawnExtent(op, date);
        const auto rules = b.canvas.ops(CanvasOpKind::LineTo);
        ASSERT_EQ(rules.size(), 1u);
        const int ruleEnd = rules[0].x2 - 1;     // on the page, with the page's offset
        const int offset = ruleEnd - 1700;
        EXPECT_LE(drawn.right, ruleEnd);
        EXPECT_EQ(b.textOp("geb. am: ").x1, op.x1);
        if (std::string(date) == "1.3.13") {
            EXPECT_EQ(op.x1, 1570 + offset);
        } else {
            EXPECT_LT(op.x1, 1570 + offset);
            EXPECT_GE(drawn.right, ruleEnd - 3); // moved no further than needed
        }
    }
}

TEST(TransferStatement, StrikesTheAlternativeThatDoesNotApply)
{
    const std::string label =
        "Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ über.";
    const std::pair<int, std::vector<std::string>> cases[] = {
        {0, {"Die Schülerin"}}, {1, {"Der Schüler"}}, {-1, {}}};
    for (const auto& [weiblich, struck] : cases) {
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        b.form[95] = TFstSlot{130, 930, 0, 27, 1, 1};
        b.form[96] = TFstSlot{130, 930, 0, 1, 1, 1};
        TZgnRec rec;
        rec.Weiblich = weiblich;
        PageContext& ctx = b.page();
        TransferStatement(ctx, rec);
        // Caption, new school and year level are not visible in this form.
        EXPECT_EQ(b.texts().front(), label);
        EXPECT_EQ(test::StruckWords(b.canvas, label, {"Die Schülerin", "Der Schüler"}), struck) << weiblich;
    }
}

TEST(SchoolYearLine, HalfYearAndYearStrikes)
{
    struct Case {
        int halbjahr1;
        const char* begin;
        const char* year;
        const char* struck;
    };
    const Case cases[] = {
        {1, "07", "2007 / 2008", "Schuljahr"},
        {0, "1999", "1999 / ????", "1. Schulhalbjahr"},
        {0, "???", "??? / ", "1. Schulhalbjahr"},
    };
    const std::string label = "über das 1. Schulhalbjahr / Schuljahr";
    for (const Case& c : cases) {
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        b.form[7] = TFstSlot{520, 560, 0, 11, 1, 1};
        b.form[8] = TFstSlot{1080, 560, 0, 12, 1, 1};
        b.form[9] = TFstSlot{520, 560, 0, 1, 1, 1};
        TZgnRec rec;
        rec.Halbjahr1 = static_cast<std::int16_t>(c.halbjahr1);
        rec.SjBeginn = c.begin;
        PageContext& ctx = b.page();
        SchoolYearLine(ctx, rec);
        const auto texts = b.texts();
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0], label);
        EXPECT_EQ(texts[1], c.year);
        EXPECT_EQ(test::StruckWords(b.canvas, label, {"Schuljahr", "1. Schulhalbjahr"}),
                  std::vector<std::string>{c.struck});
    }
}

TEST(StrikeWord, CoversTheWordWhateverTheLabelsAlignmentAndFillCharacter)
{
    // A label centred or right-aligned on its slot, a fill character wider
    // or narrower than the letters, and a struck word narrower than one fill
    // character: the run always covers the word and nothing beside it.
    struct Case {
        int align;
        const char* fill;
        const char* word;
    };
    const Case cases[] = {{0, "#", "Siegel"}, {1, "#", "Stempel"}, {2, "#", "Siegel"}, {1, "-", "Stempel"},
                          {2, "X", "Stempel"}, {0, "/", "Siegel"}, {0, "#", "l"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word) + " " + c.fill + " " + std::to_string(c.align));
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        b.options.NormalStreichzeichen = c.fill;
        b.form[112] = TFstSlot{795, 2400, static_cast<std::uint16_t>(c.align), 27, 1, 1};
        b.form[113] = TFstSlot{784, 2400, 0, 1, 1, 1};
        PageContext& ctx = b.page();
        ctx.text(112, "Stempel/Siegel");
        const HSpan word = ctx.strikeWord(112, "Stempel/Siegel", c.word, 113);
        EXPECT_GT(word.length(), 0);
        const std::string w = c.word;
        if (w == "l") {
            // One fill character, centred on a letter narrower than itself.
            const auto struck = test::StruckWords(b.canvas, "Stempel/Siegel", {w}, c.fill, 100);
            EXPECT_EQ(struck.size(), 1u);
            continue;
        }
        EXPECT_EQ(test::StruckWords(b.canvas, "Stempel/Siegel", {"Stempel", "Siegel"}, c.fill),
                  std::vector<std::string>{w});
    }
    // A word that is not in the label strikes nothing.
    LayoutBench b;
    b.form[112] = TFstSlot{795, 2400, 0, 27, 1, 1};
    PageContext& ctx = b.page();
    EXPECT_EQ(ctx.strikeWord(112, "Stempel/Siegel", "Landessiegel", 112).length(), 0);
    EXPECT_TRUE(b.texts().empty());
}

TEST(SchoolYearLine, NotOnAPageWhereItsSlotIsNot)
{
    LayoutBench b;
    b.form[7] = TFstSlot{520, 560, 0, 11, 2, 1};
    PageContext& ctx = b.page(1);
    SchoolYearLine(ctx, TZgnRec{});
    EXPECT_TRUE(b.texts().empty());
}

TEST(FreeTextBlock, RuledLinesTextAndACutReported)
{
    LayoutBench b;
    b.form[66] = TFstSlot{130, 1000, 0, 11, 1, 1};
    b.form[67] = TFstSlot{2, 65, 0, 10, 1, 0};
    b.options.Streichungsart = 0;
    TZgnRec rec;
    rec.LEBText = "eins zwei drei vier";
    PageContext& ctx = b.page();
    FreeTextBlock(ctx, kLearningReportBlock, rec.LEBText.view());
    EXPECT_EQ(b.canvas.count(CanvasOpKind::LineTo), 2u);
    EXPECT_EQ(b.texts(), (std::vector<std::string>{"eins zwei ", "drei vier"}));
    EXPECT_TRUE(ctx.cuts().empty());

    rec.LEBText = "eins zwei drei vier sechs";
    PageContext& again = b.page();
    FreeTextBlock(again, kLearningReportBlock, rec.LEBText.view());
    EXPECT_EQ(again.cuts(), (std::vector<TextCutNotice>{{"Lernentwicklungsbericht", "sechs"}}));
}

TEST(FreeTextBlock, MoreThan24LinesGiveRuledLinesWithoutText)
{
    LayoutBench b;
    b.form[69] = TFstSlot{330, 1000, 0, 11, 1, 1};
    b.form[70] = TFstSlot{30, 65, 0, 200, 1, 0};
    b.options.OhneLinie = 0;
    TZgnRec rec;
    rec.Vermerke = "Text";
    PageContext& ctx = b.page();
    FreeTextBlock(ctx, kRemarksBlock, rec.Vermerke.view());
    EXPECT_TRUE(b.texts().empty());
    EXPECT_EQ(b.canvas.count(CanvasOpKind::LineTo), 25u);
}

TEST(PlaceAndDate, DateWithoutLeadingZeros)
{
    LayoutBench b;
    b.form[107] = TFstSlot{130, 2260, 0, 11, 1, 1};
    TZgnRec rec;
    rec.ZgnOrt = "Rostock";
    rec.ZgnDatum = "01.02.2008";
    PageContext& ctx = b.page();
    PlaceAndDate(ctx, rec);
    EXPECT_EQ(b.textOp("Rostock, 1.2.2008").x1, 130 + kOrigin);
}


TEST(FitText, NarrowsOnlyAsFarAsTheRoomNeeds)
{
    const std::string text = "Darstellendes Spiel und Theater"; // 31 characters
    LayoutBench probe;
    TFstSlot at{130, 1000, 0, 2, 1, 1};
    probe.page().text(at, "x");
    const FontSpec normal = probe.canvas.font();
    const int width = RecordingCanvas::approximateWidth(normal, 0, text);
    struct Case {
        int room;
        int maxNarrowing;
        bool smaller;
        int extra; // 1 = any narrowing with which the text fits
        bool smallerFont;
    };
    const Case cases[] = {
        {width + 40, 4, true, 0, false},      // fits: as it is, whatever the rules allow
        {width, 4, true, 0, false},           // fits exactly
        {width - 18, 4, true, -1, false},     // a little too wide: one less per character
        {width - 58, 4, true, -2, false},     // two less
        {width - 200, 4, true, 1, true},      // not even with 4 less: one font smaller, narrowed as needed
        {width - 200, 4, false, -4, false},   // no smaller font allowed: the most narrowing, runs over
        {width - 10, 0, true, 0, true},       // no narrowing allowed: the smaller font alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(width - c.room);
        LayoutBench b;
        PageContext& ctx = b.page();
        ctx.fitText(at, text, c.room, c.maxNarrowing, c.smaller);
        const CanvasOp op = b.textOp(text);
        EXPECT_EQ(op.font.cellHeight < normal.cellHeight, c.smallerFont);
        if (c.extra == 1) {
            EXPECT_GE(op.characterExtra, -c.maxNarrowing);
            EXPECT_LE(RecordingCanvas::approximateWidth(op.font, op.characterExtra, text), c.room);
            EXPECT_GT(RecordingCanvas::approximateWidth(op.font, op.characterExtra + 1, text), c.room);
        } else {
            EXPECT_EQ(op.characterExtra, c.extra);
        }
        EXPECT_EQ(b.canvas.characterExtra(), 0);
    }
}

} // namespace
