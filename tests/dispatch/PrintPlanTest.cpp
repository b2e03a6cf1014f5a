// The plans of the print commands: which documents, pages, titles and
// questions, and which records a series takes, skips or stops at.
#include "DispatchFixtures.h"

#include "dispatch/PrintPlan.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <span>

using namespace ruvek;
using ruvek::test::printOptions;
using ruvek::test::student;

namespace {

struct DocView {
    std::string title;
    std::string caption;
    std::string question;   // empty: none
    std::vector<int> pages; // the page of each sheet's first draw
    bool operator==(const DocView&) const = default;
};

void PrintTo(const DocView& d, std::ostream* os)
{
    *os << "{\"" << d.title << "\", \"" << d.caption << "\", \"" << d.question << "\", pages";
    for (int p : d.pages)
        *os << ' ' << p;
    *os << '}';
}

std::vector<DocView> documents(const PrintPlan& plan)
{
    std::vector<DocView> out;
    for (const PlannedJob& job : plan.jobs)
        for (const PlannedDocument& doc : job.documents) {
            DocView v{doc.title, doc.caption, doc.question.value_or(""), {}};
            for (const PlannedSheet& sheet : doc.sheets)
                v.pages.push_back(sheet.draws.front().page);
            out.push_back(v);
        }
    return out;
}

std::vector<std::string> names(const PrintPlan& plan)
{
    std::vector<std::string> out;
    for (const PlannedJob& job : plan.jobs)
        out.push_back(cp1252ToUtf8(plan.record(job.copy).Name.str()));
    return out;
}

} // namespace

