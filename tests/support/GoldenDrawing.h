#pragma once
// The golden recordings of certificate drawings, kept in tests/golden/layouts:
// the drawing operations of each page in call order, each preceded only by
// the drawing state it uses that changed since the page's last operation
// (font, alignment and character spacing for text; pen for lines; pen and
// brush for rectangles). A change to a state no operation uses, or to one
// operation, therefore changes only the lines it concerns.
//
//   # page 1
//   pen 1
//   brush clear
//   Rectangle (150, -150)-(1950, -2800)
//   font Times New Roman 50 b
//   align center
//   extra 0
//   TextOut (1050, -340) "Grundschule Am Lindenhof"
//
// A recording reads back into operations and replays onto any canvas, which
// is how the picture beside each recording is rendered.
#include "print/CanvasReplay.h"
#include "print/RecordingCanvas.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace ruvek::test {

using RecordedPage = std::vector<CanvasOp>;

inline const std::filesystem::path kGoldenLayoutFolder =
    std::filesystem::path(RUVEK_SOURCE_DIR) / "tests" / "golden" / "layouts";

namespace golden_detail {

inline bool usesText(const CanvasOp& op) { return op.kind == CanvasOpKind::TextOut; }
inline bool usesPen(const CanvasOp& op)
{
    return op.kind == CanvasOpKind::LineTo || op.kind == CanvasOpKind::Rectangle;
}
inline bool usesBrush(const CanvasOp& op) { return op.kind == CanvasOpKind::Rectangle; }

inline std::string fontText(const FontSpec& f)
{
    std::string s = f.face + " " + std::to_string(f.cellHeight);
    if (f.bold)
        s += " b";
    if (f.italic)
        s += " i";
    if (f.underline)
        s += " u";
    if (f.escapement != 0)
        s += " esc " + std::to_string(f.escapement);
    return s;
}

inline const char* alignText(TextAlign a)
{
    return a == TextAlign::Center ? "center" : a == TextAlign::Right ? "right" : "left";
}

inline const char* brushText(BrushStyle b)
{
    return b == BrushStyle::Clear ? "clear" : b == BrushStyle::White ? "white" : "lightgrey";
}

inline bool isInteger(const std::string& s)
{
    std::size_t i = s.starts_with('-') ? 1 : 0;
    return i < s.size() && s.find_first_not_of("0123456789", i) == std::string::npos;
}

inline std::optional<FontSpec> parseFont(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    FontSpec f;
    std::size_t i = 0;
    std::string face;
    for (; i < words.size() && !isInteger(words[i]); ++i)
        face += (face.empty() ? "" : " ") + words[i];
    if (face.empty() || i == words.size())
        return std::nullopt;
    f.face = face;
    f.cellHeight = std::stoi(words[i++]);
    for (; i < words.size(); ++i) {
        if (words[i] == "b")
            f.bold = true;
        else if (words[i] == "i")
            f.italic = true;
        else if (words[i] == "u")
            f.underline = true;
        else if (words[i] == "esc" && i + 1 < words.size() && isInteger(words[i + 1]))
            f.escapement = std::stoi(words[++i]);
        else
            return std::nullopt;
    }
    return f;
}

} // namespace golden_detail

// The recording of one or more pages in the format above.
inline std::string goldenText(const std::vector<RecordedPage>& pages)
{
    using namespace golden_detail;
    std::ostringstream out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out << "# page " << p + 1 << "\n";
        std::optional<FontSpec> font;
        std::optional<TextAlign> align;
        std::optional<int> extra, pen;
        std::optional<BrushStyle> brush;
        for (const CanvasOp& op : pages[p]) {
            if (usesText(op)) {
                if (font != op.font)
                    out << "font " << fontText(*(font = op.font)) << "\n";
                if (align != op.align)
                    out << "align " << alignText(*(align = op.align)) << "\n";
                if (extra != op.characterExtra)
                    out << "extra " << *(extra = op.characterExtra) << "\n";
            }
            if (usesPen(op) && pen != op.penWidth)
                out << "pen " << *(pen = op.penWidth) << "\n";
            if (usesBrush(op) && brush != op.brush)
                out << "brush " << brushText(*(brush = op.brush)) << "\n";
            out << toString(op.kind) << " (" << op.x1 << ", " << op.y1 << ")";
            if (op.kind == CanvasOpKind::LineTo || op.kind == CanvasOpKind::Rectangle ||
                op.kind == CanvasOpKind::StretchPicture)
                out << "-(" << op.x2 << ", " << op.y2 << ")";
            if (op.kind == CanvasOpKind::TextOut)
                out << " \"" << op.text << "\"";
            if (op.kind == CanvasOpKind::StretchPicture)
                out << " " << op.file.filename().string();
            out << "\n";
        }
    }
    return out.str();
}

