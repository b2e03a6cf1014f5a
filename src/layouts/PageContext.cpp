#include "layouts/PageContext.h"

#include "common/Cp1252.h"
#include "print/Primitives.h"
#include "print/PrintFonts.h"

#include <algorithm>

namespace ruvek {

std::string FillCharacter(const TDrkEinstRec& options)
{
    const std::string_view c = options.NormalStreichzeichen.view();
    if (c.empty() || c == " ")
        return "#";
    return cp1252ToUtf8(c.substr(0, 1));
}

int CharCount(std::string_view utf8)
{
    int n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

PageContext::PageContext(Canvas& canvas, const CertificateEnvironment& env, const TFstTable& form, int page)
    : canvas_(canvas), env_(env), table_(form), page_(page),
      origins_(TPageOrigins::fromMargins(env.options.RandLinks, env.options.RandOben)),
      offset_(PageOffset(canvas, origins_, page)), fill_(FillCharacter(env.options))
{
}

int PageContext::pageAreaWidth() const
{
    return static_cast<int>(table_[kFrameBottomRightSlot].X) - static_cast<int>(table_[kFrameTopLeftSlot].X);
}

TFstSlot& PageContext::slot(int index)
{
    slotsRead_.set(static_cast<std::size_t>(index));
    return table_.at(static_cast<std::size_t>(index));
}
const TFstSlot& PageContext::slot(int index) const
{
    slotsRead_.set(static_cast<std::size_t>(index));
    return table_.at(static_cast<std::size_t>(index));
}

bool PageContext::drawn(int index) const { return slot(index).drawnOn(page_); }

void PageContext::text(int index, std::string_view utf8) { text(slot(index), utf8); }

void PageContext::text(const TFstSlot& at, std::string_view utf8)
{
    TextAtSlot(canvas_, utf8, at, origins_, page_, env_.options);
}

void PageContext::narrowText(const TFstSlot& at, std::string_view utf8, int narrowing)
{
    if (narrowing == 0) {
        text(at, utf8);
        return;
    }
    canvas_.setCharacterExtra(-narrowing);
    text(at, utf8);
    canvas_.setCharacterExtra(0);
}

HSpan PageContext::partOfLabel(const TFstSlot& label, std::string_view labelUtf8, std::string_view partUtf8)
{
    const std::size_t pos = labelUtf8.find(partUtf8);
    if (partUtf8.empty() || pos == std::string_view::npos)
        return {};
    // Measured as the label is drawn: its font, no extra spacing, and the
    // part's edges as the widths of the label's text up to them (so that
    // kerning across the edges counts as it does on the page).
    SetPrintFont(canvas_, label, env_.options);
    canvas_.setCharacterExtra(0);
    const int whole = canvas_.textWidth(labelUtf8);
    const int labelLeft = label.X - (label.Align == 1 ? whole / 2 : label.Align == 2 ? whole : 0);
    return {labelLeft + canvas_.textWidth(labelUtf8.substr(0, pos)),
            labelLeft + canvas_.textWidth(labelUtf8.substr(0, pos + partUtf8.size()))};
}

HSpan PageContext::strikeWord(const TFstSlot& label, std::string_view labelUtf8, std::string_view wordUtf8,
                              const TFstSlot& at)
{
    const HSpan word = partOfLabel(label, labelUtf8, wordUtf8);
    if (word.length() <= 0)
        return {};
    const int fillWidth = canvas_.textWidth(fill_);

    TFstSlot run = at;
    run.Font = label.Font;
    if (fillWidth <= 0 || word.length() <= fillWidth) {
        // A word no wider than one fill character: one, centred on it.
        run.Align = 1;
        run.X = static_cast<std::uint16_t>((word.left + word.right) / 2);
        text(run, fill_);
        return word;
    }
    // As many fill characters as fit into the word, measured as one run
    // (its width is not a multiple of one character's rounded width).
    std::string fills = fill_;
    while (canvas_.textWidth(fills + fill_) <= word.length())
        fills += fill_;
    run.Align = 0;
    run.X = static_cast<std::uint16_t>(word.left);
    text(run, fills);
    if (canvas_.textWidth(fills) < word.length()) {
        run.Align = 2;
        run.X = static_cast<std::uint16_t>(word.right);
        text(run, fill_);
    }
    return word;
}

HSpan PageContext::strikeWord(int labelSlot, std::string_view labelUtf8, std::string_view wordUtf8, int strikeSlot)
{
    return strikeWord(slot(labelSlot), labelUtf8, wordUtf8, slot(strikeSlot));
}

int PageContext::textWidthAt(const TFstSlot& at, std::string_view utf8)
{
    SetPrintFont(canvas_, at, env_.options);
    canvas_.setCharacterExtra(0);
    return canvas_.textWidth(utf8);
}

void PageContext::fitText(TFstSlot at, std::string_view utf8, int room, int maxNarrowing, bool smallerFont)
{
    const int chars = CharCount(utf8);
    // The least narrowing (up to the maximum) with which the text fits in the
    // slot's current font; the maximum when even that is not enough.
    auto narrowingToFit = [&](int& narrowing) {
        const int width = textWidthAt(at, utf8);
        if (width <= room || chars == 0) {
            narrowing = 0;
            return true;
        }
        narrowing = std::min(maxNarrowing, (width - room + chars - 1) / chars);
        return width - chars * narrowing <= room;
    };
    int narrowing = 0;
    if (!narrowingToFit(narrowing) && smallerFont) {
        at.Font = static_cast<std::uint16_t>(SmallerFont(at.Font));
        narrowingToFit(narrowing);
    }
    narrowText(at, utf8, narrowing);
}

void PageContext::recordText(int index, std::string_view cp1252) { text(index, cp1252ToUtf8(cp1252)); }

void PageContext::lines(int index, int lineCount, int spacing, const std::vector<std::string>& utf8Lines)
{
    LinesAtSlot(canvas_, lineCount, spacing, utf8Lines, slot(index), page_, origins_, env_.options);
}

HSpan PageContext::captionRule(int slotX) const
{
    const int width = pageAreaWidth();
    const int margin = innerMargin();
    // Compared exactly: a slot X at half the width counts as the left half.
    if (2 * slotX <= width)
        return {margin, 2 * slotX - margin};
    const int right = width - margin;
    return {2 * slotX - right, right};
}

HSpan PageContext::captionLine(int index, std::string_view captionUtf8, int drop, CaptionPlace place)
{
    TFstSlot& s = slot(index);
    const HSpan rule = captionRule(s.X);
    if (s.drawnOn(page_))
        hline(rule, s.Y, 2);
    s.Y = static_cast<std::uint16_t>(s.Y + drop);
    if (place == CaptionPlace::UnderLeftEnd)
        s.X = static_cast<std::uint16_t>(rule.left + 30);
    text(index, captionUtf8);
    return rule;
}

void PageContext::hline(HSpan span, int y, int lineType)
{
    DrawHLine(canvas_, span.left, span.right, y, offset_.offX, offset_.offY, lineType);
}

void PageContext::box(const PageRect& rect, int boxType)
{
    DrawBox(canvas_, rect.left, rect.top, rect.right, rect.bottom, offset_.offX, offset_.offY, boxType);
}

void PageContext::rotatedText(int index, std::string_view utf8, int angleDegrees)
{
    RotatedTextAtSlot(canvas_, utf8, slot(index), origins_, page_, angleDegrees, env_.options);
}

} // namespace ruvek
