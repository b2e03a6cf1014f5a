#include "editor/FieldBindings.h"

#include "classfile/ZgnRec.h"
#include "editor/ControlRows.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ruvek::editor {
namespace {

// The order in which the pages' record fields are stored: the mirrors
// outside the pages before the page "Zeugnis-Kopf" (so Edit5/Edit6 win over
// Edit1/Edit2), then the subject page, the foot, and the three texts with
// the recommendation last.
int storeRank(EditorPage page)
{
    switch (page) {
    case EditorPage::Window: return 0;
    case EditorPage::Kopf: return 1;
    case EditorPage::Faecher: return 2;
    case EditorPage::Fuss: return 3;
    case EditorPage::Text: return 4;
    case EditorPage::Vermerke: return 5;
    }
    return 6;
}

// The place of a slot field in the slot (Fach, Note, Zusatz, Niveau, ...).
std::size_t slotFieldOffset(std::string_view field)
{
    std::size_t offset = 0;
    TFachEintrag slot{};
    visitFields(slot, [&](const char* name, std::size_t at, auto&) {
        if (name != nullptr && field == name)
            offset = at;
    });
    return offset;
}

// The bindings of the list's rows in store order: the record fields page by
// page (in list order within a page), then the subject slots 1..25, each
// slot's controls in the order of the slot's fields (the subject label
// before the subject selector, as listed).
std::vector<FieldBinding> storeOrder()
{
    std::vector<const ControlRow*> record;
    std::vector<const ControlRow*> slots;
    for (const ControlRow& row : ControlRows())
        if (row.binding)
            (row.binding->slot == 0 ? record : slots).push_back(&row);
    std::stable_sort(record.begin(), record.end(), [](const ControlRow* a, const ControlRow* b) {
        return storeRank(a->page) < storeRank(b->page);
    });
    std::stable_sort(slots.begin(), slots.end(), [](const ControlRow* a, const ControlRow* b) {
        if (a->binding->slot != b->binding->slot)
            return a->binding->slot < b->binding->slot;
        return slotFieldOffset(a->binding->field) < slotFieldOffset(b->binding->field);
    });
    std::vector<FieldBinding> rows;
    rows.reserve(record.size() + slots.size());
    for (const auto* r : record)
        rows.push_back(*r->binding);
    for (const auto* r : slots)
        rows.push_back(*r->binding);
    return rows;
}

const std::vector<FieldBinding>& table()
{
    static const std::vector<FieldBinding> rows = storeOrder();
    return rows;
}

} // namespace

std::span<const FieldBinding> FieldBindings() { return table(); }

const FieldBinding* FindBinding(ControlId control)
{
    const auto& binding = Row(control).binding;
    return binding ? &*binding : nullptr;
}

} // namespace ruvek::editor
