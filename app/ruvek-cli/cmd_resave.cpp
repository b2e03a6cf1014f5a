// resave ALT.RVK NEU.RVK: opens a class file exactly as the program does
// (version-1 conversion, backup copy ALT.$KL next to it, key-number repair)
// and saves it with Save As under the new name as a version-2 file.
#include "ClassFileCommands.h"
#include "CliPrompter.h"
#include "CliText.h"
#include "Commands.h"

#include "classfile/OpenClass.h"
#include "document/ClassDocument.h"

#include <iostream>

int cmdResave(const CliArgs& args, CliContext& context)
{
    if (args.size() != 2) {
        std::cerr << "Aufruf: ruvek-cli resave ALT.RVK NEU.RVK\n";
        return exitcode::kUnreadable;
    }
    CliPrompter& prompter = context.prompter;
    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));

    ruvek::applyDocumentMode(openClass, ruvek::DocumentMode::CommandLine);
    // Refused because another program has the class (or the new file) open.
    const auto lockedExit = [&](const std::filesystem::path& file) {
        prompter.error(ruvek::lockedUnattendedText(file.filename().string(), *openClass.guard.refusedBy()));
        return exitcode::kLocked;
    };

    prompter.files = {args[0]};
    if (!openClass.fileOpen(prompter))
        return openClass.guard.refusedBy() ? lockedExit(args[0]) : exitcode::kUnreadable;

    prompter.files = {args[1]};
    if (!openClass.fileSaveAs(prompter))
        return openClass.guard.refusedBy() ? lockedExit(args[1]) : 1;

    std::cerr << "Gespeichert: " << escapeControls(openClass.filePath().string()) << " (" << openClass.count()
              << " Datensätze, Version 2)\n";
    return 0;
}
