#include "print/FormFile.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"

#include <cstdint>
#include <vector>

namespace ruvek {
namespace {

// Splits at CR LF, LF or a lone CR. A line end after the last line does not
// start another line.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

struct NumberLine {
    std::int64_t value = 0;   // exact value, clamped far outside any index
    std::uint16_t word = 0;   // value modulo 65536
};

std::optional<NumberLine> parseNumberLine(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) {
        negative = line[i] == '-';
        ++i;
    }
    if (i >= line.size() || line[i] < '0' || line[i] > '9')
        return std::nullopt;
    std::uint32_t modulo = 0;
    std::int64_t exact = 0;
    constexpr std::int64_t kClamp = 1'000'000'000;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        const int digit = line[i] - '0';
        modulo = (modulo * 10 + static_cast<std::uint32_t>(digit)) % 65536u;
        exact = exact >= kClamp ? kClamp : exact * 10 + digit;
    }
    NumberLine n;
    n.value = negative ? -exact : exact;
    n.word = static_cast<std::uint16_t>(negative ? (65536u - modulo) % 65536u : modulo);
    return n;
}

} // namespace

FormFileParseResult ParseFormFile(std::string_view bytes, const TFstTable& slots)
{
    FormFileParseResult result;
    result.content.slots = slots;
    const auto lines = splitLines(bytes);
    if (!lines.empty())
        result.content.title = cp1252ToUtf8(lines[0]);

    std::size_t next = 2; // 0-based: line 1 title, line 2 separator
    auto readNumber = [&](NumberLine& out) {
        if (next >= lines.size()) {
            result.error = FormFileParseError{static_cast<int>(next + 1), true, {}};
            return false;
        }
        const auto parsed = parseNumberLine(lines[next]);
        if (!parsed) {
            result.error = FormFileParseError{static_cast<int>(next + 1), false, cp1252ToUtf8(lines[next])};
            return false;
        }
        out = *parsed;
        ++next;
        return true;
    };

    for (std::size_t index = 0; index < kFstSlotCount; ++index) {
        NumberLine n;
        if (!readNumber(n))
            return result;
        if (n.value != static_cast<std::int64_t>(index))
            result.content.indexMismatch = true;
        TFstSlot& s = result.content.slots[index];
        for (std::uint16_t* field : {&s.X, &s.Y, &s.Align, &s.Font, &s.Page, &s.Visible}) {
            if (!readNumber(n))
                return result;
            *field = n.word;
        }
        ++next; // comment line; a file may end right after the last number
    }
    return result;
}

std::string FormFileText(std::string_view titleUtf8, const TFstTable& slots)
{
    std::string title = utf8ToCp1252(titleUtf8);
    // The title is one line; a line break in it would shift every entry.
    for (char& c : title)
        if (c == '\r' || c == '\n')
            c = ' ';

    std::string out;
    out.reserve(16 * 1024);
    auto line = [&out](std::string_view s) {
        out.append(s);
        out.append("\r\n");
    };
    line(title);
    line(kFormSeparatorLine);
    for (std::size_t index = 0; index < kFstSlotCount; ++index) {
        const TFstSlot& s = slots[index];
        line(std::to_string(index));
        for (std::uint16_t v : {s.X, s.Y, s.Align, s.Font, s.Page, s.Visible})
            line(std::to_string(v));
        line(kFormCommentLine);
    }
    return out;
}

bool WriteFormFile(const std::filesystem::path& file, std::string_view titleUtf8, const TFstTable& slots,
                   std::string* error)
{
    const std::string text = FormFileText(titleUtf8, slots);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileSafely(file, ConstBytes(data, text.size()), error);
}

void NewFormDefaults(TFstTable& slots)
{
    slots.fill(TFstSlot{});
    slots[1] = {0, 0, 0, 12, 3, 1};
    slots[2] = {1800, 2600, 0, 12, 3, 1};
    slots[3] = {900, 200, 0, 10, 1, 1};
    slots[4] = {900, 200, 1, 13, 1, 1};
    slots[5] = {900, 300, 1, 20, 1, 1};
    slots[6] = {1800, 2650, 0, 29, 1, 0};
    slots[105] = {1800, 2650, 0, 29, 1, 0};
}

} // namespace ruvek
