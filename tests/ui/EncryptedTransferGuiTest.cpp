// The encrypted transfer in the main window: "Öffnen" of a *.rvkx file asks
// the password and shows the class as a never-saved class; the password
// dialog lets OK through only for a password that meets the rules, typed
// twice; the backup dialog's "verschlüsselt" writes one container. With
// RUVEK_SCREENSHOTS set to a folder, the password dialog and the restore
// list are saved as pictures there.
#include "common/SafeFile.h"
#include "settings/DataBackup.h"
#include "support/ScriptedPrompter.h"
#include "transfer/ClassTransfer.h"
#include "transfer/Container.h"
#include "ui/PasswordDialog.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/settings/DatSichForm.h"
#include "ui/settings/FolderChooser.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::ScriptedPrompter;
using ruvek::ui::TMainForm;

namespace {

const std::string kPassword = "Kreide-Tafel-42";

void screenshot(QWidget& w, const char* name)
{
    if (const char* folder = std::getenv("RUVEK_SCREENSHOTS"))
        w.grab().save(QString::fromUtf8(folder) + "/" + name);
}

class EncryptedTransferGui : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("ruvek-crypt-gui-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "Programm");
        fs::create_directories(root_ / "Stick");
    }
    void TearDown() override
    {
        form_.reset();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    TMainForm& start()
    {
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{root_ / "Programm", &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.prog.InfoHinweise = 0;
        form_->state().settings.prog.ZeigeGeloeschte = 1;
        form_->resize(1000, 700);
        form_->show();
        return *form_;
    }
    std::map<std::string, int> filesIn(const fs::path& folder) const
    {
        std::map<std::string, int> out;
        for (const auto& e : fs::recursive_directory_iterator(folder))
            if (e.is_regular_file())
                ++out[e.path().lexically_relative(folder).string()];
        return out;
    }

    fs::path root_;
    ScriptedPrompter prompter_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(EncryptedTransferGui, OpenAsksThePasswordAndShowsTheClassUnsaved)
{
    std::vector<std::uint8_t> klasse;
    ASSERT_TRUE(ruvek::readWholeFile(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Beispielklasse.RVK", klasse));
    const ruvek::SealOutcome sealed = ruvek::sealContainer(ruvek::ContainerKind::Class, {{"7a.RVK", klasse}}, kPassword,
                                                           ruvek::KeyDerivation::testMinimum());
    ASSERT_TRUE(sealed);
    const fs::path container = root_ / "Stick" / "7a.rvkx";
    ASSERT_TRUE(ruvek::writeFileSafely(container, sealed.bytes));

    TMainForm& form = start();
    EXPECT_TRUE(form.actions().isBuilt(QStringLiteral("FileEncryptedTransferItem")));
    EXPECT_TRUE(form.actions().isBuilt(QStringLiteral("BackupRestoreItem")));
    EXPECT_EQ(form.menuAction(QStringLiteral("FileEncryptedTransferItem"))->text(),
              QStringLiteral("Verschlüsselt weitergeben …"));

    prompter_.files = {container};
    prompter_.passwords = {ruvek::PasswordAnswer{"Kreide-Tafel-24", false}, ruvek::PasswordAnswer{kPassword, false}};
    form.menuAction(QStringLiteral("FileOpenItem"))->trigger();

    EXPECT_EQ(prompter_.dialogs.front().filter, ruvek::kOpenFilterWithContainers);
    ASSERT_EQ(prompter_.passwordRequests.size(), 2u);
    EXPECT_FALSE(prompter_.passwordRequests[0].newPassword);
    EXPECT_EQ(prompter_.messages().front().text, "Das Kennwort ist falsch oder die Datei ist beschädigt.");
    ruvek::OpenClass& k = form.klasse();
    EXPECT_EQ(k.records.size(), 25u);
    EXPECT_TRUE(k.isUnsaved());
    EXPECT_EQ(form.statusPanelText(1), QStringLiteral("Vorgabe.RVK"));
    EXPECT_TRUE(form.changedIndicatorVisible());
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 25);
    EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("Albrecht"))) << list->item(0)->text().toStdString();
    // The decrypted class is in memory only.
    EXPECT_EQ(filesIn(root_ / "Stick"), (std::map<std::string, int>{{"7a.rvkx", 1}}));

    // "Speichern" asks where, proposing the class's name.
    prompter_.files = {std::nullopt};
    form.actions().run(ruvek::ui::Command::FileSave);
    EXPECT_EQ(prompter_.dialogs.back().title, "Speichern unter");
    EXPECT_EQ(prompter_.dialogs.back().proposedName, "7a.RVK");
    prompter_.clearLog();
}

TEST_F(EncryptedTransferGui, PasswordDialogNeedsTwoEqualEntriesOfTenCharacters)
{
    ruvek::PasswordRequest request;
    request.title = ruvek::kTransferTitle;
    request.text = "Die Klasse \"7a.RVK\" wird mit einem Kennwort verschlüsselt.\n"
                   "Geben Sie das Kennwort zweimal ein (mindestens 10 Zeichen).";
    request.newPassword = true;
    request.optionText = "auch die älteren Fassungen mitgeben (3 im Ordner \"Sicherungen\")";
    ruvek::ui::PasswordDialog dialog(request);
    dialog.show();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.first()->echoMode(), QLineEdit::Password);

    QTest::keyClicks(dialog.first(), "Kreide");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.strengthLabel()->text().startsWith(QStringLiteral("Stärke: zu kurz")));
    QTest::keyClicks(dialog.first(), "-Tafel-42");
    QTest::keyClicks(dialog.second(), "Kreide-Tafel-4");
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "the entries differ";
    QTest::keyClicks(dialog.second(), "2");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.strengthLabel()->text().startsWith(QStringLiteral("Stärke: stark")))
        << dialog.strengthLabel()->text().toStdString();
    auto* option = dialog.findChild<QCheckBox*>(QStringLiteral("Option"));
    ASSERT_NE(option, nullptr);
    option->setChecked(true);
    screenshot(dialog, "kennwort-dialog.png");
    EXPECT_EQ(dialog.answer().password, kPassword);
    EXPECT_TRUE(dialog.answer().option);

    ruvek::ListRequest list;
    list.title = "Sicherung wiederherstellen";
    list.text = "Die Datensicherung \"Ruvek-Datensicherung 2026-05-04.rvkx\" enthält 4 Dateien.\n"
                "Im nächsten Schritt wählen Sie den Ordner, in den sie geschrieben werden;\n"
                "vorhandene Dateien werden nur nach Rückfrage ersetzt.";
    list.items = {"7a.RVK  (148 KB)", "7a.$KL  (148 KB)", "Sicherungen/7a 2026-12-10 14-03-22.RVK  (148 KB)",
                  "Programm-Ordner/SCHEINST.DAT  (1 KB)"};
    list.acceptButton = "Wiederherstellen …";
    ruvek::ui::FileListDialog listDialog(list);
    listDialog.show();
    EXPECT_EQ(listDialog.list()->count(), 4);
    screenshot(listDialog, "wiederherstellen-liste.png");
}

