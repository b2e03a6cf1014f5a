#include "qtdraw/PdfDevice.h"

#include "common/SafeFile.h"
#include "qtdraw/DeviceCapsQt.h"
#include "qtdraw/QtCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <stdexcept>
#include <system_error>

namespace ruvek {

QPageLayout a4Layout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

PdfDevice::PdfDevice(std::filesystem::path file, int dpi) : PdfDevice(std::move(file), dpi, a4Layout()) {}

PdfDevice::PdfDevice(std::filesystem::path file, int dpi, const QPageLayout& layout, int colors)
    : file_(std::move(file)), dpi_(dpi), layout_(layout), caps_(deviceCapsOf(layout, dpi, colors))
{
}

PdfDevice::~PdfDevice()
{
    discard();
}

void PdfDevice::discard()
{
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    writer_.reset();
    buffer_.reset();
}

DeviceResult PdfDevice::beginDocument()
{
    if (isOpen())
        return DeviceResult::success();
    std::error_code ec;
    const auto folder = file_.has_parent_path() ? file_.parent_path() : std::filesystem::path(".");
    if (file_.empty() || !std::filesystem::is_directory(folder, ec))
        return DeviceResult::failure("Der Ordner für die PDF-Datei existiert nicht: " + folder.string());
    buffer_ = std::make_unique<QBuffer>();
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setResolution(dpi_);
    writer_->setPageLayout(layout_);
    writer_->setTitle(QString::fromStdString(title_));
    writer_->setCreator(QStringLiteral("Ruvek"));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        discard();
        return DeviceResult::failure("Die PDF-Ausgabe konnte nicht begonnen werden.");
    }
    canvas_ = std::make_unique<QtCanvas>(*painter_, caps_);
    return DeviceResult::success();
}

DeviceResult PdfDevice::newPage()
{
    if (!isOpen())
        return DeviceResult::noDocument();
    if (!writer_->newPage())
        return DeviceResult::failure("Die PDF-Ausgabe konnte keine neue Seite beginnen.");
    canvas_->setMetricMapping();
    return DeviceResult::success();
}

DeviceResult PdfDevice::endDocument()
{
    if (!isOpen())
        return DeviceResult::noDocument();
    canvas_.reset();
    painter_->end();
    painter_.reset();
    writer_.reset(); // flushes the PDF into the buffer
    const QByteArray data = buffer_->data();
    buffer_.reset();
    std::string why;
    if (!writeFileSafely(file_,
                         ConstBytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                    static_cast<std::size_t>(data.size())),
                         &why))
        return DeviceResult::failure("Die PDF-Datei konnte nicht geschrieben werden: " + file_.string() +
                                     (why.empty() ? std::string() : "\n(" + why + ")"));
    return DeviceResult::success();
}

Canvas& PdfDevice::canvas()
{
    if (!canvas_)
        throw std::logic_error("PdfDevice::canvas() without an open document");
    return *canvas_;
}

} // namespace ruvek
