// ruvek-cli add, delete, purge and sort on class files built here byte by
// byte, read back byte by byte: independent of the program's record
// definition.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ruvek;
using namespace ruvek::test;

namespace {

constexpr std::size_t kHead = 92;
constexpr std::size_t kRec = 6044;

struct Pupil {
    std::string name;    // UTF-8
    std::string vorname; // UTF-8
    std::int32_t schlNr = 0;
    std::int32_t weiblich = -1;
    std::int16_t klassenstufe = 0;
    std::string klasse = "";
    std::int16_t status = 1;
    bool operator==(const Pupil&) const = default;
};

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

// A version-2 class file: the last pupil of the list first.
void writeClass(const fs::path& path, const std::vector<Pupil>& pupils)
{
    std::vector<std::uint8_t> img(kHead, 0);
    putU16(img, 0, static_cast<std::uint16_t>(pupils.size()));
    putPStr(img, 2, "jvq Ruvek DB");
    putU16(img, 20, 2);
    putU16(img, 22, 2);
    for (auto it = pupils.rbegin(); it != pupils.rend(); ++it) {
        std::vector<std::uint8_t> r(kRec, 0);
        putI16(r, 2, it->status);
        putI32(r, 16, it->schlNr);
        putPStr(r, 20, it->name);
        putPStr(r, 51, it->vorname);
        putI32(r, 124, it->weiblich);
        putI16(r, 228, it->klassenstufe);
        putPStr(r, 235, it->klasse);
        img.insert(img.end(), r.begin(), r.end());
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(img.data()), static_cast<std::streamsize>(img.size()));
}

std::vector<std::uint8_t> bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The pupils of a class file in list order.
std::vector<Pupil> readClass(const fs::path& path)
{
    const auto b = bytesOf(path);
    const std::size_t n = getU16(b, 0);
    EXPECT_EQ(b.size(), kHead + n * kRec);
    std::vector<Pupil> out;
    for (std::size_t i = n; i-- > 0;) {
        std::vector<std::uint8_t> r(b.begin() + static_cast<std::ptrdiff_t>(kHead + i * kRec),
                                    b.begin() + static_cast<std::ptrdiff_t>(kHead + (i + 1) * kRec));
        out.push_back({getPStr(r, 20), getPStr(r, 51), getI32(r, 16), getI32(r, 124), getI16(r, 228),
                       getPStr(r, 235), getI16(r, 2)});
    }
    return out;
}

std::vector<std::string> namesOf(const std::vector<Pupil>& pupils)
{
    std::vector<std::string> out;
    for (const auto& p : pupils)
        out.push_back(p.name);
    return out;
}

class CollectionCli : public testing::Test {
protected:
    // Output carries stdout and stderr together.
    Output cli(const std::string& args) { return run(shellQuoted(RUVEK_CLI) + " " + args); }
    std::string q(const fs::path& p) { return "'" + p.string() + "'"; }

    TempDir temp {"ruvek-collection-cli"};
    fs::path dir = temp.path();
    fs::path file = dir / "Klasse.RVK";
};

const std::vector<Pupil> kClass = {
    {"Zander", "Udo", 12, 0, 8, "8b"},    {"adam", "Eva", -9999999, 1, 7, "7a"}, {"Ärger", "Ina", 3, 1, 8, "8a"},
    {"Berg", "Tom", 7, -1, 7, "7b"},     {"Berg", "Ali", 5, 0, 10, "10a"},
};

} // namespace

TEST_F(CollectionCli, EverySortOrder)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
        {"namen", {"adam Eva", "Ärger Ina", "Berg Ali", "Berg Tom", "Zander Udo"}},
        {"namen-ab", {"Zander Udo", "Berg Tom", "Berg Ali", "Ärger Ina", "adam Eva"}},
        {"schluessel", {"adam Eva", "Ärger Ina", "Berg Ali", "Berg Tom", "Zander Udo"}},
        {"schluessel-ab", {"Zander Udo", "Berg Tom", "Berg Ali", "Ärger Ina", "adam Eva"}},
        {"klasse", {"adam Eva", "Berg Tom", "Ärger Ina", "Zander Udo", "Berg Ali"}},
        {"klasse-ab", {"Berg Ali", "Zander Udo", "Ärger Ina", "Berg Tom", "adam Eva"}},
        {"maedchen", {"adam Eva", "Ärger Ina", "Berg Ali", "Zander Udo", "Berg Tom"}},
        {"jungen", {"Berg Tom", "Berg Ali", "Zander Udo", "adam Eva", "Ärger Ina"}},
    };
    for (const auto& [word, expected] : table) {
        writeClass(file, kClass);
        const Output r = cli("sort " + q(file) + " --nach " + word);
        EXPECT_EQ(r.exitCode, 0) << word << r.text;
        std::vector<std::string> order;
        for (const auto& p : readClass(file))
            order.push_back(p.name + " " + p.vorname);
        EXPECT_EQ(order, expected) << word;
    }
}

