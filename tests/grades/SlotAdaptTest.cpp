#include "grades/SlotAdapt.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// The expected slot lists below were worked out by hand from the transition
// table and the default catalogue rows, operation by operation. Notation of
// one slot: "F7" = the record's former slot 7, unchanged; "-" = a cleared
// slot; a subject name = a slot set from the catalogue (no grade; names are
// cut to the 30 characters of a slot); "Name/F8" = the former slot 8 renamed,
// its grade kept.

namespace ruvek {
namespace {
using test::ScriptedPrompter;

TFachEintrag original(int k)
{
    TFachEintrag s;
    s.Fach = "F" + std::to_string(k);
    s.Note = std::string(1, static_cast<char>('a' + k - 1));  // unique per slot
    s.Zusatz = "z";
    s.Niveau = "H";
    s.Hinweis = "h" + std::to_string(k);
    return s;
}

bool same(const TFachEintrag& a, const TFachEintrag& b)
{
    return a.Fach == b.Fach && a.Note == b.Note && a.Zusatz == b.Zusatz && a.Niveau == b.Niveau &&
           a.Hinweis == b.Hinweis;
}

TZgnRec numberedRecord(int anlage, int anlageAlt)
{
    TZgnRec r;
    for (int k = 1; k <= 25; ++k)
        r.slot(k) = original(k);
    r.Anlage = anlage;
    r.AnlageAlt = anlageAlt;
    r.AnlageFaecher = anlageAlt;
    return r;
}

std::string summary(const TFachEintrag& s)
{
    for (int j = 1; j <= 25; ++j)
        if (same(s, original(j)))
            return "F" + std::to_string(j);
    const bool noGrade = s.Note == "-" && s.Zusatz.empty() && s.Niveau == "-" && s.Hinweis.empty();
    if (noGrade)
        return s.Fach == "???" ? "-" : s.Fach.str();
    for (int j = 1; j <= 25; ++j)
        if (s.Note == original(j).Note && s.Zusatz == "z" && s.Niveau == "H")
            return s.Fach.str() + "/F" + std::to_string(j) + (s.Hinweis.empty() ? "" : "+h");
    return "?" + s.Fach.str();
}

std::vector<std::string> slots1To18(const TZgnRec& r)
{
    std::vector<std::string> out;
    for (int k = 1; k <= 18; ++k)
        out.push_back(summary(r.slot(k)));
    return out;
}

std::vector<std::string> unchanged18()
{
    std::vector<std::string> out;
    for (int k = 1; k <= 18; ++k)
        out.push_back("F" + std::to_string(k));
    return out;
}

struct TransitionCase {
    const char* what;
    int newCode;
    int oldCode;
    int schoolType;
    std::vector<std::string> expected;  // slots 1..18; empty = all unchanged
    SlotAdaptResult result;
    int anlageFaecher;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.what; }

class SlotTransitions : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(SlotTransitions, ResultingSlots)
{
    const auto& c = GetParam();
    const TFachKatalog kat = defaultFachKatalog();
    TZgnRec r = numberedRecord(c.newCode, c.oldCode);
    ScriptedPrompter p;
    EXPECT_EQ(AdaptSlotsOnShow(r, schoolTypeFromStored(c.schoolType), kat, p), c.result);
    EXPECT_EQ(slots1To18(r), c.expected.empty() ? unchanged18() : c.expected);
    for (int k = 19; k <= 25; ++k)
        EXPECT_EQ(summary(r.slot(k)), "F" + std::to_string(k)) << "slot " << k;
    EXPECT_EQ(r.Anlage, c.newCode);
    EXPECT_EQ(r.AnlageFaecher, c.anlageFaecher);

    const bool warns = c.result == SlotAdaptResult::AdaptedWithWarning || c.result == SlotAdaptResult::NotHandled;
    if (warns)
        EXPECT_EQ(p.log(), std::vector{test::Shown::warning("Fächer, Bewertungen usw. konnten nicht\noder nur teilweise "
                                                            "angepasst werden!\n\nDie Bewertungen usw. werden "
                                                            "sicherheitshalber\nvollständig oder teilweise gelöscht!\n\n"
                                                            "Prüfen Sie unbedingt die Daten!!")});
    else
        EXPECT_TRUE(p.log().empty());

