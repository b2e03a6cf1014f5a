// The transfer-examination tables: which subjects count as examined, the
// two errors, the admission table's grade texts and its two-line row, and
// the statement that follows Bestanden.
#include "LayoutTestSupport.h"

#include "common/Cp1252.h"
#include "layouts/ExamTables.h"
#include "layouts/LayoutGymnasiumAbschluss.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ruvek;
using ruvek::test::LayoutBench;

namespace {

TZgnRec examStudent(const char* year, const char* prFach)
{
    TZgnRec r;
    r.SjBeginn = year;
    r.PrFach = prFach;
    r.UePruefung = 1;
    const char* names[18] = {"Deutsch",  "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie",
                             "Sozialkunde", "Informatik", "katholische Religion", "Physik", "Chemie", "Biologie",
                             "Musik", "Kunst und Gestaltung", "Sport", "Latein", "Astronomie", "  - - -"};
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = k <= 18 ? utf8ToCp1252(names[k - 1]) : "???";
        r.slot(k).Note = "2";
    }
    return r;
}

bool has(const std::vector<std::string>& texts, const std::string& t)
{
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

TEST(ExamSubjects, MarksAndErrorsBySchoolTypeAndYear)
{
    struct Case {
        const char* name;
        const char* year;
        const char* prFach;
        SchoolType type;
        int removeSlot; // a subject slot renamed away, 0: none
        int deutsch, mathematik, language, fourth;
        ExamSubjectError error;
    };
    using E = ExamSubjectError;
    using T = SchoolType;
    const Case cases[] = {
        {"Gymnasium from 2006", "2026", "???", T::Gymnasium, 0, 1, 4, 2, 0, E::None},
        {"Gesamtschule, Deutsch missing", "2026", "???", T::IntegrierteGesamtschule, 1, 0, 4, 2, 0, E::None},
        {"Mathematik missing", "2026", "???", T::Gymnasium, 4, 1, 0, 2, 0, E::None},
        {"from 2006 the 4th subject does not count", "2006", "Bio", T::Gymnasium, 0, 1, 4, 2, 0, E::None},
        {"Hauptschule: no language", "2026", "???", T::Hauptschule, 0, 1, 4, 0, 0, E::ForeignLanguage},
        {"before 2006 with the 4th subject", "2005", "Bio", T::Gymnasium, 0, 1, 4, 2, 12, E::None},
        {"before 2006, 4th subject not among the subjects", "2005", "Bio", T::Gymnasium, 12, 1, 4, 2, 0,
         E::ForeignLanguageOrFourth},
        {"before 2006, unknown short name", "2005", "Xy", T::Gymnasium, 0, 1, 4, 2, 0, E::ForeignLanguageOrFourth},
        {"before 2006, Realschule", "2005", "Bio", T::Realschule, 0, 1, 4, 0, 12, E::ForeignLanguageOrFourth},
    };
    const TFachKatalog katalog = defaultFachKatalog();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TZgnRec rec = examStudent(c.year, c.prFach);
        if (c.removeSlot)
            rec.slot(c.removeSlot).Fach = "Werken";
        const ExamSubjects exam = FindExamSubjects(rec, katalog, c.type);
        EXPECT_EQ(exam.deutsch, c.deutsch);
        EXPECT_EQ(exam.mathematik, c.mathematik);
        EXPECT_EQ(exam.foreignLanguage, c.language);
        EXPECT_EQ(exam.fourthSubject, c.fourth);
        EXPECT_EQ(exam.error, c.error);
        for (int k = 1; k <= 18; ++k) {
            const ExamMark expected = k == c.fourth ? ExamMark::FourthSubject
                                      : (k == c.deutsch || k == c.mathematik || k == c.language) ? ExamMark::Examined
                                                                                                  : ExamMark::Ordinary;
            EXPECT_EQ(exam.mark(k), expected) << "slot " << k;
        }
    }
    EXPECT_EQ(ExamSubjectsMessage(E::ForeignLanguage),
              "Fehler beim Ermitteln der Prüfungsfremdsprache!!!\n"
              "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!");
    EXPECT_EQ(ExamSubjectsMessage(E::ForeignLanguageOrFourth),
              "Fehler beim Ermitteln der Prüfungsfremdsprache oder des 4. Prüfungsfachs!!!\n"
              "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!");
    EXPECT_EQ(ExamSubjectsMessage(E::None), "");
}

