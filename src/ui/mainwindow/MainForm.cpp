#include "ui/mainwindow/MainForm.h"

#include "classfile/StudentRecord.h"
#include "ui/Cp1252Text.h"
#include "qtdraw/PrinterDevice.h"
#include "ui/QtPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/SpeedBarIcons.h"
#include "editor/RecordEditor.h"
#include "ui/editor/EditorBinder.h"
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"
#include "ui/exchange/EntryGrid.h"
#include "ui/mainwindow/WindowTitle.h"
#include "ui/mainwindow/WorkProtection.h"
#include "ui/print/InfoDlg.h"
#include "ui/settings/FirstStartForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {

// The two panels of the status bar, in pixels.
constexpr int kPanel0Width = 400;
constexpr int kPanel1Width = 200;

// The editor tabs with half the style's space beside each caption: all five
// captions then fit beside the student list in the smallest window.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

TMainForm::TMainForm(MainFormSetup setup, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(applicationIcon());
    if (setup.prompter) {
        prompter_ = setup.prompter;
    } else {
        QtPrompterDialogs dialogs;
        dialogs.timedInfo = [](QWidget* owner, const QString& caption, const QStringList& t, int milliseconds) {
            TInfoDlg dlg(owner);
            dlg.ShowInfo(caption, t[0], t[1], t[2], t[3], t[4], t[5], milliseconds);
        };
        dialogs.schoolSetup = [](QWidget* owner) -> std::optional<SchoolSetup> {
            FirstStartForm dlg(owner);
            if (dlg.exec() != QDialog::Accepted)
                return std::nullopt;
            return dlg.answer();
        };
        ownPrompter_ = std::make_unique<QtPrompter>(this, std::move(dialogs));
        prompter_ = ownPrompter_.get();
    }
    programFolder_ = setup.programFolder.empty() ? toPath(QCoreApplication::applicationDirPath())
                                                 : setup.programFolder;
    actions_ = std::make_unique<ActionRegistry>([this] { notYetBuilt(); });
    buildMenu();
    buildSpeedBar();
    buildPages();
    buildStatusBar();
    FormCreate();
    connectEditor();
    connectCollectionCommands();
    protection_ = new WorkProtection(*this, this);
}

TMainForm::~TMainForm() = default;

// Creation: place, folders, pictures, first class name, Save disabled.
void TMainForm::FormCreate()
{
    move(5, 5);
    resize(1000, 700);
    // The window is never smaller than 795 x 580 in its normal state; the
    // window system keeps that, and leaves maximised and minimised windows be.
    setMinimumSize(795, 580);

    // The settings themselves are read when the dialogs are created (see
    // createApplicationForms); here only the folders are fixed.
    const InstallationFolders folders = prepareFolders(programFolder_, *prompter_);
    state_.settings.programFolder = folders.programFolder;
    state_.settings.dataFolder = folders.dataFolder;
    state_.klasse.dataFolder = folders.dataFolder;
    state_.klasse.fileName = std::string(kUnsavedClassName);
    state_.klasse.view = this;

    pageControl2_->setCurrentIndex(0);   // "Zeugnis-Kopf"
    setSaveEnabled(false);
    setWindowTitle(QString::fromStdString(windowTitleFor(state_.schoolType())));
}

void TMainForm::buildPages()
{
    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));

    auto* tabSheet1 = new QWidget;
    tabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* sheetLayout = new QHBoxLayout(tabSheet1);
    sheetLayout->setContentsMargins(6, 6, 6, 6);
    sheetLayout->addLayout(buildRecordPanel(tabSheet1));

    // Right: who is shown, then the five editor pages.
    auto* right = new QVBoxLayout;
    right->addLayout(buildMirrorStrip());
    pageControl2_ = new QTabWidget(tabSheet1);
    pageControl2_->setObjectName(QStringLiteral("PageControl2"));
    editor::buildEditorPages(pageControl2_);
    // Every editor page is reached by its tab, never behind scroll arrows:
    // the tab bar claims its full width and the student list gives way.
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(pageControl2_);
    pageControl2_->tabBar()->setStyle(tabStyle);
    pageControl2_->tabBar()->setUsesScrollButtons(false);
    pageControl2_->tabBar()->setElideMode(Qt::ElideNone);
    right->addWidget(pageControl2_, 1);
    sheetLayout->addLayout(right, 1);

    // Ctrl+PgDown / Ctrl+PgUp turn the editor pages, wherever the focus is
    // on the data sheet.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), tabSheet1);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), tabSheet1);
    for (QShortcut* s : {next, previous})
        s->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this,
            [this] { pageControl2_->setCurrentIndex((pageControl2_->currentIndex() + 1) % pageControl2_->count()); });
    connect(previous, &QShortcut::activated, this, [this] {
        pageControl2_->setCurrentIndex((pageControl2_->currentIndex() + pageControl2_->count() - 1) %
                                       pageControl2_->count());
    });

    auto* tabSheet2 = new QWidget;
    tabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* tableLayout = new QVBoxLayout(tabSheet2);
    tableLayout->setContentsMargins(6, 6, 6, 6);
    // The class grade table; GradeCommands.cpp fills it and takes the grades back.
    auto* grid = new exchange::EntryGrid(tabSheet2);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setAccessibleName(QStringLiteral("Schüler-Tabelle"));
    tableLayout->addWidget(grid);

    pageControl1_->addTab(tabSheet1, QStringLiteral("Schüler-Datenblätter"));
    pageControl1_->addTab(tabSheet2, QStringLiteral("Schüler-Tabelle"));
    setCentralWidget(pageControl1_);
}