    // A second show without a store in between moves nothing again.
    const TZgnRec afterFirst = r;
    ScriptedPrompter again;
    EXPECT_EQ(AdaptSlotsOnShow(r, schoolTypeFromStored(c.schoolType), kat, again), SlotAdaptResult::Unchanged);
    EXPECT_EQ(slots1To18(r), slots1To18(afterFirst));
    EXPECT_TRUE(again.log().empty());
}

using R = SlotAdaptResult;
INSTANTIATE_TEST_SUITE_P(
    Table, SlotTransitions,
    ::testing::Values(
        // Hauptschule year certificate stored as qualified final certificate: no row operation.
        TransitionCase{"HS5to9", 9, 5, 5, {}, R::Adapted, 9},
        // Changes whose operations would garble the rows (Realschule 10 -> 13 would print
        // Sport twice) let the subjects follow their names. The names F1.. are no catalogue
        // subjects: the form's rows get its catalogue subjects, its religion row is cleared,
        // other rows keep their slots, and the dropped grades bring the warning.
        TransitionCase{"RS10to13", 13, 10, 6,
                       {"Deutsch", "F2", "F3", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
                        "Arbeit-Wirtschaft-Technik u. I", "-", "Physik", "Chemie", "Biologie", "Musik",
                        "Kunst und Gestaltung", "Sport", "F16", "F17", "F18"},
                       R::AdaptedWithWarning, 13},
        // 5 -> 13: move 3>4 x6, clear 2, move 14>13 x4, clear 17, clear 18.
        TransitionCase{"HS5to13", 13, 5, 6,
                       {"F1", "-", "-", "F3", "F4", "F5", "F6", "F7", "F8", "F10", "F11", "F12", "F14", "F15", "F16",
                        "F17", "-", "-"},
                       R::Adapted, 13},
        // 27 -> 5: move 4>3 x6, clear 9, move 11>10 x8, clear 18.
        TransitionCase{"IGS27to5", 5, 27, 5,
                       {"F1", "F2", "F4", "F5", "F6", "F7", "F8", "F9", "-", "F11", "F12", "F13", "F14", "F15", "F16",
                        "F17", "F18", "-"},
                       R::Adapted, 5},
        // 1 -> 3: clear 1-18.
        TransitionCase{"GS1to3", 3, 1, 1, std::vector<std::string>(18, "-"), R::Adapted, 3},
        // 0 -> 4: set 2 (row 2 of form 4 is Sachunterricht).
        TransitionCase{"GS0to4", 4, 0, 1,
                       {"F1", "Sachunterricht", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13",
                        "F14", "F15", "F16", "F17", "F18"},
                       R::Adapted, 4},
        // 10 -> 21: name 8, move 14>15 x4, set 14.
        TransitionCase{"RS10toGym21", 21, 10, 4,
                       {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "Arbeit-Wirtschaft-Technik/F8", "F9", "F10", "F11",
                        "F12", "F13", "Informatik", "F14", "F15", "F16", "F17"},
                       R::Adapted, 21},
        // Examination certificate at the Gymnasium: laid out after form 21.
        TransitionCase{"Gym21to24", 24, 21, 4, {}, R::Adapted, 21},
        TransitionCase{"Gym21to25AtRegionalSchool", 25, 21, 2, {}, R::Adapted, 25},
        // 0 -> 23: move 9>10 x5, move 6>9 x1, move 7>6 x1, move 9>7 x1 (each sees the one before).
        TransitionCase{"Gym0to23", 23, 0, 4,
                       {"F1", "F2", "F3", "F4", "F5", "F7", "F6", "F8", "F6", "F9", "F10", "F11", "F12", "F13", "F15",
                        "F16", "F17", "F18"},
                       R::Adapted, 23},
        // From the orientation stage the subjects follow their names too (the table's
        // operations printed Chemie twice on form 21); the warning stays.
        TransitionCase{"OS104to10", 10, 104, 6,
                       {"Deutsch", "F2", "F3", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
                        "Arbeit-Wirtschaft-Technik u. I", "-", "Physik", "Chemie", "Biologie", "Astronomie", "Musik",
                        "Kunst und Gestaltung", "Sport", "F17", "F18"},
                       R::AdaptedWithWarning, 10},
        TransitionCase{"OS104toGym21", 21, 104, 4,
                       {"Deutsch", "F2", "F3", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
                        "Arbeit-Wirtschaft-Technik", "-", "Physik", "Chemie", "Biologie", "Astronomie", "Informatik",
                        "Musik", "Kunst und Gestaltung", "Sport", "F18"},
                       R::AdaptedWithWarning, 21},
        TransitionCase{"OS104to26", 26, 104, 3,
                       {"Deutsch", "Englisch", "Mathematik", "Weltkunde", "Arbeit-Wirtschaft-Technik u. I", "-", "F7",
                        "F8", "F9", "Naturwissenschaften", "Musik", "Kunst und Gestaltung", "Sport", "F14", "F15", "F16",
                        "F17", "F18"},
                       R::AdaptedWithWarning, 26},
        // 27 -> 104: the overwriting "move 13>12 x1, move 10>12 x1" leaves former slot 10 in slot 12.
        TransitionCase{"IGS27to104", 104, 27, 3,
                       {"F1", "F2", "F3", "F4", "F5", "F6", "Weltkunde", "F8", "F9", "F11", "F13", "F10", "F15",
                        "F16", "F17", "-", "-", "-"},
                       R::Adapted, 104},
        // 0 -> 104 at the Hauptschule: set 7, move 9>8 x1, clear 9, move 12>11 x1, set 12, move 14>13 x5, clear 18.
        TransitionCase{"HS0to104", 104, 0, 5,
                       {"F1", "F2", "F3", "F4", "F5", "F6", "Weltkunde", "F9", "-", "F10", "F12",
                        "Naturwissenschaften", "F14", "F15", "F16", "F17", "F18", "-"},
                       R::Adapted, 104},
        // 0 -> 104 at a Grundschule: clear 1-18, set every row of form 104; warning.
        TransitionCase{"GS0to104", 104, 0, 1,
                       {"Deutsch", "-", "-", "Mathematik", "Geschichte", "Geografie", "Weltkunde",
                        "Arbeit-Wirtschaft-Technik u. I", "-", "Physik", "Biologie", "Naturwissenschaften",
                        "Musik", "Kunst und Gestaltung", "Sport", "-", "-", "-"},
                       R::AdaptedWithWarning, 104},
        // Pairs without a row: nothing moves, the warning is shown.
        TransitionCase{"RegSchool15toHS5", 5, 15, 2, {}, R::NotHandled, 5},
        TransitionCase{"ToNoForm", 0, 10, 6, {}, R::NotHandled, 10},
        TransitionCase{"ToFoerderschule", 32, 5, 7, {}, R::NotHandled, 32},
        TransitionCase{"FromIntermediate", 10, 110, 6, {}, R::NotHandled, 10},
        TransitionCase{"FromFoerderschule", 5, 32, 7, {}, R::NotHandled, 5},
        TransitionCase{"SameCodeRowNotUsedForOtherOld", 1, 5, 1, {}, R::NotHandled, 1}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

// A record as the editor lays it out for a form: its subjects by name, each
// with its own grade and an addition naming its row, so that a test can
// see which grade went where.
TZgnRec namedRecord(int anlage, int anlageAlt, const std::vector<std::string>& subjects)
{
    TZgnRec r;
    for (int k = 1; k <= 18; ++k) {
        TFachEintrag& s = r.slot(k);
        s.Fach = k <= static_cast<int>(subjects.size()) ? subjects[static_cast<std::size_t>(k - 1)] : "???";
        const bool named = s.Fach != "???";
        s.Note = named ? std::string(1, static_cast<char>('1' + (k - 1) % 6)) : "-";
        s.Zusatz = named ? std::string(1, static_cast<char>('a' + k - 1)) : "";
        s.Niveau = "-";
    }
    r.Anlage = anlage;
    r.AnlageAlt = anlageAlt;
    return r;
}

// "Subject/row it came from" per slot 1..18 ("-" for an empty slot, the bare
// name for a catalogue subject without a grade).
std::vector<std::string> followed(const TZgnRec& r)
{
    std::vector<std::string> out;
    for (int k = 1; k <= 18; ++k) {
        const TFachEintrag& s = r.slot(k);
        if (s.Fach == "???")
            out.push_back("-");
        else if (s.Zusatz.empty())
            out.push_back(s.Fach.str());
        else
            out.push_back(s.Fach.str() + "/" + std::to_string(s.Zusatz.view()[0] - 'a' + 1));
    }
    return out;
}

TEST(SlotAdaptOnShow, GradesFollowTheirSubjectsWhereTheTableWouldGarbleTheRows)
{
    const std::vector<std::string> regional = {
        "Deutsch", "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
        "Arbeit-Wirtschaft-Technik u. I", "evangelische Religion", "Physik", "Chemie", "Biologie", "Astronomie",
        "Musik", "Kunst und Gestaltung", "Sport"};
    std::vector<std::string> regionalOneLanguage = regional;
    regionalOneLanguage[2] = "  - - -";
    const std::vector<std::string> comprehensive = {
        "Deutsch", "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
        "Arbeit-Wirtschaft-Technik u. I", "katholische Religion", "Naturwissenschaften", "Physik", "Chemie",
        "Biologie", "Astronomie", "Musik", "Kunst und Gestaltung", "Sport"};
    const struct {
        const char* what;
        int newCode, oldCode;
        SchoolType schoolType;
        std::vector<std::string> before;
        std::vector<std::string> after;
        bool warning;
    } cases[] = {
        // The Berufsreife form has one foreign language and its religion row is row 8: the
        // second language has no row (its grade is dropped, with the warning); Sozialkunde no
        // longer lands under the religion labels, and Arbeit-Wirtschaft-Technik stays.
        {"15 to 18", 18, 15, SchoolType::RegionaleSchule, regional,
         {"Deutsch/1", "Englisch/2", "Mathematik/4", "Geschichte/5", "Geografie/6", "Sozialkunde/7",
          "Arbeit-Wirtschaft-Technik u. I/8", "evangelische Religion/9", "-", "Physik/10", "Chemie/11",
          "Biologie/12", "Astronomie/13", "Musik/14", "Kunst und Gestaltung/15", "Sport/16", "-", "-"},
         true},
        // Without a second language nothing graded is lost: no warning.
        {"16 to 18", 18, 16, SchoolType::RegionaleSchule, regionalOneLanguage,
         {"Deutsch/1", "Englisch/2", "Mathematik/4", "Geschichte/5", "Geografie/6", "Sozialkunde/7",
          "Arbeit-Wirtschaft-Technik u. I/8", "evangelische Religion/9", "-", "Physik/10", "Chemie/11",
          "Biologie/12", "Astronomie/13", "Musik/14", "Kunst und Gestaltung/15", "Sport/16", "-", "-"},
         false},
        // Form 29 has no Naturwissenschaften row: the sciences move up one row each (Physik
        // once, Sport kept); the dropped Naturwissenschaften grade brings the warning.
        {"27 to 29", 29, 27, SchoolType::IntegrierteGesamtschule, comprehensive,
         {"Deutsch/1", "Englisch/2", "Französisch/3", "Mathematik/4", "Geschichte/5", "Geografie/6",
          "Sozialkunde/7", "Arbeit-Wirtschaft-Technik u. I/8", "katholische Religion/9", "Physik/11", "Chemie/12",
          "Biologie/13", "Astronomie/14", "Musik/15", "Kunst und Gestaltung/16", "Sport/17", "-", "-"},
         true},
        // Realschule year certificate to the final one: Astronomie has no row on form 13
        // (dropped, warning), Sport stands once.
        {"10 to 13", 13, 10, SchoolType::Realschule, regional,
         {"Deutsch/1", "Englisch/2", "Französisch/3", "Mathematik/4", "Geschichte/5", "Geografie/6",
          "Sozialkunde/7", "Arbeit-Wirtschaft-Technik u. I/8", "evangelische Religion/9", "Physik/10", "Chemie/11",
          "Biologie/12", "Musik/14", "Kunst und Gestaltung/15", "Sport/16", "-", "-", "-"},
         true},
    };
    const TFachKatalog kat = defaultFachKatalog();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TZgnRec r = namedRecord(c.newCode, c.oldCode, c.before);
        ScriptedPrompter p;
        EXPECT_EQ(AdaptSlotsOnShow(r, c.schoolType, kat, p), c.warning ? R::AdaptedWithWarning : R::Adapted);
        EXPECT_EQ(followed(r), c.after);
        EXPECT_EQ(p.log().size(), c.warning ? 1u : 0u);
    }
}

TEST(SlotAdaptOnShow, SameCodeDoesNothing)
{
    TZgnRec r = numberedRecord(21, 21);
    r.AnlageFaecher = 5;
    ScriptedPrompter p;
    EXPECT_EQ(AdaptSlotsOnShow(r, SchoolType::Gymnasium, defaultFachKatalog(), p), SlotAdaptResult::Unchanged);
    EXPECT_EQ(slots1To18(r), unchanged18());
    EXPECT_EQ(r.AnlageFaecher, 21);
}

TEST(SlotAdaptOnShow, NewRecordAtGymnasiumGetsForm21WithoutMessage)
{
    TZgnRec r = numberedRecord(-1, -1);
    ScriptedPrompter p;
    EXPECT_EQ(AdaptSlotsOnShow(r, SchoolType::Gymnasium, defaultFachKatalog(), p), SlotAdaptResult::FirstLayout);
    EXPECT_EQ(slots1To18(r),
              (std::vector<std::string>{"Deutsch", "-", "-", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
                                        "Arbeit-Wirtschaft-Technik", "-", "Physik", "Chemie", "Biologie",
                                        "Astronomie", "Informatik", "Musik", "Kunst und Gestaltung", "Sport", "-"}));
    EXPECT_EQ(r.Anlage, 21);
    EXPECT_EQ(r.AnlageAlt, -1);
    EXPECT_EQ(r.AnlageFaecher, 21);
    EXPECT_TRUE(p.log().empty());
    EXPECT_EQ(summary(r.slot(19)), "F19");
}

TEST(SlotAdaptOnShow, UndecidedOldCodeAlsoGivesTheDefaultForm)
{
    for (const auto& [schoolType, annex] : std::vector<std::pair<int, int>>{
             {1, 3}, {2, 15}, {3, 27}, {4, 21}, {5, 5}, {6, 10}, {0, 15}, {7, 15}, {9, 15}}) {
        TZgnRec r = numberedRecord(8, -1);
        ScriptedPrompter p;
        EXPECT_EQ(AdaptSlotsOnShow(r, schoolTypeFromStored(schoolType), defaultFachKatalog(), p), SlotAdaptResult::FirstLayout);
        EXPECT_EQ(r.Anlage, annex) << schoolType;
        EXPECT_EQ(summary(r.slot(1)), "Deutsch");
    }
}

TEST(SlotOperations, MoveThroughBufferClearsOnlyUncoveredSources)
{
    TZgnRec r = numberedRecord(0, 0);
    MoveSlots(r, 3, 4, 6);
    EXPECT_EQ(slots1To18(r), (std::vector<std::string>{"F1", "F2", "-", "F3", "F4", "F5", "F6", "F7", "F8", "F10",
                                                       "F11", "F12", "F13", "F14", "F15", "F16", "F17", "F18"}));
    r = numberedRecord(0, 0);
    MoveSlots(r, 4, 3, 6);
    EXPECT_EQ(slots1To18(r), (std::vector<std::string>{"F1", "F2", "F4", "F5", "F6", "F7", "F8", "F9", "F9", "F10",
                                                       "F11", "F12", "F13", "F14", "F15", "F16", "F17", "F18"}));
    r = numberedRecord(0, 0);
    MoveSlots(r, 13, 15, 4);  // gap of two: slots 13 and 14 are cleared
    EXPECT_EQ(slots1To18(r), (std::vector<std::string>{"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10",
                                                       "F11", "F12", "-", "-", "F13", "F14", "F15", "F16"}));
}

TEST(SlotOperations, SetAndNameWithAndWithoutCatalogueSubject)
{
    const TFachKatalog kat = defaultFachKatalog();
    TZgnRec r = numberedRecord(0, 0);
    SetSlot(r, 9, 21, kat);   // no row 9 on form 21: unchanged
    SetSlot(r, 10, 21, kat);  // Physik, no grade
    NameSlot(r, 2, 21, kat);  // no subject: "???", grade and Hinweis stay
    NameSlot(r, 8, 21, kat);  // subject found: name, grade stays, Hinweis emptied
    SetSlot(r, 4, 130, kat);  // codes above 105 have no rows
    NameSlot(r, 5, 130, kat);
    EXPECT_EQ(summary(r.slot(9)), "F9");
    EXPECT_EQ(summary(r.slot(10)), "Physik");
    EXPECT_EQ(summary(r.slot(2)), "???" "/F2+h");
    EXPECT_EQ(summary(r.slot(8)), "Arbeit-Wirtschaft-Technik/F8");
    EXPECT_EQ(summary(r.slot(4)), "F4");
    EXPECT_EQ(summary(r.slot(5)), "???" "/F5+h");

    // A catalogue name longer than a slot is cut to 30 characters.
    TFachKatalog longName = kat;
    longName[43].FachName = "Gesellschaftswissenschaftliches Seminar";
    longName[43].Position[21] = 9;
    SetSlot(r, 9, 21, longName);
    EXPECT_EQ(r.slot(9).Fach, "Gesellschaftswissenschaftliche");
}

TEST(RebuildCanon, AsksWithTheWarningAndLaysOutTheFormOfTheLastShow)
{
    ScriptedPrompter p;
    p.answers = {false};
    EXPECT_FALSE(AskRebuildCanon(p));
    EXPECT_EQ(p.log(),
              std::vector{test::Shown::question(
                  "Sollen jetzt die Fächer lt. Zeugnisart (Anlage) neu belegt werden?\n\n(Beachten Sie unbedingt, dass "
                  "alle variablen Fächer,\ndie Noten, Anspruchsebenen usw. gelöscht werden!\nDie Verwendung dieser "
                  "Funktion wird nur empfohlen, wenn die Fächeranordnung\ndurch mehrfaches Wechseln der Zeugnisart "
                  "(Anlage) durcheinander gekommen ist!)\n",
                  MessageKind::Warning)});

    const TFachKatalog kat = defaultFachKatalog();
    // After the store: AnlageAlt = the code at show (10), Anlage = a new decision (13).
    TZgnRec r = numberedRecord(13, 10);
    RebuildCanon(r, SchoolType::Realschule, kat);
    EXPECT_EQ(r.Anlage, 10);
    EXPECT_EQ(r.AnlageFaecher, 10);
    const std::vector<std::string> form10{"Deutsch", "-", "-", "Mathematik", "Geschichte", "Geografie",
                                          "Sozialkunde", "Arbeit-Wirtschaft-Technik u. I", "-", "Physik",
                                          "Chemie", "Biologie", "Astronomie", "Musik", "Kunst und Gestaltung", "Sport",
                                          "-", "-"};
    EXPECT_EQ(slots1To18(r), form10);
    EXPECT_EQ(summary(r.slot(19)), "F19");

    // A record whose annex was 0 gets the school type's default form.
    r = numberedRecord(0, 0);
    RebuildCanon(r, SchoolType::RegionaleSchule, kat);
    EXPECT_EQ(r.Anlage, 15);
    EXPECT_EQ(slots1To18(r), form10);  // form 15 has the rows of form 10

    // The examination forms are laid out after form 21.
    r = numberedRecord(25, 25);
    RebuildCanon(r, SchoolType::RegionaleSchule, kat);
    EXPECT_EQ(r.Anlage, 25);
    EXPECT_EQ(r.AnlageFaecher, 21);
    EXPECT_EQ(summary(r.slot(14)), "Informatik");
}

} // namespace
} // namespace ruvek
