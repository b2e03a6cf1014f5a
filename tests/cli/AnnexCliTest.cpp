// ruvek-cli annex on class files built here byte by byte, independently of
// the program's record definition.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ruvek;
using ruvek::test::CliResult;
using ruvek::test::runCli;
using ruvek::test::runProgram;
using ruvek::test::TempDir;

namespace {

constexpr std::size_t kHeaderSize = 92;
constexpr std::size_t kRecordSize = 6044;

struct Student {
    const char* name;    // UTF-8
    const char* vorname; // UTF-8
    int zgnTyp, klasse;
    const char* sj;
    int abschlArt = 0, klassenart = 0, bestanden = 0;
};

void putPStr(std::vector<std::uint8_t>& b, std::size_t off, std::string_view utf8)
{
    const std::string cp = utf8ToCp1252(utf8);
    b[off] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off + 1));
}

std::vector<std::uint8_t> recordImage(const Student& s)
{
    std::vector<std::uint8_t> r(kRecordSize, 0);
    putI16(r, 2, 1); // Status: active
    putPStr(r, 20, s.name);
    putPStr(r, 51, s.vorname);
    putI16(r, 220, static_cast<std::int16_t>(s.zgnTyp));
    putI16(r, 226, static_cast<std::int16_t>(s.abschlArt));
    putI16(r, 228, static_cast<std::int16_t>(s.klasse));
    putPStr(r, 230, s.sj);
    putI32(r, 352, -1); // Anlage: not yet determined; the command decides anew
    putI16(r, 364, static_cast<std::int16_t>(s.klassenart));
    putI16(r, 390, static_cast<std::int16_t>(s.bestanden));
    for (int k = 0; k < 25; ++k) // subject slots "???"
        putPStr(r, 440 + 44 * static_cast<std::size_t>(k), "???");
    return r;
}

// A version-2 class file: header, then the records with the last student first.
void writeClassFile(const fs::path& path, const std::vector<Student>& students)
{
    std::vector<std::uint8_t> img(kHeaderSize, 0);
    putU16(img, 0, static_cast<std::uint16_t>(students.size()));
    putPStr(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (auto it = students.rbegin(); it != students.rend(); ++it) {
        const auto r = recordImage(*it);
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(img.data()), static_cast<std::streamsize>(img.size()));
}

class AnnexCli : public testing::Test {
protected:
    TempDir m_temp {"ruvek-annex-cli"};
    const fs::path& m_dir = m_temp.path();
};

} // namespace

TEST_F(AnnexCli, CodesOfTheDecisionTableInListOrder)
{
    struct Case {
        int schultyp;
        Student s;
        int annex;
    };
    const std::vector<Case> table = {
        {1, {"Grund", "Anna", 1, 1, "2010"}, 1},
        {1, {"Grund", "Ben", 1, 5, "2006"}, 104},
        {1, {"Grund", "Carl", 1, 6, "2006"}, 3},
        {1, {"Grund", "Dora", 1, 6, "2007"}, 104},
        {2, {"Regional", "Emil", 4, 10, "2006", 1}, 9},
        {2, {"Regional", "Frida", 4, 10, "2007", 1}, 20},
        {2, {"Regional", "Gustav", 4, 9, "2005"}, 8},
        {2, {"Regional", "Hanna", 4, 9, "2006"}, 18},
        {2, {"Regional", "Ida", 5, 10, "07"}, 20},
        {6, {"Real", "Jan", 5, 10, "07"}, 14},
        {5, {"Haupt", "Kai", 5, 10, "07"}, 9},
        {4, {"Gymnasium", "Lea", 6, 10, "2010", 0, 0, 1}, 24},
        {4, {"Gymnasium", "Max", 6, 9, "2010", 0, 0, 1}, 25},
        {6, {"Real", "Nina", 6, 10, "2010", 0, 0, 1}, 0},
        {7, {"Förder", "Otto", 1, 6, "2010", 0, 2}, 0},
        {7, {"Förder", "Paula", 1, 7, "2010", 0, 2}, 34},
        {7, {"Förder", "Quirin", 1, 3, "2010", 0, 1}, 30},
        {1, {"Grund", "Rita", 7, 4, "2010"}, 0},
        {3, {"Gesamt", "Sven", 7, 8, "2010"}, 127},
        {4, {"Gymnasium", "Tom", 1, 5, "1999"}, 21},
        {3, {"Gesamt", "Uwe", 1, 0, "2010"}, 27},
    };
    // One class file per school type, checked with --schultyp.
    for (int schultyp : {1, 2, 3, 4, 5, 6, 7}) {
        std::vector<Student> students;
        std::string expected;
        for (const auto& c : table) {
            if (c.schultyp != schultyp)
                continue;
            students.push_back(c.s);
            expected += std::to_string(students.size()) + "\t" + c.s.name + ", " + c.s.vorname + "\t" +
                        std::to_string(c.annex) + "\n";
        }
        const fs::path file = m_dir / ("Schultyp" + std::to_string(schultyp) + ".RVK");
        writeClassFile(file, students);
        const CliResult r = runCli("annex '" + file.string() + "' --schultyp " + std::to_string(schultyp));
        EXPECT_EQ(r.exitCode, 0) << schultyp;
        EXPECT_EQ(r.out, expected) << schultyp;
    }
}

