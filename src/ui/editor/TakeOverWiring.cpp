#include "ui/editor/TakeOverWiring.h"

namespace ruvek::ui::editor {

std::span<const HeadTakeOverButton> headTakeOverButtons() { return ruvek::editor::HeadTakeOverButtons(); }

ruvek::editor::HeadValue headValue(const HeadTakeOverButton& button, const ruvek::editor::FormValues& form)
{
    return ruvek::editor::HeadValueOf(button, form);
}

} // namespace ruvek::ui::editor
