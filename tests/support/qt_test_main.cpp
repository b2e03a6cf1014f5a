#include "qtdraw/PrinterDevice.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery and direct runs happen without the ctest environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    // No test prints on a real printer: documents go to the PDF files the
    // scripted prompter names, whatever printers this machine has.
    ruvek::PrinterDevice::setPrinterInstalled(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
