// The statement of the leaving and final certificates on the recording
// canvas: the lines per annex code, the pronoun struck by gender, the
// overall distinction, and slot 22 deciding page and visibility.
#include "LayoutTestSupport.h"

#include "common/Cp1252.h"
#include "layouts/StatementBlock.h"

#include <gtest/gtest.h>

using namespace ruvek;
using ruvek::test::LayoutBench;

namespace {

// Slots 22 to 27 on page 1, each on its own line.
LayoutBench statementBench()
{
    LayoutBench b;
    for (int s = 22; s <= 27; ++s)
        b.form[static_cast<std::size_t>(s)] =
            TFstSlot {130, static_cast<std::uint16_t>(1000 + 100 * (s - 22)), 0, 27, 1, 1};
    return b;
}

TZgnRec student(int weiblich, int praedikat = 0)
{
    TZgnRec r;
    r.Weiblich = weiblich;
    r.Praedikat = static_cast<std::int16_t>(praedikat);
    r.Jahrgang = "9";
    return r;
}

// The texts drawn, with the slot (by its Y) each stands at.
std::vector<std::pair<int, std::string>> drawn(LayoutBench& b, int annexCode, const TZgnRec& rec, int page = 1)
{
    StatementBlock(b.page(page), rec, annexCode);
    std::vector<std::pair<int, std::string>> out;
    for (const CanvasOp& op : b.canvas.ops(CanvasOpKind::TextOut))
        out.emplace_back(22 + (-op.y1 - test::kOrigin - 1000) / 100, op.text);
    return out;
}

using Lines = std::vector<std::pair<int, std::string>>;

TEST(StatementBlock, TextsPerAnnexCode)
{
    const std::string leaving =
        "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der";
    const std::string realschulExam =
        "hat erfolgreich an der Realschulabschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes";
    const std::string withDistinction = "mit dem Gesamtprädikat _____________________________________ erworben.";
    // A student without gender, so that the leaving statements strike nothing.
    const struct {
        int annexCode;
        Lines lines;
    } cases[] = {
        {7, {{22, leaving}, {24, "Jahrgangsstufe ____ der Hauptschule entlassen."}, {25, "9"}}},
        {12, {{22, leaving}, {24, "Jahrgangsstufe ____ der Realschule entlassen."}, {25, "9"}}},
        {17, {{22, leaving}, {24, "Jahrgangsstufe ____ der Regionalen Schule entlassen."}, {25, "9"}}},
        {28,
         {{22, "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden Schule aus "
               "der"},
          {24, "____ Jahrgangsstufe entlassen."},
          {25, "9"}}},
        {8,
         {{22, "hat erfolgreich am Unterricht der Jahrgangstufe 9 des Hauptschulbildungsganges teilgenommen"},
          {23, "und den"},
          {24, "Hauptschulabschluss"},
          {26, "erworben."}}},
        {9,
         {{22, "hat erfolgreich am Unterricht der Jahrgangstufe 10 des Hauptschulbildungsganges teilgenommen"},
          {23, "und den"},
          {24, "qualifizierten Hauptschulabschluss"},
          {26, "erworben."}}},
        {13,
         {{22, realschulExam},
          {23, "Kestland teilgenommen und den"},
          {24, "Realschulabschluss"},
          {26, withDistinction},
          {27, "  - - - - - "}}},
        {14,
         {{22, realschulExam},
          {23, "Kestland teilgenommen und den"},
          {24, "qualifizierten Realschulabschluss"},
          {26, withDistinction},
          {27, "  - - - - - "}}},
        {18,
         {{22, "hat erfolgreich am Unterricht der Jahrgangstufe 9 teilgenommen und die"},
          {24, "Berufsreife"},
          {26, "erworben."}}},
        {19,
         {{22, "hat erfolgreich am Unterricht der Jahrgangsstufe 9 und an einem Leistungsfeststellungsverfahren"},
          {23, "gemäß § 16 Abs. 3 des Schulgesetzes des Landes Kestland teilgenommen und die"},
          {24, "Berufsreife mit Leistungsfeststellung"},
          {26, withDistinction},
          {27, "  - - - - - "}}},
        {20,
         {{22, "hat erfolgreich an der Abschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes Kest-"},
          {23, "land teilgenommen und die"},
          {24, "Mittlere Reife"},
          {26, withDistinction},
          {27, "  - - - - - "}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.annexCode);
        LayoutBench b = statementBench();
        EXPECT_EQ(drawn(b, c.annexCode, student(-1)), c.lines);
    }
}

TEST(StatementBlock, LeavingStatementStrikesThePronounThatDoesNotApply)
{
    const struct {
        int weiblich;
        std::vector<std::string> struck;
    } cases[] = {{0, {"ihrer"}}, {1, {"seiner"}}, {-1, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.weiblich);
        for (const int annexCode : {7, 12, 17, 28}) {
            LayoutBench b = statementBench();
            // The strike stands on slot 23's base line: here, slot 22's.
            b.form[23].Y = b.form[22].Y;
            b.canvas.setWidthModel(test::ProportionalWidth);
            StatementBlock(b.page(), student(c.weiblich), annexCode);
            const std::string first = b.canvas.texts().front();
            EXPECT_EQ(test::StruckWords(b.canvas, first, {"seiner", "ihrer"}), c.struck) << annexCode;
        }
    }
    // A final certificate strikes nothing.
    LayoutBench b = statementBench();
    EXPECT_EQ(drawn(b, 8, student(0)).size(), 4u);
}

TEST(StatementBlock, DistinctionTextsByPraedikat)
{
    const char* expected[] = {
        "  - - - - - ", "sehr gut - mit Auszeichnung", "sehr gut", "gut", "befriedigend", "bestanden", "ausreichend",
        "  - - - - - "};
    for (int praedikat = 0; praedikat <= 7; ++praedikat) {
        SCOPED_TRACE(praedikat);
        EXPECT_STREQ(DistinctionText(praedikat), expected[praedikat]);
        LayoutBench b = statementBench();
        EXPECT_EQ(drawn(b, 19, student(1, praedikat)).back(), (std::pair<int, std::string> {27, expected[praedikat]}));
    }
    EXPECT_STREQ(DistinctionText(-1), "  - - - - - ");
}

TEST(StatementBlock, SlotTwentyTwoDecidesVisibilityAndPage)
{
    LayoutBench hidden = statementBench();
    hidden.form[22].Visible = 0;
    EXPECT_TRUE(drawn(hidden, 20, student(1)).empty());

    // The other lines name page 2, slot 22 page 1: all are drawn on page 1.
    LayoutBench b = statementBench();
    for (int s = 23; s <= 27; ++s)
        b.form[static_cast<std::size_t>(s)].Page = 2;
    EXPECT_EQ(drawn(b, 20, student(1)).size(), 5u);
    EXPECT_TRUE(drawn(b, 20, student(1), 2).empty());
}

} // namespace
