// The transfer commands as the program runs them, with a scripted prompter:
// a class handed on encrypted opens again as a never-saved class without a
// single new file on disk, a wrong password is said and asked again, and an
// encrypted backup restores into a chosen folder only after asking before
// each replacement. Containers are sealed with the smallest key limits.
#include "transfer/ClassTransfer.h"
#include "transfer/EncryptedBackup.h"

#include "classfile/VersionBackups.h"
#include "common/Cp1252.h"
#include "common/SafeFile.h"
#include "settings/FileCopy.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>

namespace ruvek {
namespace {
namespace fs = std::filesystem;
using test::ScriptedPrompter;

const std::string kPassword = "Kreide-Tafel-42";

class Folder {
public:
    Folder()
    {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("ruvek-transfer-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const std::string& n) const { return path_ / n; }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::map<std::string, std::vector<std::uint8_t>> tree(const fs::path& folder)
{
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) {
            std::vector<std::uint8_t> bytes;
            readWholeFile(e.path(), bytes);
            out[e.path().lexically_relative(folder).generic_string()] = bytes;
        }
    return out;
}

void put(const fs::path& p, const std::string& content)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

fs::path example() { return fs::path(RUVEK_SOURCE_DIR) / "data" / "examples" / "Beispielklasse.RVK"; }

std::vector<std::string> surnames(const TDB2& records)
{
    std::vector<std::string> out;
    for (const TZgnRec& r : records)
        out.push_back(cp1252ToUtf8(r.Name.view()));
    return out;
}

PasswordAnswer password(const std::string& p, bool option = false) { return {p, option}; }

TEST(ClassTransfer, HandedOnAndOpenedAgainAsANeverSavedClassWithoutAnyFileOnDisk)
{
    Folder school;
    Folder home;
    fs::copy_file(example(), school / "7a.RVK");
    ScriptedPrompter prompter;
    OpenClass sender({}, school.path());
    prompter.files = {school / "7a.RVK"};
    ASSERT_TRUE(sender.fileOpen(prompter));
    sender.records[1].Name = utf8ToCp1252("Geändert");   // unsaved: goes along as the window shows it
    sender.changed = true;

    prompter.passwords = {password(kPassword)};
    prompter.files = {home / "7a"};   // the extension is added
    ASSERT_TRUE(encryptOpenClass(sender, prompter, KeyDerivation::testMinimum()));
    ASSERT_EQ(prompter.passwordRequests.size(), 1u);
    EXPECT_EQ(prompter.dialogs.back().proposedName, "7a.rvkx");
    EXPECT_EQ(prompter.dialogs.back().filter, kContainerFilter);
    ASSERT_TRUE(fs::exists(home / "7a.rvkx"));
    const auto before = tree(home.path());
    ASSERT_EQ(before.size(), 1u);

    ScriptedPrompter receiving;
    OpenClass receiver({}, home.path());
    enableEncryptedOpen(receiver);
    receiving.files = {home / "7a.rvkx"};
    receiving.passwords = {password("Kreide-Tafel-24"), password(kPassword)};
    ASSERT_TRUE(receiver.fileOpen(receiving));
    EXPECT_EQ(receiving.dialogs.front().filter, kOpenFilterWithContainers);
    const auto shown = receiving.messages();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front().text, "Das Kennwort ist falsch oder die Datei ist beschädigt.");
    EXPECT_NE(shown.back().text.find("noch nicht gespeicherte Klasse"), std::string::npos);

    EXPECT_EQ(surnames(receiver.records), surnames(sender.records));
    EXPECT_TRUE(receiver.isUnsaved());
    EXPECT_TRUE(receiver.changed);
    EXPECT_EQ(receiver.dataFolder, home.path());
    // Nothing was written: no class file, no backup copy, no lock, no recovery file.
    EXPECT_EQ(tree(home.path()), before);

    // Saving asks where, proposing the class's own name.
    receiving.files = {std::nullopt};
    EXPECT_FALSE(receiver.fileSave(receiving));
    EXPECT_EQ(receiving.dialogs.back().title, "Speichern unter");
    EXPECT_EQ(receiving.dialogs.back().proposedName, "7a.RVK");
    EXPECT_EQ(tree(home.path()), before);
}

TEST(ClassTransfer, VersionsGoAlongOnlyWhenChosen)
{
    Folder school;
    fs::copy_file(example(), school / "7a.RVK");
    fs::create_directories(school / "Sicherungen");
    put(school / "Sicherungen" / "7a 2026-12-10 14-03-22.RVK", "alte Fassung");
    ScriptedPrompter prompter;
    OpenClass oc({}, school.path());
    prompter.files = {school / "7a.RVK"};
    ASSERT_TRUE(oc.fileOpen(prompter));
    for (bool withVersions : {false, true}) {
        const fs::path out = school / (withVersions ? "mit.rvkx" : "ohne.rvkx");
        prompter.passwords = {password(kPassword, withVersions)};
        prompter.files = {out};
        ASSERT_TRUE(encryptOpenClass(oc, prompter, KeyDerivation::testMinimum()));
        EXPECT_NE(prompter.passwordRequests.back().optionText.find("1 im Ordner"), std::string::npos);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(out, bytes));
        const ContainerRead r = openContainer(bytes, kPassword);
        ASSERT_TRUE(r);
        ASSERT_EQ(r.files.size(), withVersions ? 2u : 1u);
        EXPECT_EQ(r.files[0].name, "7a.RVK");
        if (withVersions) {
            EXPECT_EQ(r.files[1].name, "Sicherungen/7a 2026-12-10 14-03-22.RVK");
        }
    }
}

TEST(ClassTransfer, ACancelledOrRefusedStepWritesNothing)
{
    Folder school;
    ScriptedPrompter prompter;
    OpenClass oc({}, school.path());
    const auto empty = tree(school.path());
    prompter.passwords = {std::nullopt};
    EXPECT_FALSE(encryptOpenClass(oc, prompter, KeyDerivation::testMinimum()));
    prompter.passwords = {password("zu kurz")};
    EXPECT_FALSE(encryptOpenClass(oc, prompter, KeyDerivation::testMinimum()));
    EXPECT_EQ(prompter.last().text, "Das Kennwort muss mindestens 10 Zeichen lang sein.");
    prompter.passwords = {password(kPassword)};
    prompter.files = {std::nullopt};
    EXPECT_FALSE(encryptOpenClass(oc, prompter, KeyDerivation::testMinimum()));
    EXPECT_EQ(tree(school.path()), empty);

    // A backup container opened as a class is refused with a hint.
    const SealOutcome backup =
        sealContainer(ContainerKind::Backup, {{"7a.RVK", {1, 2}}}, kPassword, KeyDerivation::testMinimum());
    ASSERT_TRUE(writeFileSafely(school / "sicherung.rvkx", backup.bytes));
    enableEncryptedOpen(oc);
    prompter.passwords = {password(kPassword)};
    EXPECT_FALSE(oc.openFile(school / "sicherung.rvkx", prompter));
    EXPECT_NE(prompter.last().text.find("Sicherung wiederherstellen"), std::string::npos);
    // A file named .rvkx that is none says so, without asking a password.
    put(school / "kaputt.rvkx", "kein Container");
    EXPECT_FALSE(oc.openFile(school / "kaputt.rvkx", prompter));
    EXPECT_NE(prompter.last().text.find("keine verschlüsselte Ruvek-Datei"), std::string::npos);
}

class EncryptedBackup : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string bytes;
        for (int i = 0; i < 256; ++i)
            bytes += static_cast<char>(i);
        put(root / "Daten" / "7a.RVK", bytes + "klasse 7a");
        put(root / "Daten" / "Archiv" / "2025.RVK", "alt");
        put(root / "Programm" / "SCHEINST.DAT", "schule");
        fs::create_directories(root / "Stick");
    }
    BackupRequest request() const
    {
        return {root / "Daten", root / "Programm", root / "Stick", false, "2026-05-04"};
    }
    Folder root;
    ScriptedPrompter prompter;
};

