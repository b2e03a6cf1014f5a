// pruefen KLASSE.RVK|ORDNER...: the completeness check of the menu "Testen →
// auf Vollständigkeit", for one class or, in one run, for every class the
// office names (class files and folders of class files). One finding a
// line, tab-separated: number of the student, name, editor page, field (as
// the editor captions it), finding. With several classes each class's
// findings follow a line "== FILE" and end with its count, and a total
// closes the run; a class that cannot be read says why in its place and the
// others are still checked. Exit code: 0 no findings, 1 findings, 2 a class
// could not be checked (the worst over all classes). Class files are only
// read.
#include "ClassFileCommands.h"

#include "completeness/Completeness.h"

#include <iostream>

namespace {
constexpr const char* kUsage = "Aufruf: ruvek-cli pruefen KLASSE.RVK|ORDNER...\n";
constexpr int kCannotCheck = exitcode::kUnreadable;

std::string countText(std::size_t n)
{
    if (n == 0)
        return "Keine Beanstandungen.";
    return std::to_string(n) + (n == 1 ? " Beanstandung." : " Beanstandungen.");
}

// Checks one class and prints its findings; the number of findings, or
// nullopt when the class could not be read.
std::optional<std::size_t> checkClass(const std::string& file, CliContext& context)
{
    ruvek::OpenClass openClass(context.installation.schoolType());
    if (!openClassForReading(file, context, openClass))
        return std::nullopt;
    const auto findings = ruvek::CheckCompleteness(openClass.records, context.installation);
    for (const ruvek::Finding& f : findings)
        std::cout << f.listIndex + 1 << '\t' << f.student << '\t' << f.page << '\t' << f.caption << '\t' << f.text
                  << '\n';
    return findings.size();
}
} // namespace

int cmdPruefen(const CliArgs& args, CliContext& context)
{
    for (const std::string& a : args)
        if (a.starts_with("--"))
            return badArguments("Unbekanntes Argument: " + a, kUsage);
    if (args.empty())
        return badArguments("Die Klassendatei fehlt.", kUsage);
    const auto files = classFilesOf(args);
    if (!files)
        return kCannotCheck;

    if (files->size() == 1 && args.size() == 1 && *files == args) {
        const auto n = checkClass(args[0], context);
        if (!n)
            return kCannotCheck;
        std::cout << countText(*n) << '\n';
        return *n == 0 ? exitcode::kDone : exitcode::kRefused;
    }

    int worst = exitcode::kDone;
    std::size_t total = 0, unreadable = 0;
    for (const std::string& file : *files) {
        std::cout << "== " << file << '\n' << std::flush;
        const auto n = checkClass(file, context);
        if (!n) {
            std::cerr << std::flush;
            std::cout << file << ": nicht geprüft (siehe Fehlermeldung).\n";
            ++unreadable;
            worst = std::max(worst, kCannotCheck);
            continue;
        }
        std::cout << file << ": " << countText(*n) << '\n';
        total += *n;
        if (*n > 0)
            worst = std::max(worst, static_cast<int>(exitcode::kRefused));
    }
    std::cout << "Gesamt: " << files->size() << (files->size() == 1 ? " Klasse, " : " Klassen, ")
              << (total == 0 ? std::string("keine Beanstandungen.") : countText(total));
    if (unreadable > 0)
        std::cout << ' ' << unreadable << (unreadable == 1 ? " Klasse konnte" : " Klassen konnten")
                  << " nicht geprüft werden.";
    std::cout << '\n';
    return worst;
}
