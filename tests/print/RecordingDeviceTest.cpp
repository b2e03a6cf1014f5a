#include "print/RecordingDevice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ruvek {
namespace {

// Two documents, the first with two pages, drawn through one canvas
// reference kept across the page break.
TEST(RecordingDevice, RecordsDocumentsAndTheirPages)
{
    RecordingDevice device;
    EXPECT_THROW(device.canvas(), std::logic_error);
    device.setTitle("Lernentwicklungsberichte");
    ASSERT_TRUE(device.beginDocument());
    Canvas& canvas = device.canvas();
    canvas.textOut(0, 0, "eins");
    ASSERT_TRUE(device.newPage());
    canvas.textOut(0, 0, "zwei");
    ASSERT_TRUE(device.endDocument());
    device.setTitle("Empfangsbekenntnis: Kühn, Anna");
    ASSERT_TRUE(device.beginDocument());
    device.canvas().textOut(0, 0, "drei");
    EXPECT_TRUE(device.isOpen());

    ASSERT_EQ(device.documents().size(), 2u);
    EXPECT_EQ(device.documents()[0].title, "Lernentwicklungsberichte");
    EXPECT_EQ(device.documents()[0].pageStarts.size(), 2u);
    EXPECT_TRUE(device.documents()[0].ended);
    EXPECT_EQ(device.documents()[1].title, "Empfangsbekenntnis: Kühn, Anna");
    EXPECT_FALSE(device.documents()[1].ended);
    ASSERT_EQ(device.pageCount(), 3u);
    const char* expected[] = {"eins", "zwei", "drei"};
    for (std::size_t page = 0; page < 3; ++page) {
        const auto ops = device.pageOps(page);
        ASSERT_EQ(ops.size(), 1u) << page;
        EXPECT_EQ(ops[0].text, expected[page]);
    }
    EXPECT_TRUE(device.pageOps(3).empty());
}

TEST(RecordingDevice, SimulatedFailuresCarryTheirReason)
{
    RecordingDevice device;
    const DeviceResult pageWithoutDocument = device.newPage();
    EXPECT_FALSE(pageWithoutDocument);
    EXPECT_FALSE(pageWithoutDocument.error.empty());

    device.failOnBegin("Der Drucker konnte nicht geöffnet werden.");
    const DeviceResult begun = device.beginDocument();
    EXPECT_FALSE(begun);
    EXPECT_EQ(begun.error, "Der Drucker konnte nicht geöffnet werden.");
    EXPECT_FALSE(device.isOpen());
    EXPECT_TRUE(device.documents().empty());

    RecordingDevice file;
    file.failOnNewPage("keine Seite");
    file.failOnEnd("Die PDF-Datei konnte nicht geschrieben werden: /x.pdf");
    ASSERT_TRUE(file.beginDocument());
    EXPECT_EQ(file.newPage().error, "keine Seite");
    EXPECT_EQ(file.pageCount(), 1u);
    const DeviceResult ended = file.endDocument();
    EXPECT_FALSE(ended);
    EXPECT_EQ(ended.error, "Die PDF-Datei konnte nicht geschrieben werden: /x.pdf");
    EXPECT_FALSE(file.isOpen()); // closed all the same, as a real device
    EXPECT_EQ(file.endCalls(), 1);
}

} // namespace
} // namespace ruvek
