// The record editor on an in-memory form: show/store round trips per control
// kind, change detection, the navigation faults it mends, and the dependent
// effects of a store (annex, slot layout, level conversion).
#include "EditorFixture.h"

#include "editor/MemoryView.h"
#include "editor/RecordEditor.h"
#include "editor/TextLimits.h"
#include "grades/GradeClear.h"
#include "grades/LevelConversion.h"
#include "settings/Installation.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace ruvek;
using namespace ruvek::editor;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;

namespace {

// A Regionale Schule year certificate of class 7 in 2026 (annex 15), laid out.
TZgnRec yearRecord(const std::string& name)
{
    TZgnRec r{};
    r.Status = 1;
    r.Name = name;
    r.Vorname = "Lena";
    r.ZgnTyp = 1;
    r.Klassenstufe = 7;
    r.SjBeginn = "2026";
    r.Anlage = r.AnlageAlt = r.AnlageFaecher = 15;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "???";
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    r.slot(1).Fach = "Deutsch";
    r.slot(1).Note = "2";
    r.slot(2).Fach = "Englisch";
    r.slot(2).Note = "3";
    r.slot(4).Fach = "Mathematik";
    r.slot(4).Note = "4";
    r.LEBText = "  - - - - -";
    return r;
}

using RecordEditorTest = ruvek::test::EditorFixture;

// One edit per kind of control, and the field it must reach.
struct RoundTrip {
    const char* what;
    std::function<bool(MemoryView&)> edit;
    std::function<bool(const TZgnRec&)> stored;
};

TEST_F(RecordEditorTest, EachControlKindStoresIntoItsField)
{
    const std::vector<RoundTrip> cases = {
        {"line edit", [](MemoryView& v) { return v.setText(ControlId::Edit5, "Meier"); },
         [](const TZgnRec& r) { return r.Name == "Meier"; }},
        {"line edit cut to capacity", [](MemoryView& v) { return v.setText(ControlId::Edit65, "7a-lang"); },
         [](const TZgnRec& r) { return r.Klasse == "7a-la"; }},
        {"check box", [](MemoryView& v) { return v.setCheck(ControlId::CheckBox1, true); },
         [](const TZgnRec& r) { return r.Weiblich == 1; }},
        {"index combo", [](MemoryView& v) { return v.setIndex(ControlId::ComboBox42, 8); },
         [](const TZgnRec& r) { return r.Klassenstufe == 8; }},
        {"radio group", [](MemoryView& v) { return v.setIndex(ControlId::RadioGroup1, 2); },
         [](const TZgnRec& r) { return r.AbschlArt == 2; }},
        {"subject selector by name", [](MemoryView& v) { return v.setEntry(ControlId::ComboBoxF2, "Spanisch"); },
         [](const TZgnRec& r) { return r.slot(2).Fach == "Spanisch"; }},
        {"level selector", [](MemoryView& v) { return v.setEntry(ControlId::ComboBox1, "E"); },
         [](const TZgnRec& r) { return r.slot(1).Niveau == "E"; }},
        {"grade entry without its blanks", [](MemoryView& v) { return v.setText(ControlId::EditF1, " 1 "); },
         [](const TZgnRec& r) { return r.slot(1).Note == "1"; }},
        {"birth date", [](MemoryView& v) { return v.setText(ControlId::MaskEdit2, "29.02.2012"); },
         [](const TZgnRec& r) { return r.GebDatum == "29.02.2012"; }},
        {"memo", [](MemoryView& v) { return v.setText(ControlId::Memo3, "Zeile 1\r\nZeile 2"); },
         [](const TZgnRec& r) { return r.Vermerke == "Zeile 1\r\nZeile 2"; }},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.what);
        start({yearRecord("Albrecht")});
        ASSERT_TRUE(c.edit(view));
        editor->store();
        EXPECT_TRUE(c.stored(rec(0)));
        EXPECT_TRUE(openClass.changed);
    }
}

