#include "editor/ControlCaptions.h"

#include "editor/ControlRows.h"

namespace ruvek::editor {

std::string ControlCaption(ControlId control) { return Row(control).teacherName; }

} // namespace ruvek::editor
