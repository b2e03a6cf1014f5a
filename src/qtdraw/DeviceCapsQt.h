#pragma once
// Device capabilities of Qt's paged devices in the terms of the page canvas.
#include "print/Canvas.h"

class QPageLayout;
class QPrinter;

namespace ruvek {

// Colour count reported for colour devices (more than two: colour pictures).
inline constexpr int kTrueColorCount = 1 << 24;

// Resolution, paper size and the printable area's corner of a page layout
// rendered at dpi.
DeviceCaps deviceCapsOf(const QPageLayout& layout, int dpi, int colors);
// The printer's own view: its resolution, paper and printable area.
DeviceCaps deviceCapsOf(const QPrinter& printer);

} // namespace ruvek
