#pragma once
// What each control of the editor's list (editor/EditorControls.h) is: one
// row per control with everything the pages, the binder, the binding table
// and the captions need. The rows are read from the list itself; nothing
// about a control is kept anywhere else.
//
// Texts are UTF-8 (as the captions the completeness check prints); the
// entries of a selector are Windows-1252, as every entry list the editor's
// rules hand to the view. The view converts at its own boundary.
#include "editor/EditorControls.h"
#include "editor/FieldBindings.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ruvek::editor {

// Where a control is built: by the main window, or by one of the five
// editor pages.
enum class EditorPage { Window, Kopf, Text, Vermerke, Faecher, Fuss };

// The fixed entries a selector or radio group starts with.
enum class ItemList {
    None,
    CertificateType, // CertificateTypeItems()
    ClassLevel,      // ClassLevelItems()
    Praedikat,       // PraedikatItems()
    Qualification,   // QualificationItems()
    ClassKind,       // ClassKindItems()
    LevelOfDemand,   // LevelOfDemandItems()
    Recommendation,  // RecommendationItems()
    RemarkPhrases,   // RemarkPhraseEntries()
};

// How a control of its kind looks and behaves apart from its texts.
enum class ControlLook {
    Standard,
    Display,  // line edit: read-only, no Tab stop, centred (annex, end of the school year, ...)
    TakeOver, // button: the small "für ALLE" button beside head data
    Speed,    // button: a speed button (tool button)
};

struct ControlRow {
    ControlId id;
    EditorPage page = EditorPage::Window;
    ControlLook look = ControlLook::Standard;
    // The caption of the label in front of the control that names it for
    // keyboard users and screen readers ("&Name:"); empty: none, or ...
    std::string label;
    // ... the label control that names it (Label71 names ComboBox44).
    std::optional<ControlId> labelledBy;
    // The control's own caption (labels, check boxes, buttons, group boxes,
    // radio groups); for a date field the empty mask ("  .  .19  ").
    std::string text;
    // Tooltip and status-bar text; empty: none.
    std::string hint;
    // The name a teacher knows the control by ("Klassenlehrer", "Note
    // Zeile 3"); empty: none.
    std::string teacherName;
    ItemList items = ItemList::None;
    // How the control shows and stores its field of the record.
    std::optional<FieldBinding> binding;
};

// Every row, in the order of the list (the form's controls, then the
// page-only ones).
std::span<const ControlRow> ControlRows();

const ControlRow& Row(ControlId control);

// The entries of a list (Windows-1252); empty for ItemList::None.
std::vector<std::string> ItemsOf(ItemList list);

} // namespace ruvek::editor
