#pragma once
// A document written as a PDF file (QPdfWriter), by default A4 portrait
// without margins, so that the canvas origin is the paper's top-left corner
// and the physical offsets are 0.
//
// The PDF goes straight into the safe file writer's temporary file while it
// is drawn (a series of thousands of pages is never held in memory) and
// replaces the file only when the document is closed: a failed write leaves
// an older file of that name as it was.
#include "print/Canvas.h"

#include <QPageLayout>

#include <filesystem>
#include <memory>
#include <string>

class QPainter;
class QPdfWriter;

namespace ruvek {

class QtCanvas;
class SafeFileDevice;

class PdfDevice : public PrintDevice {
public:
    // dpi: device pixels per inch of the canvas (what deviceCaps() reports).
    explicit PdfDevice(std::filesystem::path file, int dpi = 1200);
    // Any page layout; margins become the physical offsets. colors is the
    // colour count deviceCaps() reports (a PDF itself is always in colour).
    PdfDevice(std::filesystem::path file, int dpi, const QPageLayout& layout, int colors = 1 << 24);
    ~PdfDevice() override; // an open document is discarded

    void setTitle(const std::string& utf8) override { title_ = utf8; }
    // Fails when the file's folder does not exist or nothing can be written
    // there.
    DeviceResult beginDocument() override;
    DeviceResult newPage() override;
    // Finishes the PDF and writes the file; fails when it cannot be written
    // (an older file of that name then stays as it was).
    DeviceResult endDocument() override;
    bool isOpen() const override { return painter_ != nullptr; }
    Canvas& canvas() override;
    DeviceCaps deviceCaps() const override { return caps_; }

    const std::filesystem::path& file() const { return file_; }

private:
    void discard();
    std::string notWrittenText(const std::string& why) const;

    std::filesystem::path file_;
    int dpi_;
    QPageLayout layout_;
    DeviceCaps caps_;
    std::string title_;
    std::unique_ptr<SafeFileDevice> output_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

// A4 portrait, margins 0.
QPageLayout a4Layout();

} // namespace ruvek
