// One writer per class file: the lock rules, opening a class in use
// (read-only), taking over a stale lock, and saving over a file that was
// changed or removed on disk since it was opened.
#include "classfile/ClassLock.h"
#include "classfile/VersionBackups.h"

#include "WorkProtectionSupport.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {
constexpr std::int64_t kNow = 1'800'000'000;

// A process id that certainly ran and certainly ended: a reaped child.
std::int64_t endedProcess()
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

LockOwner me() { return {"rechner-a", "lehrer", 100, kNow}; }
} // namespace

TEST(LockRules, StaleWhenTheProcessIsGoneHereOrTheLockIsADayOld)
{
    const auto running = [](std::int64_t pid) { return pid == 200; };
    const struct {
        const char* what;
        std::optional<LockOwner> owner;
        std::int64_t fileAge;
        LockState expected;
    } cases[] = {
        {"this process", LockOwner{"rechner-a", "lehrer", 100, kNow - 10}, 10, LockState::Own},
        {"running here", LockOwner{"rechner-a", "kollege", 200, kNow - 10}, 10, LockState::HeldByOther},
        {"gone here", LockOwner{"rechner-a", "kollege", 300, kNow - 10}, 10, LockState::Stale},
        {"other computer, pid unknown there", LockOwner{"rechner-b", "kollege", 300, kNow - 3600}, 10,
         LockState::HeldByOther},
        {"other computer, a day old", LockOwner{"rechner-b", "kollege", 300, kNow - 86401}, 10, LockState::Stale},
        {"running here, but a day old", LockOwner{"rechner-a", "kollege", 200, kNow - 86401}, 10, LockState::Stale},
        {"unreadable, fresh", std::nullopt, 60, LockState::HeldByOther},
        {"unreadable, a day old", std::nullopt, 86401, LockState::Stale},
    };
    for (const auto& c : cases)
        EXPECT_EQ(judgeLock(c.owner, me(), kNow, c.fileAge, running), c.expected) << c.what;
}

TEST(LockRules, LockFileNamesComputerUserAndTime)
{
    const LockOwner owner{"rechner-b", "Frau Müller", 4711, kNow};
    const std::string text = formatLockFile(owner);
    EXPECT_NE(text.find("Rechner=rechner-b\n"), std::string::npos);
    EXPECT_NE(text.find("Benutzer=Frau Müller\n"), std::string::npos);
    EXPECT_NE(text.find("Zeit="), std::string::npos);
    EXPECT_EQ(parseLockFile(text), owner);
    EXPECT_FALSE(parseLockFile("irgendetwas\n").has_value());
}

namespace {
class ClassLockTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path file = dir / "7a.RVK";
    ScriptedPrompter prompter;
    OpenClass first{SchoolType::RegionaleSchule, dir.path(), RandomSource(6)};
    OpenClass second{SchoolType::RegionaleSchule, dir.path(), RandomSource(7)};

    void SetUp() override
    {
        makeClass(first, file, {"Anna", "Bernd"});
        first = OpenClass{SchoolType::RegionaleSchule, dir.path(), RandomSource(6)};
        for (OpenClass* c : {&first, &second}) {
            c->guard.options.locking = true;
            c->guard.options.versionBackups = true;
        }
    }
    // The second program: same computer, another running process (ours
    // parent's), or a process that has ended.
    void secondIsProcess(std::int64_t pid)
    {
        second.guard.options.owner = [pid] {
            LockOwner o = currentLockOwner();
            o.process = pid;
            return o;
        };
    }
};
} // namespace

TEST_F(ClassLockTest, TakenRefusedReadOnlyAndReleased)
{
    ASSERT_TRUE(first.openFile(file, prompter));
    EXPECT_TRUE(fs::exists(dir / "7a.RVK.$LK"));
    EXPECT_FALSE(first.guard.readOnly());

    secondIsProcess(getppid());
    prompter.answers = {false};   // open read-only? no
    EXPECT_FALSE(second.openFile(file, prompter));
    EXPECT_TRUE(second.isUnsaved());
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].text.rfind("Die Klasse \"7a.RVK\" wird gerade an einem anderen Arbeitsplatz "
                                                  "bearbeitet:\n\nRechner: ", 0), 0u);

    prompter.answers = {true};    // read-only: yes
    ASSERT_TRUE(second.openFile(file, prompter));
    EXPECT_TRUE(second.guard.readOnly());
    // Saving a read-only class goes to Save As; the locked file itself is refused there.
    prompter.clearLog();
    prompter.files.push_back(file);
    EXPECT_FALSE(second.fileSave(prompter));
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.messages()[0].text, readOnlySaveText("7a.RVK"));
    EXPECT_EQ(prompter.messages()[1].kind, MessageKind::Error);

    // Closing the first program's class frees the file.
    prompter.answers = {true};
    ASSERT_TRUE(first.fileNew(prompter));
    EXPECT_FALSE(fs::exists(dir / "7a.RVK.$LK"));
}