TEST_F(EncryptedBackup, RestoresEveryFileIntoTheChosenFolderAskingBeforeEachReplacement)
{
    prompter.passwords = {password(kPassword)};
    const EncryptedBackupResult made = runEncryptedBackup(request(), prompter, KeyDerivation::testMinimum());
    ASSERT_TRUE(made.done);
    EXPECT_EQ(made.file, root / "Stick" / "Ruvek-Datensicherung 2026-05-04.rvkx");
    EXPECT_EQ(made.files, 3u);
    EXPECT_TRUE(prompter.passwordRequests.back().newPassword);
    EXPECT_EQ(tree(root / "Stick").size(), 1u);

    // Restored into an empty folder: the backup set, byte for byte.
    prompter.files = {made.file, root / "Zurueck"};
    prompter.passwords = {password(kPassword)};
    prompter.listAnswers = {true};
    RestoreResult r = restoreFromContainer(prompter, root / "Stick");
    EXPECT_TRUE(r.done);
    ASSERT_EQ(prompter.lists.size(), 1u);
    EXPECT_EQ(prompter.lists[0].items,
              (std::vector<std::string>{"7a.RVK  (1 KB)", "Archiv/2025.RVK  (1 KB)", "Programm-Ordner/SCHEINST.DAT  (1 KB)"}));
    auto expected = tree(root / "Daten");
    expected["Programm-Ordner/SCHEINST.DAT"] = tree(root / "Programm")["SCHEINST.DAT"];
    EXPECT_EQ(tree(root / "Zurueck"), expected);

    // Again over changed files: "Nein" keeps the first, "Ja, alle" replaces the rest.
    put(root / "Zurueck" / "7a.RVK", "neuer");
    put(root / "Zurueck" / "Archiv" / "2025.RVK", "neuer");
    prompter.files = {made.file, root / "Zurueck"};
    prompter.passwords = {password(kPassword)};
    prompter.listAnswers = {true};
    prompter.choices = {static_cast<int>(OverwriteAnswer::No), static_cast<int>(OverwriteAnswer::YesToAll)};
    r = restoreFromContainer(prompter, root / "Stick");
    EXPECT_EQ(r.kept, std::vector<std::string>{"7a.RVK"});
    EXPECT_EQ(r.restored, (std::vector<std::string>{"Archiv/2025.RVK", "Programm-Ordner/SCHEINST.DAT"}));
    const auto now = tree(root / "Zurueck");
    EXPECT_EQ(std::string(now.at("7a.RVK").begin(), now.at("7a.RVK").end()), "neuer");
    EXPECT_EQ(now.at("Archiv/2025.RVK"), expected.at("Archiv/2025.RVK"));

    // "Abbrechen" stops before anything more is written.
    put(root / "Zurueck" / "Archiv" / "2025.RVK", "wieder neuer");
    prompter.files = {made.file, root / "Zurueck"};
    prompter.passwords = {password(kPassword)};
    prompter.listAnswers = {true};
    prompter.choices = {static_cast<int>(OverwriteAnswer::Cancel)};
    const auto beforeCancel = tree(root / "Zurueck");
    r = restoreFromContainer(prompter, root / "Stick");
    EXPECT_FALSE(r.done);
    EXPECT_EQ(tree(root / "Zurueck"), beforeCancel);
}

