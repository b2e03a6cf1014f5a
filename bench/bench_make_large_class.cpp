// Writes a large class file for the speed benchmark of reading and writing
// class files (see bench/resave-bench.sh): N students (default 20,000) with
// every text field filled, so the file is about 120 MB.
//
//   bench_make_large_class OUTPUT.RVK [N]
#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace ruvek;

int main(int argc, char** argv)
{
    // A name starting with '-' is an option asked for by mistake (--help),
    // never a file to write.
    if (argc < 2 || argc > 3 || argv[1][0] == '-') {
        std::fprintf(stderr, "Aufruf: bench_make_large_class AUSGABE.RVK [ANZAHL]\n"
                             "Schreibt eine große Klassen-Datei (Vorgabe 20000 Schüler) für Zeitmessungen.\n");
        const std::string first = argc >= 2 ? argv[1] : "";
        return argc == 2 && (first == "--help" || first == "-h") ? 0 : 2;
    }
    const long n = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 20000;
    if (n < 1 || n > static_cast<long>(kMaxRecords)) {
        std::fprintf(stderr, "ANZAHL muss zwischen 1 und 65535 liegen.\n");
        return 2;
    }
    TZgnRec proto;
    RandomSource random(1);
    initialiseRecord(proto, {}, SchoolType::RegionaleSchule, random);
    proto.Klasse = "9b";
    proto.SjBeginn = "2026";
    proto.Klassenstufe = 9;
    proto.ZgnTyp = 1;
    const std::string text = utf8ToCp1252("Schülerin/Schüler arbeitet zuverlässig mit.\r\n");
    std::string longText;
    while (longText.size() + text.size() <= 2000)
        longText += text;
    proto.LEBText = longText;
    proto.FLInfo = longText;
    proto.Vermerke = longText.substr(0, 500);

    TDB2 records(static_cast<std::size_t>(n), proto);
    for (long i = 0; i < n; ++i) {
        auto& r = records[static_cast<std::size_t>(i)];
        r.SchlNr = static_cast<std::int32_t>(100000 + i);
        r.Name = utf8ToCp1252("Müller-" + std::to_string(i));
        r.Vorname = utf8ToCp1252("Jürgen");
        for (int k = 1; k <= 18; ++k) {
            r.slot(k).Fach = "Fach " + std::to_string(k);
            r.slot(k).Note = std::to_string(1 + (i + k) % 6);
        }
    }
    std::string error;
    if (!writeClassFile(argv[1], newFileHeader(static_cast<std::uint16_t>(n)), records, &error)) {
        std::fprintf(stderr, "Fehler beim Speichern von: %s (%s)\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
