// The list of the editor's controls: each row is consistent in itself, and
// the binding table and the captions are what the rows say.
#include "editor/ControlCaptions.h"
#include "editor/ControlRows.h"
#include "editor/FieldBindings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace ruvek::editor;

namespace {

bool labelledKind(ControlKind k)
{
    return k == ControlKind::LineEdit || k == ControlKind::MaskEdit || k == ControlKind::ComboBox ||
           k == ControlKind::Memo;
}

TEST(ControlRows, EveryRowIsConsistentInItself)
{
    ASSERT_EQ(ControlRows().size(), kListedControlCount);
    std::map<ControlId, ControlId> labelOf;
    for (const ControlRow& row : ControlRows()) {
        const ControlKind kind = controlKind(row.id);
        SCOPED_TRACE(std::string(controlName(row.id)));
        EXPECT_EQ(&Row(row.id), &row);
        // Page-only controls sit on a page and hold nothing of the record.
        if (!isFormControl(row.id)) {
            EXPECT_NE(row.page, EditorPage::Window);
            EXPECT_FALSE(row.binding);
        }
        if (row.binding) {
            EXPECT_EQ(row.binding->control, row.id);
        }
        // A label names an input control: a caption of its own or a label
        // control of the same page that names nothing else.
        if (!row.label.empty() || row.labelledBy) {
            EXPECT_TRUE(labelledKind(kind));
            EXPECT_NE(row.page, EditorPage::Window);
        }
        EXPECT_FALSE(!row.label.empty() && row.labelledBy);
        if (row.labelledBy) {
            EXPECT_EQ(controlKind(*row.labelledBy), ControlKind::Label);
            EXPECT_EQ(Row(*row.labelledBy).page, row.page);
            EXPECT_TRUE(labelOf.emplace(*row.labelledBy, row.id).second);
        }
        switch (row.look) {
        case ControlLook::Display: EXPECT_EQ(kind, ControlKind::LineEdit); break;
        case ControlLook::TakeOver:
        case ControlLook::Speed: EXPECT_EQ(kind, ControlKind::Button); break;
        case ControlLook::Standard: break;
        }
        if (row.items != ItemList::None) {
            EXPECT_TRUE(kind == ControlKind::ComboBox || kind == ControlKind::RadioGroup);
            EXPECT_FALSE(ItemsOf(row.items).empty());
        }
        if (kind == ControlKind::RadioGroup) {
            EXPECT_NE(row.items, ItemList::None);
        }
        // What the pages build has a caption where its kind shows one; the
        // main window's controls are its own business.
        const bool captioned = kind == ControlKind::Label || kind == ControlKind::CheckBox ||
                               kind == ControlKind::Button || kind == ControlKind::GroupBox ||
                               kind == ControlKind::RadioGroup || kind == ControlKind::MaskEdit;
        if (row.page == EditorPage::Window) {
            EXPECT_TRUE(row.text.empty() && row.hint.empty());
        } else {
            EXPECT_EQ(!row.text.empty(), captioned);
        }
    }
}

// The name a teacher knows a control by, for the generated rows too.
TEST(ControlRows, TeacherNames)
{
    const std::pair<ControlId, const char*> cases[] = {
        {ControlId::Edit66, "Klassenlehrer"},
        {ControlId::CheckBox5, "Teilnahme an Übergangsprüfung"},
        {editF(3), "Note Zeile 3"},
        {levelSelector(18), "Niveau Zeile 18"},
        {labelF(7), "Fach Zeile 7"},
        {*subjectSelector(2), "Fach Zeile 2"},
        {comboBoxW(4), "Wahlpflichtfach W4"},
        {editW(2), "Note W2"},
        {levelSelector(20), ""},
        {editFZ(3), ""},
        {ControlId::Edit5, ""},
        {ControlId::BitBtn2, ""},
    };
    for (const auto& [id, name] : cases)
        EXPECT_EQ(ControlCaption(id), name) << controlName(id);
}

// The binding table holds exactly the rows' bindings, and finds each again.
TEST(ControlRows, TheBindingTableIsTheRowsBindings)
{
    std::size_t bound = 0;
    for (const ControlRow& row : ControlRows()) {
        const FieldBinding* b = FindBinding(row.id);
        ASSERT_EQ(b != nullptr, row.binding.has_value()) << controlName(row.id);
        if (b) {
            ++bound;
            EXPECT_EQ(b->field, row.binding->field);
            EXPECT_EQ(b->slot, row.binding->slot);
            EXPECT_EQ(b->capacity, row.binding->capacity);
        }
    }
    EXPECT_EQ(FieldBindings().size(), bound);
    for (const FieldBinding& b : FieldBindings())
        EXPECT_EQ(FindBinding(b.control), &*Row(b.control).binding);
}

} // namespace
