#include "CliText.h"

#include <cstdio>

std::string escapeControls(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    char hex[8];
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '\n': out += "\\n"; continue;
        case '\r': out += "\\r"; continue;
        case '\t': out += "\\t"; continue;
        case '\\': out += "\\\\"; continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F) {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            // U+0080..U+009F, the C1 controls, encoded in two bytes.
            std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned char>(utf8[++i]));
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
