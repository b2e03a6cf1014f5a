// Settings export and import between an installation and another folder:
// which file each item takes, the folder checks, the overwrite question.
#include "settings/FileCopy.h"
#include "settings/SettingsTransfer.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

#include <fstream>
#include <map>

namespace ruvek {
namespace {
namespace fs = std::filesystem;
using test::Shown;

void put(const fs::path& p, const std::string& content)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

std::string get(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every regular file below `folder` with its content, by relative path.
std::map<std::string, std::string> tree(const fs::path& folder)
{
    std::map<std::string, std::string> out;
    if (fs::exists(folder))
        for (const auto& e : fs::recursive_directory_iterator(folder))
            if (e.is_regular_file())
                out[e.path().lexically_relative(folder).string()] = get(e.path());
    return out;
}

class SettingsTransfer : public test::SettingsFolders {
protected:
    void SetUp() override
    {
        SettingsFolders::SetUp();
        stick = root / "stick";
        fs::create_directories(stick);
    }
    TransferFolders folders(int zentralListen = 1, int zentralSpeichern = 1, int fstKopien = 0) const
    {
        return {program, data, zentralListen, zentralSpeichern, fstKopien};
    }
    static TransferSelection only(std::initializer_list<TransferItem> items)
    {
        TransferSelection s{};
        for (TransferItem i : items)
            selected(s, i) = true;
        return s;
    }

    fs::path stick;
    test::ScriptedPrompter prompter;
};

TEST_F(SettingsTransfer, ItemTableAndDefaultSelections)
{
    std::vector<std::string> rows;
    for (const TransferItemInfo& i : transferItems())
        rows.push_back(std::string(i.caption) + "|" + i.file);
    // The dialogs name the check boxes (SettingsTransferDialogsTest checks them).
    EXPECT_EQ(rows, (std::vector<std::string>{"Wahlpflicht-Fächer|WPflFach.DAT", " |TEST.TST",
                                              "Schul-Einstellungen|SCHEINST.DAT", "Programm-Einstellungen|RVKEINST.DAT",
                                              "Druck-Einstellungen|DRKEINST.DAT", "Format-Steuer-Dateien ( *.FST)|*.FST",
                                              " |TEST.TXT"}));
    EXPECT_EQ(exportDefaultSelection(), (TransferSelection{true, false, true, true, true, false, false}));
    EXPECT_EQ(importDefaultSelection(), (TransferSelection{true, true, true, true, false, false, false}));
}

// Each file comes from where the program reads it; the table gives, for one
// setting of the switches, the folder each item is found in when it lies in both.
TEST_F(SettingsTransfer, ExportTakesEachFileFromWhereTheProgramReadsIt)
{
    for (const char* name : {"WPflFach.DAT", "SCHEINST.DAT", "RVKEINST.DAT", "DRKEINST.DAT", "Anl001.FST"}) {
        put(program / name, std::string("prog ") + name);
        put(data / name, std::string("data ") + name);
    }
    put(program / "Anl002.FST", "prog only");
    put(data / "anl003.fst", "data only");
    struct Case {
        int zentralListen, zentralSpeichern, fstKopien;
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {1, 1, 0,
         {{"WPflFach.DAT", "prog WPflFach.DAT"}, {"SCHEINST.DAT", "prog SCHEINST.DAT"},
          {"RVKEINST.DAT", "prog RVKEINST.DAT"}, {"DRKEINST.DAT", "prog DRKEINST.DAT"},
          {"Anl001.FST", "prog Anl001.FST"}, {"Anl002.FST", "prog only"}, {"anl003.fst", "data only"}}},
        // The elective list and the print options in the data folder, the
        // form files' copies first: school and program settings stay central.
        {0, 0, 1,
         {{"WPflFach.DAT", "data WPflFach.DAT"}, {"SCHEINST.DAT", "prog SCHEINST.DAT"},
          {"RVKEINST.DAT", "prog RVKEINST.DAT"}, {"DRKEINST.DAT", "data DRKEINST.DAT"},
          {"Anl001.FST", "data Anl001.FST"}, {"Anl002.FST", "prog only"}, {"anl003.fst", "data only"}}},
    };
    TransferSelection all{};
    all.fill(true);
    for (const Case& c : cases) {
        fs::remove_all(stick);
        fs::create_directories(stick);
        const auto r = exportSettings(all, folders(c.zentralListen, c.zentralSpeichern, c.fstKopien), stick, prompter);
        EXPECT_FALSE(r.refused);
        EXPECT_EQ(tree(stick), c.expected) << c.zentralListen << c.zentralSpeichern << c.fstKopien;
    }
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(SettingsTransfer, ElectiveListOnlyInProgramFolderIsExportedWithDecentralLists)
{
    put(program / "WPflFach.DAT", "liste");
    exportSettings(only({TransferItem::WPflFach, TransferItem::TestTst}), folders(0), stick, prompter);
    EXPECT_EQ(tree(stick), (std::map<std::string, std::string>{{"WPflFach.DAT", "liste"}}));
}

TEST_F(SettingsTransfer, ExportIntoASourceFolderIsRefused)
{
    put(program / "SCHEINST.DAT", "s");
    for (const fs::path& target : {program, data, fs::path(program.string() + "/")}) {
        const auto r = exportSettings(exportDefaultSelection(), folders(), target, prompter);
        EXPECT_TRUE(r.refused) << target;
        EXPECT_EQ(prompter.last(), Shown::error("Kopieren der Einstellungen auf\nsich selbst NICHT möglich!"));
    }
    EXPECT_EQ(tree(program).size(), 1u);
}

TEST_F(SettingsTransfer, ImportTargetsAndSelfCopyCheck)
{
    put(stick / "SCHEINST.DAT", "neu");
    put(stick / "TEST.TST", "t");
    const auto sel = only({TransferItem::SchulEinst, TransferItem::TestTst, TransferItem::FormFiles});
    struct Case {
        int zentralListen;
        ImportTargets targets;
        std::size_t copies;          // files written
        bool inData;                 // copies landed in the data folder
    };
    const Case cases[] = {
        {1, {true, false}, 2, false},
        {0, {true, true}, 4, true},    // both folders: each file twice
        {1, {true, true}, 2, false},   // settings folder is the program folder: once
        {0, {false, true}, 2, true},
    };
    for (const Case& c : cases) {
        for (const fs::path& f : {program / "SCHEINST.DAT", program / "TEST.TST", data / "SCHEINST.DAT", data / "TEST.TST"})
            fs::remove(f);
        const auto r = importSettings(sel, folders(c.zentralListen), stick, c.targets, prompter);
        EXPECT_EQ(r.written.size(), c.copies) << c.zentralListen;
        EXPECT_EQ(fs::exists(data / "SCHEINST.DAT"), c.inData);
        EXPECT_EQ(get(c.targets.programFolder ? program / "SCHEINST.DAT" : data / "SCHEINST.DAT"), "neu");
    }
    EXPECT_TRUE(prompter.log().empty());   // no form files in the source: nothing said

    const auto refused = importSettings(sel, folders(), program, {true, false}, prompter);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(prompter.last(), Shown::error(kMsgSelfCopy));
}

TEST_F(SettingsTransfer, OverwriteQuestionPerFile)
{
    for (const char* n : {"Anl001.FST", "Anl002.FST", "Anl003.FST"}) {
        put(stick / n, std::string("neu ") + n);
        put(program / n, "alt");
    }
    const auto fst = only({TransferItem::FormFiles});
    struct Case {
        std::vector<int> answers;   // Ja 0, Ja alle 1, Nein 2, Abbrechen 3
        std::size_t questions;
        std::vector<std::string> after;
        bool cancelled;
    };
    const Case cases[] = {
        {{0, 2, 0}, 3, {"neu Anl001.FST", "alt", "neu Anl003.FST"}, false},
        {{2, 1}, 2, {"alt", "neu Anl002.FST", "neu Anl003.FST"}, false},
        {{0, 3}, 2, {"neu Anl001.FST", "alt", "alt"}, true},
    };
    for (const Case& c : cases) {
        for (const char* n : {"Anl001.FST", "Anl002.FST", "Anl003.FST"})
            put(program / n, "alt");
        prompter.clearLog();
        prompter.choices.assign(c.answers.begin(), c.answers.end());
        const auto r = importSettings(fst, folders(), stick, {true, false}, prompter);
        EXPECT_EQ(r.cancelled, c.cancelled);
        EXPECT_EQ(prompter.questions().size(), c.questions);
        EXPECT_EQ((std::vector<std::string>{get(program / "Anl001.FST"), get(program / "Anl002.FST"),
                                            get(program / "Anl003.FST")}),
                  c.after);
    }
    EXPECT_EQ(prompter.questions().front().text, overwriteQuestion(stick / "Anl001.FST", program / "Anl001.FST"));
}

TEST_F(SettingsTransfer, ReportsNameWhatWasCopied)
{
    TransferResult r;
    EXPECT_EQ(importReport(r), "Es wurden keine Einstellungen importiert.");
    r.written = {program / "SCHEINST.DAT"};
    EXPECT_EQ(importReport(r), "Importiert: 1 Datei\n   " + (program / "SCHEINST.DAT").string() +
                                   "\n\nDie importierten Einstellungen gelten ab dem nächsten Start des Programms.");
    EXPECT_EQ(exportReport(r, stick),
              "Exportiert nach:\n" + stick.string() + "\n\n1 Datei:\n   " + (program / "SCHEINST.DAT").string());
}

} // namespace
} // namespace ruvek
