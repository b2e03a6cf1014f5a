#include "editor/RemarkPhrases.h"

#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"

#include <vector>

namespace ruvek::editor {

const std::array<const char*, kPhraseCount>& RemarkPhraseEntries()
{
    static const std::array<const char*, kPhraseCount> entries = {
        "",
        "versetzt",
        "versetzt in Klasse %%",
        "nicht versetzt",
        "%% nahm am Betriebspraktikum teil.",
        "Am Betriebspraktikum nahm %% teil.",
        "Die Kl.konf. ... zur allgemeinen Hochschulreife führt.",
        "Die Kl.konf. ... zur Berufsreife und zur mittleren Reife führt.",
        "",
        "Durch Konferenzbeschluss ... versetzt.",
        "%% hat einen dem ??abschluss gleichwertigen Abschluss erreicht.",
        "%% ist endgültig in die Jahrgangsstufe 7 versetzt worden.",
        "%% hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium.",
        "Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung.",
        "Bei %% wurde eine Legasthenie förmlich anerkannt.",
        "Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen.",
    };
    return entries;
}

PhraseSentence RemarkPhraseSentence(int index, const TZgnRec& rec)
{
    const std::string name = cp1252ToUtf8(rec.Vorname.view());
    const int level = rec.Klassenstufe;
    const bool promotable = level >= 2 && level <= 9;
    switch (index) {
    case 1: return {"versetzt"};
    case 2:
        if (level == 1)
            return {"steigt auf in Klasse 2"};
        return {promotable ? "versetzt in Klasse " + std::to_string(level + 1) : ""};
    case 3: return {"nicht versetzt"};
    case 4: return {name + " nahm am Betriebspraktikum teil."};
    case 5: return {"Am Betriebspraktikum nahm " + name + " teil."};
    case 6:
        return {"Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, "
                "der zur allgemeinen Hochschulreife führt."};
    case 7:
        return {"Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, "
                "der zur Berufsreife und zur mittleren Reife führt."};
    case 9:
        return {"Durch Konferenzbeschluss vom ??.??.20?? nach Klasse " +
                (promotable ? std::to_string(level + 1) : std::string("??")) + " versetzt."};
    case 10:
        if (rec.AbschlArt == 1) {
            PhraseSentence s{name + " hat einen der Berufsreife gleichwertigen Abschluss erreicht."};
            if (level != 9 && level != 10)
                s.warning = kMsgCheckBerufsreife;
            return s;
        }
        if (rec.AbschlArt == 2) {
            PhraseSentence s{name + " hat einen der Mittleren Reife gleichwertigen Abschluss erreicht."};
            if (level != 10)
                s.warning = kMsgCheckMittlereReife;
            return s;
        }
        return {name + " hat einen dem ??abschluss gleichwertigen Abschluss erreicht."};
    case 11: return {name + " ist endgültig in die Jahrgangsstufe 7 versetzt worden."};
    case 12: return {name + " hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium."};
    case 13: return {"Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung."};
    case 14: return {"Bei " + name + " wurde eine Legasthenie förmlich anerkannt."};
    case 15: return {"Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen."};
    default: return {};
    }
}

std::string AddPhraseToRemarks(std::string_view remarks, std::string_view sentence)
{
    if (sentence.empty())
        return std::string(remarks);
    std::vector<std::string> lines;
    if (remarks != kStruckOutText && !remarks.empty()) {
        std::size_t start = 0;
        for (std::size_t nl; (nl = remarks.find('\n', start)) != std::string_view::npos; start = nl + 1)
            lines.emplace_back(remarks.substr(start, nl - start));
        lines.emplace_back(remarks.substr(start));
        // A line break at the very end opens no line of its own.
        if (lines.size() > 1 && lines.back().empty())
            lines.pop_back();
    }
    if (!lines.empty() && lines.front() == kStruckOutText)
        lines.front() = sentence;
    else if (!lines.empty() && lines.back() == kStruckOutText)
        lines.back() = sentence;
    else
        lines.emplace_back(sentence);

    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}

} // namespace ruvek::editor
