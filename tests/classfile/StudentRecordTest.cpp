// New-record defaults, key numbers and the version-1 conversion.
#include "classfile/StudentRecord.h"

#include "Fixtures.h"

#include <gtest/gtest.h>
#include <ostream>

#include <random>

using namespace ruvek;
using namespace ruvek::test;

TEST(InitialiseRecord, SetsTheDefaultsAndKeepsUnsetFields)
{
    TZgnRec r{};
    r.KlLehrer = "Kra";
    r.Klassenstufe = 9;
    r.Halbjahr1 = 1;
    r.Frei398 = "alt";
    r.Reserved177.bytes[3] = 0x55;
    RandomSource random(1);
    initialiseRecord(r, {}, SchoolType::Realschule, random);

    EXPECT_EQ(r.Frei0, 0);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Frei4, 1);
    EXPECT_EQ(r.SchulartNeu, 6);
    EXPECT_EQ(r.SchlNr, -9999999);
    EXPECT_EQ(r.Name, "???");
    EXPECT_EQ(r.Vorname, "");
    EXPECT_EQ(r.GebDatum, "  .  .19  ");
    EXPECT_EQ(r.PersAngabe, "???");
    EXPECT_EQ(r.Weiblich, -1);
    EXPECT_EQ(r.MonatJahr1, "September ????");
    EXPECT_EQ(r.MonatJahr2, "August 2004");
    EXPECT_EQ(r.SjBeginn, "???");
    EXPECT_EQ(r.Klasse, "???");
    EXPECT_EQ(r.NeueSchule, "  - - -");
    EXPECT_EQ(r.Jahrgang, "--");
    EXPECT_EQ(r.Fehltage, "- -");
    EXPECT_EQ(r.FehltageE, "- -");
    EXPECT_EQ(r.ZgnOrt, "???");
    EXPECT_EQ(r.ZgnDatum, "  .  .20  ");
    EXPECT_EQ(r.Datum2, "  .  .20  ");
    EXPECT_EQ(r.PrFach, "???");
    EXPECT_EQ(r.Anlage, -1);
    EXPECT_EQ(r.AnlageAlt, -1);
    EXPECT_EQ(r.AnlageFaecher, -1);
    for (int k = 1; k <= 25; ++k) {
        EXPECT_EQ(r.slot(k).Fach, "???");
        EXPECT_EQ(r.slot(k).Note, "-");
        EXPECT_EQ(r.slot(k).Zusatz, "");
        EXPECT_EQ(r.slot(k).Niveau, "-");
        EXPECT_EQ(r.slot(k).Hinweis, "");
    }
    EXPECT_EQ(r.LEBText, "  - - - - -");
    EXPECT_EQ(r.Vermerke, "  - - - - -");
    EXPECT_EQ(r.FLInfo, "  - - - - -");
    // The text fields are 0 behind the mark.
    EXPECT_EQ(r.LEBText.bytes[11], 0);
    EXPECT_EQ(r.LEBText.bytes[2000], 0);

    // Fields without a default keep what the list position held.
    EXPECT_EQ(r.KlLehrer, "Kra");
    EXPECT_EQ(r.Klassenstufe, 9);
    EXPECT_EQ(r.Halbjahr1, 1);
    EXPECT_EQ(r.Frei398, "alt");
    EXPECT_EQ(r.Reserved177.bytes[3], 0x55);
}

TEST(InitialiseRecord, RandomNumberIsWithinOneTo57000)
{
    RandomSource random = clockSeededRandom();
    for (int i = 0; i < 2000; ++i) {
        // Stored in 16 bits; numbers above 32767 show as negative values.
        const auto value = static_cast<std::uint16_t>(drawZufall(random));
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 57000);
    }
}

