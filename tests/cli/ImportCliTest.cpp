// ruvek-cli import-schueler and import-noten on class files and text files
// built here byte by byte: students appended in the file's order, grades
// found by name and subject, and nothing written when the text file cannot
// be read.
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
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

constexpr std::size_t kHead = 92;
constexpr std::size_t kRec = 6044;
constexpr std::size_t kSlots = 440;   // 25 slots of 44 bytes: Fach, Note at +31, Niveau at +36

void putPStr(std::vector<std::uint8_t>& b, std::size_t off, const std::string& utf8)
{
    const std::string cp = utf8ToCp1252(utf8);
    b[off] = static_cast<std::uint8_t>(cp.size());
    std::copy(cp.begin(), cp.end(), b.begin() + static_cast<std::ptrdiff_t>(off + 1));
}

std::string getPStr(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return cp1252ToUtf8(std::string(b.begin() + static_cast<std::ptrdiff_t>(off + 1),
                                    b.begin() + static_cast<std::ptrdiff_t>(off + 1 + b[off])));
}

// Active students with Deutsch in slot 1 and Mathematik in slot 2; the last
// of the list stands first in the file.
void writeClass(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& names)
{
    std::vector<std::uint8_t> img(kHead, 0);
    putU16(img, 0, static_cast<std::uint16_t>(names.size()));
    putPStr(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        std::vector<std::uint8_t> r(kRec, 0);
        putI16(r, 2, 1);
        putI32(r, 16, static_cast<std::int32_t>(100 + (it - names.rbegin())));
        putPStr(r, 20, it->first);
        putPStr(r, 51, it->second);
        for (int k = 0; k < 25; ++k) {
            putPStr(r, kSlots + 44 * k, k == 0 ? "Deutsch" : k == 1 ? "Mathematik" : "???");
            putPStr(r, kSlots + 44 * k + 31, "-");
        }
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(img.data()),
                                                static_cast<std::streamsize>(img.size()));
}

std::vector<std::uint8_t> bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Student {
    std::string name, vorname, klasse, deutsch, mathe;
    bool operator==(const Student&) const = default;
};

// The students in list order.
std::vector<Student> readClass(const fs::path& path)
{
    const auto b = bytesOf(path);
    const std::size_t n = getU16(b, 0);
    std::vector<Student> out;
    for (std::size_t i = n; i-- > 0;) {
        std::vector<std::uint8_t> r(b.begin() + static_cast<std::ptrdiff_t>(kHead + i * kRec),
                                    b.begin() + static_cast<std::ptrdiff_t>(kHead + (i + 1) * kRec));
        out.push_back({getPStr(r, 20), getPStr(r, 51), getPStr(r, 235), getPStr(r, kSlots + 31),
                       getPStr(r, kSlots + 44 + 31)});
    }
    return out;
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

class ImportCli : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ruvek-import-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        file = dir / "Klasse.RVK";
        writeClass(file, {{"Alt", "Anna"}, {"Berg", "Ben"}});
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string q(const fs::path& p) { return "'" + p.string() + "'"; }
    void text(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

    fs::path dir, file;
};

TEST_F(ImportCli, StudentsFromAWindowsAndAUtf8File)
{
    text(dir / "ansi.txt", "M\xFCller;J\xFCrgen;01.02.2010;;m;7a\r\nZ\xF6llner;Zo\xEB;;;w;7b\r\n");
    text(dir / "utf8.csv", "\xEF\xBB\xBF\"Öztürk\";Şule;;;w;7a\n");
    auto r = run("import-schueler " + q(file) + " " + q(dir / "ansi.txt"));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("2 Schüler hinzugefügt."), std::string::npos) << r.out;
    r = run("import-schueler " + q(file) + " " + q(dir / "utf8.csv"));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("Zeile 1: das Zeichen \"Ş\""), std::string::npos) << r.out;
    const auto students = readClass(file);
    ASSERT_EQ(students.size(), 5u);
    EXPECT_EQ(students[2], (Student{"Müller", "Jürgen", "7a", "-", "-"}));
    EXPECT_EQ(students[3].name, "Zöllner");
    EXPECT_EQ(students[3].vorname, "Zoë");
    EXPECT_EQ(students[4].name, "Öztürk");
    EXPECT_EQ(students[4].vorname, "?ule");
}

TEST_F(ImportCli, GradesByNameAndSubject)
{
    text(dir / "noten.txt", "Berg;Ben;Ma;2;Deu;1-\nAlt;Anna;Mathematik;5;Kunst;1\nNiemand;Nina;Ma;1\n");
    const auto r = run("import-noten " + q(file) + " " + q(dir / "noten.txt"));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("Zeile 1: Berg, Ben: 2 Bewertung(en) übernommen"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Zeile 2: Alt, Anna: 1 Bewertung(en) übernommen, 1 nicht zugeordnet"), std::string::npos);
    EXPECT_NE(r.out.find("Zeile 3: Einen Datensatz für: Nina Niemand wurde nicht gefunden!"), std::string::npos);
    EXPECT_NE(r.out.find("3 Bewertungen bei 2 Schülern eingetragen."), std::string::npos);
    const auto students = readClass(file);
    EXPECT_EQ(students[0], (Student{"Alt", "Anna", "", "-", "5"}));
    EXPECT_EQ(students[1], (Student{"Berg", "Ben", "", "1", "2"}));
}

TEST_F(ImportCli, UnreadableFileChangesNothing)
{
    const auto before = bytesOf(file);
    for (const char* command : {"import-schueler", "import-noten"}) {
        const auto r = run(std::string(command) + " " + q(file) + " " + q(dir / "fehlt.txt"));
        EXPECT_EQ(r.exitCode, 2) << command;   // unreadable input
        EXPECT_NE(r.out.find("wurde nicht gefunden"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("fehlt.txt"), std::string::npos) << r.out;
    }
    EXPECT_EQ(bytesOf(file), before);
    std::vector<fs::path> entries(fs::directory_iterator(dir), {});
    EXPECT_EQ(entries.size(), 1u) << "no backup copy, no temporary file";
}

} // namespace
