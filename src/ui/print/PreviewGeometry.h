#pragma once
// Where the preview window puts the sheet of paper and the printer's
// printable area, and how it maps the page's 0.1 mm units onto pixels.
#include <QRect>

class QPrinter;

namespace ruvek::ui {

// The printer's paper and printable area in whole millimetres.
struct PaperGeometry {
    int pw = 0, ph = 0; // paper width and height
    int ox = 0, oy = 0; // offset of the printable area
    int hs = 0, vs = 0; // printable width and height
};

// From the printer: resolution, physical size and offsets, printable size.
// All zero when the printer reports no resolution.
PaperGeometry paperGeometryOf(const QPrinter& printer);

// The page is drawn on the whole sheet at its true proportions, its origin
// at the corner of the printable area (as on the printer); the printable
// area is outlined, and what lies outside it is shown marked.
struct PreviewPageLayout {
    bool valid = false; // false: window too small or no printer; nothing is drawn
    QRect sheet;        // the outline of the paper, where the page is drawn
    QRect area;         // the printable area, where the page's origin lies
    double unitX = 0;   // pixels per 0.1 mm across and down (equal: never stretched)
    double unitY = 0;
};

// The layout for a client area of w by h pixels, of which the toolbar band
// takes the top 40: the whole sheet fitted into the window.
PreviewPageLayout layoutPreviewPage(int w, int h, const PaperGeometry& paper);

// The layout at a fixed scale of `pixelsPerMm`, the sheet's top-left corner
// at `sheetTopLeft`: the magnified page, which may be larger than the window.
PreviewPageLayout layoutPreviewPageAt(double pixelsPerMm, QPoint sheetTopLeft, const PaperGeometry& paper);

} // namespace ruvek::ui
