#include "settings/ProgEinst.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {
using test::readBytes;
using test::ScriptedPrompter;
using test::Shown;
using test::writeBytes;

const std::string kOlder = "Die gefundenen Programmeinstellungen\nsind von einer älteren Version!\n\n"
                           "Überprüfen Sie die neuen Programm-Einstellungen!";
const std::string kUnknown = "Die gefundenen Programmeinstellungen\nsind von einer unbekannten Programm-Version!\n\n"
                             "Überprüfen Sie die neuen Programm-Einstellungen!";

TEST(ProgEinstLayout, EveryFieldAtItsOffset)
{
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"DarfLoeschen", 0},  {"ZeigeGeloeschte", 2}, {"ZeigeZusatz", 4},   {"ZeigeFst", 10},
        {"ZentralDruck", 12}, {"ZentralListen", 14},  {"VorgaengerDaten", 16}, {"InfoHinweise", 18},
        {"GsEbenen", 20},     {"TestOption", 22},     {"Schulname", 44},
    };
    EXPECT_EQ(test::namedOffsets<TProgEinstRec>(), expected);
    test::expectFieldsTileRecord<TProgEinstRec>();
}

TEST(ProgEinstLayout, DefaultsImage)
{
    TProgEinstRec rec;
    rec.DarfLoeschen = 0;
    SetSchulname(rec, "x");
    ProgEinstDefaults(rec);
    std::array<std::uint8_t, TProgEinstRec::Size> expected{};
    for (std::size_t off : {0, 12, 14, 18, 22}) // DarfLoeschen, ZentralDruck, ZentralListen, InfoHinweise, TestOption
        putU16(expected, off, 1);
    EXPECT_EQ(toBytes(rec), expected);
}

TEST(ProgEinstLayout, SchulnameLivesAtOffset44AndIsCutTo50)
{
    TProgEinstRec rec;
    SetSchulname(rec, std::string(60, 'S'));
    EXPECT_EQ(SchulnameText(rec), std::string(50, 'S'));
    const auto image = toBytes(rec);
    EXPECT_EQ(image[44], 50);
    EXPECT_EQ(image[45], 'S');
    // A foreign file may hold more than 50 characters there; only 50 count.
    rec.Schulname = std::string(81, 'T');
    EXPECT_EQ(SchulnameText(rec), std::string(50, 'T'));
}

// A record image with every switch off-default (7) and a school name.
std::array<std::uint8_t, TProgEinstRec::Size> distinctImage()
{
    std::array<std::uint8_t, TProgEinstRec::Size> image{};
    for (std::size_t off = 0; off < 24; off += 2)
        putU16(image, off, 7);
    TProgEinstRec r = fromBytes<TProgEinstRec>(image);
    SetSchulname(r, "Schule am See");
    return toBytes(r);
}

struct SizeCase {
    std::size_t size;
    std::size_t bytesTaken; // leading bytes of the file that end up in the record
    std::string message;    // empty: none
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const SizeCase& c, std::ostream* os) { *os << "size " << c.size; }

class ProgEinstSizes : public test::SettingsFolders, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ProgEinstSizes, SizeDecidesWhatIsRead)
{
    const SizeCase c = GetParam();
    const auto source = distinctImage();
    std::vector<std::uint8_t> file(c.size, 0x55);
    std::copy_n(source.begin(), std::min(c.size, source.size()), file.begin());
    writeBytes(program / "RVKEINST.DAT", file);

    TProgEinstRec rec;
    ScriptedPrompter prompter;
    EXPECT_EQ(LoadProgEinst(rec, program, data, prompter), c.bytesTaken > 0);

    auto expected = toBytes(TProgEinstRec{});
    std::copy_n(source.begin(), c.bytesTaken, expected.begin());
    EXPECT_EQ(toBytes(rec), expected);
    if (c.message.empty())
        EXPECT_TRUE(prompter.log().empty());
    else
        EXPECT_EQ(prompter.log(), (std::vector<Shown>{{MessageKind::Error, c.message}}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgEinstSizes,
                         ::testing::Values(SizeCase{16, 16, kOlder}, SizeCase{120, 120, kOlder},
                                           SizeCase{126, 126, ""}, SizeCase{0, 0, kUnknown},
                                           SizeCase{15, 0, kUnknown}, SizeCase{17, 0, kUnknown},
                                           SizeCase{119, 0, kUnknown}, SizeCase{125, 0, kUnknown},
                                           SizeCase{127, 0, kUnknown}, SizeCase{200, 0, kUnknown}),
                         [](const auto& testInfo) { return "Size" + std::to_string(testInfo.param.size); });

class ProgEinstFiles : public test::SettingsFolders {
protected:
    TProgEinstRec rec;
    ScriptedPrompter prompter;
};

TEST_F(ProgEinstFiles, ProgramFolderBeforeDataFolder)
{
    TProgEinstRec inData;
    inData.ZeigeZusatz = 1;
    writeBytes(data / "RVKEINST.DAT", test::imageOf(inData));
    ASSERT_TRUE(LoadProgEinst(rec, program, data, prompter));
    EXPECT_EQ(rec.ZeigeZusatz, 1);

    TProgEinstRec inProgram;
    inProgram.ZeigeFst = 1;
    writeBytes(program / "RVKEINST.DAT", test::imageOf(inProgram));
    ProgEinstDefaults(rec);
    ASSERT_TRUE(LoadProgEinst(rec, program, data, prompter));
    EXPECT_EQ(rec.ZeigeZusatz, 0);
    EXPECT_EQ(rec.ZeigeFst, 1);
}

// Saving writes exactly 126 bytes, so an oversized or old file stops
// complaining once the settings have been saved.
TEST_F(ProgEinstFiles, SavingRepairsOldAndOversizedFiles)
{
    for (std::size_t size : {16, 120, 200}) {
        writeBytes(program / "RVKEINST.DAT", std::vector<std::uint8_t>(size, 0));
        TProgEinstRec r;
        ScriptedPrompter first;
        LoadProgEinst(r, program, data, first);
        ASSERT_EQ(first.log().size(), 1u) << size;
        EXPECT_EQ(first.last().kind, MessageKind::Error) << size;
        ASSERT_TRUE(SaveProgEinst(r, program, first));
        EXPECT_EQ(readBytes(program / "RVKEINST.DAT").size(), 126u);
        EXPECT_EQ(test::fileNames(program), std::vector<std::string>{"RVKEINST.DAT"});

        ScriptedPrompter second;
        EXPECT_TRUE(LoadProgEinst(r, program, data, second));
        EXPECT_TRUE(second.log().empty()) << size;
    }
}

TEST_F(ProgEinstFiles, UnreadableFileGivesError)
{
    std::filesystem::create_directory(program / "RVKEINST.DAT");
    EXPECT_FALSE(LoadProgEinst(rec, program, data, prompter));
    EXPECT_EQ(prompter.log(),
              (std::vector<Shown>{
                  {MessageKind::Error, "Die Programm-Einstellungs-Datei\nkonnte nicht geöffnet werden!"}}));
    EXPECT_FALSE(SaveProgEinst(rec, program, prompter));
    EXPECT_EQ(prompter.last(), Shown::error(" Fehler beim Speichern von: \n" + (program / "RVKEINST.DAT").string() +
                                            "\n(Ein Ordner dieses Namens ist vorhanden)"));
}

} // namespace
} // namespace ruvek