TEST_F(ClassLockTest, StaleLockIsTakenOverAfterTheQuestion)
{
    const std::int64_t ended = endedProcess();
    second.guard.options.owner = [ended] {
        LockOwner o = currentLockOwner();
        o.process = ended;
        return o;
    };
    ASSERT_TRUE(second.openFile(file, prompter));
    // The second program ends without releasing its lock (as when killed).
    const ByteVec lockBytes = readBytes(dir / "7a.RVK.$LK");
    second.guard.closeClass();
    writeBytes(dir / "7a.RVK.$LK", lockBytes);

    prompter.answers = {true};   // take over: yes
    ASSERT_TRUE(first.openFile(file, prompter));
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_NE(prompter.questions()[0].text.find("läuft nicht mehr"), std::string::npos);
    EXPECT_FALSE(first.guard.readOnly());
    const ByteVec now = readBytes(dir / "7a.RVK.$LK");
    const auto owner = parseLockFile(std::string(now.begin(), now.end()));
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->process, getpid());
}

TEST_F(ClassLockTest, FileChangedOrRemovedOnDiskIsNoticedBeforeSave)
{
    ASSERT_TRUE(first.openFile(file, prompter));
    first.records[0].Name = "Annette";

    // Someone else wrote the file meanwhile: the question, and No keeps their version.
    OpenClass other{SchoolType::RegionaleSchule, dir.path(), RandomSource(8)};
    makeClass(other, file, {"Fremd"});
    const ByteVec theirs = readBytes(file);
    prompter.answers = {false};
    EXPECT_FALSE(first.fileSave(prompter));
    EXPECT_EQ(prompter.last(), Shown::question(askOverwriteChangedText("7a.RVK", true), MessageKind::Warning));
    EXPECT_EQ(readBytes(file), theirs);

    // Yes overwrites, and their version stays among the kept versions.
    prompter.answers = {true};
    ASSERT_TRUE(first.fileSave(prompter));
    ASSERT_FALSE(listKeptVersions(file).empty());
    EXPECT_EQ(readBytes(listKeptVersions(file).front().path), theirs);

    // Saved again without anyone else: no question.
    prompter.clearLog();
    ASSERT_TRUE(first.fileSave(prompter));
    EXPECT_TRUE(prompter.log().empty());

    fs::remove(file);
    prompter.answers = {true};
    ASSERT_TRUE(first.fileSave(prompter));
    EXPECT_EQ(prompter.last(), Shown::question(askSaveRemovedText("7a.RVK"), MessageKind::Warning));
    EXPECT_TRUE(fs::exists(file));
}

// The stamp taken from the bytes read at opening and from the bytes written
// at saving is the stamp of the whole file: bytes behind the last record
// count too, so a change there is noticed as well.
TEST_F(ClassLockTest, StampsOfBytesReadAndWrittenAreThoseOfTheFile)
{
    ClassFileContent content;
    ASSERT_EQ(readClassFile(file, content), ReadError::None);
    EXPECT_EQ(content.stamp, stampOf(file));

    FileStamp written;
    ASSERT_TRUE(writeClassFile(file, content.header, content.records, nullptr, &written));
    EXPECT_EQ(written, stampOf(file));

    {
        std::ofstream tail(file, std::ios::binary | std::ios::app);
        tail << "Rest";
    }
    ClassFileContent withTail;
    ASSERT_EQ(readClassFile(file, withTail), ReadError::None);
    EXPECT_EQ(withTail.stamp, stampOf(file));
    EXPECT_NE(withTail.stamp, written);

    // Opened with the tail, then the tail changes on disk: Save asks.
    ASSERT_TRUE(first.openFile(file, prompter));
    {
        std::fstream f(file, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(-1, std::ios::end);
        f << 'X';
    }
    first.records[0].Name = "Annette";
    prompter.answers = {false};
    EXPECT_FALSE(first.fileSave(prompter));
    EXPECT_EQ(prompter.last(), Shown::question(askOverwriteChangedText("7a.RVK", true), MessageKind::Warning));
}