// Left of the editor pages: the student list, the navigation buttons, the
// record counters and the two buttons that store or drop the form.
QLayout* TMainForm::buildRecordPanel(QWidget* sheet)
{
    using namespace editor;
    listBox1_ = new QListWidget(sheet);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    // 230 pixels where there is room; narrower in the smallest window, so
    // that all five editor tabs stay in view.
    listBox1_->setMinimumWidth(150);
    listBox1_->setMaximumWidth(230);
    // Every entry is one line of the same font: with uniform sizes a changed
    // entry does not make the view measure all entries of a large class anew.
    listBox1_->setUniformItemSizes(true);
    auto* listCaption = buddyLabel(nullptr, QStringLiteral("Sch&üler:"), listBox1_);
    // Screen readers take a list's name from the list itself, not from the
    // label that points to it.
    listBox1_->setAccessibleName(QStringLiteral("Schüler"));

    auto* nav = new QHBoxLayout;
    nav->setSpacing(2);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } buttons[] = {{"Button1", "| <", "zum ersten Schüler"},
                   {"Button2", "<", "zum vorigen Schüler"},
                   {"Button3", ">", "zum nächsten Schüler"},
                   {"Button4", "> |", "zum letzten Schüler"}};
    // Narrow buttons: the captions are a few characters, and every pixel the
    // left column saves goes to the editor pages.
    for (const auto& b : buttons) {
        QPushButton* step = button(b.name, QString::fromUtf8(b.caption), QString::fromUtf8(b.hint));
        step->setFixedWidth(40);
        step->setAccessibleName(QString::fromUtf8(b.hint));   // the caption is only a sign
        nav->addWidget(step);
    }
    nav->addStretch(1);

    edit12_ = displayEdit("Edit12", QStringLiteral("Nummer des aktuellen Datensatzes"), 5);
    edit13_ = displayEdit("Edit13", QStringLiteral("Anzahl der Datensätze"), 5);
    edit12_->setAccessibleName(QStringLiteral("Nummer des aktuellen Datensatzes"));
    edit13_->setAccessibleName(QStringLiteral("Anzahl der Datensätze"));
    auto* counters = new QHBoxLayout;
    counters->addWidget(new QLabel(QStringLiteral("Datensatz"), sheet));
    counters->addWidget(edit12_);
    counters->addWidget(new QLabel(QStringLiteral("von"), sheet));
    counters->addWidget(edit13_);
    counters->addStretch(1);

    auto* checkBox2 = checkBox("CheckBox2", QStringLiteral("DS gelöscht"));
    checkBox2->setAttribute(Qt::WA_TransparentForMouseEvents);  // shows the state, is not a switch
    checkBox2->setFocusPolicy(Qt::NoFocus);
    auto* bitBtn11 = button("BitBtn11", QStringLiteral("Daten übernehmen"),
                            QStringLiteral("die Eingaben in den Datensatz übernehmen"));
    auto* bitBtn6 = button("BitBtn6", QStringLiteral("Daten zurücksetzen"),
                           QStringLiteral("die Eingaben verwerfen und den Datensatz neu anzeigen"));

    auto* left = new QVBoxLayout;
    left->addWidget(listCaption);
    left->addWidget(listBox1_, 1);
    left->addLayout(nav);
    left->addLayout(counters);
    left->addWidget(checkBox2);
    left->addWidget(bitBtn11);
    left->addWidget(bitBtn6);
    return left;
}

