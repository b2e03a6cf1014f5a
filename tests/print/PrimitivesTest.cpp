#include "print/Primitives.h"

#include "TempFolder.h"
#include "print/PrintFonts.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

// A printer whose printable area starts 100 px (4.2 mm) right and 50 px
// (2.1 mm) down at 600 dpi: page origin (150, 150) -> offset (108, 129).
DeviceCaps printerCaps()
{
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 600;
    caps.physicalOffsetX = 100;
    caps.physicalOffsetY = 50;
    return caps;
}

class Primitives : public ::testing::Test {
protected:
    RecordingCanvas canvas{printerCaps()};
    TPageOrigins origins = TPageOrigins::fromMargins(150, 150);
    TDrkEinstRec options;
    void SetUp() override { DrkEinstDefaults(options); }
};

TEST_F(Primitives, TextAtSlotBottomOfCellOnTheSlotPosition)
{
    struct Case {
        std::uint16_t align;
        TextAlign expected;
    };
    for (const Case c : {Case{0, TextAlign::Left}, Case{5, TextAlign::Left}, Case{1, TextAlign::Center},
                         Case{2, TextAlign::Right}}) {
        canvas.clearOps();
        TextAtSlot(canvas, "Zeugnis", TFstSlot{900, 200, c.align, 12, 1, 1}, origins, 1, options);
        const auto texts = canvas.ops(CanvasOpKind::TextOut);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].x1, 900 + 108);
        EXPECT_EQ(texts[0].y1, -(200 + 129));
        EXPECT_EQ(texts[0].align, c.expected) << c.align;
        EXPECT_EQ(texts[0].font, PrintFontSpec(12, false));
    }
}

TEST_F(Primitives, ElementsOnlyOnTheirPageAndWhenVisible)
{
    struct Case {
        std::uint16_t page, visible;
        int drawnOn;
        bool drawn;
    };
    const Case cases[] = {{1, 1, 1, true}, {2, 1, 1, false}, {2, 1, 2, true}, {1, 0, 1, false},
                          {1, 2, 1, false}, {3, 1, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " visible " << c.visible << " on " << c.drawnOn);
        RecordingCanvas rc{printerCaps()};
        const TFstSlot slot{100, 100, 0, 22, c.page, c.visible};
        TextAtSlot(rc, "a", slot, origins, c.drawnOn, options);
        LinesAtSlot(rc, 1, 50, {"b"}, slot, c.drawnOn, origins, options);
        RotatedTextAtSlot(rc, "c", slot, origins, c.drawnOn, 270, options);
        EXPECT_EQ(rc.count(CanvasOpKind::TextOut), c.drawn ? 3u : 0u);
        // TextAtSlot selects the slot's font even when it draws nothing.
        EXPECT_EQ(rc.font(), PrintFontSpec(22, false));
    }
}

TEST_F(Primitives, SlotFontFollowsTheCorrectionOption)
{
    options.KyoceraKorrektur = 1;
    SetPrintFont(canvas, TFstSlot{0, 0, 0, 11, 1, 1}, options);
    EXPECT_EQ(canvas.font().cellHeight, 35);
    SetPrintFont(canvas, TFstSlot{0, 0, 0, 0, 1, 1}, options);
    EXPECT_EQ(canvas.font().face, "Arial");
    EXPECT_EQ(canvas.font().cellHeight, 41);
}

TEST_F(Primitives, PageTwoUsesItsOwnOrigin)
{
    origins.origin[1] = {150, 1635};
    TextAtSlot(canvas, "x", TFstSlot{10, 20, 0, 1, 2, 1}, origins, 2, options);
    const auto t = canvas.ops(CanvasOpKind::TextOut);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].x1, 10 + 108);
    EXPECT_EQ(t[0].y1, -(20 + 1635 - 21));
}

