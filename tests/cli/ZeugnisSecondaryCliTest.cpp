// ruvek-cli zeugnis on the secondary certificates: one student per annex
// code, each printed as a PDF of its pages and read back with pdftotext (skipped
// where the poppler tools are missing): title, school kind, subjects in
// their rows, grades in digits or in words, level marks, the statements
// of the leaving and final certificates, and the Gymnasium's one-page
// leaving and examination certificates. The class file is
// built here byte by byte. RUVEK_KEEP_TEST_OUTPUT keeps the PDFs.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {
using ruvek::test::haveTool;
using ruvek::test::Output;
using ruvek::test::shellQuoted;
using ruvek::test::run;

constexpr std::size_t kRecordSize = 6044;

struct Subject {
    const char* fach;
    const char* note;
    const char* niveau;
};

// Slots 1 to 18 and the elective W1; the overall elective grade is W1's.
const std::vector<Subject> kSubjects = {
    {"Deutsch", "2", "M"}, {"Englisch", "3", "R"}, {"Französisch", "2", "-"}, {"Mathematik", "4", "B"},
    {"Geschichte", "1", "-"}, {"Geografie", "2", "-"}, {"Sozialkunde", "3", "-"},
    {"Arbeit-Wirtschaft-Technik", "3", "-"}, {"evangelische Religion", "1", "-"},
    {"Physik", "3", "E"}, {"Chemie", "2", "G"}, {"Biologie", "2", "-"}, {"Musik", "1", "-"},
    {"Kunst und Gestaltung", "5", "-"}, {"Sport", "2", "-"}, {"  - - -", "-", "-"}, {"Informatik", "1", "-"},
    {"???", "-", "-"}, {"Darstellendes Spiel", "2", "-"},
};

void putText(std::vector<std::uint8_t>& b, std::size_t off, std::string_view utf8, bool lengthPrefixed = true)
{
    const std::string cp = utf8ToCp1252(utf8);
    if (lengthPrefixed)
        b[off++] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off));
}

std::vector<std::uint8_t> recordImage(int anlage, int nr)
{
    std::vector<std::uint8_t> r(kRecordSize, 0);
    putI16(r, 2, 1); // active
    putText(r, 20, "Schröder");
    putText(r, 51, "Max" + std::to_string(nr));
    putText(r, 82, "17.03.2012");
    putI32(r, 124, 0);
    putI16(r, 224, 2); // Ebene: Realschule
    putText(r, 230, "2026");
    putText(r, 235, "8b");
    putText(r, 247, "Gymnasium am Goetheplatz");
    putText(r, 278, "9");
    putText(r, 281, "4");
    putText(r, 287, "4");
    putText(r, 296, "Lindenhagen");
    putText(r, 327, "08.07.2027");
    putI32(r, 352, anlage);
    for (std::size_t k = 0; k < 25; ++k) {
        const std::size_t off = 440 + 44 * k;
        const Subject s = k < kSubjects.size() ? kSubjects[k] : k == 24 ? kSubjects.back() : Subject{"???", "-", "-"};
        putText(r, off, s.fach);
        putText(r, off + 31, s.note);
        putText(r, off + 36, s.niveau);
    }
    if (anlage == 24 || anlage == 25)
        putI16(r, 370, 1); // took part in the transfer examination
    putText(r, 1540, "Max arbeitet im Unterricht konzentriert mit.", false);
    putText(r, 3541, "  - - - - -", false);
    return r;
}


struct Case {
    int anlage;
    bool inWords; // grades in words: the grade words appear beyond the grade scale
    std::vector<std::string> expected;
    std::vector<std::string> absent;
};

