#pragma once
// The rules of the record editor as data, free of any widget toolkit.
//
// The editor shows the current student record in its controls and stores the
// controls back into the record. What it does is mostly table work, so the
// tables live here and the code that uses them stays small:
//
// - EditorControls.h: every control the editor rules speak of, by
//   objectName and kind. ControlId, the name table and the kind table are
//   generated from one list; ControlSet is a bit set over ControlId.
//
// - FieldBindings.h: one row per bound control: the record field (as named
//   in visitFields, plus the slot number for subject-slot fields), the show
//   rule, the store rule, the capacity and whether the field is stored only
//   while the control is visible. The rows stand in store order.
//
// - Visibility.h: VisibleControls(annex, certificate type, school type,
//   ZeigeZusatz) gives the controls the annex shows, out of
//   AnnexDecidedControls(); SelectorList gives the subject list a row
//   selector offers.
//
// - StudentList.h, Navigation.h: the entries of the student list and its
//   selection, the four navigation buttons, the list click, and the index a
//   show may use.
//
// How they are meant to be used:
//
// A generic show walks FieldBindings(): for each row it reads the field
// (found through visitFields by name, in the slot for slot > 0) and hands the
// value with the show rule to a control adapter, which knows how to put a
// text, an index, a tick or an entry into its kind of control. Rules that
// need more than the field (AnnexDisplay, SchoolYearEnd, ExamSubjectGrade,
// RecordNumber, ...) call the logic that computes them. A generic store walks
// the same rows in order, skips StoreRule::None, skips rows with
// storedOnlyWhenVisible whose control is hidden, and writes the adapter's
// value back under the store rule and the capacity. Neither needs to know a
// single control by name.
//
// A thin Qt binder finds each widget once by objectName
// (findChild<QWidget*>(QString::fromLatin1(controlName(id)))), keeps them in
// an array indexed by ControlId, implements the control adapter for its
// widget classes, and after every show applies VisibleControls() to the
// controls in AnnexDecidedControls(), setting each row selector's list from
// SelectorList(). Controls outside that set keep the visibility their own
// rules give them (the deleted box, the changed-data indicator, ...).
#include "editor/EditorControls.h"
#include "editor/FieldBindings.h"
#include "editor/Navigation.h"
#include "editor/StudentList.h"
#include "editor/Visibility.h"
