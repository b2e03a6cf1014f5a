#pragma once
// TMainForm: the program's main window. It fixes the program and data
// folders at creation, builds the menu, the speed bar, the status bar and the
// page controls, starts the first (never-saved) class when first shown, and
// asks its questions when it is closed. It is also the window side of the
// class-file commands (ClassFileView).
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/ProgramState.h"
#include "ui/mainwindow/WorkProtection.h"

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;

namespace ruvek {
class PrinterDevice;
}
namespace ruvek::editor {
class RecordEditor;
}
namespace ruvek::ui::editor {
class EditorBinder;
}

namespace ruvek::ui {

class ActionRegistry;
class QtPrompter;

struct MainFormSetup {
    std::filesystem::path programFolder;  // empty: the folder of the program file
    Prompter* prompter = nullptr;          // null: German message boxes and dialogs
};

class TMainForm : public QMainWindow, public ProtectedWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormSetup setup = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    ProgramState& state() { return state_; }
    OpenClass& klasse() override { return state_.klasse; }
    Prompter& prompter() override { return *prompter_; }
    InstallationFolders folders() const { return state_.folders(); }
    ApplicationForms& forms() { return forms_; }
    // The commands of menu and speed bar, by menu-entry or speed-button name.
    ActionRegistry& actions() override { return *actions_; }
    // The printer of the program (made on first use); its set-up dialog and
    // every print command share it.
    PrinterDevice& printerDevice();

    // Start-up and shutdown (run by the show and close events).
    void FormShow();
    bool FormClose();   // true: the program may end
    // The class file named on the command line, opened once the window runs
    // (openStartupFile); set before the window is first shown.
    std::filesystem::path startupFile;
    void openStartupFile();
    // Logout, shutdown or kill: unsaved work goes into the recovery file,
    // the lock is released, and the window closes without a question.
    void endBySignal();

    // Commands of the menu and the speed bar.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileExit();
    void FilePrintSetup();
    void HelpAbout();
    void HelpContents();
    void SchulEinstellungen1Click();
    void ProgrammEinstellungen1Click();
    void WahlpflichtFcher1Click();
    void DruckOptionen1Click();
    void estblattausdrucken1Click();
    void Kalibrierblattdrucken1Click();
    void FormularSteuerdateibearbeiten1Click();
    // The form editor on `file`, its page `page` drawn for this record as
    // the form of `annexCode` (also from the preview window).
    void openFormEditor(const std::filesystem::path& file, const TZgnRec& rec, int annexCode, int page);
    // "Diese Funktion ist in dieser Programmversion noch nicht eingebaut!":
    // the two data-sheet commands, and every command whose feature comes later.
    void notYetBuilt();

    // What follows a settings dialog closed with OK.
    void afterSchoolSettingsOk();
    void afterProgramSettingsOk();
    void afterElectivesDialog(bool ok);

    // Undo of the bulk commands, kept versions, recovery (WorkProtection.cpp).
    WorkProtection& protection() { return *protection_; }
    void undoable(const std::string& name, const std::function<void()>& command);

    // Caption for the school type (and, later, the level lists).
    void setTitleAndLevelLists();

    // ClassFileView: the window side of the class-file commands.
    void storeForm() override;
    void showCurrentRecord() override;
    void refreshIndicators() override;
    void showClassFileName(const std::string& name) override;
    void setSaveEnabled(bool enabled) override;
    void showStatus(const std::string& text) override;
    bool showsDeletedRecords() const override;
    bool centralElectiveList() const override;
    void loadElectiveList(const std::filesystem::path& folder) override;
    void copyElectiveList(const std::filesystem::path& folder) override;

    // For tests and the settings follow-ups.
    QString statusPanelText(int panel) const;
    bool changedIndicatorVisible() const;
    bool saveEnabled() const;
    QAction* menuAction(const QString& name) const;   // the registry's action of that name
    bool started() const { return started_; }

    // Told after every show of the current record and before every store:
    // the class grade table (GradeCommands.cpp) follows the records.
    std::function<void()> onRecordShown;
    std::function<void()> beforeStore;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void buildPages();
    QLayout* buildRecordPanel(QWidget* sheet);
    QLayout* buildMirrorStrip();
    void buildStatusBar();
    void buildMenu();
    void buildSpeedBar();
    void showHint(const QString& hint);
    void goToFirstRecord();

    // The record editor's controls and their handlers (EditorWiring.cpp).
    void connectEditor();
    void connectEditorButtons();
    void connectHeadSelectors();
    void PageControl1Change(int index);
    void PageControl2Change(int index);
    // After a store that converted the grades to another level of demand,
    // the page "Fächer u. Bewertungen" comes to the front.
    void followSubjectsPageRequest();
    // The record-list commands, the take-over buttons and the text-page
    // buttons (CollectionCommands.cpp).
    void connectCollectionCommands();
    template <class W>
    W* control(const char* objectName) const;

    // ProtectedWindow: work protection stores the form into copies.
    QWidget* dialogOwner() override { return this; }
    ruvek::editor::RecordEditor* recordEditor() const override { return editor_.get(); }
    editor::EditorBinder* editorBinder() const override { return binder_; }
    ProgramState state_;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter* prompter_ = nullptr;
    std::filesystem::path programFolder_;
    ApplicationForms forms_;
    std::unique_ptr<PrinterDevice> printerDevice_;
    std::unique_ptr<ActionRegistry> actions_;
    WorkProtection* protection_ = nullptr;   // owned by the window (QObject child)
    bool started_ = false;
    bool endingBySignal_ = false;

    editor::EditorBinder* binder_ = nullptr;             // owned by the window (QObject child)
    std::unique_ptr<ruvek::editor::RecordEditor> editor_;
    int pageControl1Index_ = 0;     // the data-sheet page before a change

    QTabWidget* pageControl1_ = nullptr;
    QTabWidget* pageControl2_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QLineEdit* edit12_ = nullptr;        // record number
    QLineEdit* edit13_ = nullptr;        // record count
    QLabel* statusPanel0_ = nullptr;     // hints
    QLabel* statusPanel1_ = nullptr;     // class file name
    QToolBar* speedBar_ = nullptr;
    QLineEdit* edit73_ = nullptr;        // "Daten wurden verändert"
    QAction* edit73Action_ = nullptr;    // its place on the speed bar
};

} // namespace ruvek::ui
