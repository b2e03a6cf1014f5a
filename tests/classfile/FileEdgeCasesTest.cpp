// Class files in unusual places: a file that carries the backup extension
// itself, and backup names that lead to the opened file.
#include "classfile/OpenClass.h"

#include "Fixtures.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {
using namespace test;

TEST(ClassFileBackup, NeverWrittenOverTheFileBeingOpened)
{
    struct Case {
        const char* opened;   // the file the user opens
        const char* linkName; // a link of this name to the opened file, or null
    };
    const Case cases[] = {
        {"Alt.$KL", nullptr},        // the backup name equals the input name
        {"Klasse.RVK", "Klasse.$KL"}, // the backup name is a link to the input
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opened);
        TempDir dir;
        // A version-1 original: converting it would change every byte.
        ByteVec record(kV1RecordSize, 0);
        putPStr(record, 20, "Anna");
        const ByteVec original = concat({headerBytes(1, 1), record});
        writeBytes(dir / c.opened, original);
        if (c.linkName)
            std::filesystem::create_symlink(c.opened, dir / c.linkName);

        ScriptedPrompter prompter;
        OpenClass cls(SchoolType::Grundschule, dir.path(), RandomSource(1));
        ASSERT_TRUE(cls.openFile(dir / c.opened, prompter));
        EXPECT_EQ(readBytes(dir / c.opened), original);
        EXPECT_EQ(cls.records.size(), 1u);
        EXPECT_TRUE(prompter.log().empty());
    }
}

} // namespace
} // namespace ruvek
