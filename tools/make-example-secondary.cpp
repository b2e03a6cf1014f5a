// Writes the two secondary example classes shipped with the program, so that
// a new user sees secondary certificates at once:
//
//   Klasse8b-Regionale.RVK   class 8b of a Regionale Schule, year certificates
//                            (annex 15) with levels B/M, one transfer (16)
//                            and one intermediate certificate (115)
//   Klasse10a-Gymnasium.RVK  class 10a of a Gymnasium, year certificates (21),
//                            one transfer (22) and one intermediate (121)
//
// The output is the same on every run.
//
//   make-example-secondary OUTPUT-FOLDER
#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace ruvek;

namespace {

struct Student {
    const char* name;
    const char* vorname;
    const char* geboren;
    int weiblich;
};

struct Row {
    int slot;
    const char* fach;
    bool level; // carries a level letter at the Regionale Schule
};

struct ClassPlan {
    const char* fileName;
    SchoolType schoolType;
    int klassenstufe;
    const char* klasse;
    int yearCode, transferCode, intermediateCode;
    std::vector<Student> students;
    std::vector<Row> rows;
    std::vector<const char*> electives;
    const char* neueSchule;
};

std::string cp(const char* utf8) { return utf8ToCp1252(utf8); }

const ClassPlan kRegionale{
    "Klasse8b-Regionale.RVK", SchoolType::RegionaleSchule, 8, "8b", 15, 16, 115,
    {{"Arndt", "Leonie", "12.03.2013", 1}, {"Behrens", "Tom", "28.09.2012", 0}, {"Claußen", "Marlene", "04.05.2013", 1},
     {"Dahl", "Jannik", "17.11.2012", 0}, {"Ewert", "Sophie", "23.01.2013", 1}, {"Franke", "Luis", "06.07.2013", 0},
     {"Gädeke", "Paula", "30.10.2012", 1}, {"Hinz", "Moritz", "14.02.2013", 0}, {"Ihde", "Lotta", "09.06.2013", 1},
     {"Jahnke", "Erik", "21.12.2012", 0}, {"Kühl", "Amelie", "02.04.2013", 1}, {"Lüth", "Niklas", "15.08.2013", 0}},
    {{1, "Deutsch", true}, {2, "Englisch", true}, {4, "Mathematik", true}, {5, "Geschichte", false},
     {6, "Geografie", false}, {7, "Sozialkunde", false}, {8, "Arbeit-Wirtschaft-Technik u. Informatik", false},
     {9, "evangelische Religion", false}, {10, "Physik", true}, {11, "Chemie", true}, {12, "Biologie", false},
     {13, "Musik", false}, {14, "Kunst und Gestaltung", false}, {15, "Sport", false}},
    {"Informatik", "Hauswirtschaft", "Darstellendes Spiel"},
    "Gymnasium am Goetheplatz"};

const ClassPlan kGymnasium{
    "Klasse10a-Gymnasium.RVK", SchoolType::Gymnasium, 10, "10a", 21, 22, 121,
    {{"Albers", "Johanna", "19.02.2011", 1}, {"Brandt", "Felix", "07.10.2010", 0}, {"Dreier", "Carla", "25.04.2011", 1},
     {"Eggert", "Henri", "11.12.2010", 0}, {"Fuhrmann", "Ella", "03.03.2011", 1}, {"Graf", "Anton", "29.07.2011", 0},
     {"Harms", "Frida", "16.01.2011", 1}, {"Jensen", "Ole", "08.09.2010", 0}, {"Kaminski", "Lina", "20.05.2011", 1},
     {"Lorenz", "Jakob", "13.11.2010", 0}},
    {{1, "Deutsch", false}, {2, "Englisch", false}, {3, "Französisch", false}, {4, "Mathematik", false},
     {5, "Geschichte", false}, {6, "Geografie", false}, {7, "Sozialkunde", false}, {8, "Philosophie", false},
     {9, "katholische Religion", false}, {10, "Physik", false}, {11, "Chemie", false}, {12, "Biologie", false},
     {13, "Informatik", false}, {14, "Musik", false}, {15, "Kunst und Gestaltung", false}, {16, "Sport", false},
     {17, "  - - -", false}, {18, "  - - -", false}},
    {"Astronomie", "Spanisch", "Darstellendes Spiel"},
    "Fachgymnasium Wirtschaft"};

bool writeClass(const ClassPlan& plan, const std::filesystem::path& folder, std::mt19937& rng)
{
    std::discrete_distribution<int> gradeDist({0, 14, 32, 30, 17, 6, 1}); // grades 1..6
    std::uniform_int_distribution<int> daysDist(0, 11);
    TDB2 records;
    int key = plan.klassenstufe * 100000 + 1;
    for (std::size_t i = 0; i < plan.students.size(); ++i) {
        const Student& s = plan.students[i];
        records.emplace_back();
        TZgnRec& r = records.back();
        initialiseRecord(r, records, plan.schoolType, rng, records.size() - 1);
        r.Zufall = static_cast<std::int16_t>(1 + rng() % 57000);
        r.Status = 1;
        r.SchlNr = key++;
        r.Name = cp(s.name);
        r.Vorname = cp(s.vorname);
        r.GebDatum = s.geboren;
        r.PersAngabe = cp("Lindenhagen");
        r.Weiblich = s.weiblich;
        // The second student changes school, the third leaves mid-year;
        // the others get their year certificate.
        const int annex = i == 1 ? plan.transferCode : i == 2 ? plan.intermediateCode : plan.yearCode;
        r.ZgnTyp = static_cast<std::int16_t>(i == 1 ? 2 : i == 2 ? 7 : 1);
        r.Halbjahr1 = 0;
        r.Klassenstufe = static_cast<std::int16_t>(plan.klassenstufe);
        r.SjBeginn = "2026";
        r.Klasse = plan.klasse;
        r.KlLehrer = "Wen";
        r.ZgnOrt = cp("Lindenhagen");
        r.ZgnDatum = i == 2 ? "13.03.2027" : "09.07.2027";
        r.Anlage = annex;
        r.AnlageAlt = annex;
        r.AnlageFaecher = annex;
        if (i == 1) {
            r.NeueSchule = cp(plan.neueSchule);
            r.Jahrgang = std::to_string(plan.klassenstufe + 1);
        }
        const int days = daysDist(rng);
        r.Fehltage = std::to_string(days);
        r.FehltageE = std::to_string(days - (days > 8 ? 3 : 0));

        for (const Row& row : plan.rows) {
            TFachEintrag& slot = r.slot(row.slot);
            slot.Fach = cp(row.fach);
            const bool unused = std::string_view(row.fach) == "  - - -";
            slot.Note = unused ? "-" : std::to_string(gradeDist(rng));
            slot.Niveau = row.level ? (rng() % 3 == 0 ? "B" : "M") : "-";
        }
        // Every third student at the Regionale Schule learns a second foreign
        // language; the others leave its row unused.
        if (plan.schoolType == SchoolType::RegionaleSchule) {
            const bool second = i % 3 == 0;
            r.slot(3).Fach = cp(second ? "Französisch" : "  - - -");
            r.slot(3).Note = second ? std::to_string(gradeDist(rng)) : "-";
        }
        // Electives: one course each half-year and its overall grade.
        const char* first = plan.electives[rng() % plan.electives.size()];
        const char* second = plan.electives[rng() % plan.electives.size()];
        r.slot(19).Fach = cp(first);
        r.slot(19).Note = std::to_string(gradeDist(rng));
        r.slot(20).Fach = cp(second);
        r.slot(20).Note = std::to_string(gradeDist(rng));
        r.slot(25).Note = r.slot(20).Note.str();

        r.LEBText = cp(std::string(s.vorname).append(" arbeitet im Unterricht ")
                           .append(i % 3 == 0 ? "aufmerksam und ausdauernd mit. " : "meist konzentriert mit. ")
                           .append("Aufgaben in der Gruppe übernimmt ")
                           .append(s.weiblich ? "sie" : "er")
                           .append(" verlässlich.")
                           .c_str());
        r.Vermerke = cp("  - - - - -");
        r.FLInfo = cp("  - - - - -");
    }
    const std::filesystem::path out = folder / plan.fileName;
    std::string error;
    if (!writeClassFile(out, newFileHeader(static_cast<std::uint16_t>(records.size())), records, &error)) {
        std::fprintf(stderr, "Fehler beim Speichern von: %s (%s)\n", out.c_str(), error.c_str());
        return false;
    }
    std::printf("%s\n", out.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "Aufruf: make-example-secondary AUSGABEORDNER\n"
                             "Schreibt die mitgelieferten Beispielklassen der Regionalen Schule und des "
                             "Gymnasiums in den Ordner.\n");
        return 2;
    }
    std::mt19937 rng(20270709); // fixed: the examples must not change between runs
    return writeClass(kRegionale, argv[1], rng) && writeClass(kGymnasium, argv[1], rng) ? 0 : 1;
}
