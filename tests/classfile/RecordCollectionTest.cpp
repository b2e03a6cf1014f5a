// The operations on the record list: add, delete, remove, the record
// clipboard, the sort orders and the walk over the following students.
#include "classfile/RecordCollection.h"
#include "classfile/StudentRecord.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace ruvek;
using namespace ruvek::test;

namespace {

struct Student {
    std::string name;            // Windows-1252
    std::string vorname = "";
    std::int32_t schlNr = 0;
    std::int32_t weiblich = -1;
    std::int16_t klassenstufe = 0;
    std::string klasse = "";
    std::int16_t status = 1;
};

TZgnRec record(const Student& s)
{
    TZgnRec r{};
    r.Status = s.status;
    r.Name = s.name;
    r.Vorname = s.vorname;
    r.SchlNr = s.schlNr;
    r.Weiblich = s.weiblich;
    r.Klassenstufe = s.klassenstufe;
    r.Klasse = s.klasse;
    return r;
}

OpenClass classOf(const std::vector<Student>& students, int current = 0)
{
    OpenClass oc(SchoolType::Gymnasium, {}, RandomSource{7});
    oc.records.clear();
    for (const auto& s : students)
        oc.records.push_back(record(s));
    oc.current = current;
    return oc;
}

OpenClass numbered(int count, int currentNumber)
{
    std::vector<Student> s;
    for (int n = 1; n <= count; ++n)
        s.push_back({"S" + std::to_string(n)});
    return classOf(s, currentNumber - 1);
}

// "Name" or "Name Vorname" of every record, in list order.
std::vector<std::string> names(const OpenClass& oc)
{
    std::vector<std::string> out;
    for (const auto& r : oc.records)
        out.push_back(r.Vorname.empty() ? r.Name.str() : r.Name.str() + " " + r.Vorname.str());
    return out;
}

} // namespace

