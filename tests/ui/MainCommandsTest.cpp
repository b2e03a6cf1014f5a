// The commands of the main window: one action per command shared by menu
// entry and speed button, the placeholder of commands still to come, and the
// frame at the smallest window size.
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/Commands.h"
#include "ui/mainwindow/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::MessageKind;
using ruvek::test::ScriptedPrompter;
using ruvek::ui::TMainForm;

namespace {

const char* const kNotBuilt = "Diese Funktion ist in dieser Programmversion noch nicht eingebaut!";

class MainCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd_ = fs::current_path();
        programFolder_ = fs::temp_directory_path() / ("ruvek-commands-" + std::to_string(std::random_device{}()));
        fs::create_directories(programFolder_);
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &prompter_});
        form_->show();
    }
    void TearDown() override
    {
        form_.reset();
        fs::current_path(savedCwd_);
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }

    // A command can be reached when its speed button is shown, or when its
    // menu entry and every menu above it are visible.
    bool reachable(const QString& name) const
    {
        if (auto* button = form_->findChild<QToolButton*>(name))
            return button->isVisibleTo(form_.get());
        QAction* a = form_->menuAction(name);
        if (!a || !a->isVisible())
            return false;
        for (QObject* o : a->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(o); menu && menuReachable(menu))
                return true;
        return false;
    }
    static bool menuReachable(QMenu* menu)
    {
        QAction* entry = menu->menuAction();
        if (!entry->isVisible())
            return false;
        for (QObject* o : entry->associatedObjects()) {
            if (qobject_cast<QMenuBar*>(o))
                return true;
            if (auto* parent = qobject_cast<QMenu*>(o); parent && menuReachable(parent))
                return true;
        }
        return false;
    }

    ScriptedPrompter prompter_;
    fs::path programFolder_;
    fs::path savedCwd_;
    std::unique_ptr<TMainForm> form_;
};

} // namespace

TEST_F(MainCommandsTest, SpeedButtonsRunTheCommandOfTheirMenuEntry)
{
    ruvek::ui::ActionRegistry& actions = form_->actions();
    const std::pair<int, const char*> pairs[] = {
        {1, "FileNewItem"},
        {2, "FileOpenItem"},
        {3, "FileSaveItem"},
        {4, "FileSaveAsItem"},
        {5, "FilePrintSetupItem"},
        {6, "AusschneidenSchlerDatensatz1"},
        {7, "KopierenSchlerDatensatz1"},
        {8, "EinfgenSchlerDatensatz1"},
        {9, "HelpContentsItem"},
        {10, "HelpAboutItem"},
        {11, "FileExitItem"},
        {17, "ausgewhlterZeugnistyp1"},
        {18, "Empfangsbekenntnis1"},
        {19, "Seitenansicht1"},
        {21, "aufsteigend1"},
        {22, "absteigend1"},
        {23, "aufsteigend2"},
        {24, "absteigend2"},
        {27, "Mdchenzuerst1"},
        {28, "Jungenzuerst1"},
        {13, "fcherweiseBewertungen1"},
        {14, "FachnotenStatistik1"},
        {12, "SeitenansichtEmpfB1"},
    };
    for (const auto& [n, item] : pairs) {
        const QString button = QStringLiteral("SpeedButton%1").arg(n);
        ASSERT_TRUE(actions.contains(item)) << item;
        EXPECT_EQ(actions.primary(button), actions.action(item)) << item;
        EXPECT_EQ(form_->menuAction(button), actions.action(item)) << item;
    }
    // The help button and the help menu entry open the same help.
    EXPECT_EQ(actions.primary("SpeedButton9"), actions.action("HelpContentsItem"));
    EXPECT_TRUE(actions.isBuilt("HelpContentsItem"));
    // Entries of another menu with a caption of their own run the same command.
    EXPECT_EQ(actions.primary("Seitenansichtzeigen1"), actions.action("Seitenansicht1"));
    EXPECT_EQ(actions.primary("Seitenansichtzeigen2"), actions.action("Seitenansicht1"));
    EXPECT_EQ(actions.primary("VergabederBewertungen1"), actions.action("FcherBewertungsbersicht1"));
    EXPECT_EQ(form_->menuAction("Seitenansichtzeigen1")->text(), "Seitenansicht zeigen");
}

