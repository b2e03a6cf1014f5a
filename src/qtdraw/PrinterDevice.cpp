#include "qtdraw/PrinterDevice.h"

#include "common/Prompter.h"
#include "qtdraw/DeviceCapsQt.h"
#include "qtdraw/PdfDevice.h"
#include "qtdraw/QtCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

namespace ruvek {

std::string fileNameForTitle(const std::string& title, const std::string& extension)
{
    std::string name;
    for (char c : title) {
        const bool forbidden = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += (forbidden || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    if (name.empty())
        name = "Ausdruck";
    return name + extension;
}

PrinterDevice::PrinterDevice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setFullPage(false);
}

PrinterDevice::~PrinterDevice()
{
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end(); // the printer job ends with what was drawn
}

namespace {
std::optional<bool> g_printerInstalled; // set: the answer instead of the system's
} // namespace

bool PrinterDevice::printerInstalled()
{
    if (g_printerInstalled)
        return *g_printerInstalled;
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void PrinterDevice::setPrinterInstalled(std::optional<bool> installed) { g_printerInstalled = installed; }

void PrinterDevice::setTitle(const std::string& utf8)
{
    title_ = utf8;
    printer_->setDocName(QString::fromStdString(utf8));
}

bool PrinterDevice::isOpen() const
{
    return painter_ != nullptr || (pdf_ && pdf_->isOpen());
}

bool PrinterDevice::chooseOutputFile(Prompter& prompter)
{
    if (!needsOutputFile())
        return true;
    FileDialogRequest request;
    request.title = "Ausdruck als PDF-Datei speichern";
    request.filter = "PDF-Dokument (*.pdf)|*.pdf";
    request.proposedName = fileNameForTitle(title_, ".pdf");
    request.confirmOverwrite = true;
    const auto chosen = prompter.chooseSaveFile(request);
    if (!chosen)
        return false;
    outputFile_ = *chosen;
    return true;
}

DeviceResult PrinterDevice::beginDocument()
{
    if (isOpen())
        return DeviceResult::success();
    writtenFile_.clear();
    if (!outputFile_.empty()) {
        pdf_ = std::make_unique<PdfDevice>(outputFile_, printer_->resolution(), printer_->pageLayout(),
                                           deviceCaps().colors);
        pdf_->setTitle(title_);
        DeviceResult opened = pdf_->beginDocument();
        if (!opened)
            pdf_.reset();
        return opened;
    }
    if (!printerInstalled())
        return DeviceResult::failure("Es ist kein Drucker eingerichtet.");
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return DeviceResult::failure("Der Drucker konnte nicht geöffnet werden.");
    }
    canvas_ = std::make_unique<QtCanvas>(*painter_, deviceCaps());
    return DeviceResult::success();
}

DeviceResult PrinterDevice::newPage()
{
    if (pdf_)
        return pdf_->newPage();
    if (!painter_)
        return DeviceResult::noDocument();
    if (!printer_->newPage())
        return DeviceResult::failure("Der Drucker konnte keine neue Seite beginnen.");
    canvas_->setMetricMapping();
    return DeviceResult::success();
}

DeviceResult PrinterDevice::endDocument()
{
    if (pdf_) {
        DeviceResult closed = pdf_->endDocument();
        if (closed)
            writtenFile_ = outputFile_;
        pdf_.reset();
        outputFile_.clear();
        return closed;
    }
    if (!painter_)
        return DeviceResult::noDocument();
    canvas_.reset();
    const bool sent = painter_->end();
    painter_.reset();
    if (!sent)
        return DeviceResult::failure("Der Druckauftrag konnte nicht abgeschlossen werden.");
    return DeviceResult::success();
}

Canvas& PrinterDevice::canvas()
{
    if (pdf_)
        return pdf_->canvas();
    if (!canvas_)
        throw std::logic_error("PrinterDevice::canvas() without an open document");
    return *canvas_;
}

DeviceCaps PrinterDevice::deviceCaps() const
{
    return deviceCapsOf(*printer_);
}

} // namespace ruvek
