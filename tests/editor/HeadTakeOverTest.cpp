// The "für ALLE" buttons: every value comes from a control of the kind that
// holds it, and no button is listed twice.
#include "editor/HeadTakeOver.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace ruvek::editor;

TEST(HeadTakeOver, EveryButtonReadsControlsOfTheRightKind)
{
    std::set<ControlId> buttons;
    for (const HeadTakeOverButton& b : HeadTakeOverButtons()) {
        SCOPED_TRACE(std::string(controlName(b.control)));
        EXPECT_TRUE(buttons.insert(b.control).second);
        EXPECT_TRUE(b.index || b.text || b.check);
        EXPECT_EQ(controlKind(b.control), ControlKind::Button);
        if (b.index) {
            EXPECT_TRUE(controlKind(*b.index) == ControlKind::ComboBox ||
                        controlKind(*b.index) == ControlKind::RadioGroup);
        }
        for (const auto& text : {b.text, b.text2})
            if (text) {
                EXPECT_TRUE(controlKind(*text) == ControlKind::LineEdit ||
                            controlKind(*text) == ControlKind::MaskEdit);
            }
        if (b.check) {
            EXPECT_EQ(controlKind(*b.check), ControlKind::CheckBox);
        }
    }
    EXPECT_EQ(buttons.size(), 12U);
}

TEST(HeadTakeOver, TheValueIsWhatTheControlsShow)
{
    FormValues form;
    form[ControlId::Edit63].text = "2026";
    form[ControlId::Edit65].text = "8b";
    form[ControlId::CheckBox6].check = CheckState::Checked;
    form[ControlId::ComboBox41].index = 4;
    for (const HeadTakeOverButton& b : HeadTakeOverButtons()) {
        const HeadValue v = HeadValueOf(b, form);
        if (b.control == ControlId::BitBtn3) {
            EXPECT_EQ(v.text, "2026");
            EXPECT_EQ(v.text2, "8b");
            EXPECT_TRUE(v.checked);
        }
        if (b.control == ControlId::BitBtn2) {
            EXPECT_EQ(v.index, 4);
        }
    }
}
