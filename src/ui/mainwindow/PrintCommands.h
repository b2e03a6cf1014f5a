#pragma once
// The print commands of the main window's menu and speed bar: certificates,
// receipt acknowledgements and learning-development reports, for the current
// student or the current and all following students, to the printer or the
// preview window.
namespace ruvek::ui {

class TMainForm;

// Gives the print commands their handlers (and creates the preview window
// they share). Called once, when the program's forms are created.
void installPrintCommands(TMainForm& main);

} // namespace ruvek::ui
