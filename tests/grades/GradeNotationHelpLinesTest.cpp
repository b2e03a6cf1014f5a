#include "grades/BewHilfText.h"

#include <gtest/gtest.h>

using namespace ruvek;

namespace {

const std::vector<std::string> kGrades16 = {
    "Bewertungen / Noten:",
    "===============================",
    "     Noten: 1 bis 6",
    " ",
    "     Streichung: -",
    " ",
    "     nicht erteilt: e",
    " ",
    "     nicht teilgenommen: n",
    " ",
    "     teilgenommen: t   {! nur für Grundsch.}",
    " ",
    "     befreit: b oder A",
    " ",
    "     nicht beurteilbar: 0, u oder k",
};

const std::vector<std::string> kLevels = {
    " ",
    " ",
    "Niveaustufen:",
    "===============================",
    "     Übergangsnote: - oder Ü",
    " ",
    "     Berufsreife (HS): B oder H",
    " ",
    "     Mittlere Reife (RS): E, M oder R",
    " ",
    "     Hochschulreife (Gymn.): G",
    " ",
    "     entsprechend vorgegebenen Zeugnisniveau: Z",
};

const std::vector<std::string> kAdditions = {
    " ", " ", "Zusätze:", "===============================", "     beliebiges Zeichen (z.B.: # oder *)",
};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(BewHilfLines, BySchoolTypeAndAdditionOption)
{
    std::vector<std::string> grades18 = kGrades16;
    grades18[2] = "     Noten: 1 bis 8";

    EXPECT_EQ(BewHilfLines(SchoolType::Gymnasium, false), kGrades16);
    EXPECT_EQ(BewHilfLines(SchoolType::Gymnasium, true), join({kGrades16, kAdditions}));
    EXPECT_EQ(BewHilfLines(SchoolType::IntegrierteGesamtschule, false), join({grades18, kLevels}));
    EXPECT_EQ(BewHilfLines(SchoolType::IntegrierteGesamtschule, true), join({grades18, kLevels, kAdditions}));
    // Every other school type reads like the Gymnasium.
    for (int schultyp : {0, 1, 2, 5, 6, 7, 8, 9})
        EXPECT_EQ(BewHilfLines(schoolTypeFromStored(schultyp), false), kGrades16) << schultyp;
}
