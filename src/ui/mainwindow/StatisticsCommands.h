#pragma once
// The evaluation and exchange commands of the main window: the grade
// statistics, the subject and grade overview, and the export and import of
// subject grade lists for the subject teachers (subjects and electives).
namespace ruvek::ui {

class TMainForm;

// Creates the windows of these commands and gives the commands their
// handlers; shows the submenu of the exchange with the subject teachers.
// Called once, when the program's forms are created.
void installStatisticsCommands(TMainForm& main);

} // namespace ruvek::ui