TEST(RecordSort, OrdersByTheirRules)
{
    // Windows-1252: "Ärger", "Özdemir", "Krüger", "Köhler", "Schröder", "Schäfer"
    const std::string Aerger = "\xC4rger";
    const std::string Oezdemir = "\xD6zdemir";
    const std::string Krueger = "Kr\xFCger";
    const std::string Koehler = "K\xF6hler";
    const std::string Schroeder = "Schr\xF6" "der";
    const std::string Schaefer = "Sch\xE4" "fer";
    struct Case {
        const char* what;
        std::vector<Student> students;
        SortOrder order;
        std::vector<std::string> expected;
    };
    const std::vector<Case> table = {
        {"German order: case alike, umlauts as their base letter",
         {{"adam"}, {Aerger}, {"Zander"}}, SortOrder::NameAscending, {"adam", Aerger, "Zander"}},
        {"descending", {{"adam"}, {Aerger}, {"Zander"}}, SortOrder::NameDescending, {"Zander", Aerger, "adam"}},
        {"the class book's names",
         {{"Zander"}, {Oezdemir}, {Krueger}, {Koehler}, {Schroeder}, {Schaefer}}, SortOrder::NameAscending,
         {Koehler, Krueger, Oezdemir, Schaefer, Schroeder, "Zander"}},
        {"the class book's names, descending",
         {{Schaefer}, {"Zander"}, {Koehler}, {Oezdemir}, {Schroeder}, {Krueger}}, SortOrder::NameDescending,
         {"Zander", Schroeder, Schaefer, Oezdemir, Krueger, Koehler}},
        {"class book, girls first, each in German order",
         {{"Zander", "", 0, 1}, {Oezdemir, "", 0, 1}, {Schroeder, "", 0, 0}, {Schaefer, "", 0, 0}},
         SortOrder::GirlsFirst, {Oezdemir, "Zander", Schaefer, Schroeder}},
        {"same surname with and without umlaut: the first name decides",
         {{"M\xFCller", "Anna"}, {"Muller", "Zoe"}, {"Muller", "Ben"}}, SortOrder::NameAscending,
         {"M\xFCller Anna", "Muller Ben", "Muller Zoe"}},
        {"a prefix is smaller; equal names by first name",
         {{"Berger", "Max"}, {"Berg", "Zoe"}, {"Berger", "Anna"}}, SortOrder::NameAscending,
         {"Berg Zoe", "Berger Anna", "Berger Max"}},
        {"key numbers are signed",
         {{"A", "", 5}, {"B", "", -9999999}, {"C", "", 0}}, SortOrder::KeyAscending, {"B", "C", "A"}},
        {"equal keys keep their order",
         {{"C", "", 3}, {"A", "", 1}, {"B", "", 3}}, SortOrder::KeyDescending, {"C", "B", "A"}},
        {"class level as unsigned, then class name",
         {{"A", "", 0, -1, 7, "7b"}, {"B", "", 0, -1, -1, "x"}, {"C", "", 0, -1, 7, "7a"}, {"D", "", 0, -1, 10, "10a"}},
         SortOrder::ClassAscending, {"C", "A", "D", "B"}},
        {"class descending",
         {{"A", "", 0, -1, 7, "7b"}, {"C", "", 0, -1, 7, "7a"}, {"D", "", 0, -1, 10, "10a"}},
         SortOrder::ClassDescending, {"D", "A", "C"}},
        {"class book, girls first: female, male, not set, each by name",
         {{"Kurz", "", 0, 0}, {"Alt", "", 0, -1}, {"Berg", "", 0, 1}, {"Abel", "", 0, 0}, {"Aue", "", 0, 1}},
         SortOrder::GirlsFirst, {"Aue", "Berg", "Abel", "Kurz", "Alt"}},
        {"class book, boys first: not set, male, female",
         {{"Kurz", "", 0, 0}, {"Alt", "", 0, -1}, {"Berg", "", 0, 1}, {"Abel", "", 0, 0}, {"Aue", "", 0, 1}},
         SortOrder::BoysFirst, {"Alt", "Abel", "Kurz", "Aue", "Berg"}},
        {"marked records are sorted too",
         {{"B", "", 0, -1, 0, "", 0}, {"A"}}, SortOrder::NameAscending, {"A", "B"}},
    };
    for (const auto& c : table) {
        OpenClass oc = classOf(c.students, 1);
        const auto out = sortRecords(oc, c.order);
        EXPECT_EQ(names(oc), c.expected) << c.what;
        EXPECT_TRUE(out.done && out.showRecord && out.rebuildList) << c.what;
        EXPECT_TRUE(oc.changed) << c.what;
        EXPECT_EQ(oc.current, 1) << c.what;
    }
}

TEST(RecordSort, OneRecordIsLeftAlone)
{
    OpenClass oc = classOf({{"Solo"}});
    EXPECT_FALSE(sortApplies(oc));
    EXPECT_EQ(sortRecords(oc, SortOrder::NameAscending), CollectionOutcome{});
    EXPECT_FALSE(oc.changed);
}

TEST(RecordInsert, AddAndPastePositions)
{
    // Number 3 of 5 current: the new record becomes number 4 and current.
    OpenClass add = numbered(5, 3);
    const auto out = addRecord(add, false);
    EXPECT_EQ(names(add), (std::vector<std::string>{"S1", "S2", "S3", "???", "S4", "S5"}));
    EXPECT_EQ(add.current, 3);
    EXPECT_TRUE(out.done && out.showRecord && out.rebuildList);
    EXPECT_FALSE(out.takeOverLabels);

    // Number 2 current: the pasted record becomes number 3, number 2 stays current.
    OpenClass paste = numbered(5, 2);
    paste.clipboard = record({"Kopie"});
    pasteRecord(paste);
    EXPECT_EQ(names(paste), (std::vector<std::string>{"S1", "S2", "Kopie", "S3", "S4", "S5"}));
    EXPECT_EQ(paste.current, 1);
    EXPECT_TRUE(paste.changed);
}

