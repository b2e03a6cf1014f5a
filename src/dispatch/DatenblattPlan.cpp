#include "dispatch/DatenblattPlan.h"

#include "classfile/RecordCollection.h"

#include <algorithm>

namespace ruvek {

namespace {

constexpr const char* kTitle = "Schüler-Datenblatt: ";
constexpr const char* kSeriesTitle = "Schüler-Datenblätter";

PlannedJob sheetJob(std::size_t copy, int target)
{
    PlannedJob job;
    job.copy = copy;
    job.annexCode = kAnlageDatenblatt;
    job.vonSeite = job.bisSeite = 1;
    job.ausgabeziel = target;
    return job;
}

PlannedSheet sheetOf(std::size_t copy)
{
    return {{PlannedDraw{copy, kAnlageDatenblatt, 1, 0, FormFileInfo{}}}};
}

} // namespace

PrintPlan PlanDatenblatt(const TZgnRec& rec, long listIndex, bool preview)
{
    PrintPlan plan;
    plan.copies.push_back({listIndex, rec});
    const std::string name = StudentName(rec);
    PlannedJob job = sheetJob(0, preview ? kZielVorschau : kZielSeitenweise);
    PlannedDocument doc;
    doc.output = preview ? PlannedOutput::Preview : PlannedOutput::Printer;
    doc.title = kTitle + name;
    doc.caption = kTitle + name;
    doc.page = 1;
    doc.sheets.push_back(sheetOf(0));
    if (!preview)
        job.confirm = "Soll jetzt das Schüler-Datenblatt\nfür: " + name + "\ngedruckt werden?";
    job.documents.push_back(std::move(doc));
    plan.jobs.push_back(std::move(job));
    return plan;
}

PrintPlan PlanDatenblattSeries(std::span<const TZgnRec> records, std::size_t start)
{
    PrintPlan plan;
    PlannedDocument doc;
    doc.title = kSeriesTitle;
    doc.caption = kSeriesTitle;
    for (const std::size_t i : followingStudents(records, start, false)) {
        const TZgnRec& rec = records[i];
        // As in the certificate series: a record left out of series printing
        // is passed over before the stop rule looks at it.
        if (rec.NichtDrucken == 1) {
            plan.skipped.push_back({i, SkipReason::NichtDrucken});
            continue;
        }
        if (endsClass(rec)) {
            plan.stoppedAt = i;
            break;
        }
        plan.copies.push_back({static_cast<long>(i), rec});
        doc.sheets.push_back(sheetOf(plan.copies.size() - 1));
    }
    const std::size_t end = plan.stoppedAt.value_or(records.size());
    for (std::size_t i = start; i < end; ++i)
        if (records[i].Status != 1)
            plan.skipped.push_back({i, SkipReason::Deleted});
    std::stable_sort(plan.skipped.begin(), plan.skipped.end(),
                     [](const PlannedSkip& a, const PlannedSkip& b) { return a.listIndex < b.listIndex; });
    if (!doc.sheets.empty()) {
        PlannedJob job = sheetJob(0, kZielSeitenweise);
        job.confirm = "Sollen jetzt die Schüler-Datenblätter\nfür " + std::to_string(doc.sheets.size()) +
                      " Schüler\ngedruckt werden?";
        job.documents.push_back(std::move(doc));
        plan.jobs.push_back(std::move(job));
    }
    return plan;
}

} // namespace ruvek
