// ruvek-cli pdf --datenblaetter on the shipped example class, checked from
// outside with the poppler tools: one page per student of the series, and
// every part of the data sheet readable as text on the page.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;
using ruvek::test::haveTool;
using ruvek::test::Output;
using ruvek::test::run;
using ruvek::test::shellQuoted;

namespace {

class DatenblattCommand : public ::testing::Test {
protected:
    fs::path dir;
    fs::path cli = RUVEK_CLI;
    fs::path klasse = fs::path(RUVEK_SOURCE_DIR) / "data" / "examples" / "Beispielklasse.RVK";
    void SetUp() override
    {
        if (!haveTool("pdftotext") || !haveTool("pdfinfo"))
            GTEST_SKIP() << "poppler-utils are not installed";
        dir = fs::temp_directory_path() / ("ruvek-cli-datenblatt-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    Output pdf(const std::string& options, const fs::path& out)
    {
        const std::string command = shellQuoted(cli) + " pdf " + shellQuoted(klasse) + " -o " + shellQuoted(out);
        return run(command + " --datenblaetter " + options);
    }
    std::string pageText(const fs::path& file, int page)
    {
        const std::string p = std::to_string(page);
        return run("pdftotext -f " + p + " -l " + p + " " + shellQuoted(file) + " -").text;
    }
};

} // namespace

TEST_F(DatenblattCommand, WholeClassOnePagePerStudentOfTheSeries)
{
    const fs::path out = dir / "Datenblaetter.pdf";
    const Output made = pdf("", out);
    ASSERT_EQ(made.exitCode, 0) << made.text;
    // The example class holds 25 records; three of them are deleted.
    EXPECT_NE(made.text.find("22 Seiten, 22 Schüler, 3 übersprungen"), std::string::npos) << made.text;
    EXPECT_NE(made.text.find("Nr. 5 (Sophie Engel), gelöscht"), std::string::npos) << made.text;
    const std::string info = run("pdfinfo " + shellQuoted(out)).text;
    const auto at = info.find("Pages:");
    ASSERT_NE(at, std::string::npos) << info;
    EXPECT_EQ(std::stoi(info.substr(at + 6)), 22);
}

TEST_F(DatenblattCommand, EveryPartOfTheSheetIsOnThePage)
{
    const fs::path out = dir / "Albrecht.pdf";
    const Output made = pdf("--nur 1", out);
    ASSERT_EQ(made.exitCode, 0) << made.text;
    const std::string text = pageText(out, 1);
    for (const char* expected :
         {"Schüler-Datenblatt", "Lena Albrecht", "Klasse 7a", "Schuljahr 2026/2027", "Geburtsdatum", "14.02.2014",
          "weiblich", "Klassenstufe", "Klassenlehrer/in", "Zeugnisart", "Zeugnis (Halbjahr/Schuljahr)",
          "Anlage 15: (Halb-)/Jahres-Zeugnis der Regionalen Schule [Anl015.FST]", "Ausstellungsort", "Lindenhagen",
          "29.01.2027", "Fächer und Bewertungen", "Deutsch", "2 (gut)", "Wahlpflicht gesamt", "W6", "Empfehlung",
          "Fehltage", "davon entschuldigt", "Lernentwicklungsbericht", "Vermerke", "Informationen der Fachlehrer"})
        EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected << "\n" << text;
}
