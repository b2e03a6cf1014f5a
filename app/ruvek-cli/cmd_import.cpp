// import-schueler KLASSE.RVK DATEI.TXT and import-noten KLASSE.RVK DATEI.TXT:
// the text imports of the desktop program without its dialogs. The class is
// saved atomically; counts and per-line findings go to stderr. A file that
// cannot be read (or an unusable IMPORT.CFG) changes nothing.
#include "ClassFileCommands.h"
#include "Commands.h"

#include "exchange/GradeImport.h"
#include "exchange/ImportConfig.h"
#include "exchange/ImportText.h"
#include "exchange/StudentImport.h"
#include "exchange/TextImportCommands.h"

#include <iostream>
#include <system_error>

namespace {

struct ImportArgs {
    std::string classFile;
    std::string textFile;
};

std::optional<ImportArgs> parse(const CliArgs& args, const char* usage)
{
    if (args.size() != 2) {
        badArguments("Klassendatei und Textdatei werden erwartet.", usage);
        return std::nullopt;
    }
    return ImportArgs{args[0], args[1]};
}

// Reads the text file before the class is touched: nullopt, with the
// message shown and the exit code set, when it cannot be read or its
// content is refused.
std::optional<ruvek::ImportText> readText(const std::string& file, const ruvek::ImportLayout* layout, int& exit)
{
    std::string error;
    auto text = ruvek::readImportText(file, error);
    if (!text) {
        std::cerr << "Fehler: " << error << "\nEs wurden keine Daten geändert.\n";
        exit = exitcode::kUnreadable;
        return std::nullopt;
    }
    const std::string refused = layout ? ruvek::refusalOf(*text, *layout) : text->refused;
    if (!refused.empty()) {
        std::cerr << "Fehler: " << ruvek::refusedFileText(file, refused) << '\n';
        exit = exitcode::kRefused;
        return std::nullopt;
    }
    if (!text->encoding.empty())
        std::cerr << "Die Datei ist in " << text->encoding << " geschrieben und wurde umgewandelt.\n";
    if (!text->unmappable.empty())
        std::cerr << ruvek::unmappableReport(text->unmappable);
    return text;
}

} // namespace

int cmdImportSchueler(const CliArgs& args, CliContext& context)
{
    const auto a = parse(args, "Aufruf: ruvek-cli import-schueler KLASSE.RVK DATEI.TXT\n");
    if (!a)
        return exitcode::kUnreadable;
    const auto layout = ruvek::loadImportLayout(context.installation.settings.programFolder);
    if (!layout.layout) {
        std::cerr << "Fehler: " << layout.error << '\n';
        return exitcode::kUnreadable;
    }
    int exit = exitcode::kDone;
    const auto text = readText(a->textFile, &*layout.layout, exit);
    if (!text)
        return exit;
    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (const int refused = openClassForChange(a->classFile, context, openClass))
        return refused;
    // New students follow the last one of the class, in the file's order.
    openClass.current = openClass.count() - 1;
    const int added = ruvek::importStudents(openClass, text->lines, *layout.layout,
                                            context.installation.settings.prog.VorgaengerDaten == 1);
    std::cerr << added << " Schüler hinzugefügt.\n";
    return saveWhenChanged(openClass, context);
}

int cmdImportNoten(const CliArgs& args, CliContext& context)
{
    const auto a = parse(args, "Aufruf: ruvek-cli import-noten KLASSE.RVK DATEI.TXT\n");
    if (!a)
        return exitcode::kUnreadable;
    int exit = exitcode::kDone;
    const auto text = readText(a->textFile, nullptr, exit);
    if (!text)
        return exit;
    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (const int refused = openClassForChange(a->classFile, context, openClass))
        return refused;
    const ruvek::GradeImportPlan plan = ruvek::planGradeImport(openClass.records, text->lines,
                                                               context.installation.katalog,
                                                               context.installation.schoolType());
    if (ruvek::applyGradeImport(openClass.records, plan))
        openClass.changed = true;
    std::cerr << ruvek::gradeImportSummary(plan) << '\n'
              << plan.assignments.size() << " Bewertungen bei " << plan.studentsChanged << " Schülern eingetragen.\n";
    return saveWhenChanged(openClass, context);
}