TEST(PrintPlan, CertificateToThePrinterByOptions)
{
    struct Case {
        int annex, doppelseitig, nurNotwendige;
        std::vector<DocView> expected;
    };
    const std::string q1of1 = "Druck der Seite: 1 von 1 ?", q1 = "Druck der Seite: 1 von 2 ?",
                      q2 = "Druck der Seite: 2 von 2 ?";
    const std::string cap1 = "Jahreszeugnis: Anna Muster  [Seite: 1 von 2]",
                      cap2 = "Jahreszeugnis: Anna Muster  [Seite: 2 von 2]";
    const Case cases[] = {
        // A one-page certificate is printed page by page even when double-sided printing is set.
        {1, 1, 1, {{"Jahres-Zeugnis: Anna Muster", "Jahreszeugnis: Anna Muster  [Seite: 1 von 1]", "", {1}}}},
        {1, 1, 0, {{"Jahres-Zeugnis: Anna Muster", "Jahreszeugnis: Anna Muster  [Seite: 1 von 1]", q1of1, {1}}}},
        // Page by page: only the first page goes without its question when only the necessary dialogs are wanted.
        {3, 0, 1, {{"Jahres-Zeugnis: Anna Muster", cap1, "", {1}}, {"Jahres-Zeugnis: Anna Muster", cap2, q2, {2}}}},
        {3, 0, 0, {{"Jahres-Zeugnis: Anna Muster", cap1, q1, {1}}, {"Jahres-Zeugnis: Anna Muster", cap2, q2, {2}}}},
        // Double-sided: one document with both pages, no page questions.
        {3, 1, 0, {{"Jahres-Zeugnis: Anna Muster", "Jahreszeugnis: Anna Muster [Seiten 1+2 von 2]", "", {1, 2}}}},
        // Annex 22 names the page in the title of a one-page document only.
        {22, 0, 1, {{"Übergangs-Zeugnis (Seite: 1/2): Anna Muster", "Übergangszeugnis: Anna Muster  [Seite: 1 von 2]", "", {1}},
                    {"Übergangs-Zeugnis (Seite: 2/2): Anna Muster", "Übergangszeugnis: Anna Muster  [Seite: 2 von 2]", q2, {2}}}},
        {22, 1, 1, {{"Übergangs-Zeugnis: Anna Muster", "Übergangszeugnis: Anna Muster [Seiten 1+2 von 2]", "", {1, 2}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "annex " << c.annex << " doppelseitig " << c.doppelseitig
                                        << " nurNotwendige " << c.nurNotwendige);
        const TDrkEinstRec options = printOptions(c.doppelseitig, c.nurNotwendige);
        const PrintPlan plan = PlanCertificate(student("Muster", c.annex), 0, false, {options, false});
        EXPECT_EQ(documents(plan), c.expected);
        ASSERT_EQ(plan.jobs.size(), 1u);
        EXPECT_TRUE(plan.jobs[0].confirm.has_value());
    }
}

TEST(PrintPlan, ConfirmationNamesFormAndStudentAndOptionallyTheFile)
{
    const TDrkEinstRec options = printOptions(0, 0);
    const PrintPlan plain = PlanCertificate(student("Muster", 3), 0, false, {options, false});
    EXPECT_EQ(plain.jobs[0].confirm.value(),
              "Soll jetzt das (Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4\nfür: Anna Muster\ngedruckt werden?");
    const PrintPlan withFile = PlanCertificate(student("Muster", 3), 0, false, {options, true});
    EXPECT_TRUE(withFile.jobs[0].confirm.value().ends_with(
        "gedruckt werden?\n\n[Anl003.FST]\n(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4"));
}

TEST(PrintPlan, PreviewShowsEveryPageUnderItsCaption)
{
    const TDrkEinstRec options = printOptions(1, 1);
    TZgnRec rec = student("Muster", 3);
    rec.Halbjahr1 = 1;
    const PrintPlan plan = PlanCertificate(rec, 0, true, {options, false});
    ASSERT_EQ(plan.jobs.size(), 1u);
    EXPECT_FALSE(plan.jobs[0].confirm.has_value());
    const auto docs = documents(plan);
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[0].caption, "Halbjahreszeugnis: Anna Muster  [Seite: 1 von 2]");
    EXPECT_EQ(docs[1].caption, "Halbjahreszeugnis: Anna Muster  [Seite: 2 von 2]");
    for (const PlannedDocument& doc : plan.jobs[0].documents)
        EXPECT_EQ(doc.output, PlannedOutput::Preview);
}

TEST(PrintPlan, RecordWithoutCertificateGetsTheErrorInsteadOfAJob)
{
    const TDrkEinstRec options = printOptions(0, 0);
    const PrintPlan plan = PlanCertificate(student("Muster", 0), 0, false, {options, false});
    ASSERT_EQ(plan.jobs.size(), 1u);
    EXPECT_EQ(plan.jobs[0].notes, (std::vector<PlannedNote>{{MessageKind::Error, kMsgNoCertificate}}));
    EXPECT_EQ(plan.documentCount(), 0u);
}

TEST(PrintPlan, ExaminationCertificatesNeedTheExaminationData)
{
    const TDrkEinstRec options = printOptions(0, 1);
    struct Case {
        int uePruefung;
        const char* prFach;
        const char* sjBeginn;
        bool refused;
    };
    const Case cases[] = {{0, "Ma", "2026", true}, {1, "Ma", "2026", false}, {1, "???", "2026", false},
                          {1, "---", "2005", true}, {1, "???", "05", true}};
    for (const int annex : {24, 25})
        for (const Case& c : cases) {
            TZgnRec rec = student("Muster", annex);
            rec.UePruefung = static_cast<std::int16_t>(c.uePruefung);
            rec.PrFach = c.prFach;
            rec.SjBeginn = c.sjBeginn;
            const PrintPlan plan = PlanCertificate(rec, 0, false, {options, false});
            ASSERT_EQ(plan.documentCount(), 1u);
            EXPECT_EQ(plan.jobs[0].documents[0].error.has_value(), c.refused) << annex << ' ' << c.prFach;
        }
}

TEST(PrintPlan, CertificateSeriesSkipsAndStops)
{
    TDrkEinstRec options = printOptions(1, 1);
    options.SerieSeitenweise = 1;   // the questions per student, as chosen in the print options
    const std::vector<TZgnRec> list = {
        student("Vorher", 3),          // before the start
        student("Albers", 3),
        student("Gelöscht", 3, 0),     // deleted: skipped, the series goes on
        student("Nicht", 3, 1, 1),     // not to be printed in series
        student("???", 3, 1, 1),       // a blank record not printed in series does not stop it
        student("Ohne", 0),            // no certificate yet: skipped silently
        student("Berg", 1),
        student("???", 3),             // the first blank record the series takes: stop
        student("Cramer", 3),          // valid, but after the stop
    };
    const PrintPlan plan = PlanCertificateSeries(list, 1, {options, false});
    EXPECT_EQ(names(plan), (std::vector<std::string>{"Albers", "Berg"}));
    EXPECT_EQ(plan.stoppedAt, std::optional<std::size_t>(7));
    EXPECT_EQ(plan.skipped, (std::vector<PlannedSkip>{{2, SkipReason::Deleted},
                                                      {3, SkipReason::NichtDrucken},
                                                      {4, SkipReason::NichtDrucken},
                                                      {5, SkipReason::NoCertificate}}));
    for (const PlannedJob& job : plan.jobs)
        EXPECT_TRUE(job.confirm.has_value()) << "the series asks for every student";
    EXPECT_FALSE(plan.seriesQuestion.has_value());
}

// Without the per-page choice a series asks one question, with the number of
// certificates, whatever the other dialog options: 21 two-page certificates
// page by page used to ask 63 questions.
TEST(PrintPlan, CertificateSeriesAsksOnceUnlessQuestionsPerPageAreChosen)
{
    std::vector<TZgnRec> list;
    for (int i = 0; i < 21; ++i)
        list.push_back(student(("S" + std::to_string(i)).c_str(), 3));   // two pages each
    list.push_back(student("Ohne", 0));                                   // no certificate: not counted
    for (const int doppelseitig : {0, 1})
        for (const int nurNotwendige : {0, 1}) {
            SCOPED_TRACE(std::to_string(doppelseitig) + "/" + std::to_string(nurNotwendige));
            TDrkEinstRec options = printOptions(doppelseitig, nurNotwendige);
            const PrintPlan once = PlanCertificateSeries(list, 0, {options, false});
            EXPECT_EQ(once.seriesQuestion, "Sollen jetzt die Zeugnisse für 21 Schüler gedruckt werden?");
            for (const PlannedJob& job : once.jobs) {
                EXPECT_FALSE(job.confirm.has_value());
                for (const PlannedDocument& doc : job.documents)
                    EXPECT_FALSE(doc.question.has_value());
            }
            options.SerieSeitenweise = 1;
            const PrintPlan perPage = PlanCertificateSeries(list, 0, {options, false});
            EXPECT_FALSE(perPage.seriesQuestion.has_value());
            EXPECT_EQ(perPage.documentCount(), once.documentCount()) << "the same documents either way";
            std::size_t questions = 0;
            for (const PlannedJob& job : perPage.jobs) {
                questions += job.confirm.has_value();
                for (const PlannedDocument& doc : job.documents)
                    questions += doc.question.has_value();
            }
            const std::size_t pageQuestions = doppelseitig ? 0 : (nurNotwendige ? 21 : 42);
            EXPECT_EQ(questions, 21 + pageQuestions);
        }
    EXPECT_EQ(SeriesQuestion(1), "Soll jetzt das Zeugnis für 1 Schüler gedruckt werden?");
}

TEST(PrintPlan, ReceiptSeriesIgnoresNichtDrucken)
{
    const TDrkEinstRec options = printOptions(0, 0);
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Nicht", 3, 1, 1), student("Weg", 3, 0),
                                       student("", 3), student("Cramer", 3)};
    const PrintPlan plan = PlanReceiptSeries(list, 0, {options, false});
    EXPECT_EQ(names(plan), (std::vector<std::string>{"Albers", "Nicht"}));
    EXPECT_EQ(plan.stoppedAt, std::optional<std::size_t>(3));
}

