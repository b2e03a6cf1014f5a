#include "print/Primitives.h"

#include "common/FileLookup.h"
#include "print/PrintFonts.h"

#include <algorithm>
#include <cmath>

namespace ruvek {
namespace {

// The character cell of the rotated footer text. The footer asks the printer
// for a character height (em) of 16 = 1.6 mm; the canvas takes cell heights,
// and Arial, Times New Roman and Courier New all have a cell of about
// 1.11..1.13 em, which gives 18 for each of them.
constexpr int kRotatedTextCellHeight = 18;

int penWidthForBox(int boxType)
{
    switch (boxType) {
    case 0: case 10: case 20: return 0;
    case 1: case 11: case 21: return 1;
    case 2: case 12: case 22: return 2;
    case 3: case 13: case 23: return 3;
    default: return 1;
    }
}

} // namespace

DeviceOffsetXY PageOffset(const Canvas& canvas, const TPageOrigins& origins, int page)
{
    return DeviceOffset(origins.forPage(page), canvas.deviceCaps());
}

void SetPrintFont(Canvas& canvas, const TFstSlot& slot, const TDrkEinstRec& options)
{
    SetPrintFont(canvas, static_cast<int>(slot.Font), options);
}

void SetPrintFont(Canvas& canvas, int fontNo, const TDrkEinstRec& options)
{
    canvas.setFont(PrintFontSpec(fontNo, options.KyoceraKorrektur == 1));
}

void SetSlotAlign(Canvas& canvas, int align)
{
    switch (align) {
    case 1: canvas.setTextAlign(TextAlign::Center); break;
    case 2: canvas.setTextAlign(TextAlign::Right); break;
    default: canvas.setTextAlign(TextAlign::Left); break;
    }
}

void TextAtSlot(Canvas& canvas, std::string_view text, const TFstSlot& slot, const TPageOrigins& origins, int page,
                const TDrkEinstRec& options)
{
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    SetPrintFont(canvas, slot, options);
    if (!slot.drawnOn(page))
        return;
    SetSlotAlign(canvas, slot.Align);
    canvas.textOut(slot.X + off.offX, -(slot.Y + off.offY), text);
}

void LinesAtSlot(Canvas& canvas, int lineCount, int spacing, const std::vector<std::string>& lines,
                 const TFstSlot& slot, int page, const TPageOrigins& origins, const TDrkEinstRec& options)
{
    if (!slot.drawnOn(page))
        return;
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    SetSlotAlign(canvas, slot.Align);
    SetPrintFont(canvas, slot, options);
    const int n = std::min({lineCount, kMaxSlotLines, static_cast<int>(lines.size())});
    for (int i = 0; i < n; ++i)
        canvas.textOut(slot.X + off.offX, -(slot.Y + off.offY) - spacing * i, lines[static_cast<std::size_t>(i)]);
}

void PictureAtSlot(Canvas& canvas, const std::filesystem::path& picture, const TFstSlot& slot,
                   const TPageOrigins& origins, int page, int width, int height)
{
    if (!slot.drawnOn(page))
        return;
    const auto file = findFileIgnoringCase(picture.parent_path(), picture.filename().string());
    if (!file)
        return; // no picture, no message
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    const int left = slot.X + off.offX;
    const int top = -(slot.Y + off.offY);
    canvas.stretchPicture(*file, left, top, left + width, top - height);
}

void DrawHLine(Canvas& canvas, int x1, int x2, int y, int offX, int offY, int lineType)
{
    canvas.setPenWidth(lineType == 2 ? 2 : lineType == 3 ? 3 : 1);
    canvas.moveTo(x1 + offX, -(y + offY));
    canvas.lineTo(x2 + offX + 1, -(y + offY));
}

void DrawBox(Canvas& canvas, int x1, int y1, int x2, int y2, int offX, int offY, int boxType)
{
    canvas.setPenWidth(penWidthForBox(boxType));
    canvas.setBrush(boxType >= 20 ? BrushStyle::LightGrey : BrushStyle::Clear);
    canvas.rectangle(x1 + offX, -(y1 + offY), x2 + offX, -(y2 + offY));
    if (boxType >= 11 && boxType <= 19) {
        constexpr int inset = 10; // 1 mm between the two lines of a double frame
        canvas.rectangle(x1 + offX + inset, -(y1 + offY + inset), x2 + offX - inset, -(y2 + offY - inset));
    }
    // Following text is written without background.
    canvas.setBrush(BrushStyle::Clear);
}

void RotatedTextAtSlot(Canvas& canvas, std::string_view text, const TFstSlot& slot, const TPageOrigins& origins,
                       int page, int angleDegrees, const TDrkEinstRec& options)
{
    if (!slot.drawnOn(page))
        return;
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    SetSlotAlign(canvas, slot.Align);
    SetPrintFont(canvas, slot, options);
    if (text.empty())
        return;
    const FontSpec saved = canvas.font();
    FontSpec turned;
    turned.face = saved.face;
    turned.cellHeight = kRotatedTextCellHeight;
    turned.escapement = angleDegrees * 10;
    canvas.setFont(turned);
    canvas.textOut(slot.X + off.offX, -(slot.Y + off.offY), text);
    canvas.setFont(saved);
}

void DrawCornerMark(Canvas& canvas, int page, const TPageOrigins& origins, int dx)
{
    constexpr int stroke = 50; // 5 mm
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    const int x = dx + off.offX;
    const int y = -off.offY;
    canvas.moveTo(x, y);
    canvas.lineTo(x + stroke, y);
    canvas.moveTo(x, y);
    canvas.lineTo(x, y - stroke);
}

void DrawPageFrame(Canvas& canvas, const TFstTable& table, int page, const TPageOrigins& origins,
                   const TDrkEinstRec& options)
{
    const TFstSlot& topLeft = table[kFrameTopLeftSlot];
    const TFstSlot& bottomRight = table[kFrameBottomRightSlot];
    if (topLeft.Page != page && topLeft.Page != 3)
        return;
    if (options.MitRahmen != 1) {
        canvas.setBrush(BrushStyle::Clear);
        return;
    }
    const DeviceOffsetXY off = PageOffset(canvas, origins, page);
    DrawBox(canvas, topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y, off.offX, off.offY, topLeft.Font);
}

} // namespace ruvek
