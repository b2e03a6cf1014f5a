#include "editor/SpokenNames.h"

#include "editor/Visibility.h"

#include <optional>
#include <string_view>

namespace ruvek::editor {
namespace {

using Names = std::vector<std::pair<ControlId, std::string>>;

// A subject as a row shows it, without the blanks around it; nothing for
// the placeholders of a row without a subject.
std::optional<std::string> subjectOf(std::string_view shown)
{
    const auto first = shown.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view s = shown.substr(first, shown.find_last_not_of(' ') - first + 1);
    if (s == "???" || s == "- - -" || s == "---" || s == "-")
        return std::nullopt;
    return std::string(s);
}

// What the selector of subject row k stands for, whatever is chosen in it.
std::string selectorRole(int k, SubjectList list)
{
    switch (list) {
    case SubjectList::A: return k == 2 ? "1. Fremdsprache" : k == 3 ? "2. Fremdsprache" : "Fremdsprache";
    case SubjectList::B: return "Religion/Philosophie";
    case SubjectList::C:
    case SubjectList::None: break;
    }
    return "Zeile " + std::to_string(k);
}

// The controls of subject row k named by `designation`; the selector only
// when asked (its name does not follow its own entry).
void nameSubjectRow(const FormValues& form, int anlageFaecher, int k, bool withSelector, Names& out)
{
    const auto selector = subjectSelector(k);
    const SubjectList list = SelectorList(k, anlageFaecher);
    std::string designation;
    if (selector && form.isVisible(*selector)) {
        const std::string role = selectorRole(k, list);
        const auto chosen = subjectOf(form[*selector].text);
        if (!chosen)
            designation = role;
        else if (list == SubjectList::A || list == SubjectList::B)
            designation = *chosen + " (" + role + ")";
        else
            designation = *chosen;
    } else {
        designation = subjectOf(form[labelF(k)].text).value_or("Zeile " + std::to_string(k));
    }
    if (selector && withSelector)
        out.emplace_back(*selector, selectorRole(k, list) + " Fach");
    out.emplace_back(editF(k), designation + " Note");
    out.emplace_back(editFZ(k), designation + " Zusatz");
    out.emplace_back(levelSelector(k), designation + " Anspruchsebene");
}

void nameElectiveRow(const FormValues& form, int w, bool withSelector, Names& out)
{
    const std::string role = "Wahlpflichtfach " + std::to_string(w);
    const auto chosen = subjectOf(form[comboBoxW(w)].text);
    const std::string designation = chosen ? *chosen + " (" + role + ")" : role;
    if (withSelector)
        out.emplace_back(comboBoxW(w), role + " Fach");
    out.emplace_back(editW(w), designation + " Note");
    out.emplace_back(editWZ(w), designation + " Zusatz");
    out.emplace_back(levelSelector(18 + w), designation + " Anspruchsebene");
}

} // namespace

std::vector<std::pair<ControlId, std::string>> RowControlNames(const FormValues& form, int anlageFaecher)
{
    Names names;
    for (int k = 1; k <= 18; ++k)
        nameSubjectRow(form, anlageFaecher, k, true, names);
    for (int w = 1; w <= 6; ++w)
        nameElectiveRow(form, w, true, names);
    names.emplace_back(ControlId::EditW, "Wahlpflichtunterricht insgesamt Note");
    names.emplace_back(ControlId::EditWZ, "Wahlpflichtunterricht insgesamt Zusatz");
    return names;
}

void NameRowControls(FormValues& form, int anlageFaecher)
{
    for (auto& [id, name] : RowControlNames(form, anlageFaecher))
        form[id].accessibleName = std::move(name);
}

FormPatch RenameRowOf(ControlId selector, const FormValues& form, int anlageFaecher)
{
    Names names;
    for (int k = 1; k <= 18; ++k)
        if (subjectSelector(k) == selector)
            nameSubjectRow(form, anlageFaecher, k, false, names);
    for (int w = 1; w <= 6; ++w)
        if (comboBoxW(w) == selector)
            nameElectiveRow(form, w, false, names);
    FormPatch patch;
    for (auto& [id, name] : names)
        patch.setAccessibleName(id, std::move(name));
    return patch;
}

} // namespace ruvek::editor
