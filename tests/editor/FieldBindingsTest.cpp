#include "editor/FieldBindings.h"

#include "classfile/ZgnRec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using namespace ruvek;
using namespace ruvek::editor;

namespace {

// Character capacity of every string and text field of a record type, by
// name; integer fields count as 0.
template <class Rec>
std::map<std::string, int> fieldCapacities()
{
    std::map<std::string, int> caps;
    Rec r{};
    visitFields(r, [&](const char* name, std::size_t, auto& field) {
        using F = std::remove_cvref_t<decltype(field)>;
        if (!name)
            return;
        if constexpr (requires { F::Capacity; })
            caps[name] = static_cast<int>(F::Capacity);
        else
            caps[name] = 0;
    });
    return caps;
}

bool isInputKind(ControlKind k)
{
    switch (k) {
    case ControlKind::LineEdit:
    case ControlKind::MaskEdit:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::Memo: return true;
    default: return false;
    }
}

TEST(EditorControls, NamesAreUniqueAndFoundAgain)
{
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kListedControlCount; ++i) {
        EXPECT_TRUE(seen.insert(kControlNames[i]).second) << kControlNames[i];
        EXPECT_EQ(findControl(kControlNames[i]), static_cast<ControlId>(i));
    }
    EXPECT_FALSE(findControl("EditF19").has_value());
    EXPECT_FALSE(findControl("ComboBoxF1").has_value());
}

// Every input control is bound exactly once, and so is every subject label;
// the changed-data indicator is the one input control without a field.
TEST(EditorFieldBindings, EveryControlBoundExactlyOnceWhereItShould)
{
    std::map<ControlId, int> count;
    for (const FieldBinding& b : FieldBindings())
        ++count[b.control];
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        const bool subjectLabel = kControlNames[i].starts_with("LabelF") && !kControlNames[i].starts_with("LabelFS");
        const bool should = (isInputKind(kControlKinds[i]) && id != ControlId::Edit73) || subjectLabel;
        EXPECT_EQ(count[id], should ? 1 : 0) << kControlNames[i];
    }
}

// Fields exist under their names, and a stored text keeps exactly what the
// field holds.
TEST(EditorFieldBindings, FieldsAndCapacitiesMatchTheRecord)
{
    const auto recordCaps = fieldCapacities<TZgnRec>();
    const auto slotCaps = fieldCapacities<TFachEintrag>();
    for (const FieldBinding& b : FieldBindings()) {
        SCOPED_TRACE(std::string(controlName(b.control)));
        ASSERT_TRUE(b.slot >= 0 && b.slot <= static_cast<int>(kFaecherCount));
        if (b.field.empty()) {
            EXPECT_EQ(b.store, StoreRule::None);
            continue;
        }
        const auto& caps = b.slot == 0 ? recordCaps : slotCaps;
        const auto it = caps.find(std::string(b.field));
        ASSERT_NE(it, caps.end()) << b.field;
        if (b.store == StoreRule::Text || b.store == StoreRule::MemoText || b.store == StoreRule::GradeEntry) {
            EXPECT_EQ(b.capacity, it->second) << b.field;
        }
        if (b.storedOnlyWhenVisible) {
            EXPECT_EQ(controlKind(b.control), ControlKind::ComboBox);
        }
    }
}

TEST(EditorFieldBindings, PageNamesWinOverTheirMirrors)
{
    const auto rows = FieldBindings();
    const auto pos = [&](ControlId c) {
        return std::find_if(rows.begin(), rows.end(), [&](const FieldBinding& b) { return b.control == c; }) - rows.begin();
    };
    EXPECT_LT(pos(ControlId::Edit1), pos(ControlId::Edit5));
    EXPECT_LT(pos(ControlId::Edit2), pos(ControlId::Edit6));
}

// The record fields come first; then the slots one by one, each slot's
// controls in the order of its fields, the subject label before the selector.
TEST(EditorFieldBindings, SlotsFollowTheRecordFieldsSlotBySlot)
{
    const auto rows = FieldBindings();
    const auto firstSlot = std::find_if(rows.begin(), rows.end(), [](const FieldBinding& b) { return b.slot > 0; });
    EXPECT_TRUE(std::all_of(firstSlot, rows.end(), [](const FieldBinding& b) { return b.slot > 0; }));
    const std::map<std::string_view, int> fieldOrder = {{"Fach", 0}, {"Note", 1}, {"Zusatz", 2}, {"Niveau", 3}};
    for (auto it = firstSlot; it + 1 < rows.end(); ++it) {
        SCOPED_TRACE(std::string(controlName((it + 1)->control)));
        const auto key = [&](const FieldBinding& b) { return std::pair(b.slot, fieldOrder.at(b.field)); };
        EXPECT_LE(key(*it), key(*(it + 1)));
    }
    for (int k = 1; k <= 18; ++k)
        if (const auto selector = subjectSelector(k)) {
            const auto label =
                std::find_if(rows.begin(), rows.end(), [&](const FieldBinding& b) { return b.control == labelF(k); });
            EXPECT_EQ((label + 1)->control, *selector);
        }
}

} // namespace
