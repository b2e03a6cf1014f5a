#pragma once
// An EditorView that keeps the form in memory: the command-line tool edits
// records through it, and the tests drive the editor with it. Editing a
// control goes through setText/setIndex/setEntry/setCheck, which accept only
// what the control of that kind could take.
#include "editor/EditorView.h"

#include <string>

namespace ruvek::editor {

class MemoryView : public EditorView {
public:
    void writeForm(const FormValues& values) override;
    FormValues readForm() const override { return form_; }
    void applyPatch(const FormPatch& patch) override { patch.applyTo(form_); }
    void setStudentList(const StudentList& list) override { list_ = list; }
    void setIndicators(const Indicators& indicators) override;
    void setNavigationEnabled(bool back, bool forward) override
    {
        backEnabled_ = back;
        forwardEnabled_ = forward;
    }

    // ---- what the user would do; each returns false (and changes nothing)
    // when the control cannot take the value. Texts are Windows-1252. ----
    // A line edit, mask edit or memo gets the text (cut to what its field
    // keeps). Refused: control characters (line breaks are kept in a memo)
    // and, in a mask edit, a text its date mask would not let through.
    bool setText(ControlId id, const std::string& text);
    // A combo box or radio group selects entry i (-1: no selection).
    bool setIndex(ControlId id, int i);
    // A combo box selects the entry with that text.
    bool setEntry(ControlId id, const std::string& text);
    // A check box is ticked or not.
    bool setCheck(ControlId id, bool checked);

    const FormValues& form() const { return form_; }
    FormValues& form() { return form_; }
    const StudentList& studentList() const { return list_; }
    const Indicators& indicators() const { return indicators_; }
    bool backEnabled() const { return backEnabled_; }
    bool forwardEnabled() const { return forwardEnabled_; }

private:
    FormValues form_;
    StudentList list_;
    Indicators indicators_;
    bool backEnabled_ = true;
    bool forwardEnabled_ = true;
};

} // namespace ruvek::editor
