#include "editor/ControlCaptions.h"

#include <array>
#include <utility>

namespace ruvek::editor {
namespace {

constexpr std::array<std::pair<ControlId, const char*>, 9> kFixed = {{
    {ControlId::Edit7, "Anlage (Zeugniserlass)"},
    {ControlId::Edit63, "Schuljahr"},
    {ControlId::Edit66, "Klassenlehrer"},
    {ControlId::Edit69, "Zeugnisort"},
    {ControlId::MaskEdit4, "Zeugnisdatum"},
    {ControlId::Memo2, "Lernentwicklungsbericht"},
    {ControlId::Memo3, "Vermerke"},
    {ControlId::CheckBox5, "Teilnahme an Übergangsprüfung"},
    {ControlId::ComboBox38, "4. Prüfungsfach"},
}};

} // namespace

std::string ControlCaption(ControlId control)
{
    for (const auto& [id, caption] : kFixed)
        if (id == control)
            return caption;
    // The subject rows 1..18 and the elective rows W1..W6.
    for (int k = 1; k <= 18; ++k) {
        const std::string row = " Zeile " + std::to_string(k);
        if (control == editF(k))
            return "Note" + row;
        if (control == levelSelector(k))
            return "Niveau" + row;
        if (control == labelF(k) || control == subjectSelector(k))
            return "Fach" + row;
    }
    for (int w = 1; w <= 6; ++w) {
        if (control == comboBoxW(w))
            return "Wahlpflichtfach W" + std::to_string(w);
        if (control == editW(w))
            return "Note W" + std::to_string(w);
    }
    return {};
}

} // namespace ruvek::editor
