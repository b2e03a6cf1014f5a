#include "settings/FachKatalog.h"

#include "FachKatalogFile.h"
#include "common/Cp1252.h"
#include "forms/AnnexCatalogue.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8); }

std::vector<std::string> utf8List(const std::vector<std::string>& cpList)
{
    std::vector<std::string> out;
    for (const auto& s : cpList)
        out.push_back(cp1252ToUtf8(s));
    return out;
}

// "1 Deutsch; 3 Mathematik; ..." for the rows 1..18 of a form, every entry
// standing on a row listed (so a row given twice would show), in the notation
// of the catalogue's table of rows.
std::string rowsOf(const TFachKatalog& kat, int annex)
{
    std::string out;
    for (int row = 1; row <= 18; ++row) {
        for (int entry = 2; entry < kFachKatalogCount; ++entry) {
            if (kat[entry].Position[static_cast<std::size_t>(annex)] != row)
                continue;
            if (!out.empty())
                out += "; ";
            out += std::to_string(row) + " " + cp1252ToUtf8(kat[entry].FachName.view());
        }
    }
    return out;
}

// A data folder and a program folder side by side in a temporary folder.
class SettingsFolders {
public:
    SettingsFolders()
    {
        fs::create_directories(data());
        fs::create_directories(program());
    }
    fs::path data() const { return root_ / "daten"; }
    fs::path program() const { return root_ / "programm"; }

private:
    ruvek::test::TempDir root_ {"ruvek-fachkatalog"};
};

} // namespace

TEST(FachKatalogLayout, EntryImageHasTheFileOffsets)
{
    TFachEintragKat e;
    e.FachName = "Ethik";
    e.FachKurz = "Eth";
    e.ForeignLanguageGroup = 1;
    e.SportGroup = 1;
    e.Schularten[7] = 1;
    e.Position[0] = 3;
    e.Position[105] = 17;
    e.ExamSubject = 1;
    const auto img = toBytes(e);
    ASSERT_EQ(img.size(), 588u);
    EXPECT_EQ(img[0], 5);
    EXPECT_EQ(img[1], 'E');
    EXPECT_EQ(img[41], 3);
    EXPECT_EQ(img[42], 'E');
    EXPECT_EQ(getI16(img, 56), 1);
    EXPECT_EQ(getI16(img, 70), 1);
    EXPECT_EQ(getI32(img, 72 + 28), 1);
    EXPECT_EQ(getI32(img, 104), 3);
    EXPECT_EQ(getI32(img, 524), 17);
    EXPECT_EQ(getI16(img, 528), 1);
    EXPECT_EQ(fromBytes<TFachEintragKat>(img).Position[105], 17);
    EXPECT_EQ(kFaecherDatSize, 29988u);
}

// The default rows of every form, as tabled for the catalogue.
struct FormRowsCase {
    std::vector<int> annexCodes;
    const char* rows;
};

