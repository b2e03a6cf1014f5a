#include "layouts/PageContext.h"

#include "common/Cp1252.h"
#include "print/Primitives.h"

namespace ruvek {

std::string FillCharacter(const TDrkEinstRec& options)
{
    const std::string_view c = options.NormalStreichzeichen.view();
    if (c.empty() || c == " ")
        return "#";
    return cp1252ToUtf8(c.substr(0, 1));
}

std::string StrikeText(const std::string& fill, int blanks, int fills, int trailing)
{
    std::string out(static_cast<std::size_t>(std::max(blanks, 0)), ' ');
    for (int i = 0; i < fills; ++i)
        out += fill;
    out.append(static_cast<std::size_t>(std::max(trailing, 0)), ' ');
    return out;
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

TFstSlot& PageContext::slot(int index) { return table_.at(static_cast<std::size_t>(index)); }
const TFstSlot& PageContext::slot(int index) const { return table_.at(static_cast<std::size_t>(index)); }

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
