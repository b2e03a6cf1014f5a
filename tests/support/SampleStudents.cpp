#include "support/SampleStudents.h"

#include "common/Cp1252.h"

#include <array>

namespace ruvek::test {
namespace {

std::string cp(const char* utf8) { return utf8ToCp1252(utf8); }

struct Subject {
    const char* name; // UTF-8
    const char* grade;
    const char* level;
};

// The eighteen subject slots of the secondary students.
constexpr std::array<Subject, 18> kSecondarySubjects {{
    {"Deutsch", "2", "M"},
    {"Englisch", "3", "R"},
    {"Französisch", "2", "-"},
    {"Mathematik", "4", "B"},
    {"Geschichte", "1", "-"},
    {"Geografie", "2", "-"},
    {"Sozialkunde", "e", "-"},
    {"Arbeit-Wirtschaft-Technik u. Informatik", "3", "-"},
    {"evangelische Religion", "1", "-"},
    {"Physik", "3", "E"},
    {"Chemie", "2", "G"},
    {"Biologie", "2", "-"},
    {"Musik", "1", "-"},
    {"Kunst und Gestaltung", "n", "-"},
    {"Sport", "2", "-"},
    {"  - - -", "-", "-"},
    {"Informatik", "1", "-"},
    {"???", "-", "-"},
}};

// Slots 1..n from the table, the others empty ("???", no grade, no level).
template <std::size_t N> void fillSlots(TZgnRec& r, const std::array<Subject, N>& subjects)
{
    for (int k = 1; k <= 25; ++k) {
        const bool listed = k <= static_cast<int>(N);
        const Subject* s = listed ? &subjects[static_cast<std::size_t>(k - 1)] : nullptr;
        r.slot(k).Fach = s ? cp(s->name) : "???";
        r.slot(k).Note = s ? s->grade : "-";
        r.slot(k).Niveau = s ? s->level : "-";
    }
}

// The electives of the secondary students: two in the first half-year, one
// in the second, and the grade of slot 25.
void fillElectives(TZgnRec& r, bool withSecondHalfYear)
{
    r.slot(19).Fach = cp("Darstellendes Spiel");
    r.slot(19).Note = "2";
    r.slot(20).Fach = cp("Informatik");
    r.slot(20).Note = "1";
    if (withSecondHalfYear) {
        r.slot(22).Fach = cp("Hauswirtschaft");
        r.slot(22).Note = "3";
    }
    r.slot(25).Note = "2";
}

// Head data the secondary students share.
TZgnRec secondaryHead(int annexCode)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Schröder-Wendtland");
    r.Vorname = cp("Maximilian");
    r.Weiblich = 0;
    r.Ebene = 2;
    r.Jahrgang = "9";
    r.Fehltage = "7";
    r.ZgnOrt = cp("Lindenhagen");
    r.ZgnDatum = "08.07.2027";
    r.Anlage = annexCode;
    return r;
}

} // namespace

TZgnRec filledStudent(int annexCode)
{
    TZgnRec r = secondaryHead(annexCode);
    r.GebDatum = "17.03.2012";
    r.Halbjahr1 = annexCode == 15 ? 1 : 0;
    r.SjBeginn = annexCode == 115 ? "2006" : "2026";
    r.Klasse = "8b";
    r.NeueSchule = cp("Gymnasium am Goetheplatz");
    r.FehltageE = "7";
    fillSlots(r, kSecondarySubjects);
    r.slot(1).Zusatz = "*";
    fillElectives(r, true);
    r.LEBText = cp("Maximilian arbeitet im Unterricht konzentriert und zuverlässig mit. Er beteiligt sich an "
                   "Diskussionen mit sachlichen Beiträgen.\r\nIn den Naturwissenschaften zeigt er großes Interesse.");
    r.Vermerke = cp("Maximilian ist Klassensprecher.");
    return r;
}