// Digits, words and level marks as each member prints them.
const std::vector<Case> kCases = {
    {15, false, {"Zeugnis", "der Regionalen Schule", "1. Fremdsprache", "2. Fremdsprache", "(M)*", "(B)*",
          "Arbeit-Wirtschaft-Technik", "und Informatik", "Gesamteinschätzung",
          "Wahlpflichtunterricht", "1. Halbjahr", "Darstellendes Spiel", "Gesamtnote im Wahlpflichtunterricht",
          "* B = Anspruchsebene Berufsreife, M = Anspruchsebene Mittlere Reife"},
     {"Lernentwicklungsbericht"}},
    {16, true, {"Übergangszeugnis", "der Regionalen Schule", "befriedigend", "sehr gut", "(M)*", "Schule bzw. Schulart"}, {}},
    {115, false, {"Zwischenzeugnis", "der Regionalen Schule"}, {}},
    {5, false, {"Zeugnis", "der Hauptschule", "1. Fremdsprache", "Notenstufen:"}, {"2. Fremdsprache", "(M)*"}},
    {6, true, {"Übergangszeugnis", "der Hauptschule", "ausreichend"}, {}},
    {105, false, {"Zwischenzeugnis", "der Hauptschule"}, {}},
    {10, false, {"Zeugnis", "der Realschule", "2. Fremdsprache", "Informatik"}, {"(M)*"}},
    {11, true, {"Übergangszeugnis", "der Realschule", "mangelhaft"}, {}},
    {110, false, {"Zwischenzeugnis", "der Realschule"}, {}},
    {21, false, {"Zeugnis", "des Gymnasiums", "Arbeit-Wirtschaft-Technik", "???"}, {"und Informatik", "(M)*"}},
    {22, true, {"Übergangszeugnis", "des Gymnasiums", "gut"}, {}},
    {121, false, {"Zwischenzeugnis", "des Gymnasiums"}, {}},
    {104, false, {"Zeugnis", "der Orientierungsstufe", "Notenstufen: sehr gut (1)"}, {"(E)*", "Wahlpflichtunterricht"}},
    {26, false, {"Zeugnis", "der Integrierten Gesamtschule", "Englisch", "Französisch", "Erläuterungen:",
          "3. Weltkunde umfasst"},
     {"1. Fremdsprache", "Wahlpflichtunterricht"}},
    {27, false, {"Zeugnis", "der Integrierten Gesamtschule", "Alle Noten beziehen sich auf die Anspruchsebene:",
          "Realschule", "(E)*", "(G)*", "(B)*", "Gymnasialkurs", "Erläuterungen:"},
     {"Weltkunde"}},
    {29, true, {"Übergangszeugnis", "der Integrierten Gesamtschule", "befriedigend"}, {}},
    {127, false, {"Zwischenzeugnis", "der Integrierten Gesamtschule"}, {}},
    // Leaving and final certificates: always in words, the statement instead of the text area.
    {7, true, {"Abgangszeugnis", "der Hauptschule", "Schuljahr", "der Hauptschule entlassen."}, {"Lernentwicklungsbericht"}},
    {8, true, {"Abschlusszeugnis", "Hauptschulabschluss", "1. Halbjahr", "2. Halbjahr"}, {}},
    {9, true, {"Abschlusszeugnis", "qualifizierten Hauptschulabschluss"}, {}},
    {12, true, {"Abgangszeugnis", "der Realschule entlassen."}, {}},
    {13, true, {"Abschlusszeugnis", "Realschulabschluss", "Gesamtprädikat", "erworben."}, {}},
    {14, true, {"qualifizierten Realschulabschluss"}, {}},
    {17, true, {"Abgangszeugnis", "der Regionalen Schule entlassen.", "(M)*", "Schuljahr"},
     {"Gesamteinschätzung", "über das 1. Schulhalbjahr"}},
    {18, true, {"Abschlusszeugnis", "Berufsreife", "(B)*"}, {"2. Fremdsprache"}},
    {19, true, {"Berufsreife mit Leistungsfeststellung", "Gesamtprädikat"}, {}},
    {20, true, {"Mittlere Reife", "2. Fremdsprache"}, {"(M)*", "(B)*"}},
    {28, true, {"Abgangszeugnis", "der Integrierten Gesamtschule", "Jahrgangsstufe entlassen.", "Erläuterungen:",
          "Gymnasialkurs", "(E)*"},
     {"Fehltage"}},
    // One page each; without a school type the examination's foreign
    // language stays out (and printing from here asks nothing).
    {23, true, {"Abgangszeugnis", "des Gymnasiums", "Die Schülerin / Der Schüler hat die Vollzeitschulpflicht erfüllt.",
          "Pflichtunterricht", "Landessiegel", "Notenstufen:"},
     {"Empfangsbestätigung:", "Noten\n"}},
    {24, true, {"Zeugnis", "des Gymnasiums / der Integrierten Gesamtschule", "Prüfungsfächer", "Fächer der Zulassung",
          "Er/Sie hat die Prüfung nicht bestanden", "Landessiegel", "Empfangsbestätigung:"},
     {"1. Fremdsprache"}},
};

int pageCount(int anlage) { return anlage >= 23 && anlage <= 25 ? 1 : 2; }

