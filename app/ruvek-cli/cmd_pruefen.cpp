// pruefen KLASSE.RVK: the completeness check of the menu "Testen → auf
// Vollständigkeit" for one class, so an office can check all classes at
// once. One finding a line, tab-separated: number of the student, name,
// editor page, field (as the editor captions it), finding. Exit code 0 when there is none, 1 when there
// are findings, 2 when the class cannot be checked. The class file is only read.
#include "ClassFileCommands.h"

#include "completeness/Completeness.h"

#include <iostream>

namespace {
constexpr const char* kUsage = "Aufruf: ruvek-cli pruefen KLASSE.RVK\n";
constexpr int kCannotCheck = exitcode::kUnreadable;
} // namespace

int cmdPruefen(const CliArgs& args, CliContext& context)
{
    if (args.size() != 1 || args[0].starts_with("--")) {
        badArguments(args.empty() ? "Die Klassendatei fehlt." : "Unbekanntes Argument: " + args.back(), kUsage);
        return kCannotCheck;
    }
    ruvek::OpenClass openClass(context.installation.schoolType());
    if (!openClassForReading(args[0], context, openClass))
        return kCannotCheck;

    const auto findings = ruvek::CheckCompleteness(openClass.records, context.installation);
    for (const ruvek::Finding& f : findings)
        std::cout << f.listIndex + 1 << '\t' << f.student << '\t' << f.page << '\t' << f.caption << '\t' << f.text
                  << '\n';
    if (findings.empty()) {
        std::cout << "Keine Beanstandungen.\n";
        return 0;
    }
    std::cout << findings.size() << (findings.size() == 1 ? " Beanstandung.\n" : " Beanstandungen.\n");
    return 1;
}
