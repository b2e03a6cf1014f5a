#pragma once
// The display side of the record editor, as the editor's rules see it. The
// Qt pages implement it by finding their widgets by objectName; the command
// line and the tests implement it in memory. The editor object drives it:
// show writes, store reads, and the indicators and the student list follow
// every change.
#include "editor/FormPatch.h"
#include "editor/FormValues.h"
#include "editor/StudentList.h"

#include <string>

namespace ruvek::editor {

struct Indicators {
    int recordNumber = 0;   // Edit12: current index + 1 (0 for an empty class)
    int recordCount = 0;    // Edit13
    CheckState deleted = CheckState::Unchecked; // CheckBox2
    bool deletedBoxVisible = false;             // CheckBox2 shows with ZeigeGeloeschte only
    bool changed = false;   // Edit73 visible, "&Speichern" enabled
    bool operator==(const Indicators&) const = default;
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // Show: every control gets its value, its entries where given, its
    // tooltip and colour, and the visibility in values.visible for the
    // controls the show decides.
    virtual void writeForm(const FormValues& values) = 0;
    // Store: the values the user left in the controls, with their current
    // visibility.
    virtual FormValues readForm() const = 0;
    // A live handler's change of some values and visibilities. The default
    // goes through readForm/writeForm; a view that can touch single
    // controls overrides it.
    virtual void applyPatch(const FormPatch& patch)
    {
        FormValues form = readForm();
        patch.applyTo(form);
        writeForm(form);
    }

    virtual void setStudentList(const StudentList& list) = 0;
    virtual void setIndicators(const Indicators& indicators) = 0;
    // The button pairs "| <"/"<" and ">"/"> |".
    virtual void setNavigationEnabled(bool back, bool forward) = 0;
};

} // namespace ruvek::editor
