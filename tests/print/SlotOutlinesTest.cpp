// The outlines of the slots of a form, found by drawing: a small page drawn
// with the print primitives as the layouts draw (a name, a table whose rows
// stand at an origin slot with a grade column at a distance slot and a row
// spacing slot, a turned footer, the page frame, a slot switched off).
#include "print/SlotOutlines.h"

#include "print/Primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ruvek {
namespace {

constexpr int kLeft = 100, kTop = 150; // the page origin on the paper (the margins)

TFstTable sampleSlots()
{
    TFstTable t{};
    t[1] = {0, 0, 0, 1, 3, 1};        // frame top left, box type 1, both pages
    t[2] = {1900, 2700, 0, 0, 3, 1};  // frame bottom right
    t[6] = {50, 2500, 0, 5, 1, 1};    // turned footer
    t[16] = {400, 600, 0, 12, 1, 1};  // name
    t[20] = {400, 700, 0, 12, 1, 0};  // switched off
    t[32] = {200, 1000, 0, 8, 1, 1};  // table: first row
    t[34] = {900, 0, 0, 8, 1, 1};     // grade column: distance from slot 32
    t[40] = {0, 60, 0, 0, 1, 1};      // row spacing
    return t;
}

void drawSample(Canvas& c, const TFstTable& t)
{
    c.setMetricMapping();
    const TPageOrigins origins = TPageOrigins::fromMargins(kLeft, kTop);
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    options.MitRahmen = 1;
    DrawPageFrame(c, t, 1, origins, options);
    TextAtSlot(c, "Lena Sommer", t[16], origins, 1, options);
    TextAtSlot(c, "nicht zu sehen", t[20], origins, 1, options);
    const char* subjects[] = {"Deutsch", "Mathematik", "Englisch"};
    for (int r = 0; r < 3; ++r) {
        TFstSlot name = t[32];
        name.Y = static_cast<std::uint16_t>(name.Y + r * t[40].Y);
        TextAtSlot(c, subjects[r], name, origins, 1, options);
        TFstSlot grade = name;
        grade.X = static_cast<std::uint16_t>(t[32].X + t[34].X);
        TextAtSlot(c, "gut", grade, origins, 1, options);
    }
    RotatedTextAtSlot(c, "Fußzeile", t[6], origins, 1, 90, options);
}

std::vector<SlotOutline> measure(const TFstTable& slots)
{
    RecordingCanvas canvas;
    return MeasureSlotOutlines(canvas, slots, SlotFamily::Certificate, drawSample);
}

std::optional<SlotOutline> outlineOf(const std::vector<SlotOutline>& all, int slot)
{
    for (const SlotOutline& o : all)
        if (o.slot == slot)
            return o;
    return std::nullopt;
}

// The text op of a drawing, as recorded.
CanvasOp textOp(const TFstTable& slots, const std::string& text)
{
    RecordingCanvas canvas;
    drawSample(canvas, slots);
    for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
        if (op.text == text)
            return op;
    ADD_FAILURE() << text;
    return {};
}

TEST(SlotOutlines, ATextSlotIsOutlinedByTheBoxOfItsTextForEveryAlignment)
{
    for (const std::uint16_t align : {0, 1, 2}) {
        SCOPED_TRACE(align);
        TFstTable slots = sampleSlots();
        slots[16].Align = align;
        const CanvasOp op = textOp(slots, "Lena Sommer");
        const int width = RecordingCanvas::approximateWidth(op.font, 0, "Lena Sommer");
        const double start = kLeft + 400 - (align == 1 ? width / 2.0 : align == 2 ? width : 0);
        const PaperBox expected{static_cast<int>(std::floor(start)), kTop + 600 - op.font.cellHeight,
                                static_cast<int>(std::ceil(start + width)), kTop + 600};
        const auto name = outlineOf(measure(slots), 16);
        ASSERT_TRUE(name);
        EXPECT_EQ(name->box, expected);
        EXPECT_EQ(name->parts, std::vector<PaperBox>{expected});
    }
}

TEST(SlotOutlines, OutlinesGoWithTheirSlots)
{
    TFstTable slots = sampleSlots();
    const auto before = measure(slots);
    slots[16].X += 50;
    slots[16].Y -= 20;
    slots[32].Y += 33;
    const auto after = measure(slots);
    const PaperBox name = outlineOf(before, 16)->box, table = outlineOf(before, 32)->box;
    EXPECT_EQ(outlineOf(after, 16)->box, (PaperBox{name.left + 50, name.top - 20, name.right + 50, name.bottom - 20}));
    EXPECT_EQ(outlineOf(after, 32)->box, (PaperBox{table.left, table.top + 33, table.right, table.bottom + 33}));
    EXPECT_EQ(outlineOf(after, 6)->box, outlineOf(before, 6)->box);
}

TEST(SlotOutlines, ATableOriginHoldsItsColumnsAndNumbersDrawNothingThemselves)
{
    const auto all = measure(sampleSlots());
    const auto table = outlineOf(all, 32), grades = outlineOf(all, 34);
    ASSERT_TRUE(table && grades);
    EXPECT_EQ(table->parts.size(), 6u) << "three subjects and three grades";
    EXPECT_EQ(grades->parts.size(), 3u) << "the grade column only";
    for (const PaperBox& part : grades->parts)
        EXPECT_NE(std::find(table->parts.begin(), table->parts.end(), part), table->parts.end());
    EXPECT_GE(grades->box.left, kLeft + 200 + 900);
    // The row spacing changes the drawing but places nothing of its own; a
    // slot switched off draws nothing.
    EXPECT_FALSE(outlineOf(all, 40));
    EXPECT_FALSE(outlineOf(all, 20));
    // Every slot outlined is one whose numbers place something.
    for (const SlotOutline& o : all)
        EXPECT_TRUE(SlotPlacesElements(o.slot, SlotFamily::Certificate)) << o.slot;
}

TEST(SlotOutlines, TurnedTextAndFrame)
{
    const TFstTable slots = sampleSlots();
    const auto all = measure(slots);
    // Turned by 90 degrees the text runs upwards from its anchor, its cell to the left.
    const CanvasOp op = textOp(slots, "Fußzeile");
    const int width = RecordingCanvas::approximateWidth(op.font, 0, "Fußzeile");
    const auto footer = outlineOf(all, 6);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->box, (PaperBox{kLeft + 50 - op.font.cellHeight, kTop + 2500 - width, kLeft + 50, kTop + 2500}));
    // The frame is hit on its sides, not inside.
    const auto frame = outlineOf(all, 1);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->parts.size(), 4u);
    EXPECT_TRUE(frame->box.contains(kLeft + 1000, kTop + 1500));
    for (const PaperBox& side : frame->parts)
        EXPECT_FALSE(side.contains(kLeft + 1000, kTop + 1500));
}

} // namespace
} // namespace ruvek
