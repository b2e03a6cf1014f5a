// The export, import and backup dialogs, their commands in the main
// window, and the read-aloud buttons of the subjects page.
#include "settings/DataBackup.h"
#include "settings/FormFileCopies.h"
#include "ui/ProgressPrompter.h"
#include "ui/QtPrompter.h"
#include "ui/editor/ReadAloudWiring.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/settings/DatSichForm.h"
#include "ui/settings/EinstExpForm.h"
#include "ui/settings/EinstImpForm.h"
#include "ui/settings/FolderChooser.h"
#include "ui/settings/TransferItemBoxes.h"

#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace ruvek::ui {
namespace {
namespace fs = std::filesystem;
using test::ScriptedPrompter;
using test::Shown;

void put(const fs::path& p, const std::string& content)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

class TransferDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("ruvek-transferform-" + std::to_string(std::random_device{}()));
        settings.programFolder = root / "prog";
        settings.dataFolder = root / "prog" / "Daten";
        stick = root / "stick";
        fs::create_directories(settings.dataFolder);
        fs::create_directories(stick);
    }
    void TearDown() override { fs::remove_all(root); }

    template <class W>
    static W* child(QWidget& form, const char* name)
    {
        auto* w = form.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void screenshot(QWidget& w, const QString& name)
    {
        const QString dir = qEnvironmentVariable("RUVEK_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            w.grab().save(dir + "/" + name + ".png");
    }

    fs::path root, stick;
    Settings settings;
    ScriptedPrompter prompter;
};

TEST_F(TransferDialogs, ExportDialogShowsItemsAndCopiesIntoTheChosenFolder)
{
    put(settings.programFolder / "SCHEINST.DAT", "schule");
    put(settings.programFolder / "WPflFach.DAT", "liste");
    TEinstExpForm form(settings, prompter);
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Export der Einstellungen"));
    const std::pair<const char*, bool> checks[] = {{"CheckBox1", true}, {"CheckBox2", false}, {"CheckBox3", true},
                                                   {"CheckBox4", true}, {"CheckBox5", true},  {"CheckBox7", false},
                                                   {"CheckBox8", false}};
    for (const auto& [name, on] : checks)
        EXPECT_EQ(child<QCheckBox>(form, name)->isChecked(), on) << name;
    EXPECT_EQ(child<QPushButton>(form, "Button1")->text(), QStringLiteral("OK   (Exportieren)"));
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), toQString(settings.programFolder));
    EXPECT_EQ(child<QLineEdit>(form, "Edit2")->text(), toQString(settings.dataFolder));
    form.resize(640, 440);
    screenshot(form, "einstellungen-export");

    form.target().setFolder(stick);
    form.Button1Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(stick / "SCHEINST.DAT"));
    EXPECT_TRUE(fs::exists(stick / "WPflFach.DAT"));
    ASSERT_EQ(prompter.log().size(), 1u);
    EXPECT_EQ(prompter.last().kind, MessageKind::Information);

    form.FormShow();
    form.target().setFolder(settings.programFolder);
    form.Button1Click();
    EXPECT_EQ(prompter.last(), Shown::error(kMsgSelfCopy));
}

