#include "grades/Annex.h"

#include <gtest/gtest.h>

#include <set>

using namespace ruvek;

namespace {

struct Head {
    int zgnTyp;
    int schultyp;
    int klasse;
    const char* sj; // SjBeginn
    int abschlArt = 0;
    int klassenart = 0;
    int bestanden = 0;
};

TZgnRec recordWith(const Head& h)
{
    TZgnRec r{};
    r.ZgnTyp = static_cast<std::int16_t>(h.zgnTyp);
    r.Klassenstufe = static_cast<std::int16_t>(h.klasse);
    r.SjBeginn = h.sj;
    r.AbschlArt = static_cast<std::int16_t>(h.abschlArt);
    r.Klassenart = static_cast<std::int16_t>(h.klassenart);
    r.Bestanden = static_cast<std::int16_t>(h.bestanden);
    return r;
}

struct AnnexCase {
    Head head;
    int annex;
};

std::ostream& operator<<(std::ostream& os, const AnnexCase& c)
{
    const Head& h = c.head;
    return os << "Z" << h.zgnTyp << " S" << h.schultyp << " K" << h.klasse << " \"" << h.sj << "\" A" << h.abschlArt
              << " F" << h.klassenart << " P" << h.bestanden << " -> " << c.annex;
}

// Head data and annex code, row by row of the decision tables.
const AnnexCase kCases[] = {
    // Z = 1, year certificate
    {{1, 1, 1, "2005"}, 1},
    {{1, 1, 1, "2010"}, 1},
    {{1, 1, 3, "2010"}, 3},
    {{1, 1, 4, "2010"}, 3},
    {{1, 1, 5, "2005"}, 3},
    {{1, 1, 5, "2006"}, 104},
    {{1, 1, 6, "2006"}, 3},
    {{1, 1, 6, "2007"}, 104},
    {{1, 2, 5, "2006"}, 104},
    {{1, 2, 6, "2006"}, 15},
    {{1, 2, 6, "2007"}, 104},
    {{1, 2, 7, "2010"}, 15},
    {{1, 3, 5, "2005"}, 26},
    {{1, 3, 5, "2006"}, 104},
    {{1, 3, 6, "2006"}, 26},
    {{1, 3, 6, "2008"}, 104},
    {{1, 3, 7, "2006"}, 27},
    {{1, 3, 10, "2006"}, 27},
    {{1, 3, 0, "2006"}, 27},
    {{1, 3, 1, "2006"}, 27},
    {{1, 3, 4, "2006"}, 27},
    {{1, 4, 5, "2006"}, 104},
    {{1, 4, 5, "2005"}, 21},
    {{1, 4, 5, "1999"}, 21}, // "1999" reads as year 0
    {{1, 4, 6, "2006"}, 21},
    {{1, 4, 6, "07"}, 104},
    {{1, 4, 8, "2010"}, 21},
    {{1, 5, 5, "2010"}, 5},
    {{1, 6, 5, "2010"}, 10},
    {{1, 7, 3, "2010", 0, 1}, 30},
    {{1, 7, 4, "2010", 0, 1}, 32},
    {{1, 7, 9, "2010", 0, 1}, 32},
    {{1, 7, 10, "2010", 0, 1}, 30},
    {{1, 7, 6, "2010", 0, 2}, 0},
    {{1, 7, 7, "2010", 0, 2}, 34},
    {{1, 7, 10, "2010", 0, 2}, 34},
    {{1, 7, 7, "2010", 0, 0}, 0},
    {{1, 7, 7, "2010", 0, 3}, 0},
    {{1, 9, 5, "2010"}, 39},
    {{1, 0, 5, "2010"}, 0},
    {{1, 8, 5, "2010"}, 0},
    // Z = 2, transfer certificate
    {{2, 1, 1, "2010"}, 2},
    {{2, 1, 2, "2010"}, 4},
    {{2, 1, 5, "2010"}, 4},
    {{2, 2, 8, "2010"}, 16},
    {{2, 3, 8, "2010"}, 29},
    {{2, 4, 5, "2010"}, 22},
    {{2, 5, 8, "2010"}, 6},
    {{2, 6, 8, "2010"}, 11},
    {{2, 7, 3, "2010", 0, 1}, 31},
    {{2, 7, 4, "2010", 0, 1}, 33},
    {{2, 7, 9, "2010", 0, 1}, 33},
    {{2, 7, 10, "2010", 0, 1}, 31},
    {{2, 7, 7, "2010", 0, 2}, 36},
    {{2, 7, 9, "2010", 0, 2}, 36},
    {{2, 7, 10, "2010", 0, 2}, 0},
    {{2, 7, 8, "2010", 0, 0}, 0},
    {{2, 9, 8, "2010"}, 42},
    {{2, 0, 8, "2010"}, 0},
    // Z = 3, leaving certificate
    {{3, 1, 4, "2010"}, 0},
    {{3, 2, 8, "2010"}, 17},
    {{3, 3, 8, "2010"}, 28},
    {{3, 4, 8, "2010"}, 23},
    {{3, 5, 8, "2010"}, 7},
    {{3, 6, 8, "2010"}, 12},
    {{3, 7, 8, "2010"}, 41},
    {{3, 9, 8, "2010"}, 0},
    // Z = 4, final certificate
    {{4, 2, 9, "2005"}, 8},
    {{4, 2, 9, "2006"}, 18},
    {{4, 5, 9, "05"}, 8},
    {{4, 6, 9, "2010"}, 18},
    {{4, 2, 10, "2006", 1}, 9},
    {{4, 2, 10, "2007", 1}, 20},
    {{4, 3, 10, "2006", 2}, 13},
    {{4, 3, 10, "2006", 0}, 13},
    {{4, 6, 10, "2006", 3}, 13}, // AbschlArt other than 1 and 2 counts as 0
    {{4, 5, 10, "2007", 2}, 20},
    {{4, 6, 10, "", 1}, 9},      // no readable year: before both thresholds
    {{4, 2, 8, "2010"}, 0},
    {{4, 4, 10, "2010"}, 0},
    {{4, 1, 10, "2010"}, 0},
    {{4, 7, 9, "2010"}, 35},
    {{4, 7, 10, "2010"}, 38},
    {{4, 7, 8, "2010"}, 0},
    {{4, 9, 3, "2010"}, 40},
    // Z = 5, qualified final certificate
    {{5, 2, 9, "2005"}, 9},
    {{5, 2, 9, "2006"}, 19},
    {{5, 3, 9, "2010"}, 19},
    {{5, 2, 10, "2006", 1}, 9},
    {{5, 2, 10, "2006", 2}, 14},
    {{5, 2, 10, "2006", 0}, 20},
    {{5, 3, 10, "2006", 0}, 14},
    {{5, 6, 10, "2006", 0}, 14},
    {{5, 5, 10, "2006", 0}, 9},
    {{5, 5, 10, "2006", 2}, 14},
    {{5, 2, 10, "2006", 5}, 20},
    {{5, 2, 10, "2007", 1}, 20},
    {{5, 2, 10, "07", 2}, 20},
    {{5, 3, 10, "2007", 1}, 14},
    {{5, 6, 10, "07"}, 14},
    {{5, 5, 10, "07", 2}, 9},
    {{5, 2, 8, "2010"}, 0},
    {{5, 4, 10, "2010"}, 0},
    {{5, 7, 10, "2010"}, 0},
    {{5, 9, 10, "2010"}, 0},
    // Z = 6, transfer to the upper secondary level
    {{6, 4, 10, "2010", 0, 0, 1}, 24},
    {{6, 3, 10, "2010", 0, 0, 1}, 24},
    {{6, 4, 10, "2010", 0, 0, 0}, 25},
    {{6, 4, 9, "2010", 0, 0, 1}, 25},
    {{6, 6, 10, "2010", 0, 0, 1}, 0},
    {{6, 2, 10, "2010", 0, 0, 1}, 0},
    // Z = 7, intermediate certificate
    {{7, 1, 4, "2010"}, 0},
    {{7, 2, 8, "2010"}, 115},
    {{7, 3, 8, "2010"}, 127},
    {{7, 4, 8, "2010"}, 121},
    {{7, 5, 8, "2010"}, 105},
    {{7, 6, 8, "2010"}, 110},
    {{7, 7, 8, "2010"}, 130},
    {{7, 9, 8, "2010"}, 0},
    // Z = 0 and values outside the selector
    {{0, 4, 5, "2010"}, 0},
    {{8, 4, 5, "2010"}, 0},
    {{-1, 4, 5, "2010"}, 0},
};

class DetermineAnnexTest : public testing::TestWithParam<AnnexCase> {};

TEST_P(DetermineAnnexTest, DecisionTable)
{
    const AnnexCase& c = GetParam();
    EXPECT_EQ(DetermineAnnex(recordWith(c.head), schoolTypeFromStored(c.head.schultyp)), c.annex);
}

INSTANTIATE_TEST_SUITE_P(AllRows, DetermineAnnexTest, testing::ValuesIn(kCases));

} // namespace

