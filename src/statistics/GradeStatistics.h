#pragma once
// The grade distribution of one subject (or all subjects) in one class (or
// all classes) of the open class file: counts per grade, their shares, the
// average and the values of the distribution chart, formatted as the
// statistics window shows them. Only active records are counted; the
// records are only read.
//
// Subject and class names are Windows-1252, as in the records; the formatted
// texts are UTF-8.
#include "classfile/ClassFile.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// The choice "Alle" of the subject and the class list.
inline constexpr std::string_view kStatAlle = "Alle";

inline constexpr const char* kMsgStatUngueltigesFach = "Bitte wählen Sie ein gültiges Fach aus!";
inline constexpr const char* kMsgStatUngueltigeKlasse = "Bitte wählen Sie eine gültige Klasse aus!";

enum class StatProblem { None, InvalidSubject, InvalidClass };

struct GradeCounts {
    std::array<unsigned, 9> grade{}; // grade[1]..grade[8]: counts of "1".."8"; grade[0] unused
    unsigned andere = 0;             // any other mark
    unsigned ohne = 0;               // no grade: empty, " ", "-" or "_"
};

struct StatResult {
    GradeCounts counts;
    StatProblem problem = StatProblem::None;
    bool allSubjects = false;
    bool allClasses = false;
    std::string subject; // as chosen (Windows-1252)
    std::string klasse;  // as chosen (Windows-1252)
};

// Counts the subject slots 1..18 of the active records. subject "Alle"
// counts every slot, class "Alle" every class; both compare exactly (case
// and length). An empty, "  - - -" or "???" subject and an empty class
// count nothing and report the problem.
StatResult computeGradeStatistics(const TDB2& records, std::string_view subject, std::string_view klasse);

// Tells the user (warning) why a result counted nothing; silent for a valid choice.
void reportStatProblem(const StatResult& result, Prompter& prompter);

// The class choices: "Alle", then every class of an active record in list
// order, each spelling once. Names that differ only in letter case are
// different classes here, as they are for the counting.
std::vector<std::string> statisticsClassList(const TDB2& records);

// Everything the window shows for one result (UTF-8 texts).
struct StatDisplay {
    // Edit1..Edit10 ("%6d") and Edit11..Edit20 ("%6.2f" or empty); index 0
    // is the row "1 -- sehr gut", 8 "andere", 9 "ohne".
    std::array<std::string, 10> counts;
    std::array<std::string, 10> percents;
    std::string sum;     // "%8d"
    std::string average; // "%4.2f" (eight steps), "%6.2f" (six steps) or "n.b."
    std::vector<double> chart; // P points: percentages of the grades 1..P
    std::string chartTitle;    // title 2 of the chart
};

// Whether the school type uses the eight-step scale with the grades 7 and 8.
constexpr bool hasEightSteps(SchoolType schultyp) { return schultyp == SchoolType::IntegrierteGesamtschule; }
// The number of chart points: 8 on the eight-step scale, else 6.
constexpr int chartPoints(SchoolType schultyp) { return hasEightSteps(schultyp) ? 8 : 6; }

// The texts of a result; decimalSeparator is the user's (',' in German).
StatDisplay formatStatistics(const StatResult& result, SchoolType schultyp, char decimalSeparator = ',');

} // namespace ruvek