TEST(PrintPlan, ReceiptCopiesByPrintKind)
{
    struct Case {
        int kopie, druckart;
        std::size_t documents;
        std::vector<int> raises; // of the draws of the first sheet
    };
    const Case cases[] = {{1, 1, 1, {0, 1485}}, {1, 0, 2, {0}}, {0, 1, 1, {0}}, {0, 0, 1, {0}}};
    for (const Case& c : cases) {
        TDrkEinstRec options = printOptions(0, 0);
        options.EmpfKopie = static_cast<std::int16_t>(c.kopie);
        options.EmpfDruckart = static_cast<std::int16_t>(c.druckart);
        const PrintPlan plan = PlanReceipt(student("Muster", 3), 0, false, {options, false});
        ASSERT_EQ(plan.documentCount(), c.documents) << c.kopie << c.druckart;
        const PlannedDocument& doc = plan.jobs[0].documents[0];
        EXPECT_EQ(doc.title, "Empfangsbekenntnis: Anna Muster");
        EXPECT_FALSE(doc.question.has_value());
        std::vector<int> raises;
        for (const PlannedDraw& d : doc.sheets[0].draws)
            raises.push_back(d.raiseTop);
        EXPECT_EQ(raises, c.raises);
    }
}

TEST(PrintPlan, ReportsForTheGradeConferenceShareSheets)
{
    const std::vector<TZgnRec> list = {student("A", 3), student("B", 3), student("C", 3)};
    for (const int vermerke : {0, 1}) {
        TDrkEinstRec options = printOptions(0, 0);
        options.Zensurenkonferenz = static_cast<std::int16_t>(vermerke);
        const PrintPlan plan = PlanReportSeries(list, 0, {options, false});
        ASSERT_EQ(plan.documentCount(), 1u);
        const PlannedDocument& doc = plan.jobs[0].documents[0];
        EXPECT_EQ(doc.title, "Lernentwicklungsberichte");
        std::vector<std::vector<int>> sheets;
        for (const PlannedSheet& s : doc.sheets) {
            sheets.emplace_back();
            for (const PlannedDraw& d : s.draws)
                sheets.back().push_back(d.raiseTop);
        }
        if (vermerke == 0)
            EXPECT_EQ(sheets, (std::vector<std::vector<int>>{{0, 1485}, {0}}));
        else
            EXPECT_EQ(sheets, (std::vector<std::vector<int>>{{0}, {0}, {0}}));
    }
}