TEST(RecordInsert, NewRecordHasNoLeftoversAndItsOwnKey)
{
    OpenClass oc = numbered(2, 1);
    // Records that went before, with values in fields that have no default.
    for (auto& r : oc.records) {
        r.NichtDrucken = 1;
        r.Halbjahr1 = 1;
        r.KlLehrer = "Mey";
        r.Klassenstufe = 7;
        r.SchlNr = kFirstGeneratedKey;
    }
    oc.records[0].SchlNr = kFirstGeneratedKey + 1;
    addRecord(oc, false, newStudentNameFromDialog("", "Ein Vorname, der viel zu lang ist f\xFCr das Feld"));
    const TZgnRec& r = oc.currentRecord();
    EXPECT_EQ(r.NichtDrucken, 0);
    EXPECT_EQ(r.Halbjahr1, 0);
    EXPECT_EQ(r.Klassenstufe, 0);
    EXPECT_EQ(r.KlLehrer, "");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Name, "???");
    EXPECT_EQ(r.Vorname, "Ein Vorname, der viel zu lang ");
    EXPECT_EQ(r.SchlNr, kFirstGeneratedKey + 2);
    EXPECT_EQ(r.Vermerke, kStruckOutText);
}

TEST(RecordInsert, TakeOverFromPredecessor)
{
    for (SchoolType st : {SchoolType::IntegrierteGesamtschule, SchoolType::Gymnasium}) {
        OpenClass oc = numbered(1, 1);
        oc.schoolType = st;
        TZgnRec& pre = oc.records[0];
        pre.GebDatum = "12.03.2009";
        pre.Weiblich = 1;
        pre.ZgnTyp = 4;
        pre.Klassenstufe = 9;
        pre.SjBeginn = "2010";
        pre.Klasse = "9b";
        pre.ZgnOrt = "Rostock";
        pre.NichtDrucken = 1;
        for (int k = 1; k <= 18; ++k)
            pre.slot(k).Fach = "Fach" + std::to_string(k);
        pre.slot(4).Note = "2";

        const auto out = addRecord(oc, true);
        EXPECT_TRUE(out.takeOverLabels);
        const TZgnRec& r = oc.currentRecord();
        EXPECT_EQ(r.GebDatum, "  .  .2009");
        EXPECT_EQ(r.Weiblich, 1);
        EXPECT_EQ(r.ZgnTyp, 4);
        EXPECT_EQ(r.Klassenstufe, 9);
        EXPECT_EQ(r.SjBeginn, "2010");
        EXPECT_EQ(r.Klasse, "9b");
        EXPECT_EQ(r.ZgnOrt, "Rostock");
        EXPECT_EQ(r.NichtDrucken, 0);
        EXPECT_EQ(r.Name, "???");
        std::vector<int> named;
        for (int k = 1; k <= 18; ++k)
            if (r.slot(k).Fach != "???")
                named.push_back(k);
        const std::vector<int> expected =
            st == SchoolType::IntegrierteGesamtschule ? std::vector<int>{2, 9} : std::vector<int>{4, 16};
        EXPECT_EQ(named, expected);
        EXPECT_EQ(r.slot(4).Note, "-"); // names only
    }
}

TEST(RecordRemove, IndexFollowsTheCurrentRecord)
{
    struct Case {
        int count;
        std::vector<int> marked; // numbers as shown
        int currentNumber;
        int expectedCount;
        std::string expectedCurrent; // name of the current record afterwards
    };
    const std::vector<Case> table = {
        {6, {2, 4}, 5, 4, "S5"},
        {6, {5}, 2, 5, "S2"},       // only removals before the current record lower the index
        {6, {1}, 1, 5, "S2"},       // the current record goes: the one after it follows
        {6, {3, 6}, 6, 4, "S5"},    // the current last record goes: the new last one
        {3, {}, 2, 3, "S2"},
    };
    for (const auto& c : table) {
        OpenClass oc = numbered(c.count, c.currentNumber);
        for (int n : c.marked)
            oc.records[static_cast<std::size_t>(n - 1)].Status = 0;
        ScriptedPrompter p;
        p.answers = {true};
        const auto out = removeMarked(oc, p);
        EXPECT_TRUE(out.showRecord && out.rebuildList);
        EXPECT_EQ(oc.count(), c.expectedCount) << c.currentNumber;
        EXPECT_EQ(oc.currentRecord().Name, c.expectedCurrent) << c.currentNumber;
        EXPECT_EQ(oc.changed, !c.marked.empty());
        EXPECT_EQ(p.log(), std::vector<Shown>{Shown::question(kAskRemoveMarked)});
    }
}

