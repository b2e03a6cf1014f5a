// The row kinds of the five secondary subject-table builds.
#include "LayoutTestSupport.h"

#include "common/Cp1252.h"
#include "layouts/SubjectTableSecondary.h"
#include "print/PrintFonts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ruvek;
using ruvek::test::kOrigin;
using ruvek::test::LayoutBench;

namespace {

// Two columns on page 1: left names at 130, right names at 1000.
void tableSlots(LayoutBench& b)
{
    b.form[32] = TFstSlot{130, 430, 0, 17, 1, 1};
    b.form[33] = TFstSlot{0, 0, 0, 11, 1, 0};
    b.form[34] = TFstSlot{610, 0, 1, 2, 1, 1};
    b.form[35] = TFstSlot{790, 0, 0, 11, 1, 1};
    b.form[36] = TFstSlot{870, 0, 0, 0, 1, 0};
    b.form[37] = TFstSlot{0, 0, 0, 15, 1, 0};
    b.form[38] = TFstSlot{1480, 0, 1, 2, 1, 1};
    b.form[39] = TFstSlot{1650, 0, 0, 11, 1, 1};
    b.form[40] = TFstSlot{0, 100, 0, 0, 1, 0};
}

TZgnRec emptyRecord()
{
    TZgnRec rec;
    for (int k = 1; k <= 25; ++k) {
        rec.slot(k).Fach = "Sport";
        rec.slot(k).Note = "-";
        rec.slot(k).Niveau = "-";
    }
    return rec;
}

bool has(const std::vector<std::string>& texts, const std::string& t)
{
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

struct Drawn {
    std::vector<std::string> texts;
    CanvasOp op; // the text op of the subject under test
    std::size_t lines = 0;
};

Drawn draw(SecondaryBuild build, int annexCode, SecondaryTableShape shape, TZgnRec rec, const std::string& subject,
           bool lastOp = true)
{
    LayoutBench b;
    tableSlots(b);
    PageContext& ctx = b.page();
    SubjectTableSecondary(ctx, rec, build, annexCode, shape, false);
    // The first or the last op of the subject (the right column is drawn after the left).
    CanvasOp op = b.textOp(subject);
    for (const CanvasOp& o : b.canvas.ops(CanvasOpKind::TextOut))
        if (lastOp && o.text == subject)
            op = o;
    return {b.texts(), op, b.canvas.count(CanvasOpKind::LineTo)};
}

TEST(SubjectTableSecondary, RegionalLevelMarksOnRowTwoAndLevelSubjects)
{
    struct Case {
        const char* niveau;
        const char* mark;
    };
    for (const Case& c : {Case{"R", "(M)*"}, Case{"b", "(B)*"}}) {
        TZgnRec rec = emptyRecord();
        rec.slot(2).Fach = "Englisch";
        rec.slot(2).Niveau = c.niveau;
        const Drawn d = draw(SecondaryBuild::RegionaleSchule, 15, {9, 8, true}, rec, c.mark, false);
        EXPECT_TRUE(has(d.texts, c.mark)) << c.niveau;
        // Right-aligned 16 mm left of the grade centre of row 2, in the grade font.
        EXPECT_EQ(d.op.x1, 130 + 610 - 160 + kOrigin);
        EXPECT_EQ(d.op.y1, -(430 + 100 + kOrigin));
        EXPECT_EQ(d.op.font, PrintFontSpec(2, false));
    }
    // A level subject without a level letter (or one the school has not) gets no mark.
    for (const char* niveau : {"-", "G"}) {
        TZgnRec rec = emptyRecord();
        rec.slot(2).Fach = "Englisch";
        rec.slot(2).Niveau = niveau;
        rec.slot(4).Fach = "Mathematik";
        rec.slot(4).Niveau = niveau;
        const auto texts = draw(SecondaryBuild::RegionaleSchule, 15, {9, 8, true}, rec, "").texts;
        EXPECT_FALSE(has(texts, "(-)*")) << niveau;
        EXPECT_FALSE(has(texts, "(G)*")) << niveau;
    }
    // Without level marks asked for, none; and the comprehensive letters elsewhere.
    TZgnRec rec = emptyRecord();
    rec.slot(4).Fach = "Mathematik";
    rec.slot(4).Niveau = "R";
    EXPECT_FALSE(has(draw(SecondaryBuild::RegionaleSchule, 15, {9, 8, false}, rec, "").texts, "(M)*"));
    EXPECT_TRUE(has(draw(SecondaryBuild::Gesamtschule, 27, {9, 9, true}, rec, "").texts, "(E)*"));
}

TEST(SubjectTableSecondary, RightColumnReligionByBuild)
{
    struct Case {
        SecondaryBuild build;
        int annexCode;
        int slot; // where "evangelische Religion" stands
        bool religionRow;
    };
    const Case cases[] = {
        {SecondaryBuild::RegionaleSchule, 15, 12, true},
        {SecondaryBuild::Hauptschule, 5, 12, true},
        {SecondaryBuild::Realschule, 10, 12, false},  // never in the right column
        {SecondaryBuild::Gymnasium, 21, 10, false},   // row 1 only on leaving / examination forms
        {SecondaryBuild::Gymnasium, 23, 10, true},
        {SecondaryBuild::Gymnasium, 23, 11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.annexCode * 100 + c.slot);
        TZgnRec rec = emptyRecord();
        rec.slot(c.slot).Fach = "evangelische Religion";
        // The labels of a religion row in the right column start at its names.
        const Drawn d = draw(c.build, c.annexCode, {9, 8, false}, rec, "ev. / kath. Religion /");
        EXPECT_EQ(d.op.x1 == 130 + 870 + kOrigin, c.religionRow);
        EXPECT_EQ(has(d.texts, "evangelische Religion"), !c.religionRow);
    }
}

TEST(SubjectTableSecondary, RealschuleReligionInAnOpenRowIsAnOpenRow)
{
    TZgnRec rec = emptyRecord();
    rec.slot(17).Fach = "evangelische Religion"; // right row 8
    const Drawn d = draw(SecondaryBuild::Realschule, 10, {9, 8, false}, rec, "evangelische Religion");
    EXPECT_EQ(d.op.font, PrintFontSpec(11, false)); // the open-field font of slot 33
    EXPECT_EQ(d.op.x1, 130 + 870 + kOrigin);
}

TEST(SubjectTableSecondary, ForeignLanguageRowsAndBareNames)
{
    TZgnRec rec = emptyRecord();
    rec.slot(2).Fach = "Englisch";
    rec.slot(3).Fach = "???";
    // Hauptschule: only one foreign language; row 3 is a placeholder.
    Drawn d = draw(SecondaryBuild::Hauptschule, 5, {8, 8, false}, rec, "");
    EXPECT_TRUE(has(d.texts, "1. Fremdsprache"));
    EXPECT_FALSE(has(d.texts, "2. Fremdsprache"));
    EXPECT_TRUE(has(d.texts, "  - - -"));
    // Classes 5 and 6 of the Integrierte Gesamtschule: names as they are.
    d = draw(SecondaryBuild::Gesamtschule, 26, {6, 5, false}, rec, "???");
    EXPECT_FALSE(has(d.texts, "1. Fremdsprache"));
    EXPECT_FALSE(has(d.texts, "  - - -"));
    EXPECT_EQ(d.op.font, PrintFontSpec(17, false));
    // Regionale Schule Berufsreife certificate: no second foreign language.
    d = draw(SecondaryBuild::RegionaleSchule, 18, {9, 8, false}, rec, "");
    EXPECT_FALSE(has(d.texts, "2. Fremdsprache"));
}

TEST(SubjectTableSecondary, GymnasiumRightColumnHasNoPlaceholders)
{
    TZgnRec rec = emptyRecord();
    rec.slot(11).Fach = "???";
    rec.slot(12).Fach = "  - - -";
    const Drawn d = draw(SecondaryBuild::Gymnasium, 21, {9, 9, false}, rec, "???");
    EXPECT_TRUE(has(d.texts, "???"));
    EXPECT_EQ(d.op.x1, 130 + 870 + kOrigin);
    EXPECT_TRUE(has(d.texts, "  - - -"));
}

TEST(SubjectTableSecondary, TwoLineLabelOnlyForTheCatalogueName)
{
    struct Case {
        SecondaryBuild build;
        const char* fach;
        bool twoLines;
    };
    const Case cases[] = {
        {SecondaryBuild::Hauptschule, "Arbeit-Wirtschaft-Technik", true},
        {SecondaryBuild::RegionaleSchule, "Arbeit-Wirtschaft-Technik u. Informatik", true},
        {SecondaryBuild::Hauptschule, "", false}, // an empty slot is no abbreviation
        {SecondaryBuild::Gymnasium, "Arbeit-Wirtschaft-Technik", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fach);
        TZgnRec rec = emptyRecord();
        rec.slot(5).Fach = c.fach;
        rec.slot(5).Note = "2";
        const Drawn d = draw(c.build, 5, {8, 8, false}, rec, "und Informatik");
        EXPECT_EQ(has(d.texts, "und Informatik"), c.twoLines);
        if (c.twoLines) { // 0.1 row below the base line of row 5
            EXPECT_EQ(d.op.y1, -(430 + 400 + 10 + kOrigin));
        }
    }
}

} // namespace
