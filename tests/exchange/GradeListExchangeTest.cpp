// Writing subject grade lists into a folder and taking them back.
#include "exchange/GradeListExport.h"
#include "exchange/GradeListImport.h"

#include "ExchangeFixtures.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;
using test::pupil;
using test::withSlot;
namespace fs = std::filesystem;

namespace {

constexpr int kDeutsch = 9;
constexpr int kMathe = 20;

class GradeListExchange : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::path(testing::TempDir()) / ("fdb_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        TZgnRec a = pupil("Adler", "Anna", 11), b = pupil("Berg", "Ben", 12), gone = pupil("Gast", "Gerd", 13);
        withSlot(a, 1, "Deutsch", "2");
        withSlot(a, 4, "Mathematik", "3");
        withSlot(b, 1, "Deutsch", "4");   // no Mathematik
        withSlot(gone, 1, "Deutsch", "1");
        gone.Status = 0;
        klasse.records = {a, b, gone};
        klasse.fileName = "7a.RVK";
        choices.flags[kDeutsch] = 1;
        choices.flags[kMathe] = 1;
        choices.kind = ExportKind::Ausgewaehlt;
    }

    ExportReport exportNow()
    {
        return exportGradeLists(klasse.records, catalogueGradeLists(kat, choices, klasse.fileName), choices, folder,
                                prompter);
    }
    TFaNoDB listOf(const char* file)
    {
        TFaNoDB list;
        EXPECT_TRUE(readFdbFile(folder / file, list)) << file;
        return list;
    }
    std::vector<std::string> namesAndGrades(const TFaNoDB& list)
    {
        std::vector<std::string> out;
        for (const auto& e : list)
            out.push_back(e.Name.str() + ":" + e.Fach.str() + "=" + e.Note.str());
        return out;
    }

    fs::path folder;
    TFachKatalog kat = defaultFachKatalog();
    OpenClass klasse;
    ExportChoices choices;
    test::ScriptedPrompter prompter;
};

std::vector<std::uint8_t> bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(GradeListExchange, WritesOneListPerSubjectWithEveryActiveStudent)
{
    const ExportReport r = exportNow();
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.written, (std::vector<fs::path>{folder / "7a_Deu.FDB", folder / "7a_Ma.FDB"}));
    EXPECT_EQ(namesAndGrades(listOf("7a_Deu.FDB")), (std::vector<std::string>{"Adler:Deutsch=2", "Berg:Deutsch=4"}));
    // A student without the subject gives the empty entry.
    EXPECT_EQ(namesAndGrades(listOf("7a_Ma.FDB")), (std::vector<std::string>{"Adler:Mathematik=3", "  - - -:?\?\?=-"}));
    EXPECT_FALSE(fs::exists(folder / "7a_Deu.§DB"));
    EXPECT_TRUE(prompter.log().empty());
}

