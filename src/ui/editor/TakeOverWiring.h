#pragma once
// The "für ALLE" buttons of the editor pages as the main window wires them;
// the table and the values they hand on are the editor's
// (editor/HeadTakeOver.h).
#include "editor/HeadTakeOver.h"

#include <span>

namespace ruvek::ui::editor {

using HeadTakeOverButton = ruvek::editor::HeadTakeOverButton;

// Every head-data button of the pages, in page order.
std::span<const HeadTakeOverButton> headTakeOverButtons();

// The value the button hands on, from the form as read from the controls.
ruvek::editor::HeadValue headValue(const HeadTakeOverButton& button, const ruvek::editor::FormValues& form);

} // namespace ruvek::ui::editor
