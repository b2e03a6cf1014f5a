// ruvek-cli testpage -o FILE.pdf [--kyocera]: the printer test page as a PDF
// file, drawn by the same routine that prints it on a printer.
#include "CliText.h"
#include "Commands.h"

#include "print/TestPage.h"
#include "qtdraw/PdfDevice.h"
#include "settings/DrkEinst.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

// Fonts and PDF output need a GUI application object; without a display the
// offscreen platform serves.
std::unique_ptr<QGuiApplication> makeGuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!platform || !*platform) && (!display || !*display) && (!wayland || !*wayland))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "ruvek-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int usage()
{
    std::cerr << "Aufruf: ruvek-cli testpage -o DATEI.pdf [--kyocera]\n"
                 "  --kyocera   Schrifthöhen mit \"Kyocera-Fehler ausgleichen\"\n";
    return 2;
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
