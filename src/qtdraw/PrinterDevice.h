#pragma once
// The printer as a document device (QPrinter).
//
// The one QPrinter object lives as long as the device, so that printer
// set-up dialogs can change it (printer()) and the preview can ask it for
// resolution, paper and printable area (deviceCaps()). The canvas origin is
// the corner of the printable area; its physical offsets are reported.
//
// Without an installed printer, a document goes to a PDF file instead,
// laid out like the printer's page (same resolution, paper and margins, so
// the page lands on the paper where the printer would put it). The file is
// chosen before each document (setOutputFile() or chooseOutputFile()) and
// forgotten when the document is closed, so a later document never
// overwrites it unasked. A chosen file is also used when printers exist.
#include "print/Canvas.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QPainter;
class QPrinter;

namespace ruvek {

class PdfDevice;
class Prompter;
class QtCanvas;

class PrinterDevice : public PrintDevice {
public:
    PrinterDevice(); // high resolution, A4 portrait
    ~PrinterDevice() override;

    void setTitle(const std::string& utf8) override;
    // Fails when no printer is installed and no output file is chosen, or
    // when the output cannot be opened.
    DeviceResult beginDocument() override;
    DeviceResult newPage() override;
    // Closes the document; one going to a file is written now.
    DeviceResult endDocument() override;
    bool isOpen() const override;
    Canvas& canvas() override;
    DeviceCaps deviceCaps() const override;

    QPrinter& printer() { return *printer_; }
    // Whether a printer is installed: the system's answer, unless one was
    // set with setPrinterInstalled (std::nullopt asks the system again).
    // The Qt test programs set "none", so that nothing they print reaches a
    // real printer and they run alike on every machine.
    static bool printerInstalled();
    static void setPrinterInstalled(std::optional<bool> installed);

    void setOutputFile(const std::filesystem::path& pdf) { outputFile_ = pdf; }
    const std::filesystem::path& outputFile() const { return outputFile_; }
    // True when the next document needs an output file first.
    bool needsOutputFile() const { return outputFile_.empty() && !printerInstalled(); }
    // When needed, asks for the PDF file (save dialog proposing the document
    // title as file name). False when the user cancels.
    bool chooseOutputFile(Prompter& prompter);
    // The PDF file the last document was written to; empty when it went to
    // the printer or its file could not be written.
    const std::filesystem::path& writtenFile() const { return writtenFile_; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::string title_;
    std::filesystem::path outputFile_;
    std::unique_ptr<PdfDevice> pdf_;       // document going to a file
    std::unique_ptr<QPainter> painter_;    // document going to the printer
    std::unique_ptr<QtCanvas> canvas_;
    std::filesystem::path writtenFile_;
};

// A file name made of a document title (characters not allowed in file names replaced).
std::string fileNameForTitle(const std::string& title, const std::string& extension);

} // namespace ruvek
