#pragma once
// The page canvas painted with QPainter: one painting path for the printer,
// PDF files and the on-screen preview.
//
// Logical units are 0.1 mm with y up (page points have negative y). The
// canvas maps them once onto the painter: a canvas point (x, y) lies at
// device position origin + (x * pixelsPerUnitX, -y * pixelsPerUnitY).
// For a printer or PDF page pixelsPerUnit = dpi / 254 and the origin is the
// painter's origin (the corner of the printable area); a preview passes its
// own scale and the corner of the area that stands for the printable area.
//
// Text is anchored at the bottom of its character cell: the reference point
// is the cell's bottom edge at the left end, the centre or the right end of
// the text (including the extra character spacing), turned with the
// escapement around that point. Extra character spacing is applied by
// placing every character itself, because Qt 6.4's letter spacing is scaled
// by the device resolution and wrong on high-resolution devices.
#include "print/Canvas.h"
#include "qtdraw/CellFont.h"

#include <QGlyphRun>
#include <QHash>
#include <QPointF>
#include <QString>

#include <cstddef>
#include <map>
#include <tuple>

class QPainter;

namespace ruvek {

class QtCanvas : public Canvas {
public:
    // A printer or PDF page: origin at the painter's origin, dpi from caps.
    QtCanvas(QPainter& painter, const DeviceCaps& caps);
    // Any surface, e.g. a preview widget or an image: caps are what
    // deviceCaps() reports (the printer's, also for a preview).
    QtCanvas(QPainter& painter, const DeviceCaps& caps, QPointF originPixels, double pixelsPerUnitX,
             double pixelsPerUnitY);

    void setMetricMapping() override;
    void setTextAlign(TextAlign align) override { align_ = align; }
    void setFont(const FontSpec& font) override { font_ = font; }
    FontSpec font() const override { return font_; }
    void setCharacterExtra(int extra) override { extra_ = extra; }
    void textOut(int x, int y, std::string_view utf8) override;
    int textWidth(std::string_view utf8) override;
    void setPenWidth(int width) override { penWidth_ = width; }
    void setBrush(BrushStyle brush) override { brush_ = brush; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    bool stretchPicture(const std::filesystem::path& file, int x1, int y1, int x2, int y2) override;
    DeviceCaps deviceCaps() const override { return caps_; }

    // Exact text width in logical units (textWidth() rounds it).
    double textWidthF(const QString& text) const;

private:
    const CellFont& cellFont() const;
    double advance(const QString& text) const;
    void drawText(const QString& text, double startX, double baselineY);
    void applyPen();
    void applyBrush();

    QPainter& painter_;
    DeviceCaps caps_;
    QPointF origin_;
    double sx_;
    double sy_;
    FontSpec font_;
    TextAlign align_ = TextAlign::Left;
    int extra_ = 0;
    int penWidth_ = 0;
    BrushStyle brush_ = BrushStyle::White;
    int curX_ = 0;
    int curY_ = 0;
    // The Qt font of the last font asked for (text is measured often).
    mutable FontSpec cachedSpec_;
    mutable CellFont cached_;
    mutable bool cacheValid_ = false;
    // Shaping is the costly part of text output, and headings, captions and
    // grades recur on every page of a series: advances and glyphs of texts
    // already shaped are kept per face, cell height and style. Names, dates
    // and remarks differ from student to student, so each store starts
    // afresh once it holds kMaxKeptTexts texts: a series of thousands of
    // pages keeps a few hundred kilobytes, and the recurring texts are
    // shaped again once per few hundred students.
    static constexpr std::size_t kMaxKeptTexts = 1024;
    using FaceKey = std::tuple<std::string, int, bool, bool>;
    struct Shaped {
        double ascent = 0; // of the laid-out line, on Qt's 1/64 grid
        QGlyphRun run;     // empty: the text needs more than one font
    };
    mutable std::map<FaceKey, QHash<QString, double>> advances_;
    mutable std::size_t advanceCount_ = 0;
    std::map<FaceKey, QHash<QString, Shaped>> shaped_;
    std::size_t shapedCount_ = 0;
};

} // namespace ruvek
