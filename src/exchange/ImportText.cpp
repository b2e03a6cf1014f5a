#include "exchange/ImportText.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"

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
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ImportText out;
    const bool bom = text.starts_with(kByteOrderMark);
    if (bom)
        text.remove_prefix(kByteOrderMark.size());
    // Plain ASCII reads the same either way; Windows-1252 text with
    // umlauts is practically never valid UTF-8.
    out.utf8 = bom || isValidUtf8(text);
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
            const std::string_view ch = line.substr(i, len);
            bool lossless = true;
            converted += utf8ToCp1252(ch, &lossless);
            if (!lossless)
                out.unmappable.push_back({static_cast<int>(n + 1), std::string(ch)});
            i += len;
        }
        out.lines.push_back(std::move(converted));
    }
    return out;
}

std::optional<ImportText> readImportText(const std::filesystem::path& path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes))
        return std::nullopt;
    return decodeImportText(bytes);
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
