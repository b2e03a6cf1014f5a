#pragma once
// A canvas that draws nothing and remembers every call, so that tests can
// check exactly what a layout or primitive put on a page: which operation,
// at which coordinates, with which text, and under which font, alignment,
// character spacing, pen and brush.
//
// Every Canvas call that changes the page or its drawing state is recorded
// as one CanvasOp, in call order. Queries (font(), textWidth(), deviceCaps())
// are not recorded. Each op carries a snapshot of the state that was current
// when it was made (for a state change: the state after the change).
//
// Text width is a deterministic approximation, not a measurement: every
// character (UTF-8 code point) is taken as wide as a fixed share of the
// cell height of the current face, plus the extra character spacing:
//
//     width = round(n * |cellHeight| * share / 1000) + n * characterExtra
//
// with share = 530 for "Courier New" (0.6 em of a cell of 1.133 em),
// 400 for "Times New Roman" and 450 for every other face ("Arial").
// Bold, italic and underline do not change the width here. A test that needs
// the widths of a proportional face (where a count of characters does not
// tell where a word stands) sets a width model of its own; the extra
// character spacing is added to what the model says.
#include "print/Canvas.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <utility>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

enum class CanvasOpKind {
    SetMetricMapping,
    SetTextAlign,
    SetFont,
    SetCharacterExtra,
    TextOut,
    SetPenWidth,
    SetBrush,
    MoveTo,
    LineTo,
    Rectangle,
    StretchPicture,
};

struct CanvasOp {
    CanvasOpKind kind{};
    // TextOut, MoveTo: (x1, y1). LineTo: from the current position (x1, y1)
    // to (x2, y2). Rectangle, StretchPicture: the two corners as passed.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;              // TextOut
    std::filesystem::path file;    // StretchPicture
    bool pictureLoaded = false;    // StretchPicture: the file exists

    // State in force for this op.
    FontSpec font;
    TextAlign align = TextAlign::Left;
    int characterExtra = 0;
    int penWidth = 0;
    BrushStyle brush = BrushStyle::White;
};

const char* toString(CanvasOpKind kind);
std::ostream& operator<<(std::ostream& out, const CanvasOp& op);

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(DeviceCaps caps = {});

    void setMetricMapping() override;
    void setTextAlign(TextAlign align) override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override { return font_; }
    void setCharacterExtra(int extra) override;
    void textOut(int x, int y, std::string_view utf8) override;
    int textWidth(std::string_view utf8) override;
    void setPenWidth(int width) override;
    void setBrush(BrushStyle brush) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    // Records the op; reports success when the file exists (nothing is loaded).
    bool stretchPicture(const std::filesystem::path& file, int x1, int y1, int x2, int y2) override;
    DeviceCaps deviceCaps() const override { return caps_; }

    void setDeviceCaps(const DeviceCaps& caps) { caps_ = caps; }

    // Width of a text without extra spacing, in logical units.
    using WidthModel = std::function<int(const FontSpec& font, std::string_view utf8)>;
    // Replaces the approximation of textWidth (an empty model restores it).
    void setWidthModel(WidthModel model) { widthModel_ = std::move(model); }

    // Everything recorded so far, in call order.
    const std::vector<CanvasOp>& ops() const { return ops_; }
    // Only the ops of one kind, in call order.
    std::vector<CanvasOp> ops(CanvasOpKind kind) const;
    // Only the ops that put something on the page (text, lines, rectangles,
    // pictures), without the state changes.
    std::vector<CanvasOp> drawOps() const;
    // The texts of all TextOut ops, in order.
    std::vector<std::string> texts() const;
    std::size_t count(CanvasOpKind kind) const;
    // Forgets the recorded ops; the current state stays.
    void clearOps() { ops_.clear(); }

    // Current state.
    TextAlign textAlign() const { return align_; }
    int characterExtra() const { return extra_; }
    int penWidth() const { return pen_; }
    BrushStyle brush() const { return brush_; }
    int currentX() const { return curX_; }
    int currentY() const { return curY_; }
    bool metricMappingSet() const { return metric_; }

    // The deterministic width of a text as documented above.
    static int approximateWidth(const FontSpec& font, int characterExtra, std::string_view utf8);

private:
    CanvasOp& record(CanvasOpKind kind);

    DeviceCaps caps_;
    FontSpec font_;
    TextAlign align_ = TextAlign::Left;
    int extra_ = 0;
    int pen_ = 0;
    BrushStyle brush_ = BrushStyle::White;
    int curX_ = 0, curY_ = 0;
    bool metric_ = false;
    std::vector<CanvasOp> ops_;
    WidthModel widthModel_;
};

} // namespace ruvek