TEST(ExamSubjects, LastSubjectOfTheNameWins)
{
    TZgnRec rec = examStudent("2026", "???");
    rec.slot(16).Fach = "Deutsch";
    EXPECT_EQ(FindExamSubjects(rec, defaultFachKatalog(), SchoolType::Gymnasium).deutsch, 16);
}

class ExamTableDrawing : public testing::Test {
protected:
    LayoutBench bench;
    void SetUp() override
    {
        bench.form[76] = TFstSlot{130, 1000, 0, 17, 1, 1};
        bench.form[78] = TFstSlot{610, 0, 1, 2, 1, 1};
        bench.form[79] = TFstSlot{790, 0, 0, 11, 1, 1};
        bench.form[80] = TFstSlot{870, 0, 0, 0, 1, 0};
        bench.form[82] = TFstSlot{1480, 0, 1, 2, 1, 1};
        bench.form[83] = TFstSlot{1650, 0, 0, 11, 1, 1};
        bench.form[84] = TFstSlot{0, 95, 0, 0, 1, 0};
        bench.form[32] = TFstSlot{130, 1300, 0, 17, 1, 1};
        bench.form[34] = TFstSlot{610, 0, 1, 2, 1, 1};
        bench.form[36] = TFstSlot{870, 0, 0, 0, 1, 0};
        bench.form[38] = TFstSlot{1480, 0, 1, 2, 1, 1};
        bench.form[40] = TFstSlot{0, 85, 0, 0, 1, 0};
    }
};

TEST_F(ExamTableDrawing, RightColumnOnlyWhenTheSubjectsAreKnown)
{
    struct Case {
        const char* year;
        const char* prFach;
        SchoolType type;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {"2026", "???", SchoolType::Gymnasium, {"Deutsch", "Mathematik", "Englisch", "1. Fremdsprache"}, {"4. Prüfungsfach"}},
        {"2005", "Bio", SchoolType::Gymnasium, {"Englisch", "Biologie", "4. Prüfungsfach"}, {}},
        {"2026", "???", SchoolType::Hauptschule, {"Deutsch", "Mathematik"}, {"Englisch", "1. Fremdsprache"}},
        {"2005", "Xy", SchoolType::Gymnasium, {"Deutsch"}, {"Englisch", "1. Fremdsprache", "4. Prüfungsfach"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.year) + " " + c.prFach);
        const TZgnRec rec = examStudent(c.year, c.prFach);
        PageContext& ctx = bench.page();
        ExamSubjectTable(ctx, rec, FindExamSubjects(rec, ctx.katalog(), c.type), true);
        for (const std::string& t : c.present)
            EXPECT_TRUE(has(bench.texts(), t)) << t;
        for (const std::string& t : c.absent)
            EXPECT_FALSE(has(bench.texts(), t)) << t;
    }
}

