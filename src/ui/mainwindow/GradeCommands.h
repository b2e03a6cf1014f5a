#pragma once
// The grade commands of the main window: the subject-wise entry, the two
// text imports under "mit anderen Programmen", and the class grade table on
// the page "Schüler-Tabelle".
namespace ruvek::ui {

class TMainForm;

// Gives the commands their handlers and sets up the grade table. Called
// once, when the program's forms are created.
void installGradeCommands(TMainForm& main);

} // namespace ruvek::ui
