// purge KLASSE.RVK: removes the records marked deleted for good, as
// "gelöschte Datensätze entgültig entfernen" does. A class whose records are
// all marked keeps one new record. Without marked records the file is not
// written.
#include "ClassFileCommands.h"
#include "Commands.h"

#include "classfile/RecordCollection.h"

#include <system_error>

int cmdPurge(const CliArgs& args, CliContext& context)
{
    constexpr const char* kUsage = "Aufruf: ruvek-cli purge KLASSE.RVK\n";
    if (args.size() != 1 || args[0].starts_with("--"))
        return badArguments(args.empty() ? "Die Klassendatei fehlt." : "Unbekanntes Argument: " + args.back(), kUsage);

    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (!openClassFile(args[0], context, openClass))
        return exitcode::kUnreadable;
    ruvek::removeMarked(openClass, context.prompter);
    return saveWhenChanged(openClass, context);
}
