#include "qtdraw/DeviceCapsQt.h"

#include <QPageLayout>
#include <QPrinter>

namespace ruvek {

DeviceCaps deviceCapsOf(const QPageLayout& layout, int dpi, int colors)
{
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    DeviceCaps caps;
    caps.dpiX = dpi;
    caps.dpiY = dpi;
    caps.physicalOffsetX = paint.left() - full.left();
    caps.physicalOffsetY = paint.top() - full.top();
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.colors = colors;
    return caps;
}

DeviceCaps deviceCapsOf(const QPrinter& printer)
{
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    DeviceCaps caps;
    caps.dpiX = printer.resolution();
    caps.dpiY = printer.resolution();
    caps.physicalOffsetX = qRound(page.left() - paper.left());
    caps.physicalOffsetY = qRound(page.top() - paper.top());
    caps.physicalWidth = qRound(paper.width());
    caps.physicalHeight = qRound(paper.height());
    caps.colors = printer.colorMode() == QPrinter::Color ? kTrueColorCount : 2;
    return caps;
}

} // namespace ruvek
