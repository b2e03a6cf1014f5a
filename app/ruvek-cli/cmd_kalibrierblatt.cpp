// ruvek-cli kalibrierblatt -o DATEI.pdf: the calibration sheet as a PDF file,
// drawn with the installation's margins as the desktop program prints it.
#include "CliText.h"
#include "Commands.h"
#include "GuiApplication.h"

#include "print/CalibrationSheet.h"
#include "qtdraw/PdfDevice.h"

#include <QGuiApplication>

#include <iostream>

int cmdKalibrierblatt(const CliArgs& args, CliContext& context)
{
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else {
            output.clear();
            break;
        }
    }
    if (output.empty()) {
        std::cerr << "Aufruf: ruvek-cli kalibrierblatt -o DATEI.pdf\n";
        return exitcode::kUnreadable;
    }
    const auto app = makeGuiApplication();
    ruvek::PdfDevice device(output);
    if (const ruvek::DeviceResult printed = ruvek::PrintCalibrationSheet(device, context.installation.settings.druck);
        !printed) {
        std::cerr << "Fehler: " << escapeControls(printed.error) << '\n';
        return exitcode::kRefused;
    }
    std::cout << "Kalibrierblatt geschrieben: " << escapeControls(output) << '\n';
    return exitcode::kDone;
}
