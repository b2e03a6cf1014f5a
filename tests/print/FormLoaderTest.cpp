#include "print/FormLoader.h"

#include "TempFolder.h"
#include "print/FormFile.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <ostream>

namespace ruvek {
namespace {

using test::readText;
using test::writeText;

constexpr const char* kMismatch = "Es können Fehler in der Steuerdatei enthalten sein!";
constexpr const char* kName = "Anl010.FST";

TFstTable tableWith(std::uint16_t marker)
{
    TFstTable t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = {marker, static_cast<std::uint16_t>(i), 0, 21, 1, 1};
    return t;
}

// A form file whose slot values carry `marker` as X; optionally with a wrong
// index line and non-standard comment lines.
std::string formText(const std::string& title, std::uint16_t marker, bool wrongIndex = false)
{
    std::string text = FormFileText(title, tableWith(marker));
    if (wrongIndex) {
        const auto pos = text.find("\r\n5\r\n");
        text.replace(pos, 5, "\r\n50\r\n");
    }
    return text;
}

class FormLoader : public ::testing::Test {
protected:
    test::TempFolder tmp;
    FormFolders folders{tmp.root() / "Programm", tmp.root() / "Programm" / "Daten"};
    TDrkEinstRec options;
    test::ScriptedPrompter prompter;
    TFstTable table{};
    std::string title = "Beschreibung";

    void SetUp() override
    {
        DrkEinstDefaults(options);
        std::filesystem::create_directories(folders.data);
    }
    bool load(const std::string& name = kName)
    {
        return LoadFormFile(table, name, title, folders, options, prompter);
    }
};

struct FolderCase {
    const char* label;
    int fstKopien;
    bool inProgram, inData;
    bool wrongIndex;
    std::uint16_t expectedMarker;          // X of the slots after loading
    bool copyWritten;                      // data folder file replaced by a standard copy
    bool mismatchMessage;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.label; }

class FormLoaderFolders : public FormLoader, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FormLoaderFolders, ReadsFromTheRightFolderAndCopiesOnlyWithCopies)
{
    const FolderCase& c = GetParam();
    options.FstKopien = static_cast<std::int16_t>(c.fstKopien);
    if (c.inProgram)
        writeText(folders.program / kName, formText("Programm-Titel", 111, c.wrongIndex));
    if (c.inData)
        writeText(folders.data / kName, formText("Daten-Titel", 222, c.wrongIndex));
    const std::string dataBefore = c.inData ? readText(folders.data / kName) : "";

    EXPECT_TRUE(load());
    EXPECT_EQ(table[3].X, c.expectedMarker);
    EXPECT_EQ(table[3].Y, 3);
    EXPECT_EQ(title, c.expectedMarker == 111 ? "Programm-Titel" : "Daten-Titel");
    EXPECT_TRUE(prompter.questions().empty());

