#include "ClassFileCommands.h"

#include "classfile/ClassFolder.h"
#include "common/SafeFile.h"
#include "document/ClassDocument.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <system_error>

std::optional<std::string> optionValue(const CliArgs& args, std::size_t& i, const std::string& name, bool& ok)
{
    const std::string& a = args[i];
    if (a.starts_with(name + "="))
        return a.substr(name.size() + 1);
    if (a != name)
        return std::nullopt;
    if (i + 1 >= args.size()) {
        ok = false;
        return std::nullopt;
    }
    return args[++i];
}

std::optional<int> parseRecordNumber(const std::string& text, std::size_t count)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1 ||
        static_cast<std::size_t>(value) > count)
        return std::nullopt;
    return value;
}

int badArguments(const std::string& message, const char* usage)
{
    std::cerr << "Fehler: " << message << '\n' << usage;
    return exitcode::kUnreadable;
}

int openClassForChange(const std::string& file, CliContext& context, ruvek::OpenClass& openClass)
{
    ruvek::ClassDocument document(openClass, context.prompter);
    switch (document.openForChange(file, context.lockWait).result) {
    case ruvek::OpenResult::Opened: return exitcode::kDone;
    case ruvek::OpenResult::Locked: return exitcode::kLocked;
    case ruvek::OpenResult::Unreadable: return exitcode::kUnreadable;
    case ruvek::OpenResult::Refused: break;
    }
    return exitcode::kRefused;
}

bool openClassForReading(const std::string& file, CliContext& context, ruvek::OpenClass& openClass)
{
    return ruvek::ClassDocument(openClass, context.prompter).openForReading(file).result ==
           ruvek::OpenResult::Opened;
}

int saveWhenChanged(ruvek::OpenClass& openClass, CliContext& context)
{
    if (!openClass.changed) {
        std::cerr << "Keine Änderung: " << openClass.filePath().string() << " bleibt unverändert.\n";
        return 0;
    }
    if (!openClass.fileSave(context.prompter))
        return 1;
    std::cerr << "Gespeichert: " << openClass.filePath().string() << " (" << openClass.count()
              << " Datensätze)\n";
    return 0;
}

std::optional<int> readFileAndOption(const CliArgs& args, const std::string& option, const char* usage,
                                     std::optional<std::string>& file, std::optional<std::string>& value)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto v = optionValue(args, i, option, ok))
            value = v;
        else if (!ok)
            return badArguments("Der Option " + args[i] + " fehlt ihr Wert.", usage);
        else if (!file && !args[i].starts_with("--"))
            file = args[i];
        else
            return badArguments("Unbekanntes Argument: " + args[i], usage);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> classFilesOf(const std::vector<std::string>& arguments)
{
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        std::error_code ec;
        if (!fs::is_directory(argument, ec)) {
            files.push_back(argument);   // the reader says what is wrong with it
            continue;
        }
        std::vector<std::string> found;
        for (const fs::path& file : ruvek::classFilesIn(argument))
            found.push_back(file.string());
        if (found.empty()) {
            std::cerr << "Fehler: Im Ordner " << argument << " liegt keine Klassendatei (*.RVK).\n";
            return std::nullopt;
        }
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

bool makeOutputFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return true;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "Fehler: Der Ordner " << folder << " kann nicht angelegt werden: " << ruvek::systemErrorText(ec.value()) << '\n';
        return false;
    }
    return true;
}
