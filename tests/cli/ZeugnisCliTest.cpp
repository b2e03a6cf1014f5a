// ruvek-cli zeugnis: the four primary-school certificates as PDF, checked
// from outside with the poppler tools (skipped where they are missing). The
// program runs from a program folder of its own with the shipped form
// control files and a school name in its program settings; the class file is
// built here byte by byte.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
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
constexpr const char* kSchoolName = "Grundschule Am Lindenhof Rostock";

struct Subject {
    const char* fach;
    const char* note;
};

struct Student {
    const char* name;
    const char* vorname;
    int weiblich;
    int anlage;
    int halbjahr1;
    std::vector<Subject> subjects; // slots 1..9
};

void putText(std::vector<std::uint8_t>& b, std::size_t off, std::string_view utf8, bool lengthPrefixed = true)
{
    const std::string cp = utf8ToCp1252(utf8);
    if (lengthPrefixed)
        b[off++] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off));
}

std::vector<std::uint8_t> recordImage(const Student& s)
{
    std::vector<std::uint8_t> r(kRecordSize, 0);
    putI16(r, 2, 1); // active
    putText(r, 20, s.name);
    putText(r, 51, s.vorname);
    putText(r, 82, "04.07.2018");
    putI32(r, 124, s.weiblich);
    putI16(r, 220, static_cast<std::int16_t>(s.anlage % 2 == 0 ? 2 : 1)); // ZgnTyp
    putI16(r, 222, static_cast<std::int16_t>(s.halbjahr1));
    putI16(r, 228, static_cast<std::int16_t>(s.anlage <= 2 ? 1 : 3));
    putText(r, 230, "2026");
    putText(r, 235, s.anlage <= 2 ? "1a" : "3b");
    putText(r, 247, "Grundschule an der Warnow");
    putText(r, 278, "2");
    putText(r, 281, "4");
    putText(r, 287, "3");
    putText(r, 296, "Rostock");
    putText(r, 327, "03.07.2027");
    putI32(r, 352, s.anlage);
    for (int k = 0; k < 25; ++k) {
        const std::size_t off = 440 + 44 * static_cast<std::size_t>(k);
        const bool given = static_cast<std::size_t>(k) < s.subjects.size();
        putText(r, off, given ? s.subjects[static_cast<std::size_t>(k)].fach : "???");
        putText(r, off + 31, given ? s.subjects[static_cast<std::size_t>(k)].note : "-");
        putText(r, off + 36, "-");
    }
    putText(r, 1540,
            "Lena arbeitet im Unterricht aufmerksam mit und beteiligt sich gern an Gesprächen. "
            "Sie liest kurze Texte sicher vor und schreibt die gelernten Buchstaben sauber.",
            false);
    putText(r, 3541, "Lena hat an der Lese-AG teilgenommen.", false);
    return r;
}