TEST_F(Primitives, LinesBelowEachOtherUpTo25)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i)
        lines.push_back("Zeile " + std::to_string(i));
    const TFstSlot slot{200, 1000, 2, 13, 1, 1};

    LinesAtSlot(canvas, 3, 45, lines, slot, 1, origins, options);
    auto t = canvas.ops(CanvasOpKind::TextOut);
    ASSERT_EQ(t.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i].text, lines[i]);
        EXPECT_EQ(t[i].x1, 308);
        EXPECT_EQ(t[i].y1, -(1000 + 129) - 45 * i);
        EXPECT_EQ(t[i].align, TextAlign::Right);
        EXPECT_EQ(t[i].font, PrintFontSpec(13, false));
    }

    canvas.clearOps();
    LinesAtSlot(canvas, 30, 45, lines, slot, 1, origins, options);
    EXPECT_EQ(canvas.count(CanvasOpKind::TextOut), 25u);
    canvas.clearOps();
    LinesAtSlot(canvas, 5, 45, {"nur eine"}, slot, 1, origins, options);
    EXPECT_EQ(canvas.count(CanvasOpKind::TextOut), 1u);
    canvas.clearOps();
    LinesAtSlot(canvas, 0, 45, lines, slot, 1, origins, options);
    EXPECT_EQ(canvas.count(CanvasOpKind::TextOut), 0u);
}

struct BoxCase {
    int type;
    int pen;
    BrushStyle fill;
    bool inner;
};

