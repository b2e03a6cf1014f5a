// resave ALT.RVK NEU.RVK: opens a class file exactly as the program does
// (version-1 conversion, backup copy ALT.$KL next to it, key-number repair)
// and saves it with Save As under the new name as a version-2 file.
#include "CliPrompter.h"
#include "CliText.h"
#include "Commands.h"

#include "classfile/OpenClass.h"

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

    prompter.files = {args[0]};
    if (!openClass.fileOpen(prompter))
        return exitcode::kUnreadable;

    prompter.files = {args[1]};
    if (!openClass.fileSaveAs(prompter))
        return 1;

    std::cerr << "Gespeichert: " << escapeControls(openClass.filePath().string()) << " (" << openClass.count()
              << " Datensätze, Version 2)\n";
    return 0;
}
