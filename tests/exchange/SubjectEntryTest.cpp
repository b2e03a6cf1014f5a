// The subject-wise entry table and the class grade table: filling, write
// back by key number, class and name, the messages, sorting, clearing, the
// cell normalisation and colours.
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "exchange/GradeCell.h"
#include "exchange/GradeTable.h"
#include "exchange/SubjectEntry.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;

namespace {

TZgnRec student(std::int32_t key, const char* klasse, const char* name, const char* vorname, std::int16_t status = 1)
{
    TZgnRec rec{};
    rec.Status = status;
    rec.SchlNr = key;
    rec.Klasse = klasse;
    rec.Name = utf8ToCp1252(name);
    rec.Vorname = utf8ToCp1252(vorname);
    for (int k = 1; k <= 25; ++k)
        rec.slot(k) = emptySlot();
    rec.slot(2).Fach = "Deutsch";
    rec.slot(3).Fach = "Mathematik";
    return rec;
}

TDB2 klasse()
{
    TDB2 r;
    r.push_back(student(7, "5a", "Zander", "Zoe"));
    r.push_back(student(3, "5b", "Ärmel", "Ali"));
    r.push_back(student(9, "5a", "???", ""));           // never filled: not listed
    r.push_back(student(4, "5a", "Gelöscht", "G", 0));  // deleted: not listed
    r.push_back(student(5, "5c", "Berg", "Bea"));
    r[4].slot(3).Fach = "Physik";                       // Bea has no Mathematik
    r[0].slot(3).Note = "2";
    r[0].slot(3).Niveau = "E";
    r[0].slot(3).Zusatz = "#";
    return r;
}

TEST(SubjectEntry, FillListsActiveNamedStudentsWithTheirSlot)
{
    const TDB2 records = klasse();
    auto rows = studentRows(records);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (SubjectEntryRow{"3", "5b", "Ärmel, Ali", "", "", ""}));
    fillSubjectColumns(rows, records, "Mathematik");
    EXPECT_EQ(rows[0], (SubjectEntryRow{"7", "5a", "Zander, Zoe", "E", "2", "#"}));
    EXPECT_EQ(rows[1], (SubjectEntryRow{"3", "5b", "Ärmel, Ali", "-", "-", ""}));
    EXPECT_EQ(rows[2], (SubjectEntryRow{"5", "5c", "Berg, Bea", "XX", "XX", "XX"}));
    fillSubjectColumns(rows, records, "  - - -");
    EXPECT_EQ(rows[0][ColNote], "");

    TZgnRec longName = student(1, "5a", "Abcdefghijklmnopqrstuvwxyzabcd", "Abcdefghijklmnopqrstuvwxyzabcd");
    EXPECT_EQ(nameColumn(longName).size(), 62u);
}

TEST(SubjectEntry, WriteBackNormalisesAndFindsStudentsAfterSorting)
{
    TDB2 records = klasse();
    auto rows = studentRows(records);
    fillSubjectColumns(rows, records, "Mathematik");
    sortRows(rows, ColName, true);   // German order: "Ärmel" as "Armel", before "Berg"
    ASSERT_EQ(rows[0][ColName], "Ärmel, Ali");
    ASSERT_EQ(rows[2][ColName], "Zander, Zoe");
    rows[0][ColNote] = " 3";
    rows[0][ColNiveau] = " g";
    rows[0][ColZusatz] = "*+x";
    rows[2][ColNote] = "gut";        // the editor's rule: "u"
    const SubjectWriteBack result = writeBackSubject(rows, records, "Mathematik");
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(result.notFound, 0);
    EXPECT_EQ(result.withoutSubject, 0);   // Bea shows XX and is skipped
    EXPECT_EQ(records[1].slot(3).Note.str(), "3");
    EXPECT_EQ(records[1].slot(3).Niveau.str(), "g");
    EXPECT_EQ(records[1].slot(3).Zusatz.str(), "*+");
    EXPECT_EQ(records[0].slot(3).Note.str(), "u");
    EXPECT_EQ(records[0].slot(2).Note.str(), "-") << "other subjects stay";

    const auto unchanged = writeBackSubject(rows, records, "Mathematik");
    EXPECT_FALSE(unchanged.changed);
}

TEST(SubjectEntry, WriteBackReportsMissingStudentsAndSubjects)
{
    TDB2 records = klasse();
    auto rows = studentRows(records);
    fillSubjectColumns(rows, records, "Mathematik");
    records[0].Status = 0;                 // deleted while the window was open
    records[1].slot(3).Fach = "Musik";     // lost the subject
    const SubjectWriteBack result = writeBackSubject(rows, records, "Mathematik");
    EXPECT_EQ(result.notFound, 1);
    EXPECT_EQ(result.withoutSubject, 1);
    ScriptedPrompter prompter;
    reportWriteBack(result, "Mathematik", prompter);
    EXPECT_EQ(prompter.log(), (std::vector<Shown>{
                                  Shown::error("1 Schüler konnten nicht gefunden werden!"),
                                  Shown::warning("Bei 1 Schülern konnte das Fach: Mathematik nicht gefunden werden!")}));
    EXPECT_FALSE(writeBackSubject(rows, records, "???").changed);
}

