#include "settings/WPflFach.h"

#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace ruvek {
namespace {
namespace fs = std::filesystem;
using test::ScriptedPrompter;
using test::Shown;

class WPflFachFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("ruvek-wpfl-" + std::to_string(std::random_device{}()));
        program = root / "prog";
        data = program / "Daten";
        other = root / "anderer";
        fs::create_directories(data);
        fs::create_directories(other);
    }
    void TearDown() override { fs::remove_all(root); }

    WpflFolders folders(int zentral) const { return {program, data, zentral}; }

    static void write(const fs::path& p, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A file image written by hand: count, then the blocks in the given (file) order.
    static std::vector<std::uint8_t> fileImage(std::uint16_t count, const std::vector<std::pair<std::string, std::string>>& blocks)
    {
        std::vector<std::uint8_t> out{static_cast<std::uint8_t>(count & 0xFF), static_cast<std::uint8_t>(count >> 8)};
        for (const auto& [name, kurz] : blocks) {
            std::vector<std::uint8_t> block(47, 0);
            block[0] = static_cast<std::uint8_t>(name.size());
            std::copy(name.begin(), name.end(), block.begin() + 1);
            block[41] = static_cast<std::uint8_t>(kurz.size());
            std::copy(kurz.begin(), kurz.end(), block.begin() + 42);
            out.insert(out.end(), block.begin(), block.end());
        }
        return out;
    }
    static std::vector<std::string> names(const TWPflFach& list) { return BuildWahlpflichtListe(list); }

    fs::path root, program, data, other;
};

TWPflFach listOf(std::initializer_list<const char*> extra)
{
    TWPflFach l;
    WpflDefaults(l);
    for (const char* n : extra)
        AddWPflFach(l, n);
    l.Gewaehlt = 0;
    return l;
}

TEST_F(WPflFachFiles, DefaultsAreTheTwoFixedEntries)
{
    TWPflFach l;
    WpflDefaults(l);
    ASSERT_EQ(l.count(), 2u);
    EXPECT_EQ(l.Eintraege[0].WpfName, "  - - -");
    EXPECT_EQ(l.Eintraege[0].WpfKurz, "---");
    EXPECT_EQ(l.Eintraege[1].WpfName, "???");
    EXPECT_EQ(l.Eintraege[1].WpfKurz, "???");
}

TEST_F(WPflFachFiles, FileEntriesStandInReverseOrder)
{
    write(program / "WPflFach.DAT", fileImage(3, {{"Informatik", "Inf"}, {"???", "???"}, {"  - - -", "---"}}));
    TWPflFach l;
    WpflDefaults(l);
    l.Gewaehlt = 1;
    ScriptedPrompter p;
    EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(l), (std::vector<std::string>{"  - - -", "???", "Informatik"}));
    EXPECT_EQ(l.Eintraege[2].WpfKurz, "Inf");
    EXPECT_EQ(l.Gewaehlt, 0u);
    EXPECT_TRUE(p.log().empty());
}

TEST_F(WPflFachFiles, SaveWritesExactSizeLastEntryFirstAndReadsBack)
{
    auto l = listOf({"Informatik", "Französisch"});
    l.Eintraege[3].WpfName = utf8ToCp1252("Französisch");
    // An older, longer file must not leave its tail behind.
    write(program / "WPflFach.DAT", std::vector<std::uint8_t>(1000, 0xAA));
    ScriptedPrompter p;
    ASSERT_TRUE(SaveWPflFach(l, folders(1), p));
    const auto bytes = read(program / "WPflFach.DAT");
    ASSERT_EQ(bytes.size(), 2u + 4 * 47);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 11);  // length of "Französisch", the last entry, first
    EXPECT_EQ(bytes[2 + 1 + 5], 0xF6);  // "ö" in Windows-1252
    EXPECT_EQ(std::string(bytes.end() - 47 + 1, bytes.end() - 47 + 8), "  - - -");
    EXPECT_FALSE(fs::exists(data / "WPflFach.DAT"));

    TWPflFach back;
    WpflDefaults(back);
    ASSERT_EQ(LoadWPflFach(back, folders(1), p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(back), names(l));
    EXPECT_EQ(back.Eintraege[3].WpfKurz, "---");
    EXPECT_EQ(WPflFachImage(back), bytes);
    EXPECT_TRUE(p.log().empty());
}

