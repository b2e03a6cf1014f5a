// The standard remark phrases and how their sentences enter the remarks.
#include "editor/RemarkPhrases.h"

#include <gtest/gtest.h>

#include <optional>

using namespace ruvek;
using namespace ruvek::editor;

namespace {
TZgnRec pupil(int klassenstufe, int abschlArt = 0)
{
    TZgnRec r{};
    r.Vorname = "J\xF6rg"; // "Jörg" in Windows-1252
    r.Klassenstufe = static_cast<std::int16_t>(klassenstufe);
    r.AbschlArt = static_cast<std::int16_t>(abschlArt);
    return r;
}
} // namespace

TEST(RemarkPhrases, EverySentence)
{
    const std::string berufsreife = "Jörg hat einen der Berufsreife gleichwertigen Abschluss erreicht.";
    const std::string mittlere = "Jörg hat einen der Mittleren Reife gleichwertigen Abschluss erreicht.";
    struct Case {
        int index;
        int level;
        int abschlArt;
        PhraseSentence expected;
    };
    const std::vector<Case> table = {
        {0, 5, 0, {""}},
        {1, 5, 0, {"versetzt"}},
        {2, 1, 0, {"steigt auf in Klasse 2"}},
        {2, 2, 0, {"versetzt in Klasse 3"}},
        {2, 9, 0, {"versetzt in Klasse 10"}},
        {2, 10, 0, {""}},
        {2, 0, 0, {""}},
        {3, 5, 0, {"nicht versetzt"}},
        {4, 5, 0, {"Jörg nahm am Betriebspraktikum teil."}},
        {5, 5, 0, {"Am Betriebspraktikum nahm Jörg teil."}},
        {6, 5, 0,
         {"Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, der zur "
          "allgemeinen Hochschulreife führt."}},
        {7, 5, 0,
         {"Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, der zur "
          "Berufsreife und zur mittleren Reife führt."}},
        {8, 5, 0, {""}},
        {9, 2, 0, {"Durch Konferenzbeschluss vom ??.??.20?? nach Klasse 3 versetzt."}},
        {9, 9, 0, {"Durch Konferenzbeschluss vom ??.??.20?? nach Klasse 10 versetzt."}},
        {9, 0, 0, {"Durch Konferenzbeschluss vom ??.??.20?? nach Klasse ?? versetzt."}},
        {9, 1, 0, {"Durch Konferenzbeschluss vom ??.??.20?? nach Klasse ?? versetzt."}},
        {10, 9, 1, {berufsreife}},
        {10, 10, 1, {berufsreife}},
        {10, 8, 1, {berufsreife, kMsgCheckBerufsreife}},
        {10, 10, 2, {mittlere}},
        {10, 9, 2, {mittlere, kMsgCheckMittlereReife}},
        {10, 10, 0, {"Jörg hat einen dem ??abschluss gleichwertigen Abschluss erreicht."}},
        {11, 6, 0, {"Jörg ist endgültig in die Jahrgangsstufe 7 versetzt worden."}},
        {12, 6, 0, {"Jörg hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium."}},
        {13, 6, 0, {"Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung."}},
        {14, 6, 0, {"Bei Jörg wurde eine Legasthenie förmlich anerkannt."}},
        {15, 6, 0, {"Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen."}},
    };
    for (const auto& c : table) {
        const PhraseSentence s = RemarkPhraseSentence(c.index, pupil(c.level, c.abschlArt));
        EXPECT_EQ(s.sentence, c.expected.sentence) << c.index << " level " << c.level;
        EXPECT_EQ(s.warning, c.expected.warning) << c.index << " level " << c.level;
    }
    EXPECT_EQ(RemarkPhraseEntries()[2], std::string("versetzt in Klasse %%"));
    EXPECT_EQ(RemarkPhraseEntries()[8], std::string(""));
}

TEST(RemarkPhrases, InsertionRule)
{
    const std::string mark = "  - - - - -";
    struct Case {
        std::string before;
        std::string sentence;
        std::string after;
    };
    const std::vector<Case> table = {
        {mark, "versetzt", "versetzt"},
        {"versetzt", "nicht versetzt", "versetzt\nnicht versetzt"},
        {"", "versetzt", "versetzt"},
        {mark + "\nzweite", "neu", "neu\nzweite"},
        {"erste\n" + mark, "neu", "erste\nneu"},
        {"erste\nzweite\n", "neu", "erste\nzweite\nneu"},
        {"erste", "", "erste"},
    };
    for (const auto& c : table)
        EXPECT_EQ(AddPhraseToRemarks(c.before, c.sentence), c.after) << c.before;
}
