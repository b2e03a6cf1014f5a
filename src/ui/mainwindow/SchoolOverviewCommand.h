#pragma once
// The command "Datei → Schulübersicht …": the overview window of all class
// files of the data folder, beside the main window.
#include "ui/mainwindow/PrintCommands.h"

namespace ruvek::ui {

class TMainForm;

// Gives the command its handler: the window is made on first use and shows
// the data folder of the open class each time the command runs. `print` is
// how the print commands print (installPrintCommands).
void installSchoolOverview(TMainForm& main, PrintPlanRunner print);

} // namespace ruvek::ui