    const bool dataExists = std::filesystem::exists(folders.data / kName);
    if (c.copyWritten) {
        ASSERT_TRUE(dataExists);
        EXPECT_EQ(readText(folders.data / kName), formText("Programm-Titel", 111)); // standard index lines
    } else if (c.inData) {
        EXPECT_EQ(readText(folders.data / kName), dataBefore);
    } else {
        EXPECT_FALSE(dataExists);
    }
    const std::vector<test::Shown> expected =
        c.mismatchMessage ? std::vector{test::Shown::error(kMismatch)} : std::vector<test::Shown>{};
    EXPECT_EQ(prompter.log(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FormLoaderFolders,
    ::testing::Values(
        FolderCase{"ProgramFirstWithoutCopies", 0, true, true, false, 111, false, false},
        FolderCase{"DataFirstWithCopies", 1, true, true, false, 222, false, false},
        FolderCase{"OnlyProgramWithCopiesWritesCopy", 1, true, false, false, 111, true, false},
        FolderCase{"OnlyProgramWithoutCopiesWritesNone", 0, true, false, false, 111, false, false},
        FolderCase{"OnlyDataWithoutCopies", 0, false, true, false, 222, false, false},
        FolderCase{"MismatchInFirstFolderReported", 0, true, false, true, 111, false, true},
        FolderCase{"MismatchInFirstFolderReportedWithCopies", 1, false, true, true, 222, false, true},
        FolderCase{"MismatchInSecondFolderSilentWithoutCopies", 0, false, true, true, 222, false, false},
        FolderCase{"MismatchInSecondFolderReportedAfterCopy", 1, true, false, true, 111, true, true}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(FormLoader, SecondPrintReadsTheCopy)
{
    options.FstKopien = 1;
    writeText(folders.program / kName, formText("Programm-Titel", 111));
    ASSERT_TRUE(load());
    // The school adjusts its copy; the next load must use it.
    writeText(folders.data / kName, formText("angepasst", 333));
    ASSERT_TRUE(load());
    EXPECT_EQ(table[0].X, 333);
    EXPECT_EQ(title, "angepasst");
}

TEST_F(FormLoader, FindsFileWhoseNameDiffersInLetterCase)
{
    writeText(folders.program / "ANL010.fst", formText("Gross", 444));
    ASSERT_TRUE(load());
    EXPECT_EQ(table[0].X, 444);
}

TEST_F(FormLoader, MissingFileCreatedOnYesInDataFolder)
{
    options.FstKopien = 0; // the new file goes into the data folder all the same
    prompter.answers = {true};
    ASSERT_TRUE(load());
    EXPECT_EQ(prompter.log(), std::vector{test::Shown::question(
                                  "Es konnte die benötigte Formular-Datei:\nAnl010.FST  nicht gefunden werden!\n\n"
                                  "Soll jetzt eine neue (fast leere) Formular-Datei\nerzeugt werden?")});
    EXPECT_EQ(title, "Beschreibung");
    TFstTable defaults{};
    NewFormDefaults(defaults);
    EXPECT_EQ(table, defaults);
    EXPECT_EQ(readText(folders.data / kName), FormFileText("Beschreibung", defaults));
    EXPECT_FALSE(std::filesystem::exists(folders.program / kName));
}

TEST_F(FormLoader, MissingFileDeclinedLeavesEmptyTable)
{
    prompter.answers = {false};
    EXPECT_FALSE(load());
    EXPECT_EQ(title, ":::");
    for (const auto& s : table)
        EXPECT_EQ(s, (TFstSlot{0, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(std::filesystem::is_empty(folders.data));
}

TEST_F(FormLoader, LineWithoutNumberEndsThePageWithMessageNamingFileAndLine)
{
    options.FstKopien = 1;
    std::string text = formText("Titel", 111);
    const auto pos = text.find("\r\n21\r\n"); // Font of slot 0, line 7
    text.replace(pos, 6, "\r\nArial\r\n");
    writeText(folders.program / kName, text);

    EXPECT_FALSE(load());
    EXPECT_EQ(title, ":::");
    ASSERT_EQ(prompter.log().size(), 1u);
    const auto m = prompter.last();
    EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_NE(m.text.find((folders.program / kName).string()), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("Zeile 7 enthält keine Zahl: \"Arial\""), std::string::npos) << m.text;
    EXPECT_FALSE(std::filesystem::exists(folders.data / kName)); // no copy of a broken file
}

TEST_F(FormLoader, TruncatedFileIsReported)
{
    writeText(folders.program / kName, formText("Titel", 111).substr(0, 500));
    EXPECT_FALSE(load());
    EXPECT_EQ(title, ":::");
    ASSERT_EQ(prompter.log().size(), 1u);
    EXPECT_EQ(prompter.last().kind, MessageKind::Error);
    EXPECT_NE(prompter.last().text.find("Die Datei endet vor Zeile"), std::string::npos);
}

TEST_F(FormLoader, CopyThatCannotBeWrittenIsReportedAndPrintingGoesOn)
{
    options.FstKopien = 1;
    writeText(folders.program / kName, formText("Titel", 111));
    std::filesystem::remove_all(folders.data);
    writeText(folders.data, "kein Ordner"); // a file where the data folder should be

    EXPECT_TRUE(load());
    EXPECT_EQ(table[0].X, 111);
    ASSERT_EQ(prompter.log().size(), 1u);
    EXPECT_EQ(prompter.last().kind, MessageKind::Error);
    EXPECT_NE(prompter.last().text.find("konnte nicht geschrieben werden"), std::string::npos);
}

TEST_F(FormLoader, EmptyNameLoadsNothingWithoutQuestion)
{
    EXPECT_FALSE(load(""));
    EXPECT_EQ(title, ":::");
    EXPECT_TRUE(prompter.log().empty());
}

} // namespace
} // namespace ruvek