TEST(RecordRemove, TheClassNeverBecomesEmpty)
{
    OpenClass oc = numbered(2, 2);
    for (auto& r : oc.records) {
        r.Status = 0;
        r.NichtDrucken = 1;
    }
    ScriptedPrompter p;
    p.answers = {true};
    removeMarked(oc, p);
    ASSERT_EQ(oc.count(), 1);
    EXPECT_EQ(oc.current, 0);
    EXPECT_EQ(oc.records[0].Status, 1);
    EXPECT_EQ(oc.records[0].Name, "???");
    EXPECT_EQ(oc.records[0].NichtDrucken, 0);

    // No: nothing happens.
    OpenClass kept = numbered(2, 1);
    kept.records[0].Status = 0;
    p.answers = {false};
    EXPECT_FALSE(removeMarked(kept, p).done);
    EXPECT_EQ(kept.count(), 2);
    EXPECT_FALSE(kept.changed);
}

TEST(RecordDelete, PermissionQuestionAndMark)
{
    OpenClass oc = numbered(3, 2);
    ScriptedPrompter p;
    EXPECT_FALSE(deletePermitted(false, p));
    EXPECT_EQ(p.log(), std::vector<Shown>{Shown::error(kMsgNotAllowedToDelete)});

    p.clearLog();
    p.answers = {false, true};
    EXPECT_TRUE(deletePermitted(true, p));
    EXPECT_EQ(markCurrentDeleted(oc, p), (CollectionOutcome{.showRecord = true}));
    EXPECT_EQ(oc.currentRecord().Status, 1);
    EXPECT_FALSE(oc.changed);
    EXPECT_EQ(markCurrentDeleted(oc, p), (CollectionOutcome{.done = true, .showRecord = true}));
    EXPECT_EQ(oc.currentRecord().Status, 0);
    EXPECT_TRUE(oc.changed);
    EXPECT_EQ(p.questions(), (std::vector<Shown>{Shown::question(kAskDelete), Shown::question(kAskDelete)}));
}

TEST(RecordClipboard, CopyTakesTheStoredRecordCutMarksIt)
{
    OpenClass oc = numbered(3, 1);
    copyRecord(oc);
    oc.currentRecord().Name = "Neu"; // changed after the copy
    pasteRecord(oc);
    EXPECT_EQ(names(oc), (std::vector<std::string>{"Neu", "S1", "S2", "S3"}));

    // Cut without permission: copied, not marked.
    ScriptedPrompter p;
    oc.current = 2;
    EXPECT_FALSE(cutRecord(oc, false, p).done);
    EXPECT_EQ(oc.clipboard.Name, "S2");
    EXPECT_EQ(oc.currentRecord().Status, 1);
    p.clearLog();
    p.answers = {true};
    oc.current = 3;
    EXPECT_TRUE(cutRecord(oc, true, p).done);
    EXPECT_EQ(oc.clipboard.Name, "S3");
    EXPECT_EQ(oc.clipboard.Status, 1);
    EXPECT_EQ(oc.currentRecord().Status, 0);
}

TEST(FollowingStudents, ReachedRecords)
{
    const OpenClass oc = classOf({{"Anna"}, {"Ben", "", 0, -1, 0, "", 0}, {"Carl"}, {"???"}, {"Dora"}});
    EXPECT_EQ(followingStudents(oc.records, 0), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(followingStudents(oc.records, 0, false), (std::vector<std::size_t>{0, 2, 3, 4}));
    EXPECT_EQ(followingStudents(oc.records, 1), (std::vector<std::size_t>{2}));
    EXPECT_EQ(followingStudents(oc.records, 3), (std::vector<std::size_t>{}));

    // What ends a class: an active record without a real name. A marked one
    // is passed over like any marked record.
    for (const std::string end : {"???", "  - - -", ""}) {
        const OpenClass c = classOf({{"A"}, {end, "", 0, -1, 0, "", 0}, {"B"}, {end}, {"C"}});
        EXPECT_EQ(followingStudents(c.records, 0), (std::vector<std::size_t>{0, 2})) << '"' << end << '"';
    }
}
