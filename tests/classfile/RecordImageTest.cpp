// Records read into and written from their place in the list: a record in
// memory is its file image, so a regular file's records are read straight
// into the list and written straight from it. Whatever way a file is read,
// the records, the stamp and the fingerprint are the same; the backup copy
// is the class written anew, copied or written, and a copy that fails says
// so and leaves the old backup.
#include "classfile/ClassFile.h"
#include "classfile/OpenClass.h"

#include "Fixtures.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

using namespace ruvek;
using namespace ruvek::test;

namespace {

ByteVec randomBytes(std::mt19937& random, std::size_t size)
{
    ByteVec out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(random());
    return out;
}

// A version-2 class file of random records with the given header details.
struct FileShape {
    std::uint16_t count = 1;
    std::uint16_t leseVersion = 2;
    bool reservedHeaderBytes = false; // something in the header's reserved bytes
    std::size_t trailing = 0;         // bytes after the records
};

ByteVec classFile(std::mt19937& random, const FileShape& shape)
{
    ByteVec out = headerBytes(shape.count, 2);
    putU16(out, 22, shape.leseVersion);
    if (shape.reservedHeaderBytes)
        out[40] = 7;
    for (std::size_t i = 0; i < shape.count; ++i) {
        ByteVec rec = randomBytes(random, TZgnRec::Size);
        putI32(rec, 16, static_cast<std::int32_t>(i + 1)); // key numbers stay unique
        out.insert(out.end(), rec.begin(), rec.end());
    }
    const ByteVec rest = randomBytes(random, shape.trailing);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

std::vector<std::array<std::uint8_t, TZgnRec::Size>> images(const TDB2& records)
{
    std::vector<std::array<std::uint8_t, TZgnRec::Size>> out;
    for (const TZgnRec& r : records)
        out.push_back(toBytes(r));
    return out;
}

TEST(RecordImage, ARecordInMemoryIsItsImage)
{
    if constexpr (std::endian::native == std::endian::little) {
        EXPECT_TRUE(storesImage<TZgnRec>());
        EXPECT_TRUE(storesImage<TFachEintrag>());
        EXPECT_TRUE(storesImage<TDateiKopf>());
    }
    std::mt19937 random(11);
    for (int n = 0; n < 50; ++n) {
        const ByteVec image = randomBytes(random, TZgnRec::Size);
        const auto rec = fromBytes<TZgnRec>(image);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), toBytes(rec).begin()));
        if (storesImage<TZgnRec>()) {
            EXPECT_TRUE(std::equal(image.begin(), image.end(), imageBytes(rec).begin()));
        }
    }
}

TEST(RecordImage, AFileReadsAlikeFromDiskAndFromMemory)
{
    std::mt19937 random(5);
    for (int n = 0; n < 60; ++n) {
        FileShape shape;
        shape.count = static_cast<std::uint16_t>(1 + random() % 300);
        shape.leseVersion = random() % 4 == 0 ? 1 : 2;
        shape.reservedHeaderBytes = random() % 4 == 0;
        shape.trailing = random() % 4 == 0 ? 1 + random() % 9000 : 0;
        SCOPED_TRACE(::testing::Message() << "case " << n << ": " << shape.count << " records, LeseVersion "
                                          << shape.leseVersion << ", " << shape.trailing << " bytes after");
        const ByteVec bytes = classFile(random, shape);
        TempDir dir;
        writeBytes(dir / "K.RVK", bytes);

        ClassFileContent fromDisk, fromMemory;
        ASSERT_EQ(readClassFile(dir / "K.RVK", fromDisk), ReadError::None);
        ASSERT_EQ(readClassBytes(bytes, fromMemory), ReadError::None);
        EXPECT_EQ(images(fromDisk.records), images(fromMemory.records));
        EXPECT_EQ(fromDisk.stamp, fromMemory.stamp);
        EXPECT_EQ(fromDisk.stamp.size, bytes.size());
        EXPECT_TRUE(fromDisk.source.has_value());
        EXPECT_FALSE(fromMemory.source.has_value());

        const bool identical = shape.leseVersion == 2 && shape.trailing == 0;
        EXPECT_EQ(fromDisk.rewritesIdentically, identical);
        EXPECT_EQ(fromMemory.rewritesIdentically, identical);
        EXPECT_EQ(fromDisk.fingerprint.has_value(), identical && !shape.reservedHeaderBytes);
        if (fromDisk.fingerprint) {
            EXPECT_EQ(*fromDisk.fingerprint, recordsFingerprint(fromDisk.records));
        }

        // Written anew (Version and LeseVersion 2) the class gives the file
        // again exactly when it is said to; the fingerprint follows the
        // write either way.
        TDateiKopf header = fromDisk.header;
        header.LeseVersion = 2;
        FileStamp written;
        ASSERT_TRUE(writeClassFile(dir / "neu.RVK", header, fromDisk.records, nullptr, &written));
        EXPECT_EQ(readBytes(dir / "neu.RVK") == bytes, identical);
        EXPECT_EQ(readBytes(dir / "neu.RVK"), classFileBytes(header, fromDisk.records));
        EXPECT_EQ(fingerprintAfterWrite(header, fromDisk.records, written), recordsFingerprint(fromDisk.records));
    }
}

class BackupCopyTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, dir.path(), RandomSource(2)};
};

TEST_F(BackupCopyTest, TheBackupIsTheClassWrittenAnew)
{
    std::mt19937 random(9);
    for (const FileShape& shape : {FileShape{3, 2, false, 0}, FileShape{3, 1, false, 0}, FileShape{3, 2, true, 0},
                                   FileShape{3, 2, false, 100}}) {
        SCOPED_TRACE(::testing::Message() << "LeseVersion " << shape.leseVersion << ", " << shape.trailing
                                          << " bytes after");
        writeBytes(dir / "K.RVK", classFile(random, shape));
        ASSERT_TRUE(cls.openFile(dir / "K.RVK", prompter));
        EXPECT_TRUE(prompter.log().empty());
        EXPECT_EQ(cls.header.LeseVersion, 2);
        EXPECT_EQ(readBytes(dir / "K.$KL"), classFileBytes(cls.header, cls.records));
        // Nothing changed since the open.
        cls.changed = true;
        EXPECT_FALSE(cls.hasUnsavedChanges());
        cls.records[1].Name = "Geändert";
        cls.changed = true;
        EXPECT_TRUE(cls.hasUnsavedChanges());
    }
}

TEST_F(BackupCopyTest, AFailedCopySaysSoAndKeepsTheOldBackup)
{
    std::mt19937 random(4);
    writeBytes(dir / "K.RVK", classFile(random, FileShape{4, 2, false, 0}));
    writeBytes(dir / "K.$KL", {1, 2, 3});
    const KernelCopyCalls real = kernelCopyCalls();
    kernelCopyCalls().clone = [](int, int) {
        errno = EOPNOTSUPP;
        return -1;
    };
    kernelCopyCalls().copyRange = [](int, off_t*, int, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    const bool opened = cls.openFile(dir / "K.RVK", prompter);
    kernelCopyCalls() = real;
    ASSERT_TRUE(opened);
    EXPECT_EQ(prompter.log(),
              (std::vector{Shown::error("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!")}));
    EXPECT_EQ(readBytes(dir / "K.$KL"), (ByteVec{1, 2, 3}));
    EXPECT_EQ(cls.count(), 4);
}

} // namespace
