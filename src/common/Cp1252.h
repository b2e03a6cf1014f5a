#pragma once
// Texts inside records and settings files are Windows-1252 bytes; the rest of
// the program (UI, drawing, JSON) speaks UTF-8. These two functions are the
// only crossing between the two.
#include <string>
#include <string_view>

namespace ruvek {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters
// of the same value, so every byte string survives a round trip.
std::string cp1252ToUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252. Characters that Windows-1252 cannot hold become '?'
// and clear *lossless when given; malformed UTF-8 bytes are treated the same.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

// The Windows-1252 letter as a capital (a-z, the accented letters à-þ
// except ÷, š, œ, ž, ÿ); other bytes as they are. For comparisons that
// ignore case, such as class names "7a" and "7A".
inline char cp1252Upper(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // š
    case 0x9C: return static_cast<char>(0x8C);  // œ
    case 0x9E: return static_cast<char>(0x8E);  // ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ
    default: return c;
    }
}

// Whether two Windows-1252 texts are equal when case is ignored.
inline bool equalIgnoringCaseCp1252(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1252Upper(a[i]) != cp1252Upper(b[i]))
            return false;
    return true;
}

} // namespace ruvek
