#include "ui/print/PreviewGeometry.h"

#include <QPrinter>

#include <cmath>

namespace ruvek::ui {

namespace {
constexpr int kToolbarBand = 40;

int rounded(double v) { return static_cast<int>(std::lround(v)); }

bool hasPaper(const PaperGeometry& paper)
{
    return paper.pw > 0 && paper.ph > 0 && paper.hs > 0 && paper.vs > 0;
}

// The printable area and the page's units for a sheet drawn at `sheet`.
PreviewPageLayout placeSheet(const QRect& sheet, const PaperGeometry& paper)
{
    PreviewPageLayout l;
    if (sheet.width() <= 0 || sheet.height() <= 0)
        return l;
    const double k = double(sheet.height()) / paper.ph;
    l.sheet = sheet;
    l.area = QRect(sheet.left() + rounded(k * paper.ox), sheet.top() + rounded(k * paper.oy), rounded(k * paper.hs),
                   rounded(k * paper.vs));
    // The page at its true size on the sheet: 0.1 mm is the same number of
    // pixels across and down, the sheet's own scale (never the sheet's pixels
    // spread over the smaller printable area).
    l.unitX = k / 10;
    l.unitY = k / 10;
    l.valid = l.area.width() > 0 && l.area.height() > 0;
    return l;
}
} // namespace

PaperGeometry paperGeometryOf(const QPrinter& printer)
{
    const int dpiX = printer.resolution();
    const int dpiY = printer.resolution();
    if (dpiX <= 0 || dpiY <= 0)
        return {};
    const double kx = 25.4 / dpiX;
    const double ky = 25.4 / dpiY;
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRectF pageMm = printer.pageRect(QPrinter::Millimeter);
    PaperGeometry g;
    g.pw = rounded(paper.width() * kx);
    g.ph = rounded(paper.height() * ky);
    g.ox = rounded((page.left() - paper.left()) * kx);
    g.oy = rounded((page.top() - paper.top()) * ky);
    g.hs = static_cast<int>(pageMm.width());
    g.vs = static_cast<int>(pageMm.height());
    return g;
}

PreviewPageLayout layoutPreviewPage(int w, int h, const PaperGeometry& paper)
{
    // A window without room below the toolbar, or a printer without paper
    // size, would divide by zero or give negative sizes: nothing to lay out.
    if (w - 10 <= 0 || h - kToolbarBand <= 0 || !hasPaper(paper))
        return {};
    const double c = double(w - 10) / double(h - kToolbarBand);
    const double d = double(paper.pw) / double(paper.ph);
    int pw = 0, ph = 0, left = 0, top = 0;
    if (c < d) {
        pw = w - 20;
        ph = rounded(pw / d);
        left = 10;
        top = rounded(h / 2.0 + 8 - ph / 2.0);
    } else {
        ph = h - 50;
        pw = rounded(ph * d);
        left = rounded(w / 2.0 - pw / 2.0);
        top = kToolbarBand;
    }
    return placeSheet(QRect(left, top, pw, ph), paper);
}

PreviewPageLayout layoutPreviewPageAt(double pixelsPerMm, QPoint sheetTopLeft, const PaperGeometry& paper)
{
    if (!hasPaper(paper) || !(pixelsPerMm > 0))
        return {};
    return placeSheet(QRect(sheetTopLeft, QSize(rounded(paper.pw * pixelsPerMm), rounded(paper.ph * pixelsPerMm))),
                      paper);
}

} // namespace ruvek::ui
