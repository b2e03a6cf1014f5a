// Finding files whose names came from Windows installations, where letter
// case does not matter.
#include "common/FileLookup.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

using test::ScratchFolder;
using test::writeText;

std::string foundName(const std::filesystem::path& folder, const std::string& name)
{
    const auto found = findFileIgnoringCase(folder, name);
    return found ? found->filename().string() : "<none>";
}

TEST(FileLookup, ExactNameWinsOverOtherCaseVariants)
{
    ScratchFolder dir;
    writeText(dir / "ANL008.FST", "upper");
    writeText(dir / "Anl008.FST", "mixed");
    writeText(dir / "anl008.fst", "lower");
    EXPECT_EQ(foundName(dir.path(), "Anl008.FST"), "Anl008.FST");
    EXPECT_EQ(foundName(dir.path(), "anl008.fst"), "anl008.fst");
    EXPECT_EQ(foundName(dir.path(), "ANL008.FST"), "ANL008.FST");
    // No exact match: the first in byte order ("ANL" < "Anl" < "anl").
    EXPECT_EQ(foundName(dir.path(), "aNL008.FST"), "ANL008.FST");
}

TEST(FileLookup, ANameThatExistsOnlyInAnotherCaseIsFound)
{
    ScratchFolder dir;
    writeText(dir / "SCHEINST.DAT", "x");
    const auto found = findFileIgnoringCase(dir.path(), "ScheInst.dat");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, dir / "SCHEINST.DAT");
}

TEST(FileLookup, MissingFilesAreNotFound)
{
    ScratchFolder dir;
    writeText(dir / "WPFLFACH.DAT", "x");
    std::filesystem::create_directory(dir / "FAECHER.DAT");   // a folder is not a file
    const struct {
        std::filesystem::path folder;
        std::string name;
    } cases[] = {
        {dir.path(), "Faecher.DAT"},
        {dir.path(), "FAECHER.DAT"},
        {dir.path(), "WPFLFACH.DA"},        // same letters, shorter
        {dir.path(), "WPFLFACH.DAT~"},      // longer
        {dir.path(), ""},
        {dir / "fehlt", "WPFLFACH.DAT"},    // no such folder
    };
    for (const auto& c : cases)
        EXPECT_EQ(foundName(c.folder, c.name), "<none>") << c.folder << " " << c.name;
}

TEST(FileLookup, NamesWithUmlautsFoldTheirOtherLetters)
{
    ScratchFolder dir;
    writeText(dir / "\xC3\x96L.DAT", "x");   // "ÖL.DAT" in UTF-8
    EXPECT_EQ(foundName(dir.path(), "\xC3\x96l.dat"), "\xC3\x96L.DAT");
}

} // namespace
} // namespace ruvek
