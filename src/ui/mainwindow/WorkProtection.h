#pragma once
// The window side of keeping a teacher's work safe: the undo and redo of the
// bulk commands in the menu "Bearbeiten", the command "Ältere Fassung
// wiederherstellen …" of the menu "Datei", the recovery file written every
// two minutes while the class has unsaved changes, and the offer of a
// recovery file left by a program that did not end normally.
#include "classfile/RecoveryFile.h"
#include "classfile/VersionBackups.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTimer;
class QWidget;

namespace ruvek::editor {
class RecordEditor;
}

namespace ruvek::ui {

class ActionRegistry;
namespace editor {
class EditorBinder;
}

// What work protection needs of the main window: the window side of the
// class-file commands, the open class, the prompter, the commands whose
// undo entries it names, and the record editor whose form it stores into
// copies for the recovery file.
class ProtectedWindow : public ClassFileView {
public:
    virtual OpenClass& klasse() = 0;
    virtual Prompter& prompter() = 0;
    virtual ActionRegistry& actions() = 0;
    virtual QWidget* dialogOwner() = 0;
    // Null while the editor is not built.
    virtual ruvek::editor::RecordEditor* recordEditor() const = 0;
    virtual editor::EditorBinder* editorBinder() const = 0;
};

// The captions of the undo and redo entries.
inline constexpr const char* kUndoCaption = "&Rückgängig";
inline constexpr const char* kRedoCaption = "&Wiederherstellen";
// How often the recovery file is written (milliseconds).
inline constexpr int kRecoveryIntervalMs = 2 * 60 * 1000;

class WorkProtection : public QObject {
    Q_OBJECT
public:
    // form: the main window, which also owns the object.
    WorkProtection(ProtectedWindow& form, QObject* owner);

    // After the first class exists: switches the protections on and offers
    // the recovery files found in the data folder (and in the other folders
    // where recovery files were written, see rememberRecoveryFolder) -
    // unless a class file named at start-up follows (openAtStart).
    void start(bool classFileFollows = false);
    // Opens the class file named at start-up. A recovery file of that class
    // is offered first; restored, it is the open class and the file is not
    // read over it.
    bool openAtStart(const std::filesystem::path& classFile);
    // The session ends by a signal: unsaved work goes into the recovery
    // file, the lock is released, nothing is asked.
    void endBySignal();

    // Runs a bulk command so that it can be undone under `name`. The form
    // has been stored before (where the command stores at all).
    void undoable(const std::string& name, const std::function<void()>& command);
    void undo();
    void redo();
    // The undo and redo entries name the commands they would handle.
    void refreshUndoEntries();

    void restoreVersion();
    // Writes the recovery file when the class (or the form) holds unsaved
    // changes; true when it wrote one.
    bool writeRecoveryNow();
    void offerRecoveries();

    QTimer* recoveryTimer() const { return timer_; }
    // Chooses one of the kept versions (the dialog; tests put in their own).
    std::function<std::optional<std::size_t>(const std::string& className, const std::vector<KeptVersion>&)>
        chooseVersion;

private:
    bool restoreRecovery(const PendingRecovery& pending);
    void settleShownRecord();
    // The list with the form stored into a copy of the current record, and
    // whether the user changed anything in the form since it was shown.
    bool formEdited(TDB2* records = nullptr) const;

    ProtectedWindow& form_;
    QTimer* timer_ = nullptr;
    std::filesystem::path homeFolder_; // the data folder at start-up, where recovery files are looked for
};

// The names the undo entry shows.
std::string sortCommandName(int sortOrder);
std::string takeOverCommandName(const std::string& subject);

// Questions and messages.
std::string recoveryOfferText(const PendingRecovery& pending);
inline const std::vector<std::string> kRecoveryButtons = {"Wiederherstellen", "Verwerfen", "Später"};

} // namespace ruvek::ui
