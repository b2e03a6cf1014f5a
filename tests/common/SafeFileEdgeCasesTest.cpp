// The safe writer with symbolic links and with temporary files left behind
// by a save that was killed half-way.
#include "common/SafeFile.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ruvek {
namespace {
namespace fs = std::filesystem;
using test::readText;
using test::ScratchFolder;
using test::writeText;

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SafeFileLinks, WritingThroughALinkChangesItsTargetAndKeepsTheLink)
{
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links; // link name -> what it points to
        std::string target;                                     // the file that must change
    };
    const std::vector<Case> cases = {
        {"relative link into another folder", {{"K.RVK", "echt/K.RVK"}}, "echt/K.RVK"},
        {"link to a link", {{"K.RVK", "L.RVK"}, {"L.RVK", "echt/K.RVK"}}, "echt/K.RVK"},
        {"dangling link", {{"K.RVK", "echt/neu.RVK"}}, "echt/neu.RVK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        fs::create_directory(dir / "echt");
        writeText(dir / "echt/K.RVK", "alt");
        for (const auto& [link, to] : c.links)
            fs::create_symlink(to, dir / link);

        ASSERT_TRUE(writeFileSafely(dir / "K.RVK", bytesOf("neu")));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "K.RVK")));
        EXPECT_EQ(readText(dir / c.target), "neu");
        EXPECT_EQ(readText(dir / "K.RVK"), "neu");
        // The temporary file was made beside the target and is gone.
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    }
    // An absolute link works the same way.
    ScratchFolder dir;
    writeText(dir / "echt.RVK", "alt");
    fs::create_symlink(dir / "echt.RVK", dir / "K.RVK");
    ASSERT_TRUE(writeFileSafely(dir / "K.RVK", bytesOf("neu")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "K.RVK")));
    EXPECT_EQ(readText(dir / "echt.RVK"), "neu");
}

TEST(SafeFileLeftovers, AKilledSavesTemporaryFileIsRemovedAtTheNextSave)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", "alt");
    // What killed saves leave: unlocked temporary files of our pattern.
    writeText(dir / ".K.RVK.tmp123456", std::string(6000, 'x'));
    writeText(dir / ".K.RVK.tmp7", "x");
    // Not ours, or not leftovers: other names, another target, a folder.
    writeText(dir / ".K.RVK.tmp12a", "x");
    writeText(dir / ".K.RVK.tmp", "x");
    writeText(dir / ".L.RVK.tmp5", "x");
    writeText(dir / "K.RVK.tmp5", "x");
    fs::create_directory(dir / ".K.RVK.tmp99");
    // A temporary file some other writer still holds (locked) stays.
    writeText(dir / ".K.RVK.tmp424242", "im Schreiben");
    const int busy = ::open((dir / ".K.RVK.tmp424242").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);

    ASSERT_TRUE(writeFileSafely(dir / "K.RVK", bytesOf("neu")));
    ::close(busy);
    EXPECT_EQ(readText(dir / "K.RVK"), "neu");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK", ".K.RVK.tmp12a", ".K.RVK.tmp", ".L.RVK.tmp5", "K.RVK.tmp5",
                                                  ".K.RVK.tmp99", ".K.RVK.tmp424242"}));
}

TEST(SafeFileLeftovers, TemporaryNamesOfATarget)
{
    EXPECT_TRUE(isTempNameFor(".K.RVK.tmp0", "/x/K.RVK"));
    EXPECT_TRUE(isTempNameFor(".K.RVK.tmp999999", "K.RVK"));
    EXPECT_FALSE(isTempNameFor(".K.RVK.tmp", "K.RVK"));
    EXPECT_FALSE(isTempNameFor(".K.RVK.tmp1x", "K.RVK"));
    EXPECT_FALSE(isTempNameFor(".K.RVKX.tmp1", "K.RVK"));
}

TEST(SafeFileNames, LongestFileNamesSaveBecauseTheTemporaryNameIsShortened)
{
    for (std::size_t length : {240u, 244u, 245u, 251u, 255u}) {
        SCOPED_TRACE(length);
        ScratchFolder dir;
        const std::string name = std::string(length - 4, 'k') + ".RVK";
        writeText(dir / name, "alt");
        ASSERT_TRUE(writeFileSafely(dir / name, bytesOf("neu")));
        EXPECT_EQ(readText(dir / name), "neu");
        EXPECT_EQ(dir.names(), (std::set<std::string>{name}));
    }
    // Two long names that share their first 230 bytes get temporary names of their own.
    const std::string start(240, 'a');
    ScratchFolder dir;
    writeText(dir / (start + "1.RVK"), "eins");
    ASSERT_TRUE(writeFileSafely(dir / (start + "2.RVK"), bytesOf("zwei")));
    EXPECT_EQ(readText(dir / (start + "1.RVK")), "eins");
}

TEST(SafeFileRefusals, AWriteProtectedFileIsNotReplacedAndTheReasonIsGerman)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", "alt");
    fs::permissions(dir / "K.RVK", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    SafeFileWriter writer(dir / "K.RVK");
    EXPECT_FALSE(writer.open());
    EXPECT_TRUE(writer.targetWriteProtected());
    EXPECT_EQ(readText(dir / "K.RVK"), "alt");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
    fs::permissions(dir / "K.RVK", fs::perms::owner_write, fs::perm_options::add);

    std::string error;
    EXPECT_FALSE(writeFileSafely(dir / "fehlt" / "K.RVK", bytesOf("x"), &error));
    EXPECT_EQ(error, "Ordner oder Datei nicht vorhanden");
    EXPECT_EQ(systemErrorText(EACCES), "Keine Berechtigung");
    EXPECT_EQ(systemErrorText(ENOSPC), "Kein Speicherplatz");
    EXPECT_EQ(systemErrorText(ENAMETOOLONG), "Dateiname zu lang");
}

} // namespace
} // namespace ruvek