TEST_F(GradeListExchange, SecondExportMergesAsTheOptionsSay)
{
    exportNow();
    const auto firstImage = bytesOf(folder / "7a_Deu.FDB");
    klasse.records[0].slot(1).Note = "1";
    klasse.records[1].Name = "Bergmann";   // no longer matches its old entry

    const struct {
        const char* what;
        bool alteListeLoeschen;
        bool nurBewertungen;
        std::vector<std::string> list;
    } cases[] = {
        {"replace grades", false, true, {"Adler:Deutsch=1", "Berg:Deutsch=4", "Bergmann:Deutsch=4"}},
        {"keep old entries", false, false, {"Adler:Deutsch=2", "Berg:Deutsch=4", "Bergmann:Deutsch=4"}},
        {"start afresh", true, true, {"Adler:Deutsch=1", "Bergmann:Deutsch=4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Every case starts from the first export's list.
        std::ofstream(folder / "7a_Deu.FDB", std::ios::binary)
            .write(reinterpret_cast<const char*>(firstImage.data()), static_cast<std::streamsize>(firstImage.size()));
        choices.alteListeLoeschen = c.alteListeLoeschen;
        choices.nurBewertungen = c.nurBewertungen;
        choices.flags[kMathe] = 0;
        EXPECT_FALSE(exportNow().aborted);
        EXPECT_EQ(namesAndGrades(listOf("7a_Deu.FDB")), c.list);
        EXPECT_EQ(bytesOf(folder / "7a_Deu.§DB"), firstImage);
    }
}

TEST_F(GradeListExchange, FailuresEndTheExportOrSkipTheSubject)
{
    // The backup cannot be written: Deutsch is skipped, its list untouched.
    exportNow();
    const auto deutsch = bytesOf(folder / "7a_Deu.FDB");
    fs::create_directory(folder / "7a_Deu.§DB");
    klasse.records[0].slot(1).Note = "1";
    klasse.records[0].slot(4).Note = "1";
    ExportReport r = exportNow();
    EXPECT_EQ(prompter.log(), std::vector{test::Shown::error(kMsgSicherungsFehler)});
    EXPECT_EQ(bytesOf(folder / "7a_Deu.FDB"), deutsch);
    EXPECT_EQ(r.written, std::vector{folder / "7a_Ma.FDB"});
    EXPECT_FALSE(r.aborted);

    // An old list that cannot be read ends the export.
    prompter.clearLog();
    fs::remove(folder / "7a_Deu.§DB");
    std::ofstream(folder / "7a_Deu.FDB", std::ios::binary | std::ios::trunc) << "x";
    r = exportNow();
    EXPECT_TRUE(r.aborted);
    EXPECT_TRUE(r.written.empty());
    EXPECT_EQ(prompter.log(), std::vector{test::Shown::error(kMsgAlteListeNichtGeoeffnet)});

    // A folder that cannot be written ends it with the save message.
    prompter.clearLog();
    r = exportGradeLists(klasse.records, catalogueGradeLists(kat, choices, klasse.fileName), choices,
                         folder / "missing", prompter);
    EXPECT_TRUE(r.aborted);
    ASSERT_EQ(prompter.log().size(), 1u);
    EXPECT_EQ(prompter.log()[0].kind, MessageKind::Plain);
    EXPECT_EQ(prompter.log()[0].text, std::string(kMsgSpeicherFehler) + (folder / "missing" / "7a_Deu.FDB").string());
}

TEST_F(GradeListExchange, SubjectWhoseAbbreviationHoldsASlashIsExported)
{
    choices.flags = {};
    choices.flags[37] = 1;   // "Technik/Arbeitslehre", "Te/AL"
    withSlot(klasse.records[0], 9, "Technik/Arbeitslehre", "2");
    const ExportReport r = exportNow();
    EXPECT_EQ(r.written, std::vector{folder / "7a_Te_AL.FDB"});
}

TEST_F(GradeListExchange, RoundTripChangesNothingAndAnEditedListExactlyItsGrades)
{
    exportNow();
    for (const char* file : {"7a_Deu.FDB", "7a_Ma.FDB"}) {
        test::ScriptedPrompter p;
        const TDB2 before = klasse.records;
        EXPECT_FALSE(importGradeListFile(klasse, folder / file, kat, 0, p));
        EXPECT_EQ(p.log(), std::vector{test::Shown::information(kMsgKeineAenderungen)});
        EXPECT_FALSE(klasse.changed);
    }

    // The teacher enters Berg's grade with an addition and corrects Adler's level.
    TFaNoDB list = listOf("7a_Deu.FDB");
    list[1].Note = "3";
    list[1].Zusatz = "+";
    list[0].Niveau = "E";
    const auto image = encodeFdb(list);
    std::ofstream(folder / "edited.FDB", std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));

    const TDB2 before = klasse.records;
    test::ScriptedPrompter p;
    p.answers = {true};
    EXPECT_TRUE(importGradeListFile(klasse, folder / "edited.FDB", kat, 0, p));
    ASSERT_EQ(p.questions().size(), 1u);
    EXPECT_EQ(p.questions()[0].text, "Die Fachzensuren-Liste ändert 2 Bewertung(en):\n\n"
                                     "Adler, Anna – Deutsch: 2 → 2 (Niveau - → E)\n"
                                     "Berg, Ben – Deutsch: 4 → 3 (Zusatz  → +)\n\n"
                                     "Sollen diese Bewertungen übernommen werden?");
    EXPECT_TRUE(klasse.changed);
    TDB2 expected = before;
    expected[0].slot(1).Niveau = "E";
    expected[1].slot(1).Note = "3";
    expected[1].slot(1).Zusatz = "+";
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (int k = 1; k <= 25; ++k) {
            const auto& got = klasse.records[i].slot(k);
            const auto& want = expected[i].slot(k);
            EXPECT_TRUE(got.Note == want.Note && got.Zusatz == want.Zusatz && got.Niveau == want.Niveau &&
                        got.Fach == want.Fach)
                << "record " << i << " slot " << k;
        }

    // Declined: nothing changes.
    klasse.records = before;
    klasse.changed = false;
    test::ScriptedPrompter no;
    no.answers = {false};
    EXPECT_FALSE(importGradeListFile(klasse, folder / "edited.FDB", kat, 0, no));
    EXPECT_EQ(klasse.records[1].slot(1).Note, "4");
    EXPECT_FALSE(klasse.changed);
}

TEST_F(GradeListExchange, ImportReportsStudentsNotFoundOrWithoutTheSubject)
{
    exportNow();
    klasse.records[0].Vorname = "Annette";                  // the list's Adler no longer matches
    klasse.records[1].slot(1).Fach = "???";                 // Berg no longer has Deutsch
    test::ScriptedPrompter p;
    EXPECT_FALSE(importGradeListFile(klasse, folder / "7a_Deu.FDB", kat, 0, p));
    EXPECT_EQ(p.log(), (std::vector{test::Shown::error("1 Schüler konnten nicht gefunden werden!"),
                                    test::Shown::warning("Bei 1 Schülern konnte das Fach: Deutsch nicht gefunden werden!"),
                                    test::Shown::information(kMsgKeineAenderungen)}));
}

TEST_F(GradeListExchange, ElectiveListsPerHalfYear)
{
    TZgnRec& a = klasse.records[0];
    TZgnRec& b = klasse.records[1];
    a.AnlageFaecher = 8;   // three electives per half-year
    b.AnlageFaecher = 5;   // two: W1, W4 first half-year; W2, W5 second
    withSlot(a, 19, "Theater", "2");
    withSlot(a, 22, "Theater", "3");
    withSlot(b, 19, "Robotik", "1");
    withSlot(b, 20, "Theater", "4");
    withSlot(b, 22, "  - - -", "-");

    const auto first = electiveGradeLists(klasse.records, 1, klasse.fileName);
    ExportReport r = exportGradeLists(klasse.records, first, choices, folder, prompter);
    EXPECT_EQ(r.written, (std::vector{folder / "7a_WP1_Theater.FDB", folder / "7a_WP1_Robotik.FDB"}));
    EXPECT_EQ(namesAndGrades(listOf("7a_WP1_Theater.FDB")), std::vector<std::string>{"Adler:Theater=2"});
    r = exportGradeLists(klasse.records, electiveGradeLists(klasse.records, 2, klasse.fileName), choices, folder,
                         prompter);
    EXPECT_EQ(namesAndGrades(listOf("7a_WP2_Theater.FDB")),
              (std::vector<std::string>{"Adler:Theater=3", "Berg:Theater=4"}));

    // The second half-year's list goes back into the second half-year's slots.
    TFaNoDB list = listOf("7a_WP2_Theater.FDB");
    list[0].Note = "1";
    const auto image = encodeFdb(list);
    std::ofstream(folder / "wp.FDB", std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    test::ScriptedPrompter p;
    p.answers = {true};
    EXPECT_TRUE(importGradeListFile(klasse, folder / "wp.FDB", kat, 2, p));
    EXPECT_EQ(klasse.records[0].slot(22).Note, "1");
    EXPECT_EQ(klasse.records[0].slot(19).Note, "2");
}

TEST(SubjectBoxes, KindsAndTakeOver)
{
    TFachKatalog kat = defaultFachKatalog();
    kat[5].Position[toInt(SchoolType::Hauptschule)] = -1;   // excluded at this school type
    ExportChoices choices;
    auto boxes = subjectBoxes(choices, kat, SchoolType::Hauptschule);
    ASSERT_EQ(boxes.size(), 49u);
    EXPECT_EQ(boxes[0].caption, "AWT");
    EXPECT_TRUE(boxes[0].enabled && boxes[0].ticked);
    EXPECT_FALSE(boxes[3].enabled || boxes[3].ticked);    // entry 5
    EXPECT_FALSE(boxes[48].enabled);                        // entry 50 unused

    // Clearing one box under "ALLE Fächer" makes the selection "ausgewählte Fächer".
    boxes[1].ticked = false;
    takeOverSubjectBoxes(choices, boxes);
    EXPECT_EQ(choices.kind, ExportKind::Ausgewaehlt);
    EXPECT_EQ(choices.flags[3], 0);
    EXPECT_EQ(choices.flags[2], 1);
    boxes = subjectBoxes(choices, kat, SchoolType::Hauptschule);
    EXPECT_TRUE(boxes[0].ticked);
    EXPECT_FALSE(boxes[1].ticked);
    choices.kind = ExportKind::Einzeln;
    for (const SubjectBox& b : subjectBoxes(choices, kat, SchoolType::Hauptschule))
        EXPECT_FALSE(b.ticked);
}