// Above the pages: whose data the pages show, on every page.
QLayout* TMainForm::buildMirrorStrip()
{
    using namespace editor;
    auto* strip = new QHBoxLayout;
    auto* edit1 = displayEdit("Edit1", QStringLiteral("Name"), 0);
    auto* edit2 = displayEdit("Edit2", QStringLiteral("Vorname"), 0);
    auto* edit3 = displayEdit("Edit3", QStringLiteral("Klasse"), 0);
    auto* edit4 = displayEdit("Edit4", QStringLiteral("Klassenlehrer"), 0);
    for (QLineEdit* e : {edit1, edit2})
        e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The first name has no label of its own (it stands beside the name).
    edit2->setAccessibleName(QStringLiteral("Vorname"));
    // The fields share the width the window leaves them: wide where there is
    // room, narrow down to a few characters in the smallest window.
    const int charWidth = edit1->fontMetrics().averageCharWidth();
    const struct {
        QLineEdit* edit;
        int minChars;
        int maxChars;
        int stretch;
    } fields[] = {{edit1, 8, 24, 4}, {edit2, 6, 18, 3}, {edit3, 4, 7, 1}, {edit4, 4, 7, 1}};
    for (const auto& f : fields) {
        f.edit->setMinimumWidth(charWidth * f.minChars + 14);
        f.edit->setMaximumWidth(charWidth * f.maxChars + 14);
    }
    strip->addWidget(buddyLabel(nullptr, QStringLiteral("Schüler/in:"), edit1));
    strip->addWidget(edit1, fields[0].stretch);
    strip->addWidget(edit2, fields[1].stretch);
    strip->addSpacing(8);
    strip->addWidget(buddyLabel(nullptr, QStringLiteral("Klasse:"), edit3));
    strip->addWidget(edit3, fields[2].stretch);
    strip->addSpacing(8);
    strip->addWidget(buddyLabel(nullptr, QStringLiteral("Klassenlehrer:"), edit4));
    strip->addWidget(edit4, fields[3].stretch);
    strip->addStretch(1);
    return strip;
}

void TMainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    statusPanel0_ = new QLabel(bar);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(kPanel0Width);
    statusPanel1_ = new QLabel(bar);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    // At least its 200 pixels, wider when the file name with the
    // read-only marker needs it: the marker must never be cut off.
    statusPanel1_->setMinimumWidth(kPanel1Width);
    for (QLabel* panel : {statusPanel0_, statusPanel1_}) {
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        bar->addWidget(panel);
    }
}

// Hints of menus, speed buttons and controls go to panel 0 instead of
// replacing the whole status bar.
bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showHint(const QString& hint)
{
    statusPanel0_->setText(hint);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!started_)
        FormShow();
}

// First show, after every form exists and every setting is loaded.
void TMainForm::FormShow()
{
    started_ = true;
    // A first start (no school settings anywhere): the school type decides
    // forms, subjects and grades, so it is asked before any class is shown.
    if (!state_.schoolSettingsFound)
        if (const auto setup = prompter_->askSchoolSetup(); setup && state_.settings.saveSchoolSetup(*setup, *prompter_))
            state_.schoolSettingsFound = true;
    setTitleAndLevelLists();

    // The first class: never saved, one record with the new-record defaults.
    OpenClass first(state_.schoolType(), state_.klasse.dataFolder);
    // The kinds of files File Open knows stay as installed.
    first.openFilter = state_.klasse.openFilter;
    first.otherFileReader = state_.klasse.otherFileReader;
    state_.klasse = std::move(first);
    state_.klasse.view = this;
    state_.klasse.changed = false;

    editor_->reloadSettings();
    showCurrentRecord();
    pageControl1_->setCurrentIndex(0);   // "Schüler-Datenblätter"
    showClassFileName(state_.klasse.fileName);
    findChild<QWidget*>(QStringLiteral("Edit5"))->setFocus();
    protection_->start(!startupFile.empty());
}

void TMainForm::openStartupFile()
{
    if (!startupFile.empty())
        protection_->openAtStart(startupFile);
}

void TMainForm::endBySignal()
{
    if (endingBySignal_)
        return;
    endingBySignal_ = true;
    if (protection_ && started_)
        protection_->endBySignal();
}

