// ruvek-cli form and set on a class file put together byte by byte: the
// editor's view of a record, and edits that go through show and store.
#include "MiniJson.h"

#include "support/CliRunner.h"
#include "support/TempDir.h"

#include "common/ByteFields.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using ruvek::putI16;
using ruvek::putI32;
using ruvek::putU16;
using ruvek::test::CliResult;
using ruvek::test::runCli;
using ruvek::test::TempDir;

namespace {
using Bytes = std::vector<std::uint8_t>;

void putStr(Bytes& b, std::size_t off, const std::string& s)
{
    b[off] = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<long>(off) + 1);
}

void putSlot(Bytes& r, int k, const std::string& fach, const std::string& note)
{
    const std::size_t off = 440 + 44 * static_cast<std::size_t>(k - 1);
    putStr(r, off, fach);
    putStr(r, off + 31, note);
    putStr(r, off + 36, "-");
}

// One active student: a Regionale Schule year certificate of class 7 (annex
// 15) on the level Mittlere Reife, laid out, with grades in Deutsch (1), Englisch (2) and Mathematik (4).
Bytes classFile()
{
    Bytes h(92, 0);
    putU16(h, 0, 1);
    putStr(h, 2, "jvq Ruvek DB");
    putU16(h, 20, 2);
    putU16(h, 22, 2);
    Bytes r(6044, 0);
    putI16(r, 2, 1);
    putStr(r, 20, "Albrecht");
    putStr(r, 51, "Lena");
    putI16(r, 220, 1);
    putI16(r, 224, 2);  // Ebene: Mittlere Reife
    putI16(r, 228, 7);
    putStr(r, 230, "2026");
    for (std::size_t off : {352u, 356u, 360u})
        putI32(r, off, 15);
    for (int k = 1; k <= 25; ++k)
        putSlot(r, k, "???", "-");
    putSlot(r, 1, "Deutsch", "2");
    putSlot(r, 2, "Englisch", "3");
    putSlot(r, 4, "Mathematik", "4");
    h.insert(h.end(), r.begin(), r.end());
    return h;
}

std::string readText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct FormSetCli : ::testing::Test {
    TempDir dir {"ruvek-form"};
    std::filesystem::path file = dir / "KLASSE.RVK";
    void SetUp() override
    {
        const Bytes b = classFile();
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<long>(b.size()));
    }
    std::string f() const { return "'" + file.string() + "'"; }
    minijson::Value record()
    {
        const CliResult r = runCli("show " + f());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return minijson::parse(r.out)["records"][0];
    }
};

TEST_F(FormSetCli, FormShowsValuesAndVisibility)
{
    const CliResult r = runCli("form " + f() + " --nr 1 --schultyp 2");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto c = minijson::parse(r.out)["controls"];
    EXPECT_EQ(c["Edit5"]["text"].string, "Albrecht");
    EXPECT_EQ(c["ComboBox42"]["index"].number, 7);
    EXPECT_EQ(c["Edit7"]["text"].string, "15");
    EXPECT_EQ(c["Edit64"]["text"].string, "2027");
    EXPECT_EQ(c["EditF1"]["text"].string, "2");
    EXPECT_TRUE(c["ComboBoxF2"]["visible"].boolean);
    EXPECT_FALSE(c["RadioGroup1"]["visible"].boolean);
    EXPECT_EQ(runCli("form " + f() + " --nr 2").exitCode, 1);
}

TEST_F(FormSetCli, NewHeadDataAdaptsSlotsAndLevelConvertsGrades)
{
    const CliResult r =
        runCli("set " + f() + " --nr 1 --schultyp 2 Klassenstufe=9 ZgnTyp=4 Ebene=1 'Faecher[0].Zusatz=+'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto rec = record();
    EXPECT_EQ(rec["Klassenstufe"].number, 9);
    EXPECT_EQ(rec["Anlage"].number, 18);
    EXPECT_EQ(rec["AnlageFaecher"].number, 18);
    EXPECT_EQ(rec["Ebene"].number, 1);
    EXPECT_EQ(rec["Faecher"][0]["Zusatz"].string, "+");
    // From Mittlere Reife to Berufsreife every grade gets one better.
    EXPECT_EQ(rec["Faecher"][0]["Note"].string, "1");
    // Mathematik leaves row 4 for its row on the Berufsreife form (row 3),
    // with its grade; Geschichte takes row 4.
    EXPECT_EQ(rec["Faecher"][2]["Fach"].string, "Mathematik");
    EXPECT_EQ(rec["Faecher"][2]["Note"].string, "3");
    EXPECT_EQ(rec["Faecher"][3]["Fach"].string, "Geschichte");
}

TEST_F(FormSetCli, RefusedAssignmentsLeaveTheFileAlone)
{
    const std::string before = readText(file);
    for (const char* bad : {"Unbekannt=1", "'Faecher[0].Fach=Kunst'", "ZgnTyp=9", "Klasse=zulang", "CheckBox=1"}) {
        const CliResult r = runCli("set " + f() + " --nr 1 Name=Neu " + bad);
        EXPECT_EQ(r.exitCode, 1) << bad;
        EXPECT_NE(r.err.find("Fehler"), std::string::npos) << r.err;
        EXPECT_EQ(readText(file), before) << bad;
    }
}

} // namespace
