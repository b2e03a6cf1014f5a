// Keeping the work safe, through the main window: the undo entry names the
// last bulk command and takes it back, "Ältere Fassung wiederherstellen …"
// opens a kept version as an unsaved class, and typing not yet stored goes
// into the recovery file that the next start offers. With RUVEK_SCREENSHOTS
// set to a folder, the menu and the dialog are saved as pictures there.
#include "classfile/RecoveryFile.h"
#include "classfile/VersionBackups.h"
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/TFassungenForm.h"
#include "ui/mainwindow/WorkProtection.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::ScriptedPrompter;
using ruvek::ui::TMainForm;

namespace {

void screenshot(QWidget* w, const char* name)
{
    if (const char* folder = std::getenv("RUVEK_SCREENSHOTS"))
        w->grab().save(QString::fromUtf8(folder) + "/" + name);
}

std::vector<std::string> namesOf(const ruvek::OpenClass& k)
{
    std::vector<std::string> out;
    for (const auto& r : k.records)
        out.push_back(ruvek::cp1252ToUtf8(r.Name.str()));
    return out;
}

class WorkProtectionGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        programFolder_ = fs::temp_directory_path() / ("ruvek-protect-" + std::to_string(std::random_device{}()));
        fs::create_directories(programFolder_);
    }
    void TearDown() override
    {
        forms_.clear();
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }
    TMainForm& start(ScriptedPrompter& prompter)
    {
        forms_.push_back(std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &prompter}));
        TMainForm& form = *forms_.back();
        ruvek::ui::createApplicationForms(form);
        form.state().settings.prog.ZeigeGeloeschte = 1;
        form.state().settings.prog.InfoHinweise = 0;
        form.resize(1000, 700);
        form.show();
        return form;
    }
    void setNames(TMainForm& form, std::vector<const char*> names)
    {
        ruvek::OpenClass& k = form.klasse();
        const ruvek::TZgnRec fresh = k.records[0];
        k.records.clear();
        for (const char* n : names) {
            k.records.push_back(fresh);
            k.records.back().Name = ruvek::utf8ToCp1252(n);
        }
        k.current = 0;
        form.showCurrentRecord();
    }
    fs::path dataFolder() const { return programFolder_ / "Daten"; }

    ScriptedPrompter prompter_;
    fs::path programFolder_;
    std::vector<std::unique_ptr<TMainForm>> forms_;
};