TEST_F(EncryptedTransferGui, BackupDialogWritesOneEncryptedFile)
{
    TMainForm& form = start();
    ruvek::Settings& settings = form.state().settings;
    fs::create_directories(settings.dataFolder);
    ASSERT_TRUE(ruvek::writeFileSafely(settings.dataFolder / "7a.RVK", std::vector<std::uint8_t>{1, 2, 3}));
    ruvek::ui::TDatSichForm& dialog = *form.forms().datSich;
    dialog.date = [] { return std::string("2026-05-04"); };
    dialog.FormShow();
    dialog.target().setFolder(root_ / "Stick");
    ASSERT_NE(dialog.encryptedBox(), nullptr);
    dialog.encryptedBox()->setChecked(true);
    prompter_.passwords = {ruvek::PasswordAnswer{kPassword, false}};
    dialog.Button1Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const fs::path file = root_ / "Stick" / "Ruvek-Datensicherung 2026-05-04.rvkx";
    EXPECT_EQ(filesIn(root_ / "Stick"), (std::map<std::string, int>{{file.filename().string(), 1}}));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ruvek::readWholeFile(file, bytes));
    const ruvek::ContainerRead opened = ruvek::openContainer(bytes, kPassword);
    ASSERT_TRUE(opened) << opened.message();
    EXPECT_EQ(opened.header.kind, ruvek::ContainerKind::Backup);
    EXPECT_EQ(opened.header.kdf.memlimit, ruvek::KeyDerivation::program().memlimit);
    bool found = false;
    for (const auto& f : opened.files)
        found = found || (f.name == "7a.RVK" && f.bytes == std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_TRUE(found);
    EXPECT_NE(prompter_.last().text.find("verschlüsselte Datensicherung"), std::string::npos);
}

} // namespace