TEST(PrintPlan, FromThePreview)
{
    const TDrkEinstRec options = printOptions(0, 0);
    TDruckAuftrag job;
    job.Daten = student("Muster", 3);
    job.DruckAnlage = 3;
    job.Seite = 2;
    // "Seite drucken": that page at once, without questions.
    const PrintPlan page = PlanPreviewPage(job, {options, false});
    EXPECT_FALSE(page.jobs[0].confirm.has_value());
    EXPECT_EQ(documents(page),
              (std::vector<DocView>{{"Jahres-Zeugnis: Anna Muster", "Jahreszeugnis: Anna Muster  [Seite: 2 von 2]", "", {2}}}));
    // "Zeugnis drucken": the whole certificate, page questions but no confirmation.
    const PrintPlan whole = PlanPreviewCertificate(job, {options, false});
    EXPECT_FALSE(whole.jobs[0].confirm.has_value());
    EXPECT_EQ(whole.documentCount(), 2u);
    // A receipt from its preview: one receipt, whatever the copy option.
    job.DruckAnlage = kAnlageEmpfangsbekenntnis;
    job.Seite = 1;
    TDrkEinstRec copies = options;
    copies.EmpfKopie = 1;
    EXPECT_EQ(PlanPreviewCertificate(job, {copies, false}).sheetCount(), 1u);
    EXPECT_EQ(PlanPreviewPage(job, {copies, false}).sheetCount(), 1u);
}

