#pragma once
// The command "auf Vollständigkeit" of the menu "Testen": stores the
// current record, checks the class and shows the findings; a double-click
// on a finding goes to the student and focuses the field in the editor.
#include "classfile/OpenClass.h"
#include "settings/Installation.h"

#include <QWidget>
#include <functional>

namespace ruvek::ui {

// The main window as the check sees it: the widget that holds the editor's
// controls, its side of the class-file commands, the open class and the
// loaded installation.
struct CompletenessHost {
    QWidget& window;
    ClassFileView& view;
    OpenClass& klasse;
    const Installation& installation;
};

// Creates the findings window (a child of the host's window) and returns
// the command that fills and shows it. Called once, when the program's
// forms are created.
std::function<void()> makeCompletenessCommand(CompletenessHost host);

// Makes the record at listIndex current (storing the form first), brings
// the editor page holding the control `field` to the front and focuses it.
void showRecordField(const CompletenessHost& host, int listIndex, const char* field);

} // namespace ruvek::ui
