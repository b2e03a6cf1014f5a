// ruvek-cli show and resave on class files put together byte by byte from
// the documented layout.
#include "MiniJson.h"

#include "support/CliRunner.h"
#include "support/TempDir.h"

#include "common/ByteFields.h"

#include <gtest/gtest.h>
#include <ostream>

#include <filesystem>
#include <fstream>

using ruvek::getI32;
using ruvek::getU16;
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

Bytes header(std::uint16_t anzahl, std::uint16_t version)
{
    Bytes b(92, 0);
    putU16(b, 0, anzahl);
    putStr(b, 2, "jvq Ruvek DB");
    putU16(b, 20, version);
    putU16(b, 22, version);
    return b;
}

void writeFile(const std::filesystem::path& p, const std::vector<Bytes>& parts)
{
    std::ofstream out(p, std::ios::binary);
    for (const auto& b : parts)
        out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// The field names of a record in their order, with the subject slots as one
// entry; reserved bytes have no name.
const std::vector<std::string> kRecordKeys = {
    "Frei0", "Status", "Frei4", "SchulartNeu", "Zufall", "Frei10", "Frei12", "Frei14", "SchlNr", "Name",
    "Vorname", "GebDatum", "PersAngabe", "Weiblich", "MonatJahr1", "MonatJahr2", "ZgnTyp", "Halbjahr1", "Ebene",
    "AbschlArt", "Klassenstufe", "SjBeginn", "Klasse", "KlLehrer", "NeueSchule", "Jahrgang", "Fehltage",
    "FehltageE", "Praedikat", "ZgnOrt", "ZgnDatum", "NichtDrucken", "Empfehlung", "Anlage", "AnlageAlt",
    "AnlageFaecher", "Klassenart", "Frei366", "Frei368", "UePruefung", "Datum2", "PrFach", "Bestanden", "Frei392",
    "Frei394", "Frei396", "Frei398", "Faecher", "LEBText", "Vermerke", "FLInfo"};

// Two version-2 records: "Müller" (first in the list) and "Zander".
Bytes muellerRecord()
{
    Bytes r(6044, 0);
    putI16(r, 2, 1);
    putI32(r, 16, -5);
    putStr(r, 20, "M\xFCller");                 // Windows-1252 ü
    putStr(r, 51, "Jo\"h\\n");                  // quote and backslash
    putStr(r, 82, "12.03.2013");
    putI32(r, 124, 1);
    putI16(r, 228, 7);
    putStr(r, 235, "7a");
    putI32(r, 352, 104);
    const std::size_t slot3 = 440 + 44 * 2;
    putStr(r, slot3, "Deutsch");
    putStr(r, slot3 + 31, "2");
    putStr(r, slot3 + 33, "+");
    putStr(r, slot3 + 36, "G");
    putStr(r, slot3 + 38, "Tipp");
    putStr(r, 440 + 44 * 24 + 31, "1");
    const std::string leb = "Zeile 1\r\nZeile 2\x01 \x80";
    std::copy(leb.begin(), leb.end(), r.begin() + 1540);
    const std::string flinfo(2000, 'F'); // full field, 0 only in its last byte
    std::copy(flinfo.begin(), flinfo.end(), r.begin() + 4042);
    r[170] = 0xAB; // reserved: not shown
    return r;
}

Bytes zanderRecord()
{
    Bytes r(6044, 0);
    putI16(r, 2, 0);
    putI32(r, 16, 12345);
    putStr(r, 20, "Zander");
    return r;
}
} // namespace

TEST(CliShow, PrintsEveryNamedFieldAsJson)
{
    TempDir dir("ruvek-cli");
    // The file holds the last list entry first.
    writeFile(dir / "k.RVK", {header(2, 2), zanderRecord(), muellerRecord()});
    const CliResult run = runCli("show " + q(dir / "k.RVK"));
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const auto doc = minijson::parse(run.out);
    ASSERT_EQ(doc.object.size(), 2u);
    const auto& h = doc["header"];
    ASSERT_EQ(h.object.size(), 4u);
    EXPECT_EQ(h["Anzahl"].number, 2);
    EXPECT_EQ(h["Kennung"].string, "jvq Ruvek DB");
    EXPECT_EQ(h["Version"].number, 2);
    EXPECT_EQ(h["LeseVersion"].number, 2);

    const auto& recs = doc["records"].array;
    ASSERT_EQ(recs.size(), 2u);
    for (const auto& rec : recs) {
        ASSERT_EQ(rec.object.size(), kRecordKeys.size());
        for (std::size_t i = 0; i < kRecordKeys.size(); ++i)
            EXPECT_EQ(rec.object[i].first, kRecordKeys[i]);
        ASSERT_EQ(rec["Faecher"].array.size(), 25u);
        for (const auto& slot : rec["Faecher"].array) {
            ASSERT_EQ(slot.object.size(), 5u);
            EXPECT_TRUE(slot.has("Fach") && slot.has("Note") && slot.has("Zusatz") && slot.has("Niveau") &&
                        slot.has("Hinweis"));
        }
    }
    const auto& m = recs[0];
    EXPECT_EQ(m["Name"].string, "Müller");
    EXPECT_EQ(m["Vorname"].string, "Jo\"h\\n");
    EXPECT_EQ(m["SchlNr"].number, -5);
    EXPECT_EQ(m["Status"].number, 1);
    EXPECT_EQ(m["Weiblich"].number, 1);
    EXPECT_EQ(m["Klassenstufe"].number, 7);
    EXPECT_EQ(m["Klasse"].string, "7a");
    EXPECT_EQ(m["Anlage"].number, 104);
    EXPECT_EQ(m["GebDatum"].string, "12.03.2013");
    EXPECT_EQ(m["LEBText"].string, "Zeile 1\r\nZeile 2\x01 €");
    EXPECT_EQ(m["FLInfo"].string, std::string(2000, 'F'));
    EXPECT_EQ(m["Vermerke"].string, "");
    const auto& slot3 = m["Faecher"][2];
    EXPECT_EQ(slot3["Fach"].string, "Deutsch");
    EXPECT_EQ(slot3["Note"].string, "2");
    EXPECT_EQ(slot3["Zusatz"].string, "+");
    EXPECT_EQ(slot3["Niveau"].string, "G");
    EXPECT_EQ(slot3["Hinweis"].string, "Tipp");
    EXPECT_EQ(m["Faecher"][24]["Note"].string, "1");
    EXPECT_EQ(recs[1]["Name"].string, "Zander");
    EXPECT_EQ(recs[1]["SchlNr"].number, 12345);
    EXPECT_EQ(recs[1]["Status"].number, 0);
}

