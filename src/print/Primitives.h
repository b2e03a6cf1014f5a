#pragma once
// The drawing primitives every layout uses. Positions are stored page
// positions in 0.1 mm (y downwards from the page origin); each primitive
// turns them into canvas points with the device offset of the page, which
// the canvas's printer reports (DeviceOffset).
//
// `page` is the page being drawn (1 or 2); an element is drawn only when its
// slot is visible (Visible 1) and belongs to that page. Texts are UTF-8
// (record texts are converted from Windows-1252 by the caller).
#include "print/Canvas.h"
#include "print/FstTable.h"
#include "print/PageModel.h"
#include "settings/DrkEinst.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// Most lines LinesAtSlot writes.
inline constexpr int kMaxSlotLines = 25;

// Device offset of `page` on this canvas's printer.
DeviceOffsetXY PageOffset(const Canvas& canvas, const TPageOrigins& origins, int page);

// Face, cell height (the corrected one with KyoceraKorrektur 1) and style of
// the slot's print font.
void SetPrintFont(Canvas& canvas, const TFstSlot& slot, const TDrkEinstRec& options);
// The same for a font number (for fonts stepped down with SmallerFont).
void SetPrintFont(Canvas& canvas, int fontNo, const TDrkEinstRec& options);

// Align 1 centred, 2 right-aligned, anything else left-aligned; always with
// the bottom of the character cell on the point.
void SetSlotAlign(Canvas& canvas, int align);

// One text at the slot. The slot's font is selected even when the element is
// not drawn, so it stays the canvas font afterwards.
void TextAtSlot(Canvas& canvas, std::string_view text, const TFstSlot& slot, const TPageOrigins& origins, int page,
                const TDrkEinstRec& options);

// Lines 0..lineCount-1 (at most 25 and at most lines.size()) below each
// other, `spacing` apart, the first at the slot.
void LinesAtSlot(Canvas& canvas, int lineCount, int spacing, const std::vector<std::string>& lines,
                 const TFstSlot& slot, int page, const TPageOrigins& origins, const TDrkEinstRec& options);

// A picture file stretched into the rectangle of width x height whose
// upper-left corner is the slot position. A missing file draws nothing.
void PictureAtSlot(Canvas& canvas, const std::filesystem::path& picture, const TFstSlot& slot,
                   const TPageOrigins& origins, int page, int width, int height);

// Horizontal rule from x1 to x2 (one unit past x2) at y; line type 2 and 3
// give pen widths 2 and 3, every other type 1.
void DrawHLine(Canvas& canvas, int x1, int x2, int y, int offX, int offY, int lineType);

// Rectangle of box type: pen width = type % 10 for 0..3, 10..13, 20..23,
// else 1; types 11..19 add an inner rectangle 1 mm inside (double frame);
// types 20 and above are filled light grey. The brush is clear afterwards.
void DrawBox(Canvas& canvas, int x1, int y1, int x2, int y2, int offX, int offY, int boxType);

// A small text (character height 1.6 mm) turned counter-clockwise by
// `angleDegrees` at the slot, in the slot font's face. The canvas font is
// restored afterwards.
void RotatedTextAtSlot(Canvas& canvas, std::string_view text, const TFstSlot& slot, const TPageOrigins& origins,
                       int page, int angleDegrees, const TDrkEinstRec& options);

// Two strokes of 5 mm, right and down, from the page origin moved right by dx.
void DrawCornerMark(Canvas& canvas, int page, const TPageOrigins& origins, int dx);

// The page frame of slots 1 and 2, when slot 1 belongs to this page (or to
// both, Page 3) and MitRahmen is 1; slot 1's Font is the box type.
void DrawPageFrame(Canvas& canvas, const TFstTable& table, int page, const TPageOrigins& origins,
                   const TDrkEinstRec& options);

} // namespace ruvek
