#pragma once
// The name of the form editor, as the menu, the preview's button, the file
// dialog and the editor's window title all show it.

namespace ruvek::ui {

inline constexpr const char* kFormEditorName = "Formular-Steuerdatei bearbeiten";
// The menu entry and the preview's button, which open a window.
inline constexpr const char* kFormEditorCommand = "Formular-Steuerdatei bearbeiten …";

} // namespace ruvek::ui
