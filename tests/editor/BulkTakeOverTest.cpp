// Handing head data and subject names on to the following students.
#include "editor/BulkTakeOver.h"

#include "classfile/StudentRecord.h"
#include "grades/Annex.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <map>

using namespace ruvek;
using namespace ruvek::editor;
using namespace ruvek::test;

namespace {

TZgnRec student(const std::string& name, std::int16_t status = 1, int anlage = 21)
{
    TZgnRec r{};
    r.Status = status;
    r.Name = name;
    r.ZgnTyp = 1;
    r.Klassenstufe = 7;
    r.SjBeginn = "2010";
    r.Klasse = "7a";
    r.Anlage = r.AnlageAlt = r.AnlageFaecher = anlage;
    for (auto& s : r.Faecher)
        s = emptySlot();
    return r;
}

OpenClass classOf(std::vector<TZgnRec> records, int current = 0)
{
    OpenClass oc(SchoolType::Gymnasium, {}, RandomSource{1});
    oc.records = std::move(records);
    oc.current = current;
    return oc;
}

HeadValue indexValue(int index)
{
    HeadValue v;
    v.index = index;
    return v;
}

HeadValue textValue(std::string text, std::string text2 = {})
{
    HeadValue v;
    v.text = std::move(text);
    v.text2 = std::move(text2);
    return v;
}

// Anna, Ben (deleted), Carl, an unnamed record, Dora.
OpenClass annaToDora()
{
    return classOf({student("Anna"), student("Ben", 0), student("Carl"), student("???"), student("Dora")});
}

} // namespace

TEST(HeadTakeOver, ReachesTheFollowingStudentsAfterOneQuestion)
{
    OpenClass oc = annaToDora();
    ScriptedPrompter p;
    p.answers = {true};
    const HeadValue value{.text = "2011", .text2 = "5a-lang", .checked = true};
    const auto r = takeOverHead(oc, HeadButton::SchuljahrKlasse, value, defaultFachKatalog(), p);
    EXPECT_TRUE(r.done);
    EXPECT_EQ(r.changed, 1u);
    EXPECT_EQ(p.log(), std::vector<Shown>{Shown::question(
                           "Schuljahr und Klasse werden bei 1 folgenden Schüler übernommen.\n"
                           "Das kann mit Bearbeiten → Rückgängig wieder rückgängig gemacht werden.\n\nFortfahren?")});
    std::vector<std::string> written;
    for (const auto& rec : oc.records)
        if (rec.SjBeginn == "2011" && rec.Klasse == "5a-la" && rec.Halbjahr1 == 1)
            written.push_back(rec.Name.str());
    EXPECT_EQ(written, (std::vector<std::string>{"Anna", "Carl"}));
    EXPECT_TRUE(oc.changed);
}

TEST(HeadTakeOver, RecommendationHasNoStop)
{
    OpenClass oc = annaToDora();
    ScriptedPrompter p;
    p.answers = {true};
    takeOverHead(oc, HeadButton::Empfehlung, indexValue(2), defaultFachKatalog(), p);
    std::vector<std::string> written;
    for (const auto& rec : oc.records)
        if (rec.Empfehlung == 2)
            written.push_back(rec.Name.str());
    EXPECT_EQ(written, (std::vector<std::string>{"Anna", "Carl", "???", "Dora"}));
    EXPECT_EQ(p.last().text.substr(0, 52), "Die Schullaufbahnempfehlung wird bei 3 folgenden Sch");
}

TEST(HeadTakeOver, NoChangesNothingAndAloneAsksNothing)
{
    OpenClass oc = annaToDora();
    ScriptedPrompter p;
    p.answers = {false};
    EXPECT_FALSE(takeOverHead(oc, HeadButton::Klassenlehrer, textValue("Mey"), defaultFachKatalog(), p).done);
    for (const auto& rec : oc.records)
        EXPECT_EQ(rec.KlLehrer, "");
    EXPECT_FALSE(oc.changed);

    // Only the current record reached: written without a question; the
    // date is cut to 10 characters.
    OpenClass alone = classOf({student("Anna"), student("???")});
    EXPECT_TRUE(takeOverHead(alone, HeadButton::ZeugnisOrtDatum, textValue("Rostock", "01.02.2011 x"),
                             defaultFachKatalog(), p)
                    .done);
    EXPECT_EQ(alone.records[0].ZgnDatum, "01.02.2011");
    EXPECT_EQ(alone.records[0].ZgnOrt, "Rostock");
    EXPECT_EQ(p.questions().size(), 1u);
}

