#pragma once
// What the editor's controls hold, as plain values: the seam between the
// editor's rules (show and store, in this library) and whatever displays the
// controls (the Qt pages, or an in-memory form for the command-line tool and
// the tests). Show produces FormValues from a record; the view puts them into
// its widgets. Store reads FormValues back from the view and writes them into
// the record. Texts are Windows-1252, exactly as in the record; the view
// converts at its own boundary.
#include "editor/EditorControls.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ruvek::editor {

enum class CheckState { Unchecked, Checked, Greyed };

// The value of one control, in the terms of its kind; fields a kind does not
// use stay at their defaults.
struct ControlValue {
    // Line edit, mask edit, memo: the text. Label: the caption. Combo box:
    // the text of the selected entry (empty when none is selected).
    std::string text;
    // Combo box and radio group: the selected entry, -1 when none.
    int index = -1;
    // Check box.
    CheckState check = CheckState::Unchecked;
    // The tooltip (a subject label or elective selector shows the slot's
    // Hinweis); nullopt leaves the control's own hint.
    std::optional<std::string> hint;
    // Labels drawn in red (the label colours of the subject rows).
    bool red = false;
    // Combo box: the entries it offers, when show sets them anew; nullopt
    // keeps the entries it has.
    std::optional<std::vector<std::string>> items;
    // The name a screen reader speaks for the control (the controls of the
    // subject rows are named by their row's subject); nullopt leaves the
    // control's own name.
    std::optional<std::string> accessibleName;

    bool operator==(const ControlValue&) const = default;
};

struct FormValues {
    std::array<ControlValue, kControlCount> controls{};
    // The controls that are visible. Show sets every control whose
    // visibility it decides; store reads it to skip hidden selectors.
    ControlSet visible;

    ControlValue& operator[](ControlId id) { return controls[index(id)]; }
    const ControlValue& operator[](ControlId id) const { return controls[index(id)]; }
    bool isVisible(ControlId id) const { return visible.test(index(id)); }
    void setVisible(ControlId id, bool on) { visible.set(index(id), on); }
};

} // namespace ruvek::editor
