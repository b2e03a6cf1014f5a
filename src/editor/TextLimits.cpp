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

} // namespace ruvek::editor