void TMainForm::setTitleAndLevelLists()
{
    // The level lists of the editor follow with the editor itself.
    setWindowTitle(QString::fromStdString(windowTitleFor(state_.schoolType())));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

// Shutdown: confirm, offer to save, release the class.
bool TMainForm::FormClose()
{
    // Ended by a signal: the recovery file holds the unsaved work already.
    if (endingBySignal_)
        return true;
    storeForm();
    if (!prompter_->askYesNo("Wollen Sie das Programm jetzt wirklich beenden?"))
        return false;
    OpenClass& k = state_.klasse;
    if (k.hasUnsavedChanges()) {
        const int choice = prompter_->askChoice("Die Daten wurden seit dem letzten Speichern geändert!\n"
                                                "Wollen Sie die Änderungen jetzt Speichern?",
                                                kSaveChoices, MessageKind::Warning);
        if (choice == kChoiceCancel)
            return false;
        // The user asked to save: when that did not happen (Save As cancelled,
        // writing failed) the program stays open so no change is lost.
        if (choice == kChoiceSave && !k.fileSave(*prompter_))
            return false;
    }
    k.guard.closeClass();   // the lock goes; unsaved changes were given up
    k.records.clear();
    k.scratch.clear();
    k.current = 0;
    return true;
}

void TMainForm::FileExit() { close(); }

void TMainForm::FileNew() { state_.klasse.fileNew(*prompter_); }
void TMainForm::FileOpen() { state_.klasse.fileOpen(*prompter_); }
void TMainForm::FileSave() { state_.klasse.fileSave(*prompter_); }
void TMainForm::FileSaveAs() { state_.klasse.fileSaveAs(*prompter_); }

// --- the window side of the class-file commands

void TMainForm::storeForm()
{
    if (beforeStore)
        beforeStore();
    editor_->storeForm();
    followSubjectsPageRequest();
}

void TMainForm::showCurrentRecord()
{
    editor_->showCurrentRecord();
    if (onRecordShown)
        onRecordShown();
}

void TMainForm::refreshIndicators()
{
    editor_->refreshIndicators();
    if (protection_)
        protection_->refreshUndoEntries();
}

void TMainForm::undoable(const std::string& name, const std::function<void()>& command)
{
    protection_->undoable(name, command);
}

void TMainForm::goToFirstRecord() { editor_->navigate(ruvek::editor::NavCommand::First); }

void TMainForm::showClassFileName(const std::string& name)
{
    // Every file command ends here: the settings follow the data folder of
    // the class last opened or saved.
    state_.settings.dataFolder = state_.klasse.dataFolder;
    statusPanel1_->setText(QString::fromStdString(name) +
                           (state_.klasse.guard.readOnly() ? QStringLiteral(" (schreibgeschützt)") : QString()));
}

void TMainForm::setSaveEnabled(bool /*enabled*/)
{
    // "Speichern" (and Ctrl+S) always works: with unsaved changes it saves,
    // a class never saved goes to "Speichern unter", and without changes it
    // says that the file is up to date. Typing in a field counts at once,
    // before the form is stored.
    actions_->setEnabled(Command::FileSave, true);
}

void TMainForm::showStatus(const std::string& text) { statusPanel0_->setText(QString::fromStdString(text)); }

bool TMainForm::showsDeletedRecords() const { return editor_->showsDeletedRecords(); }
bool TMainForm::centralElectiveList() const { return state_.settings.prog.ZentralListen == 1; }

void TMainForm::loadElectiveList(const std::filesystem::path& folder)
{
    LoadWPflFachFrom(state_.electives, folder / kWPflFachFile, *prompter_);
    state_.wahlpflichtListe = BuildWahlpflichtListe(state_.electives);
}

void TMainForm::copyElectiveList(const std::filesystem::path& folder)
{
    CopyWPflFach(state_.electiveFolders(), folder, *prompter_);
}

// --- inspection

PrinterDevice& TMainForm::printerDevice()
{
    if (!printerDevice_)
        printerDevice_ = std::make_unique<PrinterDevice>();
    return *printerDevice_;
}

QString TMainForm::statusPanelText(int panel) const
{
    return panel == 0 ? statusPanel0_->text() : statusPanel1_->text();
}

bool TMainForm::changedIndicatorVisible() const
{
    return edit73Action_ && edit73Action_->isVisible();
}

bool TMainForm::saveEnabled() const { return actions_->isEnabled(Command::FileSave); }

QAction* TMainForm::menuAction(const QString& name) const { return actions_->action(name); }

} // namespace ruvek::ui
