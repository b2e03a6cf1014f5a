// The document rules every way into a class follows: a command that changes
// a class takes its lock or is refused (or waits), never overwrites a file
// changed on disk, keeps the replaced versions, refuses write-protected
// files; a restored recovery file stays until its work is saved; a session
// ended by a signal leaves its work in the recovery file and no lock.
#include "document/ClassDocument.h"

#include "classfile/ClassLock.h"
#include "classfile/RecoveryFile.h"
#include "classfile/VersionBackups.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace ruvek;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path;
    Folder()
    {
        std::random_device rd;
        path = fs::temp_directory_path() / ("ruvek-document-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path);
    }
    ~Folder()
    {
        std::error_code ec;
        fs::permissions(path / "7a.RVK", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

std::vector<std::uint8_t> bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A class of three students saved as `file`.
void writeClass(const fs::path& file)
{
    TDB2 records(3);
    const char* names[] = {"Albrecht", "Bäcker", "Christ"};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Status = 1;
        records[i].Name = names[i];
        records[i].SchlNr = static_cast<std::int32_t>(471101 + i);
    }
    ASSERT_TRUE(writeClassFile(file, newFileHeader(3), records));
}

// Another teacher's program on another computer, running.
LockOwner colleague() { return {"schule-pc", "frau.m", 4711, std::time(nullptr)}; }

struct DocumentTest : ::testing::Test {
    Folder folder;
    fs::path file = folder.path / "7a.RVK";
    ScriptedPrompter prompter;
    OpenClass oc;
    ClassDocument doc{oc, prompter};
    void SetUp() override { writeClass(file); }
};

TEST_F(DocumentTest, AClassOpenElsewhereIsRefusedNamingWhoHasItAndNothingIsWritten)
{
    auto held = ClassLock::acquire(file, colleague());
    ASSERT_TRUE(held);
    const auto before = bytesOf(file);
    const OpenOutcome out = doc.openForChange(file);
    EXPECT_EQ(out.result, OpenResult::Locked);
    ASSERT_TRUE(out.holder);
    EXPECT_EQ(out.holder->user, "frau.m");
    ASSERT_EQ(prompter.log().size(), 1u);
    EXPECT_EQ(prompter.log()[0].kind, MessageKind::Error);
    EXPECT_NE(prompter.log()[0].text.find("frau.m"), std::string::npos);
    EXPECT_NE(prompter.log()[0].text.find("schule-pc"), std::string::npos);
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(folder.path / "7a.$KL"));
    EXPECT_FALSE(fs::exists(folder.path / "Sicherungen"));
}

TEST_F(DocumentTest, ACommandWaitsForTheLockWhenAskedTo)
{
    auto held = ClassLock::acquire(file, colleague());
    ASSERT_TRUE(held);
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        held->release();
    });
    const OpenOutcome out = doc.openForChange(file, std::chrono::seconds(5));
    releaser.join();
    EXPECT_EQ(out.result, OpenResult::Opened);
    EXPECT_TRUE(oc.guard.lock() && oc.guard.lock()->held());
}

TEST_F(DocumentTest, WhileOneCommandHasTheClassAnotherIsRefused)
{
    ASSERT_EQ(doc.openForChange(file).result, OpenResult::Opened);
    OpenClass other;
    ScriptedPrompter otherPrompter;
    other.guard.options.owner = [] { return LockOwner{"anderer-pc", "kollege", 1, std::time(nullptr)}; };
    ClassDocument otherDoc(other, otherPrompter);
    // openForChange switches the mode; the owner stays the other computer.
    EXPECT_EQ(otherDoc.openForChange(file).result, OpenResult::Locked);
    // Once the first has left the class, the other gets it.
    oc.guard.closeClass();
    EXPECT_EQ(otherDoc.openForChange(file).result, OpenResult::Opened);
}

TEST_F(DocumentTest, AFileChangedOnDiskSinceItWasReadIsNotOverwritten)
{
    ASSERT_EQ(doc.openForChange(file).result, OpenResult::Opened);
    // Someone who ignores locks writes the file meanwhile.
    TDB2 theirs(1);
    theirs[0].Status = 1;
    theirs[0].Name = "Fremd";
    ASSERT_TRUE(writeClassFile(file, newFileHeader(1), theirs));
    const auto theirBytes = bytesOf(file);
    oc.records[0].Name = "Meins";
    oc.changed = true;
    EXPECT_FALSE(oc.fileSave(prompter));
    EXPECT_EQ(bytesOf(file), theirBytes);
    EXPECT_EQ(prompter.log().back(), Shown::error(changedOnDiskRefusedText("7a.RVK")));
}

