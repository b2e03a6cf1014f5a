#include "editor/ControlRows.h"

#include "common/Cp1252.h"
#include "editor/EditorForm.h"
#include "editor/RemarkPhrases.h"

#include <utility>

namespace ruvek::editor {
namespace {

using S = ShowRule;
using T = StoreRule;
using I = ItemList;

// ---- Builders of the list's third column ----

// A row under construction; each setter returns the row, so that a row of
// the list reads as one expression.
struct RowDraft {
    ControlRow row;

    RowDraft label(std::string caption) && { row.label = std::move(caption); return std::move(*this); }
    RowDraft labelledBy(ControlId label) && { row.labelledBy = label; return std::move(*this); }
    RowDraft text(std::string caption) && { row.text = std::move(caption); return std::move(*this); }
    RowDraft hint(std::string h) && { row.hint = std::move(h); return std::move(*this); }
    RowDraft teacher(std::string name) && { row.teacherName = std::move(name); return std::move(*this); }
    RowDraft items(ItemList list) && { row.items = list; return std::move(*this); }
    RowDraft display() && { row.look = ControlLook::Display; return std::move(*this); }
    RowDraft speed() && { row.look = ControlLook::Speed; return std::move(*this); }
    // The "für ALLE" button with its hint.
    RowDraft takeOver(std::string h) &&
    {
        row.look = ControlLook::TakeOver;
        row.text = "für ALLE";
        row.hint = std::move(h);
        return std::move(*this);
    }
    RowDraft bind(FieldBinding b) && { row.binding = b; return std::move(*this); }
};

RowDraft on(EditorPage page)
{
    RowDraft r;
    r.row.page = page;
    return r;
}
RowDraft window() { return on(EditorPage::Window); }
RowDraft kopf() { return on(EditorPage::Kopf); }
RowDraft textPage() { return on(EditorPage::Text); }
RowDraft vermerke() { return on(EditorPage::Vermerke); }
RowDraft faecher() { return on(EditorPage::Faecher); }
RowDraft fuss() { return on(EditorPage::Fuss); }

// Bindings; the control is filled in from the row.
constexpr FieldBinding rec(std::string_view field, S show, T store, int capacity = 0)
{
    return {ControlId{}, field, 0, show, store, capacity, false};
}
constexpr FieldBinding shown(std::string_view field, S show) { return rec(field, show, T::None); }
constexpr FieldBinding text(std::string_view field, int capacity) { return rec(field, S::Text, T::Text, capacity); }
constexpr FieldBinding indexed(std::string_view field) { return rec(field, S::Index, T::Index); }
constexpr FieldBinding check(std::string_view field) { return rec(field, S::Checked1, T::Check01); }
// A field of subject slot 1..25.
constexpr FieldBinding slot(int k, std::string_view field, S show, T store, int capacity, bool onlyWhenVisible)
{
    return {ControlId{}, field, k, show, store, capacity, onlyWhenVisible};
}

// ---- The generated rows ----
// Subject rows k = 1..18 on the page "Fächer u. Bewertungen".

std::string zeile(int k) { return " Zeile " + std::to_string(k); }

RowDraft subjectLabelRow(int k)
{
    return faecher().text("???").teacher("Fach" + zeile(k)).bind(
        slot(k, "Fach", S::CaptionWithHint, T::None, 0, false));
}
RowDraft subjectGradeRow(int k)
{
    return faecher().labelledBy(labelF(k)).teacher("Note" + zeile(k)).bind(
        slot(k, "Note", S::Text, T::GradeEntry, 1, false));
}
RowDraft subjectAdditionRow(int k) { return faecher().bind(slot(k, "Zusatz", S::Text, T::Text, 2, false)); }
RowDraft subjectLevelRow(int k)
{
    return faecher().teacher("Niveau" + zeile(k)).bind(slot(k, "Niveau", S::EntryByName, T::Text, 1, true));
}
RowDraft subjectSelectorRow(int k)
{
    return faecher().teacher("Fach" + zeile(k)).bind(slot(k, "Fach", S::EntryByName, T::Text, 30, true));
}

// Elective rows w = 1..6 (slots 19..24) on the page "(Wahlpfl. u.) Zeugnis-Fuß".
RowDraft electiveSubjectRow(int w)
{
    return fuss().teacher("Wahlpflichtfach W" + std::to_string(w))
        .bind(slot(18 + w, "Fach", S::EntryByNameWithHint, T::Text, 30, true));
}
RowDraft electiveGradeRow(int w)
{
    return fuss().teacher("Note W" + std::to_string(w)).bind(slot(18 + w, "Note", S::Text, T::GradeEntry, 1, false));
}
RowDraft electiveAdditionRow(int w) { return fuss().bind(slot(18 + w, "Zusatz", S::Text, T::Text, 2, false)); }
// The level selector of slot k = 19..24.
RowDraft electiveLevelRow(int k) { return fuss().bind(slot(k, "Niveau", S::EntryByName, T::Text, 1, true)); }

ControlRow finish(ControlId id, RowDraft draft)
{
    ControlRow row = std::move(draft.row);
    row.id = id;
    if (row.binding)
        row.binding->control = id;
    return row;
}

const std::vector<ControlRow>& table()
{
    static const std::vector<ControlRow> rows = [] {
        std::vector<ControlRow> r;
        r.reserve(kListedControlCount);
#define RUVEK_CONTROL_ROW(name, kind, draft) r.push_back(finish(ControlId::name, draft));
        RUVEK_EDITOR_CONTROLS(RUVEK_CONTROL_ROW)
        RUVEK_PAGE_ONLY_CONTROLS(RUVEK_CONTROL_ROW)
#undef RUVEK_CONTROL_ROW
        return r;
    }();
    return rows;
}

} // namespace

std::span<const ControlRow> ControlRows() { return table(); }

const ControlRow& Row(ControlId control) { return table()[index(control)]; }

std::vector<std::string> ItemsOf(ItemList list)
{
    switch (list) {
    case ItemList::None: return {};
    case ItemList::CertificateType: return CertificateTypeItems();
    case ItemList::ClassLevel: return ClassLevelItems();
    case ItemList::Praedikat: return PraedikatItems();
    case ItemList::Qualification: return QualificationItems();
    case ItemList::ClassKind: return ClassKindItems();
    case ItemList::LevelOfDemand: return LevelOfDemandItems();
    case ItemList::Recommendation: return RecommendationItems();
    case ItemList::RemarkPhrases: {
        std::vector<std::string> items;
        for (const char* entry : RemarkPhraseEntries())
            items.push_back(utf8ToCp1252(entry));
        return items;
    }
    }
    return {};
}

} // namespace ruvek::editor
