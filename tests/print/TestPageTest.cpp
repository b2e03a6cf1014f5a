#include "print/TestPage.h"

#include "print/PrintFonts.h"
#include "print/RecordingCanvas.h"
#include "print/RecordingDevice.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

TEST(TestPage, GermanDate)
{
    EXPECT_EQ(GermanLongDate(2027, 3, 5), "05. März 2027");
    EXPECT_EQ(GermanLongDate(2026, 12, 24), "24. Dezember 2026");
    EXPECT_EQ(GermanLongDate(2026, 1, 1), "01. Januar 2026");
}

TEST(TestPage, Labels)
{
    EXPECT_EQ(TestPageLabel(1), "1 - Courier New, h=4,0mm, normal    12345678901234567890");
    EXPECT_EQ(TestPageLabel(9), "9 - Courier New, h=7,0mm, normal    1234567890");
    EXPECT_EQ(TestPageLabel(27), "27 - Arial, h=3,5mm, normal    1234567890123456789012345678901234567890");
    EXPECT_EQ(TestPageLabel(38),
              "38 - Courier New, h=3,5mm, unterstrichen+fett+kursiv    123456789012345678901234567890");
    EXPECT_EQ(TestPageLabel(44), "44 - Times New Roman, h=5,0mm, fett+kursiv    12345678901234567890");
    EXPECT_EQ(TestPageLabel(50), "50 - Courier New, h=5,0mm, fett    1234567890");
}

TEST(TestPage, LinesStepDownBySize)
{
    const TFstTable slots = TestPageSlots();
    EXPECT_EQ(slots[1].Y, 100);
    EXPECT_EQ(slots[2].Y, 140);
    EXPECT_EQ(slots[9].Y, 100 + 7 * 40 + 70);
    EXPECT_EQ(slots[11].Y, slots[10].Y + 50);
    // 8 steps of 70, 19 of 40 and 22 of 50 below line 1: 100 + 2420.
    EXPECT_EQ(slots[50].Y, 2520);
    for (int n = 1; n <= 50; ++n) {
        EXPECT_EQ(slots[n].Font, n);
        EXPECT_TRUE(slots[n].drawnOn(1));
    }
    EXPECT_EQ(slots[98], (TFstSlot{0, 2650, 0, 14, 1, 1}));
    EXPECT_EQ(slots[99], (TFstSlot{1100, 2650, 0, 24, 1, 1}));
}

TEST(TestPage, DrawsAllFontsAtOwnOriginsWhateverTheMargins)
{
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 600;
    caps.physicalOffsetX = caps.physicalOffsetY = 100; // offset 150 - 42 = 108
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    options.RandLinks = 400;
    options.RandOben = 500;
    options.KyoceraKorrektur = 1;

    RecordingCanvas canvas(caps);
    DrawTestPage(canvas, options, "05. März 2027");
    const auto texts = canvas.ops(CanvasOpKind::TextOut);
    ASSERT_EQ(texts.size(), 53u);
    EXPECT_EQ(texts[0].text, "Drucker-Testblatt");
    EXPECT_EQ(texts[0].font, PrintFontSpec(10, true));
    EXPECT_EQ(std::tie(texts[0].x1, texts[0].y1), std::make_tuple(108, -108));
    for (int n = 1; n <= 50; ++n) {
        EXPECT_EQ(texts[n].text, TestPageLabel(n));
        EXPECT_EQ(texts[n].font, PrintFontSpec(n, true));
        EXPECT_EQ(texts[n].align, TextAlign::Left);
    }
    EXPECT_EQ(texts[11].font.cellHeight, 35); // labelled 4,0 mm
    EXPECT_EQ(texts[50].y1, -(2520 + 108));
    EXPECT_EQ(texts[51].text, "05. März 2027");
    EXPECT_EQ(texts[52].text, "Ruvek V.3.x.");
    EXPECT_EQ(std::tie(texts[52].x1, texts[52].y1), std::make_tuple(1208, -2758));
}

TEST(TestPage, PrintedAsOneTitledDocumentInTenthMillimetres)
{
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    RecordingDevice printer;
    const DeviceResult printed = PrintTestPage(printer, options);
    ASSERT_TRUE(printed) << printed.error;
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.documents()[0].title, "Testblatt Druckerausgabe Ruvek V.2.x");
    EXPECT_TRUE(printer.documents()[0].ended);
    EXPECT_FALSE(printer.isOpen());
    ASSERT_EQ(printer.pageCount(), 1u);
    const auto page = printer.pageOps(0);
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.front().kind, CanvasOpKind::SetMetricMapping);
    EXPECT_EQ(printer.recording().count(CanvasOpKind::TextOut), 53u);
}

// Whichever step of the device fails, the job reports the device's reason
// and leaves no document open.
TEST(TestPage, ReportsTheDevicesFailure)
{
    TDrkEinstRec options;
    DrkEinstDefaults(options);

    RecordingDevice offline;
    offline.failOnBegin("Es ist kein Drucker eingerichtet.");
    const DeviceResult notOpened = PrintTestPage(offline, options);
    EXPECT_FALSE(notOpened);
    EXPECT_EQ(notOpened.error, "Es ist kein Drucker eingerichtet.");
    EXPECT_TRUE(offline.documents().empty());
    EXPECT_EQ(offline.endCalls(), 0);
    EXPECT_TRUE(offline.recording().ops().empty());

    RecordingDevice unwritable;
    unwritable.failOnEnd("Die PDF-Datei konnte nicht geschrieben werden: /x/Testblatt.pdf");
    const DeviceResult notWritten = PrintTestPage(unwritable, options);
    EXPECT_FALSE(notWritten);
    EXPECT_EQ(notWritten.error, "Die PDF-Datei konnte nicht geschrieben werden: /x/Testblatt.pdf");
    EXPECT_FALSE(unwritable.isOpen());
}

} // namespace
} // namespace ruvek
