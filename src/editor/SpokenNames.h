#pragma once
// The names a screen reader speaks for the controls of the subject rows and
// the elective rows. A row's controls are named by the subject the row
// stands for, never by what they hold: "Deutsch Note", "Englisch
// (1. Fremdsprache) Anspruchsebene", "Wahlpflichtfach 1 Fach". A row's
// subject is what the form shows for it: the caption of its label, or the
// entry chosen in its subject selector where the selector stands in place
// of the label. Names follow the form: show names every row anew, and a
// subject chosen in a selector renames the controls of its row.
//
// Names are Windows-1252, like every text of the form.
#include "editor/FormPatch.h"
#include "editor/FormValues.h"

#include <string>
#include <utility>
#include <vector>

namespace ruvek::editor {

// The name of every control of the subject rows 1..18, the elective rows
// W1..W6 and the overall elective grade, for a form laid out for annex
// `anlageFaecher` (which decides what each row selector offers).
std::vector<std::pair<ControlId, std::string>> RowControlNames(const FormValues& form, int anlageFaecher);

// Sets the names of RowControlNames into the form.
void NameRowControls(FormValues& form, int anlageFaecher);

// The renaming after the subject of `selector` (a subject selector
// ComboBoxF<k> or an elective selector ComboBoxW<w>) changed in the form:
// the names of the other controls of its row. Empty for other controls.
FormPatch RenameRowOf(ControlId selector, const FormValues& form, int anlageFaecher);

} // namespace ruvek::editor
