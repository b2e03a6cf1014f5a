#include "grades/GradeClear.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <string>

namespace ruvek {
namespace {
using test::ScriptedPrompter;

TZgnRec gradedRecord()
{
    TZgnRec r;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "Fach" + std::to_string(k);
        r.slot(k).Note = "2";
        r.slot(k).Zusatz = "#*";
        r.slot(k).Niveau = "G";
        r.slot(k).Hinweis = "h";
    }
    return r;
}

void expectCleared(const TFachEintrag& s, int k)
{
    EXPECT_EQ(s.Fach, "Fach" + std::to_string(k));
    EXPECT_EQ(s.Note, "-");
    EXPECT_TRUE(s.Zusatz.empty());
    EXPECT_EQ(s.Niveau.bytes[0], 0) << "the level letter becomes empty, not \"-\"";
    EXPECT_EQ(s.Hinweis, "h");
}

void expectKept(const TFachEintrag& s)
{
    EXPECT_EQ(s.Note, "2");
    EXPECT_EQ(s.Zusatz, "#*");
    EXPECT_EQ(s.Niveau, "G");
}

TEST(GradeClear, SubjectButtonClearsSlots1To18Only)
{
    TZgnRec r = gradedRecord();
    ScriptedPrompter p;
    p.answers = {true};
    EXPECT_TRUE(AskAndClearGrades(r, GradeClearRange::Subjects, p));
    EXPECT_EQ(p.log(), std::vector{test::Shown::question(
                           "Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?")});
    for (int k = 1; k <= 18; ++k)
        expectCleared(r.slot(k), k);
    for (int k = 19; k <= 25; ++k)
        expectKept(r.slot(k));
}

TEST(GradeClear, ElectiveButtonClearsSlots19To25Only)
{
    TZgnRec r = gradedRecord();
    ScriptedPrompter p;
    p.answers = {true};
    EXPECT_TRUE(AskAndClearGrades(r, GradeClearRange::Electives, p));
    for (int k = 1; k <= 18; ++k)
        expectKept(r.slot(k));
    for (int k = 19; k <= 25; ++k)
        expectCleared(r.slot(k), k);
}

TEST(GradeClear, NoKeepsEverything)
{
    const TZgnRec before = gradedRecord();
    TZgnRec r = before;
    ScriptedPrompter p;
    p.answers = {false};
    EXPECT_FALSE(AskAndClearGrades(r, GradeClearRange::Subjects, p));
    EXPECT_EQ(toBytes(r), toBytes(before));
}

} // namespace
} // namespace ruvek
