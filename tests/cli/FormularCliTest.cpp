// ruvek-cli formular zeigen/setzen/verschieben on copies of shipped form
// control files, and ruvek-cli kalibrierblatt.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {
using ruvek::test::haveTool;
using ruvek::test::Output;
using ruvek::test::run;
using ruvek::test::shellQuoted;
namespace fs = std::filesystem;

std::string bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FormularCommand : public ::testing::Test {
protected:
    fs::path dir;
    fs::path form;
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("ruvek-cli-formular-" + std::to_string(rd()));
        fs::create_directories(dir);
        form = dir / "Anl017_1031.FST";
        fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data" / "Anl017_1031.FST", form);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    Output formular(const std::string& args) { return run(shellQuoted(RUVEK_CLI) + " formular " + args); }
};

TEST_F(FormularCommand, ShowsEverySlotWithItsName)
{
    const Output out = formular("zeigen " + shellQuoted(form));
    ASSERT_EQ(out.exitCode, 0) << out.text;
    EXPECT_NE(out.text.find("Abgangs-Zeugnis der Regionalen Schule (bsn 510 960 00 12/04)"), std::string::npos);
    EXPECT_NE(out.text.find("8     Schuljahr"), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("67    Lernentwicklungsbericht Zeilen"), std::string::npos);
    EXPECT_NE(out.text.find("140   frei"), std::string::npos);
}

TEST_F(FormularCommand, SetChangesOneSlotAndKeepsTheVersion)
{
    const std::string before = bytesOf(form);
    const Output out = formular("setzen " + shellQuoted(form) + " 8 X=905 Y=870 Sichtbar=1 Schrift=12");
    ASSERT_EQ(out.exitCode, 0) << out.text;
    const Output shown = formular("zeigen " + shellQuoted(form));
    EXPECT_NE(shown.text.find("8     Schuljahr                                    Position        905    870"),
              std::string::npos)
        << shown.text;
    int kept = 0;
    for (const auto& e : fs::directory_iterator(dir / "Sicherungen"))
        kept += bytesOf(e.path()) == before;
    EXPECT_EQ(kept, 2) << "the version replaced and the state before the first change";
}

TEST_F(FormularCommand, BadInputIsRefusedAndTheFileStaysByteForByte)
{
    const std::string before = bytesOf(form);
    const struct {
        const char* args;
        int exitCode;
    } cases[] = {
        {"setzen FORM 141 X=1", 1},       {"setzen FORM -1 X=1", 1},        {"setzen FORM acht X=1", 1},
        {"setzen FORM 8 X=-5", 1},        {"setzen FORM 8 Y=70000", 1},     {"setzen FORM 8 Sichtbar=2", 1},
        {"setzen FORM 8 Seite=5", 1},     {"setzen FORM 8 Ausrichtung=9", 1}, {"setzen FORM 8 Farbe=1", 1},
        {"setzen FORM 8 X=1 Y=zwei", 1},  {"setzen FORM 8 X=12 Y=-1", 1},   {"verschieben FORM --seite 3 --dx 1", 1},
        {"verschieben FORM --seite 1 --dy -9000", 1}, {"verschieben FORM --seite 1 --dx 1,5", 1},
        {"verschieben FORM --dx 5", 2},   {"setzen FORM", 2},                {"zeigen", 2},
    };
    for (const auto& c : cases) {
        std::string args = c.args;
        args.replace(args.find("FORM") == std::string::npos ? args.size() : args.find("FORM"),
                     args.find("FORM") == std::string::npos ? 0 : 4, shellQuoted(form));
        SCOPED_TRACE(args);
        const Output out = formular(args);
        EXPECT_EQ(out.exitCode, c.exitCode) << out.text;
        EXPECT_FALSE(out.text.empty());
        EXPECT_EQ(bytesOf(form), before);
    }
    EXPECT_FALSE(fs::exists(dir / "Sicherungen"));
    const Output missing = formular("zeigen " + shellQuoted(dir / "fehlt.FST"));
    EXPECT_EQ(missing.exitCode, 2) << missing.text;
}

TEST_F(FormularCommand, MoveShiftsThePositionsOfOnePage)
{
    const Output out = formular("verschieben " + shellQuoted(form) + " --seite 1 --dx 50 --dy -20");
    ASSERT_EQ(out.exitCode, 0) << out.text;
    const Output shown = formular("zeigen " + shellQuoted(form));
    // Slot 8 (page 1) was at 820/880, slot 67 holds no position.
    EXPECT_NE(shown.text.find("8     Schuljahr                                    Position        870    860"),
              std::string::npos)
        << shown.text;
    EXPECT_NE(shown.text.find("67    Lernentwicklungsbericht Zeilen               Zahlen            0     65"),
              std::string::npos);
}

TEST_F(FormularCommand, CalibrationSheetAsPdf)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    const fs::path pdf = dir / "Kalibrierblatt.pdf";
    const Output made = run(shellQuoted(RUVEK_CLI) + " kalibrierblatt -o " + shellQuoted(pdf));
    ASSERT_EQ(made.exitCode, 0) << made.text;
    const Output text = run("pdftotext -layout " + shellQuoted(pdf) + " -");
    EXPECT_NE(text.text.find("Kalibrierblatt"), std::string::npos);
    EXPECT_NE(text.text.find("20,0 mm"), std::string::npos);
}

} // namespace