// What the notation or the calendar refuses is not stored, with one message
// naming each field; the rest of the form is stored, and "next" stays on
// the record so the entry can be corrected.
TEST_F(RecordEditorTest, RefusedGradesAndDatesAreNotStored)
{
    start({yearRecord("Albrecht"), yearRecord("Berg")});
    ASSERT_TRUE(view.setText(ControlId::EditF1, "x1"));
    ASSERT_TRUE(view.setText(ControlId::EditF4, "7"));
    ASSERT_TRUE(view.setText(ControlId::MaskEdit2, "31.02.2014"));
    ASSERT_TRUE(view.setText(ControlId::Edit5, "Albers"));
    const StoreOutcome out = editor->store();
    ASSERT_EQ(out.refused.size(), 3u);
    EXPECT_EQ(out.refused[0].field, "Geburtsdatum");
    EXPECT_EQ(out.refused[1].field, "Bewertung Deutsch (Zeile 1)");
    EXPECT_EQ(out.refused[2].field, "Bewertung Mathematik (Zeile 4)");
    EXPECT_EQ(rec(0).slot(1).Note, "2");
    EXPECT_EQ(rec(0).slot(4).Note, "4");
    EXPECT_EQ(rec(0).GebDatum, "");
    EXPECT_EQ(rec(0).Name, "Albers");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0], Shown::warning(RefusedEntriesMessage(out.refused)));
    EXPECT_NE(prompter.messages()[0].text.find("Die Eingabe \"7\" im Feld \"Bewertung Mathematik (Zeile 4)\" ist "
                                               "keine gültige Bewertung. Erlaubt sind: 1 bis 6, "),
              std::string::npos);

    editor->navigate(NavCommand::Next);
    EXPECT_EQ(openClass.current, 0);
    EXPECT_EQ(view.form()[ControlId::EditF1].text, "x1");
    ASSERT_TRUE(view.setText(ControlId::EditF1, "1"));
    ASSERT_TRUE(view.setText(ControlId::EditF4, "-"));
    ASSERT_TRUE(view.setText(ControlId::MaskEdit2, "  .  .19  "));
    prompter.clearLog();
    editor->navigate(NavCommand::Next);
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_EQ(openClass.current, 1);
    EXPECT_EQ(rec(0).slot(1).Note, "1");
    EXPECT_EQ(rec(0).slot(4).Note, "-");
}

TEST_F(RecordEditorTest, ShowThenStoreWithoutEditsChangesNothing)
{
    start({yearRecord("Albrecht")});
    const TZgnRec before = rec(0);
    editor->store();
    EXPECT_FALSE(openClass.changed);
    EXPECT_FALSE(DiffersInWatchedFields(rec(0), before));
    EXPECT_EQ(view.form()[ControlId::Edit7].text, "15");
    EXPECT_EQ(view.form()[ControlId::Edit64].text, "2027");
}

TEST_F(RecordEditorTest, NamesTheListsDoNotOfferSurviveShowAndStore)
{
    TZgnRec r = yearRecord("Albrecht");
    r.slot(19).Fach = "Astronomie"; // elective W1, not in the school's elective list
    r.slot(19).Note = "2";
    r.slot(2).Fach = "Altgriechisch"; // not in the catalogue's language list
    start({r});
    const auto& w1 = view.form()[ControlId::ComboBoxW1];
    ASSERT_TRUE(w1.items);
    EXPECT_EQ(w1.text, "Astronomie");
    EXPECT_EQ(w1.items->at(static_cast<std::size_t>(w1.index)), "Astronomie");
    editor->store();
    EXPECT_EQ(rec(0).slot(19).Fach, "Astronomie");
    EXPECT_EQ(rec(0).slot(2).Fach, "Altgriechisch");
    EXPECT_FALSE(openClass.changed);
}

