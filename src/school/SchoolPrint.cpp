#include "school/SchoolPrint.h"

#include <limits>
#include <set>

namespace ruvek {

namespace {

const char* kindWords(SchoolPrintKind kind)
{
    switch (kind) {
    case SchoolPrintKind::Certificates: return "die Zeugnisse";
    case SchoolPrintKind::Receipts: return "die Empfangsbekenntnisse";
    case SchoolPrintKind::Reports: return "die Lernentwicklungsberichte";
    case SchoolPrintKind::DataSheets: return "die Schüler-Datenblätter";
    }
    return "";
}

} // namespace

std::string SchoolPrintQuestion(SchoolPrintKind kind, std::size_t students, std::size_t classes)
{
    return std::string("Sollen jetzt ") + kindWords(kind) + " für " + std::to_string(students) + " Schüler aus " + std::to_string(classes) +
           (classes == 1 ? " Klasse" : " Klassen") + " gedruckt werden?";
}

SchoolPrintPlan PlanForClasses(SchoolPrintKind kind, const std::vector<ClassForPrint>& classes,
                               const PlanSettings& settings)
{
    SchoolPrintPlan joined;
    PrintPlan& plan = joined.plan;
    std::size_t copyCount = 0;
    for (const ClassForPrint& c : classes)
        copyCount += c.records.size();
    plan.copies.reserve(copyCount);
    std::set<std::size_t> printed;
    for (const ClassForPrint& c : classes) {
        PrintPlan series = PlanSeries(kind, c.records, 0, settings);
        const std::size_t offset = plan.copies.size();
        for (const PlannedRecord& copy : series.copies) {
            // Positions run through all classes, so no two students of
            // different classes share one. The joined plan keeps its own
            // copies: the classes were read only for planning, and a preview
            // of it may outlive them.
            plan.copyOf(*copy.record, static_cast<long>(plan.copies.size()));
        }
        joined.firstJobs.push_back(plan.jobs.size());
        bool first = true;
        for (PlannedJob& job : series.jobs) {
            job.copy += offset;
            for (PlannedDocument& doc : job.documents)
                for (PlannedSheet& sheet : doc.sheets)
                    for (PlannedDraw& draw : sheet.draws) {
                        draw.copy += offset;
                        printed.insert(draw.copy);
                    }
            if (first && !job.documents.empty()) {
                joined.firstJobs.back() = plan.jobs.size();
                first = false;
            }
            plan.jobs.push_back(std::move(job));
        }
        if (first)
            joined.firstJobs.back() = std::numeric_limits<std::size_t>::max();
        for (PlannedSkip& skip : series.skipped) {
            skip.listIndex += offset;
            plan.skipped.push_back(skip);
        }
    }
    for (std::size_t& job : joined.firstJobs)
        if (job == std::numeric_limits<std::size_t>::max())
            job = plan.jobs.size();
    joined.students = printed.size();
    if (joined.students > 0)
        plan.seriesQuestion = SchoolPrintQuestion(kind, joined.students, classes.size());
    return joined;
}

PrintPlan PreviewOfFirstStudents(const SchoolPrintPlan& joined)
{
    PrintPlan preview;
    preview.copies = joined.plan.copies;
    for (const std::size_t first : joined.firstJobs) {
        if (first >= joined.plan.jobs.size())
            continue;
        const PlannedJob& job = joined.plan.jobs[first];
        PlannedJob shown;
        shown.copy = job.copy;
        shown.annexCode = job.annexCode;
        shown.vonSeite = job.vonSeite;
        shown.bisSeite = job.bisSeite;
        shown.ausgabeziel = kZielVorschau;
        for (const PlannedDocument& doc : job.documents) {
            for (const PlannedSheet& sheet : doc.sheets) {
                // A report series holds the whole class in one document:
                // only the first student's sheet is shown.
                if (sheet.draws.empty() || sheet.draws.front().copy != job.copy)
                    continue;
                PlannedDocument page;
                page.output = PlannedOutput::Preview;
                page.caption = doc.caption;
                page.page = sheet.draws.front().page;
                page.error = doc.error;
                page.sheets.push_back(sheet);
                // The copy of a receipt for the school looks like the first.
                if (!shown.documents.empty() && shown.documents.back().sheets == page.sheets)
                    continue;
                shown.documents.push_back(std::move(page));
            }
        }
        preview.jobs.push_back(std::move(shown));
    }
    return preview;
}

} // namespace ruvek