TEST(FachKatalogDefaults, RowsOfEveryForm)
{
    const std::vector<FormRowsCase> table = {
        {{1, 2}, "1 Deutsch"},
        {{3, 4}, "1 Deutsch; 2 Sachunterricht; 3 Mathematik; 5 Kunst; 6 Musik; 7 Sport; 8 Werken"},
        {{5, 6, 7, 8, 9, 18},
         "1 Deutsch; 3 Mathematik; 4 Geschichte; 5 Geografie; 6 Sozialkunde; 7 Arbeit-Wirtschaft-Technik u. "
         "Informatik; 10 Physik; 11 Chemie; 12 Biologie; 13 Astronomie; 14 Musik; 15 Kunst und Gestaltung; 16 Sport"},
        {{10, 11, 12, 15, 16, 17, 19, 28, 29},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Geografie; 7 Sozialkunde; 8 Arbeit-Wirtschaft-Technik u. "
         "Informatik; 10 Physik; 11 Chemie; 12 Biologie; 13 Astronomie; 14 Musik; 15 Kunst und Gestaltung; 16 Sport"},
        {{13, 14, 20},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Geografie; 7 Sozialkunde; 8 Arbeit-Wirtschaft-Technik u. "
         "Informatik; 10 Physik; 11 Chemie; 12 Biologie; 13 Musik; 14 Kunst und Gestaltung; 15 Sport"},
        {{21, 22},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Geografie; 7 Sozialkunde; 8 Arbeit-Wirtschaft-Technik; 10 "
         "Physik; 11 Chemie; 12 Biologie; 13 Astronomie; 14 Informatik; 15 Musik; 16 Kunst und Gestaltung; 17 Sport"},
        {{23},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Sozialkunde; 7 Geografie; 8 Arbeit-Wirtschaft-Technik; 11 "
         "Physik; 12 Chemie; 13 Biologie; 14 Astronomie; 15 Musik; 16 Kunst und Gestaltung; 17 Sport"},
        {{24, 25},
         "1 Deutsch; 2 Mathematik; 4 Musik; 5 Kunst und Gestaltung; 6 Geschichte; 7 Sozialkunde; 8 Geografie; 13 "
         "Arbeit-Wirtschaft-Technik; 14 Physik; 15 Chemie; 16 Biologie; 17 Sport"},
        {{26},
         "1 Deutsch; 2 Englisch; 3 Mathematik; 4 Weltkunde; 5 Arbeit-Wirtschaft-Technik u. Informatik; 10 "
         "Naturwissenschaften; 11 Musik; 12 Kunst und Gestaltung; 13 Sport"},
        {{27},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Geografie; 7 Sozialkunde; 8 Arbeit-Wirtschaft-Technik u. "
         "Informatik; 10 Naturwissenschaften; 11 Physik; 12 Chemie; 13 Biologie; 14 Astronomie; 15 Musik; 16 Kunst "
         "und Gestaltung; 17 Sport"},
        {{104},
         "1 Deutsch; 4 Mathematik; 5 Geschichte; 6 Geografie; 7 Weltkunde; 8 Arbeit-Wirtschaft-Technik u. "
         "Informatik; 10 Physik; 11 Biologie; 12 Naturwissenschaften; 13 Musik; 14 Kunst und Gestaltung; 15 Sport"},
    };
    const TFachKatalog kat = defaultFachKatalog();
    std::set<int> formsWithRows;
    for (const auto& c : table) {
        for (int annex : c.annexCodes) {
            EXPECT_EQ(rowsOf(kat, annex), c.rows) << "annex " << annex;
            formsWithRows.insert(annex);
        }
    }
    // No other Position value is set: rows only on the tabled forms, no row
    // beyond 18, none in entries 0, 1 and 43..50.
    int tabledRows = 0;
    for (int entry = 0; entry < kFachKatalogCount; ++entry) {
        for (int annex = 0; annex < kFachPositionCount; ++annex) {
            const int row = kat[entry].Position[static_cast<std::size_t>(annex)];
            if (row == 0)
                continue;
            EXPECT_TRUE(entry >= 2 && entry <= 42) << "entry " << entry;
            EXPECT_TRUE(formsWithRows.count(annex)) << "annex " << annex << " entry " << entry;
            ++tabledRows;
        }
    }
    EXPECT_EQ(tabledRows, 2 * 1 + 2 * 7 + 6 * 13 + 9 * 13 + 3 * 12 + 2 * 14 + 13 + 2 * 12 + 9 + 14 + 12);
}

// Every default row a form of the catalogue names reaches the default
// subject catalogue: the form's code has a column there, and the row holds
// the named subject (a misspelt name would leave the row empty).
TEST(FachKatalogDefaults, EveryFormRowOfTheCatalogueIsSet)
{
    const TFachKatalog kat = defaultFachKatalog();
    int rows = 0;
    for (const AnnexForm& form : AnnexCatalogue()) {
        for (const DefaultSubjectRow& r : form.defaultRows) {
            SCOPED_TRACE("annex " + std::to_string(form.code) + " row " + std::to_string(r.row));
            ASSERT_LT(form.code, kFachPositionCount);
            EXPECT_GE(r.row, 1);
            EXPECT_LE(r.row, 18);
            EXPECT_EQ(FachAnPosition(kat, form.code, r.row), utf8ToCp1252(r.subject).substr(0, 30));
            ++rows;
        }
    }
    EXPECT_EQ(rows, 2 * 1 + 2 * 7 + 6 * 13 + 9 * 13 + 3 * 12 + 2 * 14 + 13 + 2 * 12 + 9 + 14 + 12);
}

