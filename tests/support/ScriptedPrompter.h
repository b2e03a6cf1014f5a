#pragma once
// A Prompter for tests: answers come from queues, every text shown is
// recorded. An unexpected question fails the test instead of blocking it.
#include "common/Prompter.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ruvek::test {

struct ShownMessage {
    MessageKind kind;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

class ScriptedPrompter : public Prompter {
public:
    std::deque<bool> answers;                                    // yes/no and ok/cancel, in order
    std::deque<std::optional<std::filesystem::path>> files;      // open/save/folder choices, in order
    std::vector<ShownMessage> messages;                          // tell() calls
    std::vector<std::string> questions;                          // askYesNo/askOkCancel texts
    std::vector<FileDialogRequest> dialogs;                      // file dialog requests

    bool askYesNo(const std::string& text, MessageKind = MessageKind::Confirmation) override { return next(text); }
    bool askOkCancel(const std::string& text, MessageKind = MessageKind::Confirmation) override { return next(text); }
    void tell(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }

    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override
    {
        return nextFile(FileDialogRequest{title, start, {}, {}, false});
    }

    // All texts shown or asked, in the order they came.
    std::vector<std::string> allTexts() const
    {
        std::vector<std::string> out = questions;
        for (const auto& m : messages)
            out.push_back(m.text);
        return out;
    }

private:
    bool next(const std::string& text)
    {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::filesystem::path> nextFile(const FileDialogRequest& r)
    {
        dialogs.push_back(r);
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << r.title;
            return std::nullopt;
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace ruvek::test
