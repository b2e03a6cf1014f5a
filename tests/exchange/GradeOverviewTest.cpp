// Counting tables of the subject and grade overview.
#include "exchange/GradeOverview.h"

#include "ExchangeFixtures.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;
using test::pupil;
using test::withSlot;

namespace {

const TUebersichtZeile* rowNamed(const GradeOverview& o, const std::string& name, bool elective = false)
{
    for (const auto& r : o.rows)
        if (r.Fach == name && r.elective == elective)
            return &r;
    return nullptr;
}

// The non-zero counters of a row as "header=count".
std::vector<std::string> counted(const TUebersichtZeile* row)
{
    std::vector<std::string> out;
    if (!row)
        return {"<no row>"};
    for (int i = 0; i < kUebersichtZaehler; ++i)
        if (row->Zaehler[static_cast<std::size_t>(i)])
            out.push_back(std::string(kUebersichtSpalten[static_cast<std::size_t>(i)]) + "=" +
                          std::to_string(row->Zaehler[static_cast<std::size_t>(i)]));
    return out;
}

} // namespace

TEST(GradeOverview, CountsGradesAndMarksPerSubject)
{
    const TFachKatalog kat = defaultFachKatalog();
    TZgnRec a = pupil("A", "a", 1), b = pupil("B", "b", 2), deleted = pupil("C", "c", 3);
    withSlot(a, 1, "Deutsch", "2");
    withSlot(b, 1, "Deutsch", "n");
    withSlot(deleted, 1, "Deutsch", "1");
    deleted.Status = 0;
    // Slots 17 and 18 hold subjects too.
    withSlot(a, 17, "Sport", "k");
    withSlot(b, 18, "Sport", "A");
    test::ScriptedPrompter prompter;
    const GradeOverview o = computeGradeOverview({a, b, deleted}, kat, 0, prompter);
    EXPECT_EQ(counted(rowNamed(o, "Deutsch")), (std::vector<std::string>{"insg.=2", "  2=1", "  n=1"}));
    EXPECT_EQ(counted(rowNamed(o, "Sport")), (std::vector<std::string>{"insg.=2", "k,0,u=1", "  b,A=1"}));
    EXPECT_TRUE(rowNamed(o, "Musik")->empty());
    EXPECT_TRUE(prompter.log().empty());
}

TEST(GradeOverview, EveryCharacterHasItsColumn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", "  1"}, {"8", "  8"}, {"-", "  -"}, {"_", "  -"}, {"0", "k,0,u"}, {"O", "k,0,u"}, {"u", "k,0,u"},
        {"N", "  n"}, {"t", "  t"}, {"a", "  b,A"}, {"B", "  b,A"}, {"E", "  e"}, {"9", " ???"}, {"", " ???"},
        {"x", " ???"}};
    for (const auto& [note, header] : cases)
        EXPECT_STREQ(kUebersichtSpalten[static_cast<std::size_t>(overviewCounter(note))], header) << note;
}

TEST(GradeOverview, SubjectSlotComesFromTheRecordsFormThenFromItsName)
{
    const TFachKatalog kat = defaultFachKatalog();
    // A Gymnasium record: Mathematik stands in its row of annex 21; the row
    // the school type number would point at holds another subject.
    const int mathRow = kat[20].Position[21];
    ASSERT_GT(mathRow, 0);
    TZgnRec r = pupil("A", "a", 1);
    r.AnlageFaecher = 21;
    withSlot(r, mathRow, "Mathematik", "1");
    const int typeRow = kat[20].Position[toInt(SchoolType::Gymnasium)];
    if (typeRow > 0 && typeRow != mathRow)
        withSlot(r, typeRow, "Französisch", "5");
    // A record whose layout does not list the subject is found by name.
    TZgnRec s = pupil("B", "b", 2);
    s.AnlageFaecher = 0;
    withSlot(s, 12, "Mathematik", "3");
    test::ScriptedPrompter prompter;
    const GradeOverview o = computeGradeOverview({r, s}, kat, 0, prompter);
    EXPECT_EQ(counted(rowNamed(o, "Mathematik")), (std::vector<std::string>{"insg.=2", "  1=1", "  3=1"}));
}

TEST(GradeOverview, RowsAreNumberedConsecutivelySoALateEntryShows)
{
    TFachKatalog kat = defaultFachKatalog();
    kat[50].FachName = "Astrophysik";
    TZgnRec r = pupil("A", "a", 1);
    withSlot(r, 5, "Astrophysik", "2");
    test::ScriptedPrompter prompter;
    const GradeOverview o = computeGradeOverview({r}, kat, 0, prompter);
    // Entries 0, 1 and the 41 used subjects 2..42, then entry 50.
    EXPECT_EQ(o.catalogueRows, 44);
    EXPECT_EQ(o.rows[43].Fach, "Astrophysik");
    EXPECT_EQ(counted(&o.rows[43]), (std::vector<std::string>{"insg.=1", "  2=1"}));
}

TEST(GradeOverview, ElectiveRowsFollowTheForm)
{
    const TFachKatalog kat = defaultFachKatalog();
    TZgnRec four = pupil("A", "a", 1), six = pupil("B", "b", 2), other = pupil("C", "c", 3);
    four.Anlage = 5;
    six.Anlage = 8;
    other.Anlage = 8;
    withSlot(four, 19, "Informatik AG", "2");
    withSlot(four, 21, "Theater", "1");   // no W3 on annex 5
    withSlot(six, 21, "Theater", "3");
    withSlot(other, 19, "Informatik AG", "e");
    withSlot(other, 20, "  - - -", "1");
    test::ScriptedPrompter prompter;
    const GradeOverview o = computeGradeOverview({four, six, other}, kat, 0, prompter);
    EXPECT_EQ(counted(rowNamed(o, "Informatik AG", true)), (std::vector<std::string>{"insg.=2", "  2=1", "  e=1"}));
    EXPECT_EQ(counted(rowNamed(o, "Theater", true)), (std::vector<std::string>{"insg.=1", "  3=1"}));
    EXPECT_EQ(overviewRowLabel(*rowNamed(o, "Theater", true)), "WPfl.: Theater");
    // Empty elective slots ("???") of annex 8 form one row of their own.
    EXPECT_EQ(o.rows.size(), static_cast<std::size_t>(o.catalogueRows) + 3);
}

TEST(GradeOverview, TooManyElectivesAreReported)
{
    const TFachKatalog kat = defaultFachKatalog();
    TDB2 records;
    for (int i = 0; i < 30; ++i) {
        TZgnRec r = pupil("A", "a", i);
        r.Anlage = 8;
        for (int k = 19; k <= 24; ++k)
            r.slot(k).Fach = "WP" + std::to_string(i * 6 + k);
        records.push_back(r);
    }
    test::ScriptedPrompter prompter;
    const GradeOverview o = computeGradeOverview(records, kat, 0, prompter);
    EXPECT_EQ(o.rows.size(), 70u);   // room for 71 rows, the last one never taken
    ASSERT_GE(prompter.log().size(), 2u);
    EXPECT_EQ(prompter.log()[0], test::Shown::information(kMsgZuVieleWahlpflichtfaecher));
    EXPECT_EQ(prompter.log()[1], test::Shown::error(kMsgWahlpflichtFehler));
}
