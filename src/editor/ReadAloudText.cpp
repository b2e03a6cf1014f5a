#include "editor/ReadAloudText.h"

#include "common/Cp1252.h"
#include "grades/GradeNotation.h"

#include <cctype>

namespace ruvek::editor {

namespace {

std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool namesSubject(const std::string& name)
{
    const std::string t = trimmed(name);
    return !t.empty() && t != "???" && t != "- - -";
}

} // namespace

std::string levelWords(const std::string& level)
{
    const std::string t = trimmed(level);
    if (t == "Ü" || t == "ü")
        return "Übergangsnote";
    if (t.size() != 1)
        return {};
    switch (std::toupper(static_cast<unsigned char>(t[0]))) {
    case 'B':
    case 'H': return "Berufsreife";
    case 'E':
    case 'M':
    case 'R': return "Mittlere Reife";
    case 'G': return "Hochschulreife";
    case 'Z': return "Zeugnisniveau";
    default: return {};
    }
}

std::string gradeWords(const std::string& grade)
{
    const GradeCode code = GradeFromEntry(trimmed(grade));
    const std::string stored = code.view().empty() ? std::string() : std::string(code.view());
    if (stored == "7")
        return "Note sieben";
    if (stored == "8")
        return "Note acht";
    const std::string words = GradeText(code, true);
    return words == "---" ? "keine Bewertung" : words;
}

std::vector<ReadAloudEntry> readAloudEntries(const FormValues& form)
{
    std::vector<ReadAloudEntry> out;
    const auto add = [&](const std::string& subjectCp, ControlId grade, std::optional<ControlId> level) {
        const std::string subject = trimmed(cp1252ToUtf8(subjectCp));
        if (!form.isVisible(grade) || !namesSubject(subject))
            return;
        const bool hasLevel = level && form.isVisible(*level);
        out.push_back({subject, hasLevel ? cp1252ToUtf8(form[*level].text) : std::string(),
                       cp1252ToUtf8(form[grade].text)});
    };
    for (int k = 1; k <= 18; ++k) {
        const auto selector = subjectSelector(k);
        const ControlId name = selector && form.isVisible(*selector) ? *selector : labelF(k);
        add(form[name].text, editF(k), levelSelector(k));
    }
    for (int w = 1; w <= 6; ++w)
        add(form[comboBoxW(w)].text, editW(w), levelSelector(18 + w));
    add(utf8ToCp1252("Wahlpflichtunterricht insgesamt"), ControlId::EditW, std::nullopt);
    return out;
}

std::string readAloudText(const std::vector<ReadAloudEntry>& entries)
{
    std::string text;
    for (const ReadAloudEntry& e : entries) {
        if (!text.empty())
            text += "\n";
        text += e.subject;
        if (const std::string level = levelWords(e.level); !level.empty())
            text += ", " + level;
        text += ", " + gradeWords(e.grade) + ".";
    }
    return text;
}

} // namespace ruvek::editor
