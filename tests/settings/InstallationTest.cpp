#include "settings/Installation.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {
using test::ScriptedPrompter;

class InstallationFiles : public test::SettingsFolders {
protected:
    ScriptedPrompter prompter;
};

TEST_F(InstallationFiles, LoadReadsEverySettingsFileFromItsFolders)
{
    Settings s;
    s.programFolder = program;
    s.dataFolder = data;
    SetSchulname(s.prog, "Grundschule Am Hafen");
    s.prog.ZentralListen = 1;
    s.schule.Schultyp = 4;
    s.druck.RandLinks = 99;
    s.druck.ZentralSpeichern = 0;   // the print options live beside the class files
    ASSERT_TRUE(s.saveProg(prompter));
    ASSERT_TRUE(s.saveSchule(prompter));
    ASSERT_TRUE(s.saveDruck(prompter));
    TWPflFach electives;
    WpflDefaults(electives);
    AddWPflFach(electives, "Schach");
    ASSERT_TRUE(SaveWPflFach(electives, WpflFolders{program, data, 1}, prompter));
    ASSERT_TRUE(std::filesystem::exists(data / "DRKEINST.DAT"));

    Installation inst;
    inst.load({program, data}, prompter);
    EXPECT_EQ(toBytes(inst.settings.prog), toBytes(s.prog));
    EXPECT_EQ(toBytes(inst.settings.schule), toBytes(s.schule));
    EXPECT_EQ(toBytes(inst.settings.druck), toBytes(s.druck));
    EXPECT_EQ(inst.schoolType(), SchoolType::Gymnasium);
    EXPECT_EQ(inst.wahlpflichtListe, (std::vector<std::string>{"  - - -", "???", "Schach"}));
    EXPECT_EQ(toBytes(inst.katalog[20]), toBytes(defaultFachKatalog()[20]));
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(InstallationFiles, LoadStartsFromDefaultsEachTime)
{
    Installation inst;
    inst.settings.schule.Schultyp = 6;
    inst.settings.druck.RandLinks = 12345;
    inst.electives.Eintraege.clear();
    inst.load({program, data}, prompter);   // no files at all

    Installation fresh;
    SchulEinstDefaults(fresh.settings.schule);
    DrkEinstDefaults(fresh.settings.druck);
    WpflDefaults(fresh.electives);
    EXPECT_EQ(toBytes(inst.settings.schule), toBytes(fresh.settings.schule));
    EXPECT_EQ(toBytes(inst.settings.druck), toBytes(fresh.settings.druck));
    EXPECT_EQ(inst.electives.count(), 2u);
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(InstallationFiles, BrokenFilesAreReportedInStartUpOrder)
{
    // A catalogue, program settings and elective list that are all cut short.
    test::writeBytes(program / "Faecher.DAT", std::vector<std::uint8_t>(100, 0));
    test::writeBytes(program / "RVKEINST.DAT", std::vector<std::uint8_t>(200, 0));
    test::writeBytes(program / "WPflFach.DAT", {5, 0, 1, 2, 3});
    Installation inst;
    inst.load({program, data}, prompter);
    const auto shown = prompter.log();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(shown[0].text.find("Fächer-Einstellungs-Datei"), std::string::npos);
    EXPECT_NE(shown[1].text.find("unbekannten Programm-Version"), std::string::npos);
    EXPECT_NE(shown[2].text.find("WPflFach.DAT"), std::string::npos);
}

TEST_F(InstallationFiles, PrepareFoldersMakesTheDataFolderWithoutChangingDirectory)
{
    std::filesystem::remove_all(data);
    const auto cwd = std::filesystem::current_path();
    const InstallationFolders f = prepareFolders(program, prompter);
    EXPECT_EQ(f.programFolder, program);
    EXPECT_EQ(f.dataFolder, program / "Daten");
    EXPECT_TRUE(std::filesystem::is_directory(program / "Daten"));
    EXPECT_EQ(f.colourArms(), program / "13F.BMP");
    EXPECT_EQ(f.monoArms(), program / "13S.BMP");
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(InstallationFiles, DataFolderThatCannotBeMadeFallsBackToTheProgramFolder)
{
    // A file named "Daten" stands where the folder should be (this also
    // works when the tests run as root, where permissions do not stop us).
    std::filesystem::remove_all(data);
    test::writeBytes(program / "Daten", {1});
    const InstallationFolders f = prepareFolders(program, prompter);
    EXPECT_EQ(f.dataFolder, program);
    EXPECT_EQ(prompter.log(), (std::vector{test::Shown::information("Problem beim Erstellen des Datenverzeichnis:\n" +
                                                                    (program / "Daten/").string() + "\n")}));

    // Tools never create it and take the program folder as well.
    EXPECT_EQ(existingFolders(program).dataFolder, program);
}

TEST_F(InstallationFiles, ExistingFoldersCreateNothing)
{
    std::filesystem::remove_all(data);
    EXPECT_EQ(existingFolders(program).dataFolder, program);
    EXPECT_FALSE(std::filesystem::exists(data));
    std::filesystem::create_directory(data);
    EXPECT_EQ(existingFolders(program).dataFolder, data);
}

} // namespace
} // namespace ruvek
