// show KLASSE.RVK: the class file as one JSON object on stdout.
// The file is only read: no backup copy, no key-number repair; version-1
// records appear converted, the header as stored.
#include "CliPrompter.h"
#include "Commands.h"

#include "classfile/ClassFile.h"
#include "classfile/ClassFileJson.h"

#include <iostream>

int cmdShow(const CliArgs& args, CliContext& context)
{
    if (args.size() != 1) {
        std::cerr << "Aufruf: ruvek-cli show KLASSE.RVK\n";
        return exitcode::kUnreadable;
    }
    CliPrompter& prompter = context.prompter;
    const std::filesystem::path path = args[0];
    if (path.filename().string().ends_with(".ZDB")) {
        prompter.error("Diese Dateien können nicht mehr geöffnet werden!");
        return 1;
    }
    ruvek::ClassFileContent content;
    const auto error = ruvek::readClassFile(path, content);
    if (error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        return exitcode::kUnreadable;
    }
    std::ios::sync_with_stdio(false);
    ruvek::writeClassJson(std::cout, content.header, content.records);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
