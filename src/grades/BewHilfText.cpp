#include "grades/BewHilfText.h"

namespace ruvek {

std::vector<std::string> BewHilfLines(SchoolType schultyp, bool zeigeZusatz)
{
    const std::string rule(31, '=');
    const std::string blank = " ";
    std::vector<std::string> lines;
    auto items = [&](std::initializer_list<const char*> texts) {
        for (const char* t : texts) {
            lines.push_back(blank);
            lines.push_back(t);
        }
    };

    lines.push_back("Bewertungen / Noten:");
    lines.push_back(rule);
    lines.push_back(schultyp == SchoolType::IntegrierteGesamtschule ? "     Noten: 1 bis 8" : "     Noten: 1 bis 6");
    items({"     Streichung: -", "     nicht erteilt: e", "     nicht teilgenommen: n",
           "     teilgenommen: t   {! nur für Grundsch.}", "     befreit: b oder A", "     nicht beurteilbar: 0, u oder k"});

    if (schultyp == SchoolType::IntegrierteGesamtschule) {
        lines.insert(lines.end(), {blank, blank, "Niveaustufen:", rule, "     Übergangsnote: - oder Ü"});
        items({"     Berufsreife (HS): B oder H", "     Mittlere Reife (RS): E, M oder R",
               "     Hochschulreife (Gymn.): G", "     entsprechend vorgegebenen Zeugnisniveau: Z"});
    }

    if (zeigeZusatz)
        lines.insert(lines.end(), {blank, blank, "Zusätze:", rule, "     beliebiges Zeichen (z.B.: # oder *)"});
    return lines;
}

} // namespace ruvek
