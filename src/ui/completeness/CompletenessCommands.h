#pragma once
// The command "auf Vollständigkeit" of the menu "Testen": stores the
// current record, checks the class and shows the findings; a double-click
// on a finding goes to the student and focuses the field in the editor.
namespace ruvek::ui {

class TMainForm;
class TVollstaendigkeitForm;

// Creates the findings window and gives the menu command its handler.
// Called once, when the program's forms are created.
void installCompletenessCommand(TMainForm& main);

// Makes the record at listIndex current (storing the form first), brings
// the editor page holding the control `field` to the front and focuses it.
void showRecordField(TMainForm& main, int listIndex, const char* field);

} // namespace ruvek::ui
