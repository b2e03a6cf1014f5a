// The grade distribution: counts, shares, average and chart values of
// selections of a small class, at the six- and the eight-step scale.
#include "statistics/GradeStatistics.h"
#include "statistics/StatisticsChart.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;

namespace {

struct Pupil {
    const char* klasse;
    const char* deutsch; // grade in slot 1 "Deutsch"
    std::int16_t status = 1;
};

TDB2 classOf(std::initializer_list<Pupil> pupils)
{
    TDB2 records;
    for (const Pupil& p : pupils) {
        TZgnRec r;
        r.Status = p.status;
        r.Klasse = p.klasse;
        for (int k = 1; k <= 25; ++k) {
            r.slot(k).Fach = "???";
            r.slot(k).Note = "-";
        }
        r.slot(1).Fach = "Deutsch";
        r.slot(1).Note = p.deutsch;
        records.push_back(r);
    }
    return records;
}

struct Case {
    const char* what;
    TDB2 records;
    SchoolType schultyp;
    const char* subject;
    const char* klasse;
    std::array<std::string, 10> counts;
    std::array<std::string, 10> percents;
    std::string sum, average;
    std::vector<double> chart;
    std::string title;
};

const std::array<std::string, 10> kNoPercents{};

} // namespace

TEST(GradeStatistics, CountsSharesAverageAndChartOfSelections)
{
    const TDB2 mixed = classOf({{"7a", "1"}, {"7a", "2"}, {"7a", "2"}, {"7a", "3"}, {"7a", "e"}, {"7a", "_"},
                                {"7a", "1", 0} /* deleted */, {"7b", "6"} /* other class */});
    const Case cases[] = {
        {"six steps, one class", mixed, SchoolType::Hauptschule, "Deutsch", "7a",
         {"     1", "     2", "     1", "     0", "     0", "     0", "     0", "     0", "     1", "     1"},
         {" 25,00", " 50,00", " 25,00", "  0,00", "  0,00", "  0,00", "  0,00", "  0,00", " 25,00", " 25,00"},
         "       6", "  2,00", {25, 50, 25, 0, 0, 0}, "Notenverteilung: Deutsch [7a]"},
        {"all classes compare exactly, deleted records never count", mixed, SchoolType::Hauptschule, "Deutsch", "Alle",
         {"     1", "     2", "     1", "     0", "     0", "     1", "     0", "     0", "     1", "     1"},
         {" 20,00", " 40,00", " 20,00", "  0,00", "  0,00", " 20,00", "  0,00", "  0,00", " 20,00", " 20,00"},
         "       7", "  2,80", {20, 40, 20, 0, 0, 20}, "Notenverteilung: Deutsch [alle Klassen]"},
        {"six steps: 7 and 8 are other marks, only they give no shares", classOf({{"9", "7"}, {"9", "8"}}),
         SchoolType::Realschule, "Deutsch", "9",
         {"     0", "     0", "     0", "     0", "     0", "     0", "     1", "     1", "     2", "     0"},
         kNoPercents, "       2", "n.b.", {0, 0, 0, 0, 0, 0}, "Notenverteilung: Deutsch [9]"},
        {"eight steps at the Gesamtschule", classOf({{"9", "7"}, {"9", "8"}, {"9", "1"}, {"9", "n"}}),
         SchoolType::IntegrierteGesamtschule, "Deutsch", "9",
         {"     1", "     0", "     0", "     0", "     0", "     0", "     1", "     1", "     1", "     0"},
         {" 33,33", "  0,00", "  0,00", "  0,00", "  0,00", "  0,00", " 33,33", " 33,33", " 33,33", "  0,00"},
         "       4", "5,33", {100.0 / 3, 0, 0, 0, 0, 0, 100.0 / 3, 100.0 / 3}, "Notenverteilung: Deutsch [9]"},
        {"all subjects count the empty slots as without grade", classOf({{"5", "4"}}), SchoolType::Grundschule,
         "Alle", "Alle",
         {"     0", "     0", "     0", "     1", "     0", "     0", "     0", "     0", "     0", "    17"},
         {"  0,00", "  0,00", "  0,00", "100,00", "  0,00", "  0,00", "  0,00", "  0,00", "  0,00", "1700,00"},
         "      18", "  4,00", {0, 0, 0, 100, 0, 0}, "Notenverteilung: alle Fächer [alle Klassen]"},
        {"no graded slot", classOf({{"5", "-"}}), SchoolType::Grundschule, "Deutsch", "5",
         {"     0", "     0", "     0", "     0", "     0", "     0", "     0", "     0", "     0", "     1"},
         kNoPercents, "       1", "n.b.", {0, 0, 0, 0, 0, 0}, "Notenverteilung: Deutsch [5]"},
        {"invalid subject counts nothing; the title takes the raw choices", mixed, SchoolType::Hauptschule, "???",
         "Alle",
         {"     0", "     0", "     0", "     0", "     0", "     0", "     0", "     0", "     0", "     0"},
         kNoPercents, "       0", "n.b.", {0, 0, 0, 0, 0, 0}, "Notenverteilung: ??? [Alle]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StatDisplay d = formatStatistics(computeGradeStatistics(c.records, c.subject, c.klasse), c.schultyp);
        EXPECT_EQ(d.counts, c.counts);
        EXPECT_EQ(d.percents, c.percents);
        EXPECT_EQ(d.sum, c.sum);
        EXPECT_EQ(d.average, c.average);
        ASSERT_EQ(d.chart.size(), c.chart.size());
        for (std::size_t i = 0; i < c.chart.size(); ++i)
            EXPECT_DOUBLE_EQ(d.chart[i], c.chart[i]) << "point " << i;
        EXPECT_EQ(d.chartTitle, c.title);
    }
}

TEST(GradeStatistics, InvalidChoicesAreReported)
{
    const TDB2 records = classOf({{"7a", "1"}});
    const struct {
        const char* subject;
        const char* klasse;
        const char* message; // null: valid
    } cases[] = {
        {"", "7a", kMsgStatUngueltigesFach},       {"  - - -", "7a", kMsgStatUngueltigesFach},
        {"???", "", kMsgStatUngueltigesFach},     {"Deutsch", "", kMsgStatUngueltigeKlasse},
        {"Deutsch", "7a", nullptr},
    };
    for (const auto& c : cases) {
        test::ScriptedPrompter prompter;
        reportStatProblem(computeGradeStatistics(records, c.subject, c.klasse), prompter);
        if (c.message)
            EXPECT_EQ(prompter.log(), std::vector{test::Shown::warning(c.message)}) << c.subject << "/" << c.klasse;
        else
            EXPECT_TRUE(prompter.log().empty());
    }
}

TEST(GradeStatistics, ClassNamesMergeIgnoringCase)
{
    // "7a" and "7A" (and "5ä" and "5Ä", in Windows-1252) are one class,
    // listed once as first written and counted together whichever is chosen.
    const TDB2 records = classOf({{"7a", "1"}, {"7A", "1"}, {"7a", "2"}, {"8b", "1", 0}, {"", "1"},
                                  {"5\xE4", "3"}, {"5\xC4", "4"}, {"7b", "5"}});
    EXPECT_EQ(statisticsClassList(records), (std::vector<std::string>{"Alle", "7a", "", "5\xE4", "7b"}));
    for (const char* chosen : {"7a", "7A"}) {
        const GradeCounts c = computeGradeStatistics(records, "Deutsch", chosen).counts;
        EXPECT_EQ(c.grade[1], 2u) << chosen;
        EXPECT_EQ(c.grade[2], 1u) << chosen;
        EXPECT_EQ(c.grade[5], 0u) << chosen;
    }
    const GradeCounts umlaut = computeGradeStatistics(records, "Deutsch", "5\xC4").counts;
    EXPECT_EQ(umlaut.grade[3] + umlaut.grade[4], 2u);
}

namespace {
// Records the chart calls as text.
class RecordingChart : public StatisticsChart {
public:
    std::vector<std::string> calls;
    void setChartVisible(bool v) override { calls.push_back(v ? "show" : "hide"); }
    void openValueData(int p) override { calls.push_back("open " + std::to_string(p)); }
    void setThisSerie(int s) override { calls.push_back("serie " + std::to_string(s)); }
    void setPointValue(int i, double v) override
    {
        char b[32];
        std::snprintf(b, sizeof b, "%d=%.2f", i, v);
        calls.push_back(b);
    }
    void setTitle(int i, const std::string& t) override { calls.push_back("title " + std::to_string(i) + " " + t); }
    void closeValueData() override { calls.push_back("close"); }
};
} // namespace

TEST(StatisticsChart, OpeningAndResultCalls)
{
    RecordingChart chart;
    prepareStatisticsChart(chart, 6);
    EXPECT_EQ(chart.calls, (std::vector<std::string>{"hide", "open 6", "serie 0", "0=0.00", "1=0.00", "2=0.00",
                                                     "3=0.00", "4=0.00", "5=0.00", "title 0 %-Anteil", "title 1 ",
                                                     "title 2 Notenverteilung", "title 3 Noten", "close", "show"}));
    chart.calls.clear();
    const TDB2 records = classOf({{"7a", "1"}, {"7a", "2"}, {"7a", "2"}, {"7a", "8"}});
    showStatisticsChart(chart, formatStatistics(computeGradeStatistics(records, "Deutsch", "7a"),
                                                SchoolType::IntegrierteGesamtschule));
    EXPECT_EQ(chart.calls, (std::vector<std::string>{"hide", "open 8", "serie 0", "0=25.00", "1=50.00", "2=0.00",
                                                     "3=0.00", "4=0.00", "5=0.00", "6=0.00", "7=25.00",
                                                     "title 2 Notenverteilung: Deutsch [7a]", "close", "show"}));
}
