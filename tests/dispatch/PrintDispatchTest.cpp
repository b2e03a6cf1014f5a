// Carrying out plans on the recording device and a recording preview: what
// is asked, what is printed into which document, and what happens when a
// form file is missing or the device fails.
#include "DispatchFixtures.h"

#include "dispatch/PrintDispatch.h"
#include "dispatch/SingleDocumentDevice.h"
#include "print/FormModel.h"
#include "print/RecordingDevice.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>

using namespace ruvek;
using ruvek::test::kShippedForms;
using ruvek::test::ShippedFormsCopy;
using ruvek::test::printOptions;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::test::TempDir;
using ruvek::test::student;

namespace {

// The preview window as a list of what it was asked to show.
struct RecordingPreview : PreviewSink {
    struct Page {
        std::string caption;
        int seite;
        std::vector<std::string> texts;
    };
    std::vector<Page> pages;
    std::vector<std::string> formFiles;
    // Run while a page is shown (the form file can be read anew only then).
    std::function<void(const PageForm&, const PageDrawer&)> whileShown;
    void showPage(const TDruckAuftrag& job, const PageForm& form, const PageDrawer& drawPage) override
    {
        RecordingCanvas canvas;
        canvas.setMetricMapping();
        drawPage(canvas);
        pages.push_back({job.Titel, job.Seite, canvas.texts()});
        formFiles.push_back(form.info.fileName);
        if (whileShown)
            whileShown(form, drawPage);
    }
};

class Dispatch : public testing::Test {
protected:
    TFachKatalog katalog = defaultFachKatalog();
    ShippedFormsCopy shippedForms;
    std::filesystem::path forms = shippedForms.folder();
    ScriptedPrompter prompter;
    RecordingDevice device;
    RecordingPreview preview;
    TDruckAuftrag job;

    DispatchResult run(const PrintPlan& plan, const TDrkEinstRec& options, PrintDevice* printer = nullptr)
    {
        const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Grundschule", {forms, forms}};
        PrintDispatcher dispatcher(env, prompter, printer ? printer : &device, &preview);
        return dispatcher.run(plan, job);
    }

