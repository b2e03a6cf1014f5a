// The names a screen reader speaks for the controls of the subject and
// elective rows: over every certificate form, each shown row control has a
// name of its own that says which subject it belongs to and is never just
// what it holds; a subject chosen in a selector renames its row, and the
// names follow the form of the next record shown.
#include "editor/SpokenNames.h"

#include "EditorFixture.h"
#include "common/Cp1252.h"
#include "editor/EditorForm.h"
#include "editor/MemoryView.h"
#include "editor/RecordEditor.h"
#include "editor/Visibility.h"
#include "forms/AnnexCatalogue.h"
#include "grades/SlotAdapt.h"
#include "settings/Installation.h"
#include "settings/WPflFach.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace ruvek;
using namespace ruvek::editor;
using ruvek::test::ScriptedPrompter;

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The two fixed entries of an elective list, then a school's own.
std::vector<std::string> schoolElectives()
{
    TWPflFach list {};
    WpflDefaults(list);
    std::vector<std::string> electives = BuildWahlpflichtListe(list);
    electives.insert(electives.end(), {"Informatik", "Spanisch", utf8ToCp1252("Hauswirtschaft und Ernährung")});
    return electives;
}

// A record of `code` with the subjects of its canon, a subject of its own in
// every row selector, a grade in every slot and the school's second elective
// chosen in W1.
TZgnRec laidOut(int code, SchoolType st, const ShowContext& context)
{
    TZgnRec r {};
    r.Status = 1;
    r.Name = "Kurz";
    r.ZgnTyp = 1;
    r.SjBeginn = "2026";
    r.Anlage = r.AnlageAlt = static_cast<std::int16_t>(code);
    RebuildCanon(r, st, context.katalog);
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Note = "2";
        r.slot(k).Niveau = "B";
    }
    r.slot(19).Fach = context.electives[3];
    // Each row selector gets a subject of its list that no other row has.
    std::set<std::string> used;
    for (int k = 1; k <= 25; ++k)
        used.insert(r.slot(k).Fach.str());
    for (int k = 1; k <= 18; ++k) {
        if (!subjectSelector(k) || SelectorList(k, r.AnlageFaecher) == SubjectList::None)
            continue;
        for (const std::string& entry : SelectorItems(*subjectSelector(k), r.AnlageFaecher, context))
            if (trimmed(entry) != "- - -" && entry != "???" && used.insert(entry).second) {
                r.slot(k).Fach = entry;
                break;
            }
    }
    return r;
}

ShowContext contextFor(SchoolType st)
{
    ShowContext c;
    c.schoolType = st;
    c.lists = buildFachListen(c.katalog);
    c.electives = schoolElectives();
    c.zeigeZusatz = true;
    return c;
}

TEST(SpokenNames, EveryShownRowControlOfEveryFormHasAnOwnNameNeverItsValue)
{
    int formsSeen = 0;
    for (int st = 1; st <= 7; ++st) {
        const ShowContext context = contextFor(static_cast<SchoolType>(st));
        for (const AnnexForm& f : AnnexCatalogue()) {
            const TZgnRec rec = laidOut(f.code, context.schoolType, context);
            const FormValues form = Show(rec, context);
            ++formsSeen;
            std::map<std::string, ControlId> seen;
            for (const auto& [id, expected] : RowControlNames(form, rec.AnlageFaecher)) {
                const ControlValue& v = form[id];
                const std::string where = "Schulart " + std::to_string(st) + ", Anlage " + std::to_string(f.code) +
                                          ", " + std::string(controlName(id));
                ASSERT_TRUE(v.accessibleName) << where;
                EXPECT_EQ(*v.accessibleName, expected) << where;
                if (!form.isVisible(id))
                    continue;
                const std::string& name = *v.accessibleName;
                EXPECT_FALSE(trimmed(name).empty()) << where;
                EXPECT_NE(trimmed(name), trimmed(v.text)) << where << ": named by its value";
                const auto [other, fresh] = seen.emplace(name, id);
                EXPECT_TRUE(fresh) << where << " shares the name \"" << cp1252ToUtf8(name) << "\" with "
                                   << controlName(other->second);
            }
            // A row with a subject in its label is named by that subject.
            for (int k = 1; k <= 18; ++k) {
                const std::string subject = trimmed(form[labelF(k)].text);
                if (!form.isVisible(labelF(k)) || !form.isVisible(editF(k)) || subject.empty() || subject == "???")
                    continue;
                EXPECT_EQ(*form[editF(k)].accessibleName, subject + " Note") << "Anlage " << f.code << ", row " << k;
                EXPECT_EQ(*form[levelSelector(k)].accessibleName, subject + " Anspruchsebene");
            }
        }
    }
    EXPECT_GT(formsSeen, 7 * 30);
}

