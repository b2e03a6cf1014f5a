// The change of a record's form, checked over the whole transition table
// against the rows the new form prints: a record laid out for the old form
// (catalogue subjects in their rows, a religion subject in the old form's
// religion row, further subjects of the student's own choice in the free
// rows, every slot graded and tagged with its old row) is adapted to the new
// form, and then
//   - no row that the catalogue gives a subject on the new form holds
//     another subject, and no catalogue subject of the new form stands
//     outside its row;
//   - the new form's fixed religion row holds a religion subject or
//     nothing, and a religion subject stands in no other row of a form
//     that has one;
//   - every grade stands beside the subject it was given for;
//   - no subject appears twice;
//   - a graded subject that the new form has a row for and that is no
//     longer on the record was announced by the deletion warning.
// The religion rows are the subject tables' own (the layouts decide them).
#include "GoldenSupport.h"

#include "grades/SlotAdapt.h"
#include "layouts/SubjectTable.h"
#include "layouts/SubjectTableSecondary.h"
#include "settings/FachKatalog.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <sstream>

using namespace ruvek;
using namespace ruvek::test;

namespace {

constexpr SchoolType kSchoolTypes[] = {SchoolType::NichtAusgewaehlt, SchoolType::Grundschule,
                                       SchoolType::RegionaleSchule,  SchoolType::IntegrierteGesamtschule,
                                       SchoolType::Gymnasium,        SchoolType::Hauptschule,
                                       SchoolType::Realschule,       SchoolType::Foerderschule};

// The subject-table build of the secondary forms, by annex code.
std::optional<SecondaryBuild> buildOf(int annex)
{
    if ((annex >= 5 && annex <= 9) || annex == 105)
        return SecondaryBuild::Hauptschule;
    if ((annex >= 10 && annex <= 14) || annex == 110)
        return SecondaryBuild::Realschule;
    if ((annex >= 15 && annex <= 20) || annex == 115)
        return SecondaryBuild::RegionaleSchule;
    if ((annex >= 21 && annex <= 25) || annex == 121)
        return SecondaryBuild::Gymnasium;
    if ((annex >= 26 && annex <= 29) || annex == 104 || annex == 127)
        return SecondaryBuild::Gesamtschule;
    return std::nullopt;
}

// The class-1 forms print no subject table: nothing is graded on them.
bool printsGrades(int annex) { return annex != 1 && annex != 2; }

// The slot of the form's fixed religion row; 0 when it has none.
int religionRow(int annex)
{
    if (annex == 3 || annex == 4)
        return 4; // the primary table's row 4
    const auto build = buildOf(annex);
    if (!build)
        return 0;
    for (const FixedRow& row : SecondaryTableLayout(*build, annex, {}).fixedRows)
        if (row.kind == FixedRow::Kind::Religion)
            return row.column == Column::Left ? row.row : 9 + row.row;
    return 0;
}

// Where a record laid out for the form keeps its religion subject: the
// fixed religion row, or the first right row that the Gymnasium's leaving
// and examination certificates turn into a religion row by its subject.
int religionSlot(int annex)
{
    if (const int row = religionRow(annex))
        return row;
    const auto build = buildOf(annex);
    if (build && SecondaryTableLayout(*build, annex, {}).rightReligion ==
                     SubjectTableLayout::RightReligion::FirstRowBySubject)
        return 10;
    return 0;
}

// The examination certificates are issued at the Gymnasium and the
// Integrierte Gesamtschule only.
bool issuedAt(int annex, SchoolType schoolType)
{
    return (annex != 24 && annex != 25) || schoolType == SchoolType::Gymnasium ||
           schoolType == SchoolType::IntegrierteGesamtschule;
}

// The code whose catalogue rows the record is laid out by.
int rowsCode(int annex, SchoolType schoolType)
{
    const bool examinationSchool =
        schoolType == SchoolType::IntegrierteGesamtschule || schoolType == SchoolType::Gymnasium;
    return examinationSchool && (annex == 24 || annex == 25) ? 21 : annex;
}

bool placeholder(std::string_view fach) { return fach == "???" || fach == "  - - -"; }

// One name stands for the other: equal, or one the other's beginning (a
// name cut to the 30 characters of a slot, or "Arbeit-Wirtschaft-Technik"
// renamed from "Arbeit-Wirtschaft-Technik u. Informatik").
bool sameSubject(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    return n > 0 && a.substr(0, n) == b.substr(0, n);
}

TZgnRec laidOutFor(int oldCode, SchoolType schoolType, const TFachKatalog& kat)
{
    TZgnRec rec;
    const int rows = rowsCode(oldCode, schoolType);
    for (int k = 1; k <= 18; ++k) {
        TFachEintrag& s = rec.slot(k);
        const std::string catalogue = FachAnPosition(kat, rows, k);
        if (catalogue != "???")
            s.Fach = catalogue;
        else if (k == religionSlot(rows))
            s.Fach = "evangelische Religion";
        else
            s.Fach = "Wahl " + std::to_string(k);
        s.Note = printsGrades(oldCode) ? "2" : "-";
        s.Zusatz = std::string(1, static_cast<char>('A' + k - 1)); // the row the grade was given in
        s.Niveau = "-";
    }
    return rec;
}

// What is wrong after the change from oldCode to newCode; empty when nothing.
std::vector<std::string> audit(int newCode, int oldCode, SchoolType schoolType, const TFachKatalog& kat)
{
    const TZgnRec before = laidOutFor(oldCode, schoolType, kat);
    TZgnRec rec = before;
    rec.Anlage = newCode;
    rec.AnlageAlt = oldCode;
    ScriptedPrompter prompter;
    AdaptSlotsOnShow(rec, schoolType, kat, prompter);
    const bool warned = !prompter.log().empty();
    const int rows = rowsCode(newCode, schoolType);
    const int religion = religionRow(rows); // the examination forms keep the year certificate's rows

    std::vector<std::string> faults;
    if (!printsGrades(newCode))
        return faults;
    std::map<std::string, int> seen;
    for (int k = 1; k <= 18; ++k) {
        const TFachEintrag& s = rec.slot(k);
        const std::string fach = s.Fach.str();
        const std::string row = "row " + std::to_string(k) + " \"" + fach + "\": ";
        if (placeholder(fach))
            continue;
        const std::string label = FachAnPosition(kat, rows, k);
        if (label != "???" && !sameSubject(label, fach))
            faults.push_back(row + "under the form's subject " + label);
        for (int p = 1; p <= 18; ++p)
            if (p != k && FachAnPosition(kat, rows, p) == fach && label != fach)
                faults.push_back(row + "belongs in row " + std::to_string(p));
        const bool religious = IsReligionSubject(kat, fach);
        if (k == religion && !religious)
            faults.push_back(row + "in the religion row");
        if (religion != 0 && k != religion && religious)
            faults.push_back(row + "a religion subject outside the religion row " + std::to_string(religion));
        if (!s.Zusatz.empty()) {
            const int from = s.Zusatz.view()[0] - 'A' + 1;
            if (!sameSubject(before.slot(from).Fach.view(), fach))
                faults.push_back(row + "carries the grade of " + before.slot(from).Fach.str());
        }
        if (++seen[fach] == 2)
            faults.push_back(row + "twice");
    }
    if (!warned) {
        // A subject the new form has a row for (its catalogue row, or the
        // religion row) must still be on the record with its grade.
        for (int k = 1; k <= 18; ++k) {
            const std::string fach = before.slot(k).Fach.str();
            if (before.slot(k).Note.view() == "-")
                continue;
            bool printable = IsReligionSubject(kat, fach) && religion != 0;
            for (int p = 1; p <= 18; ++p)
                printable = printable || sameSubject(FachAnPosition(kat, rows, p), fach);
            bool kept = false;
            for (int n = 1; n <= 18; ++n)
                kept = kept || rec.slot(n).Zusatz.view() == before.slot(k).Zusatz.view();
            if (printable && !kept)
                faults.push_back("the grade of " + fach + " (row " + std::to_string(k) +
                                 ") is dropped without the warning");
        }
    }
    return faults;
}

TEST(SlotTransitionAudit, NoChangeOfFormGarblesTheRowsTheNewFormPrints)
{
    const TFachKatalog kat = defaultFachKatalog();
    std::ostringstream report;
    int pairs = 0;
    for (int newCode = 1; newCode <= 130; ++newCode) {
        for (int oldCode = 1; oldCode <= 130; ++oldCode) {
            if (newCode == oldCode)
                continue;
            std::set<std::string> seenFaults;
            for (const SchoolType schoolType : kSchoolTypes) {
                const SlotTransition t = FindSlotTransition(newCode, oldCode, schoolType);
                if (!t.handled || !issuedAt(newCode, schoolType) || !issuedAt(oldCode, schoolType))
                    continue; // nothing moves, and the warning says so
                ++pairs;
                for (const std::string& fault : audit(newCode, oldCode, schoolType, kat))
                    if (seenFaults.insert(fault).second)
                        report << newCode << " <- " << oldCode << " (school type "
                               << static_cast<int>(schoolType) << "): " << fault << "\n";
            }
        }
    }
    EXPECT_GT(pairs, 500);
    EXPECT_EQ(report.str(), "");
}

} // namespace