TEST_F(WorkProtectionGuiTest, UndoEntryNamesTheLastBulkCommandAndTakesItBack)
{
    TMainForm& form = start(prompter_);
    setNames(form, {"Zander", "adam", "Berg"});
    QAction* undo = form.menuAction(QStringLiteral("EditUndoItem"));
    QAction* redo = form.menuAction(QStringLiteral("EditRedoItem"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));

    form.menuAction(QStringLiteral("aufsteigend1"))->trigger();
    form.menuAction(QStringLiteral("absteigend1"))->trigger();
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: Sortieren nach Namen (absteigend)"));
    undo->trigger();
    EXPECT_EQ(namesOf(form.klasse()), (std::vector<std::string>{"adam", "Berg", "Zander"}));
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: Sortieren nach Namen"));
    EXPECT_EQ(redo->text(), QStringLiteral("&Wiederherstellen: Sortieren nach Namen (absteigend)"));

    // The menu as the user sees it.
    QMenu* bearbeiten = form.menuBar()->findChild<QMenu*>(QStringLiteral("Bearbeiten1"));
    ASSERT_NE(bearbeiten, nullptr);
    bearbeiten->popup(form.mapToGlobal(QPoint(60, 20)));
    QApplication::processEvents();
    screenshot(bearbeiten, "bearbeiten-rueckgaengig.png");
    bearbeiten->hide();

    undo->trigger();
    EXPECT_EQ(namesOf(form.klasse()), (std::vector<std::string>{"Zander", "adam", "Berg"}));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(form.klasse().changed);
    redo->trigger();
    EXPECT_EQ(namesOf(form.klasse()), (std::vector<std::string>{"adam", "Berg", "Zander"}));
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(WorkProtectionGuiTest, OlderVersionOpensFromTheDialogAsAnUnsavedClass)
{
    TMainForm& form = start(prompter_);
    setNames(form, {"Anna", "Bernd"});
    ruvek::OpenClass& k = form.klasse();
    const fs::path file = dataFolder() / "7a.RVK";
    ASSERT_TRUE(ruvek::writeClassFile(file, ruvek::newFileHeader(k.count()), k.records));
    ASSERT_TRUE(k.openFile(file, prompter_));
    EXPECT_TRUE(fs::exists(dataFolder() / "7a.RVK.$LK"));
    for (const char* name : {"Annette", "Anne"}) {
        k.records[0].Name = name;
        form.showCurrentRecord();
        form.FileSave();
    }
    ASSERT_EQ(ruvek::listKeptVersions(file).size(), 2u);

    // The dialog: the older of the two versions ("Anna") is chosen.
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ruvek::ui::TFassungenForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialogSeen = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ältere Fassung wiederherstellen"));
        ASSERT_EQ(dialog->grid()->rowCount(), 2);
        EXPECT_EQ(dialog->grid()->item(0, 2)->text(), QStringLiteral("2"));
        screenshot(dialog, "aeltere-fassung.png");
        dialog->grid()->selectRow(1);
        dialog->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
    });
    form.menuAction(QStringLiteral("FileRestoreVersionItem"))->trigger();
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(namesOf(k), (std::vector<std::string>{"Anna", "Bernd"}));
    EXPECT_TRUE(k.isUnsaved());
    EXPECT_TRUE(k.changed);
    // (Showing the restored record may first tell that its subjects were laid out anew.)
    EXPECT_TRUE(prompter_.questions().empty());
    EXPECT_NE(prompter_.last().text.find("als neue, noch nicht gespeicherte Klasse geöffnet"),
              std::string::npos);
    // Nothing was overwritten; the lock of the class left is gone.
    ruvek::ClassFileContent onDisk;
    ASSERT_EQ(ruvek::readClassFile(file, onDisk), ruvek::ReadError::None);
    EXPECT_EQ(ruvek::cp1252ToUtf8(onDisk.records[0].Name.str()), "Anne");
    EXPECT_FALSE(fs::exists(dataFolder() / "7a.RVK.$LK"));
}

TEST_F(WorkProtectionGuiTest, TypingGoesIntoTheRecoveryFileWhichTheNextStartOffers)
{
    TMainForm& first = start(prompter_);
    EXPECT_EQ(first.protection().recoveryTimer()->interval(), 120000);
    EXPECT_TRUE(first.protection().recoveryTimer()->isActive());
    EXPECT_FALSE(first.protection().writeRecoveryNow());   // nothing unsaved yet

    auto* edit5 = first.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    ASSERT_NE(edit5, nullptr);
    edit5->setFocus();
    edit5->selectAll();
    QTest::keyClicks(edit5, "Krause");
    ASSERT_TRUE(first.protection().writeRecoveryNow());
    // The typing is untouched: still in the field, not yet in the record.
    EXPECT_EQ(edit5->text(), QStringLiteral("Krause"));
    EXPECT_TRUE(edit5->isUndoAvailable());
    EXPECT_EQ(first.klasse().records[0].Name, "???");

    // The first program "crashes": its recovery file stays. The next start offers it.
    const fs::path recovery = dataFolder() / "Vorgabe.RVK.$WH";
    ASSERT_TRUE(fs::exists(recovery));
    ScriptedPrompter second;
    second.choices = {0};   // "Wiederherstellen"
    TMainForm& next = start(second);
    ASSERT_EQ(second.questions().size(), 1u);
    EXPECT_NE(second.questions()[0].text.find("nicht ordnungsgemäß beendet"), std::string::npos);
    EXPECT_EQ(namesOf(next.klasse()), std::vector<std::string>{"Krause"});
    EXPECT_TRUE(next.klasse().changed);
    EXPECT_TRUE(next.changedIndicatorVisible());
}