// The names of a few rows as a teacher would hear them.
TEST(SpokenNames, RowsAreNamedBySubjectRoleOrPlace)
{
    const ShowContext context = contextFor(SchoolType::RegionaleSchule);
    FormValues form;
    form.setVisible(labelF(1), true);
    form[labelF(1)].text = "Deutsch";
    form[labelF(5)].text = "???";                 // a row without a subject
    form.setVisible(ControlId::ComboBoxF2, true); // first foreign language, chosen
    form[ControlId::ComboBoxF2].text = "Englisch";
    form.setVisible(ControlId::ComboBoxF3, true); // second foreign language, none chosen
    form[ControlId::ComboBoxF3].text = "  - - -";
    form.setVisible(ControlId::ComboBoxF16, true); // a free subject
    form[ControlId::ComboBoxF16].text = utf8ToCp1252("Darstellendes Spiel");
    form[comboBoxW(1)].text = "Informatik";
    NameRowControls(form, 15);

    const std::map<ControlId, std::string> expected = {
        {editF(1), "Deutsch Note"},
        {editFZ(1), "Deutsch Zusatz"},
        {levelSelector(1), "Deutsch Anspruchsebene"},
        {editF(5), "Zeile 5 Note"},
        {ControlId::ComboBoxF2, "1. Fremdsprache Fach"},
        {editF(2), "Englisch (1. Fremdsprache) Note"},
        {ControlId::ComboBoxF3, "2. Fremdsprache Fach"},
        {levelSelector(3), "2. Fremdsprache Anspruchsebene"},
        {ControlId::ComboBoxF16, "Zeile 16 Fach"},
        {editF(16), "Darstellendes Spiel Note"},
        {comboBoxW(1), "Wahlpflichtfach 1 Fach"},
        {editW(1), "Informatik (Wahlpflichtfach 1) Note"},
        {editW(2), "Wahlpflichtfach 2 Note"},
        {ControlId::EditW, "Wahlpflichtunterricht insgesamt Note"},
    };
    for (const auto& [id, name] : expected)
        EXPECT_EQ(cp1252ToUtf8(form[id].accessibleName.value_or("")), name) << controlName(id);
}

struct LiveFixture : ruvek::test::EditorFixture {
    LiveFixture() { electiveList = schoolElectives(); }
    std::string name(ControlId id) const { return cp1252ToUtf8(view.form()[id].accessibleName.value_or("")); }
};

using SpokenNamesLive = LiveFixture;

TEST_F(SpokenNamesLive, AChosenSubjectRenamesItsRowAndTheNextFormNamesAnew)
{
    const ShowContext context = contextFor(SchoolType::RegionaleSchule);
    TZgnRec year = laidOut(15, SchoolType::RegionaleSchule, context);   // class 7, Regionale Schule
    TZgnRec primary = laidOut(3, SchoolType::RegionaleSchule, context); // a primary school certificate
    start({year, primary});
    ASSERT_EQ(openClass.records[0].AnlageFaecher, 15);
    ASSERT_TRUE(view.form().isVisible(ControlId::ComboBoxF2));

    ASSERT_TRUE(view.setEntry(ControlId::ComboBoxF2, utf8ToCp1252("Französisch")));
    const FormPatch patch = editor->subjectChosen(ControlId::ComboBoxF2);
    EXPECT_EQ(name(editF(2)), "Französisch (1. Fremdsprache) Note");
    EXPECT_EQ(name(levelSelector(2)), "Französisch (1. Fremdsprache) Anspruchsebene");
    EXPECT_EQ(name(ControlId::ComboBoxF2), "1. Fremdsprache Fach");
    // Only the row of the selector is renamed.
    for (const auto& [id, unused] : patch.names)
        EXPECT_TRUE(id == editF(2) || id == editFZ(2) || id == levelSelector(2)) << controlName(id);

    ASSERT_TRUE(view.setEntry(ControlId::ComboBoxF2, "???"));
    editor->subjectChosen(ControlId::ComboBoxF2);
    EXPECT_EQ(name(editF(2)), "1. Fremdsprache Note");

    ASSERT_TRUE(view.setEntry(comboBoxW(4), utf8ToCp1252("Hauswirtschaft und Ernährung")));
    editor->subjectChosen(comboBoxW(4));
    EXPECT_EQ(name(editW(4)), "Hauswirtschaft und Ernährung (Wahlpflichtfach 4) Note");
    EXPECT_EQ(name(editWZ(4)), "Hauswirtschaft und Ernährung (Wahlpflichtfach 4) Zusatz");
    EXPECT_EQ(name(editW(1)), "Spanisch (Wahlpflichtfach 1) Note"); // as the record has it

    // The next record has another form: its rows are named by its subjects.
    editor->navigate(NavCommand::Next);
    const FormValues& form = view.form();
    ASSERT_EQ(openClass.records[1].AnlageFaecher, 3);
    for (const auto& [id, expected] : RowControlNames(form, 3))
        EXPECT_EQ(form[id].accessibleName.value_or(""), expected) << controlName(id);
    EXPECT_TRUE(form.isVisible(ControlId::ComboBoxF9));
    EXPECT_EQ(name(ControlId::ComboBoxF9), "Fremdsprache Fach");
}

} // namespace