TEST_F(ExamTableDrawing, AdmissionGradesOfExaminedSubjects)
{
    TZgnRec rec = examStudent("2005", "Ma");
    rec.slot(3).Fach = "Deutsch";  // left row 1 holds an examined subject
    rec.slot(3).Note = "1";
    rec.slot(7).Note = "4";        // left row 5: an ordinary subject, in words
    rec.slot(16).Fach = "Mathematik"; // left row 3 at a Gymnasium: the fourth subject
    PageContext& ctx = bench.page();
    const ExamSubjects exam = FindExamSubjects(rec, ctx.katalog(), SchoolType::Gymnasium);
    ASSERT_EQ(exam.fourthSubject, 16);
    AdmissionSubjectTable(ctx, rec, exam, true);
    const auto gradeAt = [&](int y) {
        for (const CanvasOp& op : bench.canvas.ops(CanvasOpKind::TextOut))
            if (op.x1 == ruvek::test::kOrigin + 130 + 610 && op.y1 == -(y + ruvek::test::kOrigin))
                return op.text;
        return std::string("(none)");
    };
    EXPECT_EQ(gradeAt(1300), "---");
    EXPECT_EQ(gradeAt(1300 + 2 * 85), "siehe 4. Prüfungsfach");
    EXPECT_EQ(gradeAt(1300 + 4 * 85), "ausreichend");
    EXPECT_FALSE(has(bench.texts(), "2. Fremdsprache")) << "Deutsch is no foreign language";
}

TEST_F(ExamTableDrawing, TwoLineTechnicsNameOnlyForTheLongName)
{
    const TFachKatalog katalog = defaultFachKatalog();
    struct Case {
        const char* name;
        bool twoLines;
    };
    const Case cases[] = {{"Arbeit-Wirtschaft-Technik u. Informatik", true},
                          {"Arbeit-Wirtschaft-Technik", false},
                          {"Informatik", false},
                          {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsTwoLineTechnicsName(katalog, c.name), c.twoLines);
        TZgnRec rec = examStudent("2026", "???");
        rec.slot(8).Fach = c.name; // right row 2
        PageContext& ctx = bench.page();
        AdmissionSubjectTable(ctx, rec, FindExamSubjects(rec, ctx.katalog(), SchoolType::Gymnasium), true);
        EXPECT_EQ(has(bench.texts(), "u. Informatik"), c.twoLines);
        EXPECT_TRUE(has(bench.texts(), c.twoLines ? std::string(c.name).substr(0, 25) : c.name));
    }
}

TEST(GymnasiumStatement, WordingFollowsBestanden)
{
    const std::string passed =
        "Er/Sie hat die Prüfung bestanden und wird in die 11. Jahrgangsstufe der gymnasialen Oberstufe versetzt.";
    const std::string failed =
        "Er/Sie hat die Prüfung nicht bestanden und wird nicht in die 11. Jahrgangsstufe versetzt.";
    struct Case {
        int annexCode;
        int bestanden;
        std::string closing;
    };
    const Case cases[] = {{24, 1, passed}, {25, 0, failed}, {25, 1, passed}, {24, 0, failed}};
    LayoutBench bench;
    bench.form[22] = TFstSlot{130, 640, 0, 17, 1, 1};
    bench.form[24] = TFstSlot{130, 690, 0, 17, 1, 1};
    bench.form[26] = TFstSlot{130, 745, 0, 17, 1, 1};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.annexCode);
        TZgnRec rec;
        rec.Bestanden = static_cast<std::int16_t>(c.bestanden);
        GymnasiumStatementBlock(bench.page(), rec, c.annexCode);
        EXPECT_EQ(bench.texts(),
                  (std::vector<std::string>{
                      "hat sich der Prüfung zum Übergang in die Jahrgangsstufe 11 der gymnasialen Oberstufe gemäß der",
                      "Verordnung vom 3. Juli 2003 unterzogen.", c.closing}));
    }
    GymnasiumStatementBlock(bench.page(), TZgnRec{}, 23);
    EXPECT_EQ(bench.texts(), std::vector<std::string>{"Die Schülerin / Der Schüler hat die Vollzeitschulpflicht erfüllt."});
    bench.form[22].Page = 2;
    GymnasiumStatementBlock(bench.page(1), TZgnRec{}, 24);
    EXPECT_TRUE(bench.texts().empty()) << "the statement goes with its first line's page";
}

} // namespace
