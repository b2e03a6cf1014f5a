#pragma once
// The name a teacher knows a control of the record editor by ("Klassenlehrer"
// rather than "Edit66"), for messages and lists that point at a field. It is
// the row's teacher name in the list of the editor's controls (UTF-8).
#include "editor/EditorControls.h"

#include <string>

namespace ruvek::editor {

// The caption of a control; empty for a control without one.
std::string ControlCaption(ControlId control);

} // namespace ruvek::editor
