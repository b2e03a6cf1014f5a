// The data sheet commands: which students a series reaches, what is asked,
// and what the dispatcher prints of the plan on the recording device.
#include "DispatchFixtures.h"

#include "dispatch/DatenblattPlan.h"
#include "dispatch/PrintDispatch.h"
#include "print/RecordingDevice.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ruvek;
using ruvek::test::printOptions;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::test::student;

namespace {

struct OnePagePreview : PreviewSink {
    std::string caption;
    std::vector<std::string> texts;
    void showPage(const TDruckAuftrag& shown, const PageForm&, const PageDrawer& drawPage) override
    {
        RecordingCanvas canvas;
        canvas.setMetricMapping();
        drawPage(canvas);
        caption = shown.Titel;
        texts = canvas.texts();
    }
};

class DatenblattDispatch : public testing::Test {
protected:
    OnePagePreview preview;
    TFachKatalog katalog = defaultFachKatalog();
    TDrkEinstRec options = printOptions(0, 0);
    ScriptedPrompter prompter;
    RecordingDevice device;
    TDruckAuftrag job;

    DispatchResult run(const PrintPlan& plan)
    {
        // No form folders: the data sheet needs no form control file.
        const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Grundschule", {}};
        PrintDispatcher dispatcher(env, prompter, &device, &preview);
        return dispatcher.run(plan, job);
    }
    bool onPage(std::size_t page, const std::string& text) const
    {
        const auto ops = device.pageOps(page);
        return std::any_of(ops.begin(), ops.end(), [&](const CanvasOp& op) { return op.text == text; });
    }
};

} // namespace

TEST_F(DatenblattDispatch, SeriesFollowsTheCertificateRulesButKeepsStudentsWithoutCertificate)
{
    const std::vector<TZgnRec> records = {
        student("Vorher", 3),        // before the current student
        student("Albers", 3),
        student("Weg", 3, 0),        // deleted
        student("Nicht", 3, 1, 1),   // not printed in series
        student("Ohne", 0),          // no valid certificate: still gets its sheet
        student("???", 3),           // ends the series
        student("Dorn", 3),
    };
    const PrintPlan plan = PlanDatenblattSeries(records, 1);
    EXPECT_EQ(plan.skipped, (std::vector<PlannedSkip>{{2, SkipReason::Deleted}, {3, SkipReason::NichtDrucken}}));
    EXPECT_EQ(plan.stoppedAt, std::optional<std::size_t>(5));

    prompter.answers = {true};
    const DispatchResult result = run(plan);
    EXPECT_EQ(prompter.log(),
              std::vector{Shown::question("Sollen jetzt die Schüler-Datenblätter\nfür 2 Schüler\ngedruckt werden?")});
    ASSERT_EQ(device.documents().size(), 1u);
    EXPECT_EQ(device.documents()[0].title, "Schüler-Datenblätter");
    EXPECT_TRUE(device.documents()[0].ended);
    ASSERT_EQ(device.pageCount(), 2u);
    EXPECT_TRUE(onPage(0, "Anna Albers"));
    EXPECT_TRUE(onPage(1, "Anna Ohne"));
    EXPECT_TRUE(onPage(1, "keine gültige Auswahl eines Zeugnisses"));
    EXPECT_EQ(result.students, (std::vector<long>{1, 4}));
    EXPECT_TRUE(result.missingForms.empty());
}

TEST_F(DatenblattDispatch, SingleSheetAsksFirstAndNoPrintsNothing)
{
    const TZgnRec rec = student("Muster", 0);
    for (const bool yes : {false, true}) {
        prompter.answers = {yes};
        prompter.clearLog();
        run(PlanDatenblatt(rec, 3, false));
        EXPECT_EQ(prompter.log(),
                  std::vector{Shown::question("Soll jetzt das Schüler-Datenblatt\nfür: Anna Muster\ngedruckt werden?")});
    }
    ASSERT_EQ(device.documents().size(), 1u) << "only the Yes prints";
    EXPECT_EQ(device.documents()[0].title, "Schüler-Datenblatt: Anna Muster");
    EXPECT_TRUE(onPage(0, "Schüler-Datenblatt"));
}

TEST_F(DatenblattDispatch, SeriesWithoutStudentsAsksNothing)
{
    const std::vector<TZgnRec> records = {student("Weg", 3, 0), student("???", 3)};
    const PrintPlan plan = PlanDatenblattSeries(records, 0);
    EXPECT_TRUE(plan.jobs.empty());
    run(plan);
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_TRUE(device.documents().empty());
}

TEST_F(DatenblattDispatch, SingleSheetInThePreviewWithoutQuestion)
{
    run(PlanDatenblatt(student("Muster", 3), 3, true));
    EXPECT_TRUE(prompter.log().empty());
    EXPECT_TRUE(device.documents().empty());
    EXPECT_EQ(preview.caption, "Schüler-Datenblatt: Anna Muster");
    EXPECT_NE(std::find(preview.texts.begin(), preview.texts.end(), "Schüler-Datenblatt"), preview.texts.end());
    EXPECT_EQ(job.DruckAnlage, kAnlageDatenblatt);
}