void writeClassFile(const fs::path& path, const std::vector<Student>& students)
{
    std::vector<std::uint8_t> img(92, 0);
    putU16(img, 0, static_cast<std::uint16_t>(students.size()));
    putText(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (auto it = students.rbegin(); it != students.rend(); ++it) {
        const auto r = recordImage(*it);
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(img.data()),
                                                static_cast<std::streamsize>(img.size()));
}

// Program settings with the defaults and the school's name.
void writeProgramSettings(const fs::path& folder)
{
    std::vector<std::uint8_t> b(126, 0);
    for (const std::size_t on : {0u, 12u, 14u, 18u, 22u})
        putI16(b, on, 1);
    putText(b, 44, kSchoolName);
    std::ofstream(folder / "RVKEINST.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}


const std::vector<Subject> kGrades = {
    {"Deutsch", "2"}, {"Sachunterricht", "1"}, {"Mathematik", "3"}, {"evangelische Religion", "2"},
    {"Kunst und Gestaltung", "1"}, {"Musik", "n"}, {"Sport", "1"}, {"???", "-"}, {"Englisch", "2"},
};

class ZeugnisCommand : public ::testing::Test {
protected:
    fs::path dir;
    fs::path cli;
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("ruvek-cli-zeugnis-" + std::to_string(rd()));
        fs::create_directories(dir / "Daten");
        cli = dir / "ruvek-cli";
        fs::copy_file(RUVEK_CLI, cli);
        for (const char* form : {"Anl001.FST", "Anl002.FST", "Anl003.FST", "Anl004.FST"})
            fs::copy_file(fs::path(RUVEK_PROGRAM_DIR) / form, dir / form);
        writeProgramSettings(dir);
        writeClassFile(dir / "Klasse.RVK", {
                                               {"Albrecht", "Lena", 1, 1, 1, {}},
                                               {"Bäcker", "Jonas", 0, 2, 0, {}},
                                               {"Köhler", "Lea", 1, 3, 0, kGrades},
                                               {"Özdemir", "Emir", 0, 4, 0, kGrades},
                                           });
    }
    void TearDown() override
    {
        // RUVEK_KEEP_TEST_OUTPUT keeps the certificates for looking at them.
        std::error_code ec;
        if (!std::getenv("RUVEK_KEEP_TEST_OUTPUT"))
            fs::remove_all(dir, ec);
    }
    Output zeugnis(int nr, const fs::path& pdf)
    {
        return run(shellQuoted(cli) + " zeugnis " + shellQuoted(dir / "Klasse.RVK") + " --nr " + std::to_string(nr) + " -o " +
                   shellQuoted(pdf));
    }
};

TEST_F(ZeugnisCommand, EachPrimaryCertificateShowsItsTextsWithEmbeddedFonts)
{
    if (!haveTool("pdftotext") || !haveTool("pdffonts"))
        GTEST_SKIP() << "poppler-utils are not installed";
    struct Case {
        int nr;
        int pages;
        std::vector<std::string> expected;
        std::vector<std::string> absent;
    };
    const std::vector<Case> cases = {
        {1, 1, {"Zeugnis", "der Grundschule", kSchoolName, "Lena Albrecht", "Lernentwicklungsbericht", "Vermerke:",
                "Rostock, 3.7.2027", "Stempel/Siegel", "2026 / 2027"},
         {"Übergangszeugnis", "Notenstufen:"}},
        {2, 1, {"Übergangszeugnis", "Jonas Bäcker", "Grundschule an der Warnow", "Schule bzw. Schulart"}, {}},
        {3, 2, {"Zeugnis", "Köhler, Lea", "Noten", "Deutsch", "Fremdsprache", "Englisch",
                "evangelische / katholische", "Philosophieren mit Kindern", "nicht teilgenommen", "Notenstufen:"},
         {}},
        {4, 2, {"Übergangszeugnis", "Özdemir, Emir", "befriedigend", "sehr gut", "Notenstufen:"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("student " + std::to_string(c.nr));
        const fs::path pdf = dir / ("Zeugnis" + std::to_string(c.nr) + ".pdf");
        const Output made = zeugnis(c.nr, pdf);
        ASSERT_EQ(made.exitCode, 0) << made.text;

        const Output text = run("pdftotext -layout " + shellQuoted(pdf) + " -");
        ASSERT_EQ(text.exitCode, 0) << text.text;
        for (const std::string& e : c.expected)
            EXPECT_NE(text.text.find(e), std::string::npos) << e << "\n" << text.text;
        for (const std::string& a : c.absent)
            EXPECT_EQ(text.text.find(a), std::string::npos) << a;
        EXPECT_EQ(std::count(text.text.begin(), text.text.end(), '\f'), c.pages);

        // Every font of the certificate is embedded: the column "emb" (the
        // first of the three yes/no columns) says yes.
        const Output fonts = run("pdffonts " + shellQuoted(pdf));
        ASSERT_EQ(fonts.exitCode, 0) << fonts.text;
        const std::regex row(R"( (yes|no) +(yes|no) +(yes|no) +\d+ +\d+)");
        int fontRows = 0;
        for (auto it = std::sregex_iterator(fonts.text.begin(), fonts.text.end(), row); it != std::sregex_iterator(); ++it) {
            ++fontRows;
            EXPECT_EQ((*it)[1], "yes") << fonts.text;
        }
        EXPECT_GE(fontRows, 2) << fonts.text;
    }
}

TEST_F(ZeugnisCommand, YearCertificateHasDigitsTransferCertificateWords)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    struct Case {
        int nr;
        const char* mathematik; // the grade "3" as printed in its row
    };
    for (const Case c : {Case{3, "3"}, Case{4, "befriedigend"}}) {
        const fs::path pdf = dir / ("Zeugnis" + std::to_string(c.nr) + ".pdf");
        ASSERT_EQ(zeugnis(c.nr, pdf).exitCode, 0);
        const Output text = run("pdftotext -layout " + shellQuoted(pdf) + " -");
        EXPECT_TRUE(std::regex_search(text.text, std::regex(std::string("Mathematik +") + c.mathematik + "\\n")))
            << text.text;
    }
}

TEST_F(ZeugnisCommand, StudentNumberBeyondTheClassFails)
{
    const Output out = zeugnis(9, dir / "none.pdf");
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_NE(out.text.find("nur 4 Sch"), std::string::npos) << out.text;
    EXPECT_FALSE(fs::exists(dir / "none.pdf"));
}

} // namespace
