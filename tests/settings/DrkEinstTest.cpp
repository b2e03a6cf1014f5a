#include "settings/DrkEinst.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {
using test::readBytes;
using test::ScriptedPrompter;
using test::Shown;
using test::writeBytes;

const std::string kUnknownSize = "Die Druck-Einstellungen gehören zu einer alten Programm-Version!\n"
                                 "Es werden die Standard-Vorgaben genutzt!\n"
                                 "Prüfen Sie unbedingt die aktuellen Einstellungen!";

TEST(DrkEinstLayout, EveryFieldAtItsOffset)
{
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"BewertungenInWorten", 0}, {"OhneLinie", 2},       {"KopieExtra", 4},         {"MitRahmen", 6},
        {"Korrekturecke", 8},       {"RandLinks", 10},      {"RandOben", 12},          {"RandInnen", 14},
        {"Streichungsart", 18},     {"Streichzeichen", 20}, {"Wappenposition", 22},    {"Wappengroesse", 24},
        {"Papierverlag", 26},       {"ReligionOption", 30}, {"EmpfDruckart", 32},      {"EmpfTitel", 34},
        {"EmpfKopie", 36},          {"KyoceraKorrektur", 38}, {"SSNichtStreichen", 40}, {"FstKopien", 42},
        {"ZentralSpeichern", 44},   {"SerieSeitenweise", 46},   {"NormalStreichzeichen", 48}, {"Doppelseitig", 50},
        {"NurNotwendigeDialoge", 52}, {"Zensurenkonferenz", 54}, {"FarbWappen", 56},
    };
    EXPECT_EQ(test::namedOffsets<TDrkEinstRec>(), expected);
    test::expectFieldsTileRecord<TDrkEinstRec>();
}

TEST(DrkEinstLayout, DefaultsImage)
{
    TDrkEinstRec rec;
    rec.RandLinks = 7; // DrkEinstDefaults must reset everything
    rec.ReservedTexte.bytes[60] = 2;
    DrkEinstDefaults(rec);
    const auto image = toBytes(rec);
    // Non-zero bytes of the default image; every other byte is 0.
    std::array<std::uint8_t, TDrkEinstRec::Size> expected{};
    putU16(expected, 6, 1);     // MitRahmen
    putU16(expected, 10, 150);  // RandLinks
    putU16(expected, 12, 150);  // RandOben
    putU16(expected, 14, 100);  // RandInnen
    putU16(expected, 16, 50);   // reserved
    putU16(expected, 18, 1);    // Streichungsart
    expected[20] = 1, expected[21] = '-';
    putU16(expected, 24, 1);    // Wappengroesse
    putU16(expected, 36, 1);    // EmpfKopie
    putU16(expected, 44, 1);    // ZentralSpeichern
    expected[48] = 1, expected[49] = '#';
    EXPECT_EQ(image, expected);
}

class DrkEinstFiles : public test::SettingsFolders {
protected:
    TDrkEinstRec rec;
    ScriptedPrompter prompter;
    bool load() { return LoadDrkEinst(rec, program, data, prompter); }
};

std::vector<std::uint8_t> imageWith(std::int16_t randLinks)
{
    TDrkEinstRec r;
    r.RandLinks = randLinks;
    const auto a = toBytes(r);
    return {a.begin(), a.end()};
}

TEST_F(DrkEinstFiles, MissingFileKeepsDefaultsSilently)
{
    EXPECT_FALSE(load());
    EXPECT_EQ(toBytes(rec), toBytes(TDrkEinstRec{}));
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(DrkEinstFiles, ProgramFolderBeforeDataFolder)
{
    writeBytes(data / "DRKEINST.DAT", imageWith(222));
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.RandLinks, 222);
    writeBytes(program / "DRKEINST.DAT", imageWith(111));
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.RandLinks, 111);
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(DrkEinstFiles, NameInOtherLetterCaseIsFound)
{
    writeBytes(program / "DrkEinst.dat", imageWith(123));
    ASSERT_TRUE(load());
    EXPECT_EQ(rec.RandLinks, 123);
}

TEST_F(DrkEinstFiles, UnknownSizesWarnAndKeepDefaults)
{
    for (std::size_t size : {0, 1, 43, 45, 319, 321, 1000}) {
        ScriptedPrompter p;
        std::vector<std::uint8_t> bytes(size, 0x07);
        writeBytes(program / "DRKEINST.DAT", bytes);
        TDrkEinstRec r;
        EXPECT_FALSE(LoadDrkEinst(r, program, data, p)) << size;
        EXPECT_EQ(toBytes(r), toBytes(TDrkEinstRec{})) << size;
        EXPECT_EQ(p.log(), (std::vector<Shown>{{MessageKind::Warning, kUnknownSize}})) << size;
    }
}