TEST(CliShow, RefusesAForeignFile)
{
    TempDir dir("ruvek-cli");
    auto h = header(1, 2);
    h[3] = 'X';
    writeFile(dir / "k.RVK", {h, zanderRecord()});
    const CliResult run = runCli("show " + q(dir / "k.RVK"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("Die Datei hat nicht das erwartete Format!"), std::string::npos) << run.err;
}

TEST(CliResave, ConvertsVersionOneRepairsKeysAndKeepsTheOrder)
{
    TempDir dir("ruvek-cli");
    Bytes first(4144, 0), second(4144, 0);
    putI16(first, 2, 1);
    putI32(first, 16, 5);
    putStr(first, 20, "Erste");
    putI16(first, 178, 3);
    putI16(second, 2, 1);
    putI32(second, 16, 5); // the same key: the later record gets -5
    putStr(second, 20, "Zweite");
    putI16(second, 178, 4);
    writeFile(dir / "alt.RVK", {header(2, 1), second, first});

    const CliResult run = runCli("resave " + q(dir / "alt.RVK") + " " + q(dir / "neu.RVK"));
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const Bytes out = readFile(dir / "neu.RVK");
    ASSERT_EQ(out.size(), 92u + 2 * 6044);
    EXPECT_EQ(getU16(out, 0), 2);
    EXPECT_EQ(getU16(out, 20), 2);
    EXPECT_EQ(getU16(out, 22), 2);
    // Last list entry first.
    const std::size_t z = 92, e = 92 + 6044;
    EXPECT_EQ(std::string(out.begin() + z + 21, out.begin() + z + 27), "Zweite");
    EXPECT_EQ(std::string(out.begin() + e + 21, out.begin() + e + 26), "Erste");
    EXPECT_EQ(getI32(out, e + 16), 5);
    EXPECT_EQ(getI32(out, z + 16), -5);
    EXPECT_EQ(ruvek::getI16(out, e + 228), 7);
    EXPECT_EQ(ruvek::getI32(out, e + 352), -1);   // Anlage not yet determined
    EXPECT_EQ(std::string(out.begin() + e + 440 + 8 * 44 + 1, out.begin() + e + 440 + 8 * 44 + 4), "???"); // slot 9
    EXPECT_TRUE(std::filesystem::exists(dir / "alt.$KL"));

    const CliResult shown = runCli("show " + q(dir / "neu.RVK"));
    ASSERT_EQ(shown.exitCode, 0);
    const auto doc = minijson::parse(shown.out);
    EXPECT_EQ(doc["records"][0]["Name"].string, "Erste");
    EXPECT_EQ(doc["records"][1]["SchlNr"].number, -5);
}

TEST(CliResave, NameWithoutExtensionGetsRvk)
{
    TempDir dir("ruvek-cli");
    writeFile(dir / "k.RVK", {header(1, 2), zanderRecord()});
    const CliResult run = runCli("resave " + q(dir / "k.RVK") + " " + q(dir / "neu"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "neu.RVK"));
    EXPECT_FALSE(std::filesystem::exists(dir / "neu"));
}

namespace {
struct Refused {
    const char* name;
    std::vector<Bytes> parts;
    const char* message;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }
} // namespace

class CliResaveRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(CliResaveRefused, WritesNothing)
{
    TempDir dir("ruvek-cli");
    writeFile(dir / GetParam().name, GetParam().parts);
    const CliResult run = runCli("resave " + q(dir / GetParam().name) + " " + q(dir / "neu.RVK"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{GetParam().name});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliResaveRefused,
    ::testing::Values(
        Refused{"alt.ZDB", {header(1, 2), zanderRecord()}, "Diese Dateien können nicht mehr geöffnet werden!"},
        Refused{"magie.RVK", {Bytes(92, 0), zanderRecord()}, "Die Datei hat nicht das erwartete Format!"},
        Refused{"version.RVK", {header(1, 7), zanderRecord()}, "Die Datei hat eine nicht bekannte Versionsnummer!"},
        Refused{"kurz.RVK", {header(2, 2), zanderRecord()}, "Die Datei ist unvollständig"},
        Refused{"leer.RVK", {header(0, 2)}, "Die Datei enthält keine Schüler-Datensätze!"}),
    [](const auto& testInfo) {
        std::string n = testInfo.param.name;
        for (char& c : n)
            if (c == '.')
                c = '_';
        return n;
    });
