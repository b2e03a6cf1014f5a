#pragma once
// What text from outside may hold before it goes into a record: the
// characters a teacher can type. NUL and the other control characters (and
// DEL) are refused at the door - from an import file, a grade list, the
// command line or the clipboard - because no editor field shows them and
// they would reach certificates and lists unseen. Only text boxes (memos)
// hold line breaks.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvek {

// Whether the byte (Windows-1252 or UTF-8) is a control character: 0x00-0x1F
// or 0x7F.
inline bool isControlByte(unsigned char c) { return c < 0x20 || c == 0x7F; }

// The position of the first control character of `text`; CR and LF do not
// count when `lineBreaksAllowed`. nullopt when there is none.
inline std::optional<std::size_t> findControlCharacter(std::string_view text, bool lineBreaksAllowed = false)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isControlByte(c) && !(lineBreaksAllowed && (c == '\r' || c == '\n')))
            return i;
    }
    return std::nullopt;
}

// How a message names a control character: "NUL (Code 0)", "Tabulator (Code 9)",
// "Zeilenumbruch (Code 10)", "Steuerzeichen (Code 1)".
inline std::string controlCharacterName(unsigned char c)
{
    const std::string code = " (Code " + std::to_string(c) + ")";
    switch (c) {
    case 0: return "NUL" + code;
    case '\t': return "Tabulator" + code;
    case '\n':
    case '\r': return "Zeilenumbruch" + code;
    default: return "Steuerzeichen" + code;
    }
}

} // namespace ruvek
