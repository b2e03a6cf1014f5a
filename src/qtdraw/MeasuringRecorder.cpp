#include "qtdraw/MeasuringRecorder.h"

namespace ruvek {

MeasuringRecorder::MeasuringRecorder(const DeviceCaps& caps)
    : RecordingCanvas(caps), image_(1, 1, QImage::Format_RGB32), painter_(&image_), measure_(painter_, caps)
{
}

MeasuringRecorder::~MeasuringRecorder() = default;

int MeasuringRecorder::textWidth(std::string_view utf8)
{
    measure_.setFont(font());
    measure_.setCharacterExtra(characterExtra());
    return measure_.textWidth(utf8);
}

} // namespace ruvek