    bool anyText(const std::string& text) const
    {
        const auto texts = device.recording().texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

} // namespace

TEST_F(Dispatch, DoubleSidedCertificateIsOneDocumentWithTwoPages)
{
    const TDrkEinstRec options = printOptions(1, 0);
    prompter.answers = {true};
    const DispatchResult result = run(PlanCertificate(student("Muster", 3), 4, false, {options, false}), options);
    ASSERT_EQ(device.documents().size(), 1u);
    EXPECT_EQ(device.documents()[0].title, "Jahres-Zeugnis: Anna Muster");
    EXPECT_EQ(device.documents()[0].pageStarts.size(), 2u);
    EXPECT_TRUE(device.documents()[0].ended);
    EXPECT_EQ(result.sheets, 2);
    EXPECT_EQ(result.students, std::vector<long>{4});
    EXPECT_TRUE(anyText("Anna Muster"));
    EXPECT_EQ(job.Titel, "Jahreszeugnis: Anna Muster [Seiten 1+2 von 2]");
}

TEST_F(Dispatch, AnswersDecideWhatIsPrinted)
{
    struct Case {
        std::deque<bool> answers;
        std::size_t documents;
    };
    // Page by page with all dialogs: confirmation, then one question per page.
    const Case cases[] = {{{false}, 0}, {{true, true, true}, 2}, {{true, true, false}, 1}, {{true, false, true}, 1}};
    const TDrkEinstRec options = printOptions(0, 0);
    for (const Case& c : cases) {
        RecordingDevice fresh;
        prompter.answers = c.answers;
        prompter.clearLog();
        run(PlanCertificate(student("Muster", 3), 0, false, {options, false}), options, &fresh);
        EXPECT_EQ(fresh.documents().size(), c.documents);
        EXPECT_EQ(prompter.questions().size(), c.answers.size());
    }
}

TEST_F(Dispatch, PreviewShowsEachPageWithItsCaption)
{
    const TDrkEinstRec options = printOptions(0, 0);
    run(PlanCertificate(student("Muster", 3), 0, true, {options, false}), options);
    ASSERT_EQ(preview.pages.size(), 2u);
    EXPECT_EQ(preview.pages[0].caption, "Jahreszeugnis: Anna Muster  [Seite: 1 von 2]");
    EXPECT_EQ(preview.pages[1].caption, "Jahreszeugnis: Anna Muster  [Seite: 2 von 2]");
    EXPECT_EQ(preview.pages[1].seite, 2);
    EXPECT_FALSE(preview.pages[0].texts.empty());
    EXPECT_EQ(device.beginCalls(), 0);
}

TEST_F(Dispatch, PreviewNamesItsFormFileAndDrawsItAgainAfterAChange)
{
    const TDrkEinstRec options = printOptions(0, 0);
    auto nameX = [](const PreviewSink::PageDrawer& draw) {
        RecordingCanvas canvas;
        canvas.setMetricMapping();
        draw(canvas);
        for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
            if (op.text == "Anna Muster")
                return op.x1;
        return -1;
    };
    int before = -1, after = -1;
    bool reloaded = false;
    preview.whileShown = [&](const PreviewSink::PageForm& form, const PreviewSink::PageDrawer& draw) {
        if (preview.pages.size() != 1 || !form.reload)
            return;
        before = nameX(draw);
        // The form file is changed on disk while the page is shown.
        std::string error;
        std::optional<FormModel> model = FormModel::open(forms / form.info.fileName, &error);
        ASSERT_TRUE(model) << error;
        ASSERT_EQ(model->moveSlot(16, 100, 0), "");
        ASSERT_EQ(model->save(), "");
        reloaded = form.reload();
        after = nameX(draw);
    };
    run(PlanCertificate(student("Muster", 3), 0, true, {options, false}), options);
    ASSERT_EQ(preview.formFiles.size(), 2u);
    EXPECT_EQ(preview.formFiles[0], AnlageFormFile(3, options, prompter).fileName);
    EXPECT_EQ(preview.formFiles[1], preview.formFiles[0]);
    EXPECT_TRUE(reloaded);
    ASSERT_GE(before, 0);
    EXPECT_EQ(after, before + 100) << "the page drawn with the file as changed";
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(Dispatch, ReceiptPreviewShowsTheReceipt)
{
    const TDrkEinstRec options = printOptions(0, 0);
    run(PlanReceipt(student("Muster", 3), 0, true, {options, false}), options);
    ASSERT_EQ(preview.pages.size(), 1u);
    EXPECT_EQ(preview.pages[0].caption, "Empfangsbekenntnis: Anna Muster  [Seite: 1 von 1]");
    const auto& texts = preview.pages[0].texts;
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Empfangsbekenntnis (zweifach):"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "für Anna Muster (Klasse: 3b)"), texts.end());
}

namespace {

// The y of every text on a page, by text, in drawing order.
std::vector<std::pair<std::string, int>> textPositions(const std::vector<CanvasOp>& ops)
{
    std::vector<std::pair<std::string, int>> out;
    for (const CanvasOp& op : ops)
        if (op.kind == CanvasOpKind::TextOut)
            out.emplace_back(op.text, op.y1);
    return out;
}

// The second of two items on one sheet is the first moved 148.5 mm down.
void expectSecondHalfIsFirstMovedDown(const std::vector<CanvasOp>& sheetOps)
{
    const auto texts = textPositions(sheetOps);
    ASSERT_EQ(texts.size() % 2, 0u);
    const std::size_t half = texts.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        if (texts[i].first != texts[half + i].first)
            continue; // the two items may be different students
        EXPECT_EQ(texts[i].second - texts[half + i].second, 1485) << texts[i].first;
    }
}

} // namespace

TEST_F(Dispatch, ReceiptSeriesByPrintKind)
{
    struct Case {
        int empfDruckart;
        int empfKopie;
        std::size_t documents; // for two students
        std::size_t receiptsPerSheet;
    };
    const Case cases[] = {{0, 1, 4, 1}, {1, 1, 2, 2}, {0, 0, 2, 1}, {1, 0, 2, 1}};
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3, 1, 1)};
    for (const Case& c : cases) {
        SCOPED_TRACE("EmpfDruckart " + std::to_string(c.empfDruckart) + ", EmpfKopie " + std::to_string(c.empfKopie));
        TDrkEinstRec options = printOptions(0, 0);
        options.EmpfDruckart = static_cast<std::int16_t>(c.empfDruckart);
        options.EmpfKopie = static_cast<std::int16_t>(c.empfKopie);
        RecordingDevice fresh;
        const DispatchResult result = run(PlanReceiptSeries(list, 0, {options, false}), options, &fresh);
        EXPECT_TRUE(prompter.questions().empty());
        ASSERT_EQ(fresh.documents().size(), c.documents);
        EXPECT_EQ(fresh.documents()[0].title, "Empfangsbekenntnis: Anna Albers");
        EXPECT_EQ(fresh.pageCount(), c.documents);
        const auto ops = fresh.pageOps(0);
        const auto texts = textPositions(ops);
        std::size_t receipts = 0;
        for (const auto& t : texts)
            receipts += t.first == "Empfangsbekenntnis (zweifach):";
        EXPECT_EQ(receipts, c.receiptsPerSheet);
        if (c.receiptsPerSheet == 2)
            expectSecondHalfIsFirstMovedDown(ops);
        EXPECT_EQ(result.students, (std::vector<long>{0, 1}));
    }
}

