// ruvek-cli statistik, fdb-export and fdb-import from outside, on a class
// file built byte by byte; the lists are read and edited byte by byte too.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

constexpr std::size_t kHead = 92, kRec = 6044, kSlot0 = 440, kSlotSize = 44;

struct Pupil {
    const char* name;
    std::int32_t schlNr;
    const char* klasse;
    const char* deutsch;
    const char* mathe;
};

void putPStr(std::vector<std::uint8_t>& b, std::size_t off, const std::string& cp)
{
    b[off] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off + 1));
}
std::string getPStr(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(off + 1),
                       b.begin() + static_cast<std::ptrdiff_t>(off + 1 + b[off]));
}

std::vector<std::uint8_t> bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& b)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A version-2 class file, the last pupil first; Deutsch in slot 1, Mathematik in slot 4.
void writeClass(const fs::path& path, const std::vector<Pupil>& pupils)
{
    std::vector<std::uint8_t> img(kHead, 0);
    putU16(img, 0, static_cast<std::uint16_t>(pupils.size()));
    putPStr(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (auto it = pupils.rbegin(); it != pupils.rend(); ++it) {
        std::vector<std::uint8_t> r(kRec, 0);
        putI16(r, 2, 1);
        putI32(r, 16, it->schlNr);
        putPStr(r, 20, it->name);
        putPStr(r, 51, "Kim");
        putPStr(r, 235, it->klasse);
        for (int k = 1; k <= 25; ++k) {
            const std::size_t s = kSlot0 + kSlotSize * static_cast<std::size_t>(k - 1);
            putPStr(r, s, k == 1 ? "Deutsch" : k == 4 ? "Mathematik" : "???");
            putPStr(r, s + 31, k == 1 ? it->deutsch : k == 4 ? it->mathe : "-");
            putPStr(r, s + 36, "-");
        }
        img.insert(img.end(), r.begin(), r.end());
    }
    writeBytes(path, img);
}

struct CliRun {
    int exitCode = -1;
    std::string out;
};

CliRun run(const std::string& args)
{
    // Output carries stdout and stderr together.
    const ruvek::test::Output o = ruvek::test::run(ruvek::test::shellQuoted(RUVEK_CLI) + " " + args);
    return {o.exitCode, o.text};
}

class GradeListCli : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ruvek-fdb-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir / "out");
        file = dir / "7a.RVK";
        writeClass(file, {{"Adler", 1, "7a", "1", "2"}, {"Berg", 2, "7a", "2", "2"}, {"Cramer", 3, "7b", "2", "e"}});
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string q(const fs::path& p) { return "'" + p.string() + "'"; }

    fs::path dir, file;
};

} // namespace

TEST_F(GradeListCli, StatisticsPrintsWhatTheWindowShows)
{
    const CliRun r = run("statistik " + q(file) + " --fach Deutsch");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("Notenverteilung: Deutsch [alle Klassen]\n\n"
                         "Bewertung             Anzahl  %-Anteil\n"
                         "1 -- sehr gut              1   33,33\n"
                         "2 -- gut                   2   66,67\n"
                         "3 -- befriedigend          0    0,00\n"
                         "4 -- ausreichend           0    0,00\n"
                         "5 -- mangelhaft            0    0,00\n"
                         "6 -- ungenügend            0    0,00\n"
                         "andere                     0    0,00\n"
                         "ohne                       0    0,00\n"
                         "Summe                      3\n"
                         "Durchschnitt            1,67\n"),
              std::string::npos)
        << r.out;
    const CliRun bad = run("statistik " + q(file) + " --fach '?\?\?'");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.out.find("Bitte wählen Sie ein gültiges Fach aus!"), std::string::npos) << bad.out;
}

TEST_F(GradeListCli, ExportOfSeveralClassesInOneRun)
{
    fs::create_directories(dir / "alle");
    fs::copy_file(file, dir / "alle" / "7a.RVK");
    fs::copy_file(file, dir / "alle" / "7b.RVK");
    const CliRun ex = run("fdb-export " + q(dir / "alle") + " " + q(file) + " -o " + q(dir / "out") + " --fach Ma");
    ASSERT_EQ(ex.exitCode, 0) << ex.out;
    // The second 7a adds nobody: its students are in the list already.
    EXPECT_EQ(ex.out, (dir / "out" / "7a_Ma.FDB").string() + "\n" + (dir / "out" / "7b_Ma.FDB").string() + "\n" +
                          (dir / "out" / "7a_Ma.FDB").string() + "\n");
    EXPECT_EQ(bytesOf(dir / "out" / "7a_Ma.FDB").size(), 2u + 3 * 464);
    fs::create_directories(dir / "out2");
    EXPECT_EQ(run("fdb-export " + q(dir / "fehlt.RVK") + " " + q(file) + " -o " + q(dir / "out2")).exitCode, 2);
    EXPECT_TRUE(fs::exists(dir / "out2" / "7a_Ma.FDB"));

    // A folder that does not exist yet is made; one that cannot be made is
    // named in German, and nothing is written.
    EXPECT_EQ(run("fdb-export " + q(file) + " -o " + q(dir / "neu" / "listen") + " --fach Ma").exitCode, 0);
    EXPECT_TRUE(fs::exists(dir / "neu" / "listen" / "7a_Ma.FDB"));
    writeBytes(dir / "datei", {1});
    const CliRun blocked = run("fdb-export " + q(file) + " -o " + q(dir / "datei" / "listen") + " --fach Ma");
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_NE(blocked.out.find("kann nicht angelegt werden"), std::string::npos) << blocked.out;
    EXPECT_FALSE(fs::exists(dir / "datei" / "listen"));
}

TEST_F(GradeListCli, ExportImportRoundTripAndAnEditedGrade)
{
    const CliRun ex = run("fdb-export " + q(file) + " -o " + q(dir / "out") + " --fach Ma --fach Deu");
    ASSERT_EQ(ex.exitCode, 0) << ex.out;
    EXPECT_EQ(ex.out, (dir / "out" / "7a_Deu.FDB").string() + "\n" + (dir / "out" / "7a_Ma.FDB").string() + "\n");

    const auto classBefore = bytesOf(file);
    CliRun im = run("fdb-import " + q(file) + " " + q(dir / "out" / "7a_Ma.FDB"));
    EXPECT_EQ(im.exitCode, 0) << im.out;
    EXPECT_EQ(bytesOf(file), classBefore);

    // In the file the last student comes first: entry 0 is Cramer.
    std::vector<std::uint8_t> list = bytesOf(dir / "out" / "7a_Ma.FDB");
    ASSERT_EQ(list.size(), 2u + 3 * 464);
    ASSERT_EQ(getPStr(list, 2 + 20), "Cramer");
    putPStr(list, 2 + 450, "4");
    writeBytes(dir / "edited.FDB", list);
    im = run("fdb-import " + q(file) + " " + q(dir / "edited.FDB"));
    EXPECT_EQ(im.exitCode, 0) << im.out;
    EXPECT_NE(im.out.find("Cramer, Kim – Mathematik: e → 4"), std::string::npos) << im.out;

    // Exactly that byte changed: Cramer is the first record in the class file.
    const auto classAfter = bytesOf(file);
    ASSERT_EQ(classAfter.size(), classBefore.size());
    const std::size_t noteByte = kHead + kSlot0 + 3 * kSlotSize + 32;
    for (std::size_t i = 0; i < classAfter.size(); ++i)
        if (i != noteByte) {
            ASSERT_EQ(classAfter[i], classBefore[i]) << "byte " << i;
        }
    EXPECT_EQ(classAfter[noteByte], '4');
}