TEST(FachKatalogDefaults, EntriesSpotChecks)
{
    const TFachKatalog kat = defaultFachKatalog();
    struct Case {
        int entry;
        const char* name;
        const char* kurz;
        int foreign, religion, exam;
        std::vector<int> schularten;
    };
    const std::vector<Case> table = {
        {0, "  - - -", "---", 1, 1, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {1, "???", "???", 1, 1, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {3, "Arbeit-Wirtschaft-Technik u. Informatik", "AWTuI", 0, 0, 0, {0, 1, 2, 3, 5, 6, 7}},
        {5, "Astronomie", "Ast", 0, 0, 1, {0, 7}},
        {11, "Französisch", "Fr", 1, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {15, "Hauswirtschaft", "HW", 0, 0, 0, {0, 2, 3, 5, 6, 7}},
        {17, "Kunst und Gestaltung", "Ku+Ge", 0, 0, 0, {0, 2, 3, 4, 5, 6, 7}},
        {24, "Philosophieren mit Kindern", "PmK", 0, 1, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {26, "Portugisisch", "Por", 1, 0, 0, {0, 3, 4, 7}},
        {28, "katholische Religion", "kaRel", 0, 1, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {33, "Sozialkunde", "Sk", 0, 0, 1, {0, 2, 3, 4, 5, 6, 7}},
        {37, "Technik/Arbeitslehre", "Te/AL", 0, 0, 0, {0, 7}},
        {40, "Ersatzunterricht Musik", "E Mu", 0, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {42, "Jahresarbeit", "JArb", 0, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {43, "  - - -", "---", 0, 0, 0, {}},
        {50, "  - - -", "---", 0, 0, 0, {}},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.entry);
        const TFachEintragKat& e = kat[c.entry];
        EXPECT_EQ(cp1252ToUtf8(e.FachName.view()), c.name);
        EXPECT_EQ(e.FachKurz.view(), c.kurz);
        EXPECT_EQ(e.ForeignLanguageGroup, c.foreign);
        EXPECT_EQ(e.ReligionGroup, c.religion);
        EXPECT_EQ(e.ExamSubject, c.exam);
        std::vector<int> types;
        for (int t = 0; t < 8; ++t)
            if (e.Schularten[static_cast<std::size_t>(t)] == 1)
                types.push_back(t);
        EXPECT_EQ(types, c.schularten);
    }
    // Marks of a few entries: core/German/maths, technology/computing, sport.
    EXPECT_EQ(kat[9].CoreGroup + kat[9].GermanGroup + kat[9].MathsGroup, 2);
    EXPECT_EQ(kat[20].CoreGroup + kat[20].MathsGroup + kat[20].GermanGroup, 2);
    EXPECT_EQ(kat[3].TechGroup + kat[3].ComputingGroup, 2);
    EXPECT_EQ(kat[35].SportGroup, 1);
    EXPECT_EQ(kat[1].SportGroup + kat[1].ArtsGroup + kat[1].ScienceGroup + kat[1].CoreGroup, 4);
    EXPECT_EQ(kat[4].TechGroup + kat[4].ArtsGroup + kat[22].ScienceGroup + kat[38].SocialGroup, 0);
}

TEST(FachKatalogListen, DefaultLists)
{
    const TFachListen l = buildFachListen(defaultFachKatalog());
    EXPECT_EQ(utf8List(l.FremdsprachenListe),
              (std::vector<std::string>{"  - - -", "???", "Englisch", "Französisch", "Griechisch", "Latein",
                                        "Portugisisch", "Russisch", "Schwedisch", "Spanisch"}));
    EXPECT_EQ(l.PruefungsfachListe,
              (std::vector<std::string>{"---", "???", "Ast", "Bio", "Ch", "Geo", "Ges", "Ph", "Sk"}));
    EXPECT_EQ(utf8List(l.ReligionsListe),
              (std::vector<std::string>{"  - - -", "???", "Philosophieren mit Kindern", "evangelische Religion",
                                        "katholische Religion"}));
    ASSERT_EQ(l.FaecherListe.size(), 43u);
    EXPECT_EQ(l.FaecherListe[0], "  - - -");
    EXPECT_EQ(l.FaecherListe[1], "???");
    // Names are cut to 30 characters in the lists.
    EXPECT_EQ(l.FaecherListe[3], "Arbeit-Wirtschaft-Technik u. I");
    EXPECT_EQ(l.FaecherListe[42], "Jahresarbeit");
}

TEST(FachKatalogListen, RebuildEmptiesFirst)
{
    TFachListen l;
    l.FaecherListe = {"alt"};
    BuildFachListen(defaultFachKatalog(), l);
    BuildFachListen(defaultFachKatalog(), l);
    EXPECT_EQ(l.FaecherListe.size(), 43u);
    EXPECT_EQ(l.FremdsprachenListe.size(), 10u);
}

TEST(FachKatalogQueries, GroupsAndLevelSubjects)
{
    const TFachKatalog kat = defaultFachKatalog();
    struct Case {
        const char* name;
        bool foreign, religion, level3, level2;
    };
    const std::vector<Case> table = {
        {"Englisch", true, false, false, false},
        {"englisch", false, false, false, false},
        {"Englisch ", false, false, false, false},
        {"Französisch", true, false, false, false},
        {"???", false, false, false, false}, // entry 1 carries all marks but is not a subject
        {"  - - -", false, false, false, false},
        {"evangelische Religion", false, true, false, false},
        {"Philosophieren mit Kindern", false, true, false, false},
        {"Mathematik", false, false, true, true},
        {"Deutsch", false, false, true, true},
        {"Physik", false, false, true, true},
        {"Chemie", false, false, true, true},
        {"Naturwissenschaften", false, false, true, true},
        {"Biologie", false, false, true, false},
        {"Geschichte", false, false, false, false},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsForeignLanguage(kat, cp(c.name)), c.foreign);
        EXPECT_EQ(IsReligionSubject(kat, cp(c.name)), c.religion);
        EXPECT_EQ(IsLevelSubject(kat, cp(c.name), SchoolType::IntegrierteGesamtschule), c.level3);
        EXPECT_EQ(IsLevelSubject(kat, cp(c.name), SchoolType::RegionaleSchule), c.level2);
    }
}

TEST(FachKatalogQueries, NamesAreComparedOnTheirFirst40Characters)
{
    TFachKatalog kat = defaultFachKatalog();
    const std::string name40 = "Englisch als erste Fremdsprache ab Kl. 3"; // 40 characters
    ASSERT_EQ(name40.size(), 40u);
    kat[10].FachName = name40;
    EXPECT_TRUE(IsForeignLanguage(kat, name40 + " (bilingual)"));
    EXPECT_FALSE(IsForeignLanguage(kat, name40.substr(0, 39)));
}

TEST(FachKatalogQueries, LevelSubjectsFollowTheEntryNumbers)
{
    TFachKatalog kat = defaultFachKatalog();
    kat[20].FachName = "Rechnen";
    kat[44].FachName = "Mathematik";
    EXPECT_TRUE(IsLevelSubject(kat, "Rechnen", SchoolType::RegionaleSchule));
    EXPECT_FALSE(IsLevelSubject(kat, "Mathematik", SchoolType::RegionaleSchule));
}

TEST(FachKatalogQueries, FachAnPosition)
{
    const TFachKatalog kat = defaultFachKatalog();
    struct Case {
        int annex, row;
        const char* name;
    };
    const std::vector<Case> table = {
        {3, 4, "???"},       {3, 8, "Werken"},  {3, 2, "Sachunterricht"}, {104, 7, "Weltkunde"},
        {21, 8, "Arbeit-Wirtschaft-Technik"},   {5, 7, "Arbeit-Wirtschaft-Technik u. I"}, // 30 characters
        {0, 1, "???"},       {30, 1, "???"},    {105, 1, "???"},          {110, 1, "???"},
        {-1, 1, "???"},      {3, 0, "???"},     {3, 19, "???"},
    };
    for (const auto& c : table)
        EXPECT_EQ(FachAnPosition(kat, c.annex, c.row), c.name) << c.annex << "/" << c.row;

    // The first entry from 2 on wins when two share a row.
    TFachKatalog twice = kat;
    twice[2].Position[3] = 8;
    EXPECT_EQ(FachAnPosition(twice, 3, 8), "Arbeit-Wirtschaft-Technik");
}

// ---- Loading Faecher.DAT ---------------------------------------------------

TEST(FachKatalogLoad, MissingFileKeepsDefaultsSilently)
{
    SettingsFolders dir;
    test::ScriptedPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    EXPECT_FALSE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_EQ(kat[20].FachName.view(), "Mathematik");
}

TEST(FachKatalogLoad, ReverseOrderAndNewSubjectInLastEntry)
{
    SettingsFolders dir;
    test::FaecherDatBuilder file;
    file.name(50, "Ethik").kurz(50, "Eth").religion(50, 1).position(50, 21, 9).name(2, "Wirtschaft");
    // The first block of the file is entry 50.
    ASSERT_EQ(file.image()[0], 5);
    ASSERT_EQ(file.image()[1], 'E');
    file.write(dir.program() / "Faecher.DAT");

    test::ScriptedPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    ASSERT_TRUE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_EQ(kat[50].FachName.view(), "Ethik");
    EXPECT_EQ(kat[2].FachName.view(), "Wirtschaft");
    EXPECT_EQ(kat[0].FachName.view(), "  - - -");
    EXPECT_TRUE(IsReligionSubject(kat, "Ethik"));
    EXPECT_EQ(FachAnPosition(kat, 21, 9), "Ethik");

    const TFachListen l = buildFachListen(kat);
    EXPECT_EQ(l.FaecherListe.back(), "Ethik");
    EXPECT_EQ(l.ReligionsListe.back(), "Ethik");
}

TEST(FachKatalogLoad, DataFolderComesBeforeProgramFolder)
{
    SettingsFolders dir;
    test::FaecherDatBuilder().name(45, "aus Daten").write(dir.data() / "Faecher.DAT");
    test::FaecherDatBuilder().name(45, "aus Programm").write(dir.program() / "Faecher.DAT");
    test::ScriptedPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    ASSERT_TRUE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_EQ(kat[45].FachName.view(), "aus Daten");

    fs::remove(dir.data() / "Faecher.DAT");
    ASSERT_TRUE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_EQ(kat[45].FachName.view(), "aus Programm");

    // A copy from a Windows installation may carry another letter case.
    test::FaecherDatBuilder().name(45, "gross").write(dir.data() / "FAECHER.DAT");
    ASSERT_TRUE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_EQ(kat[45].FachName.view(), "gross");
    EXPECT_TRUE(prompter.log().empty());
}

TEST(FachKatalogLoad, ShortFileIsReportedAndChangesNothing)
{
    SettingsFolders dir;
    test::FaecherDatBuilder file;
    file.name(50, "Ethik").name(49, "Astrologie");
    const TFachKatalog defaults = defaultFachKatalog();
    for (std::size_t size : {std::size_t{0}, std::size_t{587}, std::size_t{588 * 2 + 10}, kFaecherDatSize - 1}) {
        SCOPED_TRACE(size);
        file.write(dir.data() / "Faecher.DAT", size);
        test::ScriptedPrompter prompter;
        TFachKatalog kat = defaults;
        EXPECT_FALSE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
        ASSERT_EQ(prompter.log().size(), 1u);
        EXPECT_EQ(prompter.last().kind, MessageKind::Error);
        EXPECT_NE(prompter.last().text.find("Fächer-Einstellungs-Datei"), std::string::npos);
        EXPECT_EQ(kat[50].FachName.view(), "  - - -");
        EXPECT_EQ(kat[49].FachName.view(), "  - - -");
    }
}

TEST(FachKatalogLoad, UnopenableFileIsReported)
{
    SettingsFolders dir;
    fs::create_directory(dir.data() / "Faecher.DAT"); // exists, but cannot be read as a file
    test::ScriptedPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    EXPECT_FALSE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_EQ(prompter.log(),
              std::vector{test::Shown::error("Die Fächer-Einstellungs-Datei\nkonnte nicht geöffnet werden!")});
    EXPECT_EQ(kat[20].FachName.view(), "Mathematik");
}

TEST(FachKatalogLoad, LongerFileUsesItsFirst51Entries)
{
    SettingsFolders dir;
    test::FaecherDatBuilder file;
    file.name(0, "leer");
    auto image = file.image();
    image.resize(image.size() + 100, 0xEE);
    {
        std::ofstream out(dir.data() / "Faecher.DAT", std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    test::ScriptedPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    EXPECT_TRUE(LoadFachKatalog(kat, dir.data(), dir.program(), prompter));
    EXPECT_EQ(kat[0].FachName.view(), "leer");
}
