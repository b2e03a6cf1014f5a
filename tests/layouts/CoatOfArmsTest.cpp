#include "layouts/CoatOfArms.h"

#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

using test::kOrigin;

// The shipped pictures lie in the source tree's data folder.
const std::filesystem::path kShippedPictures = std::filesystem::path(RUVEK_SOURCE_DIR) / "data";

class CoatOfArms : public ::testing::Test {
protected:
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    TFstTable form{};
    RecordingCanvas canvas;
    std::filesystem::path programFolder = kShippedPictures;

    void SetUp() override
    {
        form[121] = TFstSlot{1350, 180, 0, 1, 1, 1};
        form[122] = TFstSlot{250, 300, 0, 1, 0, 0};
    }
    // The picture ops of drawing the arms on `page`.
    std::vector<CanvasOp> draw(int page = 1)
    {
        const CertificateEnvironment env{options, katalog, SchoolType::Realschule, "Schule", programFolder};
        PageContext ctx(canvas, env, form, page);
        canvas.clearOps();
        CoatOfArmsAtSlot(ctx);
        EXPECT_EQ(canvas.ops().size(), canvas.count(CanvasOpKind::StretchPicture)) << "only the picture is drawn";
        return canvas.ops(CanvasOpKind::StretchPicture);
    }
};

TEST_F(CoatOfArms, ColouredPictureOnColourPrintersOrWhenTheOptionAsksForIt)
{
    struct Case {
        int colors;
        std::int16_t farbWappen;
        const char* picture;
    };
    const Case cases[] = {{2, 0, "13S.BMP"}, {2, 1, "13F.BMP"}, {256, 0, "13F.BMP"}, {1 << 24, 1, "13F.BMP"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.colors << " colours, FarbWappen " << c.farbWappen);
        DeviceCaps caps;
        caps.colors = c.colors;
        canvas.setDeviceCaps(caps);
        options.FarbWappen = c.farbWappen;
        const auto ops = draw();
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].file, kShippedPictures / c.picture);
        EXPECT_TRUE(ops[0].pictureLoaded);
    }
}

TEST_F(CoatOfArms, StretchedFromSlot121ByTheSizeInSlot122)
{
    // Printable area 100 px right and 200 px down at 600 dpi: 4.2 and 8.5 mm.
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 600;
    caps.physicalOffsetX = 100;
    caps.physicalOffsetY = 200;
    canvas.setDeviceCaps(caps);
    const auto ops = draw();
    ASSERT_EQ(ops.size(), 1u);
    const int left = 1350 + kOrigin - 42;
    const int top = -(180 + kOrigin - 85);
    EXPECT_EQ(ops[0].x1, left);
    EXPECT_EQ(ops[0].y1, top);
    EXPECT_EQ(ops[0].x2, left + 250);
    EXPECT_EQ(ops[0].y2, top - 300);
}

TEST_F(CoatOfArms, NothingWhenHiddenOnAnotherPageOrWithoutPicture)
{
    struct Case {
        const char* what;
        std::uint16_t visible, page;
        int drawnPage;
        bool pictures;
    };
    const Case cases[] = {
        {"invisible slot", 0, 1, 1, true},
        {"slot of page 1 on page 2", 1, 1, 2, true},
        {"slot of both pages", 1, 3, 1, true},
        {"no pictures in the program folder", 1, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form[121].Visible = c.visible;
        form[121].Page = c.page;
        programFolder = c.pictures ? kShippedPictures : std::filesystem::path(RUVEK_TEST_DATA_DIR) / "no-such-folder";
        EXPECT_TRUE(draw(c.drawnPage).empty());
    }
    // The same slot on its own page draws.
    form[121].Page = 2;
    programFolder = kShippedPictures;
    EXPECT_EQ(draw(2).size(), 1u);
}

} // namespace
} // namespace ruvek