TEST(SubjectEntry, SortsClearsAndWidths)
{
    auto rows = studentRows(klasse());
    sortRows(rows, ColKlasse, true);
    EXPECT_EQ(rows[0][ColName], "Zander, Zoe");
    EXPECT_EQ(rows[2][ColKlasse], "5c");
    sortRows(rows, ColKlasse, false);
    EXPECT_EQ(rows[0][ColKlasse], "5c");
    rows[0][ColNote] = "XX";
    rows[0][ColNiveau] = "XX";
    rows[1][ColZusatz] = "#";
    clearSubjectColumns(rows);
    EXPECT_EQ(rows[0][ColNote], "XX");
    EXPECT_EQ(rows[1], (SubjectEntryRow{"3", "5b", "Ärmel, Ali", "-", "-", ""}));

    EXPECT_EQ(subjectEntryWidths(SchoolType::RegionaleSchule, true), (std::array<int, 6>{2, 40, 210, 30, 30, 30}));
    EXPECT_EQ(subjectEntryWidths(SchoolType::Gymnasium, false), (std::array<int, 6>{2, 40, 210, 5, 30, 2}));
}

TEST(GradeCell, EditorNormalisationAndKnownGrades)
{
    const struct {
        const char* typed;
        SchoolType type;
        const char* text;
        bool known;
    } cases[] = {
        {"2", SchoolType::Gymnasium, "2", true},   {" 3", SchoolType::Gymnasium, "3", true},
        {"2-", SchoolType::Gymnasium, "2", true},  {"gut", SchoolType::Gymnasium, "u", true},
        {"", SchoolType::Gymnasium, "-", true},    {"7", SchoolType::Gymnasium, "7", false},
        {"7", SchoolType::IntegrierteGesamtschule, "7", true}, {"x", SchoolType::Gymnasium, "x", false},
        {"xy", SchoolType::Gymnasium, "?", false}, {"9", SchoolType::Gymnasium, "9", false},
        {"e", SchoolType::Grundschule, "e", true},
    };
    for (const auto& c : cases) {
        const GradeCellValue v = normaliseGradeCell(c.typed, c.type);
        EXPECT_EQ(v.text, c.text) << c.typed;
        EXPECT_EQ(v.known, c.known) << c.typed;
    }
}

TEST(GradeTable, ColumnsFollowTheCurrentStudentsSubjects)
{
    TDB2 records = klasse();
    records[1].slot(3).Note = "5";
    const GradeTableModel m = buildGradeTable(records, 1, false);
    ASSERT_EQ(m.columns.size(), 2u);
    EXPECT_EQ(m.columns[0].slot, 2);
    EXPECT_EQ(m.columns[1].subject, "Mathematik");
    ASSERT_EQ(m.rows.size(), 4u);   // the deleted record is not listed; "???" is
    EXPECT_EQ(m.currentRow, 1);
    EXPECT_EQ(m.rows[1].cells[1].text, "5");
    EXPECT_TRUE(m.rows[1].cells[1].editable);
    EXPECT_FALSE(m.rows[3].cells[1].editable) << "Bea has Physik in that slot";
    EXPECT_EQ(buildGradeTable(records, 3, true).rows.size(), 5u);
}

TEST(GradeTable, PendingGradesTouchOnlyWhatWasTyped)
{
    TDB2 records = klasse();
    const GradeTableModel m = buildGradeTable(records, 0, false);
    std::vector<PendingGrade> pending = {{0, 3, "Mathematik", "Zander", "Zoe", "4-"},
                                         {4, 3, "Mathematik", "Berg", "Bea", "1"}};   // Bea's slot holds Physik
    records[0].slot(2).Note = "1";   // changed elsewhere after the table was filled
    EXPECT_EQ(writePendingGrades(records, pending), 1);
    EXPECT_EQ(records[0].slot(3).Note.str(), "4");
    EXPECT_EQ(records[0].slot(2).Note.str(), "1") << "a cell not typed into is never written";
    EXPECT_EQ(records[4].slot(3).Note.str(), "-");
    EXPECT_EQ(m.rows[0].cells[0].text, "-") << "the table shows what it was filled with";
}

TEST(GradeTable, ColoursAndEnter)
{
    using B = CellBackground;
    using F = CellForeground;
    EXPECT_EQ(gradeCellColours(true, false, false, "5"), (CellColours{B::Yellow, F::Red}));
    EXPECT_EQ(gradeCellColours(true, true, true, "2"), (CellColours{B::Grey, F::Default}));
    EXPECT_EQ(gradeCellColours(true, true, false, "8"), (CellColours{B::Yellow, F::Red}));
    EXPECT_EQ(gradeCellColours(false, false, true, "6"), (CellColours{B::White, F::Fuchsia}));
    EXPECT_EQ(gradeCellColours(false, false, true, "4"), (CellColours{B::White, F::Default}));

    EXPECT_EQ(nextCellOnEnter({0, 0}, 3, 2), (GridCell{0, 1}));
    EXPECT_EQ(nextCellOnEnter({0, 1}, 3, 2), (GridCell{1, 0}));
    EXPECT_EQ(nextCellOnEnter({2, 1}, 3, 2), (GridCell{0, 0}));
}

} // namespace