TEST(HeadTakeOver, ReachedRecordsGetTheirAnnexUpToDate)
{
    // The certificate type becomes the intermediate certificate (121 at the
    // Gymnasium): the following records are on its form at once, as if each
    // had been stored and shown; the current one is left to the form.
    OpenClass oc = classOf({student("Anna"), student("Carl"), student("Dora")});
    ScriptedPrompter p;
    p.answers = {true};
    takeOverHead(oc, HeadButton::Zeugnistyp, indexValue(7), defaultFachKatalog(), p);
    EXPECT_EQ(oc.records[0].Anlage, 21);
    for (std::size_t i : {1u, 2u}) {
        const TZgnRec& r = oc.records[i];
        EXPECT_EQ(r.ZgnTyp, 7);
        EXPECT_EQ(r.Anlage, 121);
        EXPECT_EQ(r.AnlageAlt, 121); // laid out: the next show moves nothing
    }
    // Each message at most once for the whole class.
    std::map<std::string, int> seen;
    for (const auto& s : p.log())
        EXPECT_EQ(++seen[s.text], 1) << s.text;

    // Fields the annex does not depend on leave annex and slots alone.
    OpenClass stale = classOf({student("Anna"), student("Carl", 1, -1)});
    p.answers = {true};
    takeOverHead(stale, HeadButton::Klassenlehrer, textValue("Mey"), defaultFachKatalog(), p);
    EXPECT_EQ(stale.records[1].Anlage, -1);
    EXPECT_EQ(stale.records[1].KlLehrer, "Mey");
}

TEST(SubjectTakeOver, SlotTables)
{
    using C = SubjectCommand;
    using S = std::optional<PositionSlots>;
    const auto one = [](int k) { return S(PositionSlots{k, 0, 0, 0, 0, 0}); };
    const S none;
    struct Case {
        C command;
        int annex;
        bool reading;
        S expected;
    };
    const std::vector<Case> table = {
        {C::Fremdsprache1, 3, true, one(9)},   {C::Fremdsprache1, 4, false, one(9)},
        {C::Fremdsprache1, 5, true, one(2)},   {C::Fremdsprache1, 5, false, none},
        {C::Fremdsprache1, 23, true, none},    {C::Fremdsprache1, 23, false, one(2)},
        {C::Fremdsprache1, 26, true, one(2)},  {C::Fremdsprache1, 26, false, none},
        {C::Fremdsprache1, 18, false, none},   {C::Fremdsprache1, 30, true, none},
        {C::Fremdsprache2, 5, true, none},     {C::Fremdsprache2, 10, true, one(3)},
        {C::Fremdsprache2, 18, false, none},   {C::Fremdsprache2, 29, false, one(3)},
        {C::Religion, -1, true, none},         {C::Religion, 2, true, none},
        {C::Religion, 3, true, one(4)},        {C::Religion, 9, true, one(8)},
        {C::Religion, 18, false, one(8)},      {C::Religion, 23, true, one(10)},
        {C::Religion, 26, true, one(6)},       {C::Religion, 21, false, one(9)},
        {C::Religion, 104, true, none},        {C::ZusatzFach, 4, true, none},
        {C::ZusatzFach, 13, true, one(16)},    {C::ZusatzFach, 20, false, one(16)},
        {C::ZusatzFach, 27, true, one(18)},    {C::ZusatzFach, 24, true, none},
        {C::ZusatzFach, 26, true, one(14)},    {C::ZusatzFach, 5, false, one(17)},
        {C::ZusatzFach, 29, true, one(17)},    {C::ZusatzFach, 30, true, none},
        {C::Wahlpflicht1, 8, true, PositionSlots{19, 20, 21, 0, 0, 0}},
        {C::Wahlpflicht1, 5, true, PositionSlots{19, 22, 0, 0, 0, 0}},
        {C::Wahlpflicht2, 28, false, PositionSlots{22, 23, 24, 0, 0, 0}},
        {C::Wahlpflicht2, 10, false, PositionSlots{20, 23, 0, 0, 0, 0}},
        {C::Wahlpflicht12, 19, true, PositionSlots{19, 20, 21, 22, 23, 24}},
        {C::Wahlpflicht12, 21, true, PositionSlots{19, 22, 0, 20, 23, 0}},
        {C::Wahlpflicht12, 26, true, none},    {C::Wahlpflicht1, 4, true, none},
    };
    for (const auto& c : table)
        EXPECT_EQ(subjectSlots(c.command, c.annex, c.reading), c.expected)
            << static_cast<int>(c.command) << " annex " << c.annex << (c.reading ? " read" : " write");
}

