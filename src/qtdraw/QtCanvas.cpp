#include "qtdraw/QtCanvas.h"

#include "qtdraw/CellFont.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>

namespace ruvek {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Length in QChars of the character starting at i (2 for a surrogate pair).
int charLength(const QString& s, int i)
{
    return (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ? 2 : 1;
}

int characterCount(const QString& s)
{
    int n = 0;
    for (int i = 0; i < s.size(); i += charLength(s, i))
        ++n;
    return n;
}

QRectF logicalRect(int x1, int y1, int x2, int y2)
{
    return QRectF(QPointF(x1, -y1), QPointF(x2, -y2)).normalized();
}

// A picture file, decoded once and again only when the file changes: the
// preview replays its page, coat of arms included, at every repaint. A file
// that cannot be read gives a null image.
const QImage& decodedPicture(const std::filesystem::path& file)
{
    struct Decoded {
        std::filesystem::file_time_type written;
        QImage image;
    };
    static std::map<std::filesystem::path, Decoded> decoded;
    static const QImage none;
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(file, ec);
    if (ec) {
        decoded.erase(file);
        return none;
    }
    auto it = decoded.find(file);
    if (it == decoded.end() || it->second.written != written)
        it = decoded.insert_or_assign(file, Decoded{written, QImage(QFile::decodeName(QByteArray(file.c_str())))}).first;
    return it->second.image;
}

// Lays the whole text out on one unbroken line.
QTextLine layOutOneLine(QTextLayout& layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    return line;
}

// Draws text whose characters stand `extra` further apart each, keeping
// the positions Qt's shaping gives the whole string. All values in the
// painter's current units; baselineY is the baseline of the text.
void drawSpacedText(QPainter& painter, const QFont& font, const QString& text, double startX, double baselineY,
                    double extra)
{
    QTextLayout layout(text, font);
    const QTextLine line = layOutOneLine(layout);
    if (!line.isValid())
        return;
    const QPointF at(startX, baselineY - line.ascent());
    int index = 0;
    for (int i = 0; i < text.size(); ++index) {
        const int len = charLength(text, i);
        for (QGlyphRun run : layout.glyphRuns(i, len)) {
            run.setUnderline(false);
            QList<QPointF> positions = run.positions();
            for (QPointF& p : positions)
                p.rx() += index * extra;
            run.setPositions(positions);
            painter.drawGlyphRun(at, run);
        }
        i += len;
    }
}

// Qt's text engine keeps positions in 1/64 of a unit and truncates a start
// point onto that grid; glyph positions are on it already.
double onTextGrid(double value)
{
    return std::trunc(value * 64) / 64;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, const DeviceCaps& caps)
    : QtCanvas(painter, caps, QPointF(0, 0), caps.dpiX / 254.0, caps.dpiY / 254.0)
{
}

QtCanvas::QtCanvas(QPainter& painter, const DeviceCaps& caps, QPointF originPixels, double pixelsPerUnitX,
                   double pixelsPerUnitY)
    : painter_(painter), caps_(caps), origin_(originPixels), sx_(pixelsPerUnitX), sy_(pixelsPerUnitY)
{
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setBackgroundMode(Qt::TransparentMode);
    setMetricMapping();
}

void QtCanvas::setMetricMapping()
{
    painter_.setWorldTransform(QTransform(sx_, 0, 0, sy_, origin_.x(), origin_.y()));
}

const CellFont& QtCanvas::cellFont() const
{
    if (!cacheValid_ || !(cachedSpec_ == font_)) {
        cached_ = makeCellFont(font_);
        cachedSpec_ = font_;
        cacheValid_ = true;
    }
    return cached_;
}

double QtCanvas::textWidthF(const QString& text) const
{
    if (text.isEmpty())
        return 0;
    return advance(text) / kTextSubunits + characterCount(text) * double(extra_);
}

// Draws the text as QPainter::drawText does (same glyphs at the same
// positions, the same PDF content), shaping it only the first time. A text
// that falls back to further fonts is left to drawText, which orders the
// pieces its own way.
void QtCanvas::drawText(const QString& text, double startX, double baselineY)
{
    const FaceKey face(font_.face, font_.cellHeight, font_.bold, font_.italic);
    auto* known = &shaped_[face];
    auto it = known->find(text);
    if (it == known->end()) {
        if (shapedCount_ >= kMaxKeptTexts) {
            shaped_.clear();
            shapedCount_ = 0;
            known = &shaped_[face];
        }
        QTextLayout layout(text, cellFont().font);
        const QTextLine line = layOutOneLine(layout);
        Shaped shaped;
        if (line.isValid()) {
            shaped.ascent = line.ascent();
            const QList<QGlyphRun> runs = layout.glyphRuns();
            if (runs.size() == 1)
                shaped.run = runs.front();
        }
        it = known->insert(text, shaped);
        ++shapedCount_;
    }
    if (it->run.isEmpty()) {
        painter_.drawText(QPointF(startX, baselineY), text);
        return;
    }
    painter_.drawGlyphRun(QPointF(onTextGrid(startX), onTextGrid(baselineY) - it->ascent), it->run);
}

// Qt's advance of the text in the cell font, in 1/kTextSubunits of a unit.
double QtCanvas::advance(const QString& text) const
{
    const FaceKey face(font_.face, font_.cellHeight, font_.bold, font_.italic);
    if (const auto known = advances_.find(face); known != advances_.end())
        if (const auto it = known->second.constFind(text); it != known->second.cend())
            return *it;
    const double width = QFontMetricsF(cellFont().font).horizontalAdvance(text);
    if (advanceCount_ >= kMaxKeptTexts) {
        advances_.clear();
        advanceCount_ = 0;
    }
    advances_[face].insert(text, width);
    ++advanceCount_;
    return width;
}

int QtCanvas::textWidth(std::string_view utf8)
{
    return static_cast<int>(std::lround(textWidthF(fromUtf8(utf8))));
}

void QtCanvas::textOut(int x, int y, std::string_view utf8)
{
    const QString text = fromUtf8(utf8);
    if (text.isEmpty())
        return;
    const CellFont& cf = cellFont();
    // Measuring shapes the whole text once more: left-aligned text without
    // a drawn underline does not need its width.
    const bool underlineByHand = extra_ != 0 && font_.underline;
    const double width = (align_ != TextAlign::Left || underlineByHand) ? textWidthF(text) : 0.0;
    double startX = 0;
    if (align_ == TextAlign::Center)
        startX = -width / 2;
    else if (align_ == TextAlign::Right)
        startX = -width;

    painter_.save();
    // Local frame: origin at the reference point, x along the baseline,
    // in 1/kTextSubunits of a logical unit.
    painter_.translate(x, -y);
    if (font_.escapement != 0)
        painter_.rotate(-font_.escapement / 10.0); // counter-clockwise on the page
    painter_.scale(1.0 / kTextSubunits, 1.0 / kTextSubunits);
    painter_.setFont(cf.font);
    painter_.setPen(QPen(Qt::black));
    const double k = kTextSubunits;
    const double baseline = -cf.descent * k;
    if (extra_ == 0 && !font_.underline) {
        drawText(text, startX * k, baseline);
    } else if (extra_ == 0) {
        // Qt places the underline from the unrounded baseline.
        painter_.drawText(QPointF(startX * k, baseline), text);
    } else {
        drawSpacedText(painter_, cf.font, text, startX * k, baseline, extra_ * k);
        if (underlineByHand) {
            const QFontMetricsF metrics(cf.font);
            QPen pen(Qt::black, metrics.lineWidth(), Qt::SolidLine, Qt::FlatCap);
            painter_.setPen(pen);
            const double uy = baseline + metrics.underlinePos();
            painter_.drawLine(QPointF(startX * k, uy), QPointF((startX + width) * k, uy));
        }
    }
    painter_.restore();
}

void QtCanvas::applyPen()
{
    // Width 0 and widths below one device pixel draw the thinnest line the
    // device can show, as a printer never draws less than one dot.
    const double devicePixels = penWidth_ * std::min(sx_, sy_);
    if (penWidth_ <= 0 || devicePixels < 1.0)
        painter_.setPen(QPen(Qt::black, 0));
    else
        painter_.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void QtCanvas::applyBrush()
{
    switch (brush_) {
    case BrushStyle::Clear:
        painter_.setBrush(Qt::NoBrush);
        break;
    case BrushStyle::White:
        painter_.setBrush(QBrush(Qt::white));
        break;
    case BrushStyle::LightGrey:
        painter_.setBrush(QBrush(QColor(0xC0, 0xC0, 0xC0)));
        break;
    }
}

void QtCanvas::moveTo(int x, int y)
{
    curX_ = x;
    curY_ = y;
}

void QtCanvas::lineTo(int x, int y)
{
    applyPen();
    painter_.drawLine(QPointF(curX_, -curY_), QPointF(x, -y));
    curX_ = x;
    curY_ = y;
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    applyPen();
    applyBrush();
    painter_.drawRect(logicalRect(x1, y1, x2, y2));
}

bool QtCanvas::stretchPicture(const std::filesystem::path& file, int x1, int y1, int x2, int y2)
{
    const QImage& image = decodedPicture(file);
    if (image.isNull())
        return false;
    painter_.drawImage(logicalRect(x1, y1, x2, y2), image);
    return true;
}

} // namespace ruvek
