#pragma once
// Finding what was drawn in a rendered page image.
#include <QImage>
#include <QRect>

#include <algorithm>
#include <climits>

namespace ruvek::test {

// Bounding box of all pixels darker than threshold (0..255 grey) inside
// region; an empty rect when nothing is there.
inline QRect inkBox(const QImage& image, QRect region = {}, int threshold = 128)
{
    if (region.isNull())
        region = image.rect();
    region &= image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Pixels per logical unit (0.1 mm) at dpi.
inline double pxPerUnit(double dpi) { return dpi / 254.0; }

} // namespace ruvek::test
