// Grade cells, religion rows and special rows of the subject tables.
#include "LayoutTestSupport.h"

#include "common/Cp1252.h"
#include "layouts/LayoutGrundschule.h"
#include "print/PrintFonts.h"

#include <gtest/gtest.h>

using namespace ruvek;
using ruvek::test::kOrigin;
using ruvek::test::LayoutBench;

namespace {

// The table slots of the primary-school form, on page 1.
void tableSlots(LayoutBench& b)
{
    b.form[32] = TFstSlot{150, 430, 0, 17, 1, 1};
    b.form[33] = TFstSlot{0, 0, 0, 1, 1, 0};
    b.form[34] = TFstSlot{1200, 0, 1, 2, 1, 1};
    b.form[35] = TFstSlot{1380, 0, 0, 11, 1, 1};
    b.form[37] = TFstSlot{0, 0, 0, 15, 1, 0};
    b.form[40] = TFstSlot{0, 100, 0, 0, 1, 0};
}

TZgnRec primaryRecord(std::string_view row4Cp1252)
{
    TZgnRec rec;
    for (int k = 1; k <= 25; ++k) {
        rec.slot(k).Fach = "???";
        rec.slot(k).Note = "-";
    }
    rec.slot(4).Fach = row4Cp1252;
    return rec;
}

TEST(SubjectTable, GradeNarrowingAndSmallerFont)
{
    struct Case {
        const char* note;
        bool inWords;
        const char* text;
        int extra;
        int font;
    };
    const Case cases[] = {
        {"2", false, "2", 0, 2},
        {"2", true, "gut", 0, 2},
        {"e", false, "nicht erteilt", 0, 2},             // 13 characters
        // Wider than the 30 mm box: narrowed only as far as needed, one font
        // smaller only when narrowing by 4 is not enough.
        {"0", false, "nicht beurteilbar", -4, 2},              // 17: 36.0 mm, narrowed 29.2 mm
        {"n", true, "nicht teilgenommen", -2, SmallerFont(2)}, // 18: 38.2 mm, 31.0 mm narrowed by 4
    };
    for (const Case& c : cases) {
        LayoutBench b;
        tableSlots(b);
        TZgnRec rec = primaryRecord("???");
        rec.slot(1).Note = c.note;
        PageContext& ctx = b.page();
        SubjectTableGrundschule(ctx, rec, c.inWords);
        const CanvasOp op = b.textOp(c.text);
        EXPECT_EQ(op.characterExtra, c.extra) << c.text;
        EXPECT_EQ(op.font, PrintFontSpec(c.font, false)) << c.text;
        EXPECT_EQ(op.x1, 150 + 1200 + kOrigin);
    }
}

TEST(SubjectTable, GreyBoxForEveryRowEvenWhenTheGradeSlotIsHidden)
{
    LayoutBench b;
    tableSlots(b);
    b.form[34].Visible = 0;
    PageContext& ctx = b.page();
    SubjectTableGrundschule(ctx, primaryRecord("???"), false);
    const auto boxes = b.canvas.ops(CanvasOpKind::Rectangle);
    ASSERT_EQ(boxes.size(), 9u);
    // Row 1: 30 mm wide around the grade centre, three quarters of a row high.
    EXPECT_EQ(boxes[0].x1, 1350 - 150 + kOrigin);
    EXPECT_EQ(boxes[0].y1, -(430 - 75 + kOrigin));
    EXPECT_EQ(boxes[0].x2, 1350 + 150 + kOrigin);
    EXPECT_EQ(boxes[0].y2, -(430 + kOrigin));
    EXPECT_EQ(boxes[0].brush, BrushStyle::LightGrey);
    EXPECT_EQ(b.textOp("---").kind, CanvasOpKind::SetMetricMapping); // no grade text at all
}

struct ReligionCase {
    int option;
    const char* subject; // UTF-8
    std::vector<std::string> labels; // texts drawn at the row's name position
    std::vector<std::string> upperStruck, lowerStruck;
};

TEST(ReligionRow, LongLabelsByOptionAndSubject)
{
    const std::string upper = "evangelische / katholische Religion /";
    const std::string lower = "Philosophieren mit Kindern";
    const std::vector<std::string> none;
    const std::vector<ReligionCase> cases = {
        {0, "evangelische Religion", {upper, lower}, {"katholische"}, {lower}},
        {0, "katholische Religion", {upper, lower}, {"evangelische"}, {lower}},
        {0, "Philosophieren mit Kindern", {upper, lower}, {"evangelische / katholische Religion"}, none},
        {0, "Mathematik", {upper, lower}, none, none},
        {1, "  - - -", {upper, lower}, none, none},
        {1, "evangelische Religion", {"evangelische Religion"}, none, none},
        {2, "katholische Religion", {"katholische Religion"}, none, none},
        {2, "???", {upper, lower}, none, none},
    };
    const std::vector<std::string> words = {"evangelische", "katholische", "evangelische / katholische Religion", lower};
    for (const ReligionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.option) + " " + c.subject);
        LayoutBench b;
        b.canvas.setWidthModel(test::ProportionalWidth);
        tableSlots(b);
        b.options.ReligionOption = static_cast<std::int16_t>(c.option);
        PageContext& ctx = b.page();
        SubjectTableGrundschule(ctx, primaryRecord(utf8ToCp1252(c.subject)), false);
        std::vector<std::string> row4;
        for (const CanvasOp& op : b.canvas.ops(CanvasOpKind::TextOut))
            if (op.y1 >= -(430 + 3 * 100 + 10 + kOrigin) && op.y1 <= -(430 + 3 * 100 - 30 + kOrigin) &&
                op.x1 == 150 + kOrigin && !test::IsFillRun(op.text, "#"))
                row4.push_back(op.text);
        EXPECT_EQ(row4, c.labels);
        if (c.labels.size() == 2) {
            EXPECT_EQ(test::StruckWords(b.canvas, upper, words), c.upperStruck);
            EXPECT_EQ(test::StruckWords(b.canvas, lower, words), c.lowerStruck);
        }
    }
}

