// The colour count the devices report decides which coat-of-arms picture
// the certificates print: a PDF is in colour, a printer reports what its
// colour mode says, and a PDF written in the printer's place reports the
// printer's count.
#include "qtdraw/PdfDevice.h"
#include "qtdraw/PrinterDevice.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ruvek {
namespace {

TEST(DeviceColours, PdfFileIsInColour)
{
    QTemporaryDir dir;
    PdfDevice pdf((dir.path() + "/a.pdf").toStdString());
    EXPECT_GT(pdf.deviceCaps().colors, 2);
    ASSERT_TRUE(pdf.beginDocument());
    EXPECT_GT(pdf.canvas().deviceCaps().colors, 2);
}

TEST(DeviceColours, PrinterReportsItsColourModeAlsoForItsPdfReplacement)
{
    QTemporaryDir dir;
    for (const auto mode : {QPrinter::Color, QPrinter::GrayScale}) {
        const bool colour = mode == QPrinter::Color;
        SCOPED_TRACE(colour ? "colour" : "grayscale");
        PrinterDevice printer;
        printer.printer().setColorMode(mode);
        EXPECT_EQ(printer.deviceCaps().colors > 2, colour);
        EXPECT_EQ(printer.deviceCaps().colors == 2, !colour);

        printer.setOutputFile((dir.path() + "/printer.pdf").toStdString());
        ASSERT_TRUE(printer.beginDocument());
        EXPECT_EQ(printer.canvas().deviceCaps().colors, printer.deviceCaps().colors);
        EXPECT_TRUE(printer.endDocument());
    }
}

} // namespace
} // namespace ruvek