TEST_F(Dispatch, ReportsForTheGradeConferenceTwoToASheet)
{
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3), student("Cramer", 3)};
    for (const int zensurenkonferenz : {0, 1}) {
        SCOPED_TRACE(zensurenkonferenz);
        TDrkEinstRec options = printOptions(0, 0);
        options.Zensurenkonferenz = static_cast<std::int16_t>(zensurenkonferenz);
        RecordingDevice fresh;
        run(PlanReportSeries(list, 0, {options, false}), options, &fresh);
        ASSERT_EQ(fresh.documents().size(), 1u);
        EXPECT_EQ(fresh.documents()[0].title, "Lernentwicklungsberichte");
        std::vector<std::vector<std::string>> names;
        for (std::size_t page = 0; page < fresh.pageCount(); ++page) {
            names.emplace_back();
            for (const auto& [text, y] : textPositions(fresh.pageOps(page)))
                if (text.starts_with("Anna "))
                    names.back().push_back(text);
        }
        if (zensurenkonferenz == 0) {
            EXPECT_EQ(names, (std::vector<std::vector<std::string>>{{"Anna Albers", "Anna Berg"}, {"Anna Cramer"}}));
            expectSecondHalfIsFirstMovedDown(fresh.pageOps(0));
        } else {
            EXPECT_EQ(names, (std::vector<std::vector<std::string>>{{"Anna Albers"}, {"Anna Berg"}, {"Anna Cramer"}}));
        }
    }
}

TEST_F(Dispatch, DeclinedFormFileOpensNoDocument)
{
    const TempDir empty("ruvek-dispatch-noforms");
    forms = empty.path();
    const TDrkEinstRec options = printOptions(1, 1);
    prompter.answers = {true, false}; // print? yes; create the missing form file? no
    const DispatchResult result = run(PlanCertificate(student("Muster", 3), 0, false, {options, false}), options);
    EXPECT_EQ(device.beginCalls(), 0);
    EXPECT_EQ(result.missingForms, std::vector<std::string>{"Anl003.FST"});
}

