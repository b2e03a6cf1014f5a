#include "grades/LevelConversion.h"

#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace ruvek {
namespace {
using test::ScriptedPrompter;

const test::Shown kAskConvert = test::Shown::question(
    "Die Anspruchsebene wurde geändert!\nSollen die Bewertungen jetzt umgerechnet werden?\n\n(!!!Beachten Sie, dass "
    "mehrfaches Umrechnen die\nursprüngliche Bewertung verfälschen kann!\nPrüfen Sie unbedingt die umgerechneten "
    "Bewertungen!!!)");

// One slot as grade and level letter, both UTF-8 in the table.
using Slot = std::pair<std::string, std::string>;

struct ConversionCase {
    const char* what;
    int oldLevel;
    int newLevel;
    std::vector<Slot> before;  // slots 1, 2, ...
    std::vector<Slot> after;
    bool inconsistent = false;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.what; }

TZgnRec recordWith(const std::vector<Slot>& slots)
{
    TZgnRec r;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "Fach";
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        r.Faecher[i].Note = utf8ToCp1252(slots[i].first);
        r.Faecher[i].Niveau = utf8ToCp1252(slots[i].second);
    }
    return r;
}

std::vector<Slot> slotsOf(const TZgnRec& r, std::size_t n)
{
    std::vector<Slot> out;
    for (std::size_t i = 0; i < n; ++i)
        out.emplace_back(cp1252ToUtf8(r.Faecher[i].Note.view()), cp1252ToUtf8(r.Faecher[i].Niveau.view()));
    return out;
}

class LevelConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(LevelConversion, ConvertsAfterYes)
{
    const auto& c = GetParam();
    TZgnRec r = recordWith(c.before);
    ScriptedPrompter p;
    p.answers = {true};
    EXPECT_EQ(ConvertGradesOnLevelChange(r, c.oldLevel, c.newLevel, p), LevelConversionResult::Converted);
    EXPECT_EQ(slotsOf(r, c.before.size()), c.after);
    std::vector expected{kAskConvert};
    if (c.inconsistent)
        expected.push_back(test::Shown::warning("Beim Umrechnen der Bewertungen trat mindestens eine Unstimmigkeit auf!\n"
                                                "Kontrollieren Sie unbedingt die Richtigkeit der Bewertungen!"));
    EXPECT_EQ(p.log(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelConversion,
    ::testing::Values(
        // From level m to level n every slot without a fixed level letter moves by n - m.
        ConversionCase{"Level2to3", 2, 3, {{"3", "-"}, {"3", "E"}, {"3", "Ü"}, {"3", ""}, {"3", "x"}},
                       {{"4", "-"}, {"3", "E"}, {"4", "Z"}, {"4", ""}, {"4", "x"}}},
        ConversionCase{"Level1to3", 1, 3, {{"2", ""}, {"5", "ü"}}, {{"4", ""}, {"6", "Z"}}},
        ConversionCase{"Level3to1Limited", 3, 1, {{"2", "-"}, {"5", "B"}, {"5", "A"}, {"5", "b"}},
                       {{"1", "-"}, {"5", "B"}, {"3", "A"}, {"5", "b"}}},
        ConversionCase{"FixedLetters", 3, 2,
                       {{"4", "B"}, {"4", "E"}, {"4", "G"}, {"4", "H"}, {"4", "M"}, {"4", "R"}, {"4", "Z"}, {"4", "z"},
                        {"4", "C"}},
                       {{"4", "B"}, {"4", "E"}, {"4", "G"}, {"4", "H"}, {"4", "M"}, {"4", "R"}, {"4", "Z"}, {"4", "z"},
                        {"3", "C"}}},
        // Grades 7 and 8 never survive, and nothing goes beyond 6.
        ConversionCase{"Level1to2SevenEight", 1, 2, {{"7", "-"}, {"8", ""}, {"6", "-"}}, {{"6", "-"}, {"6", ""}, {"6", "-"}}},
        // From no level to level n a subject graded on level L moves by n - L.
        ConversionCase{"Level0to2ByGroup", 0, 2,
                       {{"3", "H"}, {"3", "G"}, {"3", "Ü"}, {"3", "A"}, {"3", "B"}, {"3", "R"}, {"3", "C"}, {"3", "h"},
                        {"3", "ü"}},
                       {{"4", "H"}, {"2", "G"}, {"2", "Z"}, {"4", "A"}, {"3", "B"}, {"3", "R"}, {"2", "C"}, {"4", "h"},
                        {"2", "Z"}}},
        ConversionCase{"Level0to3", 0, 3, {{"7", "G"}, {"2", "H"}, {"2", "r"}, {"8", "C"}},
                       {{"6", "G"}, {"4", "H"}, {"3", "r"}, {"6", "C"}}},
        ConversionCase{"Level0to1", 0, 1, {{"1", "G"}, {"4", "b"}, {"4", "A"}}, {{"1", "G"}, {"3", "b"}, {"4", "A"}}},
        // Letters of no group leave the slot alone, and so does a grade that is a mark.
        ConversionCase{"Level0NoGroup", 0, 2, {{"4", "E"}, {"4", "M"}, {"4", "Z"}, {"4", "-"}, {"4", ""}},
                       {{"4", "E"}, {"4", "M"}, {"4", "Z"}, {"4", "-"}, {"4", ""}}},
        ConversionCase{"MarksUntouched", 1, 3, {{"-", "Ü"}, {"e", "-"}, {"", ""}, {"0", "-"}, {"9", "-"}, {"n", ""}},
                       {{"-", "Ü"}, {"e", "-"}, {"", ""}, {"0", "-"}, {"9", "-"}, {"n", ""}}},
        // A typed level (stored as -1) converts nothing and warns once.
        ConversionCase{"UnknownOldLevel", -1, 2, {{"3", "-"}, {"-", "-"}, {"4", "G"}}, {{"3", "-"}, {"-", "-"}, {"4", "G"}}, true},
        ConversionCase{"UnknownNewLevel", 1, -1, {{"3", "-"}, {"4", "Ü"}}, {{"3", "-"}, {"4", "Ü"}}, true},
        ConversionCase{"UnknownLevelWithoutGrades", 0, -1, {{"-", "-"}}, {{"-", "-"}}, false}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST(LevelConversionSlots, ElectiveSlotsAndTheOverallGradeAreConvertedToo)
{
    TZgnRec r = recordWith({});
    r.slot(19).Note = "2";
    r.slot(25).Note = "3";
    ScriptedPrompter p;
    p.answers = {true};
    ConvertGradesOnLevelChange(r, 1, 2, p);
    EXPECT_EQ(r.slot(19).Note, "3");
    EXPECT_EQ(r.slot(25).Note, "4");
}

TEST(LevelConversionQuestions, AnsweringNoChangesNothing)
{
    const TZgnRec before = recordWith({{"3", "Ü"}, {"2", "-"}});
    TZgnRec r = before;
    ScriptedPrompter p;
    p.answers = {false};
    EXPECT_EQ(ConvertGradesOnLevelChange(r, 2, 3, p), LevelConversionResult::Declined);
    EXPECT_EQ(toBytes(r), toBytes(before));
    EXPECT_EQ(p.log(), std::vector{kAskConvert});
}

TEST(LevelConversionQuestions, LevelZeroAsksItsQuestionAndChangesNothingWhateverTheAnswer)
{
    for (bool answer : {true, false}) {
        const TZgnRec before = recordWith({{"3", "Ü"}, {"2", "G"}});
        TZgnRec r = before;
        ScriptedPrompter p;
        p.answers = {answer};
        EXPECT_EQ(ConvertGradesOnLevelChange(r, 2, 0, p), LevelConversionResult::LevelSetToNone);
        EXPECT_EQ(p.log(), std::vector{test::Shown::question("Die Anspruchsebene wurde auf einen\nunbestimmten "
                                                             "Schultyp eingestellt!\n\nSollen die Bewertungen auf "
                                                             "Ü-Niveau\ngesetzt werden?")});
        EXPECT_EQ(toBytes(r), toBytes(before));
    }
}

} // namespace
} // namespace ruvek