// A later feature gives a command its handler once; every way to the
// command then runs it, and the placeholder no longer does.
TEST_F(MainCommandsTest, AHandlerSetLaterServesMenuEntriesAndSpeedButton)
{
    int runs = 0;
    form_->actions().setHandler(ruvek::ui::Command::CertificatePreview, [&runs] { ++runs; });
    EXPECT_TRUE(form_->actions().isBuilt("SpeedButton19"));
    form_->menuAction("Seitenansicht1")->trigger();
    form_->menuAction("Seitenansichtzeigen1")->trigger();
    form_->menuAction("Seitenansichtzeigen2")->trigger();
    form_->findChild<QToolButton*>("SpeedButton19")->click();
    EXPECT_EQ(runs, 4);
    EXPECT_TRUE(prompter_.log().empty());
}

// Enabled state is the command's; the button keeps the speed bar's hint
// whatever happens to the action.
TEST_F(MainCommandsTest, EnabledStateIsSharedAndHintsStay)
{
    QAction* cut = form_->menuAction("AusschneidenSchlerDatensatz1");
    auto* button = form_->findChild<QToolButton*>("SpeedButton6");
    ASSERT_TRUE(cut && button);
    cut->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    cut->setEnabled(true);
    cut->setText("&Ausschneiden (Schüler-Datensatz)");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), QString::fromUtf8("Schüler-Datensatz ausschneiden"));
    EXPECT_EQ(button->statusTip(), QString::fromUtf8("Schüler-Datensatz ausschneiden"));
    EXPECT_TRUE(cut->statusTip().isEmpty());   // the menu entry has no hint of its own

    QAction* preview = form_->menuAction("Seitenansicht1");
    preview->setEnabled(false);
    EXPECT_FALSE(form_->menuAction("Seitenansichtzeigen2")->isEnabled());
    EXPECT_FALSE(form_->findChild<QToolButton*>("SpeedButton19")->isEnabled());
    preview->setEnabled(true);
    EXPECT_TRUE(form_->menuAction("Seitenansichtzeigen2")->isEnabled());
}

// "Speichern" works at any time, from the menu, the speed button and
// Ctrl+S; a never-saved class goes to Save As.
TEST_F(MainCommandsTest, SaveWorksAtAnyTimeAndANeverSavedClassGoesToSaveAs)
{
    EXPECT_TRUE(form_->saveEnabled());
    EXPECT_EQ(form_->menuAction("FileSaveItem")->shortcut(), QKeySequence(QKeySequence::Save));
    auto* button = form_->findChild<QToolButton*>("SpeedButton3");
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->isEnabled());
    prompter_.files = {std::nullopt};
    button->click();
    ASSERT_EQ(prompter_.dialogs.size(), 1u);
    EXPECT_EQ(prompter_.dialogs[0].proposedName, "unbekannte Klasse.RVK");
}

TEST_F(MainCommandsTest, EveryCommandNotBuiltYetSaysSo)
{
    const ruvek::ui::ActionRegistry& actions = form_->actions();
    int tried = 0;
    for (const QString& name : actions.names()) {
        if (actions.isBuilt(name) || !reachable(name))
            continue;
        prompter_.clearLog();
        form_->menuAction(name)->trigger();
        EXPECT_EQ(prompter_.log(), (std::vector<ruvek::test::Shown>{ruvek::test::Shown::information(kNotBuilt)}))
            << name.toStdString();
        ++tried;
    }
    EXPECT_GT(tried, 10);   // fewer as features arrive
    // Hidden entries are not reached at all.
    EXPECT_FALSE(reachable("Wahlpflichtfcherextrahieren1"));
    EXPECT_FALSE(reachable("Fachzensurenlistevorbereiten1"));
    EXPECT_TRUE(reachable("SchlerDatenblatt1"));
}

