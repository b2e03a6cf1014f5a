// delete KLASSE.RVK --nr NR: marks record NR deleted, as the "-" button does
// (permission from the program setting "Datensätze dürfen gelöscht werden").
// The record stays in the file until "purge" removes it.
#include "ClassFileCommands.h"
#include "Commands.h"

#include "classfile/RecordCollection.h"

#include <iostream>
#include <system_error>

namespace {
constexpr const char* kUsage = "Aufruf: ruvek-cli delete KLASSE.RVK --nr NR\n";
}

int cmdDelete(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> file, nrText;
    if (const auto failed = readFileAndOption(args, "--nr", kUsage, file, nrText))
        return *failed;
    if (!file)
        return badArguments("Die Klassendatei fehlt.", kUsage);
    if (!nrText)
        return badArguments("Die Nummer des Schülers (--nr) fehlt.", kUsage);

    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (!openClassFile(*file, context, openClass))
        return exitcode::kUnreadable;
    const auto nr = parseRecordNumber(*nrText, openClass.count());
    if (!nr)
        return badArguments("Die Nummer hinter --nr muss zwischen 1 und " + std::to_string(openClass.count()) +
                                " liegen: " + *nrText,
                            kUsage);
    if (!ruvek::deletePermitted(context.installation.settings.prog.DarfLoeschen == 1, context.prompter))
        return 1;
    openClass.current = *nr - 1;
    if (openClass.currentRecord().Status == 0) {
        std::cerr << "Datensatz " << *nr << " ist bereits als gelöscht markiert.\n";
        return 0;
    }
    ruvek::markCurrentDeleted(openClass, context.prompter);
    return saveWhenChanged(openClass, context);
}
