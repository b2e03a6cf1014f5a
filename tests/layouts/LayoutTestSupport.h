#pragma once
// A page context on a recording canvas over a form table built in the test,
// and small readers of what was drawn.
#include "layouts/PageContext.h"
#include "print/RecordingCanvas.h"
#include "settings/DrkEinst.h"
#include "settings/FachKatalog.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ruvek::test {

// The default printer has no physical offset, so a stored position (x, y)
// is drawn at (x + 150, -(y + 150)) with the default margins.
inline constexpr int kOrigin = 150;

struct LayoutBench {
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    TFstTable form{};
    RecordingCanvas canvas;
    std::unique_ptr<CertificateEnvironment> env;
    std::unique_ptr<PageContext> ctx;

    LayoutBench()
    {
        form[1] = TFstSlot{0, 0, 0, 11, 3, 1};
        form[2] = TFstSlot{1800, 2650, 0, 0, 3, 1};
    }
    // A fresh context over the current form, options and catalogue.
    PageContext& page(int page = 1)
    {
        env = std::make_unique<CertificateEnvironment>(CertificateEnvironment{options, katalog, SchoolType::Grundschule, "Schule"});
        ctx = std::make_unique<PageContext>(canvas, *env, form, page);
        canvas.clearOps();
        return *ctx;
    }
    std::vector<std::string> texts() const { return canvas.texts(); }
    // The text op with this text; a default op when there is none.
    CanvasOp textOp(const std::string& text) const
    {
        for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
            if (op.text == text)
                return op;
        return {};
    }
};

// Widths of a proportional face, so that a count of characters does not
// tell where a word stands: a narrow, a wide and a middle class of letters,
// blanks and the fill characters each as wide as they are, in thousandths of
// the cell height; "Courier New" keeps its fixed pitch.
inline int ProportionalWidth(const FontSpec& font, std::string_view utf8)
{
    long long sum = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        int share = 450;
        if (font.face == "Courier New")
            share = 530;
        else if (std::string_view("iljtf.,:;!|' /()").find(static_cast<char>(c)) != std::string_view::npos)
            share = 220;
        else if (std::string_view("mwMWG#%").find(static_cast<char>(c)) != std::string_view::npos)
            share = 760;
        else if (c >= 'A' && c <= 'Z')
            share = 600;
        else if (c == '_' || c == '-' || c == '*')
            share = 500;
        if (font.face == "Times New Roman" && share != 530)
            share = share * 9 / 10;
        sum += static_cast<long long>(share) * std::abs(font.cellHeight);
    }
    return static_cast<int>((sum + 500) / 1000);
}

// The horizontal extent (canvas x) of a part of a drawn text.
inline HSpan DrawnExtent(const CanvasOp& op, std::string_view part)
{
    const std::string_view text = op.text;
    const int whole = ProportionalWidth(op.font, text) + CharCount(text) * op.characterExtra;
    const int left = op.x1 - (op.align == TextAlign::Center ? whole / 2 : op.align == TextAlign::Right ? whole : 0);
    const std::size_t pos = text.find(part);
    if (pos == std::string_view::npos)
        return {};
    auto width = [&](std::string_view t) { return ProportionalWidth(op.font, t) + CharCount(t) * op.characterExtra; };
    return {left + width(text.substr(0, pos)), left + width(text.substr(0, pos + part.size()))};
}

// True when the text is one or more fill characters and nothing else.
inline bool IsFillRun(const std::string& text, const std::string& fill)
{
    bool fills = !text.empty() && !fill.empty() && text.size() % fill.size() == 0;
    for (std::size_t i = 0; fills && i < text.size(); i += fill.size())
        fills = text.compare(i, fill.size(), fill) == 0;
    return fills;
}

// The runs of fill characters on a base line (texts drawn touching or
// overlapping make one run), left to right.
inline std::vector<HSpan> FillRuns(const RecordingCanvas& canvas, int y, const std::string& fill = "#")
{
    std::vector<HSpan> runs;
    for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
        if (op.y1 == y && IsFillRun(op.text, fill))
            runs.push_back(DrawnExtent(op, op.text));
    std::sort(runs.begin(), runs.end(), [](const HSpan& a, const HSpan& b) { return a.left < b.left; });
    std::vector<HSpan> joined;
    for (const HSpan& r : runs) {
        if (!joined.empty() && r.left <= joined.back().right + 1)
            joined.back().right = std::max(joined.back().right, r.right);
        else
            joined.push_back(r);
    }
    return joined;
}

// What StruckWords reports for a label that is not drawn at all.
inline const std::string& LabelNotDrawn()
{
    static const std::string text = "<label not drawn>";
    return text;
}

// What the fill runs strike in a label: for every text drawn with exactly
// the label's text, each fill run on its base line that reaches into it is
// named by the word of `words` it covers to within `tolerance` (0.3 mm) at
// both ends, or described by its extent when it covers none of them.
// Measured with ProportionalWidth, which the canvas must have as its width
// model.
inline std::vector<std::string> StruckWords(const RecordingCanvas& canvas, const std::string& label,
                                            const std::vector<std::string>& words, const std::string& fill = "#",
                                            int tolerance = 3)
{
    std::vector<std::string> out;
    bool found = false;
    for (const CanvasOp& labelOp : canvas.ops(CanvasOpKind::TextOut)) {
        if (labelOp.text != label)
            continue;
        found = true;
        const HSpan whole = DrawnExtent(labelOp, label);
        for (const HSpan& run : FillRuns(canvas, labelOp.y1, fill)) {
            if (run.right <= whole.left || run.left >= whole.right)
                continue;
            std::string name = "<run " + std::to_string(run.left) + ".." + std::to_string(run.right) + ">";
            for (const std::string& w : words) {
                const HSpan word = DrawnExtent(labelOp, w);
                if (word.length() > 0 && std::abs(run.left - word.left) <= tolerance &&
                    std::abs(run.right - word.right) <= tolerance)
                    name = w;
            }
            out.push_back(std::move(name));
        }
    }
    if (!found)
        out.push_back(LabelNotDrawn());
    return out;
}

} // namespace ruvek::test