TEST(SubjectTakeOver, FirstLanguageGoesIntoEachRecordsOwnSlot)
{
    TZgnRec cur = student("Anna", 1, 3);
    cur.slot(9).Fach = "Englisch";
    OpenClass oc = classOf({cur, student("Ben", 1, 10), student("Carl", 1, 5), student("Dora", 0, 10),
                            student("Emil", 1, 4), student("???", 1, 10), student("Fritz", 1, 10)});
    ScriptedPrompter p;
    p.answers = {true};
    const auto r = takeOverSubjects(oc, SubjectCommand::Fremdsprache1, p);
    EXPECT_EQ(r.changed, 2u);
    EXPECT_EQ(p.log(), std::vector<Shown>{Shown::question(
                           "Die 1. Fremdsprache wird bei 2 folgenden Schülern übernommen.\n"
                           "Das kann mit Bearbeiten → Rückgängig wieder rückgängig gemacht werden.\n\nFortfahren?")});
    EXPECT_EQ(oc.records[1].slot(2).Fach, "Englisch");
    EXPECT_EQ(oc.records[2].slot(2).Fach, "???"); // annex 5 has no slot for it
    EXPECT_EQ(oc.records[3].slot(2).Fach, "???"); // deleted
    EXPECT_EQ(oc.records[4].slot(9).Fach, "Englisch");
    EXPECT_EQ(oc.records[6].slot(2).Fach, "???"); // behind the end of the class
    EXPECT_EQ(oc.current, 0);
    EXPECT_TRUE(oc.changed);
}

TEST(SubjectTakeOver, ErrorsAndUnsetNames)
{
    ScriptedPrompter p;
    OpenClass oc = classOf({student("Anna", 1, 5), student("Ben", 1, 10)});
    EXPECT_TRUE(takeOverSubjects(oc, SubjectCommand::Fremdsprache2, p).error);
    EXPECT_FALSE(oc.changed);
    oc.records[0].Anlage = 26;
    EXPECT_TRUE(takeOverSubjects(oc, SubjectCommand::Wahlpflicht1, p).error);
    EXPECT_EQ(p.log(), (std::vector<Shown>{Shown::error(kMsgNoSuchSubject), Shown::error(kMsgNoElectives)}));
    EXPECT_TRUE(oc.changed); // the elective commands mark the class changed all the same

    // A slot without a subject ("???") hands nothing on and asks nothing.
    p.clearLog();
    OpenClass unset = classOf({student("Anna", 1, 10), student("Ben", 1, 10)});
    EXPECT_FALSE(takeOverSubjects(unset, SubjectCommand::Religion, p).done);
    EXPECT_TRUE(p.log().empty());
    EXPECT_FALSE(unset.changed);
}

TEST(SubjectTakeOver, ElectivesByPosition)
{
    const auto electives = [](const TZgnRec& r) {
        std::vector<std::string> w;
        for (int k = 19; k <= 24; ++k)
            w.push_back(r.slot(k).Fach.str());
        return w;
    };
    ScriptedPrompter p;

    // Same layout: every slot gets the name of the same slot.
    TZgnRec three = student("Anna", 1, 8);
    for (int k = 19; k <= 24; ++k)
        three.slot(k).Fach = "W" + std::to_string(k - 18);
    OpenClass same = classOf({three, student("Ben", 1, 8)});
    p.answers = {true};
    takeOverSubjects(same, SubjectCommand::Wahlpflicht12, p);
    EXPECT_EQ(electives(same.records[1]), electives(three));

    // Two per half-year (W1, W4) into three per half-year (W1..W3): the
    // third position was not read and hands on an empty name.
    TZgnRec two = student("Anna", 1, 10);
    two.slot(19).Fach = "Info";
    two.slot(22).Fach = "Kunst";
    OpenClass mixed = classOf({two, student("Ben", 1, 8)});
    p.answers = {true};
    takeOverSubjects(mixed, SubjectCommand::Wahlpflicht1, p);
    EXPECT_EQ(electives(mixed.records[1]), (std::vector<std::string>{"Info", "Kunst", "", "???", "???", "???"}));

    // Both half-years from two per half-year: the positions not read are "???".
    OpenClass both = classOf({two, student("Ben", 1, 8)});
    p.answers = {true};
    takeOverSubjects(both, SubjectCommand::Wahlpflicht12, p);
    EXPECT_EQ(electives(both.records[1]), (std::vector<std::string>{"Info", "Kunst", "???", "???", "???", "???"}));
}
