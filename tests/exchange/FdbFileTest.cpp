// The subject grade list file, byte by byte, and its file names.
#include "exchange/FdbFile.h"

#include "ExchangeFixtures.h"

#include <gtest/gtest.h>

using namespace ruvek;

namespace {
std::string pstr(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(off + 1),
                       b.begin() + static_cast<std::ptrdiff_t>(off + 1 + b[off]));
}
} // namespace

TEST(FdbFile, EntriesStandLastFirstAtTheirOffsets)
{
    TZgnRec r = test::pupil("M\xFCller", "Anna", 4711, "7a");
    r.Frei0 = 0x0102;
    r.Zufall = 12345;
    r.ZgnTyp = 3;
    r.Ebene = 2;
    r.KlLehrer = "Kr";
    r.Fehltage = "12";
    r.FehltageE = "3";
    r.slot(4) = test::subjectSlot("Mathematik", "2", "+", "E", "Hinw");
    const TFaNoDB list = {gradeListEntry(r, 4), gradeListEntry(r, 0)};
    const std::vector<std::uint8_t> b = encodeFdb(list);

    ASSERT_EQ(b.size(), 2u + 2 * 464);
    EXPECT_EQ(getU16(b, 0), 2);
    // First in the file: the empty entry (the last of the list).
    const std::size_t e0 = 2;
    EXPECT_EQ(getI32(b, e0 + 16), -999999);
    EXPECT_EQ(pstr(b, e0 + 20), "  - - -");
    EXPECT_EQ(pstr(b, e0 + 51), "");
    EXPECT_EQ(pstr(b, e0 + 88), "???");
    EXPECT_EQ(pstr(b, e0 + 94), "???");
    EXPECT_EQ(pstr(b, e0 + 419), "???");
    EXPECT_EQ(pstr(b, e0 + 450), "-");
    EXPECT_EQ(pstr(b, e0 + 455), "-");
    // Then the student.
    const std::size_t e1 = 2 + 464;
    EXPECT_EQ(getI16(b, e1 + 0), 0x0102);
    EXPECT_EQ(getI16(b, e1 + 2), 1);       // Status
    EXPECT_EQ(getI16(b, e1 + 8), 12345);   // Zufall
    EXPECT_EQ(getI32(b, e1 + 16), 4711);
    EXPECT_EQ(pstr(b, e1 + 20), "M\xFCller");   // Windows-1252
    EXPECT_EQ(pstr(b, e1 + 51), "Anna");
    EXPECT_EQ(getI16(b, e1 + 84), 3);
    EXPECT_EQ(getI16(b, e1 + 86), 2);
    EXPECT_EQ(pstr(b, e1 + 88), "7a");
    EXPECT_EQ(pstr(b, e1 + 94), "Kr");
    EXPECT_EQ(pstr(b, e1 + 100), "12");
    EXPECT_EQ(pstr(b, e1 + 106), "3");
    EXPECT_EQ(pstr(b, e1 + 419), "Mathematik");
    EXPECT_EQ(pstr(b, e1 + 450), "2");
    EXPECT_EQ(pstr(b, e1 + 452), "+");
    EXPECT_EQ(pstr(b, e1 + 455), "E");
    EXPECT_EQ(pstr(b, e1 + 457), "Hinw");
    // Reserved bytes stay zero.
    for (std::size_t off : {82u, 83u, 112u, 117u, 118u, 418u, 463u})
        EXPECT_EQ(b[e1 + off], 0) << off;
}

TEST(FdbFile, ReadsWhatItWroteAndRefusesShortFiles)
{
    const auto dir = std::filesystem::path(testing::TempDir()) / "fdbread";
    std::filesystem::create_directories(dir);
    TZgnRec r = test::pupil("A", "B", 1);
    r.slot(2) = test::subjectSlot("Deutsch", "3", "", "-");
    const TFaNoDB list = {gradeListEntry(r, 2), gradeListEntry(r, 0), gradeListEntry(r, 2)};
    std::vector<std::uint8_t> image = encodeFdb(list);
    image.push_back(0x55);   // trailing bytes beyond the count are not part of the list
    {
        std::ofstream(dir / "x.FDB", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    TFaNoDB back;
    std::vector<std::uint8_t> readImage;
    ASSERT_TRUE(readFdbFile(dir / "x.FDB", back, &readImage));
    EXPECT_EQ(encodeFdb(back), encodeFdb(list));
    EXPECT_EQ(readImage.size(), image.size() - 1);

    image.resize(2 + 464 * 2);   // count 3, two entries
    std::ofstream(dir / "short.FDB", std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    EXPECT_FALSE(readFdbFile(dir / "short.FDB", back));
    EXPECT_FALSE(readFdbFile(dir / "missing.FDB", back));
}

TEST(FdbFile, FileNames)
{
    const struct {
        const char* klasse;
        const char* kurz;
        const char* list;
        const char* backup;
    } cases[] = {
        {"7a.RVK", "Deu", "7a_Deu.FDB", "7a_Deu.§DB"},
        {"Vorgabe.RVK", "Ma", "Vorgabe_Ma.FDB", "Vorgabe_Ma.§DB"},
        {"7a.RVK", "Te/AL", "7a_Te_AL.FDB", "7a_Te_AL.§DB"},
        {"7a.RVK", "E Ku", "7a_E Ku.FDB", "7a_E Ku.§DB"},
        {"7a.RVK", "a:b*?", "7a_a_b__.FDB", "7a_a_b__.§DB"},
        {"7a.RVK", "D\xE4n", "7a_Dän.FDB", "7a_Dän.§DB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fdbListFileName(c.klasse, c.kurz), c.list);
        EXPECT_EQ(fdbBackupFileName(fdbListFileName(c.klasse, c.kurz)), c.backup);
    }
}