TEST_F(RecordEditorTest, ChangeDetectionSeesSingleFields)
{
    struct Case {
        const char* what;
        std::function<void(MemoryView&)> edit;
    };
    const std::string longText(1500, 'a');
    const std::vector<Case> cases = {
        {"Klassenart alone", [](MemoryView& v) { v.setIndex(ControlId::RadioGroup2, 1); }},
        {"memo differing past position 1000", [&](MemoryView& v) {
             std::string t = longText;
             t[1200] = 'b';
             v.setText(ControlId::Memo2, t);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TZgnRec r = yearRecord("Albrecht");
        r.LEBText = longText;
        start({r});
        c.edit(view);
        editor->store();
        EXPECT_TRUE(openClass.changed);
    }
}

TEST_F(RecordEditorTest, ShowBringsTheIndexIntoRangeFirst)
{
    start({yearRecord("A"), yearRecord("B")}, 5);
    EXPECT_EQ(openClass.current, 1);
    EXPECT_EQ(view.form()[ControlId::Edit5].text, "B");
    EXPECT_EQ(view.indicators().recordNumber, 2);
}

TEST_F(RecordEditorTest, FirstAndLastStoreWithDeletedRecordsHidden)
{
    for (NavCommand cmd : {NavCommand::First, NavCommand::Last}) {
        TZgnRec deleted = yearRecord("Geloescht");
        deleted.Status = 0;
        start({yearRecord("A"), deleted, yearRecord("C")}, cmd == NavCommand::First ? 2 : 0, false);
        view.setText(ControlId::Edit5, "Getippt");
        const int typedAt = openClass.current;
        editor->navigate(cmd);
        EXPECT_EQ(rec(typedAt).Name, "Getippt");
        EXPECT_EQ(openClass.current, cmd == NavCommand::First ? 0 : 2);
    }
}

TEST_F(RecordEditorTest, ClearingAllGradesKeepsWhatWasTyped)
{
    start({yearRecord("A")});
    prompter.answers = {true};
    view.setText(ControlId::Edit5, "Neu");
    editor->clearGrades1To18();
    EXPECT_EQ(rec(0).Name, "Neu");
    EXPECT_EQ(rec(0).slot(1).Note, "-");
    EXPECT_EQ(view.form()[ControlId::EditF1].text, "-");
    EXPECT_EQ(view.form()[ControlId::Edit5].text, "Neu");
    EXPECT_TRUE(openClass.changed);
}

TEST_F(RecordEditorTest, LevelChangeConvertsGradesAtStore)
{
    TZgnRec r = yearRecord("A");
    r.Ebene = 2;
    start({r});
    prompter.answers = {true};
    view.setIndex(ControlId::ComboBox43, 1);
    editor->store();
    EXPECT_EQ(prompter.questions().at(0).text, kMsgConvertGrades);
    EXPECT_EQ(rec(0).Ebene, 1);
    EXPECT_EQ(rec(0).slot(1).Note, "1");  // from Mittlere Reife down to Berufsreife: one better
    EXPECT_TRUE(openClass.changed);
    EXPECT_TRUE(editor->takeSubjectsPageRequest());
}

TEST_F(RecordEditorTest, NewCertificateTypeLaysOutSlotsAtTheNextShow)
{
    start({yearRecord("A")});
    view.setIndex(ControlId::ComboBox42, 9);
    view.setIndex(ControlId::ComboBox41, 4);  // Abschluss-Zeugnis, class 9 from 2006: annex 18
    editor->dataUebernehmen();
    EXPECT_EQ(rec(0).Anlage, 18);
    EXPECT_EQ(rec(0).AnlageFaecher, 18);
    EXPECT_EQ(view.form()[ControlId::Edit14].text, "18");
    EXPECT_TRUE(view.form().isVisible(ControlId::RadioGroup1));
    EXPECT_FALSE(view.form().isVisible(ControlId::Memo2));
}

TEST_F(RecordEditorTest, LiveHandlersPatchTheForm)
{
    start({yearRecord("A")});
    editor->levelChanged(ControlId::ComboBox45, 2);
    EXPECT_EQ(view.form()[ControlId::ComboBox43].index, 2);

    view.setText(ControlId::Edit63, "06");
    editor->schoolYearCheck();
    EXPECT_EQ(view.form()[ControlId::Edit63].text, "2006");
    EXPECT_EQ(view.form()[ControlId::Edit64].text, "2007");

    editor->certificateTypeChanged(2);
    EXPECT_TRUE(view.form().isVisible(ControlId::GroupBox3));
}

TEST(SchoolYearCheck, Cases)
{
    const struct {
        const char* text;
        SchoolYearCheck expected;
    } cases[] = {
        {"06", {"2006", "2007"}}, {"2070", {"2070", "????"}}, {"abcd", {"abcd", "????"}},
        {"2026", {"2026", "2027"}}, {"x6", {"x6", ""}},        {"200", {"200", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckSchoolYear(c.text), c.expected) << c.text;
}

TEST(TextLimits, RepresentableAndCapacities)
{
    EXPECT_TRUE(IsCp1252Representable("Übergang – „gut“ €"));
    EXPECT_FALSE(IsCp1252Representable("Ω"));
    EXPECT_EQ(TextCapacity(ControlId::Memo2), kMemo2Capacity);
    EXPECT_EQ(TextCapacity(ControlId::Memo3), kMemo3Capacity);
    EXPECT_EQ(TextCapacity(ControlId::Memo4), kMemo4Capacity);
    EXPECT_EQ(TextCapacity(ControlId::Edit5), 30);
}

} // namespace
