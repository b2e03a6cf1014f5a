#include "print/PageModel.h"

#include <cstdlib>

namespace ruvek {

int PixelsToTenthMm(int pixels, int dpi)
{
    if (dpi <= 0)
        return 0; // a device without a resolution has no measurable offset
    const long long num = static_cast<long long>(pixels) * 254;
    const long long mag = std::llabs(num);
    long long q = mag / dpi;
    const long long twiceRest = (mag % dpi) * 2;
    if (twiceRest > dpi || (twiceRest == dpi && (q % 2) == 1))
        ++q;
    return static_cast<int>(num < 0 ? -q : q);
}

DeviceOffsetXY DeviceOffset(const PagePoint& origin, const DeviceCaps& printer)
{
    return {origin.x - PixelsToTenthMm(printer.physicalOffsetX, printer.dpiX),
            origin.y - PixelsToTenthMm(printer.physicalOffsetY, printer.dpiY)};
}

} // namespace ruvek
