#pragma once
// A page painted into an image, with the same canvas as printer and PDF:
// for previews, the command-line tool and tests.
#include "print/Canvas.h"

#include <QImage>

#include <functional>

namespace ruvek {

// Paints a whole sheet of paper of the device described by caps at dpi
// image pixels per inch: white paper, the canvas origin at the corner of the
// printable area (the physical offsets), then drawPage on the canvas.
QImage renderPageImage(const DeviceCaps& caps, double dpi, const std::function<void(Canvas&)>& drawPage);

} // namespace ruvek
