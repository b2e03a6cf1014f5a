#include "editor/HeadTakeOver.h"

#include <array>

namespace ruvek::editor {

using C = ControlId;
using H = HeadButton;

std::span<const HeadTakeOverButton> HeadTakeOverButtons()
{
    static const std::array<HeadTakeOverButton, 12> buttons{{
        // page "Zeugnis-Kopf"
        {C::BitBtn2, H::Zeugnistyp, C::ComboBox41, {}, {}, {}},
        {C::BitBtn3, H::SchuljahrKlasse, {}, C::Edit63, C::Edit65, C::CheckBox6},
        {C::BitBtn17, H::Schuljahr, {}, C::Edit63, {}, C::CheckBox6},
        {C::BitBtn4, H::Klassenlehrer, {}, C::Edit66, {}, {}},
        {C::BitBtn8, H::Jahrgangsstufe, C::ComboBox42, {}, {}, {}},
        {C::BitBtn19, H::Abschlussart, C::RadioGroup1, {}, {}, {}},
        {C::BitBtn24, H::Anspruchsebene, C::ComboBox45, {}, {}, {}},
        {C::BitBtn28, H::Klassenart, C::RadioGroup2, {}, {}, {}},
        // page "Fächer u. Bewertungen"
        {C::BitBtn20, H::Anspruchsebene, C::ComboBox43, {}, {}, {}},
        {C::BitBtn18, H::Pruefung, {}, {}, {}, C::CheckBox5},
        // page "Vermerke"
        {C::BitBtn9, H::Empfehlung, C::RadioGroup4, {}, {}, {}},
        // page "Zeugnis-Fuß"
        {C::BitBtn5, H::ZeugnisOrtDatum, {}, C::Edit69, C::MaskEdit4, {}},
    }};
    return buttons;
}

HeadValue HeadValueOf(const HeadTakeOverButton& button, const FormValues& form)
{
    HeadValue v;
    if (button.index)
        v.index = form[*button.index].index;
    if (button.text)
        v.text = form[*button.text].text;
    if (button.text2)
        v.text2 = form[*button.text2].text;
    if (button.check)
        v.checked = form[*button.check].check == CheckState::Checked;
    return v;
}

} // namespace ruvek::editor
