#pragma once
// Every question and message of the program goes through this interface.
// The desktop program shows message boxes and file dialogs, the command-line
// tool answers without a person, tests answer from a script and record the
// texts. Texts are UTF-8; a line break inside a message is '\n'.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

enum class MessageKind { Error, Warning, Information, Confirmation, Plain };

struct FileDialogRequest {
    std::string title;
    std::filesystem::path folder;   // initial folder
    std::string filter;             // "Beschreibung (*.RVK)|*.RVK|alle Dateien (*.*)|*.*"
    std::string proposedName;       // initial file name (UTF-8)
    bool confirmOverwrite = true;   // save dialogs: ask before replacing a file
};

// The answers of the first-start question (UTF-8 texts).
struct SchoolSetup {
    int schultyp = 0;       // one of the known school types, 1..9
    std::string schulname;  // printed on every certificate
    std::string ort;        // the school's place
};

// A password question. A new password is typed twice, its strength is
// shown, and OK is possible only when it meets the rules; an existing one is
// typed once.
struct PasswordRequest {
    std::string title;
    std::string text;            // what the password is for
    bool newPassword = false;
    std::string optionText;      // a check box below the fields; empty: none
    bool option = false;         // its initial state
};

struct PasswordAnswer {
    std::string password;        // UTF-8
    bool option = false;         // the check box as left
};

// A list of what a file holds, shown before something is done with it.
struct ListRequest {
    std::string title;
    std::string text;                 // above the list
    std::vector<std::string> items;   // one line each
    std::string acceptButton;         // "Wiederherstellen ..."; the other button cancels
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Yes/No question; true = Yes.
    virtual bool askYesNo(const std::string& text, MessageKind kind = MessageKind::Confirmation) = 0;
    // OK/Cancel question; true = OK.
    virtual bool askOkCancel(const std::string& text, MessageKind kind = MessageKind::Confirmation) = 0;
    // A message with an OK button.
    virtual void tell(MessageKind kind, const std::string& text) = 0;
    // File and folder choice; std::nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                              const std::filesystem::path& start) = 0;

    // A question answered with one of several buttons of its own captions
    // (German, the first one the default); the index of the button chosen.
    // Closing the box chooses the last button, so the last one must be the
    // harmless choice; a prompter without such boxes (the command line)
    // takes it too.
    virtual int askChoice(const std::string& /*text*/, const std::vector<std::string>& buttons,
                          MessageKind /*kind*/ = MessageKind::Confirmation)
    {
        return buttons.empty() ? -1 : static_cast<int>(buttons.size()) - 1;
    }

    // A hint that closes itself after `milliseconds` (or at its button): a
    // caption, then its headline and up to five lines. A prompter without
    // such a window shows them as an information message.
    virtual void showTimedInfo(const std::string& /*caption*/, const std::vector<std::string>& lines,
                               int /*milliseconds*/)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        tell(MessageKind::Information, text);
    }

    // Asked once before the first class is shown when no school settings
    // exist: school type, name and place. nullopt: not now (a prompter
    // without a person never answers it).
    virtual std::optional<SchoolSetup> askSchoolSetup() { return std::nullopt; }

    // Asks for a password; nullopt when the user cancels (a prompter without
    // a person never answers).
    virtual std::optional<PasswordAnswer> askPassword(const PasswordRequest& /*request*/) { return std::nullopt; }
    // Shows the list and asks whether to go on; false: cancelled (a prompter
    // without a person declines).
    virtual bool confirmList(const ListRequest& /*request*/) { return false; }

    void error(const std::string& text) { tell(MessageKind::Error, text); }
    void warning(const std::string& text) { tell(MessageKind::Warning, text); }
    void information(const std::string& text) { tell(MessageKind::Information, text); }
};

} // namespace ruvek