TEST_F(WorkProtectionGuiTest, RecoveryBesideAClassFromAnotherFolderIsOfferedToo)
{
    const fs::path elsewhere = programFolder_ / "anderswo";
    fs::create_directories(elsewhere);
    fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", elsewhere / "8b.RVK");
    TMainForm& first = start(prompter_);
    ASSERT_TRUE(first.klasse().fileOpen(elsewhere / "8b.RVK", prompter_));
    auto* edit5 = first.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    ASSERT_NE(edit5, nullptr);
    edit5->setFocus();
    edit5->selectAll();
    QTest::keyClicks(edit5, "Umbenannt");
    ASSERT_TRUE(first.protection().writeRecoveryNow());
    ASSERT_TRUE(fs::exists(elsewhere / "8b.RVK.$WH"));

    // The first program "crashes"; the next start looks in its own data folder
    // and in the folder it was told about.
    ScriptedPrompter second;
    second.choices = {0};   // "Wiederherstellen"
    TMainForm& next = start(second);
    ASSERT_EQ(second.questions().size(), 1u);
    EXPECT_EQ(next.klasse().filePath(), elsewhere / "8b.RVK");
    EXPECT_EQ(namesOf(next.klasse())[0], "Umbenannt");
}

// Started with the class file (a double-click) after a crash: the class's
// recovery file is offered first, and once restored nothing reads the file
// over it. The recovery file survives every end that did not save it.
TEST_F(WorkProtectionGuiTest, StartedWithTheClassFileRestoredWorkIsNeitherReadOverNorLost)
{
    const fs::path elsewhere = programFolder_ / "anderswo";
    fs::create_directories(elsewhere);
    const fs::path classFile = elsewhere / "8b.RVK";
    fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", classFile);
    TMainForm& first = start(prompter_);
    ASSERT_TRUE(first.klasse().fileOpen(classFile, prompter_));
    auto* edit5 = first.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    edit5->setFocus();
    edit5->selectAll();
    QTest::keyClicks(edit5, "Umbenannt");
    ASSERT_TRUE(first.protection().writeRecoveryNow());
    const fs::path recovery = elsewhere / "8b.RVK.$WH";

    const auto startWith = [&](ScriptedPrompter& p) -> TMainForm& {
        forms_.push_back(std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &p}));
        TMainForm& form = *forms_.back();
        ruvek::ui::createApplicationForms(form);
        form.state().settings.prog.InfoHinweise = 0;
        form.startupFile = classFile;
        form.show();
        form.openStartupFile();
        return form;
    };
    ScriptedPrompter second;
    second.choices = {0};   // "Wiederherstellen"
    TMainForm& next = startWith(second);
    ASSERT_EQ(second.questions().size(), 1u) << "only the recovery offer, no question to discard it";
    EXPECT_EQ(next.klasse().filePath(), classFile);
    EXPECT_EQ(namesOf(next.klasse())[0], "Umbenannt");
    EXPECT_TRUE(next.klasse().changed);

    // Quit without saving: the recovery file stays for the next start.
    second.answers = {true};                        // end the program: yes
    second.choices = {ruvek::kChoiceDontSave};      // "Nicht speichern"
    EXPECT_TRUE(next.FormClose());
    EXPECT_TRUE(fs::exists(recovery));

    ScriptedPrompter third;
    third.choices = {0};
    TMainForm& last = startWith(third);
    EXPECT_EQ(namesOf(last.klasse())[0], "Umbenannt");
    ASSERT_TRUE(last.klasse().fileSave(third));
    EXPECT_FALSE(fs::exists(recovery));
    ruvek::ClassFileContent saved;
    ASSERT_EQ(ruvek::readClassFile(classFile, saved), ruvek::ReadError::None);
    EXPECT_EQ(ruvek::cp1252ToUtf8(saved.records[0].Name.str()), "Umbenannt");
}

// Logout, shutdown or kill: typing not yet stored goes into the recovery
// file, the lock goes, and the window closes without asking.
TEST_F(WorkProtectionGuiTest, EndedByASignalTheWorkIsInTheRecoveryFileAndNoLockIsLeft)
{
    const fs::path classFile = dataFolder() / "8b.RVK";
    fs::create_directories(dataFolder());
    fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", classFile);
    TMainForm& form = start(prompter_);
    ASSERT_TRUE(form.klasse().fileOpen(classFile, prompter_));
    ASSERT_TRUE(fs::exists(ruvek::lockPathFor(classFile)));
    auto* edit5 = form.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    edit5->setFocus();
    edit5->selectAll();
    QTest::keyClicks(edit5, "Getippt");

    form.endBySignal();
    EXPECT_TRUE(form.FormClose()) << "no question when the session ends by a signal";
    EXPECT_FALSE(fs::exists(ruvek::lockPathFor(classFile)));
    ruvek::ClassFileContent saved;
    ASSERT_EQ(ruvek::readClassFile(ruvek::recoveryPathFor(classFile), saved), ruvek::ReadError::None);
    EXPECT_EQ(ruvek::cp1252ToUtf8(saved.records[0].Name.str()), "Getippt");
    forms_.clear();   // the window going away must not take the recovery file with it
    EXPECT_TRUE(fs::exists(ruvek::recoveryPathFor(classFile)));
}

