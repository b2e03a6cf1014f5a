#include "statistics/GradeStatistics.h"

#include "common/Cp1252.h"
#include "grades/GradeKind.h"

#include <algorithm>
#include <cstdio>

namespace ruvek {

namespace {

void countGrade(GradeCounts& c, std::string_view note)
{
    // Nothing given (empty, blank or struck out) counts as "ohne"; every
    // mark that is no grade as "andere".
    const GradeReading g = ClassifyGrade(note);
    switch (g.kind) {
    case GradeKind::Empty:
    case GradeKind::Blank:
    case GradeKind::Struck:
        ++c.ohne;
        break;
    case GradeKind::Grade:
        ++c.grade[static_cast<std::size_t>(g.number)];
        break;
    default:
        ++c.andere;
        break;
    }
}

std::string printf1(const char* format, auto value, char decimalSeparator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

} // namespace

StatResult computeGradeStatistics(const TDB2& records, std::string_view subject, std::string_view klasse)
{
    StatResult r;
    r.subject = std::string(subject);
    r.klasse = std::string(klasse);
    if (subject.empty() || subject == "  - - -" || subject == "???") {
        r.problem = StatProblem::InvalidSubject;
        return r;
    }
    if (klasse.empty()) {
        r.problem = StatProblem::InvalidClass;
        return r;
    }
    r.allClasses = klasse == kStatAlle;
    r.allSubjects = subject == kStatAlle;
    for (const TZgnRec& rec : records) {
        // Records marked deleted belong to no class-wide evaluation.
        if (rec.Status != 1)
            continue;
        // "7a" and "7A" are one class, as a teacher reads them.
        if (!r.allClasses && !equalIgnoringCaseCp1252(rec.Klasse.view(), klasse))
            continue;
        for (int k = 1; k <= 18; ++k) {
            const TFachEintrag& slot = rec.slot(k);
            if (!r.allSubjects && slot.Fach.view() != subject)
                continue;
            countGrade(r.counts, slot.Note.view());
        }
    }
    return r;
}

void reportStatProblem(const StatResult& result, Prompter& prompter)
{
    if (result.problem == StatProblem::InvalidSubject)
        prompter.warning(kMsgStatUngueltigesFach);
    else if (result.problem == StatProblem::InvalidClass)
        prompter.warning(kMsgStatUngueltigeKlasse);
}

std::vector<std::string> statisticsClassList(const TDB2& records)
{
    std::vector<std::string> list{std::string(kStatAlle)};
    for (const TZgnRec& rec : records) {
        if (rec.Status != 1)
            continue;
        // A class written in two cases is listed once, as first written.
        const std::string k = rec.Klasse.str();
        if (std::none_of(list.begin(), list.end(), [&](const std::string& c) { return equalIgnoringCaseCp1252(c, k); }))
            list.push_back(k);
    }
    return list;
}

StatDisplay formatStatistics(const StatResult& result, SchoolType schultyp, char sep)
{
    const GradeCounts& c = result.counts;
    const bool eight = hasEightSteps(schultyp);
    StatDisplay d;

    // At six steps the grades 7 and 8 are no grades of the scale: they are
    // shown among the other marks.
    const unsigned andere = eight ? c.andere : c.andere + c.grade[7] + c.grade[8];
    for (int k = 1; k <= 8; ++k)
        d.counts[static_cast<std::size_t>(k - 1)] = printf1("%6d", int(c.grade[static_cast<std::size_t>(k)]), sep);
    d.counts[8] = printf1("%6d", int(andere), sep);
    d.counts[9] = printf1("%6d", int(c.ohne), sep);
    unsigned sum = c.andere + c.ohne;
    unsigned n = 0;
    for (int k = 1; k <= 8; ++k)
        n += c.grade[static_cast<std::size_t>(k)];
    sum += n;
    d.sum = printf1("%8d", int(sum), sep);

    const auto share = [](unsigned count, unsigned base) { return double(count * 100) / double(base); };
    d.average = "n.b.";
    if (n > 0) {
        for (int k = 1; k <= 8; ++k)
            d.percents[static_cast<std::size_t>(k - 1)] = printf1("%6.2f", share(c.grade[static_cast<std::size_t>(k)], n), sep);
        d.percents[8] = printf1("%6.2f", share(andere, n), sep);
        if (eight) {
            unsigned weighted = 0;
            for (int k = 1; k <= 8; ++k)
                weighted += unsigned(k) * c.grade[static_cast<std::size_t>(k)];
            d.percents[9] = printf1("%6.2f", share(c.ohne, n), sep);
            d.average = printf1("%4.2f", double(weighted) / double(n), sep);
        } else {
            unsigned n6 = 0;
            unsigned weighted = 0;
            for (int k = 1; k <= 6; ++k) {
                n6 += c.grade[static_cast<std::size_t>(k)];
                weighted += unsigned(k) * c.grade[static_cast<std::size_t>(k)];
            }
            if (n6 > 0) {
                d.percents[9] = printf1("%6.2f", share(c.ohne, n6), sep);
                d.average = printf1("%6.2f", double(weighted) / double(n6), sep);
            } else {
                d.percents = {};
            }
        }
    }

    const int points = chartPoints(schultyp);
    unsigned m = 0;
    for (int k = 1; k <= points; ++k)
        m += c.grade[static_cast<std::size_t>(k)];
    for (int k = 1; k <= points; ++k)
        d.chart.push_back(m > 0 ? share(c.grade[static_cast<std::size_t>(k)], m) : 0.0);

    const std::string subjectPart = result.allSubjects ? "alle Fächer" : cp1252ToUtf8(result.subject);
    const std::string classPart = result.allClasses ? "[alle Klassen]" : "[" + cp1252ToUtf8(result.klasse) + "]";
    d.chartTitle = "Notenverteilung: " + subjectPart + " " + classPart;
    return d;
}

} // namespace ruvek
