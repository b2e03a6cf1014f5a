// Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/:
// the files the test fixtures use, made by the program's own writers.
// Run once after a file format changes; the seeds are checked in.
//
//   build-fuzz/fuzz/fuzz_make_seeds fuzz/corpus
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "settings/FachKatalogFile.h"

#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "print/FormFile.h"
#include "settings/DrkEinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WPflFach.h"
#include "transfer/Container.h"

#include <fstream>
#include <iostream>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {
void put(const fs::path& file, ConstBytes bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> slurp(const fs::path& file)
{
    std::vector<std::uint8_t> bytes;
    readWholeFile(file, bytes);
    return bytes;
}

TDB2 someStudents(std::size_t n)
{
    RandomSource random(7);
    TDB2 list(n);
    const char* names[] = {"Ahrens", "Lüdtke", "Özdemir"};
    for (std::size_t i = 0; i < n; ++i) {
        initialiseRecord(list[i], list, SchoolType::Gymnasium, random, i);
        list[i].Name = utf8ToCp1252(names[i % 3]);
        list[i].Vorname = utf8ToCp1252("Jörg");
    }
    return list;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: fuzz_make_seeds CORPUS_ORDNER\n";
        return 2;
    }
    const fs::path corpus = argv[1];
    const fs::path tmp = fuzz::freshFolder("seeds");
    fuzz::SilentPrompter prompter;

    // Class files: one and three records, and a version-1 file.
    for (std::size_t n : {1u, 3u}) {
        const fs::path f = tmp / "k.RVK";
        writeClassFile(f, newFileHeader(static_cast<std::uint16_t>(n)), someStudents(n));
        put(corpus / "classfile" / ("v2-" + std::to_string(n) + ".RVK"), slurp(f));
    }
    {
        auto v2 = slurp(tmp / "k.RVK");
        TDateiKopf h = newFileHeader(1);
        h.Version = 1;
        h.LeseVersion = 1;
        const auto headerImage = toBytes(h);
        std::vector<std::uint8_t> v1(headerImage.begin(), headerImage.end());
        v1.insert(v1.end(), v2.begin() + TDateiKopf::Size, v2.begin() + TDateiKopf::Size + kV1RecordSize);
        put(corpus / "classfile" / "v1-1.RVK", v1);
    }

    // Settings files at each size their readers know.
    TSchulEinstRec schule;
    SchulEinstDefaults(schule);
    schule.Schultyp = 4;
    schule.SchulAnschrift = utf8ToCp1252("Gymnasium Am Hafen, Hafenstraße 1");
    put(corpus / "scheinst" / "SCHEINST.DAT", toBytes(schule));

    TProgEinstRec prog;
    ProgEinstDefaults(prog);
    SetSchulname(prog, utf8ToCp1252("Grundschule Am Hafen"));
    const auto progImage = toBytes(prog);
    put(corpus / "rvkeinst" / "RVKEINST-126.DAT", progImage);
    put(corpus / "rvkeinst" / "RVKEINST-120.DAT", ConstBytes(progImage).first(kProgEinstSize120));
    put(corpus / "rvkeinst" / "RVKEINST-16.DAT", ConstBytes(progImage).first(16));

    TDrkEinstRec druck;
    DrkEinstDefaults(druck);
    const auto druckImage = toBytes(druck);
    put(corpus / "drkeinst" / "DRKEINST-320.DAT", druckImage);
    put(corpus / "drkeinst" / "DRKEINST-44.DAT", ConstBytes(druckImage).first(44));

    put(corpus / "faecher" / "Faecher.DAT",
        test::FaecherDatBuilder().name(40, "Schach").kurz(40, "Sch").foreignLanguage(40, 1).image());

    TWPflFach electives;
    WpflDefaults(electives);
    AddWPflFach(electives, "Schach");
    AddWPflFach(electives, "Töpfern");
    put(corpus / "wpflfach" / "WPflFach.DAT", WPflFachImage(electives));

    TFstTable slots{};
    NewFormDefaults(slots);
    const std::string form = FormFileText("Zeugnis Gymnasium (Anlage 24) Version 1", slots);
    put(corpus / "formfile" / "Anl024.FST", ConstBytes(reinterpret_cast<const std::uint8_t*>(form.data()), form.size()));

    // Containers sealed with the smallest limits and the fuzz password: a
    // class with one version, a backup set, and one with an empty file.
    {
        const KeyDerivation fast = KeyDerivation::testMinimum();
        const auto klasse = slurp(corpus / "classfile" / "v2-1.RVK");
        const auto seal = [&](ContainerKind kind, const std::vector<ContainerFile>& files) {
            return sealContainer(kind, files, fuzz::kFuzzContainerPassword, fast).bytes;
        };
        put(corpus / "container" / "klasse.rvkx",
            seal(ContainerKind::Class, {{"7a.RVK", klasse}, {"Sicherungen/7a 2026-12-10 14-03-22.RVK", klasse}}));
        put(corpus / "container" / "sicherung.rvkx",
            seal(ContainerKind::Backup, {{"7a.RVK", klasse}, {"Programm-Ordner/SCHEINST.DAT", slurp(corpus / "scheinst" / "SCHEINST.DAT")}}));
        put(corpus / "container" / "leer.rvkx", seal(ContainerKind::Backup, {{"leer.DAT", {}}}));
    }
    return 0;
}
