#include "print/RecordingCanvas.h"

#include <cstdlib>
#include <ostream>
#include <system_error>

namespace ruvek {

namespace {

// Number of code points of a UTF-8 text: every byte that does not continue
// a multi-byte sequence starts a character.
int codePoints(std::string_view utf8)
{
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// Share of the cell height one character is taken to advance, in 1/1000.
int advanceShare(const std::string& face)
{
    if (face == "Courier New")
        return 530;
    if (face == "Times New Roman")
        return 400;
    return 450;
}

const char* alignName(TextAlign a)
{
    switch (a) {
    case TextAlign::Left: return "left";
    case TextAlign::Center: return "center";
    case TextAlign::Right: return "right";
    }
    return "?";
}

const char* brushName(BrushStyle b)
{
    switch (b) {
    case BrushStyle::Clear: return "clear";
    case BrushStyle::White: return "white";
    case BrushStyle::LightGrey: return "lightgrey";
    }
    return "?";
}

} // namespace

const char* toString(CanvasOpKind kind)
{
    switch (kind) {
    case CanvasOpKind::SetMetricMapping: return "SetMetricMapping";
    case CanvasOpKind::SetTextAlign: return "SetTextAlign";
    case CanvasOpKind::SetFont: return "SetFont";
    case CanvasOpKind::SetCharacterExtra: return "SetCharacterExtra";
    case CanvasOpKind::TextOut: return "TextOut";
    case CanvasOpKind::SetPenWidth: return "SetPenWidth";
    case CanvasOpKind::SetBrush: return "SetBrush";
    case CanvasOpKind::MoveTo: return "MoveTo";
    case CanvasOpKind::LineTo: return "LineTo";
    case CanvasOpKind::Rectangle: return "Rectangle";
    case CanvasOpKind::StretchPicture: return "StretchPicture";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, const CanvasOp& op)
{
    out << toString(op.kind) << " (" << op.x1 << ", " << op.y1 << ")";
    switch (op.kind) {
    case CanvasOpKind::LineTo:
    case CanvasOpKind::Rectangle:
    case CanvasOpKind::StretchPicture:
        out << "-(" << op.x2 << ", " << op.y2 << ")";
        break;
    default:
        break;
    }
    if (op.kind == CanvasOpKind::TextOut)
        out << " \"" << op.text << "\"";
    if (op.kind == CanvasOpKind::StretchPicture)
        out << " " << op.file.string() << (op.pictureLoaded ? "" : " (missing)");
    out << " font " << op.font.face << " " << op.font.cellHeight << (op.font.bold ? " b" : "")
        << (op.font.italic ? " i" : "") << (op.font.underline ? " u" : "");
    if (op.font.escapement != 0)
        out << " esc " << op.font.escapement;
    out << " align " << alignName(op.align) << " extra " << op.characterExtra << " pen " << op.penWidth
        << " brush " << brushName(op.brush);
    return out;
}

RecordingCanvas::RecordingCanvas(DeviceCaps caps) : caps_(caps) {}

CanvasOp& RecordingCanvas::record(CanvasOpKind kind)
{
    CanvasOp& op = ops_.emplace_back();
    op.kind = kind;
    op.font = font_;
    op.align = align_;
    op.characterExtra = extra_;
    op.penWidth = pen_;
    op.brush = brush_;
    return op;
}

void RecordingCanvas::setMetricMapping()
{
    metric_ = true;
    record(CanvasOpKind::SetMetricMapping);
}

void RecordingCanvas::setTextAlign(TextAlign align)
{
    align_ = align;
    record(CanvasOpKind::SetTextAlign);
}

void RecordingCanvas::setFont(const FontSpec& font)
{
    font_ = font;
    record(CanvasOpKind::SetFont);
}

void RecordingCanvas::setCharacterExtra(int extra)
{
    extra_ = extra;
    record(CanvasOpKind::SetCharacterExtra);
}

void RecordingCanvas::textOut(int x, int y, std::string_view utf8)
{
    CanvasOp& op = record(CanvasOpKind::TextOut);
    op.x1 = x;
    op.y1 = y;
    op.text = std::string(utf8);
}

int RecordingCanvas::approximateWidth(const FontSpec& font, int characterExtra, std::string_view utf8)
{
    const long long n = codePoints(utf8);
    const long long scaled = n * std::abs(font.cellHeight) * advanceShare(font.face);
    return static_cast<int>((scaled + 500) / 1000 + n * characterExtra);
}

int RecordingCanvas::textWidth(std::string_view utf8)
{
    if (widthModel_)
        return widthModel_(font_, utf8) + static_cast<int>(codePoints(utf8)) * extra_;
    return approximateWidth(font_, extra_, utf8);
}

void RecordingCanvas::setPenWidth(int width)
{
    pen_ = width;
    record(CanvasOpKind::SetPenWidth);
}

void RecordingCanvas::setBrush(BrushStyle brush)
{
    brush_ = brush;
    record(CanvasOpKind::SetBrush);
}

void RecordingCanvas::moveTo(int x, int y)
{
    curX_ = x;
    curY_ = y;
    CanvasOp& op = record(CanvasOpKind::MoveTo);
    op.x1 = x;
    op.y1 = y;
}

void RecordingCanvas::lineTo(int x, int y)
{
    CanvasOp& op = record(CanvasOpKind::LineTo);
    op.x1 = curX_;
    op.y1 = curY_;
    op.x2 = x;
    op.y2 = y;
    curX_ = x;
    curY_ = y;
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    CanvasOp& op = record(CanvasOpKind::Rectangle);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
}

bool RecordingCanvas::stretchPicture(const std::filesystem::path& file, int x1, int y1, int x2, int y2)
{
    std::error_code ec;
    CanvasOp& op = record(CanvasOpKind::StretchPicture);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.file = file;
    op.pictureLoaded = std::filesystem::is_regular_file(file, ec);
    return op.pictureLoaded;
}

std::vector<CanvasOp> RecordingCanvas::ops(CanvasOpKind kind) const
{
    std::vector<CanvasOp> result;
    for (const CanvasOp& op : ops_)
        if (op.kind == kind)
            result.push_back(op);
    return result;
}

std::vector<CanvasOp> RecordingCanvas::drawOps() const
{
    std::vector<CanvasOp> result;
    for (const CanvasOp& op : ops_) {
        switch (op.kind) {
        case CanvasOpKind::TextOut:
        case CanvasOpKind::LineTo:
        case CanvasOpKind::Rectangle:
        case CanvasOpKind::StretchPicture:
            result.push_back(op);
            break;
        default:
            break;
        }
    }
    return result;
}

std::vector<std::string> RecordingCanvas::texts() const
{
    std::vector<std::string> result;
    for (const CanvasOp& op : ops_)
        if (op.kind == CanvasOpKind::TextOut)
            result.push_back(op.text);
    return result;
}

std::size_t RecordingCanvas::count(CanvasOpKind kind) const
{
    std::size_t n = 0;
    for (const CanvasOp& op : ops_)
        if (op.kind == kind)
            ++n;
    return n;
}

} // namespace ruvek
