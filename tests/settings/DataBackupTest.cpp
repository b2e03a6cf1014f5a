// The full data backup: copied file by file and byte for byte, the
// overwrite option, the refused targets, the form-file copy deletion.
#include "settings/DataBackup.h"
#include "settings/FileCopy.h"
#include "settings/FormFileCopies.h"

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

std::map<std::string, std::string> tree(const fs::path& folder)
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) {
            std::ifstream in(e.path(), std::ios::binary);
            out[e.path().lexically_relative(folder).string()] = {std::istreambuf_iterator<char>(in), {}};
        }
    return out;
}

class DataBackup : public test::SettingsFolders {
protected:
    void SetUp() override
    {
        SettingsFolders::SetUp();
        target = root / "sicherung";
        fs::create_directories(target);
        // Binary content with every byte value, so a text-mode copy would show.
        std::string bytes;
        for (int i = 0; i < 256; ++i)
            bytes += static_cast<char>(i);
        put(data / "7a.RVK", bytes + "klasse 7a");
        put(data / "7a.$KL", bytes + "sicherung 7a");
        put(data / "WPflFach.DAT", "liste");
        put(data / "Anl001.FST", "kopie");
        put(data / "Archiv" / "2025.RVK", "alt");
        put(program / "SCHEINST.DAT", "schule");
        put(program / "RVKEINST.DAT", "programm");
        put(program / "ruvek", "binary");
        put(program / "Anl001.FST", "original");
    }
    BackupRequest request(bool overwrite = false) const { return {data, program, target, overwrite, "2026-05-04"}; }

    fs::path target;
    test::ScriptedPrompter prompter;
};

TEST_F(DataBackup, CopiesDataFolderAndProgramSettingsByteForByte)
{
    std::vector<std::size_t> progress;
    const auto r = runBackup(request(), prompter, [&](std::size_t done, std::size_t total, const fs::path&) {
        progress.push_back(done);
        EXPECT_EQ(total, 7u);
        return true;
    });
    ASSERT_TRUE(r.done);
    EXPECT_EQ(r.folder, target / "Ruvek-Datensicherung 2026-05-04");
    EXPECT_EQ(progress, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7}));

    auto expected = tree(data);
    for (const auto& [name, content] : std::map<std::string, std::string>{{"SCHEINST.DAT", "schule"},
                                                                           {"RVKEINST.DAT", "programm"}})
        expected["Programm-Ordner/" + name] = content;
    EXPECT_EQ(tree(r.folder), expected);
    EXPECT_EQ(fs::last_write_time(r.folder / "7a.RVK"), fs::last_write_time(data / "7a.RVK"));
    EXPECT_TRUE(prompter.log().empty());

    const std::string report = backupReport(r);
    EXPECT_NE(report.find("Klassen-Dateien (*.RVK): 2"), std::string::npos) << report;
    EXPECT_NE(report.find("Sicherungskopien (*.$KL): 1"), std::string::npos);
    EXPECT_NE(report.find("Formular-Kopien (*.FST): 1"), std::string::npos);
    EXPECT_NE(report.find("Einstellungen des Programm-Ordners: 2"), std::string::npos);
    EXPECT_NE(report.find("zusammen 7 Dateien"), std::string::npos);
}

TEST_F(DataBackup, ExistingFilesAreAskedForOrReplacedByTheOption)
{
    ASSERT_TRUE(runBackup(request(), prompter).done);
    put(data / "7a.RVK", "geändert");
    put(data / "WPflFach.DAT", "neue liste");

    prompter.choices = {2, 1};   // 7a.$KL: Nein, then "Ja, alle"
    auto r = runBackup(request(), prompter);
    EXPECT_TRUE(r.done);
    EXPECT_EQ(prompter.questions().size(), 2u);
    EXPECT_EQ(r.kept, (std::vector<fs::path>{"7a.$KL"}));
    EXPECT_EQ(tree(r.folder)["7a.RVK"], "geändert");

    prompter.clearLog();
    put(data / "WPflFach.DAT", "dritte liste");
    r = runBackup(request(true), prompter);
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_EQ(tree(r.folder)["WPflFach.DAT"], "dritte liste");

    prompter.choices = {3};   // Abbrechen
    r = runBackup(request(), prompter);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.done);
}

TEST_F(DataBackup, RefusedTargets)
{
    const fs::path inside = data / "Archiv";
    struct Case {
        fs::path target;
        const char* messageStart;
    };
    const Case cases[] = {{data, "Die Datensicherung kann nicht im Datenverzeichnis"},
                          {inside, "Die Datensicherung kann nicht im Datenverzeichnis"},
                          {root / "fehlt", "Der Zielort"}};
    for (const Case& c : cases) {
        BackupRequest r = request();
        r.target = c.target;
        EXPECT_FALSE(runBackup(r, prompter).done) << c.target;
        EXPECT_EQ(prompter.last().text.rfind(c.messageStart, 0), 0u) << prompter.last().text;
    }
}

TEST_F(DataBackup, DataFolderThatIsTheProgramFolderSavesOnlyDataFiles)
{
    BackupRequest r = request();
    r.dataFolder = program;
    std::vector<std::string> names;
    for (const BackupFile& f : backupPlan(r))
        names.push_back(f.relative.string());
    EXPECT_EQ(names, (std::vector<std::string>{"Anl001.FST", "RVKEINST.DAT", "SCHEINST.DAT"}));
}

TEST_F(DataBackup, FormCopiesAreDeletedOnlyFromASeparateDataFolder)
{
    put(data / "anl002.fst", "kopie 2");
    prompter.answers = {false};
    EXPECT_EQ(deleteFormFileCopies(data, program, prompter).deleted, 0);
    EXPECT_EQ(prompter.last(), Shown::question(kMsgDeleteFormCopies));

    prompter.answers = {true};
    EXPECT_EQ(deleteFormFileCopies(data, program, prompter).deleted, 2);
    EXPECT_FALSE(fs::exists(data / "Anl001.FST"));
    EXPECT_FALSE(fs::exists(data / "anl002.fst"));
    EXPECT_TRUE(fs::exists(program / "Anl001.FST"));

    prompter.clearLog();
    const auto same = deleteFormFileCopies(program, fs::path(program.string() + "/"), prompter);
    EXPECT_FALSE(same.asked);
    EXPECT_EQ(prompter.log(), (std::vector<Shown>{Shown::information(formCopiesAreOriginalsMessage(program))}));
    EXPECT_TRUE(fs::exists(program / "Anl001.FST"));
}

} // namespace
} // namespace ruvek