TEST(Annex, YearOfText)
{
    const std::pair<const char*, int> table[] = {
        {"2006", 2006}, {"2000", 2000}, {"2069", 2069}, {"2070", 0},  {"1999", 0},   {"1", 2001},  {"06", 2006},
        {"69", 2069},   {"70", 1970},   {"99", 1999},   {"0", 0},     {"100", 0},    {"", 0},      {"abcd", 0},
        {"20a6", 0},    {"-5", 0},      {"+7", 2007},   {" 07", 2007}, {"7 ", 2007}, {"2 06", 0},  {"6.", 0},
    };
    for (const auto& [text, year] : table)
        EXPECT_EQ(YearOfText(text), year) << '"' << text << '"';
}

TEST(Annex, OrientationRule)
{
    EXPECT_TRUE(OrientationRule(5, 2006));
    EXPECT_FALSE(OrientationRule(5, 2005));
    EXPECT_FALSE(OrientationRule(6, 2006));
    EXPECT_TRUE(OrientationRule(6, 2007));
    EXPECT_FALSE(OrientationRule(4, 2010));
    EXPECT_FALSE(OrientationRule(7, 2010));
}

// Only the head fields named by the decision decide; everything else in the
// record (grades, names, the stored Anlage) does not.
TEST(Annex, DecisionIgnoresOtherFields)
{
    TZgnRec r = recordWith({5, 2, 10, "2006", 0});
    const int annex = DetermineAnnex(r, SchoolType::RegionaleSchule);
    r.Anlage = 13;
    r.AnlageAlt = 9;
    r.Ebene = 3;
    r.Praedikat = 2;
    r.Name = "Muster";
    r.slot(1).Note = "1";
    EXPECT_EQ(DetermineAnnex(r, SchoolType::RegionaleSchule), annex);
}

