#include "layouts/TextHelpers.h"

#include "grades/Annex.h"

#include <algorithm>
#include <charconv>

namespace ruvek {

bool WrappedText::cut() const
{
    return std::any_of(overflow.begin(), overflow.end(),
                       [](char c) { return c != ' ' && c != '-' && c != '\r' && c != '\n'; });
}

WrappedText WrapText(std::string_view text, int lineCount, int width)
{
    WrappedText result;
    const bool countInRange = lineCount >= 1 && lineCount <= kMaxTextBlockLines;
    result.lines.assign(static_cast<std::size_t>(countInRange ? lineCount : kMaxTextBlockLines), std::string());
    const std::size_t lineWidth = static_cast<std::size_t>(std::clamp(width, 0, kMaxPrintedLineChars));
    if (!countInRange || lineWidth == 0) {
        result.overflow = std::string(text);
        return result;
    }

    std::size_t pos = 0;
    std::size_t line = 0;
    const auto lines = static_cast<std::size_t>(lineCount);
    while (pos < text.size() && line < lines) {
        const char c = text[pos];
        if (c == '\n') {
            // The LF of a CR LF pair is skipped; a lone LF breaks the line too.
            if (pos == 0 || text[pos - 1] != '\r')
                ++line;
            ++pos;
            continue;
        }
        if (c == '\r') {
            ++line;
            ++pos;
            continue;
        }
        if (static_cast<unsigned char>(c) < 32)
            break; // any other control character ends the text
        std::string& current = result.lines[line];
        if (current.size() < lineWidth) {
            current += c;
            ++pos;
            continue;
        }
        // The line is full. A blank at the break is dropped. Inside a word
        // (a hyphen that does not fit belongs to its word: "Lena-Marie"
        // keeps it) the word moves to the next line after the last blank
        // or hyphen of the line, unless it is longer than a whole line: then
        // it is broken at the line width.
        if (c == ' ') {
            ++pos;
        } else if (const auto keep = current.find_last_of(" -");
                   keep != std::string::npos && !(keep == 0 && current[0] == '-')) {
            // (A hyphen that begins the line is no break: it would stand alone.)
            pos -= current.size() - (keep + 1);
            current.resize(keep + 1);
        }
        ++line;
    }
    if (pos < text.size())
        result.overflow = std::string(text.substr(pos));
    return result;
}

bool EndsWithDashes(std::string_view line)
{
    if (line.size() < 2)
        return false;
    const std::string_view tail = line.substr(line.size() - std::min<std::size_t>(5, line.size()));
    return tail.find("- -") != std::string_view::npos || tail.find("--") != std::string_view::npos;
}

WrappedText FinishTextLines(std::string_view text, int maxLength, int lineCount, int width, int streichungsart,
                            std::string_view streichzeichen)
{
    WrappedText wrapped = WrapText(text.substr(0, static_cast<std::size_t>(std::max(maxLength, 0))), lineCount, width);
    if (lineCount < 1 || lineCount > kMaxTextBlockLines)
        return wrapped;

    const std::string s = streichzeichen.empty() ? std::string("-") : std::string(streichzeichen.substr(0, 1));
    auto repeated = [&](int n) {
        std::string out;
        for (int k = 0; k < n; ++k)
            out += s;
        return out.substr(0, kMaxPrintedLineChars);
    };
    auto& lines = wrapped.lines;
    const int count = static_cast<int>(lines.size());
    int last = -1; // last line that is not empty
    for (int i = 0; i < count; ++i)
        if (!lines[static_cast<std::size_t>(i)].empty())
            last = i;
    const bool endsWithDashes = last >= 0 && EndsWithDashes(lines[static_cast<std::size_t>(last)]);
    auto setLine = [&](int i, std::string value) {
        if (i >= 0 && i < count)
            lines[static_cast<std::size_t>(i)] = std::move(value);
    };
    const int lineWidth = std::clamp(width, 0, kMaxPrintedLineChars);

    switch (streichungsart) {
    case 1:
        if (!endsWithDashes)
            setLine(last + 1, repeated(5));
        break;
    case 2:
        for (int i = last + 1; i < count; ++i)
            setLine(i, repeated(5));
        break;
    case 3:
        for (int i = last + 1; i < count; ++i)
            setLine(i, repeated(lineWidth));
        break;
    case 4:
        if (endsWithDashes)
            break;
        if (last >= 0 && static_cast<int>(lines[static_cast<std::size_t>(last)].size()) < lineWidth - 7) {
            std::string& l = lines[static_cast<std::size_t>(last)];
            l = (l + " " + repeated(5)).substr(0, kMaxPrintedLineChars);
        } else {
            setLine(last + 1, repeated(5));
        }
        break;
    default:
        break;
    }
    return wrapped;
}

std::string NormalizeDate(std::string_view date)
{
    auto isFiller = [](char c) { return c == ' ' || c == '0' || c == '_'; };
    auto from = [&](std::string_view s, std::size_t start) { return start < s.size() ? s.substr(start) : std::string_view(); };
    auto take = [&](std::string_view s, std::size_t start, std::size_t n) {
        return start < s.size() ? s.substr(start, n) : std::string_view();
    };

    std::string_view day;
    std::string_view rest;
    if (date.size() >= 2 && date[1] == '.') {
        day = date.substr(0, 2);
        rest = from(date, 2);
    } else if (!date.empty() && isFiller(date[0])) {
        day = take(date, 1, 2);
        rest = from(date, 3);
    } else {
        day = take(date, 0, 3);
        rest = from(date, 3);
    }
    std::string_view month = rest;
    if (!(rest.size() >= 2 && rest[1] == '.') && !rest.empty() && isFiller(rest[0]))
        month = rest.substr(1);
    return std::string(day) + std::string(month);
}

SchoolYearTexts SchoolYearEnd(std::string_view begin)
{
    SchoolYearTexts result{std::string(begin), std::string()};
    if (begin.size() == 4) {
        const int year = YearOfText(begin);
        result.end = year >= 2000 && year <= 2100 ? std::to_string(year + 1) : "????";
    } else if (begin.size() == 2) {
        int n = 0;
        const auto [end, ec] = std::from_chars(begin.data(), begin.data() + begin.size(), n);
        if (ec != std::errc() || end != begin.data() + begin.size())
            return result; // no number: no end year
        if (n < 100) {
            result.begin = "20" + std::string(begin);
            result.end = std::to_string(2001 + n);
        } else {
            result.begin = "??" + std::string(begin);
            result.end = "????";
        }
    }
    return result;
}

} // namespace ruvek
