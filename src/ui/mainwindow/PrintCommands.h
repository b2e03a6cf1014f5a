#pragma once
// The print commands of the main window's menu and speed bar: certificates,
// receipt acknowledgements and learning-development reports, for the current
// student or the current and all following students, to the printer or the
// preview window.
#include "dispatch/PrintPlan.h"

#include <functional>
#include <string>

namespace ruvek::ui {

class TMainForm;

// Carries a print plan out as the print commands do: to the printer, or
// without one into one PDF file, with the preview window for previews. The
// PDF file is proposed under `title` (empty: the first document's title).
using PrintPlanRunner = std::function<void(const PrintPlan& plan, const std::string& title)>;

// Gives the print commands their handlers (and creates the preview window
// they share). Called once, when the program's forms are created. Returns
// their way of printing, for other windows that print.
PrintPlanRunner installPrintCommands(TMainForm& main);

} // namespace ruvek::ui