namespace {

// A job as text, its records named by list position, so that jobs of
// different plans compare.
std::string jobText(const PrintPlan& plan, const PlannedJob& job)
{
    const auto at = [&plan](std::size_t copy) { return std::to_string(plan.copies.at(copy).listIndex); };
    std::string t = at(job.copy) + " anlage " + std::to_string(job.annexCode) + " seiten " +
                    std::to_string(job.vonSeite) + "-" + std::to_string(job.bisSeite) + " ziel " +
                    std::to_string(job.ausgabeziel) + " confirm " + job.confirm.value_or("-");
    for (const PlannedNote& note : job.notes)
        t += " note " + note.text;
    for (const PlannedDocument& doc : job.documents) {
        t += " | " + doc.title + " / " + doc.caption + " / " + std::to_string(doc.page) + " / " +
             doc.question.value_or("-") + " / " + doc.error.value_or("-");
        for (const PlannedSheet& sheet : doc.sheets) {
            t += " [";
            for (const PlannedDraw& d : sheet.draws)
                t += " " + at(d.copy) + ":" + std::to_string(d.annexCode) + ":" + std::to_string(d.page) + ":" +
                     std::to_string(d.raiseTop) + ":" + d.form.fileName;
            t += " ]";
        }
    }
    return t;
}

} // namespace

// Printed part by part, every kind of series prints the jobs of its whole
// plan in the same order, refers to the class's records, and passes over
// and stops at the same records, for any class, start and print options.
TEST(PrintPlan, SeriesInPartsIsTheWholeSeries)
{
    const int codes[] = {0, 1, 2, 3, 4, 13, 15, 24, 25, 77};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        const auto chance = [&rng](int percent) { return static_cast<int>(rng() % 100) < percent; };
        std::vector<TZgnRec> list;
        const std::size_t count = rng() % 25;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string name = chance(8) ? (chance(50) ? "???" : "") : "S" + std::to_string(i);
            list.push_back(student(name, codes[rng() % std::size(codes)], chance(12) ? 0 : 1, chance(12) ? 1 : 0));
        }
        TDrkEinstRec options = printOptions(chance(50), chance(50));
        options.SerieSeitenweise = static_cast<std::int16_t>(chance(50));
        options.EmpfKopie = static_cast<std::int16_t>(chance(50));
        options.EmpfDruckart = static_cast<std::int16_t>(chance(50));
        options.Zensurenkonferenz = static_cast<std::int16_t>(chance(50));
        const std::size_t start = count == 0 ? 0 : rng() % count;
        const std::span<const TZgnRec> records(list.data(), list.size());
        for (const SeriesKind kind :
             {SeriesKind::Certificates, SeriesKind::Receipts, SeriesKind::Reports, SeriesKind::DataSheets}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " kind " + std::to_string(static_cast<int>(kind)));
            const PrintPlan whole = PlanSeries(kind, records, start, {options, false});
            std::vector<std::string> wholeJobs, partJobs;
            for (const PlannedJob& job : whole.jobs)
                wholeJobs.push_back(jobText(whole, job));
            std::size_t seriesQuestions = 0;
            const PrintPlan rest = PlanSeriesInParts(kind, records, start, {options, false}, [&](PrintPlan& part) {
                EXPECT_TRUE(part.skipped.empty());
                seriesQuestions += part.seriesQuestion.has_value();
                for (const PlannedRecord& copy : part.copies)
                    EXPECT_EQ(copy.record, &list.at(static_cast<std::size_t>(copy.listIndex))) << "not a copy";
                for (const PlannedJob& job : part.jobs)
                    partJobs.push_back(jobText(part, job));
                return true;
            });
            EXPECT_EQ(partJobs, wholeJobs);
            EXPECT_EQ(seriesQuestions, 0u);
            EXPECT_EQ(rest.skipped, whole.skipped);
            EXPECT_EQ(rest.stoppedAt, whole.stoppedAt);
            EXPECT_TRUE(rest.jobs.empty());
        }
    }
}

// The walk ends where the caller says so.
TEST(PrintPlan, SeriesInPartsStopsWhenTold)
{
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3), student("Cramer", 3)};
    const TDrkEinstRec options = printOptions(0, 0);
    std::vector<long> taken;
    PlanSeriesInParts(SeriesKind::Receipts, list, 0, {options, false}, [&](PrintPlan& part) {
        taken.push_back(part.copies.at(part.jobs.at(0).copy).listIndex);
        return taken.size() < 2;
    });
    EXPECT_EQ(taken, (std::vector<long>{0, 1}));
}