// Every code the decision can give is one of the forms of the annex table.
TEST(Annex, OnlyKnownCodes)
{
    std::set<int> known = {0, 104, 105, 110, 115, 121, 127, 130};
    for (int c = 1; c <= 42; ++c)
        known.insert(c);
    for (int z = -1; z <= 8; ++z)
        for (int s = 0; s <= 10; ++s)
            for (int k = 0; k <= 11; ++k)
                for (const char* sj : {"", "2005", "2006", "2007"})
                    for (int a = 0; a <= 3; ++a)
                        for (int f = 0; f <= 2; ++f)
                            for (int p = 0; p <= 1; ++p) {
                                const int code = DetermineAnnex(recordWith({z, s, k, sj, a, f, p}), schoolTypeFromStored(s));
                                ASSERT_TRUE(known.count(code)) << code;
                            }
}

TEST(Annex, DisplayText)
{
    TZgnRec r = recordWith({1, 4, 5, "2006"});
    r.Anlage = 104;
    EXPECT_EQ(AnnexDisplayText(r, SchoolType::Gymnasium), "4a");
    r.Anlage = -1; // not yet stored: the head data decide
    EXPECT_EQ(AnnexDisplayText(r, SchoolType::Gymnasium), "104");
    r.Klassenstufe = 7;
    EXPECT_EQ(AnnexDisplayText(r, SchoolType::Gymnasium), "21");
    r.ZgnTyp = 0;
    EXPECT_EQ(AnnexDisplayText(r, SchoolType::Gymnasium), "0");
}

TEST(AnnexHeadSelectors, ExamSubjectGrade)
{
    TFachKatalog kat = defaultFachKatalog();
    TZgnRec r{};
    for (int k = 1; k <= 25; ++k)
        r.slot(k).Fach = "???";
    r.slot(10).Fach = "Physik";
    r.slot(10).Note = "2";
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Ph"), "2");
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Bio"), std::nullopt); // no slot: Edit75 keeps its text
    EXPECT_EQ(ExamSubjectGrade(kat, r, "xyz"), std::nullopt);

    // The last matching slot among 1..16 stands; slots beyond 16 are not looked at.
    r.slot(14).Fach = "Physik";
    r.slot(14).Note = "4";
    r.slot(17).Fach = "Physik";
    r.slot(17).Note = "6";
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Ph"), "4");

    // The last catalogue entry with the abbreviation counts.
    kat[45].FachName = "Astrophysik";
    kat[45].FachKurz = "Ph";
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Ph"), std::nullopt);
    r.slot(3).Fach = "Astrophysik";
    r.slot(3).Note = "1";
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Ph"), "1");

    // A catalogue name longer than a slot's 30 characters never matches.
    kat[45].FachName = "Astrophysik und Raumfahrttechnik (AG)"; // 37 characters
    r.slot(3).Fach = kat[45].FachName.view();
    EXPECT_EQ(ExamSubjectGrade(kat, r, "Ph"), std::nullopt);
}
