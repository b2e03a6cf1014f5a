#include "CliPrompter.h"

#include "CliText.h"

#include <iostream>

namespace {
const char* kindLabel(ruvek::MessageKind kind)
{
    switch (kind) {
    case ruvek::MessageKind::Error: return "Fehler";
    case ruvek::MessageKind::Warning: return "Warnung";
    case ruvek::MessageKind::Information: return "Information";
    case ruvek::MessageKind::Confirmation: return "Frage";
    case ruvek::MessageKind::Plain: return "Meldung";
    }
    return "Meldung";
}

// Messages use '\n' for line breaks; on one terminal line a blank reads
// better. Other control characters (from file names, say) are escaped so
// each message stays one line.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return escapeControls(text);
}
} // namespace

bool CliPrompter::answerFor(const std::string& text) const
{
    // The elective-subject list is part of an installation's settings; a
    // command that converts class files leaves it alone.
    if (text.find("Wahlpflichtfächern") != std::string::npos)
        return false;
    return defaultAnswer;
}

bool CliPrompter::askYesNo(const std::string& text, ruvek::MessageKind kind)
{
    const bool answer = answerFor(text);
    std::cerr << kindLabel(kind) << ": " << oneLine(text) << " -> " << (answer ? "Ja" : "Nein") << '\n';
    return answer;
}

bool CliPrompter::askOkCancel(const std::string& text, ruvek::MessageKind kind)
{
    const bool answer = answerFor(text);
    std::cerr << kindLabel(kind) << ": " << oneLine(text) << " -> " << (answer ? "OK" : "Abbrechen") << '\n';
    return answer;
}

void CliPrompter::tell(ruvek::MessageKind kind, const std::string& text)
{
    if (kind == ruvek::MessageKind::Error)
        ++errorCount;
    std::cerr << kindLabel(kind) << ": " << oneLine(text) << '\n';
}

std::optional<std::filesystem::path> CliPrompter::nextFile()
{
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::filesystem::path> CliPrompter::chooseOpenFile(const ruvek::FileDialogRequest&) { return nextFile(); }
std::optional<std::filesystem::path> CliPrompter::chooseSaveFile(const ruvek::FileDialogRequest&) { return nextFile(); }
std::optional<std::filesystem::path> CliPrompter::chooseFolder(const std::string&, const std::filesystem::path&)
{
    return nextFile();
}