TEST_F(EncryptedBackup, WrongPasswordOrCancelledListRestoresNothing)
{
    prompter.passwords = {password(kPassword)};
    const EncryptedBackupResult made = runEncryptedBackup(request(), prompter, KeyDerivation::testMinimum());
    ASSERT_TRUE(made.done);
    prompter.clearLog();
    prompter.files = {made.file};
    prompter.passwords = {password("Kreide-Tafel-43"), std::nullopt};
    EXPECT_FALSE(restoreFromContainer(prompter, root / "Stick").done);
    EXPECT_EQ(prompter.messages().front().text, "Das Kennwort ist falsch oder die Datei ist beschädigt.");
    prompter.files = {made.file};
    prompter.passwords = {password(kPassword)};
    prompter.listAnswers = {false};
    EXPECT_FALSE(restoreFromContainer(prompter, root / "Stick").done);
    EXPECT_FALSE(fs::exists(root / "Zurueck"));

    // An existing container is replaced only after asking.
    const auto before = tree(root / "Stick");
    prompter.answers = {false};
    EXPECT_FALSE(runEncryptedBackup(request(), prompter, KeyDerivation::testMinimum()).done);
    EXPECT_EQ(tree(root / "Stick"), before);
    // A target inside the data folder is refused before the password is asked.
    BackupRequest inside = request();
    inside.target = root / "Daten" / "Archiv";
    EXPECT_FALSE(runEncryptedBackup(inside, prompter, KeyDerivation::testMinimum()).done);
}

} // namespace
} // namespace ruvek
