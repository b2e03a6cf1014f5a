#include "common/Cp1252.h"
#include "common/GermanOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace ruvek;

namespace {
std::string cp(const char* utf8) { return utf8ToCp1252(utf8); }
} // namespace

// The names a byte-ordered class book put wrong: Özdemir after Zander,
// Krüger before Köhler, Schröder before Schäfer.
TEST(GermanOrder, UmlautsSortAsTheirBaseLetters)
{
    const std::pair<const char*, const char*> before[] = {
        {"Özdemir", "Zander"},  {"Köhler", "Krüger"},   {"Schäfer", "Schröder"}, {"Müller", "Münster"},
        {"Mueller", "Müller"},  {"Muller", "Müller"},   {"Straßer", "Strauss"},  {"Straße", "Strasser"},
        {"abel", "Adam"},       {"Ärger", "Bach"},      {"Éric", "Ezra"},        {"Lena", "Lena-Marie"},
        {"de Vries", "Decker"}, {"Ubben", "Über"},      {"Übel", "uber"},        {"Zoë", "Zoey"},
    };
    for (const auto& [a, b] : before) {
        EXPECT_LT(compareGerman(cp(a), cp(b)), 0) << a << " < " << b;
        EXPECT_GT(compareGerman(cp(b), cp(a)), 0) << b << " > " << a;
    }
    EXPECT_EQ(germanSortKey(cp("ÄÖÜäöüß")), "aouaouss");
    // Equal under the rules: the bytes decide, so the order stays total.
    EXPECT_LT(compareGerman("Muller", cp("Müller")), 0);
    EXPECT_LT(compareGerman("MULLER", "muller"), 0);
    EXPECT_EQ(compareGerman(cp("Müller"), cp("Müller")), 0);

    // Surname first: "Müller, Zoe" after "Muller, Anna" although ü > u in bytes.
    EXPECT_LT(compareGermanNames("Muller", "Anna", cp("Müller"), "Zoe"), 0);
    EXPECT_GT(compareGermanNames(cp("Müller"), "Zoe", "Muller", "Anna"), 0);
    EXPECT_LT(compareGermanNames(cp("Müller"), "Anna", "Muller", "Zoe"), 0);
}

// Over many random names from a mix of letters: a strict total order (a
// sort is consistent with every pair), zero only for equal bytes, and where
// the folded keys differ they alone decide.
TEST(GermanOrder, StrictTotalOrderOverRandomNames)
{
    const std::string letters = cp("aAbBoOuUsSzZäÄöÖüÜßéÉ- ");
    std::mt19937 rng(20261210);
    std::vector<std::string> names;
    for (int i = 0; i < 600; ++i) {
        std::string s;
        const int n = 1 + static_cast<int>(rng() % 5);
        for (int k = 0; k < n; ++k)
            s += letters[rng() % letters.size()];
        names.push_back(s);
    }
    std::sort(names.begin(), names.end(), germanLess);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const std::string& a = names[i];
        const std::string& b = names[i + 1];
        EXPECT_LE(compareGerman(a, b), 0);
        EXPECT_EQ(compareGerman(a, b) == 0, a == b);
        EXPECT_EQ(compareGerman(a, b), -compareGerman(b, a));
        if (germanSortKey(a) != germanSortKey(b)) {
            EXPECT_LT(germanSortKey(a), germanSortKey(b));
        }
    }
}
