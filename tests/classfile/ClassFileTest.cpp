// Reading and writing class files: order, bytes, versions and damaged files.
#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"

#include "Fixtures.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace ruvek;
using namespace ruvek::test;

namespace {
TDB2 threeStudents()
{
    TDB2 list(3);
    RandomSource random(7);
    const char* names[] = {"Albrecht", "B\xE4""cker", "Zander"};
    for (std::size_t i = 0; i < list.size(); ++i) {
        initialiseRecord(list[i], list, SchoolType::RegionaleSchule, random, i);
        list[i].Name = names[i];
        list[i].Reserved177.bytes[i] = 0xA0 + static_cast<std::uint8_t>(i); // reserved bytes travel too
        list[i].LEBText = "Zeile 1\r\nZeile 2";
    }
    return list;
}
} // namespace

TEST(ClassFile, WritesTheLastListEntryFirst)
{
    TempDir dir;
    const auto list = threeStudents();
    ASSERT_TRUE(writeClassFile(dir / "k.RVK", newFileHeader(3), list));
    const auto bytes = readBytes(dir / "k.RVK");
    ASSERT_EQ(bytes.size(), 92u + 3 * 6044);
    EXPECT_EQ(getU16(bytes, 0), 3);
    EXPECT_EQ(getU16(bytes, 20), 2);
    EXPECT_EQ(getU16(bytes, 22), 2);
    for (std::size_t k = 0; k < 3; ++k) {
        const auto expected = toBytes(list[2 - k]);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 92 + static_cast<long>(k * 6044)))
            << "file record " << k;
    }
}

TEST(ClassFile, RoundTripKeepsOrderAndBytes)
{
    TempDir dir;
    const auto list = threeStudents();
    auto header = newFileHeader(3);
    header.Reserved24.bytes[5] = 0x77;
    ASSERT_TRUE(writeClassFile(dir / "k.RVK", header, list));
    const auto first = readBytes(dir / "k.RVK");

    ClassFileContent content;
    ASSERT_EQ(readClassFile(dir / "k.RVK", content), ReadError::None);
    ASSERT_EQ(content.records.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(toBytes(content.records[i]), toBytes(list[i]));
    EXPECT_EQ(toBytes(content.header), toBytes(header));

    ASSERT_TRUE(writeClassFile(dir / "k2.RVK", content.header, content.records));
    EXPECT_EQ(readBytes(dir / "k2.RVK"), first);
}

TEST(ClassFile, BytesAfterTheLastRecordAreIgnored)
{
    TempDir dir;
    writeBytes(dir / "k.RVK", concat({headerBytes(1, 2), recordV2Bytes("Einer", 1), ByteVec(100, 0x41)}));
    ClassFileContent content;
    ASSERT_EQ(readClassFile(dir / "k.RVK", content), ReadError::None);
    EXPECT_EQ(content.records.size(), 1u);
}

TEST(ClassFile, VersionOneRecordsAreConvertedInReverseOrder)
{
    TempDir dir;
    ByteVec first(4144, 0), second(4144, 0);
    putPStr(first, 20, "Erster");
    putI16(first, 178, 1);
    putPStr(second, 20, "Zweiter");
    putI16(second, 178, 2);
    // The file holds the last list entry first.
    writeBytes(dir / "alt.RVK", concat({headerBytes(2, 1), second, first}));
    ClassFileContent content;
    ASSERT_EQ(readClassFile(dir / "alt.RVK", content), ReadError::None);
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[0].Name, "Erster");
    EXPECT_EQ(content.records[0].Klassenstufe, 5);
    EXPECT_EQ(content.records[1].Name, "Zweiter");
    EXPECT_EQ(content.records[1].Klassenstufe, 6);
    EXPECT_EQ(content.header.Version, 1);
}

namespace {
struct BadFile {
    const char* what;
    ByteVec bytes;
    ReadError expected;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }
} // namespace

class DamagedClassFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(DamagedClassFile, IsRefusedAndLeavesTheOutputAlone)
{
    TempDir dir;
    writeBytes(dir / "x.RVK", GetParam().bytes);
    ClassFileContent content;
    content.records.resize(1);
    content.records[0].Name = "vorher";
    EXPECT_EQ(readClassFile(dir / "x.RVK", content), GetParam().expected);
    ASSERT_EQ(content.records.size(), 1u);
    EXPECT_EQ(content.records[0].Name, "vorher");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedClassFile,
    ::testing::Values(
        BadFile{"empty", {}, ReadError::WrongFormat},
        BadFile{"wrong magic", concat({headerBytes(1, 2, "jvq Ruvek DX"), recordV2Bytes("A", 1)}), ReadError::WrongFormat},
        BadFile{"magic with wrong length byte",
                [] { auto h = headerBytes(1, 2); h[2] = 11; return concat({h, recordV2Bytes("A", 1)}); }(),
                ReadError::WrongFormat},
        BadFile{"version 3", concat({headerBytes(1, 3), recordV2Bytes("A", 1)}), ReadError::UnknownVersion},
        BadFile{"version 0", concat({headerBytes(1, 0), recordV2Bytes("A", 1)}), ReadError::UnknownVersion},
        BadFile{"Anzahl 0", headerBytes(0, 2), ReadError::NoRecords},
        BadFile{"fewer records than announced", concat({headerBytes(3, 2), recordV2Bytes("A", 1), recordV2Bytes("B", 2)}),
                ReadError::Truncated},
        BadFile{"Anzahl 65535 with one record", concat({headerBytes(65535, 2), recordV2Bytes("A", 1)}),
                ReadError::Truncated},
        BadFile{"version 1 announced, version 2 size short", concat({headerBytes(2, 1), ByteVec(4144 + 100, 0)}),
                ReadError::Truncated}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ClassFile, EveryTruncatedPrefixIsRefusedCleanly)
{
    TempDir dir;
    const ByteVec files[] = {
        concat({headerBytes(2, 2), recordV2Bytes("A", 1), recordV2Bytes("B", 2)}),
        concat({headerBytes(2, 1), ByteVec(4144, 0x20), ByteVec(4144, 0x20)}),
    };
    for (const auto& full : files) {
        writeBytes(dir / "p.RVK", full);
        ClassFileContent content;
        ASSERT_EQ(readClassFile(dir / "p.RVK", content), ReadError::None);
        // Cut the file shorter and shorter, down to nothing.
        for (std::size_t n = full.size(); n-- > 0;) {
            std::filesystem::resize_file(dir / "p.RVK", n);
            ClassFileContent cut;
            const ReadError e = readClassFile(dir / "p.RVK", cut);
            ASSERT_TRUE(e == ReadError::WrongFormat || e == ReadError::Truncated) << "prefix " << n;
            ASSERT_TRUE(cut.records.empty());
        }
    }
}

TEST(ClassFile, ShippedExampleClassIsAValidClassFile)
{
    ClassFileContent content;
    const auto source = std::filesystem::path(RUVEK_SOURCE_DIR);
    ASSERT_EQ(readClassFile(source / "data/examples/Beispielklasse.RVK", content), ReadError::None);
    EXPECT_EQ(content.header.Version, 2);
    EXPECT_EQ(content.records.size(), 25u);
    int deleted = 0;
    for (const auto& r : content.records) {
        deleted += r.Status == 0;
        EXPECT_EQ(r.Klasse, "7a");
        EXPECT_EQ(r.SjBeginn, "2026");
    }
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(content.records[1].Name, "B\xE4""cker");
}

TEST(ClassFile, MissingFileAndFolderCannotBeOpened)
{
    TempDir dir;
    ClassFileContent content;
    EXPECT_EQ(readClassFile(dir / "fehlt.RVK", content), ReadError::CannotOpen);
    EXPECT_EQ(readClassFile(dir.path(), content), ReadError::CannotOpen);
}

TEST(ClassFile, FailedWriteKeepsThePreviousFile)
{
    TempDir dir;
    ASSERT_TRUE(writeClassFile(dir / "k.RVK", newFileHeader(3), threeStudents()));
    const auto before = readBytes(dir / "k.RVK");
    // The same file again, with more students than the disk lets through.
    TDB2 many = threeStudents();
    many.resize(10, many[0]);
    {
        test::FileSizeLimit limit(before.size() + 1000);
        EXPECT_FALSE(writeClassFile(dir / "k.RVK", newFileHeader(3), many));
    }
    EXPECT_EQ(readBytes(dir / "k.RVK"), before);
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"k.RVK"});   // no temporary file left

    // A folder standing where the file should go cannot be replaced.
    std::filesystem::create_directory(dir / "ordner.RVK");
    EXPECT_FALSE(writeClassFile(dir / "ordner.RVK", newFileHeader(3), threeStudents()));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "ordner.RVK"));
}
