#include "common/Cp1252.h"

#include <array>
#include <cstdint>

namespace ruvek {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

int byteForCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

std::string cp1252ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b < 0x80)
            out.push_back(c);
        else if (b < 0xA0)
            appendUtf8(out, kHighTable[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8, bool* lossless)
{
    std::string out;
    out.reserve(utf8.size());
    bool exact = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
        bool valid = len != 0 && i + len <= utf8.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto cont = static_cast<std::uint8_t>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (cont & 0x3F);
        }
        if (!valid) {
            out.push_back('?');
            exact = false;
            ++i;
            continue;
        }
        const int mapped = byteForCodePoint(cp);
        if (mapped < 0) {
            out.push_back('?');
            exact = false;
        } else {
            out.push_back(static_cast<char>(mapped));
        }
        i += len;
    }
    if (lossless)
        *lossless = exact;
    return out;
}

} // namespace ruvek
