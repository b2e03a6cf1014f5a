#include "print/PageModel.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

struct OffsetCase {
    int pixels;
    int dpi;
    int tenthMm;
};

TEST(DeviceOffset, PixelsToTenthMillimetresRoundHalvesToEven)
{
    const OffsetCase cases[] = {
        {100, 600, 42},  // 42.33
        {167, 1200, 35}, // 35.35
        {0, 600, 0},
        {300, 600, 127}, // exactly 127
        {1, 508, 0},     // 0.5 -> 0 (even)
        {3, 508, 2},     // 1.5 -> 2 (even)
        {5, 508, 2},     // 2.5 -> 2 (even)
        {7, 508, 4},     // 3.5 -> 4
        {-5, 508, -2},
        {50, 0, 0},      // no resolution: no offset
    };
    for (const auto& c : cases)
        EXPECT_EQ(PixelsToTenthMm(c.pixels, c.dpi), c.tenthMm) << c.pixels << " px at " << c.dpi;
}

TEST(DeviceOffset, OriginMinusPhysicalOffset)
{
    DeviceCaps printer;
    printer.dpiX = 600;
    printer.dpiY = 300;
    printer.physicalOffsetX = 100;
    printer.physicalOffsetY = 100;
    EXPECT_EQ(DeviceOffset({150, 150}, printer), (DeviceOffsetXY{108, 65}));

    const TPageOrigins origins = TPageOrigins::fromMargins(150, 1635);
    EXPECT_EQ(origins.forPage(1), (PagePoint{150, 1635}));
    EXPECT_EQ(origins.forPage(2), (PagePoint{150, 1635}));
}

TEST(PageOrigins, PageTwoHasItsOwnOrigin)
{
    TPageOrigins o;
    o.origin[0] = {10, 20};
    o.origin[1] = {30, 40};
    EXPECT_EQ(o.forPage(1), (PagePoint{10, 20}));
    EXPECT_EQ(o.forPage(2), (PagePoint{30, 40}));
    EXPECT_EQ(o.forPage(0), (PagePoint{10, 20}));
}

} // namespace
} // namespace ruvek
