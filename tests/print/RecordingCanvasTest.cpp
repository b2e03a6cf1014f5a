#include "print/RecordingCanvas.h"

#include <array>

#include <gtest/gtest.h>

namespace ruvek {
namespace {

TEST(RecordingCanvas, RecordsOpsWithTheStateInForce)
{
    RecordingCanvas c;
    c.setMetricMapping();
    FontSpec f;
    f.face = "Times New Roman";
    f.cellHeight = 40;
    f.bold = true;
    c.setFont(f);
    c.setTextAlign(TextAlign::Right);
    c.textOut(100, -200, "Zeugnis");
    c.setPenWidth(2);
    c.setBrush(BrushStyle::LightGrey);
    c.rectangle(0, 0, 50, -60);
    c.moveTo(10, -10);
    c.lineTo(90, -10);

    EXPECT_TRUE(c.metricMappingSet());
    const auto draws = c.drawOps();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].kind, CanvasOpKind::TextOut);
    EXPECT_EQ(draws[0].text, "Zeugnis");
    EXPECT_EQ(draws[0].x1, 100);
    EXPECT_EQ(draws[0].y1, -200);
    EXPECT_EQ(draws[0].font, f);
    EXPECT_EQ(draws[0].align, TextAlign::Right);
    EXPECT_EQ(draws[1].kind, CanvasOpKind::Rectangle);
    EXPECT_EQ(draws[1].penWidth, 2);
    EXPECT_EQ(draws[1].brush, BrushStyle::LightGrey);
    EXPECT_EQ(draws[2].kind, CanvasOpKind::LineTo);
    EXPECT_EQ((std::array{draws[2].x1, draws[2].y1, draws[2].x2, draws[2].y2}),
              (std::array{10, -10, 90, -10}));
    EXPECT_EQ(c.texts(), std::vector<std::string>{"Zeugnis"});
    EXPECT_EQ(c.count(CanvasOpKind::SetFont), 1u);
}

TEST(RecordingCanvas, TextWidthIsPerCharacterShareOfTheCellPlusSpacing)
{
    RecordingCanvas c;
    FontSpec f;
    f.face = "Courier New";
    f.cellHeight = 40;
    c.setFont(f);
    EXPECT_EQ(c.textWidth("Übung"), 106); // 5 characters × 40 × 0.53, umlaut counts once
    c.setCharacterExtra(-2);
    EXPECT_EQ(c.textWidth("Übung"), 96);
    f.face = "Arial";
    c.setFont(f);
    EXPECT_EQ(c.textWidth(""), 0);
    EXPECT_EQ(c.textWidth("ab"), 32); // 2 × 18 − 4
}

TEST(RecordingCanvas, PictureSucceedsOnlyForAnExistingFile)
{
    RecordingCanvas c;
    EXPECT_FALSE(c.stretchPicture("/nonexistent/13F.BMP", 0, 0, 10, -10));
    ASSERT_EQ(c.count(CanvasOpKind::StretchPicture), 1u);
    EXPECT_FALSE(c.ops().back().pictureLoaded);
}

} // namespace
} // namespace ruvek