TEST_F(CollectionCli, AddDeletePurge)
{
    writeClass(file, kClass);
    Output r = cli("add " + q(file) + " --name Neumann --vorname Jörg --hinter 2");
    EXPECT_EQ(r.exitCode, 0) << r.text;
    EXPECT_NE(r.text.find("3\tNeumann, Jörg\n"), std::string::npos) << r.text;
    auto pupils = readClass(file);
    EXPECT_EQ(namesOf(pupils), (std::vector<std::string>{"Zander", "adam", "Neumann", "Ärger", "Berg", "Berg"}));
    EXPECT_EQ(pupils[2].vorname, "Jörg");
    EXPECT_EQ(pupils[2].status, 1);
    EXPECT_EQ(pupils[2].schlNr, -9999998); // the first key number no record carries

    // Without --hinter after the last record; an empty name is "???".
    r = cli("add " + q(file) + " --name=");
    EXPECT_EQ(r.exitCode, 0) << r.text;
    EXPECT_EQ(readClass(file).back().name, "???");

    // Marked, still in the file; the other records stay as they were.
    r = cli("delete " + q(file) + " --nr 4");
    EXPECT_EQ(r.exitCode, 0) << r.text;
    pupils = readClass(file);
    ASSERT_EQ(pupils.size(), 7u);
    EXPECT_EQ(pupils[3].name, "Ärger");
    EXPECT_EQ(pupils[3].status, 0);
    r = cli("delete " + q(file) + " --nr 1");
    EXPECT_EQ(r.exitCode, 0) << r.text;

    // Deleting a marked record again does not touch the file.
    const auto before = bytesOf(file);
    EXPECT_EQ(cli("delete " + q(file) + " --nr 4").exitCode, 0);
    EXPECT_EQ(bytesOf(file), before);

    r = cli("purge " + q(file));
    EXPECT_EQ(r.exitCode, 0) << r.text;
    EXPECT_EQ(namesOf(readClass(file)), (std::vector<std::string>{"adam", "Neumann", "Berg", "Berg", "???"}));
}

TEST_F(CollectionCli, NothingToDoLeavesTheFileByteForByte)
{
    writeClass(file, {{"Solo", "Sam", 4}});
    const auto before = bytesOf(file);
    EXPECT_EQ(cli("sort " + q(file) + " --nach namen").exitCode, 0);
    EXPECT_EQ(cli("purge " + q(file)).exitCode, 0);
    EXPECT_EQ(bytesOf(file), before);

    // A class whose only record is marked keeps one new record.
    writeClass(file, {{"Solo", "Sam", 4, -1, 0, "", 0}});
    EXPECT_EQ(cli("purge " + q(file)).exitCode, 0);
    const auto pupils = readClass(file);
    ASSERT_EQ(pupils.size(), 1u);
    EXPECT_EQ(pupils[0].name, "???");
    EXPECT_EQ(pupils[0].status, 1);
}

TEST_F(CollectionCli, BadArgumentsChangeNothing)
{
    writeClass(file, kClass);
    const auto before = bytesOf(file);
    const std::vector<std::string> table = {
        "sort " + q(file),
        "sort " + q(file) + " --nach quer",
        "sort " + q(file) + " --nach",
        "sort --nach namen",
        "add " + q(file),
        "add " + q(file) + " --name X --hinter 0",
        "add " + q(file) + " --name X --hinter 6",
        "add " + q(file) + " --name X --hinter zwei",
        "add " + q(file) + " --name X --bogus",
        "delete " + q(file),
        "delete " + q(file) + " --nr 9",
        "purge",
        "purge " + q(file) + " " + q(file),
        "sort " + q(dir / "fehlt.RVK") + " --nach namen",
    };
    for (const auto& args : table) {
        const Output r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args;   // a command line or class file that cannot be read
        EXPECT_NE(r.text.find("Fehler"), std::string::npos) << args << '\n' << r.text;
        EXPECT_EQ(bytesOf(file), before) << args;
    }
}

TEST_F(CollectionCli, DeletingNeedsThePermission)
{
    // A program folder of its own whose settings forbid deleting.
    const fs::path exe = dir / "ruvek-cli";
    fs::copy_file(RUVEK_CLI, exe);
    std::vector<std::uint8_t> progEinst(126, 0); // DarfLoeschen (offset 0) = 0
    std::ofstream(dir / "RVKEINST.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(progEinst.data()), static_cast<std::streamsize>(progEinst.size()));

    writeClass(file, kClass);
    const auto before = bytesOf(file);
    const Output r = run(shellQuoted(exe) + " delete " + q(file) + " --nr 1");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.text.find("Sie sind nicht berechtigt Datensätze zu löschen!"), std::string::npos) << r.text;
    EXPECT_EQ(bytesOf(file), before);
}
