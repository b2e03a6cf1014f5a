#include "completeness/FieldCaption.h"

#include "editor/EditorControls.h"

#include <array>
#include <utility>

namespace ruvek {

using editor::ControlId;

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

std::string FieldCaption(std::string_view objectName)
{
    const auto control = editor::findControl(objectName);
    if (!control)
        return std::string(objectName);
    for (const auto& [id, caption] : kFixed)
        if (id == *control)
            return caption;
    for (int k = 1; k <= 18; ++k) {
        const std::string row = " Zeile " + std::to_string(k);
        if (*control == editor::editF(k))
            return "Note" + row;
        if (*control == editor::levelSelector(k))
            return "Niveau" + row;
        if (*control == editor::labelF(k) || *control == editor::subjectSelector(k))
            return "Fach" + row;
    }
    for (int w = 1; w <= 6; ++w) {
        if (*control == editor::comboBoxW(w))
            return "Wahlpflichtfach W" + std::to_string(w);
        if (*control == editor::editW(w))
            return "Note W" + std::to_string(w);
    }
    return std::string(objectName);
}

} // namespace ruvek