// A series printed part by part with one dispatcher that keeps its form
// files between runs: the missing form file is asked for once, not once per
// student, and every run names it; a dispatcher that starts each run afresh
// asks again.
TEST_F(Dispatch, SeriesInPartsAsksForAMissingFormFileOnce)
{
    const TempDir empty("ruvek-dispatch-noforms-parts");
    forms = empty.path();
    const TDrkEinstRec options = printOptions(0, 1);
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3), student("Cramer", 3)};
    const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Grundschule", {forms, forms}};
    for (const bool keep : {true, false}) {
        prompter.clearLog();
        prompter.answers = keep ? std::deque<bool>{false} : std::deque<bool>{false, false, false};
        PrintDispatcher dispatcher(env, prompter, &device, nullptr);
        dispatcher.keepBetweenRuns(keep);
        int runs = 0;
        PlanSeriesInParts(SeriesKind::Certificates, list, 0, {options, false}, [&](PrintPlan& part) {
            EXPECT_EQ(dispatcher.run(part, job).missingForms, std::vector<std::string>{"Anl003.FST"});
            return ++runs > 0;
        });
        EXPECT_EQ(runs, 3);
        EXPECT_EQ(prompter.questions().size(), keep ? 1u : 3u);
    }
    EXPECT_EQ(device.beginCalls(), 0);
}

// Parts printed by one dispatcher give the documents of the whole plan.
TEST_F(Dispatch, SeriesInPartsPrintsWhatTheWholePlanPrints)
{
    const TDrkEinstRec options = printOptions(0, 1);
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 1), student("Ohne", 0),
                                       student("Cramer", 3)};
    prompter.answers = {true}; // the series question
    const DispatchResult whole = run(PlanCertificateSeries(list, 0, {options, false}), options);
    const auto wholeTexts = device.recording().texts();
    const auto wholeDocuments = device.documents().size();

    RecordingDevice parts;
    const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Grundschule", {forms, forms}};
    PrintDispatcher dispatcher(env, prompter, &parts, nullptr);
    dispatcher.keepBetweenRuns(true);
    std::vector<long> students;
    PlanSeriesInParts(SeriesKind::Certificates, list, 0, {options, false}, [&](PrintPlan& part) {
        const DispatchResult r = dispatcher.run(part, job);
        students.insert(students.end(), r.students.begin(), r.students.end());
        return true;
    });
    EXPECT_EQ(parts.recording().texts(), wholeTexts);
    EXPECT_EQ(parts.documents().size(), wholeDocuments);
    EXPECT_EQ(students, whole.students);
    EXPECT_EQ(students, (std::vector<long>{0, 1, 3}));
}

TEST_F(Dispatch, DeviceFailureIsToldAndStopsTheCommand)
{
    const TDrkEinstRec options = printOptions(1, 1);
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3)};
    device.failOnEnd("Die Datei konnte nicht geschrieben werden.");
    prompter.answers = {true};
    const DispatchResult result = run(PlanCertificateSeries(list, 0, {options, false}), options);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(prompter.last(), Shown::error("Die Datei konnte nicht geschrieben werden."));
    EXPECT_EQ(device.beginCalls(), 1) << "the second student is not started";
}

TEST_F(Dispatch, ExaminationDataErrorEndsTheJob)
{
    const TDrkEinstRec options = printOptions(0, 1);
    prompter.answers = {true};
    run(PlanCertificate(student("Muster", 24), 0, false, {options, false}), options);
    EXPECT_EQ(device.beginCalls(), 0);
    EXPECT_EQ(prompter.last(), Shown::error(kMsgExamData));
}

TEST_F(Dispatch, TextsThatDidNotFitAreCollected)
{
    const TDrkEinstRec options = printOptions(1, 1);
    TZgnRec rec = student("Muster", 3);
    std::string longText;
    while (longText.size() < 1900)
        longText += "Anna arbeitet aufmerksam und ausdauernd mit und bringt eigene Ideen ein. ";
    rec.LEBText = longText;
    prompter.answers = {true};
    const DispatchResult result = run(PlanCertificate(rec, 0, false, {options, false}), options);
    ASSERT_FALSE(result.cuts.empty());
    EXPECT_EQ(result.cuts[0].student, "Anna Muster");
    const std::string message = CutTextsMessage(result.cuts);
    EXPECT_NE(message.find("Anna Muster"), std::string::npos);
    EXPECT_NE(message.find(result.cuts[0].block), std::string::npos);
}