TEST_F(Primitives, BoxTypes)
{
    const BoxCase cases[] = {
        {0, 0, BrushStyle::Clear, false},      {1, 1, BrushStyle::Clear, false},
        {2, 2, BrushStyle::Clear, false},      {3, 3, BrushStyle::Clear, false},
        {7, 1, BrushStyle::Clear, false},      {10, 0, BrushStyle::Clear, false},
        {11, 1, BrushStyle::Clear, true},      {12, 2, BrushStyle::Clear, true},
        {13, 3, BrushStyle::Clear, true},      {19, 1, BrushStyle::Clear, true},
        {20, 0, BrushStyle::LightGrey, false}, {22, 2, BrushStyle::LightGrey, false},
        {25, 1, BrushStyle::LightGrey, false}, {65535, 1, BrushStyle::LightGrey, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        RecordingCanvas rc{printerCaps()};
        DrawBox(rc, 0, 0, 1800, 2600, 108, 129, c.type);
        const auto rects = rc.ops(CanvasOpKind::Rectangle);
        ASSERT_EQ(rects.size(), c.inner ? 2u : 1u);
        EXPECT_EQ(rects[0].penWidth, c.pen);
        EXPECT_EQ(rects[0].brush, c.fill);
        EXPECT_EQ(std::tie(rects[0].x1, rects[0].y1, rects[0].x2, rects[0].y2),
                  std::make_tuple(108, -129, 1908, -2729));
        if (c.inner) {
            EXPECT_EQ(std::tie(rects[1].x1, rects[1].y1, rects[1].x2, rects[1].y2),
                      std::make_tuple(118, -139, 1898, -2719));
            EXPECT_EQ(rects[1].penWidth, c.pen);
        }
        EXPECT_EQ(rc.brush(), BrushStyle::Clear);
    }
}

TEST_F(Primitives, HorizontalLineTypes)
{
    for (const auto& [type, pen] : {std::pair{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 1}}) {
        RecordingCanvas rc;
        DrawHLine(rc, 100, 500, 700, 108, 129, type);
        const auto lines = rc.ops(CanvasOpKind::LineTo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(std::tie(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2),
                  std::make_tuple(208, -829, 609, -829));
        EXPECT_EQ(lines[0].penWidth, pen) << type;
    }
}

TEST_F(Primitives, FrameOnItsPagesWithMitRahmen)
{
    TFstTable table{};
    table[1] = {0, 0, 0, 12, 3, 0}; // Visible of the frame slots does not matter
    table[2] = {1800, 2600, 0, 0, 0, 0};
    struct Case {
        std::uint16_t framePage;
        int page;
        int mitRahmen;
        std::size_t rectangles;
    };
    const Case cases[] = {{3, 1, 1, 2}, {3, 2, 1, 2}, {1, 1, 1, 2}, {1, 2, 1, 0},
                          {2, 2, 1, 2}, {2, 1, 1, 0}, {3, 1, 0, 0}, {0, 1, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "frame page " << c.framePage << " page " << c.page << " MitRahmen "
                                        << c.mitRahmen);
        table[1].Page = c.framePage;
        options.MitRahmen = static_cast<std::int16_t>(c.mitRahmen);
        RecordingCanvas rc{printerCaps()};
        rc.setBrush(BrushStyle::White);
        DrawPageFrame(rc, table, c.page, origins, options);
        const auto rects = rc.ops(CanvasOpKind::Rectangle);
        ASSERT_EQ(rects.size(), c.rectangles);
        if (!rects.empty()) {
            EXPECT_EQ(rects[0].penWidth, 2);
            EXPECT_EQ(std::tie(rects[0].x1, rects[0].y1), std::make_tuple(108, -129));
        }
        const bool framePage = c.framePage == 3 || c.framePage == c.page;
        EXPECT_EQ(rc.brush(), framePage ? BrushStyle::Clear : BrushStyle::White);
    }
}

TEST_F(Primitives, CornerMarkStrokes)
{
    DrawCornerMark(canvas, 1, origins, 100);
    const auto lines = canvas.ops(CanvasOpKind::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::tie(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), std::make_tuple(208, -129, 258, -129));
    EXPECT_EQ(std::tie(lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2), std::make_tuple(208, -129, 208, -179));
}

TEST_F(Primitives, RotatedTextSmallTurnedAndFontRestored)
{
    const TFstSlot slot{1800, 2650, 0, 29, 1, 1};
    RotatedTextAtSlot(canvas, "Fußzeile", slot, origins, 1, 270, options);
    const auto t = canvas.ops(CanvasOpKind::TextOut);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].font.face, "Arial");
    EXPECT_EQ(t[0].font.cellHeight, 18);
    EXPECT_EQ(t[0].font.escapement, 2700);
    EXPECT_FALSE(t[0].font.bold);
    EXPECT_EQ(std::tie(t[0].x1, t[0].y1), std::make_tuple(1908, -2779));
    EXPECT_EQ(canvas.font(), PrintFontSpec(29, false));

    canvas.clearOps();
    RotatedTextAtSlot(canvas, "", slot, origins, 1, 270, options);
    EXPECT_EQ(canvas.count(CanvasOpKind::TextOut), 0u);
}

TEST_F(Primitives, PictureStretchedBelowTheSlotAndMissingFileIgnored)
{
    test::TempFolder tmp;
    test::writeText(tmp.root() / "13f.bmp", "BM");
    const TFstSlot slot{1400, 100, 0, 0, 1, 1};
    PictureAtSlot(canvas, tmp.root() / "13F.BMP", slot, origins, 1, 300, 350);
    const auto pics = canvas.ops(CanvasOpKind::StretchPicture);
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_EQ(pics[0].file, tmp.root() / "13f.bmp");
    EXPECT_EQ(std::tie(pics[0].x1, pics[0].y1, pics[0].x2, pics[0].y2), std::make_tuple(1508, -229, 1808, -579));

    canvas.clearOps();
    PictureAtSlot(canvas, tmp.root() / "13S.BMP", slot, origins, 1, 300, 350);
    PictureAtSlot(canvas, tmp.root() / "13f.bmp", TFstSlot{1400, 100, 0, 0, 2, 1}, origins, 1, 300, 350);
    EXPECT_TRUE(canvas.ops().empty());
}

} // namespace
} // namespace ruvek
