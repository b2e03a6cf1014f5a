#pragma once
// The "für ALLE" buttons of the editor pages: which button hands on which
// head data, and the value it takes from the form (what the controls show
// now, read as a store would read them, not what the record holds).
#include "editor/BulkTakeOver.h"
#include "editor/EditorControls.h"
#include "editor/FormValues.h"

#include <optional>
#include <span>

namespace ruvek::editor {

struct HeadTakeOverButton {
    ControlId control; // the button
    HeadButton button;
    // The controls the value comes from; nullopt where the button has none.
    std::optional<ControlId> index;  // selector or radio group
    std::optional<ControlId> text;
    std::optional<ControlId> text2;
    std::optional<ControlId> check;
};

// Every head-data button of the pages, in page order.
std::span<const HeadTakeOverButton> HeadTakeOverButtons();

// The value the button hands on, from the form as read from the controls.
HeadValue HeadValueOf(const HeadTakeOverButton& button, const FormValues& form);

} // namespace ruvek::editor
