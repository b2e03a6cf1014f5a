#include "qtdraw/PdfDevice.h"

#include "common/SafeFile.h"
#include "qtdraw/DeviceCapsQt.h"
#include "qtdraw/QtCanvas.h"

#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <stdexcept>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <system_error>

namespace ruvek {

// What the PDF writer writes goes into a safe file writer's temporary file.
class SafeFileDevice : public QIODevice {
public:
    explicit SafeFileDevice(const std::filesystem::path& target) : writer_(target) {}
    bool start() { return writer_.open() && QIODevice::open(QIODevice::WriteOnly); }
    bool commit()
    {
        QIODevice::close();
        return writer_.commit();
    }
    std::string errorText() const { return writer_.errorText(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const ConstBytes bytes(reinterpret_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size));
        return writer_.write(bytes) ? size : -1;
    }

private:
    SafeFileWriter writer_;
};

namespace {
// The PDF writer compresses every page through a 16 MB buffer that it takes
// and frees again page by page. With the C library's start values that
// buffer is mapped and unmapped, or the heap shrunk and grown, for every
// page: tens of thousands of system calls and page faults for a series. The
// limits are set once to the values the library itself moves to after a
// large block was freed, so the buffer stays in the heap and is reused.
void keepHeapForPageBuffers()
{
#if defined(__GLIBC__)
    static const bool once = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    (void)once;
#endif
}
} // namespace

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
    output_.reset(); // removes the temporary file
}

DeviceResult PdfDevice::beginDocument()
{
    if (isOpen())
        return DeviceResult::success();
    std::error_code ec;
    const auto folder = file_.has_parent_path() ? file_.parent_path() : std::filesystem::path(".");
    if (file_.empty() || !std::filesystem::is_directory(folder, ec))
        return DeviceResult::failure("Der Ordner für die PDF-Datei existiert nicht: " + folder.string());
    keepHeapForPageBuffers();
    output_ = std::make_unique<SafeFileDevice>(file_);
    if (!output_->start()) {
        const std::string why = output_->errorText();
        output_.reset();
        return DeviceResult::failure(notWrittenText(why));
    }
    writer_ = std::make_unique<QPdfWriter>(output_.get());
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
    writer_.reset(); // writes the end of the PDF
    const bool written = output_->commit();
    const std::string why = output_->errorText();
    output_.reset();
    if (!written)
        return DeviceResult::failure(notWrittenText(why));
    return DeviceResult::success();
}

std::string PdfDevice::notWrittenText(const std::string& why) const
{
    return "Die PDF-Datei konnte nicht geschrieben werden: " + file_.string() +
           (why.empty() ? std::string() : "\n(" + why + ")");
}

Canvas& PdfDevice::canvas()
{
    if (!canvas_)
        throw std::logic_error("PdfDevice::canvas() without an open document");
    return *canvas_;
}

} // namespace ruvek
