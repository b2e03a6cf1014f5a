#include "print/SlotOutlines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace ruvek {
namespace {

// How far a slot is shifted to see what it places: small, so that the
// layout decides as before, and odd, so that no rounding hides the shift.
constexpr int kShiftX = 13;
constexpr int kShiftY = 17;

// A draw call with everything that decides what it puts on the paper.
using OpKey = std::tuple<int, int, int, int, int, std::string, std::string, std::string, int, bool, bool, bool, int,
                         int, int, int, int>;

OpKey keyOf(const CanvasOp& op)
{
    return {static_cast<int>(op.kind), op.x1,          op.y1,
            op.x2,                     op.y2,          op.text,
            op.file.string(),          op.font.face,   op.font.cellHeight,
            op.font.bold,              op.font.italic, op.font.underline,
            op.font.escapement,        static_cast<int>(op.align), op.characterExtra,
            op.penWidth,               static_cast<int>(op.brush)};
}

// Whole units outwards; a turned corner that misses a whole unit by a
// rounding error of the sine stays on it.
int down(double v) { return static_cast<int>(std::floor(v + 1e-6)); }
int up(double v) { return static_cast<int>(std::ceil(v - 1e-6)); }

// Canvas points have y up with the paper's corner at the origin.
PaperBox boxOfCanvasPoints(double x1, double y1, double x2, double y2)
{
    return {down(std::min(x1, x2)), down(-std::max(y1, y2)), up(std::max(x1, x2)), up(-std::min(y1, y2))};
}

int shifted(int value, int by) { return value + by <= 65535 ? value + by : value - by; }

} // namespace

void PaperBox::unite(const PaperBox& other)
{
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

std::vector<PaperBox> DrawOpBoxes(Canvas& canvas, const CanvasOp& op)
{
    switch (op.kind) {
    case CanvasOpKind::TextOut: {
        canvas.setFont(op.font);
        canvas.setCharacterExtra(op.characterExtra);
        const double width = canvas.textWidth(op.text);
        const double height = std::abs(op.font.cellHeight);
        const double start = op.align == TextAlign::Center ? -width / 2 : op.align == TextAlign::Right ? -width : 0.0;
        // The cell in the text's own frame (x along the baseline, y up from
        // the cell's bottom), turned counter-clockwise around the anchor.
        const double angle = op.font.escapement / 10.0 * 3.14159265358979323846 / 180.0;
        const double c = std::cos(angle), s = std::sin(angle);
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (const auto& [u, v] : std::array<std::pair<double, double>, 4>{
                 {{start, 0.0}, {start + width, 0.0}, {start, height}, {start + width, height}}}) {
            const double x = op.x1 + u * c - v * s;
            const double y = op.y1 + u * s + v * c;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        return {boxOfCanvasPoints(minX, minY, maxX, maxY)};
    }
    case CanvasOpKind::LineTo: {
        const double half = std::max(1.0, op.penWidth / 2.0);
        return {boxOfCanvasPoints(std::min(op.x1, op.x2) - half, std::min(op.y1, op.y2) - half,
                                  std::max(op.x1, op.x2) + half, std::max(op.y1, op.y2) + half)};
    }
    case CanvasOpKind::Rectangle: {
        const PaperBox whole = boxOfCanvasPoints(op.x1, op.y1, op.x2, op.y2);
        if (op.brush != BrushStyle::Clear)
            return {whole};
        // An empty frame covers only its sides.
        const int pen = std::max(1, op.penWidth);
        return {{whole.left - pen, whole.top - pen, whole.right + pen, whole.top + pen},
                {whole.left - pen, whole.bottom - pen, whole.right + pen, whole.bottom + pen},
                {whole.left - pen, whole.top - pen, whole.left + pen, whole.bottom + pen},
                {whole.right - pen, whole.top - pen, whole.right + pen, whole.bottom + pen}};
    }
    case CanvasOpKind::StretchPicture:
        return {boxOfCanvasPoints(op.x1, op.y1, op.x2, op.y2)};
    default:
        return {};
    }
}

bool SlotPlacesElements(int slot, SlotFamily family)
{
    const SlotUse use = SlotInfoOf(slot, family).use;
    return use == SlotUse::Position || use == SlotUse::RuleStart || use == SlotUse::Offset || use == SlotUse::Frame;
}

std::vector<SlotOutline> MeasureSlotOutlines(RecordingCanvas& canvas, const TFstTable& slots, SlotFamily family,
                                             const DrawWithSlots& draw)
{
    auto record = [&](const TFstTable& table) {
        // Every drawing starts from the state of a new page, as printing
        // does: what a drawing leaves set (a brush, a font) would otherwise
        // make the next one's calls differ where the page does not.
        canvas.setFont(FontSpec{});
        canvas.setTextAlign(TextAlign::Left);
        canvas.setCharacterExtra(0);
        canvas.setPenWidth(0);
        canvas.setBrush(BrushStyle::White);
        canvas.moveTo(0, 0);
        canvas.clearOps();
        draw(canvas, table);
        std::vector<CanvasOp> ops = canvas.drawOps();
        canvas.clearOps();
        return ops;
    };
    const std::vector<CanvasOp> base = record(slots);
    std::vector<OpKey> baseKeys;
    baseKeys.reserve(base.size());
    for (const CanvasOp& op : base)
        baseKeys.push_back(keyOf(op));

    std::vector<SlotOutline> outlines;
    for (int i = 0; i < static_cast<int>(kFstSlotCount); ++i) {
        if (!SlotPlacesElements(i, family))
            continue;
        TFstTable moved = slots;
        TFstSlot& s = moved[static_cast<std::size_t>(i)];
        s.X = static_cast<std::uint16_t>(shifted(s.X, kShiftX));
        s.Y = static_cast<std::uint16_t>(shifted(s.Y, kShiftY));
        std::map<OpKey, int> remaining;
        for (const CanvasOp& op : record(moved))
            ++remaining[keyOf(op)];
        SlotOutline outline;
        outline.slot = i;
        bool any = false;
        for (std::size_t k = 0; k < base.size(); ++k) {
            const auto found = remaining.find(baseKeys[k]);
            if (found != remaining.end() && found->second > 0) {
                --found->second; // drawn the same with the slot shifted: not this slot's
                continue;
            }
            for (const PaperBox& part : DrawOpBoxes(canvas, base[k])) {
                if (!any)
                    outline.box = part;
                else
                    outline.box.unite(part);
                any = true;
                outline.parts.push_back(part);
            }
        }
        if (any)
            outlines.push_back(std::move(outline));
    }
    canvas.clearOps();
    return outlines;
}

} // namespace ruvek
