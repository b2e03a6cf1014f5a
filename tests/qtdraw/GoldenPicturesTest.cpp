// The pictures beside the golden recordings of the certificate layouts: one
// PNG per page, rendered from the recording by replaying it on the Qt
// canvas, so that a change of a recording is looked at as a picture, not
// only as lines of coordinates. Each picture names the recording it was
// rendered from; a recording changed without rendering its pictures again
// fails here. RUVEK_UPDATE_GOLDEN=1 renders them (after the layout tests
// have rewritten the recordings); look at them before committing.
#include "qtdraw/PageImage.h"
#include "support/GoldenDrawing.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

constexpr double kPictureDpi = 60;
const char* const kRecordingKey = "Aufzeichnung";

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::path pictureOf(const fs::path& recording, std::size_t page)
{
    return recording.parent_path() / (recording.stem().string() + "-" + std::to_string(page) + ".png");
}

// What a picture says it shows: the recording's fingerprint and its page.
std::string pictureTag(const std::string& recording, std::size_t page)
{
    return test::fingerprint(recording) + " Seite " + std::to_string(page);
}

QImage render(const test::RecordedPage& page)
{
    const QImage image = renderPageImage(DeviceCaps{}, kPictureDpi, [&](Canvas& c) { test::replay(page, c); });
    return image.convertToFormat(QImage::Format_Grayscale8);
}

TEST(GoldenPictures, EveryRecordingHasCurrentPicturesOfItsPages)
{
    const bool update = std::getenv("RUVEK_UPDATE_GOLDEN") != nullptr;
    std::set<fs::path> expected;
    std::size_t recordings = 0;
    for (const auto& entry : fs::directory_iterator(test::kGoldenLayoutFolder)) {
        if (entry.path().extension() != ".txt")
            continue;
        ++recordings;
        const std::string text = readText(entry.path());
        std::string error;
        const auto pages = test::parseGoldenText(text, &error);
        ASSERT_TRUE(pages) << entry.path() << ": " << error;
        for (std::size_t p = 1; p <= pages->size(); ++p) {
            const fs::path picture = pictureOf(entry.path(), p);
            expected.insert(picture);
            const std::string tag = pictureTag(text, p);
            if (update) {
                QImage image = render((*pages)[p - 1]);
                image.setText(kRecordingKey, QString::fromStdString(tag));
                ASSERT_TRUE(image.save(QString::fromStdString(picture.string()), "PNG", 9)) << picture;
            }
            const QImage saved(QString::fromStdString(picture.string()));
            ASSERT_FALSE(saved.isNull()) << "no picture " << picture << " (RUVEK_UPDATE_GOLDEN=1 renders it)";
            EXPECT_EQ(saved.text(kRecordingKey).toStdString(), tag)
                << picture << " shows an older recording (RUVEK_UPDATE_GOLDEN=1 renders it again)";
        }
    }
    EXPECT_GT(recordings, 30u);
    // No picture of a page or recording that no longer exists.
    for (const auto& entry : fs::directory_iterator(test::kGoldenLayoutFolder)) {
        if (entry.path().extension() == ".png") {
            EXPECT_TRUE(expected.count(entry.path())) << "picture without recording: " << entry.path();
        }
    }
}

// The replay draws what the recording says: a recorded text lands where its
// anchor puts it (ink right of a left-aligned anchor, above its baseline).
TEST(GoldenPictures, ReplayDrawsAtTheRecordedPlaces)
{
    const auto pages = test::parseGoldenText("# page 1\n"
                                             "pen 5\n"
                                             "LineTo (1000, -1000)-(1500, -1000)\n"
                                             "font Arial 100\n"
                                             "align left\n"
                                             "extra 0\n"
                                             "TextOut (200, -2000) \"HHHH\"\n");
    ASSERT_TRUE(pages);
    const QImage image = render(pages->front());
    const double px = kPictureDpi / 254.0;
    const auto dark = [&](double x, double y) {
        return qGray(image.pixel(int(x * px), int(y * px))) < 128;
    };
    EXPECT_TRUE(dark(1250, 1000));
    EXPECT_FALSE(dark(1250, 1050));
    EXPECT_FALSE(dark(1600, 1000));
    int inkAbove = 0, inkBelow = 0, inkLeft = 0;
    for (int y = 1800; y < 2100; y += 2)
        for (int x = 100; x < 600; x += 2) {
            if (!dark(x, y))
                continue;
            ++(x < 195 ? inkLeft : y <= 2000 ? inkAbove : inkBelow);
        }
    EXPECT_GT(inkAbove, 100);
    EXPECT_EQ(inkBelow, 0);
    EXPECT_EQ(inkLeft, 0);
}

} // namespace