// Delete a student and at once remove the deleted ones, with deleted
// students left out of the list: the next student keeps her own data, and
// list and counter agree after the delete.
TEST_F(WorkProtectionGuiTest, RemovingRightAfterADeleteNeverOverwritesTheNextStudent)
{
    TMainForm& form = start(prompter_);
    form.state().settings.prog.ZeigeGeloeschte = 0;
    form.state().settings.prog.DarfLoeschen = 1;
    form.afterProgramSettingsOk();
    setNames(form, {"Zacharias", "Zander", "Zimmermann"});
    ruvek::OpenClass& k = form.klasse();
    for (std::size_t i = 0; i < k.records.size(); ++i)
        k.records[i].SchlNr = static_cast<std::int32_t>(471123 + i);
    k.current = 1;
    form.showCurrentRecord();

    prompter_.answers = {true};   // "Wollen Sie diesen Datensatz löschen?"
    auto* minus = form.findChild<QAbstractButton*>(QStringLiteral("Button7"));
    ASSERT_NE(minus, nullptr);
    minus->click();
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Edit5"))->text(), QStringLiteral("Zimmermann"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Edit12"))->text(), QStringLiteral("2"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Edit13"))->text(), QStringLiteral("2"));
    // Her record as her own form stores it (what the removal stores first).
    form.storeForm();
    const auto zimmermann = ruvek::toBytes(k.records[2]);
    EXPECT_EQ(k.records[2].SchlNr, 471125);

    prompter_.answers = {true};   // remove the deleted ones for good
    form.menuAction(QStringLiteral("gelschteDatenstzeentgltigentfernen1"))->trigger();
    ASSERT_EQ(namesOf(k), (std::vector<std::string>{"Zacharias", "Zimmermann"}));
    EXPECT_EQ(ruvek::toBytes(k.records[1]), zimmermann);
}

// Saving is obvious: Ctrl+S while typing stores the form and saves, the
// status bar says so; a second Ctrl+S without edits writes nothing (no
// version used up), and ending the program then asks nothing about changes.
TEST_F(WorkProtectionGuiTest, CtrlSSavesTheTypingAndAfterwardsNothingCountsAsChanged)
{
    const fs::path classFile = dataFolder() / "8b.RVK";
    fs::create_directories(dataFolder());
    fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", classFile);
    TMainForm& form = start(prompter_);
    form.state().settings.schule.Schultyp = ruvek::toInt(ruvek::SchoolType::RegionaleSchule);
    form.afterProgramSettingsOk();
    ASSERT_TRUE(form.klasse().fileOpen(classFile, prompter_));
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* edit5 = form.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    edit5->setFocus();
    edit5->selectAll();
    QTest::keyClicks(edit5, "Gespeichert");
    QTest::keySequence(edit5, QKeySequence::Save);

    ruvek::ClassFileContent saved;
    ASSERT_EQ(ruvek::readClassFile(classFile, saved), ruvek::ReadError::None);
    EXPECT_EQ(ruvek::cp1252ToUtf8(saved.records[0].Name.str()), "Gespeichert");
    EXPECT_TRUE(form.statusPanelText(0).startsWith(QStringLiteral("Gespeichert: 8b.RVK")));
    const auto versions = ruvek::listKeptVersions(classFile).size();

    QTest::keySequence(edit5, QKeySequence::Save);
    EXPECT_EQ(ruvek::listKeptVersions(classFile).size(), versions);
    EXPECT_TRUE(form.statusPanelText(0).startsWith(QStringLiteral("Keine Änderungen")));

    prompter_.clearLog();
    prompter_.answers = {true};   // "Wollen Sie das Programm jetzt wirklich beenden?" - and nothing else
    EXPECT_TRUE(form.FormClose());
    EXPECT_EQ(prompter_.log().size(), 1u);
}

} // namespace
