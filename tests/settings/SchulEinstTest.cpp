#include "settings/SchulEinst.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {
using test::readBytes;
using test::ScriptedPrompter;
using test::Shown;
using test::writeBytes;

TEST(SchulEinstLayout, FieldsDefaultsAndSchoolTypes)
{
    const std::vector<std::pair<std::string, std::size_t>> expected = {{"Schultyp", 0}, {"SchulAnschrift", 2}};
    EXPECT_EQ(test::namedOffsets<TSchulEinstRec>(), expected);
    test::expectFieldsTileRecord<TSchulEinstRec>();

    TSchulEinstRec rec;
    rec.Schultyp = 3;
    rec.SchulAnschrift = "x";
    SchulEinstDefaults(rec);
    EXPECT_EQ(toBytes(rec), (std::array<std::uint8_t, 94>{}));
    EXPECT_STREQ(kSchultypen[7], "Förderschule");
    EXPECT_STREQ(kSchultypen[9], "Schule z. indiv. Lebensbew.");
}

std::vector<std::uint8_t> schoolImage(std::uint16_t typ, std::string_view anschrift)
{
    TSchulEinstRec r;
    r.Schultyp = typ;
    r.SchulAnschrift = anschrift;
    const auto a = toBytes(r);
    return {a.begin(), a.end()};
}

class SchulEinstFiles : public test::SettingsFolders {
protected:
    TSchulEinstRec rec;
    ScriptedPrompter prompter;
    bool load()
    {
        SchulEinstDefaults(rec);
        return LoadSchulEinst(rec, program, data, prompter);
    }
};

TEST_F(SchulEinstFiles, DataFolderCopyIsReadUntilSavedIntoProgramFolder)
{
    EXPECT_FALSE(load());
    writeBytes(data / "SCHEINST.DAT", schoolImage(2, "Regionale Schule Nordhafen"));
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.Schultyp, 2);
    EXPECT_EQ(rec.SchulAnschrift, "Regionale Schule Nordhafen");

    rec.Schultyp = 5;
    ASSERT_TRUE(SaveSchulEinst(rec, program, prompter));
    EXPECT_EQ(readBytes(program / "SCHEINST.DAT").size(), 94u);
    EXPECT_EQ(fromBytes<TSchulEinstRec>(readBytes(data / "SCHEINST.DAT")).Schultyp, 2); // left alone
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.Schultyp, 5);
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(SchulEinstFiles, ShortFileIsRefusedWithMessage)
{
    for (std::size_t size : {0, 2, 83, 93}) {
        auto bytes = schoolImage(4, "Gymnasium");
        bytes.resize(size);
        writeBytes(program / "SCHEINST.DAT", bytes);
        prompter.clearLog();
        EXPECT_FALSE(load()) << size;
        EXPECT_EQ(toBytes(rec), toBytes(TSchulEinstRec{})) << size;
        EXPECT_EQ(prompter.log(),
                  (std::vector<Shown>{
                      {MessageKind::Error, "Die Schul-Einstellungs-Datei\n" + (program / "SCHEINST.DAT").string() +
                                               "\nist unvollständig (" + std::to_string(size) +
                                               " statt 94 Bytes) und wurde nicht gelesen.\n\n"
                                               "Es gelten die Standard-Einstellungen.\n"
                                               "Bitte überprüfen Sie die Schul-Einstellungen!"}}));
    }
}

TEST_F(SchulEinstFiles, LongerFileIsReadAsFarAsTheRecordAndSavedAtItsSize)
{
    auto bytes = schoolImage(6, "Realschule");
    bytes.resize(150, 0xAB);
    writeBytes(program / "SCHEINST.DAT", bytes);
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.Schultyp, 6);
    ASSERT_TRUE(SaveSchulEinst(rec, program, prompter));
    EXPECT_EQ(readBytes(program / "SCHEINST.DAT"), schoolImage(6, "Realschule"));
    EXPECT_EQ(test::fileNames(program), std::vector<std::string>{"SCHEINST.DAT"});
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(SchulEinstFiles, UnreadableFileGivesErrorAndDefaults)
{
    std::filesystem::create_directory(program / "SCHEINST.DAT");
    EXPECT_FALSE(load());
    EXPECT_EQ(prompter.log(),
              (std::vector<Shown>{
                  {MessageKind::Error, "Die Schul-Einstellungs-Datei\nkonnte nicht geöffnet werden!"}}));
}

} // namespace
} // namespace ruvek
