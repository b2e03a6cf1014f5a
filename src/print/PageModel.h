#pragma once
// Page coordinates of the printed pages.
//
// Positions are whole numbers in 0.1 mm, stored with y counting downwards
// from the page origin. The canvas has y pointing up, so a stored position
// (x, y) is drawn at (x + offX, -(y + offY)), where (offX, offY) is the
// device offset of the page: the page origin on the paper minus the part of
// the paper the printer cannot reach.
#include "print/Canvas.h"

#include <array>
#include <cstdint>

namespace ruvek {

struct PagePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PagePoint&) const = default;
};

// The origins of page 1 and page 2 of a certificate, in 0.1 mm from the
// top-left corner of the paper.
struct TPageOrigins {
    std::array<PagePoint, 2> origin{};

    // Both pages at the print option margins (RandLinks, RandOben).
    static TPageOrigins fromMargins(int randLinks, int randOben)
    {
        TPageOrigins o;
        o.origin[0] = o.origin[1] = PagePoint{randLinks, randOben};
        return o;
    }
    // Page 2 has its own origin; every other page number uses page 1's.
    const PagePoint& forPage(int page) const { return origin[page == 2 ? 1 : 0]; }
    bool operator==(const TPageOrigins&) const = default;
};

struct DeviceOffsetXY {
    int offX = 0;
    int offY = 0;
    bool operator==(const DeviceOffsetXY&) const = default;
};

// pixels * 254 / dpi rounded to the nearest whole 0.1 mm, halves to even.
int PixelsToTenthMm(int pixels, int dpi);

// Page origin minus the printer's physical page offset. The offsets come
// from the printer also when the page is drawn on the preview surface.
DeviceOffsetXY DeviceOffset(const PagePoint& origin, const DeviceCaps& printer);

} // namespace ruvek
