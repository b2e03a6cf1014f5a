#pragma once
// What each slot of a form control file puts on a page, found by drawing:
// the page is recorded once as it is, and once more for every slot whose
// numbers place something (a position, a rule start, a distance from
// another slot, a frame corner) with that slot shifted a little. The draw
// calls that come out differently are the ones that slot places; their
// boxes on the paper, measured with the canvas's own text widths, are the
// slot's outline. So the outline shows exactly what moves when the slot is
// moved, whichever way the layout reads the slot (directly, as the origin
// of a table, or as the column distance of one).
//
// Slots whose numbers mean something else (line counts, spacings, sizes)
// are not shifted and get no outline.
#include "print/FstTable.h"
#include "print/RecordingCanvas.h"
#include "print/SlotNames.h"

#include <functional>
#include <vector>

namespace ruvek {

// A rectangle on the paper in 0.1 mm from its top-left corner, y downwards;
// right and bottom are the far edges (left <= right, top <= bottom).
struct PaperBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PaperBox&) const = default;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    void unite(const PaperBox& other);
};

struct SlotOutline {
    int slot = 0;
    PaperBox box;                // everything the slot places on the page
    std::vector<PaperBox> parts; // each draw call's own box (a frame as its four sides)
};

// The box a recorded draw call covers on the paper; `canvas` measures the
// widths of texts (its font and spacing are changed for that). A text box
// is its character cell from the bottom, as wide as the text measures,
// turned with the text. Lines are widened to their pen (at least 0.1 mm to
// each side). Calls that draw nothing (state changes, MoveTo) give none.
std::vector<PaperBox> DrawOpBoxes(Canvas& canvas, const CanvasOp& op);

// Draws the page into `canvas` (which records; its device reports no
// physical offsets, so canvas points are paper points) with these slots.
using DrawWithSlots = std::function<void(Canvas& canvas, const TFstTable& table)>;

// The outline of every slot that places something on the page drawn by
// `draw`, in slot order. The canvas's recorded ops are cleared before each
// drawing and left cleared.
std::vector<SlotOutline> MeasureSlotOutlines(RecordingCanvas& canvas, const TFstTable& table, SlotFamily family,
                                             const DrawWithSlots& draw);

// Whether a slot's numbers place something on the page, so that it gets an
// outline (Position, RuleStart, Offset and Frame slots).
bool SlotPlacesElements(int slot, SlotFamily family);

} // namespace ruvek