TEST_F(AnnexCli, SchoolTypeFromTheProgramFolder)
{
    // A program folder of its own: a copy of the tool with its SCHEINST.DAT.
    const fs::path exe = m_dir / "ruvek-cli";
    fs::copy_file(RUVEK_CLI, exe);
    std::vector<std::uint8_t> schulEinst(94, 0);
    putU16(schulEinst, 0, 4); // Gymnasium
    std::ofstream(m_dir / "SCHEINST.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(schulEinst.data()), 94);

    const fs::path file = m_dir / "Klasse.RVK";
    writeClassFile(file, {{"Lüdtke", "Jörg", 1, 5, "2006"}, {"Ahrens", "Bea", 1, 6, "2006"}});
    const CliResult r = runProgram(exe, "annex '" + file.string() + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\tLüdtke, Jörg\t104\n2\tAhrens, Bea\t21\n");

    // --schultyp wins over the settings.
    EXPECT_EQ(runProgram(exe, "annex '" + file.string() + "' --schultyp=5").out,
              "1\tLüdtke, Jörg\t5\n2\tAhrens, Bea\t5\n");
}

TEST_F(AnnexCli, BadArgumentsAndFiles)
{
    const fs::path file = m_dir / "Klasse.RVK";
    writeClassFile(file, {{"A", "B", 1, 5, "2006"}});
    const std::vector<std::pair<std::string, int>> table = {
        {"annex", 2},
        {"annex '" + file.string() + "' --schultyp", 2},
        {"annex '" + file.string() + "' --schultyp 10", 2},
        {"annex '" + file.string() + "' --schultyp x", 2},
        {"annex '" + file.string() + "' --bogus", 2},
        {"annex '" + (m_dir / "fehlt.RVK").string() + "' --schultyp 4", 2},
    };
    for (const auto& [args, code] : table) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, code) << args;
        EXPECT_EQ(r.out, "") << args;
    }

    // A truncated class file: unreadable input, no output.
    fs::resize_file(file, kHeaderSize + 100);
    const CliResult r = runCli("annex '" + file.string() + "' --schultyp 4");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
}

TEST_F(AnnexCli, ControlCharactersInNamesAreEscaped)
{
    // A line feed, a tab, a backslash and DEL inside stored names must not
    // make extra lines or columns.
    const fs::path file = m_dir / "Klasse.RVK";
    writeClassFile(file, {{"Zeile\nZwei", "Tab\tX", 1, 5, "2006"}, {"Back\\slash", "Del\x7f", 1, 5, "2006"}});
    const CliResult r = runCli("annex '" + file.string() + "' --schultyp 1");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\tZeile\\nZwei, Tab\\tX\t104\n2\tBack\\\\slash, Del\\x7F\t104\n");
}

TEST_F(AnnexCli, UnknownSchoolTypeInTheSettingsIsReportedOnStderr)
{
    const fs::path exe = m_dir / "ruvek-cli";
    fs::copy_file(RUVEK_CLI, exe);
    std::vector<std::uint8_t> schulEinst(94, 0);
    putU16(schulEinst, 0, 12);
    std::ofstream(m_dir / "SCHEINST.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(schulEinst.data()), 94);
    const fs::path file = m_dir / "Klasse.RVK";
    writeClassFile(file, {{"A", "B", 1, 5, "2006"}});
    const CliResult r = runProgram(exe, "annex '" + file.string() + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\tA, B\t0\n");
    const std::string text = r.err;
    EXPECT_EQ(text, "Warnung: Die Schul-Einstellungen (SCHEINST.DAT) nennen eine unbekannte Schulart (Schultyp 12). "
                    "Ohne gültige Schulart können keine Zeugnisse gedruckt werden.  Bitte wählen Sie die Schulart "
                    "unter \"Einstellungen\" -> \"Schul-Einstellungen\" aus.\n");
}