TEST(NewKeyNumber, FirstFreeFromMinus9999999Upwards)
{
    TDB2 list(3);
    EXPECT_EQ(newKeyNumber({}), -9999999);
    list[0].SchlNr = -9999999;
    list[1].SchlNr = -9999997;
    list[2].SchlNr = 12;
    EXPECT_EQ(newKeyNumber(list), -9999998);
    list[2].SchlNr = -9999998;
    EXPECT_EQ(newKeyNumber(list), -9999996);
    // The record that receives the number does not count.
    EXPECT_EQ(newKeyNumber(list, 0), -9999999);
}

namespace {
struct KeyCase {
    std::vector<std::int32_t> before;
    std::vector<std::int32_t> after;
};

// The keys before repair as a test name: "5_m5_5" for 5, -5, 5.
std::string caseName(const KeyCase& c)
{
    std::string out;
    for (std::int32_t k : c.before)
        out += (out.empty() ? "" : "_") + (k < 0 ? "m" + std::to_string(-static_cast<std::int64_t>(k)) : std::to_string(k));
    return out;
}
void PrintTo(const KeyCase& c, std::ostream* os) { *os << "keys " << caseName(c); }

TDB2 withKeys(const std::vector<std::int32_t>& keys)
{
    TDB2 list(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        list[i].SchlNr = keys[i];
    return list;
}

std::vector<std::int32_t> keysOf(const TDB2& list)
{
    std::vector<std::int32_t> out;
    for (const auto& r : list)
        out.push_back(r.SchlNr);
    return out;
}

// The rule as written: every record against every later one.
void makeUniqueByComparingAllPairs(TDB2& list)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (list[j].SchlNr != list[i].SchlNr)
                continue;
            const std::int32_t v = list[j].SchlNr;
            bool negationCarried = false;
            for (const auto& r : list)
                negationCarried = negationCarried || r.SchlNr == -v;
            list[j].SchlNr = (v > 0 && !negationCarried) ? -v : newKeyNumber(list);
        }
}
} // namespace

class KeyRepair : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyRepair, LaterDuplicatesGetNewNumbers)
{
    TDB2 list = withKeys(GetParam().before);
    makeKeyNumbersUnique(list);
    EXPECT_EQ(keysOf(list), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyRepair,
    ::testing::Values(KeyCase{{5, 5}, {5, -5}},                                   // positive: its negation
                      KeyCase{{5, -5, 5}, {5, -5, -9999999}},                     // negation taken
                      KeyCase{{5, 5, 5}, {5, -5, -9999999}},                      // second duplicate
                      KeyCase{{-9999999, -9999999}, {-9999999, -9999998}},        // generated ones
                      KeyCase{{0, 0, 7}, {0, -9999999, 7}},                       // zero
                      KeyCase{{3, 7, 3, 7}, {3, 7, -3, -7}},                      // groups by first member
                      KeyCase{{-9999998, -9999999, -9999998}, {-9999998, -9999999, -9999997}},
                      KeyCase{{1, 2, 3}, {1, 2, 3}}),                             // nothing to do
    [](const auto& testInfo) { return caseName(testInfo.param); });

TEST(KeyRepairAgainstAllPairs, SameResultOnRandomLists)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> pick(-4, 4);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::int32_t> keys(1 + rng() % 12);
        for (auto& k : keys) {
            const int p = pick(rng);
            k = p == -4 ? -9999999 : p == -3 ? -9999998 : p;
        }
        TDB2 fast = withKeys(keys);
        TDB2 slow = withKeys(keys);
        makeKeyNumbersUnique(fast);
        makeUniqueByComparingAllPairs(slow);
        ASSERT_EQ(keysOf(fast), keysOf(slow)) << "round " << round;
    }
}

