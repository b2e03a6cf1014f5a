// Writes a class of active students (30 unless a count is given) with
// two-page primary-school certificates (annex 3) and filled texts, for the
// printing and memory benchmarks.
//   bench_make_print_class OUT.RVK [COUNT]
#include "classfile/ClassFile.h"
#include "common/Cp1252.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace ruvek;

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_make_print_class OUT.RVK [COUNT]\n");
        return 2;
    }
    const long count = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 30;
    if (count < 1 || count > static_cast<long>(kMaxRecords)) {
        std::fprintf(stderr, "COUNT must lie between 1 and 65535.\n");
        return 2;
    }
    const char* subjects[9][2] = {{"Deutsch", "2"}, {"Sachunterricht", "1"}, {"Mathematik", "3"},
                                  {"evangelische Religion", "2"}, {"Kunst und Gestaltung", "1"}, {"Musik", "2"},
                                  {"Sport", "1"}, {"???", "-"}, {"Englisch", "2"}};
    TDB2 records;
    records.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i) {
        TZgnRec r;
        r.Status = 1;
        r.Name = utf8ToCp1252("Schüler" + std::to_string(i + 1));
        r.Vorname = "Kim";
        r.GebDatum = "04.07.2017";
        r.ZgnTyp = 1;
        r.Klassenstufe = 3;
        r.SjBeginn = "2026";
        r.Klasse = "3b";
        r.ZgnOrt = "Rostock";
        r.ZgnDatum = "03.07.2027";
        r.Anlage = 3;
        for (int k = 1; k <= 25; ++k) {
            r.slot(k).Fach = k <= 9 ? utf8ToCp1252(subjects[k - 1][0]) : "???";
            r.slot(k).Note = k <= 9 ? subjects[k - 1][1] : "-";
            r.slot(k).Niveau = "-";
        }
        r.LEBText = utf8ToCp1252(
            "Kim arbeitet im Unterricht aufmerksam und ausdauernd mit. Kim beteiligt sich gern an Gesprächen im "
            "Sitzkreis und bringt eigene Ideen ein. Im Lesen hat Kim große Fortschritte gemacht: kurze Texte "
            "werden flüssig und sinnbetont vorgelesen. Beim Schreiben achtet Kim auf eine saubere Form. Im Umgang "
            "mit den Mitschülerinnen und Mitschülern ist Kim hilfsbereit und freundlich.");
        r.Vermerke = "Kim hat an der Arbeitsgemeinschaft Lesen teilgenommen.";
        records.push_back(r);
    }
    std::string error;
    if (!writeClassFile(argv[1], newFileHeader(static_cast<std::uint16_t>(records.size())), records, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
