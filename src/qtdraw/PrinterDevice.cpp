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

bool PrinterDevice::printerInstalled()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

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

bool PrinterDevice::beginDocument()
{
    if (isOpen())
        return true;
    error_.clear();
    if (!outputFile_.empty()) {
        pdf_ = std::make_unique<PdfDevice>(outputFile_, printer_->resolution(), printer_->pageLayout(),
                                           deviceCaps().colors);
        pdf_->setTitle(title_);
        if (!pdf_->beginDocument()) {
            error_ = pdf_->errorText();
            pdf_.reset();
            return false;
        }
        return true;
    }
    if (!printerInstalled()) {
        error_ = "Es ist kein Drucker eingerichtet.";
        return false;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        error_ = "Der Drucker konnte nicht geöffnet werden.";
        return false;
    }
    canvas_ = std::make_unique<QtCanvas>(*painter_, deviceCaps());
    return true;
}

void PrinterDevice::newPage()
{
    if (pdf_) {
        pdf_->newPage();
    } else if (painter_) {
        printer_->newPage();
        canvas_->setMetricMapping();
    }
}

void PrinterDevice::endDocument()
{
    if (pdf_) {
        pdf_->endDocument();
        if (!pdf_->written())
            error_ = pdf_->errorText();
        pdf_.reset();
        outputFile_.clear();
    } else if (painter_) {
        canvas_.reset();
        painter_->end();
        painter_.reset();
    }
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
