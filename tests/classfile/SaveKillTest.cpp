// A save killed at any moment: a child process saves a large class over and
// over and is killed with SIGKILL at a random moment, many times. The class
// file is always one complete version, every kept version opens, the lock
// the child left is stale, and the temporary files a kill leaves behind are
// neither taken for data nor left lying after the next save.
#include "classfile/ClassLock.h"
#include "classfile/RecoveryFile.h"
#include "classfile/VersionBackups.h"

#include "WorkProtectionSupport.h"
#include "support/ScriptedPrompter.h"

#include <csignal>
#include <iostream>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {
constexpr std::size_t kStudents = 600;   // about 3.6 MB per version

std::vector<std::string> names(char tag)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < kStudents; ++i)
        out.push_back(std::string(1, tag) + std::to_string(i));
    return out;
}

// The child: opens the class with everything on and saves versions A and B
// in turn until it is killed.
[[noreturn]] void saveForever(const fs::path& file)
{
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, file.parent_path(), RandomSource(1)};
    cls.guard.options.versionBackups = cls.guard.options.locking = cls.guard.options.recovery = true;
    if (!cls.openFile(file, prompter))
        _exit(2);
    for (int n = 0;; ++n) {
        for (std::size_t i = 0; i < cls.records.size(); ++i)
            cls.records[i].Name = std::string(1, n % 2 ? 'A' : 'B') + std::to_string(i);
        cls.guard.writeRecovery(cls.filePath(), cls.header, cls.records);
        // A file "changed on disk" by the previous round of this child is
        // answered yes.
        prompter.answers.assign(4, true);
        if (!cls.fileSave(prompter))
            _exit(3);
    }
}

bool isTemporary(const fs::path& p) { return p.filename().string().starts_with("."); }
} // namespace

TEST(SaveKilled, ClassFileIsAlwaysOneCompleteVersion)
{
    TempDir dir;
    const fs::path file = dir / "7a.RVK";
    OpenClass setup{SchoolType::RegionaleSchule, dir.path(), RandomSource(1)};
    makeClass(setup, file, names('A'));
    const ByteVec versionA = readBytes(file);
    for (std::size_t i = 0; i < setup.records.size(); ++i)
        setup.records[i].Name = "B" + std::to_string(i);
    TDateiKopf header = setup.header;
    ASSERT_TRUE(writeClassFile(dir / "b.tmp", header, setup.records));
    const ByteVec versionB = readBytes(dir / "b.tmp");
    fs::remove(dir / "b.tmp");

    std::mt19937 random(12345);
    int leftovers = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(file);
        usleep(std::uniform_int_distribution<useconds_t>(2'000, 120'000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << WEXITSTATUS(status);

        const ByteVec now = readBytes(file);
        ASSERT_TRUE(now == versionA || now == versionB) << "round " << round << ": " << now.size() << " bytes";
        for (const auto& kept : listKeptVersions(file)) {
            ClassFileContent content;
            ASSERT_EQ(readClassFile(kept.path, content), ReadError::None) << kept.path;
            EXPECT_EQ(content.records.size(), kStudents);
        }
        EXPECT_LE(listKeptVersions(file).size(), kKeptVersions);
        // The child's lock names a process that is gone: stale.
        if (fs::exists(lockPathFor(file))) {
            EXPECT_EQ(probeLock(file, currentLockOwner(), std::time(nullptr)).state, LockState::Stale);
            fs::remove(lockPathFor(file));
        }
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            leftovers += isTemporary(e.path());
    }
    // Recovery files that were cut off are no recovery files.
    for (const auto& p : findPendingRecoveries(dir.path()))
        EXPECT_FALSE(isTemporary(p.recoveryFile));

    // The next save cleans up what the kills left behind, in both folders.
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, dir.path(), RandomSource(1)};
    cls.guard.options.versionBackups = true;
    ASSERT_TRUE(cls.openFile(file, prompter));
    cls.records[0].Name = "zuletzt";
    ASSERT_TRUE(cls.fileSave(prompter));
    std::vector<fs::path> stillThere;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        if (isTemporary(e.path()) && e.path().filename().string().find(".RVK.tmp") != std::string::npos)
            stillThere.push_back(e.path());
    EXPECT_TRUE(stillThere.empty()) << stillThere.front();
    std::cout << "temporary files seen after the kills: " << leftovers << "\n";
}
