#pragma once
// A Prompter for tests: answers come from queues, every text shown or asked
// is recorded in one log, in the order it came, together with its kind.
// An unexpected question or file dialog fails the test instead of blocking
// it, and so does a scripted answer that nobody asked for: a test whose
// script is not used up did not see the dialogue it was written for.
#include "common/Prompter.h"

#include <deque>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace ruvek {

inline const char* kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return "Error";
    case MessageKind::Warning: return "Warning";
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirmation";
    case MessageKind::Plain: return "Plain";
    }
    return "?";
}

// Readable expectation failures instead of byte dumps.
inline void PrintTo(MessageKind kind, std::ostream* os) { *os << kindName(kind); }

namespace test {

// One entry of the log: a message (tell) or a question (askYesNo/askOkCancel).
struct Shown {
    MessageKind kind;
    std::string text;
    bool isQuestion = false;
    bool operator==(const Shown&) const = default;

    static Shown error(std::string t) { return {MessageKind::Error, std::move(t), false}; }
    static Shown warning(std::string t) { return {MessageKind::Warning, std::move(t), false}; }
    static Shown information(std::string t) { return {MessageKind::Information, std::move(t), false}; }
    static Shown question(std::string t, MessageKind k = MessageKind::Confirmation) { return {k, std::move(t), true}; }
};

inline void PrintTo(const Shown& s, std::ostream* os)
{
    *os << (s.isQuestion ? "question " : "message ") << kindName(s.kind) << " \"" << s.text << "\"";
}

class ScriptedPrompter : public Prompter {
public:
    // The script: yes/no and ok/cancel answers, and open/save/folder choices, each in order.
    std::deque<bool> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    // Answers of askChoice: the index of the button chosen.
    std::deque<int> choices;
    // Every file dialog request, in order.
    std::vector<FileDialogRequest> dialogs;
    // Answers of the first-start question, in order; when none is left the
    // question is not answered (as at "Später").
    std::deque<SchoolSetup> schoolSetups;
    int schoolSetupAsked = 0;
    // Every timed hint: caption, lines, display time. It is logged as an
    // information message too.
    struct TimedInfo {
        std::string caption;
        std::vector<std::string> lines;
        int milliseconds = 0;
    };
    std::vector<TimedInfo> timedInfos;
    // Answers of the password question, in order (nullopt: cancelled), and
    // every request asked.
    std::deque<std::optional<PasswordAnswer>> passwords;
    std::vector<PasswordRequest> passwordRequests;
    // Answers of the content lists (true: go on), and every list shown.
    std::deque<bool> listAnswers;
    std::vector<ListRequest> lists;

    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    ~ScriptedPrompter() override { expectScriptUsed(); }

    bool askYesNo(const std::string& text, MessageKind kind = MessageKind::Confirmation) override { return next(text, kind); }
    bool askOkCancel(const std::string& text, MessageKind kind = MessageKind::Confirmation) override { return next(text, kind); }
    void tell(MessageKind kind, const std::string& text) override { log_.push_back({kind, text, false}); }
    int askChoice(const std::string& text, const std::vector<std::string>& buttons,
                  MessageKind kind = MessageKind::Confirmation) override
    {
        log_.push_back({kind, text, true});
        if (choices.empty()) {
            ADD_FAILURE() << "unexpected choice: " << text;
            return buttons.empty() ? -1 : static_cast<int>(buttons.size()) - 1;
        }
        const int c = choices.front();
        choices.pop_front();
        return c;
    }

    void showTimedInfo(const std::string& caption, const std::vector<std::string>& lines, int milliseconds) override
    {
        timedInfos.push_back({caption, lines, milliseconds});
        Prompter::showTimedInfo(caption, lines, milliseconds);
    }
    std::optional<SchoolSetup> askSchoolSetup() override
    {
        ++schoolSetupAsked;
        if (schoolSetups.empty())
            return std::nullopt;
        SchoolSetup s = schoolSetups.front();
        schoolSetups.pop_front();
        return s;
    }

    std::optional<PasswordAnswer> askPassword(const PasswordRequest& request) override
    {
        passwordRequests.push_back(request);
        if (passwords.empty()) {
            ADD_FAILURE() << "unexpected password question: " << request.title;
            return std::nullopt;
        }
        auto a = passwords.front();
        passwords.pop_front();
        return a;
    }
    bool confirmList(const ListRequest& request) override
    {
        lists.push_back(request);
        if (listAnswers.empty()) {
            ADD_FAILURE() << "unexpected list: " << request.title;
            return false;
        }
        const bool a = listAnswers.front();
        listAnswers.pop_front();
        return a;
    }

    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override
    {
        return nextFile(FileDialogRequest{title, start, {}, {}, false});
    }

    // Messages and questions, in the order they came.
    const std::vector<Shown>& log() const { return log_; }
    // Only the messages / only the questions, in order.
    std::vector<Shown> messages() const { return filtered(false); }
    std::vector<Shown> questions() const { return filtered(true); }
    // The texts of the whole log, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& s : log_)
            out.push_back(s.text);
        return out;
    }
    // The last entry of the log; fails the test (and returns an empty entry) when there is none.
    Shown last() const
    {
        if (log_.empty()) {
            ADD_FAILURE() << "nothing was shown or asked";
            return {MessageKind::Plain, {}, false};
        }
        return log_.back();
    }
    // Forgets the log (not the script), for tests that run several steps.
    void clearLog() { log_.clear(); }

    // Fails the test when scripted answers or file choices are left; then drops them.
    void expectScriptUsed()
    {
        if (answers.empty() && files.empty() && choices.empty() && passwords.empty() && listAnswers.empty())
            return;
        std::string left;
        for (bool a : answers)
            left += a ? " yes" : " no";
        for (const auto& f : files)
            left += " file:" + (f ? f->string() : std::string("<cancel>"));
        for (int c : choices)
            left += " choice:" + std::to_string(c);
        for (const auto& p : passwords)
            left += p ? " password:" + p->password : std::string(" password:<cancel>");
        for (bool l : listAnswers)
            left += l ? " list:yes" : " list:no";
        ADD_FAILURE() << "scripted answers left unused:" << left;
        answers.clear();
        files.clear();
        choices.clear();
        passwords.clear();
        listAnswers.clear();
    }

private:
    std::vector<Shown> filtered(bool questions) const
    {
        std::vector<Shown> out;
        for (const auto& s : log_)
            if (s.isQuestion == questions)
                out.push_back(s);
        return out;
    }
    bool next(const std::string& text, MessageKind kind)
    {
        log_.push_back({kind, text, true});
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

    std::vector<Shown> log_;
};

} // namespace test
} // namespace ruvek
