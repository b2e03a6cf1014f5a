// The QPainter canvas rendered into images at known resolutions: where text,
// lines, fills and pictures land on the paper.
#include "InkBox.h"
#include "qtdraw/CellFont.h"
#include "qtdraw/PageImage.h"
#include "qtdraw/QtCanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ruvek {
namespace {

using test::inkBox;
using test::pxPerUnit;

// A small sheet: 80 mm × 40 mm, no unprintable margin.
DeviceCaps smallSheet()
{
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 600;
    caps.physicalWidth = int(std::lround(800 * pxPerUnit(600)));
    caps.physicalHeight = int(std::lround(400 * pxPerUnit(600)));
    return caps;
}

QImage render(double dpi, const std::function<void(Canvas&)>& draw)
{
    return renderPageImage(smallSheet(), dpi, [&](Canvas& c) {
        c.setMetricMapping();
        draw(c);
    });
}

FontSpec font(const std::string& face, int cell = 40)
{
    FontSpec f;
    f.face = face;
    f.cellHeight = cell;
    return f;
}

// Share of the em that a face's capital H stands above the baseline, read
// from the font itself.
double capHeightPerEm(const std::string& face)
{
    QFont f(QString::fromStdString(face));
    f.setPixelSize(1000);
    return QFontMetricsF(f).capHeight() / 1000.0;
}

// The font's cell (ascent + descent) and its descent in em, read from the
// font itself, not from the canvas code.
double cellPerEm(const std::string& face)
{
    QFont f(QString::fromStdString(face));
    f.setPixelSize(1000);
    const QFontMetricsF m(f);
    return (m.ascent() + m.descent()) / 1000.0;
}

double descentPerEm(const std::string& face)
{
    QFont f(QString::fromStdString(face));
    f.setPixelSize(1000);
    return QFontMetricsF(f).descent() / 1000.0;
}

TEST(CellFont, FacesResolveToMetricCompatibleFamilies)
{
    const std::pair<std::string, QString> table[] = {
        {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    for (const auto& [face, liberation] : table) {
        const QString family = resolvedFamily(face);
        EXPECT_TRUE(family == liberation || family == QString::fromStdString(face))
            << face << " resolves to " << family.toStdString() << ": install fonts-liberation2";
    }
}

class CellHeight : public ::testing::TestWithParam<std::string> {};

TEST_P(CellHeight, FontCellAndGlyphsMatchTheRequestedHeight)
{
    const std::string face = GetParam();
    for (int cell : {30, 40, 70}) {
        const CellFont cf = makeCellFont(font(face, cell));
        const QFontMetricsF m(cf.font);
        EXPECT_NEAR((m.ascent() + m.descent()) / kTextSubunits, cell, 0.06) << face << " " << cell;
    }

    // Rendered at 1200 dpi: H stands on the baseline, which lies the face's
    // descent above the cell's bottom, and is as tall as its cap height.
    const double dpi = 1200, ppu = pxPerUnit(dpi);
    const QImage image = render(dpi, [&](Canvas& c) {
        c.setFont(font(face));
        c.textOut(100, -200, "H");
    });
    const QRect ink = inkBox(image);
    const double em = 40 / cellPerEm(face);
    const double descent = descentPerEm(face) * em;
    EXPECT_NEAR(ink.bottom() + 1, (200 - descent) * ppu, 1.5) << face;
    EXPECT_NEAR(ink.height(), capHeightPerEm(face) * em * ppu, 2.0) << face;
}

INSTANTIATE_TEST_SUITE_P(Faces, CellHeight, ::testing::Values("Arial", "Times New Roman", "Courier New"),
                         [](const auto& testInfo) {
                             std::string name = testInfo.param;
                             std::erase(name, ' ');
                             return name;
                         });

TEST(QtCanvas, TextIsAnchoredAtTheCellBottomAndAlignedByItsWidth)
{
    const double dpi = 600, ppu = pxPerUnit(dpi);
    for (int extra : {0, 10}) {
        auto ink = [&](TextAlign align, const std::string& text) {
            return inkBox(render(dpi, [&](Canvas& c) {
                c.setFont(font("Arial"));
                c.setCharacterExtra(extra);
                c.setTextAlign(align);
                c.textOut(400, -300, text);
            }));
        };
        // The step from one H to the next, measured on the page: the text's
        // width is three such steps, whatever the canvas reports.
        const int step = ink(TextAlign::Left, "HH").right() - ink(TextAlign::Left, "H").right();
        const double width = 3.0 * step;
        const QRect left = ink(TextAlign::Left, "HHH"), centre = ink(TextAlign::Center, "HHH"),
                    right = ink(TextAlign::Right, "HHH");
        EXPECT_NEAR(left.left() - right.left(), width, 3.5) << "extra " << extra;
        EXPECT_NEAR(left.left() - centre.left(), width / 2, 3.5) << "extra " << extra;
        EXPECT_GE(left.left(), 400 * ppu) << "extra " << extra;   // starts at the point, after the H's bearing
        EXPECT_LT(left.left(), 400 * ppu + step / 4.0) << "extra " << extra;
        EXPECT_EQ(left.bottom(), centre.bottom());
        EXPECT_EQ(left.bottom(), right.bottom());
        EXPECT_LT(left.bottom(), 300 * ppu); // baseline above the cell's bottom
    }
}

// Qt 6.4 scales its own letter spacing with the device resolution; the
// canvas must give the same spaced text at every resolution.
TEST(QtCanvas, CharacterSpacingIsTheSameAtEveryResolution)
{
    for (double dpi : {96.0, 300.0, 600.0, 1200.0}) {
        const double ppu = pxPerUnit(dpi);
        auto inkWidthUnits = [&](int extra) {
            const QRect box = inkBox(render(dpi, [&](Canvas& c) {
                c.setFont(font("Courier New"));
                c.setCharacterExtra(extra);
                c.textOut(100, -300, "HHHH");
            }));
            return box.width() / ppu;
        };
        const double plain = inkWidthUnits(0);
        const double tolerance = 2.0 / ppu; // two pixels of this resolution
        EXPECT_NEAR(inkWidthUnits(20) - plain, 3 * 20, tolerance) << dpi << " dpi";
        EXPECT_NEAR(inkWidthUnits(-4) - plain, 3 * -4, tolerance) << dpi << " dpi";
    }
}

TEST(QtCanvas, TextWidthCountsTheSpacingOfEveryCharacter)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas c(painter, smallSheet());
    c.setFont(font("Times New Roman"));
    const int plain = c.textWidth("Zeugnis");
    EXPECT_GT(plain, 100);
    c.setCharacterExtra(-3);
    EXPECT_EQ(c.textWidth("Zeugnis"), plain - 21);
    EXPECT_EQ(c.textWidth("Äußerung") - c.textWidth("Ä"), c.textWidth("ußerung")); // umlauts count once
    EXPECT_EQ(c.textWidth(""), 0);
}

// The canvas keeps only a bounded number of shaped texts; a text shaped
// again after thousands of others (a series' names) is measured and drawn
// exactly as the first time.
TEST(QtCanvas, TextShapedAgainAfterThousandsOfOthersIsTheSame)
{
    const std::string heading = "Zeugnis für Schüler";
    const auto centred = [](Canvas& c) {
        c.setFont(font("Arial"));
        c.setTextAlign(TextAlign::Center);
    };
    int width = 0;
    const QImage fresh = render(300, [&](Canvas& c) {
        centred(c);
        width = c.textWidth(heading);
        c.textOut(400, -200, heading);
    });
    const QImage later = render(300, [&](Canvas& c) {
        centred(c);
        EXPECT_EQ(c.textWidth(heading), width);
        for (int i = 0; i < 3000; ++i)
            c.textOut(-5000, -200, "Schüler " + std::to_string(i)); // beside the sheet
        EXPECT_EQ(c.textWidth(heading), width);
        c.textOut(400, -200, heading);
    });
    EXPECT_EQ(later, fresh);
}

TEST(QtCanvas, EscapementTurnsTextCounterClockwiseAroundTheReferencePoint)
{
    const double dpi = 300, ppu = pxPerUnit(dpi);
    const QPointF point(400 * ppu, 200 * ppu);
    auto draw = [&](int escapement) {
        return inkBox(render(dpi, [&](Canvas& c) {
            FontSpec f = font("Arial");
            f.escapement = escapement;
            c.setFont(f);
            c.textOut(400, -200, "HHHHHH");
        }));
    };
    const QRect up = draw(900); // reads from bottom to top, left of the point
    EXPECT_GT(up.height(), 3 * up.width());
    EXPECT_LE(up.right(), point.x());
    EXPECT_NEAR(up.bottom(), point.y(), 10);
    EXPECT_LT(up.top(), point.y() - 100);

    const QRect down = draw(2700); // reads from top to bottom, right of the point
    EXPECT_GT(down.height(), 3 * down.width());
    EXPECT_GE(down.left(), point.x());
    EXPECT_NEAR(down.top(), point.y(), 10);
}

TEST(QtCanvas, BrushesFillAndPensDrawInLogicalWidths)
{
    const double dpi = 600, ppu = pxPerUnit(dpi);
    const QImage image = render(dpi, [&](Canvas& c) {
        c.setPenWidth(0);
        c.setBrush(BrushStyle::LightGrey);
        c.rectangle(50, -50, 350, -350);
        c.setBrush(BrushStyle::Clear);
        c.rectangle(100, -100, 300, -300); // outline only: grey stays inside
        c.setBrush(BrushStyle::White);
        c.rectangle(150, -150, 250, -250); // white covers the grey
        c.setPenWidth(10);
        c.moveTo(450, -100);
        c.lineTo(750, -100);
        c.setPenWidth(0);
        c.moveTo(450, -200);
        c.lineTo(750, -200);
    });
    auto at = [&](double x, double y) { return image.pixel(int(x * ppu), int(y * ppu)) & 0xFFFFFF; };
    EXPECT_EQ(at(75, 75), 0xC0C0C0u);
    EXPECT_EQ(at(125, 125), 0xC0C0C0u);
    EXPECT_EQ(at(200, 200), 0xFFFFFFu);
    EXPECT_EQ(at(50, 200), 0x000000u); // outline
    EXPECT_EQ(at(400, 200), 0xFFFFFFu);

    const QRect thick = inkBox(image, QRect(int(500 * ppu), int(50 * ppu), 100, int(100 * ppu)));
    EXPECT_NEAR(thick.height(), 10 * ppu, 1.5); // 1 mm
    const QRect thin = inkBox(image, QRect(int(500 * ppu), int(150 * ppu), 100, int(100 * ppu)));
    EXPECT_EQ(thin.height(), 1);
}

TEST(QtCanvas, PictureIsStretchedIntoTheRectangle)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    const QString bmp = dir.filePath("13F.BMP");
    ASSERT_TRUE(red.save(bmp, "BMP"));

    const double dpi = 300, ppu = pxPerUnit(dpi);
    bool loaded = false, missing = true;
    const QImage image = render(dpi, [&](Canvas& c) {
        loaded = c.stretchPicture(bmp.toStdString(), 100, -100, 300, -200);
        missing = c.stretchPicture((dir.path() + "/13S.BMP").toStdString(), 400, -100, 600, -200);
    });
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(missing);
    const QRect box = inkBox(image);
    EXPECT_NEAR(box.left(), 100 * ppu, 1);
    EXPECT_NEAR(box.right() + 1, 300 * ppu, 1);
    EXPECT_NEAR(box.top(), 100 * ppu, 1);
    EXPECT_NEAR(box.bottom() + 1, 200 * ppu, 1);
    EXPECT_EQ(image.pixel(int(200 * ppu), int(150 * ppu)) & 0xFFFFFF, 0xFF0000u);
}

} // namespace
} // namespace ruvek
