#include "exchange/ImportText.h"

#include "common/Cp1252.h"
#include "common/InputFile.h"
#include "common/TextInput.h"

#include <algorithm>
#include <array>

#include <string_view>

namespace ruvek {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence at s[i], or 0 when it is malformed
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    return n;
}

bool isValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceLength(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

struct WideEncoding {
    int unit = 0;          // 2 or 4 bytes; 0: not UTF-16/UTF-32
    bool bigEndian = false;
    std::size_t skip = 0;  // length of the byte-order mark
};

// UTF-16 and UTF-32 by their byte-order mark, or by their zero bytes: text
// in them that is mostly Latin has a zero in every second (fourth) byte,
// which Windows-1252 and UTF-8 text never has.
WideEncoding wideEncodingOf(ConstBytes b)
{
    const auto starts = [&](std::initializer_list<std::uint8_t> p) {
        return b.size() >= p.size() && std::equal(p.begin(), p.end(), b.begin());
    };
    if (starts({0xFF, 0xFE, 0x00, 0x00}))
        return {4, false, 4};
    if (starts({0x00, 0x00, 0xFE, 0xFF}))
        return {4, true, 4};
    if (starts({0xFF, 0xFE}))
        return {2, false, 2};
    if (starts({0xFE, 0xFF}))
        return {2, true, 2};
    const std::size_t n = std::min<std::size_t>(b.size(), 400);
    if (n < 2 || std::find(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n), 0) == b.begin() + static_cast<std::ptrdiff_t>(n))
        return {};
    std::array<std::size_t, 4> zeros{};
    for (std::size_t i = 0; i < n; ++i)
        zeros[i % 4] += b[i] == 0;
    const std::size_t quarter = n / 4;
    // Every unit's high bytes zero, its low byte not.
    if (b.size() % 4 == 0 && quarter > 0) {
        if (zeros[1] == quarter && zeros[2] == quarter && zeros[3] == quarter && zeros[0] < quarter)
            return {4, false, 0};
        if (zeros[0] == quarter && zeros[1] == quarter && zeros[2] == quarter && zeros[3] < quarter)
            return {4, true, 0};
    }
    if (b.size() % 2 == 0) {
        const std::size_t even = zeros[0] + zeros[2], odd = zeros[1] + zeros[3], half = n / 2;
        if (odd * 10 >= half * 9 && even * 10 < half)
            return {2, false, 0};
        if (even * 10 >= half * 9 && odd * 10 < half)
            return {2, true, 0};
    }
    return {};
}

// The UTF-8 text of UTF-16 or UTF-32 bytes; nullopt when they are broken
// (an odd length, a lone surrogate, a value beyond U+10FFFF).
std::optional<std::string> wideToUtf8(ConstBytes b, const WideEncoding& e)
{
    b = b.subspan(e.skip);
    if (b.size() % static_cast<std::size_t>(e.unit) != 0)
        return std::nullopt;
    const auto unitAt = [&](std::size_t i) {
        std::uint32_t v = 0;
        for (int k = 0; k < e.unit; ++k) {
            const std::uint32_t byte = b[i + static_cast<std::size_t>(e.bigEndian ? k : e.unit - 1 - k)];
            v = (v << 8) | byte;
        }
        return v;
    };
    std::string out;
    out.reserve(b.size());
    for (std::size_t i = 0; i < b.size(); i += static_cast<std::size_t>(e.unit)) {
        std::uint32_t cp = unitAt(i);
        if (e.unit == 2 && cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 2 >= b.size())
                return std::nullopt;
            const std::uint32_t low = unitAt(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return std::nullopt;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::string encodingName(const WideEncoding& e)
{
    return std::string(e.unit == 2 ? "UTF-16" : "UTF-32") + (e.bigEndian ? "BE" : "LE");
}

// The first character of the lines that no keyboard types, as a message
// naming line and field (fields counted from 1, as ";" and tabs part them).
std::string controlCharacterRefusal(const std::vector<std::string>& lines)
{
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            if (!isControlByte(c) || c == '\t')
                continue;
            const auto field = 1 + std::count_if(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(i),
                                                 [](char x) { return x == ';' || x == '\t'; });
            return "Zeile " + std::to_string(n + 1) + ", Feld " + std::to_string(field) + ": Die Datei enthält ein Zeichen, das in den Zeugnisdaten nicht stehen kann: " +
                   controlCharacterName(c) + ".";
        }
    }
    return {};
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

ImportText decodeImportText(ConstBytes bytes)
{
    ImportText out;
    std::string wide;
    if (const WideEncoding e = wideEncodingOf(bytes); e.unit != 0) {
        const auto converted = wideToUtf8(bytes, e);
        if (!converted) {
            out.refused = "Die Datei ist keine gültige " + encodingName(e) + "-Datei.";
            out.undecodable = true;
            return out;
        }
        out.encoding = encodingName(e);
        wide = std::move(*converted);
        bytes = ConstBytes(reinterpret_cast<const std::uint8_t*>(wide.data()), wide.size());
    }
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool bom = text.starts_with(kByteOrderMark);
    if (bom)
        text.remove_prefix(kByteOrderMark.size());
    // Plain ASCII reads the same either way; Windows-1252 text with
    // umlauts is practically never valid UTF-8.
    out.utf8 = bom || !out.encoding.empty() || isValidUtf8(text);
    const auto lines = splitLines(text);
    out.lines.reserve(lines.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (!out.utf8) {
            out.lines.emplace_back(line);
            continue;
        }
        std::string converted;
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t len = utf8SequenceLength(line, i);
            if (len == 0) {
                // A byte-order mark promised UTF-8 but the byte starts no
                // character: it is kept as "?" and reported.
                converted += '?';
                out.unmappable.push_back({static_cast<int>(n + 1), "\uFFFD"});
                ++i;
                continue;
            }
            const std::string_view ch = line.substr(i, len);
            bool lossless = true;
            converted += utf8ToCp1252(ch, &lossless);
            if (!lossless)
                out.unmappable.push_back({static_cast<int>(n + 1), std::string(ch)});
            i += len;
        }
        out.lines.push_back(std::move(converted));
    }
    out.refused = controlCharacterRefusal(out.lines);
    return out;
}

std::optional<ImportText> readImportText(const std::filesystem::path& path, std::string& error)
{
    InputFile file = readInputFile(path, kImportTextLimit);
    if (!file) {
        error = file.message;
        return std::nullopt;
    }
    ImportText text = decodeImportText(file.bytes);
    if (text.undecodable) {
        error = "Die Datei „" + path.string() + "“ kann nicht gelesen werden: " + text.refused;
        return std::nullopt;
    }
    return text;
}

std::string unmappableReport(const std::vector<UnmappableCharacter>& found)
{
    std::string out;
    for (const auto& u : found)
        out += "Zeile " + std::to_string(u.line) + ": das Zeichen \"" + u.character +
               "\" kann nicht gespeichert werden und wird zu \"?\".\n";
    return out;
}

} // namespace ruvek
