#pragma once
// Which control shows and stores which field of the student record, and how.
//
// One row per bound control. A field is named as in the record's visitFields
// list ("Name", "ZgnTyp", ...); a field of a subject slot is named as in the
// slot's list ("Fach", "Note", ...) together with the slot number 1..25.
// Controls that show a value computed from the record (record number, annex
// display, end of the school year, ...) have a show rule but no field or the
// field they are computed from.
//
// Each binding is part of its control's row in the list of the editor's
// controls (editor/EditorControls.h); this table gathers them in store
// order: mirrors first (so Edit5/Edit6 win over Edit1/Edit2), then personal
// and head data, the subject page's and the foot data, the three texts,
// then the subject rows 1..18, the elective rows W1..W6 and slot 25. Show
// follows its own order (head controls first, then the annex-dependent
// layout, then the rows); it picks the rows it needs from this table.
#include "editor/EditorControls.h"

#include <span>
#include <string_view>

namespace ruvek::editor {

// Record -> control.
enum class ShowRule {
    None,
    Text,                // the field's text
    Decimal,             // an integer field as a decimal number
    Checked1,            // ticked when the field is 1
    DeletedState,        // Status: ticked when 0, not ticked when 1, greyed otherwise
    Index,               // the field is the entry index
    IndexThenTypeChange, // index, then the certificate type's change handler runs
    TextThenYearCheck,   // text, then the school-year check fills Edit64
    SchoolYearEnd,       // the year in which the school year ends (school-year check)
    EntryByName,         // the entry whose text equals the field; none when none matches
    EntryByNameWithHint, // as EntryByName; the tooltip is the slot's Hinweis
    CaptionWithHint,     // label caption; the tooltip is the slot's Hinweis
    AnnexDisplay,        // "4a" for annex 104, else the annex computed from the head data
    ExamSubjectGrade,    // Note of the slot that carries the examination subject
    MemoText,            // a text field, CR LF line breaks
    RecordNumber,        // current index + 1
    RecordCount,         // number of records
};

// Control -> record.
enum class StoreRule {
    None,       // shown only
    Text,       // text cut to the capacity
    Index,      // entry index
    Check01,    // 1 when ticked, else 0
    GradeEntry, // normalised grade entry, one character
    MemoText,   // text field, cut to the capacity
};

struct FieldBinding {
    ControlId control;
    std::string_view field; // name in visitFields; empty: no field
    int slot;               // 1..25 for a subject-slot field, 0 for a record field
    ShowRule show;
    StoreRule store;
    int capacity;           // characters kept by StoreRule Text/MemoText/GradeEntry, else 0
    bool storedOnlyWhenVisible;
};

// All rows, in store order.
std::span<const FieldBinding> FieldBindings();

// The row of a control, if it is bound.
const FieldBinding* FindBinding(ControlId control);

} // namespace ruvek::editor