TEST(SubjectTable, ReligionSubjectInAnotherRowAndForeignLanguageCaption)
{
    LayoutBench b;
    tableSlots(b);
    TZgnRec rec = primaryRecord("Mathematik");
    rec.slot(6).Fach = "evangelische Religion";
    rec.slot(9).Fach = "???";
    PageContext& ctx = b.page();
    SubjectTableGrundschule(ctx, rec, false);
    const auto texts = b.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Philosophieren mit Kindern"), 2);
    // Row 9 with a placeholder is still the foreign-language row: "???" as
    // the language, its caption 3 mm below.
    const CanvasOp caption = b.textOp("Fremdsprache");
    EXPECT_EQ(caption.y1, -(430 + 800 + 30 + kOrigin));
    EXPECT_EQ(b.textOp("???").y1, -(430 + 800 + kOrigin));
}

TEST(SubjectTable, TwoLineLabelNeverForAnEmptyName)
{
    const TFachKatalog kat = defaultFachKatalog();
    EXPECT_TRUE(IsTwoLineSubject(kat, "Arbeit-Wirtschaft-Technik u. Informatik"));
    EXPECT_TRUE(IsTwoLineSubject(kat, "Arbeit-Wirtschaft-Technik"));
    EXPECT_FALSE(IsTwoLineSubject(kat, ""));
    EXPECT_FALSE(IsTwoLineSubject(kat, "Arbeit-Wirtschaft-Technik u. Informatik und mehr"));
}

TEST(ElectiveBlock, PlaceholderNameAndOverallGrade)
{
    LayoutBench b;
    tableSlots(b);
    b.form[48] = TFstSlot{150, 1500, 0, 17, 1, 1};
    b.form[49] = TFstSlot{1200, 0, 1, 2, 1, 1};
    b.form[52] = TFstSlot{1200, 0, 1, 2, 1, 1};
    b.form[54] = TFstSlot{0, 100, 0, 0, 1, 0};
    b.form[56] = TFstSlot{1350, 1900, 1, 2, 1, 1};
    TZgnRec rec = primaryRecord("???");
    rec.slot(25).Note = "2";
    PageContext& ctx = b.page();
    ElectiveBlock(ctx, rec, 2, true);
    const auto texts = b.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "  - - -"), 4);
    EXPECT_EQ(b.textOp("1. Halbjahr").y1, -(1530 + kOrigin));
    EXPECT_EQ(b.textOp("gut").x1, 1350 + kOrigin);
    EXPECT_EQ(b.canvas.count(CanvasOpKind::Rectangle), 1u);
}

} // namespace
