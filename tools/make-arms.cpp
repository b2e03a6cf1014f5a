// Draws the coat of arms of the state of Kestland and writes the two
// pictures the final certificates print:
//
//   make-arms OUTPUT-FOLDER          writes 13F.BMP and 13S.BMP
//   make-arms --check FOLDER         exit 1 when the files there differ
//
// e.g. make-arms data
//
// The arms: "In Rot eine silberne Burg mit drei Zinnentürmen, Tor und
// Fenster schwarz" - a heater shield, field gules, a castle argent of a
// curtain wall between two towers with a taller keep behind it.
//
// 13F.BMP is the coloured picture (24 bit). 13S.BMP is for black-and-white
// printers (1 bit): the red field is shown by vertical hatching, the
// heraldic convention for gules, so that the picture carries no grey a
// printer would have to dither.
//
// The pictures are drawn from fixed shapes with no text, so every run
// writes the same bytes; the check mode lets a test hold the checked-in
// files to that.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 600;
// About 25 mm x 30 mm when printed: 20 pixels per millimetre.
constexpr int kDotsPerMeter = 20000;

const QColor kGules(0xC4, 0x12, 0x2F);
const QColor kArgent(0xFF, 0xFF, 0xFF);
const QColor kSable(0x1A, 0x1A, 0x1A);

enum class Tinctures { Colour, Hatched };

// The heater shield: straight sides down to a little below the middle,
// then two curves meeting at the point.
QPainterPath shieldPath()
{
    QPainterPath p;
    p.moveTo(28, 24);
    p.lineTo(472, 24);
    p.lineTo(472, 300);
    p.cubicTo(472, 440, 380, 530, 250, 580);
    p.cubicTo(120, 530, 28, 440, 28, 300);
    p.closeSubpath();
    return p;
}

// A rectangle whose top edge carries `merlons` merlons of height h; the
// battlements start and end with a merlon.
QPainterPath crenellated(double left, double top, double right, double bottom, int merlons, double h)
{
    const double w = right - left;
    const double step = w / (2 * merlons - 1);
    QPainterPath p;
    p.moveTo(left, bottom);
    p.lineTo(left, top);
    for (int i = 0; i < merlons; ++i) {
        const double x = left + 2 * i * step;
        p.lineTo(x + step, top);
        if (i + 1 < merlons) {
            p.lineTo(x + step, top + h);
            p.lineTo(x + 2 * step, top + h);
            p.lineTo(x + 2 * step, top);
        }
    }
    p.lineTo(right, bottom);
    p.closeSubpath();
    return p;
}

// An opening with a round arch on top (gate, windows).
QPainterPath arched(double left, double top, double right, double bottom)
{
    const double r = (right - left) / 2;
    QPainterPath p;
    p.moveTo(left, bottom);
    p.lineTo(left, top + r);
    p.arcTo(left, top, 2 * r, 2 * r, 180, -180);
    p.lineTo(right, bottom);
    p.closeSubpath();
    return p;
}

// The castle: a keep between two lower towers, each crenellated, side by
// side on one base line. Each part is outlined on its own, so the joints
// between them show.
std::vector<QPainterPath> castleParts()
{
    return {crenellated(112, 196, 192, 448, 3, 22), crenellated(192, 112, 308, 448, 4, 24),
            crenellated(308, 196, 388, 448, 3, 22)};
}

// Gate and windows: drawn black on the castle.
QPainterPath openingsPath()
{
    QPainterPath p;
    p.addPath(arched(222, 352, 278, 448));
    p.addPath(arched(239, 164, 261, 214));
    p.addPath(arched(224, 256, 244, 302));
    p.addPath(arched(256, 256, 276, 302));
    p.addPath(arched(141, 256, 163, 302));
    p.addPath(arched(337, 256, 359, 302));
    p.addPath(arched(141, 356, 163, 398));
    p.addPath(arched(337, 356, 359, 398));
    return p;
}

QImage drawArms(Tinctures tinctures)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPainterPath shield = shieldPath();
    const std::vector<QPainterPath> castle = castleParts();

    // The field.
    if (tinctures == Tinctures::Colour) {
        painter.fillPath(shield, kGules);
    } else {
        // Gules in black and white: vertical lines, 0.7 mm apart.
        painter.save();
        painter.setClipPath(shield);
        for (int x = 20; x < kWidth; x += 14)
            painter.fillRect(QRectF(x, 0, 5, kHeight), kSable);
        painter.restore();
    }

    // The castle with its black outline, openings and base line.
    for (const QPainterPath& part : castle)
        painter.fillPath(part, kArgent);
    painter.fillPath(openingsPath(), kSable);
    QPen outline(kSable, 7);
    outline.setJoinStyle(Qt::MiterJoin);
    for (const QPainterPath& part : castle)
        painter.strokePath(part, outline);

    // The shield's edge last, so it lies over the hatching.
    QPen edge(kSable, 12);
    edge.setJoinStyle(Qt::MiterJoin);
    painter.strokePath(shield, edge);
    painter.end();

    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    if (tinctures == Tinctures::Colour)
        return image;
    // Pure black and white: the antialiased edges are cut at half grey.
    QImage mono(kWidth, kHeight, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            mono.setPixel(x, y, qGray(image.pixel(x, y)) >= 128 ? 1 : 0);
    mono.setDotsPerMeterX(kDotsPerMeter);
    mono.setDotsPerMeterY(kDotsPerMeter);
    return mono;
}

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    // Qt's BMP writer leaves the bits that pad a 1-bit row to four bytes
    // uninitialised; zero them so every run writes the same file.
    if (image.depth() == 1 && bytes.size() >= 14) {
        const auto at = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])); };
        const std::uint32_t pixels = at(10) | at(11) << 8 | at(12) << 16 | at(13) << 24;
        const int used = (image.width() + 7) / 8;
        const int stride = (used + 3) / 4 * 4;
        const auto lastBits = static_cast<unsigned char>(0xFF00 >> (image.width() % 8 == 0 ? 8 : image.width() % 8));
        for (int row = 0; row < image.height(); ++row) {
            const qsizetype start = pixels + static_cast<qsizetype>(row) * stride;
            if (start + stride > bytes.size())
                break;
            bytes[start + used - 1] = static_cast<char>(static_cast<unsigned char>(bytes[start + used - 1]) & lastBits);
            for (int i = used; i < stride; ++i)
                bytes[start + i] = 0;
        }
    }
    return bytes;
}

struct Picture {
    const char* fileName;
    Tinctures tinctures;
};
constexpr Picture kPictures[] = {{"13F.BMP", Tinctures::Colour}, {"13S.BMP", Tinctures::Hatched}};

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: make-arms OUTPUT-FOLDER | make-arms --check FOLDER\n");
        return 2;
    }
    const QString folder = QFile::decodeName(argv[argc - 1]);
    int status = 0;
    for (const Picture& picture : kPictures) {
        const QByteArray bytes = bmpBytes(drawArms(picture.tinctures));
        QFile file(folder + QLatin1Char('/') + QLatin1String(picture.fileName));
        const std::string name = QFile::encodeName(file.fileName()).toStdString();
        if (check) {
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes) {
                std::fprintf(stderr, "%s differs from what make-arms draws\n", name.c_str());
                status = 1;
            }
            continue;
        }
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
            std::fprintf(stderr, "%s: cannot write\n", name.c_str());
            return 1;
        }
        std::printf("%s\n", name.c_str());
    }
    return status;
}
