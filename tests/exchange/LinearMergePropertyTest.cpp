// The student import and the grade-list export find students by an index;
// over many seeded random classes they must give exactly what adding one
// record at a time and comparing each student with the whole list gave.
#include "classfile/RecordCollection.h"
#include "exchange/GradeListExport.h"
#include "exchange/StudentImport.h"

#include "ExchangeFixtures.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

using namespace ruvek;
namespace fs = std::filesystem;

namespace {

bool sameBytes(const TDB2& a, const TDB2& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(TZgnRec)) == 0;
}

// Key numbers close to the first generated one, so the new records' numbers
// have to step over numbers already in use.
std::int32_t randomKey(std::mt19937& g)
{
    const int pick = static_cast<int>(g() % 4);
    if (pick == 0)
        return static_cast<std::int32_t>(g() % 50) + 1;
    return kFirstGeneratedKey + static_cast<std::int32_t>(g() % 12);
}

std::string randomLine(std::mt19937& g)
{
    static const char* names[] = {"Adler", "Berg", "", "Çelik", "Ost"};
    static const char* dates[] = {"01.02.2012", "", "  .  .2011", "3.4.2010"};
    std::string line = names[g() % 5];
    const int columns = static_cast<int>(g() % 6);
    for (int c = 0; c < columns; ++c)
        line += std::string(";") + (c == 1 ? dates[g() % 4] : names[g() % 5]);
    return line;
}

} // namespace

TEST(LinearImport, SameRecordsAsAddingOneAtATime)
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 g(seed);
        TDB2 start(1 + g() % 12);
        for (TZgnRec& r : start) {
            r.SchlNr = randomKey(g);
            r.Klasse = g() % 2 ? "7a" : "8b";
            r.GebDatum = "05.06.2011";
        }
        const int current = static_cast<int>(g() % start.size());
        std::vector<std::string> lines(g() % 30);
        for (auto& line : lines)
            line = randomLine(g);
        const bool takeOver = g() % 2;
        OpenClass first(SchoolType::Hauptschule, {}, RandomSource(seed));
        OpenClass byIndex(SchoolType::Hauptschule, {}, RandomSource(seed));
        first.records = byIndex.records = start;
        first.current = byIndex.current = current;

        // One record at a time, as the "+" command adds them.
        const int before = first.current;
        for (const std::string& line : lines) {
            addRecord(first, takeOver);
            applyStudentLine(first.currentRecord(), line, defaultImportLayout());
        }
        first.current = before;

        ASSERT_EQ(importStudents(byIndex, lines, defaultImportLayout(), takeOver), static_cast<int>(lines.size()));
        ASSERT_TRUE(sameBytes(first.records, byIndex.records)) << "seed " << seed;
        EXPECT_EQ(first.current, byIndex.current);
        EXPECT_EQ(first.random, byIndex.random) << "seed " << seed;
    }
}

TEST(LinearImport, StopsAtTheLargestClass)
{
    OpenClass oc(SchoolType::Hauptschule, {}, RandomSource(3));
    oc.records.reserve(kMaxRecords);
    oc.records.resize(kMaxRecords - 2);
    EXPECT_EQ(importStudents(oc, {"A", "B", "C", "D"}, defaultImportLayout(), false), 2);
    EXPECT_EQ(oc.records.size(), kMaxRecords);
}

namespace {

// The list as comparing every student with every entry gives it.
TFaNoDB mergedByComparing(TFaNoDB list, const TDB2& records, const GradeListSubject& subject, bool renew)
{
    for (const TZgnRec& rec : records) {
        if (rec.Status != 1)
            continue;
        const int slot = subject.slotOf(rec);
        if (slot == 0 && !subject.includeStudentsWithout)
            continue;
        const TFaNoEintrag entry = gradeListEntry(rec, slot);
        bool matched = false;
        for (auto& e : list)
            if (e.sameStudent(entry)) {
                matched = true;
                if (renew)
                    e = entry;
            }
        if (!matched)
            list.push_back(entry);
    }
    return list;
}

} // namespace

TEST(LinearGradeListExport, SameListAsComparingWithEveryEntry)
{
    const fs::path folder = fs::path(testing::TempDir()) / "linear_fdb";
    static const char* names[] = {"Adler", "Berg", "Claus"};
    static const char* grades[] = {"1", "2", "3", "-"};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 g(seed);
        fs::remove_all(folder);
        fs::create_directories(folder);
        TDB2 records(g() % 25);
        for (TZgnRec& r : records) {
            r = test::pupil(names[g() % 3], names[g() % 3], static_cast<std::int32_t>(g() % 4));
            r.Status = g() % 5 ? 1 : 0;
            if (g() % 3)
                test::withSlot(r, 1, "Deutsch", grades[g() % 4]);
        }
        const GradeListSubject subject{"7a_D.FDB", [](const TZgnRec& r) { return r.slot(1).Fach == "Deutsch" ? 1 : 0; },
                                       g() % 2 == 0};
        TFaNoDB old;
        for (std::size_t n = g() % 8; n-- > 0;) {
            TZgnRec r = test::pupil(names[g() % 3], names[g() % 3], static_cast<std::int32_t>(g() % 4));
            old.push_back(gradeListEntry(test::withSlot(r, 1, "Deutsch", grades[g() % 4]), 1));
        }
        ExportChoices choices;
        choices.nurBewertungen = g() % 2;
        TFaNoDB expected = mergedByComparing(old, records, subject, choices.nurBewertungen);
        if (!old.empty()) {
            ASSERT_TRUE(writeFileSafely(folder / subject.listFile, encodeFdb(old)));
        }

        test::ScriptedPrompter prompter;
        const ExportReport report = exportGradeLists(records, {subject}, choices, folder, prompter);
        ASSERT_FALSE(report.aborted);
        TFaNoDB written;
        if (!expected.empty()) {
            ASSERT_TRUE(readFdbFile(folder / subject.listFile, written)) << "seed " << seed;
        }
        ASSERT_EQ(encodeFdb(written), encodeFdb(expected)) << "seed " << seed;
    }
}
