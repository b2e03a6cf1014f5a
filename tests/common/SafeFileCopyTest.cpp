// Copying a file safely in the background and writing many pieces at once:
// whichever way the file system copies (a clone, a copy in the kernel, or
// read and write here when it cannot), the target holds exactly the source
// afterwards; when the source is not what the caller read, or on any
// failure, the old target is untouched and no temporary file is left. The
// kernel's copy calls are replaced to take every way on any file system.
#include "common/SafeFile.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <set>
#include <unistd.h>

namespace ruvek {
namespace {
using test::readText;
using test::ScratchFolder;
using test::writeText;

std::string pattern(std::size_t size)
{
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>((i * 13 + i / 4093) & 0xFF);
    return out;
}

FileIdentity identityOfPath(const std::filesystem::path& p)
{
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    const auto id = identityOf(fd);
    ::close(fd);
    return id.value();
}

CopyResult copyFile(const std::filesystem::path& source, const std::filesystem::path& target,
                    const FileIdentity& expected, std::string* error = nullptr)
{
    BackgroundCopy copy(source, target);
    const CopyResult result = copy.copied(expected, error);
    if (result == CopyResult::Copied && !copy.done(error))
        return CopyResult::Failed;
    return result;
}

// Puts in other copy calls for one test and puts the real ones back.
class KernelCopyOverride {
public:
    KernelCopyOverride(decltype(KernelCopyCalls::clone) clone, decltype(KernelCopyCalls::copyRange) copyRange)
        : saved_(kernelCopyCalls())
    {
        if (clone)
            kernelCopyCalls().clone = clone;
        if (copyRange)
            kernelCopyCalls().copyRange = copyRange;
    }
    ~KernelCopyOverride() { kernelCopyCalls() = saved_; }

private:
    KernelCopyCalls saved_;
};

int noClone(int, int)
{
    errno = EOPNOTSUPP;
    return -1;
}
ssize_t crossDevice(int, off_t*, int, std::size_t)
{
    errno = EXDEV;
    return -1;
}
// The kernel copies, but at most 4097 bytes per call.
ssize_t smallSteps(int source, off_t* offset, int destination, std::size_t length)
{
    return ::copy_file_range(source, offset, destination, nullptr, std::min<std::size_t>(length, 4097), 0);
}
ssize_t diskFull(int, off_t*, int, std::size_t)
{
    errno = ENOSPC;
    return -1;
}
// The disk fills up after the first step.
ssize_t diskFullLater(int source, off_t* offset, int destination, std::size_t length)
{
    if (*offset > 0) {
        errno = ENOSPC;
        return -1;
    }
    return ::copy_file_range(source, offset, destination, nullptr, std::min<std::size_t>(length, 5000), 0);
}

TEST(SafeFileCopy, EveryWayOfCopyingGivesTheSameFile)
{
    struct Way {
        const char* what;
        decltype(KernelCopyCalls::clone) clone;
        decltype(KernelCopyCalls::copyRange) copyRange;
    };
    const std::vector<Way> ways = {
        {"as the file system can", nullptr, nullptr},
        {"no clone: copied in the kernel", noClone, nullptr},
        {"in the kernel, in small steps", noClone, smallSteps},
        {"no copy in the kernel: read and written here", noClone, crossDevice},
    };
    for (const Way& way : ways) {
        for (std::size_t size : {std::size_t{0}, std::size_t{1}, (std::size_t{9} << 20) + 17}) {
            SCOPED_TRACE(std::string(way.what) + ", " + std::to_string(size) + " bytes");
            KernelCopyOverride calls(way.clone, way.copyRange);
            ScratchFolder dir;
            const std::string content = pattern(size);
            writeText(dir / "K.RVK", content);
            writeText(dir / "K.$KL", "alte Sicherung");
            ASSERT_EQ(copyFile(dir / "K.RVK", dir / "K.$KL", identityOfPath(dir / "K.RVK")), CopyResult::Copied);
            EXPECT_EQ(readText(dir / "K.$KL"), content);
            EXPECT_EQ(readText(dir / "K.RVK"), content);
            EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK", "K.$KL"}));
        }
    }
}

TEST(SafeFileCopy, AFailedCopyLeavesTheOldTargetAndSaysWhy)
{
    for (auto copyRange : {diskFull, diskFullLater}) {
        KernelCopyOverride calls(noClone, copyRange);
        ScratchFolder dir;
        writeText(dir / "K.RVK", pattern(20000));
        writeText(dir / "K.$KL", "alte Sicherung");
        std::string error;
        EXPECT_EQ(copyFile(dir / "K.RVK", dir / "K.$KL", identityOfPath(dir / "K.RVK"), &error),
                  CopyResult::Failed);
        EXPECT_EQ(error, "Kein Speicherplatz");
        EXPECT_EQ(readText(dir / "K.$KL"), "alte Sicherung");
        EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK", "K.$KL"}));
    }
}

TEST(SafeFileCopy, ASourceThatIsNoLongerWhatWasReadIsNotCopied)
{
    ScratchFolder dir;
    writeText(dir / "K.RVK", pattern(5000));
    writeText(dir / "K.$KL", "alte Sicherung");
    const FileIdentity read = identityOfPath(dir / "K.RVK");
    struct Change {
        const char* what;
        std::function<void()> change;
    };
    const std::vector<Change> changes = {
        {"written in place, same size", [&] { writeText(dir / "K.RVK", pattern(5000)); }},
        {"replaced by another file", [&] {
             writeText(dir / "neu", pattern(5000));
             std::filesystem::rename(dir / "neu", dir / "K.RVK");
         }},
        {"removed", [&] { std::filesystem::remove(dir / "K.RVK"); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        c.change();
        EXPECT_EQ(copyFile(dir / "K.RVK", dir / "K.$KL", read), CopyResult::SourceChanged);
        EXPECT_EQ(readText(dir / "K.$KL"), "alte Sicherung");
    }
    // Started but never accepted, a copy leaves nothing behind.
    writeText(dir / "K.RVK", pattern(3 << 20));
    { BackgroundCopy unfinished(dir / "K.RVK", dir / "K.$KL"); }
    EXPECT_EQ(readText(dir / "K.$KL"), "alte Sicherung");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"K.RVK", "K.$KL"}));
    // Accepted, it is finished even when nobody waits for it.
    {
        BackgroundCopy accepted(dir / "K.RVK", dir / "K.$KL");
        EXPECT_EQ(accepted.copied(identityOfPath(dir / "K.RVK")), CopyResult::Copied);
    }
    EXPECT_EQ(readText(dir / "K.$KL"), pattern(3 << 20));
    writeText(dir / "K.$KL", "alte Sicherung");
    // A copy into a folder that cannot take it fails as a write does.
    writeText(dir / "K.RVK", "x");
    std::string error;
    EXPECT_EQ(copyFile(dir / "K.RVK", dir / "fehlt" / "K.$KL", identityOfPath(dir / "K.RVK"), &error),
              CopyResult::Failed);
    EXPECT_EQ(error, "Ordner oder Datei nicht vorhanden");
}

TEST(SafeFileCopy, PiecesAreWrittenInOrderAfterWhatIsBuffered)
{
    // Pieces of every size, more of them than one system call takes, some empty.
    std::vector<std::string> parts;
    std::string whole = "Kopf";
    for (std::size_t i = 0; i < 3000; ++i) {
        parts.push_back(pattern(i % 7 == 0 ? 0 : (i * 37) % 6100));
        whole += parts.back();
    }
    std::vector<ConstBytes> pieces;
    for (const std::string& p : parts)
        pieces.push_back(ConstBytes(reinterpret_cast<const std::uint8_t*>(p.data()), p.size()));

    ScratchFolder dir;
    SafeFileWriter writer(dir / "K.RVK");
    writer.stampContent();
    ASSERT_TRUE(writer.open());
    ASSERT_TRUE(writer.write(ConstBytes(reinterpret_cast<const std::uint8_t*>("Kopf"), 4)));
    ASSERT_TRUE(writer.writePieces(std::span(pieces).first(1000)));
    ASSERT_TRUE(writer.writePieces(std::span(pieces).subspan(1000)));
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(readText(dir / "K.RVK"), whole);

    ContentHasher all;
    all.add(ConstBytes(reinterpret_cast<const std::uint8_t*>(whole.data()), whole.size()));
    EXPECT_EQ(writer.writtenStamp(), stampOfContent(all));
}

} // namespace
} // namespace ruvek
