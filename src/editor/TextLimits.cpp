#include "editor/TextLimits.h"

#include "common/Cp1252.h"
#include "editor/FieldBindings.h"

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

} // namespace ruvek::editor