namespace {
// A version-1 record, put together at the version-1 offsets.
ByteVec v1Record()
{
    ByteVec b(4144, 0);
    putI16(b, 0, 11);
    putI16(b, 2, 1);
    putI16(b, 4, 13);
    putU16(b, 6, 3);       // SchulartNeu: 3 becomes 4
    putI16(b, 8, 31000);
    putI16(b, 10, 21);
    putI16(b, 12, 22);
    putI16(b, 14, 23);
    putI32(b, 16, 4711);
    putPStr(b, 20, "Kr\xFCger");
    putPStr(b, 51, "Ben");
    putPStr(b, 82, "24.07.1994");
    putPStr(b, 93, "Pers");
    putI32(b, 124, 0);
    putPStr(b, 128, "September 2004");
    putPStr(b, 149, "Juli 2005");
    putI16(b, 170, 99);    // not carried over
    putI16(b, 174, 2);     // Ebene
    putI16(b, 178, 3);     // Klassenstufe 3 + 4 = 7
    putPStr(b, 180, "2004");
    putPStr(b, 185, "7a");
    putPStr(b, 191, "Kra");
    putPStr(b, 197, "Realschule Nord");
    putPStr(b, 228, "08");
    putPStr(b, 231, "12");
    putPStr(b, 237, "10");
    putPStr(b, 243, "Lindenhagen");
    putPStr(b, 274, "28.01.2005");
    putI16(b, 296, 1);     // NichtDrucken
    putI16(b, 298, 2);     // Empfehlung
    putI16(b, 300, 366);
    putI16(b, 302, 368);
    putI16(b, 306, 1);     // UePruefung
    putPStr(b, 308, "01.02.2005");
    putPStr(b, 319, "Bio");
    putI16(b, 326, 1);     // Bestanden
    putI16(b, 328, 392);
    putI16(b, 330, 394);
    putI16(b, 332, 396);
    putPStr(b, 334, "abc");
    for (int j = 0; j < 8; ++j) {
        putPStr(b, 338 + 44 * j, "A" + std::to_string(j + 1));
        putPStr(b, 338 + 44 * j + 31, std::to_string(1 + j % 6));
        putPStr(b, 690 + 44 * j, "B" + std::to_string(j + 10));
        putPStr(b, 690 + 44 * j + 33, "+");
    }
    for (int j = 0; j < 6; ++j) {
        putPStr(b, 1042 + 44 * j, "W" + std::to_string(j + 1));
        putPStr(b, 1042 + 44 * j + 36, "G");
    }
    putPStr(b, 1394, "WPU");
    putPStr(b, 1394 + 31, "2");
    putPStr(b, 1394 + 38, "Hinw");
    const std::string leb = "Bericht\r\nZeile 2";
    std::copy(leb.begin(), leb.end(), b.begin() + 1839);
    std::fill(b.begin() + 2840, b.end(), 0xEE); // beyond everything that is carried
    return b;
}
} // namespace

