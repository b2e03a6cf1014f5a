// statistik KLASSE.RVK|ORDNER... [--fach F] [--klasse K]: the grade
// distribution of a subject (default: all subjects) in a class (default: all
// classes) as the statistics window shows it: counts, shares and average,
// with decimal commas. With several class files (or folders of them) each
// class's table follows a line "== FILE", and a last table counts all of
// them together. Class files are only read; the exit code is the worst of
// the classes.
#include "ClassFileCommands.h"

#include "common/Cp1252.h"
#include "statistics/GradeStatistics.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

namespace {

constexpr const char* kUsage = "Aufruf: ruvek-cli statistik KLASSE.RVK|ORDNER... [--fach FACH] [--klasse KLASSE]\n";

const char* const kRows[10] = {"1 -- sehr gut", "2 -- gut", "3 -- befriedigend", "4 -- ausreichend",
                               "5 -- mangelhaft", "6 -- ungenügend", "7 -- Ü-Note", "8 -- Ü-Note",
                               "andere", "ohne"};

// The label padded to 20 characters on screen (umlauts are two bytes).
std::string padded(const std::string& utf8)
{
    std::size_t chars = 0;
    for (unsigned char c : utf8)
        chars += (c & 0xC0) != 0x80;
    return utf8 + std::string(chars < 20 ? 20 - chars : 0, ' ');
}

void printTable(const ruvek::StatResult& result, ruvek::SchoolType schultyp)
{
    const ruvek::StatDisplay d = ruvek::formatStatistics(result, schultyp, ',');
    std::cout << d.chartTitle << "\n\n" << padded("Bewertung") << "  Anzahl  %-Anteil\n";
    for (std::size_t i = 0; i < 10; ++i) {
        if ((i == 6 || i == 7) && !ruvek::hasEightSteps(schultyp))
            continue;
        std::cout << padded(kRows[i]) << "  " << d.counts[i] << "  " << d.percents[i] << '\n';
    }
    std::cout << padded("Summe") << d.sum << '\n' << padded("Durchschnitt") << "  " << d.average << '\n';
}

void addCounts(ruvek::GradeCounts& total, const ruvek::GradeCounts& more)
{
    for (std::size_t g = 0; g < total.grade.size(); ++g)
        total.grade[g] += more.grade[g];
    total.andere += more.andere;
    total.ohne += more.ohne;
}

} // namespace

int cmdStatistik(const CliArgs& args, CliContext& context)
{
    std::vector<std::string> files;
    std::string fach(ruvek::kStatAlle), klasse(ruvek::kStatAlle);
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto v = optionValue(args, i, "--fach", ok))
            fach = *v;
        else if (auto k = optionValue(args, i, "--klasse", ok))
            klasse = *k;
        else if (!args[i].starts_with("--"))
            files.push_back(args[i]);
        else
            return badArguments("Unbekanntes Argument: " + args[i], kUsage);
        if (!ok)
            return badArguments("Wert fehlt: " + args[i], kUsage);
    }
    if (files.empty())
        return badArguments("Die Klassendatei fehlt.", kUsage);
    const auto classFiles = classFilesOf(files);
    if (!classFiles)
        return exitcode::kUnreadable;
    const ruvek::SchoolType schultyp = context.installation.schoolType();
    const std::string subject = ruvek::utf8ToCp1252(fach), klass = ruvek::utf8ToCp1252(klasse);

    if (classFiles->size() == 1 && *classFiles == files) {
        ruvek::OpenClass openClass(schultyp);
        if (!openClassForReading(files.front(), context, openClass))
            return exitcode::kUnreadable;
        const auto result = ruvek::computeGradeStatistics(openClass.records, subject, klass);
        ruvek::reportStatProblem(result, context.prompter);
        printTable(result, schultyp);
        return result.problem == ruvek::StatProblem::None ? 0 : 1;
    }

    int worst = 0;
    std::optional<ruvek::StatResult> total;
    std::size_t counted = 0;
    for (const std::string& file : *classFiles) {
        std::cout << "== " << file << '\n' << std::flush;
        ruvek::OpenClass openClass(schultyp);
        if (!openClassForReading(file, context, openClass)) {
            std::cerr << std::flush;
            std::cout << file << ": nicht gezählt (siehe Fehlermeldung).\n";
            worst = std::max(worst, static_cast<int>(exitcode::kUnreadable));
            continue;
        }
        const auto result = ruvek::computeGradeStatistics(openClass.records, subject, klass);
        ruvek::reportStatProblem(result, context.prompter);
        printTable(result, schultyp);
        if (result.problem != ruvek::StatProblem::None) {
            worst = std::max(worst, 1);
            continue;
        }
        ++counted;
        if (!total)
            total = result;
        else
            addCounts(total->counts, result.counts);
    }
    std::cout << "== Alle " << counted << " von " << classFiles->size() << " Klassen zusammen\n";
    if (total)
        printTable(*total, schultyp);
    else
        std::cout << "Keine Klasse gezählt.\n";
    return worst;
}
