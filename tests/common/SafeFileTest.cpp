// The safe writer's promise: after success the file holds exactly the new
// content; after any failure the old file is byte for byte what it was; no
// temporary file is ever left in the folder.
#include "common/SafeFile.h"

#include "ScratchFolder.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ruvek {
namespace {

using test::FileSizeLimit;
using test::readText;
using test::ScratchFolder;
using test::writeText;

std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> out(size);
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<std::uint8_t>((i * 7 + i / 251) & 0xFF);
    return out;
}

std::string asText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(SafeFile, NewContentIsCompleteAndNothingElseIsLeft)
{
    // Sizes around the writer's 1 MiB buffer, written in uneven pieces.
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{1} << 20, (std::size_t{3} << 20) + 17}) {
        SCOPED_TRACE(size);
        ScratchFolder dir;
        writeText(dir / "K.RVK", "alter Inhalt");
        const auto content = pattern(size);
        {
            SafeFileWriter w(dir / "K.RVK");
            ASSERT_TRUE(w.open());
            for (std::size_t at = 0; at < size; at += 300007)
                ASSERT_TRUE(w.write(ConstBytes(content).subspan(at, std::min<std::size_t>(300007, size - at))));
            ASSERT_TRUE(w.commit());
        }
        EXPECT_EQ(readText(dir / "K.RVK"), asText(content));
        EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
    }
}

TEST(SafeFile, ReplacedFileKeepsItsPermissions)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", "alt");
    ::chmod((dir / "K.RVK").c_str(), 0640);
    ASSERT_TRUE(writeFileSafely(dir / "K.RVK", pattern(10)));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "K.RVK").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SafeFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    // Small content fails at commit (when the buffer is written), large
    // content already while writing.
    for (std::size_t size : {std::size_t{5000}, std::size_t{3} << 20}) {
        SCOPED_TRACE(size);
        ScratchFolder dir;
        writeText(dir / "K.RVK", "alter Inhalt, der bleiben muss");
        bool ok = true;
        std::string error;
        {
            FileSizeLimit limit(4096);
            ok = writeFileSafely(dir / "K.RVK", pattern(size), &error);
        }
        EXPECT_FALSE(ok);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(readText(dir / "K.RVK"), "alter Inhalt, der bleiben muss");
        EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
    }
}

TEST(SafeFile, FailedCommitIsReportedAndTheWriterCleansUp)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", "alt");
    {
        SafeFileWriter w(dir / "K.RVK");
        ASSERT_TRUE(w.open());
        FileSizeLimit limit(100);
        EXPECT_TRUE(w.write(pattern(1000)));   // still in the buffer
        EXPECT_FALSE(w.commit());
        EXPECT_FALSE(w.errorText().empty());
        EXPECT_FALSE(w.write(pattern(1)));      // a failed writer stays failed
        EXPECT_FALSE(w.commit());
    }
    EXPECT_EQ(readText(dir / "K.RVK"), "alt");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
}

TEST(SafeFile, FailedRenameLeavesTheTargetAndNoTemporaryFile)
{
    // A non-empty folder where the file should go: the rename is refused,
    // for root as for everybody else.
    ScratchFolder dir;
    std::filesystem::create_directory(dir / "K.RVK");
    writeText(dir / "K.RVK" / "inhalt.txt", "bleibt");
    std::string error;
    EXPECT_FALSE(writeFileSafely(dir / "K.RVK", pattern(100), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "K.RVK"));
    EXPECT_EQ(readText(dir / "K.RVK" / "inhalt.txt"), "bleibt");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
}

TEST(SafeFile, UncommittedWriterChangesNothing)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", "alt");
    {
        SafeFileWriter w(dir / "K.RVK");
        ASSERT_TRUE(w.open());
        ASSERT_TRUE(w.write(pattern(2 << 20)));   // more than the buffer: partly on disk already
    }
    EXPECT_EQ(readText(dir / "K.RVK"), "alt");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK"}));
}

TEST(SafeFile, MissingFolderCannotBeOpened)
{
    ScratchFolder dir;
    SafeFileWriter w(dir / "fehlt" / "K.RVK");
    EXPECT_FALSE(w.open());
    EXPECT_FALSE(w.errorText().empty());
    EXPECT_FALSE(w.write(pattern(1)));
    EXPECT_FALSE(w.commit());
    EXPECT_TRUE(dir.names().empty());
}

TEST(SafeFile, NewFileIsCreated)
{
    ScratchFolder dir;
    ASSERT_TRUE(writeFileSafely(dir / "neu.DAT", pattern(300)));
    EXPECT_EQ(readText(dir / "neu.DAT"), asText(pattern(300)));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"neu.DAT"}));
}

} // namespace
} // namespace ruvek
