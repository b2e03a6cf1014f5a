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

} // namespace ruvek