TZgnRec filledLeavingStudent(int annexCode)
{
    TZgnRec r = secondaryHead(annexCode);
    r.GebDatum = "17.03.2011";
    r.SjBeginn = "2026";
    r.Klasse = "10b";
    r.Praedikat = 3;
    r.FehltageE = "5";
    fillSlots(r, kSecondarySubjects);
    fillElectives(r, true);
    r.Vermerke = cp("Maximilian war Klassensprecher und hat an der Arbeitsgemeinschaft \"Schulgarten\" "
                    "teilgenommen.");
    return r;
}

TZgnRec filledGymnasiumStudent(int annexCode)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Schröder-Wendtland");
    r.Vorname = cp("Maximiliane Josefine");
    r.GebDatum = "17.03.2010";
    r.Weiblich = 1;
    r.Klasse = "10b";
    r.Fehltage = "7";
    r.FehltageE = "5";
    r.ZgnOrt = cp("Lindenhagen");
    r.ZgnDatum = "08.07.2027";
    r.Anlage = annexCode;
    // The examination certificate of annex 24 is of a school year before
    // 2006, so the fourth examination subject is printed too.
    r.SjBeginn = annexCode == 24 ? "2005" : "2026";
    r.UePruefung = 1;
    r.PrFach = annexCode == 24 ? "Bio" : "???";
    r.Bestanden = annexCode == 25 ? 0 : 1;
    std::array<Subject, 18> subjects = kSecondarySubjects;
    subjects[6].grade = "n";              // Sozialkunde
    subjects[13].grade = "5";             // Kunst und Gestaltung
    subjects[15] = {"Latein", "3", "-"};  // slot 16
    subjects[17] = {"  - - -", "-", "-"}; // slot 18
    for (Subject& s : subjects)
        s.level = "-";
    fillSlots(r, subjects);
    r.slot(1).Zusatz = "*";
    fillElectives(r, false);
    r.Vermerke = cp("Maximiliane war Schülersprecherin.");
    return r;
}

TZgnRec filledPrimaryStudent(int annexCode)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Müller-Lüdenscheidt");
    r.Vorname = cp("Anna-Sophie");
    r.GebDatum = "04.07.2018";
    r.Weiblich = 1;
    r.Halbjahr1 = annexCode == 1 ? 1 : 0;
    r.SjBeginn = "2026";
    r.Klasse = annexCode <= 2 ? "1a" : "3b";
    r.NeueSchule = cp("Grundschule an der Warnow");
    r.Jahrgang = "2";
    r.Fehltage = "12";
    r.FehltageE = "10";
    r.ZgnOrt = "Rostock";
    r.ZgnDatum = "03.07.2027";
    r.Anlage = annexCode;
    constexpr std::array<Subject, 9> subjects {{{"Deutsch", "2", "-"},
                                                {"Sachunterricht", "1", "-"},
                                                {"Mathematik", "3", "-"},
                                                {"katholische Religion", "2", "-"},
                                                {"Kunst und Gestaltung", "1", "-"},
                                                {"Musik", "n", "-"},
                                                {"Sport", "e", "-"},
                                                {"???", "-", "-"},
                                                {"Englisch", "4", "-"}}};
    fillSlots(r, subjects);
    r.slot(1).Zusatz = "*";
    r.LEBText = cp("Anna-Sophie arbeitet im Unterricht aufmerksam und ausdauernd mit. Sie beteiligt sich gern an "
                   "Gesprächen im Sitzkreis und bringt eigene Ideen ein.\r\nIm Lesen hat sie große Fortschritte "
                   "gemacht: Sie liest kurze Texte flüssig und sinnbetont vor. Beim Schreiben achtet sie auf eine "
                   "saubere Form.\r\nIm Umgang mit ihren Mitschülerinnen und Mitschülern ist sie hilfsbereit.");
    r.Vermerke = cp("Anna-Sophie hat an der Arbeitsgemeinschaft \"Lesen\" teilgenommen.");
    return r;
}

} // namespace ruvek::test
