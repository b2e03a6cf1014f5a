#include "ui/mainwindow/MainForm.h"

#include "classfile/StudentRecord.h"
#include "ui/Cp1252Text.h"
#include "qtdraw/PrinterDevice.h"
#include "ui/QtPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/SpeedBarIcons.h"
#include "ui/mainwindow/WindowTitle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
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

// The editor pages of the data sheet, in their order.
const char* const kEditorPages[] = {"Zeugnis-Kopf", "Text-Bereich", "Vermerke", "Fächer u. Bewertungen",
                                    "(Wahlpfl. u.) Zeugnis-Fuß"};

// One entry of the student list: "Name, Vorname", the surname part cut to
// 32 characters and the whole to 62 (counted in stored characters).
QString studentListEntry(const TZgnRec& r)
{
    std::string text = r.Name.str() + ", ";
    text = text.substr(0, 32) + r.Vorname.str();
    text = text.substr(0, 62);
    return fromCp1252(text);
}

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

// The note on a page whose content comes in a later program version.
QLabel* placeholderNote(const QString& text, QWidget* page)
{
    auto* note = new QLabel(text, page);
    note->setObjectName(QStringLiteral("PlaceholderNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    return note;
}

} // namespace

TMainForm::TMainForm(MainFormSetup setup, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(applicationIcon());
    if (setup.prompter) {
        prompter_ = setup.prompter;
    } else {
        ownPrompter_ = std::make_unique<QtPrompter>(this);
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

    // Left: the student list with the record counters below it.
    auto* left = new QVBoxLayout;
    auto* listCaption = new QLabel(QStringLiteral("Schüler:"), tabSheet1);
    listBox1_ = new QListWidget(tabSheet1);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    // 230 pixels where there is room; narrower in the smallest window, so
    // that all five editor tabs stay in view.
    listBox1_->setMinimumWidth(150);
    listBox1_->setMaximumWidth(230);
    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) { ListBox1Click(row); });

    auto* counters = new QHBoxLayout;
    edit12_ = new QLineEdit(tabSheet1);
    edit12_->setObjectName(QStringLiteral("Edit12"));
    edit13_ = new QLineEdit(tabSheet1);
    edit13_->setObjectName(QStringLiteral("Edit13"));
    for (QLineEdit* e : {edit12_, edit13_}) {
        e->setReadOnly(true);
        e->setFixedWidth(50);
        e->setAlignment(Qt::AlignRight);
        e->setFocusPolicy(Qt::NoFocus);
    }
    edit12_->setToolTip(QStringLiteral("Nummer des aktuellen Datensatzes"));
    edit13_->setToolTip(QStringLiteral("Anzahl der Datensätze"));
    counters->addWidget(new QLabel(QStringLiteral("Datensatz"), tabSheet1));
    counters->addWidget(edit12_);
    counters->addWidget(new QLabel(QStringLiteral("von"), tabSheet1));
    counters->addWidget(edit13_);
    counters->addStretch(1);

    left->addWidget(listCaption);
    left->addWidget(listBox1_, 1);
    left->addLayout(counters);
    sheetLayout->addLayout(left);

    // Right: the five editor pages.
    pageControl2_ = new QTabWidget(tabSheet1);
    pageControl2_->setObjectName(QStringLiteral("PageControl2"));
    int n = 3;
    for (const char* caption : kEditorPages) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(n++));
        // Until the record editor fills the page, say so instead of leaving it blank.
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(placeholderNote(
            QStringLiteral("Die Eingabefelder dieser Seite folgen in einer späteren Programmversion."), page));
        pageControl2_->addTab(page, QString::fromUtf8(caption));
    }
    // Every editor page is reached by its tab, never behind scroll arrows:
    // the tab bar claims its full width and the student list gives way.
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(pageControl2_);
    pageControl2_->tabBar()->setStyle(tabStyle);
    pageControl2_->tabBar()->setUsesScrollButtons(false);
    pageControl2_->tabBar()->setElideMode(Qt::ElideNone);
    sheetLayout->addWidget(pageControl2_, 1);

    auto* tabSheet2 = new QWidget;
    tabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* tableLayout = new QVBoxLayout(tabSheet2);
    tableLayout->setContentsMargins(6, 6, 6, 6);
    auto* grid = new QTableWidget(tabSheet2);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    // Until the table view fills the grid, the page says so instead of
    // showing an empty grid; the table view shows the grid when it comes.
    grid->hide();
    tableLayout->addWidget(grid);
    tableLayout->addWidget(placeholderNote(QStringLiteral("Die Schüler-Tabelle folgt in einer späteren "
                                                          "Programmversion."),
                                           tabSheet2));

    pageControl1_->addTab(tabSheet1, QStringLiteral("Schüler-Datenblätter"));
    pageControl1_->addTab(tabSheet2, QStringLiteral("Schüler-Tabelle"));
    setCentralWidget(pageControl1_);
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
    statusPanel1_->setFixedWidth(kPanel1Width);
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
    setTitleAndLevelLists();

    // The first class: never saved, one record with the new-record defaults.
    OpenClass first(state_.schoolType(), state_.klasse.dataFolder);
    state_.klasse = std::move(first);
    state_.klasse.view = this;
    state_.klasse.changed = false;

    showCurrentRecord();
    refreshIndicators();
    pageControl1_->setCurrentIndex(0);   // "Schüler-Datenblätter"
    showClassFileName(state_.klasse.fileName);
    listBox1_->setFocus();
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
    storeForm();
    if (!prompter_->askYesNo("Wollen Sie das Programm jetzt wirklich beenden?"))
        return false;
    OpenClass& k = state_.klasse;
    if (k.changed &&
        prompter_->askYesNo("Die Daten wurden seit dem letzten Speichern geändert!\n"
                            "Wollen Sie die Änderungen jetzt Speichern?",
                            MessageKind::Warning)) {
        const bool saved = saveEnabled() ? k.fileSave(*prompter_) : k.fileSaveAs(*prompter_);
        // The user asked to save: when that did not happen (Save As cancelled,
        // writing failed) the program stays open so no change is lost.
        if (!saved)
            return false;
    }
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
    // The record editor stores its controls here; until it exists the form
    // holds nothing that could differ from the record.
}