TEST_F(WPflFachFiles, FolderFollowsZentralListenAndLoadFallsBackToTheOther)
{
    ScriptedPrompter p;
    ASSERT_TRUE(SaveWPflFach(listOf({"Daten-Fach"}), folders(0), p));
    EXPECT_TRUE(fs::exists(data / "WPflFach.DAT"));
    EXPECT_FALSE(fs::exists(program / "WPflFach.DAT"));

    // ZentralListen 1 looks in the program folder first, then in the data folder.
    TWPflFach l;
    WpflDefaults(l);
    ASSERT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(l).back(), "Daten-Fach");

    ASSERT_TRUE(SaveWPflFach(listOf({"Programm-Fach"}), folders(1), p));
    ASSERT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(l).back(), "Programm-Fach");
    ASSERT_EQ(LoadWPflFach(l, folders(0), p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(l).back(), "Daten-Fach");
}

TEST_F(WPflFachFiles, MissingFileAndCountZeroKeepTheList)
{
    auto l = listOf({"Informatik"});
    ScriptedPrompter p;
    EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::NotFound);
    write(program / "WPflFach.DAT", fileImage(0, {}));
    EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::NotFound);
    EXPECT_EQ(names(l), (std::vector<std::string>{"  - - -", "???", "Informatik"}));
    EXPECT_TRUE(p.log().empty());

    // A count of 0 counts as missing, so the other folder's file is read.
    write(data / "WPflFach.DAT", fileImage(2, {{"???", "???"}, {"  - - -", "---"}}));
    EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Loaded);
    EXPECT_EQ(l.count(), 2u);
}

TEST_F(WPflFachFiles, GivenFileIsFoundInAnyLetterCase)
{
    write(other / "wpflfach.dat", fileImage(3, {{"Chor", "---"}, {"???", "???"}, {"  - - -", "---"}}));
    auto l = listOf({});
    ScriptedPrompter p;
    EXPECT_EQ(LoadWPflFachFrom(l, other / "WPflFach.DAT", p), WpflLoadResult::Loaded);
    EXPECT_EQ(names(l).back(), "Chor");
    EXPECT_EQ(LoadWPflFachFrom(l, data / "WPflFach.DAT", p), WpflLoadResult::NotFound);
    EXPECT_EQ(l.count(), 3u);
    EXPECT_TRUE(p.log().empty());
}

TEST_F(WPflFachFiles, EveryTruncationIsReportedAndChangesNothing)
{
    const auto full = fileImage(3, {{"Informatik", "Inf"}, {"???", "???"}, {"  - - -", "---"}});
    for (std::size_t len = 0; len < full.size(); ++len) {
        SCOPED_TRACE(len);
        write(program / "WPflFach.DAT", {full.begin(), full.begin() + static_cast<std::ptrdiff_t>(len)});
        auto l = listOf({"Astronomie"});
        l.Gewaehlt = 2;
        ScriptedPrompter p;
        EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Failed);
        EXPECT_EQ(names(l), (std::vector<std::string>{"  - - -", "???", "Astronomie"}));
        EXPECT_EQ(l.Gewaehlt, 2u);
        ASSERT_EQ(p.log().size(), 1u);
        EXPECT_EQ(p.last().kind, MessageKind::Error);
        EXPECT_NE(p.last().text.find("unvollständig"), std::string::npos);
    }
}

TEST_F(WPflFachFiles, UnreadableFileGivesTheOpenMessage)
{
    fs::create_directory(program / "WPflFach.DAT");  // a folder of that name cannot be read as a file
    auto l = listOf({});
    ScriptedPrompter p;
    EXPECT_EQ(LoadWPflFach(l, folders(1), p), WpflLoadResult::Failed);
    EXPECT_EQ(p.log(), std::vector{Shown::error("Die Wahlpflicht-Fächer-Datei\nkonnte nicht geöffnet werden!")});
    EXPECT_EQ(l.count(), 2u);
}

TEST_F(WPflFachFiles, SaveIntoMissingFolderFailsWithMessageAndKeepsList)
{
    ScriptedPrompter p;
    const auto l = listOf({"Informatik"});
    EXPECT_FALSE(SaveWPflFach(l, {program / "fehlt", data, 1}, p));
    EXPECT_EQ(p.log(), std::vector{Shown::error("Fehler beim Erzeugen der neuen Datei!\n" +
                                                (program / "fehlt" / "WPflFach.DAT").string() +
                                                "\n(Ordner oder Datei nicht vorhanden)")});
    EXPECT_EQ(l.count(), 3u);
}

