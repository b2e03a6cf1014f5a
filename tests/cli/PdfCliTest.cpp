// ruvek-cli pdf: the certificates of a whole class as one PDF, checked from
// outside with the poppler tools on a class file built here byte by byte:
// pages in list order, deleted and NichtDrucken students skipped, the
// series stopping at the first blank record; the receipt and report series
// likewise, also on the shipped example class.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
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

struct Student {
    const char* name;
    int anlage;
    int status = 1;
    int nichtDrucken = 0;
};

void putText(std::vector<std::uint8_t>& b, std::size_t off, std::string_view utf8)
{
    const std::string cp = utf8ToCp1252(utf8);
    b[off] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off + 1));
}

void writeClassFile(const fs::path& path, const std::vector<Student>& students)
{
    std::vector<std::uint8_t> img(92, 0);
    putU16(img, 0, static_cast<std::uint16_t>(students.size()));
    putText(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    // Records stand in the file last first.
    for (auto it = students.rbegin(); it != students.rend(); ++it) {
        std::vector<std::uint8_t> r(6044, 0);
        putI16(r, 2, static_cast<std::int16_t>(it->status));
        putText(r, 20, it->name);
        putText(r, 51, "Kim");
        putI16(r, 220, 1);
        putI16(r, 228, static_cast<std::int16_t>(it->anlage <= 2 ? 1 : 3));
        putText(r, 230, "2026");
        putText(r, 235, "3b");
        putI16(r, 348, static_cast<std::int16_t>(it->nichtDrucken));
        putI32(r, 352, it->anlage);
        for (std::size_t k = 0; k < 25; ++k) {
            putText(r, 440 + 44 * k, "???");
            putText(r, 440 + 44 * k + 31, "-");
            putText(r, 440 + 44 * k + 36, "-");
        }
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(img.data()),
                                                static_cast<std::streamsize>(img.size()));
}


class PdfCommand : public ::testing::Test {
protected:
    fs::path dir, cli;
    void SetUp() override
    {
        if (run("command -v pdftotext").exitCode != 0)
            GTEST_SKIP() << "poppler-utils are not installed";
        std::random_device rd;
        dir = fs::temp_directory_path() / ("ruvek-cli-pdf-" + std::to_string(rd()));
        fs::create_directories(dir / "Daten");
        cli = dir / "ruvek-cli";
        fs::copy_file(RUVEK_CLI, cli);
        for (const char* form : {"Anl001.FST", "Anl002.FST", "Anl003.FST", "Anl004.FST", "Anl043.FST", "Anl170.FST"})
            fs::copy_file(fs::path(RUVEK_PROGRAM_DIR) / form, dir / form);
        writeClassFile(dir / "Klasse.RVK", {
                                               {"Albers", 3},
                                               {"Weg", 3, 0},         // deleted
                                               {"Nicht", 1, 1, 1},    // not printed in series
                                               {"Cramer", 1},
                                               {"???", 1},            // ends the series
                                               {"Dorn", 3},
                                           });
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    Output pdf(const std::string& options, const fs::path& out)
    {
        return run(shellQuoted(cli) + " pdf " + shellQuoted(dir / "Klasse.RVK") + " -o " + shellQuoted(out) + " " + options);
    }
    // The names on each page, in page order.
    std::vector<std::string> pageNames(const fs::path& file, int pages)
    {
        std::vector<std::string> names;
        for (int p = 1; p <= pages; ++p) {
            const std::string text =
                run("pdftotext -f " + std::to_string(p) + " -l " + std::to_string(p) + " " + shellQuoted(file) + " -").text;
            std::string found;
            for (const char* n : {"Albers", "Weg", "Nicht", "Cramer", "Dorn"})
                if (text.find(n) != std::string::npos)
                    found += n;
            names.push_back(found);
        }
        return names;
    }
    int pages(const fs::path& file)
    {
        const std::string info = run("pdfinfo " + shellQuoted(file)).text;
        const auto at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
    }
};

TEST_F(PdfCommand, WholeClassLikeTheSeriesCommand)
{
    const fs::path out = dir / "Klasse.pdf";
    const Output made = pdf("", out);
    ASSERT_EQ(made.exitCode, 0) << made.text;
    ASSERT_EQ(pages(out), 3);
    EXPECT_EQ(pageNames(out, 3), (std::vector<std::string>{"Albers", "Albers", "Cramer"}));
    EXPECT_NE(made.text.find("3 Seiten, 2 Schüler, 2 übersprungen"), std::string::npos) << made.text;
    EXPECT_NE(made.text.find("Serie endet bei Nr. 5"), std::string::npos) << made.text;
}

TEST_F(PdfCommand, StartAndSingleStudent)
{
    struct Case {
        std::string options;
        std::vector<std::string> pages;
    };
    const Case cases[] = {{"--ab 3", {"Cramer"}}, {"--nur 6", {"Dorn", "Dorn"}}, {"--nur 3", {"Nicht"}}};
    for (const Case& c : cases) {
        const fs::path out = dir / "Teil.pdf";
        const Output made = pdf(c.options, out);
        ASSERT_EQ(made.exitCode, 0) << c.options << made.text;
        EXPECT_EQ(pageNames(out, pages(out)), c.pages) << c.options;
    }
}

TEST_F(PdfCommand, ReceiptsAndReportsLikeTheirSeriesCommands)
{
    struct Case {
        const char* option;
        std::vector<std::string> pages;
        const char* text;
    };
    // Receipts on A4 with a copy each, NichtDrucken not consulted; reports
    // two to a sheet.
    const Case cases[] = {
        {"--empfangsbekenntnisse", {"Albers", "Albers", "Nicht", "Nicht", "Cramer", "Cramer"},
         "Empfangsbekenntnis (zweifach):"},
        {"--lernentwicklungsberichte", {"AlbersNicht", "Cramer"}, "Lernentwicklungsbericht"},
    };
    for (const Case& c : cases) {
        const fs::path out = dir / "Blatt.pdf";
        const Output made = pdf(c.option, out);
        ASSERT_EQ(made.exitCode, 0) << c.option << made.text;
        EXPECT_EQ(pageNames(out, pages(out)), c.pages) << c.option;
        EXPECT_NE(run("pdftotext " + shellQuoted(out) + " -").text.find(c.text), std::string::npos) << c.option;
    }
}

// The example class with school settings: the receipt names the certificate
// and the school's address, the reports carry the learning-development texts.
TEST_F(PdfCommand, ExampleClassReceiptAndReports)
{
    std::vector<std::uint8_t> school(94, 0);
    putU16(school, 0, 2); // Regionale Schule
    putText(school, 2, "Regionale Schule am Mühlenteich, Teichweg 4, 18055 Rostock");
    std::ofstream(dir / "SCHEINST.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(school.data()), static_cast<std::streamsize>(school.size()));
    const fs::path klasse = fs::path(RUVEK_SOURCE_DIR) / "data" / "examples" / "Beispielklasse.RVK";
    struct Case {
        const char* options;
        int pages;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"--empfangsbekenntnisse --nur 2", 2,
         {"für Jonas Bäcker (Klasse: 7a)", "Regionale Schule am Mühlenteich, Teichweg 4, 18055 Rostock",
          "Rechtsbehelfsbelehrung:", "einzulegen."}},
        {"--lernentwicklungsberichte", 11, {"Jonas Bäcker", "Jonas arbeitet im Unterricht aufmerksam mit."}},
    };
    for (const Case& c : cases) {
        const fs::path out = dir / "Beispiel.pdf";
        const Output made = run(shellQuoted(cli) + " pdf " + shellQuoted(klasse) + " -o " + shellQuoted(out) + " " + c.options);
        ASSERT_EQ(made.exitCode, 0) << c.options << made.text;
        EXPECT_EQ(pages(out), c.pages) << c.options;
        const std::string text = run("pdftotext " + shellQuoted(out) + " -").text;
        for (const std::string& t : c.texts)
            EXPECT_NE(text.find(t), std::string::npos) << c.options << ": " << t << "\n" << text;
    }
}

// A missing form file is asked for (and answered No) once for the class,
// not once per student, and named once; the other students are printed.
TEST_F(PdfCommand, MissingFormFileIsAskedForOnce)
{
    fs::remove(dir / "Anl003.FST");
    writeClassFile(dir / "Klasse.RVK", {{"Albers", 3}, {"Berg", 3}, {"Cramer", 1}, {"Dorn", 3}});
    const fs::path out = dir / "Klasse.pdf";
    const Output made = pdf("", out);
    EXPECT_EQ(made.exitCode, 1) << made.text;
    const auto count = [&made](const std::string& text) {
        std::size_t n = 0;
        for (auto at = made.text.find(text); at != std::string::npos; at = made.text.find(text, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("Anl003.FST"), 2u) << made.text; // the question and the report
    EXPECT_EQ(count("Formular-Datei fehlt: Anl003.FST"), 1u) << made.text;
    ASSERT_EQ(pages(out), 1);
    EXPECT_EQ(pageNames(out, 1), std::vector<std::string>{"Cramer"});
}

TEST_F(PdfCommand, UnwritableTargetLeavesNoFile)
{
    const fs::path out = dir / "fehlt" / "Klasse.pdf";
    const Output made = pdf("", out);
    EXPECT_EQ(made.exitCode, 1);
    EXPECT_NE(made.text.find("Fehler"), std::string::npos) << made.text;
    EXPECT_FALSE(fs::exists(out));
}

// The office prints many classes in one run: one PDF per class into a
// folder (two classes of the same name do not overwrite each other) or one
// PDF for all; a damaged class is reported in its place and the rest is
// still printed; --ab/--nur belong to a single class.
TEST_F(PdfCommand, SeveralClassesIntoAFolderOrOneFile)
{
    fs::create_directories(dir / "Klassen");
    fs::create_directories(dir / "Andere");
    fs::copy_file(dir / "Klasse.RVK", dir / "Klassen" / "7a.RVK");
    fs::copy_file(dir / "Klasse.RVK", dir / "Klassen" / "7b.rvk");
    fs::copy_file(dir / "Klasse.RVK", dir / "Andere" / "7a.RVK");
    std::ofstream(dir / "Klassen" / "kaputt.RVK") << "keine Klassendatei";
    const std::string cli_ = shellQuoted(cli) + " pdf ";

    const fs::path out = dir / "out";
    Output made = run(cli_ + shellQuoted(dir / "Klassen") + " " + shellQuoted(dir / "Andere" / "7a.RVK") + " -o " +
                      shellQuoted(out.string() + "/"));
    EXPECT_EQ(made.exitCode, 2) << made.text;
    for (const char* name : {"7a.pdf", "7b.pdf", "7a-2.pdf"}) {
        ASSERT_TRUE(fs::exists(out / name)) << name << "\n" << made.text;
        EXPECT_EQ(pageNames(out / name, pages(out / name)), (std::vector<std::string>{"Albers", "Albers", "Cramer"}));
    }
    EXPECT_FALSE(fs::exists(out / "kaputt.pdf"));
    EXPECT_NE(made.text.find("kaputt.RVK: nicht gedruckt"), std::string::npos) << made.text;
    EXPECT_NE(made.text.find("Gesamt: 4 Klassen, 9 Seiten, 6 Schüler, 6 übersprungen, 0 gekürzte Texte. "
                             "1 Klasse konnte nicht gedruckt werden."),
              std::string::npos) << made.text;

    const fs::path all = dir / "alle.pdf";
    made = run(cli_ + shellQuoted(dir / "Klassen" / "7a.RVK") + " " + shellQuoted(dir / "Klassen" / "7b.rvk") +
               " --empfangsbekenntnisse -o " + shellQuoted(all));
    ASSERT_EQ(made.exitCode, 0) << made.text;
    const std::vector<std::string> one{"Albers", "Albers", "Nicht", "Nicht", "Cramer", "Cramer"};
    std::vector<std::string> both = one;
    both.insert(both.end(), one.begin(), one.end());
    EXPECT_EQ(pageNames(all, pages(all)), both);

    fs::remove(all);
    made = run(cli_ + shellQuoted(dir / "Klassen") + " --nur 1 -o " + shellQuoted(all));
    EXPECT_EQ(made.exitCode, 2) << made.text;
    EXPECT_FALSE(fs::exists(all));
}

} // namespace
