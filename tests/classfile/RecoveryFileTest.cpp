// Recovery files: written while a class has unsaved changes, removed by a
// save or a close without saving, offered when newer than the class file.
#include "classfile/RecoveryFile.h"

#include "WorkProtectionSupport.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {
class RecoveryFileTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, dir.path(), RandomSource(5)};
    fs::path file = dir / "7a.RVK";

    void SetUp() override
    {
        makeClass(cls, file, {"Anna", "Bernd"});
        cls.guard.options.recovery = true;
        cls.records[1].Name = "Berndt";
        cls.changed = true;
    }
};
} // namespace

TEST_F(RecoveryFileTest, AppearsWithTheChangesAndDisappearsAfterSave)
{
    ASSERT_TRUE(cls.guard.writeRecovery(cls.filePath(), cls.header, cls.records));
    ClassFileContent content;
    ASSERT_EQ(readClassFile(dir / "7a.RVK.$WH", content), ReadError::None);
    EXPECT_EQ(namesOf(content.records), (std::vector<std::string>{"Anna", "Berndt"}));
    EXPECT_EQ(findPendingRecoveries(dir.path()).size(), 1u);

    ASSERT_TRUE(cls.fileSave(prompter));
    EXPECT_FALSE(fs::exists(dir / "7a.RVK.$WH"));
    EXPECT_TRUE(findPendingRecoveries(dir.path()).empty());
}

TEST_F(RecoveryFileTest, CloseWithoutSavingRemovesIt)
{
    ASSERT_TRUE(cls.guard.writeRecovery(cls.filePath(), cls.header, cls.records));
    prompter.answers = {true};                 // new class: yes
    prompter.choices = {kChoiceDontSave};      // save the changes first: no
    ASSERT_TRUE(cls.fileNew(prompter));
    EXPECT_FALSE(fs::exists(dir / "7a.RVK.$WH"));
    // The unsaved class keeps its recovery file in the data folder until it
    // is given up as well.
    cls.records[0].Name = "Neu";
    ASSERT_TRUE(cls.guard.writeRecovery(cls.filePath(), cls.header, cls.records));
    EXPECT_TRUE(fs::exists(dir / "Vorgabe.RVK.$WH"));
    cls.guard.closeClass();
    EXPECT_FALSE(fs::exists(dir / "Vorgabe.RVK.$WH"));
}

TEST(RecoveryFiles, OnlyThoseNewerThanTheirClassFileAreOffered)
{
    TempDir dir;
    const ByteVec bytes = headerBytes(0, 2);
    const struct {
        const char* classFile;   // null: no class file
        const char* recovery;
        int classMinute, recoveryMinute;
        bool offered;
    } cases[] = {
        {"neuer.RVK", "neuer.RVK.$WH", 0, 5, true},
        {"aelter.RVK", "aelter.RVK.$WH", 5, 0, false},
        {nullptr, "ohneKlasse.RVK.$WH", 0, 1, true},
        {nullptr, ".neuer.RVK.$WH.tmp123456", 0, 9, false},   // a cut-off write
    };
    for (const auto& c : cases) {
        if (c.classFile) {
            writeBytes(dir / c.classFile, bytes);
            setFileTime(dir / c.classFile, c.classMinute);
        }
        writeBytes(dir / c.recovery, bytes);
        setFileTime(dir / c.recovery, c.recoveryMinute);
    }
    const auto pending = findPendingRecoveries(dir.path());
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(pending[0].classFile, dir / "neuer.RVK");   // newest first
    EXPECT_TRUE(pending[0].classFileExists);
    EXPECT_EQ(pending[1].classFile, dir / "ohneKlasse.RVK");
    EXPECT_FALSE(pending[1].classFileExists);
}

TEST(RecoveryFiles, FoldersOfClassesOpenedElsewhereAreRememberedUntilTheirRecoveryIsGone)
{
    TempDir home;
    TempDir elsewhere;
    const ByteVec bytes = headerBytes(0, 2);
    writeBytes(elsewhere / "8c.RVK.$WH", bytes);

    EXPECT_TRUE(findPendingRecoveries(home.path()).empty());
    ASSERT_TRUE(rememberRecoveryFolder(home.path(), elsewhere.path()));
    ASSERT_TRUE(rememberRecoveryFolder(home.path(), elsewhere.path() / "."));  // listed once
    ASSERT_TRUE(rememberRecoveryFolder(home.path(), home.path()));             // home needs no entry
    std::ifstream list(home / std::string(kRecoveryFoldersFile));
    const std::string listed((std::istreambuf_iterator<char>(list)), std::istreambuf_iterator<char>());
    EXPECT_EQ(listed, elsewhere.path().string() + "\n");

    const auto pending = collectPendingRecoveries(home.path());
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].classFile, elsewhere / "8c.RVK");

    // Once the recovery file is gone (saved, discarded), the folder is forgotten.
    fs::remove(elsewhere / "8c.RVK.$WH");
    EXPECT_TRUE(collectPendingRecoveries(home.path()).empty());
    EXPECT_FALSE(fs::exists(home / std::string(kRecoveryFoldersFile)));
}