TEST_F(WPflFachFiles, AddAppendsAndSelects)
{
    auto l = listOf({});
    AddWPflFach(l, "");
    AddWPflFach(l, "Informatik");
    AddWPflFach(l, "Informatik");
    AddWPflFach(l, std::string(45, 'x'));
    EXPECT_EQ(names(l), (std::vector<std::string>{"  - - -", "???", "", "Informatik", "Informatik", std::string(40, 'x')}));
    EXPECT_EQ(l.Eintraege[2].WpfKurz, "---");
    EXPECT_EQ(l.Gewaehlt, 5u);
}

struct DeleteCase {
    const char* what;
    std::vector<const char*> extra;  // entries after the two fixed ones
    std::size_t selected;
    std::deque<bool> answers;
    std::vector<std::string> expected;
    std::size_t selectedAfter;
    bool question;  // the question was asked (else the information message)
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.what; }

class WPflFachDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(WPflFachDelete, Rules)
{
    const auto& c = GetParam();
    TWPflFach l;
    WpflDefaults(l);
    for (const char* n : c.extra)
        AddWPflFach(l, n);
    l.Gewaehlt = c.selected;
    ScriptedPrompter p;
    p.answers = c.answers;
    DeleteSelectedWPflFach(l, p);
    EXPECT_EQ(BuildWahlpflichtListe(l), c.expected);
    EXPECT_EQ(l.Gewaehlt, c.selectedAfter);
    if (c.question)
        EXPECT_EQ(p.log(), std::vector{Shown::question("Wollen Sie das Fach: \"" + std::string(c.extra[c.selected - 2]) +
                                                           "\" wirklich löschen?",
                                                       MessageKind::Warning)});
    else
        EXPECT_EQ(p.log(), std::vector{Shown::information("Die letzten Datensätze können nicht gelöscht werden!")});
}

INSTANTIATE_TEST_SUITE_P(
    All, WPflFachDelete,
    ::testing::Values(
        DeleteCase{"FixedEntry0", {"Inf", "Ast"}, 0, {}, {"  - - -", "???", "Inf", "Ast"}, 0, false},
        DeleteCase{"FixedEntry1", {"Inf", "Ast"}, 1, {}, {"  - - -", "???", "Inf", "Ast"}, 1, false},
        DeleteCase{"TwoEntryList", {}, 1, {}, {"  - - -", "???"}, 1, false},
        DeleteCase{"Yes", {"Inf", "Ast", "Lat"}, 3, {true}, {"  - - -", "???", "Inf", "Lat"}, 2, true},
        DeleteCase{"YesOnlyElective", {"Inf"}, 2, {true}, {"  - - -", "???"}, 1, true},
        DeleteCase{"No", {"Inf", "Ast"}, 3, {false}, {"  - - -", "???", "Inf", "Ast"}, 3, true}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST_F(WPflFachFiles, CopyTakesThePrimaryFolderThenTheOther)
{
    ScriptedPrompter p;
    EXPECT_EQ(CopyWPflFach(folders(0), other, p), WpflCopyResult::NothingToCopy);
    EXPECT_FALSE(fs::exists(other / "WPflFach.DAT"));

    ASSERT_TRUE(SaveWPflFach(listOf({"Programm-Fach"}), folders(1), p));
    EXPECT_EQ(CopyWPflFach(folders(0), other, p), WpflCopyResult::Copied);  // only in the program folder
    EXPECT_EQ(read(other / "WPflFach.DAT"), read(program / "WPflFach.DAT"));

    // Onto itself: nothing happens.
    EXPECT_EQ(CopyWPflFach(folders(1), program, p), WpflCopyResult::NothingToCopy);

    ASSERT_TRUE(SaveWPflFach(listOf({"Daten-Fach"}), folders(0), p));
    p.answers = {false};
    EXPECT_EQ(CopyWPflFach(folders(0), other, p), WpflCopyResult::Declined);
    EXPECT_EQ(read(other / "WPflFach.DAT"), read(program / "WPflFach.DAT"));
    p.answers = {true};
    EXPECT_EQ(CopyWPflFach(folders(0), other, p), WpflCopyResult::Copied);
    EXPECT_EQ(read(other / "WPflFach.DAT"), read(data / "WPflFach.DAT"));
    const auto replace = Shown::question("Die Datei\n" + (other / "WPflFach.DAT").string() +
                                         "\nist bereits vorhanden.\n\nSoll sie durch die Datei aus\n" + data.string() +
                                         "\nersetzt werden?");
    EXPECT_EQ(p.log(), (std::vector{replace, replace}));
}

} // namespace
} // namespace ruvek