// Every command of the table is reached by exactly one primary action under
// the table's object name, and once the program's forms are made every
// command has its handler, except the few the menu offers without one.
TEST_F(MainCommandsTest, EveryCommandHasItsActionAndOnceTheFormsAreMadeItsHandler)
{
    using ruvek::ui::Command;
    ruvek::ui::ActionRegistry& actions = form_->actions();
    ruvek::ui::createApplicationForms(*form_);
    QStringList objectNames;
    for (int i = 0; i < ruvek::ui::kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        const QString name = QString::fromLatin1(ruvek::ui::commandName(c));
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(name.isEmpty());
        QAction* primary = actions.action(c);
        ASSERT_TRUE(primary);
        EXPECT_EQ(primary->objectName(), name);
        EXPECT_EQ(actions.primary(name), primary);
        Command found{};
        ASSERT_TRUE(actions.commandOf(name, found));
        EXPECT_EQ(found, c);
        EXPECT_EQ(actions.isBuilt(c), !ruvek::ui::placeholderByDesign(c));
    }
    // Every entry of the table is in the menu bar under its object name and
    // caption, and the menus nest as the table says.
    for (const ruvek::ui::MenuRow& row : ruvek::ui::menuRows()) {
        if (row.kind == ruvek::ui::MenuRow::Item || row.kind == ruvek::ui::MenuRow::Follow) {
            QAction* a = form_->menuAction(QString::fromLatin1(row.objectName));
            ASSERT_TRUE(a) << row.objectName;
            EXPECT_EQ(a->text(), QString::fromUtf8(row.caption)) << row.objectName;
            Command c{};
            ASSERT_TRUE(actions.commandOf(a->objectName(), c));
            EXPECT_EQ(c, row.command) << row.objectName;
            objectNames << a->objectName();
        } else if (row.kind == ruvek::ui::MenuRow::Menu || row.kind == ruvek::ui::MenuRow::Sub) {
            auto* menu = form_->findChild<QMenu*>(QString::fromLatin1(row.objectName));
            ASSERT_TRUE(menu) << row.objectName;
            EXPECT_EQ(menu->title(), QString::fromUtf8(row.caption));
            objectNames << menu->objectName();
        }
    }
    objectNames.removeDuplicates();
    int namedRows = 0;
    for (const ruvek::ui::MenuRow& row : ruvek::ui::menuRows())
        namedRows += row.objectName != nullptr;
    EXPECT_EQ(objectNames.size(), namedRows);   // no object name twice
    // The keys of the table reach their commands.
    EXPECT_EQ(actions.action(Command::Undo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(actions.action(Command::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
}

// At the smallest window size every speed button, the indicator and every
// editor tab can be seen and reached without extension button or scroll arrows.
TEST_F(MainCommandsTest, SmallestWindowShowsEverySpeedButtonAndEditorTab)
{
    form_->klasse().changed = true;
    form_->refreshIndicators();   // the indicator takes its place on the speed bar
    form_->resize(795, 580);
    QApplication::processEvents();
    ASSERT_EQ(form_->size(), QSize(795, 580));

    auto* bar = form_->findChild<QToolBar*>("SpeedBar");
    ASSERT_TRUE(bar);
    for (auto* ext : bar->findChildren<QToolButton*>("qt_toolbar_ext_button"))
        EXPECT_FALSE(ext->isVisible());
    QList<QWidget*> onBar = {form_->findChild<QLineEdit*>("Edit73")};
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 17, 18, 19, 21, 22, 23, 24, 27, 28, 12, 13, 14})
        onBar << form_->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n));
    for (QWidget* w : onBar) {
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_TRUE(bar->rect().contains(w->geometry())) << w->objectName().toStdString();
    }

    auto* editor = form_->findChild<QTabWidget*>("PageControl2");
    ASSERT_TRUE(editor);
    QTabBar* tabs = editor->tabBar();
    for (auto* arrow : tabs->findChildren<QToolButton*>())
        EXPECT_FALSE(arrow->isVisible());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << tabs->tabText(i).toStdString();
    EXPECT_LE(tabs->sizeHint().width(), editor->width());
    EXPECT_EQ(tabs->elideMode(), Qt::ElideNone);

    // Nothing of the data sheet reaches past the window's right edge.
    QWidget* sheet = form_->findChild<QWidget*>("TabSheet1");
    ASSERT_TRUE(sheet);
    for (const char* name : {"ListBox1", "Button4", "Edit1", "Edit2", "Edit3", "Edit4", "PageControl2"}) {
        auto* w = sheet->findChild<QWidget*>(name);
        ASSERT_TRUE(w) << name;
        const QRect onSheet(w->mapTo(sheet, QPoint(0, 0)), w->size());
        EXPECT_TRUE(sheet->rect().contains(onSheet)) << name;
    }

    form_->grab().save(QStringLiteral("/tmp/ui-795x580.png"));
}
