#include "qtdraw/PageImage.h"

#include "qtdraw/QtCanvas.h"

#include <QPainter>

#include <cmath>

namespace ruvek {

QImage renderPageImage(const DeviceCaps& caps, double dpi, const std::function<void(Canvas&)>& drawPage)
{
    const double fx = dpi / caps.dpiX;
    const double fy = dpi / caps.dpiY;
    QImage image(std::max(1, int(std::lround(caps.physicalWidth * fx))),
                 std::max(1, int(std::lround(caps.physicalHeight * fy))), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, caps, QPointF(caps.physicalOffsetX * fx, caps.physicalOffsetY * fy), dpi / 254.0,
                    dpi / 254.0);
    drawPage(canvas);
    painter.end();
    return image;
}

} // namespace ruvek
