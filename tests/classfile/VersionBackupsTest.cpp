// Kept versions: every save keeps the version it replaces in "Sicherungen",
// ten per class, and a kept version opens as a new, unsaved class.
#include "classfile/VersionBackups.h"

#include "WorkProtectionSupport.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {
class VersionBackupsTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, dir.path(), RandomSource(3)};
    fs::path file = dir / "7a.RVK";

    void SetUp() override
    {
        cls.guard.options.versionBackups = true;
        makeClass(cls, file, {"Version 0"});
    }
    // Saves the class with record 0 named "Version n"; the file replaced
    // carries the time base + n minutes, so every kept version has its own name.
    void saveVersion(int n)
    {
        setFileTime(file, n);
        cls.records[0].Name = "Version " + std::to_string(n);
        ASSERT_TRUE(cls.fileSave(prompter));
    }
};
} // namespace

TEST(VersionNames, FormatAndParse)
{
    const LocalStamp s{2026, 12, 10, 14, 3, 22};
    EXPECT_EQ(versionName("7a", s), "7a 2026-12-10 14-03-22.RVK");
    EXPECT_EQ(versionName("7a", s, 3), "7a 2026-12-10 14-03-22 (3).RVK");
    const struct {
        const char* name;
        bool isVersion;
        int sequence;
    } cases[] = {
        {"7a 2026-12-10 14-03-22.RVK", true, 1},
        {"7a 2026-12-10 14-03-22 (3).RVK", true, 3},
        {"7a b 2026-12-10 14-03-22.RVK", false, 0},      // another class
        {"7a 2026-12-10 14-03.RVK", false, 0},           // cut short
        {".7a 2026-12-10 14-03-22.RVK.tmp123456", false, 0}, // a killed write's temporary file
        {"7a 2026-12-10 14-03-22 (x).RVK", false, 0},
        {"7a 2026-12-10 14-03-22.$KL", false, 0},
    };
    for (const auto& c : cases) {
        const auto key = parseVersionName(c.name, "7a");
        EXPECT_EQ(key.has_value(), c.isVersion) << c.name;
        if (key) {
            EXPECT_EQ(key->stamp, s) << c.name;
            EXPECT_EQ(key->sequence, c.sequence) << c.name;
        }
    }
}

TEST_F(VersionBackupsTest, TenSavesKeepTenVersionsAndDropTheOldest)
{
    for (int n = 1; n <= 12; ++n)
        saveVersion(n);
    const auto kept = listKeptVersions(file);
    ASSERT_EQ(kept.size(), 10u);
    // Newest first: the save of version 12 replaced version 11; versions 0
    // and 1 are gone. Each kept version is a complete class file.
    for (std::size_t i = 0; i < kept.size(); ++i) {
        ClassFileContent content;
        ASSERT_EQ(readClassFile(kept[i].path, content), ReadError::None) << kept[i].path;
        EXPECT_EQ(namesOf(content.records), std::vector<std::string>{"Version " + std::to_string(11 - i)});
        EXPECT_EQ(kept[i].studentCount, 1);
        EXPECT_EQ(kept[i].size, 92u + 6044u);
        EXPECT_EQ(kept[i].path.parent_path(), dir / "Sicherungen");
    }
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(VersionBackupsTest, SavingWithoutChangeKeepsNoSecondCopyAndSameSecondGetsANumber)
{
    cls.records[0].Name = "A";
    ASSERT_TRUE(cls.fileSave(prompter));   // keeps "Version 0"
    cls.records[0].Name = "B";
    ASSERT_TRUE(cls.fileSave(prompter));   // replaces "A": kept
    const auto written = readBytes(file);
    ASSERT_TRUE(cls.fileSave(prompter));   // nothing changed: nothing written, nothing kept
    EXPECT_EQ(readBytes(file), written);
    const auto kept = listKeptVersions(file);
    ASSERT_EQ(kept.size(), 2u);
    if (kept[0].key.stamp == kept[1].key.stamp) {
        EXPECT_EQ(kept[0].key.sequence, 2);
    }
}

TEST_F(VersionBackupsTest, RestoredVersionOpensWithTheSameRecordsAndWritesNothing)
{
    cls.records.push_back(cls.newRecordTemplate);
    cls.records[1].Name = "Zweite";
    saveVersion(1);
    saveVersion(2);
    const auto kept = listKeptVersions(file);
    ASSERT_EQ(kept.size(), 2u);
    ClassFileContent expected;
    ASSERT_EQ(readClassFile(kept[0].path, expected), ReadError::None);
    const auto before = folderContents(dir.path());

    OpenClass restored{SchoolType::RegionaleSchule, {}, RandomSource(4)};
    restored.guard.options.versionBackups = true;
    ASSERT_TRUE(openKeptVersion(restored, kept[0].path, dir.path(), prompter));
    EXPECT_TRUE(sameRecords(restored.records, expected.records));
    EXPECT_EQ(namesOf(restored.records), (std::vector<std::string>{"Version 1", "Zweite"}));
    EXPECT_TRUE(restored.isUnsaved());
    EXPECT_TRUE(restored.changed);
    EXPECT_EQ(restored.dataFolder, dir.path());

    // Saving it goes through Save As; cancelled, nothing on disk changed.
    prompter.files.push_back(std::nullopt);
    EXPECT_FALSE(restored.fileSave(prompter));
    EXPECT_EQ(folderContents(dir.path()), before);
}
