// ruvek-cli testpage: the printer test page as PDF, checked with the
// poppler tools (skipped where they are not installed).
#include "support/CliRunner.h"
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {
using ruvek::test::haveTool;
using ruvek::test::Output;
using ruvek::test::shellQuoted;
using ruvek::test::run;

namespace fs = std::filesystem;



class TestpageCommand : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("ruvek-cli-testpage-" + std::to_string(rd()));
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    Output testpage(const std::string& args) { return run(shellQuoted(RUVEK_CLI) + " testpage " + args); }
};

TEST_F(TestpageCommand, PdfShowsAllFiftyFontLabelsDateAndImprint)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    const fs::path pdf = dir / "Testblatt.pdf";
    const Output made = testpage("-o " + shellQuoted(pdf.string()));
    ASSERT_EQ(made.exitCode, 0) << made.text;
    ASSERT_TRUE(fs::exists(pdf));

    const Output text = run("pdftotext -layout " + shellQuoted(pdf.string()) + " -");
    ASSERT_EQ(text.exitCode, 0) << text.text;
    EXPECT_NE(text.text.find("Drucker-Testblatt"), std::string::npos);
    EXPECT_NE(text.text.find("Ruvek V.3.x."), std::string::npos);
    EXPECT_TRUE(std::regex_search(text.text, std::regex(
        "\\d\\d\\. (Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember) \\d{4}")))
        << text.text;

    // Every label "n - Face, h=d,dmm, style    digits" exactly once.
    const std::regex label(R"((\d+) - (Courier New|Times New Roman|Arial), h=\d,\dmm, [a-z+]+ +(1234567890)+)");
    std::set<int> seen;
    std::istringstream lines(text.text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, label)) {
            EXPECT_TRUE(seen.insert(std::stoi(m[1])).second) << line;
        }
    }
    EXPECT_EQ(seen.size(), 50u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 50);
}

TEST_F(TestpageCommand, PdfEmbedsTheThreeFaces)
{
    if (!haveTool("pdffonts"))
        GTEST_SKIP() << "pdffonts is not installed";
    const fs::path pdf = dir / "fonts.pdf";
    ASSERT_EQ(testpage("-o " + shellQuoted(pdf.string())).exitCode, 0);
    const Output fonts = run("pdffonts " + shellQuoted(pdf.string()));
    ASSERT_EQ(fonts.exitCode, 0) << fonts.text;
    // Liberation fonts are the metric twins of Arial, Times New Roman and
    // Courier New; either family is right, a substitute with other widths is not.
    for (const char* pattern : {"(LiberationSans|Arial)", "(LiberationSerif|TimesNewRoman)",
                                "(LiberationMono|CourierNew)"}) {
        EXPECT_TRUE(std::regex_search(fonts.text, std::regex(std::string(pattern) + "[-A-Za-z]* +[^\\n]* yes ")))
            << pattern << "\n" << fonts.text;
    }
}

TEST_F(TestpageCommand, BadArgumentsAndUnwritableTarget)
{
    EXPECT_EQ(testpage("").exitCode, 2);
    EXPECT_EQ(testpage("-o").exitCode, 2);
    EXPECT_EQ(testpage("--unbekannt -o x.pdf").exitCode, 2);
    const Output missingFolder = testpage("-o " + shellQuoted((dir / "fehlt" / "x.pdf").string()));
    EXPECT_EQ(missingFolder.exitCode, 1);
    EXPECT_NE(missingFolder.text.find("Fehler"), std::string::npos) << missingFolder.text;
}

} // namespace
