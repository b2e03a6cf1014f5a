// ruvek-cli testpage -o FILE.pdf [--kyocera]: the printer test page as a PDF
// file, drawn by the same routine that prints it on a printer.
#include "CliText.h"
#include "Commands.h"
#include "GuiApplication.h"

#include "print/TestPage.h"
#include "qtdraw/PdfDevice.h"
#include "settings/DrkEinst.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

int usage()
{
    std::cerr << "Aufruf: ruvek-cli testpage -o DATEI.pdf [--kyocera]\n"
                 "  --kyocera   Schrifthöhen mit \"Kyocera-Fehler ausgleichen\"\n";
    return exitcode::kUnreadable;
}

} // namespace

int cmdTestpage(const CliArgs& args, CliContext& context)
{
    std::string output;
    bool kyocera = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (args[i] == "--kyocera")
            kyocera = true;
        else
            return usage();
    }
    if (output.empty())
        return usage();

    const auto app = makeGuiApplication();

    // The installation's print options, as the desktop program prints it.
    ruvek::TDrkEinstRec options = context.installation.settings.druck;
    if (kyocera)
        options.KyoceraKorrektur = 1;

    ruvek::PdfDevice device(output);
    if (const ruvek::DeviceResult printed = ruvek::PrintTestPage(device, options); !printed) {
        std::cerr << "Fehler: " << escapeControls(printed.error) << '\n';
        return 1;
    }
    std::cout << "Testblatt geschrieben: " << escapeControls(output) << '\n';
    return 0;
}
