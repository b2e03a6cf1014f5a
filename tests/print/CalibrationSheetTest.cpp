// The calibration sheet: the crosses stand 20 mm from the corners when the
// margins are as the forms expect, follow the margins otherwise (so that a
// corrected margin shows on the next sheet), and the correction of the
// margins by the measured deviations.
#include "print/CalibrationSheet.h"
#include "print/PageModel.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace ruvek;

namespace {

// Centres of the crosses: points where a horizontal and a vertical stroke
// of 20 mm cross at their middles (canvas units, y up).
std::set<std::pair<int, int>> crossCentres(const RecordingCanvas& canvas)
{
    std::set<std::pair<int, int>> horizontal, vertical, centres;
    for (const CanvasOp& op : canvas.ops(CanvasOpKind::LineTo)) {
        if (op.y1 == op.y2 && op.x2 - op.x1 == 201)
            horizontal.insert({op.x1 + 100, op.y1});
        if (op.x1 == op.x2 && op.y1 - op.y2 == 201)
            vertical.insert({op.x1, op.y1 - 100});
    }
    for (const auto& h : horizontal)
        if (vertical.count(h))
            centres.insert(h);
    return centres;
}

TEST(CalibrationSheet, CrossesTwentyMillimetresFromEveryCorner)
{
    const struct {
        int randLinks, randOben, physX, physY; // margins (0.1 mm), printer offset (pixels at 600 dpi)
        int shiftX, shiftY;                    // expected shift of the crosses on the paper (0.1 mm)
    } cases[] = {
        {150, 150, 0, 0, 0, 0},
        {150, 150, 100, 50, 0, 0},    // the printer's unprintable margin is taken into account
        {135, 158, 0, 0, -15, 8},     // corrected margins move the sheet as they move a certificate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.randLinks) + "/" + std::to_string(c.randOben));
        RecordingCanvas canvas;
        DeviceCaps caps;
        caps.physicalOffsetX = c.physX;
        caps.physicalOffsetY = c.physY;
        canvas.setDeviceCaps(caps);
        canvas.setMetricMapping();
        TDrkEinstRec options;
        options.RandLinks = static_cast<std::int16_t>(c.randLinks);
        options.RandOben = static_cast<std::int16_t>(c.randOben);
        DrawCalibrationSheet(canvas, options);
        // Canvas x = paper x - printable-area offset; canvas y = -(paper y - offset).
        const int offX = PixelsToTenthMm(c.physX, 600), offY = PixelsToTenthMm(c.physY, 600);
        std::set<std::pair<int, int>> expected;
        for (const int x : {200, 1900})
            for (const int y : {200, 2770})
                expected.insert({x + c.shiftX - offX, -(y + c.shiftY - offY)});
        EXPECT_EQ(crossCentres(canvas), expected);
        bool heading = false;
        for (const std::string& t : canvas.texts())
            heading = heading || t == "Kalibrierblatt";
        EXPECT_TRUE(heading);
    }
}

TEST(CalibrationSheet, MeasuredDeviationsCorrectTheMargins)
{
    const CalibratedMarginsResult r = CalibratedMargins(150, 150, 15, -8);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.randLinks, 135);
    EXPECT_EQ(r.randOben, 158);
    EXPECT_NE(CalibratedMargins(150, 150, 151, 0).error, "") << "a margin below 0";
    EXPECT_NE(CalibratedMargins(150, 150, 0, -900).error, "") << "a margin above 100 mm";
    EXPECT_EQ(CalibratedMargins(0, 1000, 0, 0).error, "");
}

} // namespace
