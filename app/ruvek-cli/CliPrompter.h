#pragma once
// The Prompter of the command-line tool: nobody sits in front of it, so it
// prints every message and question to stderr in the program's German
// wording and answers as a careful administrator would: it agrees to convert
// and save, and declines to load or copy elective-subject lists, which
// belong to an installation rather than to one file.
#include "common/Prompter.h"

#include <deque>

class CliPrompter : public ruvek::Prompter {
public:
    // Answer given to yes/no and ok/cancel questions (default: yes / OK).
    bool defaultAnswer = true;
    // Files "chosen" in file dialogs, in order; an empty queue cancels.
    std::deque<std::filesystem::path> files;
    // Number of error messages shown so far.
    int errorCount = 0;

    bool askYesNo(const std::string& text, ruvek::MessageKind kind) override;
    bool askOkCancel(const std::string& text, ruvek::MessageKind kind) override;
    void tell(ruvek::MessageKind kind, const std::string& text) override;
    std::optional<std::filesystem::path> chooseOpenFile(const ruvek::FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseSaveFile(const ruvek::FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override;

private:
    bool answerFor(const std::string& text) const;
    std::optional<std::filesystem::path> nextFile();
};
