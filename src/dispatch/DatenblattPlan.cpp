#include "dispatch/DatenblattPlan.h"

#include "classfile/RecordCollection.h"

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
    plan.copyOf(rec, listIndex);
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
    // Every student the certificate series takes gets a sheet, also one
    // without a valid certificate: the sheet is how it is found.
    for (const std::size_t i : SeriesStudents(records, start, plan)) {
        doc.sheets.push_back(sheetOf(plan.referTo(records[i], static_cast<long>(i))));
    }
    NoteDeletedInSeries(plan, records, start);
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
