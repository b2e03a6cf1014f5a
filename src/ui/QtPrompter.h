#pragma once
// The desktop program's answer to every question, message and file choice:
// QMessageBox with German buttons and QFileDialog. Domain code only sees the
// Prompter interface, so tests can answer from a script instead.
#include "common/Prompter.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace ruvek::ui {

// One entry of a Windows-style filter "Beschreibung|*.A;*.B|...".
struct FileFilterEntry {
    QString description;   // the visible text, without its own pattern list
    QStringList patterns;  // "*.RVK", "*.rvk", ... (upper and lower case)
};

// Splits "Text (*.RVK)|*.RVK|alle Dateien (*.*)|*.*" into its entries.
// Patterns are trimmed, "*.*" becomes "*" (on Linux "*.*" would hide files
// without a dot) and every pattern gets its lower- and upper-case twin,
// because the file system here tells "KLASSE.RVK" from "klasse.rvk".
QList<FileFilterEntry> parseFileFilter(const std::string& filter);
// The same filter in Qt's syntax: "Text (*.RVK *.rvk);;alle Dateien (*)".
QString toQtFilter(const std::string& filter);

QString toQString(const std::string& utf8);
std::string toUtf8(const QString& text);
QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& text);

// The two windows of the program's own that answer a prompter call: the
// timed information dialog and the first-start question of the school. They
// live in window libraries above this one, so the program hands them in.
// Without them a timed information shows nothing and the school question is
// not answered.
struct QtPrompterDialogs {
    std::function<void(QWidget* owner, const QString& caption, const QStringList& lines, int milliseconds)> timedInfo;
    std::function<std::optional<SchoolSetup>(QWidget* owner)> schoolSetup;
};

class QtPrompter : public Prompter {
public:
    // parent: the window the boxes are centred on (may be null).
    explicit QtPrompter(QWidget* parent = nullptr, QtPrompterDialogs dialogs = {})
        : parent_(parent), dialogs_(std::move(dialogs))
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }

    bool askYesNo(const std::string& text, MessageKind kind = MessageKind::Confirmation) override;
    bool askOkCancel(const std::string& text, MessageKind kind = MessageKind::Confirmation) override;
    void tell(MessageKind kind, const std::string& text) override;
    int askChoice(const std::string& text, const std::vector<std::string>& buttons,
                  MessageKind kind = MessageKind::Confirmation) override;

    void showTimedInfo(const std::string& caption, const std::vector<std::string>& lines, int milliseconds) override;
    std::optional<SchoolSetup> askSchoolSetup() override;
    std::optional<PasswordAnswer> askPassword(const PasswordRequest& request) override;
    bool confirmList(const ListRequest& request) override;

    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override;

private:
    QWidget* parent_;
    QtPrompterDialogs dialogs_;
};

} // namespace ruvek::ui