TEST_F(DocumentTest, EverySaveOfACommandKeepsTheReplacedVersionTenAtMost)
{
    for (int i = 0; i < 12; ++i) {
        OpenClass k;
        ScriptedPrompter p;
        ASSERT_EQ(ClassDocument(k, p).openForChange(file).result, OpenResult::Opened);
        k.records[0].Name = "Fassung " + std::to_string(i);
        k.changed = true;
        ASSERT_TRUE(k.fileSave(p)) << i;
        EXPECT_TRUE(fs::exists(lockPathFor(file))) << "a save keeps the lock until the class is left";
    }
    EXPECT_FALSE(fs::exists(lockPathFor(file)));
    EXPECT_EQ(listKeptVersions(file).size(), 10u);
}

TEST_F(DocumentTest, AWriteProtectedClassFileIsRefusedBeforeAnythingIsWritten)
{
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = bytesOf(file);
    EXPECT_EQ(doc.openForChange(file).result, OpenResult::Refused);
    EXPECT_EQ(prompter.log(), std::vector{Shown::error("Die Datei \"7a.RVK\" ist schreibgeschützt.\n"
                                                       "Die Klasse wird deshalb nicht geändert.")});
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(folder.path / "7a.$KL"));
    EXPECT_FALSE(fs::exists(lockPathFor(file)));
}

TEST_F(DocumentTest, ReadingAClassTouchesNothingOnDisk)
{
    auto held = ClassLock::acquire(file, colleague());
    ASSERT_EQ(doc.openForReading(file).result, OpenResult::Opened);
    EXPECT_EQ(oc.count(), 3);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder.path))
        ++files;
    EXPECT_EQ(files, 2u) << "the class file and the colleague's lock, nothing else";
}

TEST_F(DocumentTest, ARestoredRecoveryFileStaysUntilItsWorkIsSaved)
{
    applyDocumentMode(oc, DocumentMode::Desktop);
    TDB2 unsaved(1);
    unsaved[0].Status = 1;
    unsaved[0].Name = "Ungespeichert";
    ASSERT_TRUE(writeRecoveryFile(file, newFileHeader(1), unsaved));
    const fs::path recovery = recoveryPathFor(file);
    const PendingRecovery pending{recovery, file, true};

    ASSERT_TRUE(doc.restoreRecovery(pending, true));
    EXPECT_TRUE(oc.changed);
    EXPECT_EQ(oc.records[0].Name.str(), "Ungespeichert");
    // Leaving the class without saving (another class, program end) keeps it.
    oc.guard.closeClass();
    EXPECT_TRUE(fs::exists(recovery));

    ASSERT_TRUE(doc.restoreRecovery(pending, true));
    ASSERT_TRUE(oc.fileSave(prompter));
    EXPECT_FALSE(fs::exists(recovery));
}

TEST_F(DocumentTest, ASessionEndedByASignalLeavesItsWorkAndNoLock)
{
    applyDocumentMode(oc, DocumentMode::Desktop);
    ASSERT_TRUE(oc.openFile(file, prompter));
    ASSERT_TRUE(fs::exists(lockPathFor(file)));
    TDB2 work = oc.records;
    work[1].Name = "Geändert";
    doc.endBySignal(&work);
    EXPECT_FALSE(fs::exists(lockPathFor(file)));
    ClassFileContent saved;
    ASSERT_EQ(readClassFile(recoveryPathFor(file), saved), ReadError::None);
    EXPECT_EQ(saved.records[1].Name.str(), "Geändert");
    // The object going away later must not take the recovery file with it.
    oc.guard.closeClass();
    EXPECT_TRUE(fs::exists(recoveryPathFor(file)));
}

TEST(SchoolTypeForRecord, TheInstallationsOrTheRecordsNeverNone)
{
    TZgnRec rec{};
    const struct {
        SchoolType installation;
        std::int16_t recordMadeFor;
        std::optional<SchoolType> expected;
    } cases[] = {
        {SchoolType::RegionaleSchule, 5, SchoolType::RegionaleSchule},
        {SchoolType::NichtAusgewaehlt, 2, SchoolType::RegionaleSchule},
        {SchoolType::NichtAusgewaehlt, 5, schoolTypeFromStored(5)},
        {SchoolType::NichtAusgewaehlt, 0, std::nullopt},
        {SchoolType::NichtAusgewaehlt, 12, std::nullopt},
    };
    for (const auto& c : cases) {
        rec.SchulartNeu = c.recordMadeFor;
        EXPECT_EQ(schoolTypeForRecord(c.installation, rec), c.expected)
            << toInt(c.installation) << " / " << c.recordMadeFor;
    }
}

} // namespace