TEST(ConvertRecordV1, FieldsGoWhereTheTableSays)
{
    const TZgnRec r = convertRecordV1(v1Record());
    EXPECT_EQ(r.Frei0, 11);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Frei4, 13);
    EXPECT_EQ(r.SchulartNeu, 4);
    EXPECT_EQ(r.Zufall, 31000);
    EXPECT_EQ(r.Frei10, 21);
    EXPECT_EQ(r.Frei12, 22);
    EXPECT_EQ(r.Frei14, 23);
    EXPECT_EQ(r.SchlNr, 4711);
    EXPECT_EQ(r.Name, "Kr\xFCger");
    EXPECT_EQ(r.Vorname, "Ben");
    EXPECT_EQ(r.GebDatum, "24.07.1994");
    EXPECT_EQ(r.PersAngabe, "Pers");
    EXPECT_EQ(r.Weiblich, 0);
    EXPECT_EQ(r.MonatJahr1, "September 2004");
    EXPECT_EQ(r.MonatJahr2, "Juli 2005");
    EXPECT_EQ(r.Ebene, 2);
    EXPECT_EQ(r.Klassenstufe, 7);
    EXPECT_EQ(r.SjBeginn, "2004");
    EXPECT_EQ(r.Klasse, "7a");
    EXPECT_EQ(r.KlLehrer, "Kra");
    EXPECT_EQ(r.NeueSchule, "Realschule Nord");
    EXPECT_EQ(r.Jahrgang, "08");
    EXPECT_EQ(r.Fehltage, "12");
    EXPECT_EQ(r.FehltageE, "10");
    EXPECT_EQ(r.ZgnOrt, "Lindenhagen");
    EXPECT_EQ(r.ZgnDatum, "28.01.2005");
    EXPECT_EQ(r.NichtDrucken, 1);
    EXPECT_EQ(r.Empfehlung, 2);
    EXPECT_EQ(r.Frei366, 366);
    EXPECT_EQ(r.Frei368, 368);
    EXPECT_EQ(r.UePruefung, 1);
    EXPECT_EQ(r.Datum2, "01.02.2005");
    EXPECT_EQ(r.PrFach, "Bio");
    EXPECT_EQ(r.Bestanden, 1);
    EXPECT_EQ(r.Frei392, 392);
    EXPECT_EQ(r.Frei394, 394);
    EXPECT_EQ(r.Frei396, 396);
    EXPECT_EQ(r.Frei398, "abc");

    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(r.slot(1 + j).Fach, "A" + std::to_string(j + 1));
        EXPECT_EQ(r.slot(1 + j).Note, std::to_string(1 + j % 6));
        EXPECT_EQ(r.slot(10 + j).Fach, "B" + std::to_string(j + 10));
        EXPECT_EQ(r.slot(10 + j).Zusatz, "+");
    }
    for (int k : {9, 18}) {
        EXPECT_EQ(r.slot(k).Fach, "???");
        EXPECT_EQ(r.slot(k).Note, "-");
        EXPECT_EQ(r.slot(k).Niveau, "-");
    }
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(r.slot(19 + j).Fach, "W" + std::to_string(j + 1));
        EXPECT_EQ(r.slot(19 + j).Niveau, "G");
    }
    EXPECT_EQ(r.slot(25).Fach, "WPU");
    EXPECT_EQ(r.slot(25).Note, "2");
    EXPECT_EQ(r.slot(25).Hinweis, "Hinw");
    EXPECT_EQ(r.LEBText, "Bericht\r\nZeile 2");

    // Fields version 1 did not have.
    EXPECT_EQ(r.ZgnTyp, 0);
    EXPECT_EQ(r.Halbjahr1, 0);
    EXPECT_EQ(r.AbschlArt, 0);
    EXPECT_EQ(r.Praedikat, 0);
    EXPECT_EQ(r.Klassenart, 0);
    EXPECT_EQ(r.Anlage, -1);
    EXPECT_EQ(r.AnlageAlt, -1);
    EXPECT_EQ(r.AnlageFaecher, 0);
    EXPECT_EQ(r.Vermerke, "");
    EXPECT_EQ(r.FLInfo, "");
    const auto image = toBytes(r);
    for (std::size_t i = 170; i < 220; ++i)
        EXPECT_EQ(image[i], 0) << "byte " << i;
    for (std::size_t i = 2541; i < 6044; ++i)
        ASSERT_EQ(image[i], 0) << "byte " << i;
}

TEST(ConvertRecordV1, SchoolTypesBelowThreeStay)
{
    for (std::uint16_t type : {0, 1, 2, 3, 5}) {
        auto b = v1Record();
        putU16(b, 6, type);
        EXPECT_EQ(convertRecordV1(b).SchulartNeu, type <= 2 ? type : type + 1);
    }
}

TEST(ConvertRecordV1, FirstThousandCharactersOfTheReport)
{
    auto b = v1Record();
    std::fill(b.begin() + 1839, b.begin() + 1839 + 1001, 'x');
    EXPECT_EQ(convertRecordV1(b).LEBText.str(), std::string(1001, 'x'));
}
