// Writes the example class shipped with the program: a class 7a of a
// Regionale Schule in the school year 2026/27 with 25 students (three of
// them marked deleted), half-year grades, absences and a few texts.
// The output is the same on every run, so the shipped file only changes
// when this program does.
//
//   make-example OUTPUT.RVK
#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"

#include <cstdio>
#include <random>
#include <string>

using namespace ruvek;

namespace {
struct Student {
    const char* name;
    const char* vorname;
    const char* geboren;
    int weiblich;
    int status; // 1 active, 0 marked deleted
};

// Sorted as in the class book.
constexpr Student kStudents[] = {
    {"Albrecht", "Lena", "14.02.2014", 1, 1},     {"Bäcker", "Jonas", "03.11.2013", 0, 1},
    {"Böttcher", "Mia", "27.06.2014", 1, 1},      {"Dietrich", "Paul", "09.09.2013", 0, 1},
    {"Engel", "Sophie", "30.01.2014", 1, 0},      {"Fischer", "Luca", "18.05.2014", 0, 1},
    {"Groß", "Emilia", "22.12.2013", 1, 1},       {"Hübner", "Finn", "05.04.2014", 0, 1},
    {"Jäger", "Hanna", "11.08.2014", 1, 1},       {"Kaiser", "Noah", "16.03.2014", 0, 1},
    {"Köhler", "Lea", "01.10.2013", 1, 1},        {"Krüger", "Ben", "24.07.2014", 0, 1},
    {"Lange", "Marie", "13.11.2013", 1, 1},       {"Möller", "Elias", "28.02.2014", 0, 0},
    {"Neumann", "Clara", "07.06.2014", 1, 1},     {"Özdemir", "Emir", "19.01.2014", 0, 1},
    {"Pohl", "Johanna", "02.09.2014", 1, 1},      {"Richter", "Maximilian", "25.05.2013", 0, 1},
    {"Schäfer", "Ida", "08.12.2013", 1, 1},       {"Schröder", "Till", "15.03.2014", 0, 1},
    {"Vogel", "Greta", "21.04.2014", 1, 1},       {"Weiß", "Jürgen", "10.10.2013", 0, 0},
    {"Wöhlert", "Anna-Lena", "04.07.2014", 1, 1}, {"Zander", "Björn", "28.08.2013", 0, 1},
    {"Zimmermann", "Frieda", "12.01.2014", 1, 1},
};

// The rows of the year certificate of the Regionale Schule (annex 15); the
// free rows hold the foreign languages and religion/philosophy. Subjects
// taught on two levels carry the level letter the certificate prints.
struct Row {
    int slot;
    const char* fach;
    bool level = false;
};
constexpr Row kRows[] = {
    {1, "Deutsch", true},   {2, "Englisch", true},  {4, "Mathematik", true},  {5, "Geschichte"},
    {6, "Geografie"},       {7, "Sozialkunde"},     {8, "Arbeit-Wirtschaft-Technik u. Informatik"},
    {10, "Physik", true},   {11, "Chemie", true},   {12, "Biologie"},         {14, "Musik"},
    {15, "Kunst und Gestaltung"},                   {16, "Sport"},
};

std::string cp(const char* utf8) { return utf8ToCp1252(utf8); }
} // namespace

int main(int argc, char** argv)
{
    // A name starting with '-' is an option asked for by mistake (--help),
    // never a file to write.
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "Aufruf: make-example AUSGABE.RVK\n"
                             "Schreibt die mitgelieferte Beispielklasse in die Datei AUSGABE.RVK.\n");
        return argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") ? 0 : 2;
    }
    std::mt19937 rng(20260907); // fixed: the example must not change between runs
    std::discrete_distribution<int> gradeDist({0, 14, 30, 30, 18, 7, 1}); // grades 1..6
    std::uniform_int_distribution<int> daysDist(0, 9);

    TDB2 records;
    int key = 471101;
    for (const auto& s : kStudents) {
        records.emplace_back();
        TZgnRec& r = records.back();
        initialiseRecord(r, records, SchoolType::RegionaleSchule, rng, records.size() - 1);
        r.Zufall = static_cast<std::int16_t>(1 + rng() % 57000);
        r.Status = static_cast<std::int16_t>(s.status);
        r.SchlNr = key++;
        r.Name = cp(s.name);
        r.Vorname = cp(s.vorname);
        r.GebDatum = s.geboren;
        r.PersAngabe = cp("Lindenhagen");
        r.Weiblich = s.weiblich;
        r.MonatJahr1 = "September 2026";
        r.MonatJahr2 = "Juli 2027";

        r.ZgnTyp = 1;
        r.Halbjahr1 = 1;
        r.Ebene = 0;
        r.AbschlArt = 0;
        r.Klassenstufe = 7;
        r.SjBeginn = "2026";
        r.Klasse = "7a";
        r.KlLehrer = "Kra";
        r.ZgnOrt = cp("Lindenhagen");
        r.ZgnDatum = "29.01.2027";
        r.Anlage = 15;
        r.AnlageAlt = 15;
        r.AnlageFaecher = 15;

        const int days = daysDist(rng);
        r.Fehltage = std::to_string(days);
        r.FehltageE = std::to_string(days - (days > 6 ? 2 : 0));

        for (const auto& row : kRows) {
            auto& slot = r.slot(row.slot);
            slot.Fach = cp(row.fach);
            slot.Note = std::to_string(gradeDist(rng));
            // Derived from the grade, not drawn, so the other data stay as they were.
            if (row.level)
                slot.Niveau = slot.Note.str() <= "3" ? "M" : "B";
        }
        // Second foreign language for some (the others say so with the unused
        // entry), religion or philosophy for all.
        if (rng() % 3 == 0) {
            r.slot(3).Fach = cp("Französisch");
            r.slot(3).Note = std::to_string(gradeDist(rng));
        } else {
            r.slot(3).Fach = "  - - -"; // the catalogue's unused entry
        }
        r.slot(9).Fach = cp(rng() % 2 ? "evangelische Religion" : "Philosophieren mit Kindern");
        r.slot(9).Note = std::to_string(gradeDist(rng));
        // Elective teaching: one course each half-year, and its overall grade.
        r.slot(19).Fach = cp(rng() % 2 ? "Informatik" : "Hauswirtschaft");
        r.slot(19).Note = std::to_string(gradeDist(rng));
        r.slot(25).Note = r.slot(19).Note.str();

        r.Vermerke = cp("  - - - - -");
        r.FLInfo = cp("  - - - - -");
    }
    // A few texts, with line breaks as the program stores them.
    records[1].LEBText = cp("Jonas arbeitet im Unterricht aufmerksam mit.\r\n"
                            "Seine Hausaufgaben erledigt er zuverlässig.");
    records[6].Vermerke = cp("Emilia hat erfolgreich am Känguru-Wettbewerb der Mathematik teilgenommen.");
    records[15].FLInfo = cp("Emir hilft Mitschülern gern; in Deutsch sollte er mehr lesen.");
    records[19].LEBText = cp("Till zeigt in Sport und Musik großes Engagement.\r\n"
                             "Im Fach Englisch braucht er noch Unterstützung.");

    std::string error;
    if (!writeClassFile(argv[1], newFileHeader(static_cast<std::uint16_t>(records.size())), records, &error)) {
        std::fprintf(stderr, "Fehler beim Speichern von: %s (%s)\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