TEST_F(TransferDialogs, ImportDialogTargets)
{
    put(stick / "RVKEINST.DAT", "programm");
    TEinstImpForm form(settings, prompter);
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Import der Einstellungen"));
    EXPECT_TRUE(child<QCheckBox>(form, "CheckBox2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(form, "CheckBox5")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, "CheckBox9")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(form, "CheckBox10")->isEnabled());   // ZentralListen 1
    EXPECT_EQ(child<QLineEdit>(form, "Edit2")->text(), QStringLiteral(" = Programm-Ordner"));

    settings.prog.ZentralListen = 0;
    form.FormShow();
    EXPECT_TRUE(child<QCheckBox>(form, "CheckBox10")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(form, "Edit2")->text(), toQString(settings.dataFolder));
    child<QCheckBox>(form, "CheckBox10")->setChecked(true);
    form.resize(640, 460);
    screenshot(form, "einstellungen-import");
    form.source().setFolder(stick);
    form.Button1Click();
    EXPECT_TRUE(fs::exists(settings.programFolder / "RVKEINST.DAT"));
    EXPECT_TRUE(fs::exists(settings.dataFolder / "RVKEINST.DAT"));
    EXPECT_EQ(form.lastResult().written.size(), 2u);
}

// A message during the backup (a copy that failed) stands alone: the
// progress window is away while it is shown and comes back afterwards.
TEST(ProgressPrompter, MessagesShowWithoutTheProgressWindow)
{
    QProgressDialog progress(QStringLiteral("Datensicherung läuft ..."), QStringLiteral("Abbrechen"), 0, 10);
    progress.show();
    struct Watching : ScriptedPrompter {
        QWidget* watched = nullptr;
        std::vector<bool> visibleAtMessage;
        void tell(MessageKind kind, const std::string& text) override
        {
            visibleAtMessage.push_back(watched->isVisible());
            ScriptedPrompter::tell(kind, text);
        }
        bool askYesNo(const std::string& text, MessageKind kind) override
        {
            visibleAtMessage.push_back(watched->isVisible());
            return ScriptedPrompter::askYesNo(text, kind);
        }
    } inner;
    inner.watched = &progress;
    inner.answers = {true};
    ProgressPrompter prompter(inner, &progress);
    prompter.error("Die Kopie von\nx\nstimmt nicht mit dem Original überein!");
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(prompter.askYesNo("Überschreiben?"));
    EXPECT_EQ(inner.visibleAtMessage, (std::vector<bool>{false, false}));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(progress.wasCanceled());
    progress.hide();
    prompter.warning("danach");
    EXPECT_FALSE(progress.isVisible()) << "a hidden progress window stays hidden";
}

TEST_F(TransferDialogs, BackupDialogSavesMakesFoldersAndCancels)
{
    put(settings.dataFolder / "7a.RVK", "klasse");
    TDatSichForm form(settings, prompter);
    form.date = [] { return std::string("2026-05-04"); };
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("vollständige Datensicherung"));
    EXPECT_EQ(child<QCheckBox>(form, "CheckBox1")->text(), QStringLiteral("vorhandene Daten überschreiben"));
    EXPECT_EQ(child<QPushButton>(form, "Button3")->text(), QStringLiteral("neuen Ordner erstellen ..."));

    form.target().setFolder(stick);
    form.Button3Click();
    EXPECT_EQ(form.target().folder(), stick / "Neuer Ordner");
    EXPECT_TRUE(fs::is_directory(stick / "Neuer Ordner"));
    form.resize(540, 480);
    screenshot(form, "datensicherung");

    form.Button1Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(stick / "Neuer Ordner" / "Ruvek-Datensicherung 2026-05-04" / "7a.RVK"));
    EXPECT_EQ(prompter.last(), Shown::information(backupReport(form.lastResult())));

    form.FormShow();
    form.Button2Click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// ---- in the main window ----

class FakeSpeech : public editor::SpeechEngine {
public:
    explicit FakeSpeech(bool german, std::vector<std::string>& log) : german_(german), log_(log) {}
    bool hasGermanVoice() override { return german_; }
    void say(const QString& t) override { log_.push_back("say " + t.toStdString()); }
    void stop() override { log_.push_back("stop"); }
    void pause() override { log_.push_back("pause"); }
    void resume() override { log_.push_back("resume"); }

private:
    bool german_;
    std::vector<std::string>& log_;
};

class TransferInMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = fs::temp_directory_path() / ("ruvek-transfermain-" + std::to_string(std::random_device{}()));
        fs::create_directories(program);
        form = std::make_unique<TMainForm>(MainFormSetup{program, &prompter});
        createApplicationForms(*form);
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(program);
    }
    QToolButton* button(const char* name) { return form->findChild<QToolButton*>(name); }
    std::vector<bool> states()
    {
        return {button("SpeedButton15")->isEnabled(), button("SpeedButton20")->isEnabled(),
                button("SpeedButton20")->isChecked(), button("SpeedButton16")->isEnabled()};
    }

    fs::path program;
    ScriptedPrompter prompter;
    std::vector<std::string> spoken;   // what the silent engine was told, in order
    std::unique_ptr<TMainForm> form;
};

TEST_F(TransferInMainWindow, CommandsAreBuiltAndFormCopiesCanBeDeleted)
{
    for (const char* name : {"exportieren1", "importieren1", "desFormulardruckslschen1", "vollstndigeDatensicherung1"})
        EXPECT_TRUE(form->actions().isBuilt(QString::fromLatin1(name))) << name;
    const fs::path data = form->state().settings.dataFolder;
    put(data / "Anl001.FST", "kopie");
    put(program / "Anl001.FST", "original");
    prompter.answers = {true};
    form->menuAction("desFormulardruckslschen1")->trigger();
    EXPECT_EQ(prompter.last(), Shown::question(kMsgDeleteFormCopies));
    EXPECT_FALSE(fs::exists(data / "Anl001.FST"));
    EXPECT_TRUE(fs::exists(program / "Anl001.FST"));
}

TEST_F(TransferInMainWindow, ReadAloudButtonStates)
{
    auto* readAloud = form->findChild<editor::ReadAloud*>("ReadAloud");
    ASSERT_NE(readAloud, nullptr);
    readAloud->setEngine(std::make_unique<FakeSpeech>(false, spoken));
    spoken.clear();
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, false}));
    button("SpeedButton15")->click();
    EXPECT_EQ(prompter.last(), Shown::error(editor::kMsgNoGermanVoice));
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, false}));

    readAloud->setEngine(std::make_unique<FakeSpeech>(true, spoken));
    spoken.clear();
    button("SpeedButton15")->click();
    EXPECT_EQ(states(), (std::vector<bool>{false, true, false, true}));
    ASSERT_EQ(spoken.size(), 1u);
    EXPECT_EQ(spoken[0].rfind("say ", 0), 0u);
    button("SpeedButton20")->click();
    EXPECT_EQ(states(), (std::vector<bool>{false, true, true, true}));
    button("SpeedButton20")->click();
    button("SpeedButton20")->click();
    button("SpeedButton16")->click();
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(std::vector<std::string>(spoken.begin() + 1, spoken.end()),
              (std::vector<std::string>{"pause", "resume", "pause", "stop"}));
}

} // namespace
} // namespace ruvek::ui