void TMainForm::showCurrentRecord()
{
    rebuildStudentList();
    refreshIndicators();
}

void TMainForm::rebuildStudentList()
{
    const OpenClass& k = state_.klasse;
    const bool all = showsDeletedRecords();
    const QSignalBlocker block(listBox1_);
    listBox1_->clear();
    listRecords_.clear();
    int selected = -1;
    const QString currentText =
        k.records.empty() ? QString() : studentListEntry(k.currentRecord());
    for (std::size_t i = 0; i < k.records.size(); ++i) {
        const TZgnRec& r = k.records[i];
        if (!all && r.Status != 1)
            continue;
        const QString text = studentListEntry(r);
        listBox1_->addItem(text);
        listRecords_.push_back(static_cast<int>(i));
        if (all ? static_cast<int>(i) == k.current : (selected < 0 && text == currentText))
            selected = listBox1_->count() - 1;
    }
    if (listBox1_->count() == 1 && k.records.size() == 1)
        selected = 0;
    listBox1_->setCurrentRow(selected);
}

void TMainForm::ListBox1Click(int row)
{
    if (row < 0 || row >= static_cast<int>(listRecords_.size()))
        return;
    storeForm();
    state_.klasse.current = listRecords_[static_cast<std::size_t>(row)];
    // The list already shows the selection; rebuilding it inside its own
    // selection signal would pull the items from under the click.
    refreshIndicators();
}

void TMainForm::goToFirstRecord()
{
    storeForm();
    OpenClass& k = state_.klasse;
    if (k.records.empty())
        return;
    k.current = k.firstRecordIndex(showsDeletedRecords());
    showCurrentRecord();
}

void TMainForm::refreshIndicators()
{
    const OpenClass& k = state_.klasse;
    edit12_->setText(QString::number(k.records.empty() ? 0 : k.current + 1));
    edit13_->setText(QString::number(k.records.size()));
    if (edit73Action_)
        edit73Action_->setVisible(k.changed);
    if (k.changed)
        setSaveEnabled(true);
}

void TMainForm::showClassFileName(const std::string& name)
{
    // Every file command ends here: the settings follow the data folder of
    // the class last opened or saved.
    state_.settings.dataFolder = state_.klasse.dataFolder;
    statusPanel1_->setText(QString::fromStdString(name));
}

void TMainForm::setSaveEnabled(bool enabled)
{
    actions_->setEnabled(QStringLiteral("FileSaveItem"), enabled);
}

bool TMainForm::showsDeletedRecords() const { return state_.showsDeleted(); }
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

bool TMainForm::saveEnabled() const { return actions_->isEnabled(QStringLiteral("FileSaveItem")); }

QAction* TMainForm::menuAction(const QString& name) const { return actions_->action(name); }

} // namespace ruvek::ui