// The draw operations of recorded canvases, a page each.
inline std::string goldenText(const std::vector<RecordingCanvas>& canvases)
{
    std::vector<RecordedPage> pages;
    for (const RecordingCanvas& c : canvases)
        pages.push_back(c.drawOps());
    return goldenText(pages);
}

// Reads a recording back; nullopt with the line that cannot be read.
inline std::optional<std::vector<RecordedPage>> parseGoldenText(const std::string& text, std::string* error = nullptr)
{
    using namespace golden_detail;
    std::vector<RecordedPage> pages;
    CanvasOp state;
    std::istringstream in(text);
    int number = 0;
    const auto fail = [&](const std::string& line) {
        if (error)
            *error = "line " + std::to_string(number) + ": " + line;
        return std::nullopt;
    };
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.starts_with("# page ")) {
            pages.emplace_back();
            state = CanvasOp{};
            continue;
        }
        if (pages.empty())
            return fail(line);
        const auto space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "font") {
            const auto f = parseFont(rest);
            if (!f)
                return fail(line);
            state.font = *f;
        } else if (word == "align") {
            state.align = rest == "center" ? TextAlign::Center : rest == "right" ? TextAlign::Right : TextAlign::Left;
        } else if (word == "extra" && isInteger(rest)) {
            state.characterExtra = std::stoi(rest);
        } else if (word == "pen" && isInteger(rest)) {
            state.penWidth = std::stoi(rest);
        } else if (word == "brush") {
            state.brush = rest == "clear" ? BrushStyle::Clear : rest == "white" ? BrushStyle::White : BrushStyle::LightGrey;
        } else {
            CanvasOp op = state;
            const std::pair<const char*, CanvasOpKind> kinds[] = {{"TextOut", CanvasOpKind::TextOut},
                                                                  {"LineTo", CanvasOpKind::LineTo},
                                                                  {"Rectangle", CanvasOpKind::Rectangle},
                                                                  {"StretchPicture", CanvasOpKind::StretchPicture}};
            bool known = false;
            for (const auto& [name, kind] : kinds)
                if (word == name) {
                    op.kind = kind;
                    known = true;
                }
            int consumed = 0;
            if (!known || std::sscanf(rest.c_str(), "(%d, %d)%n", &op.x1, &op.y1, &consumed) < 2)
                return fail(line);
            std::string tail = rest.substr(static_cast<std::size_t>(consumed));
            if (op.kind != CanvasOpKind::TextOut) {
                int more = 0;
                if (std::sscanf(tail.c_str(), "-(%d, %d)%n", &op.x2, &op.y2, &more) < 2)
                    return fail(line);
                tail = tail.substr(static_cast<std::size_t>(more));
            }
            if (op.kind == CanvasOpKind::TextOut) {
                if (tail.size() < 3 || !tail.starts_with(" \"") || !tail.ends_with('"'))
                    return fail(line);
                op.text = tail.substr(2, tail.size() - 3);
            }
            if (op.kind == CanvasOpKind::StretchPicture)
                op.file = tail.empty() ? std::string() : tail.substr(1);
            pages.back().push_back(std::move(op));
        }
    }
    return pages;
}

// Whether two recorded operations draw the same: kind, place, text, and the
// state the operation uses.
inline bool drawsTheSame(const CanvasOp& a, const CanvasOp& b)
{
    using namespace golden_detail;
    if (a.kind != b.kind || a.x1 != b.x1 || a.y1 != b.y1 || a.text != b.text)
        return false;
    if (a.kind != CanvasOpKind::TextOut && (a.x2 != b.x2 || a.y2 != b.y2))
        return false;
    if (usesText(a) && (a.font != b.font || a.align != b.align || a.characterExtra != b.characterExtra))
        return false;
    if (usesPen(a) && a.penWidth != b.penWidth)
        return false;
    return !usesBrush(a) || a.brush == b.brush;
}

// Draws recorded operations on a canvas (a picture is named by its file
// only, so it is left out where that file is not found).
inline void replay(const RecordedPage& page, Canvas& canvas)
{
    canvas.setMetricMapping();
    ReplayOps(page, canvas);
}

// A short fingerprint of a text (FNV-1a, 64 bits, as 16 hex digits): the
// picture of a recording names the recording it was rendered from.
inline std::string fingerprint(const std::string& text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

} // namespace ruvek::test
