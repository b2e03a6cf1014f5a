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

    void error(const std::string& text) { tell(MessageKind::Error, text); }
    void warning(const std::string& text) { tell(MessageKind::Warning, text); }
    void information(const std::string& text) { tell(MessageKind::Information, text); }
};

} // namespace ruvek
