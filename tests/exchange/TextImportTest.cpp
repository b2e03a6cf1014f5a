// The text import: fields and quotes, the column layout, the encodings of
// the files, the student import's order and the grade import's matching.
#include "classfile/RecordCollection.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "exchange/GradeImport.h"
#include "exchange/ImportConfig.h"
#include "exchange/ImportText.h"
#include "exchange/StudentImport.h"
#include "exchange/TextFields.h"

#include <gtest/gtest.h>

using namespace ruvek;

namespace {

std::vector<std::uint8_t> bytes(std::string_view s) { return {s.begin(), s.end()}; }

TEST(TextFields, NextFieldPeekFieldAndQuotes)
{
    const struct {
        const char* line;
        const char* field;      // quotes removed
        const char* rest;
    } cases[] = {
        {"Muster;Anna", "Muster", "Anna"},
        {"Muster\tAnna", "Muster", "Anna"},
        {"Muster", "Muster", ""},
        {";Anna", "", "Anna"},
        {"\"Muster\";Anna", "Muster", "Anna"},
        {"\"a;b\";c", "a", "b\";c"},          // a ";" inside quotes still ends the field
        {"ab\"cd;e", "ab", "d;e"},            // a quote ends the field, the next character is dropped
        {"x\r;y", "x", ";y"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(withoutQuotes(PeekField(line)), c.field) << c.line;
        EXPECT_EQ(line, c.line) << "PeekField leaves the line";
        EXPECT_EQ(nextColumn(line), c.field) << c.line;
        EXPECT_EQ(line, c.rest) << c.line;
    }
}

TEST(TextFields, JoiningBySeparator)
{
    const struct {
        const char* current;
        const char* separator;
        const char* column;
        std::size_t cut;
        const char* joined;
    } cases[] = {
        {"alt", "", "neu", 31, "neu"},
        {"Meyer", "++", "-Lüdenscheidt", 31, "Meyer-Lüdenscheidt"},
        {"von", " ", "Bülow", 31, "von Bülow"},
        {"5", "/", "abcdef", 6, "5/abcd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1252ToUtf8(joinImportField(utf8ToCp1252(c.current), c.separator, utf8ToCp1252(c.column), c.cut)),
                  c.joined);
}

TZgnRec importedWith(const char* line, const ImportLayout& layout = defaultImportLayout())
{
    TZgnRec rec{};
    rec.Name = "???";
    rec.Weiblich = -1;
    applyStudentLine(rec, utf8ToCp1252(line), layout);
    return rec;
}

TEST(StudentImport, DefaultLayoutExamples)
{
    const TZgnRec anna = importedWith("Muster;Anna;01.02.1995;Musterstadt;w;5a");
    EXPECT_EQ(anna.Name.str(), "Muster");
    EXPECT_EQ(anna.Vorname.str(), "Anna");
    EXPECT_EQ(anna.GebDatum.str(), "01.02.1995");
    EXPECT_EQ(anna.PersAngabe.str(), "Musterstadt");
    EXPECT_EQ(anna.Weiblich, 1);
    EXPECT_EQ(anna.Klasse.str(), "5a");

    const struct {
        const char* gender;
        int weiblich;
    } genders[] = {{"M", 0}, {"m", 0}, {"0", 0}, {"N", 0}, {"H", 0}, {"", 0}, {"F", 1}, {"1", 1}, {"j", 1}};
    for (const auto& g : genders)
        EXPECT_EQ(importedWith((std::string("A;B;;;") + g.gender + ";5a").c_str()).Weiblich, g.weiblich) << g.gender;

    const TZgnRec shortLine = importedWith("Kurz;Karl");
    EXPECT_EQ(shortLine.Vorname.str(), "Karl");
    EXPECT_EQ(shortLine.Weiblich, -1);   // untouched default
    EXPECT_EQ(importedWith("\"Quote\";\"Q\"").Name.str(), "Quote");
    EXPECT_EQ(importedWith("A;B;;;w;10abcdef").Klasse.str(), "10abc");
}

TEST(StudentImport, LayoutJoinsTwoColumnsIntoOneField)
{
    ImportLayout layout{};
    layout[1].Feld = 1;
    layout[2].Feld = 1;
    layout[2].Trenner = "-";
    layout[3].Feld = 0;   // ignored column
    layout[4].Feld = 2;
    const TZgnRec rec = importedWith("Schmidt;Meier;egal;Eva", layout);
    EXPECT_EQ(rec.Name.str(), "Schmidt-Meier");
    EXPECT_EQ(rec.Vorname.str(), "Eva");
}

TEST(StudentImport, NewStudentsFollowTheCurrentOneInFileOrder)
{
    for (int current : {0, 2}) {
        OpenClass oc(SchoolType::Hauptschule, {}, RandomSource(1));
        oc.records.clear();
        for (const char* n : {"A", "B", "C"}) {
            TZgnRec rec{};
            rec.Status = 1;
            rec.Name = n;
            oc.records.push_back(rec);
        }
        oc.current = current;
        EXPECT_EQ(importStudents(oc, {"N1;x", "N2;y", ""}, defaultImportLayout(), false), 3);
        std::vector<std::string> names;
        for (const auto& r : oc.records)
            names.push_back(r.Name.str());
        const std::vector<std::string> expected =
            current == 0 ? std::vector<std::string>{"A", "N1", "N2", "???", "B", "C"}
                         : std::vector<std::string>{"A", "B", "C", "N1", "N2", "???"};
        EXPECT_EQ(names, expected) << "current " << current;
        EXPECT_EQ(oc.current, current);
        EXPECT_TRUE(oc.changed);
    }
}

TEST(ImportConfig, FileSizesAndFieldCodes)
{
    std::vector<std::uint8_t> good(12, 0);
    good[6] = 2;           // entry 1: Vorname
    good[8] = 2;           // separator of length 2
    good[9] = '+';
    good[10] = '+';
    const auto parsed = parseImportLayout(good);
    ASSERT_TRUE(parsed.layout) << parsed.error;
    EXPECT_EQ((*parsed.layout)[1].Feld, 2);
    EXPECT_EQ((*parsed.layout)[1].Trenner.str(), "++");
    EXPECT_EQ((*parsed.layout)[2].Feld, 0);

    for (std::size_t size : {0u, 7u, 132u})
        EXPECT_NE(parseImportLayout(std::vector<std::uint8_t>(size, 0)).error.find("ungültige Größe"),
                  std::string::npos) << size;
    std::vector<std::uint8_t> unknown(12, 0);
    unknown[6] = 9;
    EXPECT_NE(parseImportLayout(unknown).error.find("unbekannten Feld-Code 9"), std::string::npos);
    // A separator is joined into the names: no control characters, and a
    // length byte beyond its three characters would read the next entry.
    for (const auto& [length, first] : {std::pair{19, 'g'}, std::pair{1, '\x13'}, std::pair{1, '\0'}}) {
        std::vector<std::uint8_t> sep = good;
        sep[8] = static_cast<std::uint8_t>(length);
        sep[9] = static_cast<std::uint8_t>(first);
        EXPECT_NE(parseImportLayout(sep).error.find("ungültiges Trennzeichen"), std::string::npos) << length;
    }

    const ImportLayout d = defaultImportLayout();
    EXPECT_EQ(d[3].Trenner.str(), ": ");
    EXPECT_EQ(d[8].Feld, 8);
    EXPECT_EQ(d[9].Feld, 0);
}

TEST(ImportText, EncodingsAreRecognised)
{
    const struct {
        std::string file;
        bool utf8;
        std::vector<std::string> lines;   // UTF-8 after decoding
        std::vector<UnmappableCharacter> unmappable;
    } cases[] = {
        {"M\xFCller;J\xFCrgen\r\nBa\xDF;\x80\r\n", false, {"Müller;Jürgen", "Baß;€"}, {}},
        {"Müller;Jürgen\nBaß;€\n", true, {"Müller;Jürgen", "Baß;€"}, {}},
        {"\xEF\xBB\xBFMüller;Jürgen", true, {"Müller;Jürgen"}, {}},
        {"A\nŁukasz;Øre\n\nB", true, {"A", "?ukasz;Øre", "", "B"}, {{2, "Ł"}}},
        {"plain\rmac\r", true, {"plain", "mac"}, {}},
        // A byte-order mark before bytes that are no UTF-8: each such byte
        // becomes "?" (this once read forever).
        {"\xEF\xBB\xBFJ\xC3" "A\xB6r", true, {"J?A?r"}, {{1, "\uFFFD"}, {1, "\uFFFD"}}},
    };
    for (const auto& c : cases) {
        const ImportText text = decodeImportText(bytes(c.file));
        EXPECT_EQ(text.utf8, c.utf8) << c.file;
        std::vector<std::string> lines;
        for (const auto& l : text.lines)
            lines.push_back(cp1252ToUtf8(l));
        EXPECT_EQ(lines, c.lines) << c.file;
        EXPECT_EQ(text.unmappable, c.unmappable) << c.file;
    }
    EXPECT_EQ(unmappableReport({{2, "Ł"}}), "Zeile 2: das Zeichen \"Ł\" kann nicht gespeichert werden und wird zu \"?\".\n");
}

// A class with Mathematik in slot 4 and Deutsch in slot 1.
TDB2 gradeClass()
{
    TDB2 records;
    for (const char* name : {"Schulz", "Meier"}) {
        TZgnRec rec{};
        rec.Status = 1;
        rec.Name = name;
        rec.Vorname = "Max";
        for (int k = 1; k <= 25; ++k)
            rec.slot(k) = emptySlot();
        rec.slot(1).Fach = "Deutsch";
        rec.slot(4).Fach = "Mathematik";
        records.push_back(rec);
    }
    return records;
}

TEST(GradeImport, SchoolTypesAndCounts)
{
    const TFachKatalog kat = defaultFachKatalog();
    const struct {
        SchoolType type;
        const char* line;
        const char* mathe;
        const char* matheNiveau;
        const char* deutsch;
        int unassigned;
    } cases[] = {
        {SchoolType::Hauptschule, "Schulz;Max;Ma;2;De;1-", "2", "-", "-", 1},
        {SchoolType::RegionaleSchule, "Schulz;Max;Ma;3;E;Deu;2", "3", "E", "2", 0},
        {SchoolType::RegionaleSchule, "Schulz;Max;Ma;3;Deu;2", "3", "-", "2", 0},
        {SchoolType::Hauptschule, "Schulz;Max;Ma;3;E;Deu;2", "3", "-", "-", 2},   // "E" and "2" are no subjects
        {SchoolType::Gymnasium, "Schulz;Max;Mathematik;gut", "u", "-", "-", 0},
        {SchoolType::Gymnasium, "Schulz;Max;Ma;;Deu", "-", "-", "-", 2},          // two empty grades
        {SchoolType::Gymnasium, "Schulz;Max;Englisch;2", "-", "-", "-", 1},       // no slot
    };
    for (const auto& c : cases) {
        TDB2 records = gradeClass();
        const GradeImportPlan plan = planGradeImport(records, {c.line}, kat, c.type);
        applyGradeImport(records, plan);
        EXPECT_EQ(records[0].slot(4).Note.str(), c.mathe) << c.line;
        EXPECT_EQ(records[0].slot(4).Niveau.str(), c.matheNiveau) << c.line;
        EXPECT_EQ(records[0].slot(1).Note.str(), c.deutsch) << c.line;
        EXPECT_EQ(plan.unassigned, c.unassigned) << c.line;
        EXPECT_EQ(records[1].slot(4).Note.str(), "-") << "the other student stays";
    }
}

TEST(GradeImport, MatchesActiveRecordsAndLongSubjectNames)
{
    TFachKatalog kat = defaultFachKatalog();
    kat[30].FachName = "Wirtschaft-Arbeit-Technik und Informatik";   // 40 characters
    kat[30].FachKurz = "WAT";
    TDB2 records = gradeClass();
    records[0].Status = 0;               // deleted Schulz before the new one
    records.push_back(records[0]);
    records[2].Status = 1;
    records[2].slot(5).Fach = std::string_view("Wirtschaft-Arbeit-Technik und Informatik").substr(0, 30);
    const GradeImportPlan plan = planGradeImport(records, {"Schulz;Max;Ma;1;WAT;2", "Nobody;X;Ma;1"}, kat,
                                                 SchoolType::Gymnasium);
    applyGradeImport(records, plan);
    EXPECT_EQ(records[0].slot(4).Note.str(), "-") << "the deleted copy";
    EXPECT_EQ(records[2].slot(4).Note.str(), "1");
    EXPECT_EQ(records[2].slot(5).Note.str(), "2") << "long subject names compare by their first 30 characters";
    EXPECT_EQ(plan.studentsNotFound, 1);
    EXPECT_EQ(plan.studentsChanged, 1);
    const std::string summary = gradeImportSummary(plan);
    EXPECT_NE(summary.find("Zeile 1: Schulz, Max: 2 Bewertung(en) übernommen"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Zeile 2: Einen Datensatz für: X Nobody wurde nicht gefunden!"), std::string::npos);
    EXPECT_NE(summary.find("Zählerstand der nicht zugeordneten Fächer: 0"), std::string::npos);
    EXPECT_EQ(studentNotFoundText("X", "Nobody"),
              "Einen Datensatz für: X Nobody\nwurde nicht gefunden!\n\nBitte Schüler-Datensatz erst anlegen\n"
              "oder Schreibweise des Namens prüfen!");
}

} // namespace