TEST_F(DrkEinstFiles, UnreadableFileGivesErrorAndDefaults)
{
    std::filesystem::create_directory(program / "DRKEINST.DAT");
    EXPECT_FALSE(load());
    EXPECT_EQ(toBytes(rec), toBytes(TDrkEinstRec{}));
    EXPECT_EQ(prompter.log(), (std::vector<Shown>{
                                     {MessageKind::Error, "Die Druck-Einstellungs-Datei\nkonnte nicht geöffnet werden!"}}));
}

TEST_F(DrkEinstFiles, OldFileIsConverted)
{
    std::vector<std::uint8_t> old(44, 0);
    for (std::size_t off = 0; off < 40; off += 2)
        putU16(old, off, static_cast<std::uint16_t>(off + 3)); // every old value distinct and non-default
    old[20] = 1, old[21] = '*';                                // Streichzeichen
    putU16(old, 40, 999);                                      // unknown in the new layout
    putU16(old, 42, 1);                                        // SSNichtStreichen
    writeBytes(data / "DRKEINST.DAT", old);
    rec.NurNotwendigeDialoge = 1; // keeps whatever the record holds
    ASSERT_TRUE(load());
    EXPECT_TRUE(prompter.log().empty());

    const auto image = toBytes(rec);
    EXPECT_TRUE(std::equal(old.begin(), old.begin() + 40, image.begin()));
    EXPECT_EQ(rec.RandLinks, 13);
    EXPECT_EQ(rec.Streichzeichen, "*");
    EXPECT_EQ(rec.SSNichtStreichen, 1);
    EXPECT_EQ(rec.FstKopien, 0);
    EXPECT_EQ(rec.ZentralSpeichern, 1);
    EXPECT_EQ(rec.NormalStreichzeichen, "#");
    EXPECT_EQ(rec.NurNotwendigeDialoge, 1);
    // Offsets 50.. : Doppelseitig, (NurNotwendigeDialoge = 1), Zensurenkonferenz, FarbWappen, reserved: all 0.
    std::array<std::uint8_t, TDrkEinstRec::Size - 50> tail{};
    putU16(std::span(tail), 2, 1);
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), image.begin() + 50));
}

TEST_F(DrkEinstFiles, SaveFolderFollowsZentralSpeichern)
{
    rec.ZentralSpeichern = 1;
    ASSERT_TRUE(SaveDrkEinst(rec, program, data, prompter));
    EXPECT_TRUE(std::filesystem::exists(program / "DRKEINST.DAT"));
    EXPECT_FALSE(std::filesystem::exists(data / "DRKEINST.DAT"));

    // Saved into the data folder, the older file of the program folder still wins at the next start.
    rec.ZentralSpeichern = 0;
    rec.RandLinks = 77;
    ASSERT_TRUE(SaveDrkEinst(rec, program, data, prompter));
    EXPECT_EQ(fromBytes<TDrkEinstRec>(readBytes(data / "DRKEINST.DAT")).RandLinks, 77);
    TDrkEinstRec again;
    LoadDrkEinst(again, program, data, prompter);
    EXPECT_EQ(again.RandLinks, 150);
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(DrkEinstFiles, SaveWritesExactlyTheRecordAndNoTemporaryFile)
{
    writeBytes(program / "DRKEINST.DAT", std::vector<std::uint8_t>(500, 0xEE));
    rec.RandOben = 321;
    ASSERT_TRUE(SaveDrkEinst(rec, program, data, prompter));
    const auto bytes = readBytes(program / "DRKEINST.DAT");
    ASSERT_EQ(bytes.size(), 320u);
    EXPECT_EQ(fromBytes<TDrkEinstRec>(bytes).RandOben, 321);
    EXPECT_EQ(test::fileNames(program), std::vector<std::string>{"DRKEINST.DAT"});
}

TEST_F(DrkEinstFiles, FailedSaveSaysSo)
{
    // The data folder is gone: the new file cannot be created.
    std::filesystem::remove_all(data);
    rec.ZentralSpeichern = 0;
    EXPECT_FALSE(SaveDrkEinst(rec, program, data, prompter));
    // A folder in the way of the file: writing fails at the end, nothing is replaced.
    std::filesystem::create_directory(program / "DRKEINST.DAT");
    rec.ZentralSpeichern = 1;
    EXPECT_FALSE(SaveDrkEinst(rec, program, data, prompter));
    EXPECT_EQ(prompter.log(),
              (std::vector<Shown>{{MessageKind::Error, "Fehler beim Erzeugen der neuen Datei!\n" +
                                                           (data / "DRKEINST.DAT").string() +
                                                           "\n(Ordner oder Datei nicht vorhanden)"},
                                  {MessageKind::Error, "Fehler beim Speichern von: \n" +
                                                           (program / "DRKEINST.DAT").string() +
                                                           "\n(Ein Ordner dieses Namens ist vorhanden)"}}));
    EXPECT_TRUE(std::filesystem::is_directory(program / "DRKEINST.DAT"));
    EXPECT_EQ(test::fileNames(program), std::vector<std::string>{});
}

} // namespace
} // namespace ruvek
