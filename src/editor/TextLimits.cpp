#include "editor/TextLimits.h"

#include "common/Cp1252.h"
#include "editor/FieldBindings.h"

#include <algorithm>

namespace ruvek::editor {

int TextCapacity(ControlId control)
{
    const FieldBinding* b = FindBinding(control);
    if (b == nullptr || (b->store != StoreRule::Text && b->store != StoreRule::MemoText))
        return 0;
    return b->capacity;
}

bool IsCp1252Representable(std::string_view utf8)
{
    bool lossless = true;
    utf8ToCp1252(utf8, &lossless);
    return lossless;
}

namespace {

// The length of the UTF-8 sequence that starts with byte c (1 for a stray
// continuation byte, so a malformed text still advances).
std::size_t sequenceLength(unsigned char c)
{
    if (c >= 0xF0)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC0)
        return 2;
    return 1;
}

} // namespace

bool IsStorableCharacter(std::string_view ch)
{
    return ch == "\n" || ch == "\r" || ch == "\u2029" || IsCp1252Representable(ch);
}

std::string UnstorableCharacters(std::string_view utf8)
{
    std::string refused;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view ch = utf8.substr(i, n);
        if (!IsStorableCharacter(ch) && refused.find(ch) == std::string::npos)
            refused += ch;
        i += n;
    }
    return refused;
}

int StoredLength(std::string_view utf8)
{
    int n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view ch = utf8.substr(i, len);
        // A line break, also the paragraph separator U+2029, is stored as CR LF.
        n += (ch == "\n" || ch == "\u2029") ? 2 : 1;
        i += len;
    }
    return n;
}

std::string RefusedCharactersMessage(std::string_view refusedUtf8)
{
    return "Die Zeichen \"" + std::string(refusedUtf8) +
           "\" können in den Zeugnisdaten nicht gespeichert werden\nund wurden nicht übernommen.";
}

std::string FullFieldMessage(int capacity)
{
    return "Das Feld ist voll: es fasst höchstens " + std::to_string(capacity) + " Zeichen.";
}

std::string PastedTextCutMessage(int capacity)
{
    return "Dieses Textfeld fasst höchstens " + std::to_string(capacity) +
           " Zeichen;\nder eingefügte Text wurde entsprechend gekürzt.";
}

bool IsDateMaskText(std::string_view text)
{
    if (text.empty())
        return true;
    if (text.size() != 10)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 2 || i == 5 ? c != '.' : !(c == ' ' || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool IsRefusedWhenTyped(char32_t c)
{
    return (c < 0x20 && c != U'\n' && c != U'\r') || c == 0x7F;
}

char32_t ControlPicture(char32_t control)
{
    return control == 0x7F ? char32_t{0x2421} : char32_t{0x2400} + control;
}

} // namespace ruvek::editor