TEST_F(Dispatch, OneFileForTheWholeCommand)
{
    const TDrkEinstRec options = printOptions(0, 1);
    const std::vector<TZgnRec> list = {student("Albers", 1), student("Berg", 1), student("Cramer", 1)};
    RecordingDevice file;
    std::vector<std::string> asked;
    SingleDocumentDevice merged(
        [&](const std::string& title) {
            asked.push_back(title);
            return &file;
        },
        {});
    prompter.answers = {true};   // the series question
    const DispatchResult result = run(PlanCertificateSeries(list, 0, {options, false}), options, &merged);
    ASSERT_TRUE(merged.finish());
    EXPECT_EQ(asked, std::vector<std::string>{"Jahres-Zeugnis: Anna Albers"});
    ASSERT_EQ(file.documents().size(), 1u);
    EXPECT_EQ(file.documents()[0].pageStarts.size(), 3u);
    EXPECT_TRUE(file.documents()[0].ended);
    EXPECT_EQ(result.documents, 3);
}

// The series question comes once, before anything is printed; No prints nothing.
TEST_F(Dispatch, SeriesAsksOnceWithTheCount)
{
    const TDrkEinstRec options = printOptions(0, 0);
    const std::vector<TZgnRec> list = {student("Albers", 3), student("Berg", 3), student("Cramer", 3)};
    prompter.answers = {false};
    run(PlanCertificateSeries(list, 0, {options, false}), options);
    EXPECT_EQ(device.beginCalls(), 0);
    EXPECT_EQ(prompter.questions(),
              std::vector<Shown>{Shown::question("Sollen jetzt die Zeugnisse für 3 Schüler gedruckt werden?")});
    prompter.clearLog();
    prompter.answers = {true};
    const DispatchResult result = run(PlanCertificateSeries(list, 0, {options, false}), options);
    EXPECT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(result.documents, 6);   // two pages each, one document per page
}

TEST_F(Dispatch, CancelledFileChoiceStopsSilently)
{
    const TDrkEinstRec options = printOptions(0, 1);
    SingleDocumentDevice merged([](const std::string&) -> PrintDevice* { return nullptr; }, {});
    prompter.answers = {true};
    const DispatchResult result = run(PlanCertificate(student("Muster", 1), 0, false, {options, false}), options, &merged);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(Dispatch, UndeterminableExaminationSubjectsAreToldOncePerJobNotWhileDrawing)
{
    // The fixture's school is a Grundschule: the examination's foreign
    // language cannot be determined. The preview repaints its page twice.
    struct RepaintingPreview : PreviewSink {
        void showPage(const TDruckAuftrag&, const PageForm&, const PageDrawer& drawPage) override
        {
            for (int i = 0; i < 2; ++i) {
                RecordingCanvas canvas;
                canvas.setMetricMapping();
                drawPage(canvas);
            }
        }
    } repainting;
    TZgnRec rec = student("Muster", 24);
    rec.UePruefung = 1;
    const std::string message = "Fehler beim Ermitteln der Prüfungsfremdsprache!!!\n"
                                "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!";
    const TDrkEinstRec options = printOptions(0, 1);
    const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Schule", {forms, forms}};
    PrintDispatcher dispatcher(env, prompter, &device, &repainting);
    dispatcher.run(PlanCertificate(rec, 0, true, {options, false}), job);
    EXPECT_EQ(prompter.log(), std::vector<Shown>{Shown::error(message)});

    prompter.clearLog();
    prompter.answers = {true};
    dispatcher.run(PlanCertificate(rec, 0, false, {options, false}), job);
    EXPECT_EQ(std::count(prompter.log().begin(), prompter.log().end(), Shown::error(message)), 1);
    EXPECT_EQ(device.documents().size(), 1u) << "the certificate is printed all the same";
}
