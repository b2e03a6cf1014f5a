#pragma once
// A recording canvas that measures text with the real fonts, so that a page
// recorded once (and replayed as often as a window repaints) wraps and
// places its texts exactly as on paper, and text boxes taken from the
// recording are as wide as the printed text.
#include "print/RecordingCanvas.h"
#include "qtdraw/QtCanvas.h"

#include <QImage>
#include <QPainter>

namespace ruvek {

class MeasuringRecorder : public RecordingCanvas {
public:
    explicit MeasuringRecorder(const DeviceCaps& caps);
    ~MeasuringRecorder() override;
    int textWidth(std::string_view utf8) override;

private:
    QImage image_;
    QPainter painter_;
    QtCanvas measure_;
};

} // namespace ruvek