class ZeugnisSecondary : public ::testing::Test {
protected:
    fs::path dir;
    fs::path cli;
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("ruvek-cli-sek-" + std::to_string(rd()));
        fs::create_directories(dir / "Daten");
        cli = dir / "ruvek-cli";
        fs::copy_file(RUVEK_CLI, cli);
        for (const auto& entry : fs::directory_iterator(RUVEK_PROGRAM_DIR))
            if (entry.path().extension() == ".FST")
                fs::copy_file(entry.path(), dir / entry.path().filename());
        std::vector<std::uint8_t> img(92, 0);
        putU16(img, 0, static_cast<std::uint16_t>(kCases.size()));
        putText(img, 2, "jvq Ruvek DB");
        putU16(img, 20, 2);
        putU16(img, 22, 2);
        for (std::size_t i = kCases.size(); i-- > 0;) { // stored last first
            const auto r = recordImage(kCases[i].anlage, static_cast<int>(i + 1));
            img.insert(img.end(), r.begin(), r.end());
        }
        std::ofstream(dir / "Klasse.RVK", std::ios::binary)
            .write(reinterpret_cast<const char*>(img.data()), static_cast<std::streamsize>(img.size()));
    }
    void TearDown() override
    {
        std::error_code ec;
        if (!std::getenv("RUVEK_KEEP_TEST_OUTPUT"))
            fs::remove_all(dir, ec);
        else
            std::printf("kept %s\n", dir.c_str());
    }
};

TEST_F(ZeugnisSecondary, EachAnnexCodePrintsItsCertificate)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "poppler-utils are not installed";
    for (std::size_t i = 0; i < kCases.size(); ++i) {
        const Case& c = kCases[i];
        SCOPED_TRACE("Anlage " + std::to_string(c.anlage));
        const fs::path pdf = dir / ("Anl" + std::to_string(c.anlage) + ".pdf");
        const Output made = run(shellQuoted(cli) + " zeugnis " + shellQuoted(dir / "Klasse.RVK") + " --nr " +
                                std::to_string(i + 1) + " -o " + shellQuoted(pdf));
        ASSERT_EQ(made.exitCode, 0) << made.text;
        const Output text = run("pdftotext -q " + shellQuoted(pdf) + " -");
        EXPECT_EQ(std::count(text.text.begin(), text.text.end(), '\f'), pageCount(c.anlage));
        for (const std::string& e : c.expected)
            EXPECT_NE(text.text.find(e), std::string::npos) << e;
        // "befriedigend" stands in the grade scale, and in words also in the table.
        std::size_t words = 0;
        for (auto at = text.text.find("befriedigend"); at != std::string::npos; at = text.text.find("befriedigend", at + 1))
            ++words;
        EXPECT_EQ(words > 1, c.inWords);
        for (const std::string& a : c.absent)
            EXPECT_EQ(text.text.find(a), std::string::npos) << a;
    }
}

TEST_F(ZeugnisSecondary, TransferExaminationWithoutExaminationDataIsRefused)
{
    // No participation in the examination, or before 2006 no fourth
    // examination subject: refused with the message of the series print,
    // exit 1, no file.
    struct ExamCase {
        int anlage;
        int uePruefung;
        const char* sjBeginn;
        const char* prFach;
        bool refused;
    };
    const ExamCase cases[] = {
        {24, 0, "2026", "---", true}, {25, 0, "2026", "Bio", true}, {24, 1, "2005", "???", true},
        {25, 1, "2005", "---", true}, {24, 1, "2005", "Bio", false}, {25, 1, "2026", "???", false},
    };
    std::vector<std::uint8_t> img(92, 0);
    putU16(img, 0, static_cast<std::uint16_t>(std::size(cases)));
    putText(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (std::size_t i = std::size(cases); i-- > 0;) { // stored last first
        auto r = recordImage(cases[i].anlage, static_cast<int>(i + 1));
        putI16(r, 370, static_cast<std::int16_t>(cases[i].uePruefung));
        putText(r, 230, cases[i].sjBeginn);
        putText(r, 383, cases[i].prFach);
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream(dir / "Pruefung.RVK", std::ios::binary)
        .write(reinterpret_cast<const char*>(img.data()), static_cast<std::streamsize>(img.size()));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const ExamCase& c = cases[i];
        SCOPED_TRACE(std::to_string(c.anlage) + " " + c.sjBeginn + " " + c.prFach);
        const fs::path pdf = dir / ("Pruefung" + std::to_string(i + 1) + ".pdf");
        const Output made = run(shellQuoted(cli) + " zeugnis " + shellQuoted(dir / "Pruefung.RVK") + " --nr " +
                                std::to_string(i + 1) + " -o " + shellQuoted(pdf));
        if (c.refused) {
            EXPECT_EQ(made.exitCode, 1) << made.text;
            EXPECT_NE(made.text.find("Nicht genügend oder falsche Angaben zu den Prüfungen!"), std::string::npos)
                << made.text;
            EXPECT_FALSE(fs::exists(pdf));
        } else {
            EXPECT_EQ(made.exitCode, 0) << made.text;
            EXPECT_TRUE(fs::exists(pdf));
        }
    }
}

} // namespace
