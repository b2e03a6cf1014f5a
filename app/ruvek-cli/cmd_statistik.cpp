// statistik KLASSE.RVK [--fach F] [--klasse K]: the grade distribution of a
// subject (default: all subjects) in a class (default: all classes) as the
// statistics window shows it: counts, shares and average, with decimal
// commas. The class file is only read.
#include "ClassFileCommands.h"

#include "common/Cp1252.h"
#include "statistics/GradeStatistics.h"

#include <cstdio>
#include <iostream>

namespace {

constexpr const char* kUsage = "Aufruf: ruvek-cli statistik KLASSE.RVK [--fach FACH] [--klasse KLASSE]\n";

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

} // namespace

int cmdStatistik(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> file;
    std::string fach(ruvek::kStatAlle), klasse(ruvek::kStatAlle);
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto v = optionValue(args, i, "--fach", ok))
            fach = *v;
        else if (auto k = optionValue(args, i, "--klasse", ok))
            klasse = *k;
        else if (!file && !args[i].starts_with("--"))
            file = args[i];
        else
            return badArguments("Unbekanntes Argument: " + args[i], kUsage);
        if (!ok)
            return badArguments("Wert fehlt: " + args[i], kUsage);
    }
    if (!file)
        return badArguments("Die Klassendatei fehlt.", kUsage);
    ruvek::OpenClass openClass(context.installation.schoolType());
    if (!openClassForReading(*file, context, openClass))
        return exitcode::kUnreadable;

    const auto result = ruvek::computeGradeStatistics(openClass.records, ruvek::utf8ToCp1252(fach),
                                                      ruvek::utf8ToCp1252(klasse));
    ruvek::reportStatProblem(result, context.prompter);
    const ruvek::SchoolType schultyp = context.installation.schoolType();
    const ruvek::StatDisplay d = ruvek::formatStatistics(result, schultyp, ',');
    std::cout << d.chartTitle << "\n\n" << padded("Bewertung") << "  Anzahl  %-Anteil\n";
    for (std::size_t i = 0; i < 10; ++i) {
        if ((i == 6 || i == 7) && !ruvek::hasEightSteps(schultyp))
            continue;
        std::cout << padded(kRows[i]) << "  " << d.counts[i] << "  " << d.percents[i] << '\n';
    }
    std::cout << padded("Summe") << d.sum << '\n' << padded("Durchschnitt") << "  " << d.average << '\n';
    return result.problem == ruvek::StatProblem::None ? 0 : 1;
}
