#include "dispatch/PrintPlan.h"

#include "classfile/RecordCollection.h"
#include "dispatch/DatenblattPlan.h"
#include "dispatch/DecisionTable.h"
#include "forms/AnnexCatalogue.h"
#include "grades/Annex.h"

#include <algorithm>

namespace ruvek {

namespace {

// The annex lookup reports unknown codes and impossible form variants as
// messages; the plan keeps them to be shown when the job's turn comes.
class NoteCollector : public Prompter {
public:
    explicit NoteCollector(std::vector<PlannedNote>& notes) : notes_(notes) {}
    bool askYesNo(const std::string& text, MessageKind kind) override { return unexpected(text, kind); }
    bool askOkCancel(const std::string& text, MessageKind kind) override { return unexpected(text, kind); }
    void tell(MessageKind kind, const std::string& text) override { notes_.push_back({kind, text}); }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }

private:
    // The lookup asks nothing; should it ever, the question is shown as a
    // note and answered No.
    bool unexpected(const std::string& text, MessageKind kind)
    {
        notes_.push_back({kind, text});
        return false;
    }
    std::vector<PlannedNote>& notes_;
};

std::string pageCaption(const std::string& prefix, const std::string& name, int page, int last)
{
    return prefix + name + "  [Seite: " + std::to_string(page) + " von " + std::to_string(last) + "]";
}

// The list position where a series stops: the first active record from
// `start` on that ends the class (the walk returns the records before it).
std::optional<std::size_t> seriesStop(std::span<const TZgnRec> records, std::size_t start)
{
    for (std::size_t i = start; i < records.size(); ++i)
        if (endsClass(records[i]))
            return i;
    return std::nullopt;
}

class PlanBuilder {
public:
    explicit PlanBuilder(const PlanSettings& settings) : s_(settings) {}

    // A plan of one record keeps its own copy; a series refers to the class.
    std::size_t addCopy(const TZgnRec& rec, long listIndex) { return plan_.copyOf(rec, listIndex); }
    std::size_t addReference(const TZgnRec& rec, long listIndex) { return plan_.referTo(rec, listIndex); }
    const TZgnRec& rec(std::size_t copy) const { return plan_.record(copy); }
    PrintPlan& plan() { return plan_; }
    // The plan is handed over, not copied.
    PrintPlan take() { return std::move(plan_); }

    // The dispatcher: questions, pages and captions of a certificate (or of
    // the receipt from its preview) by the decision table.
    void dispatch(std::size_t copy, int annexCode, int target, bool nachfrage)
    {
        PlannedJob job;
        job.copy = copy;
        job.annexCode = annexCode;
        job.ausgabeziel = target;
        NoteCollector notes(job.notes);
        const FormFileInfo info = AnlageFormFile(annexCode, s_.options, notes);
        const CertificateKind* kind = FindCertificateKind(annexCode);
        if (info.fileName.empty() || !kind) {
            plan_.jobs.push_back(std::move(job));
            return;
        }
        const TZgnRec& r = rec(copy);
        const std::string name = StudentName(r);
        if (target > kZielVorschau && nachfrage) {
            std::string question = "Soll jetzt das " + info.description + "\nfür: " + name + "\ngedruckt werden?";
            if (s_.zeigeFst)
                question += "\n\n[" + info.fileName + "]\n" + info.description;
            job.confirm = question;
        }
        job.vonSeite = kind->firstPage;
        job.bisSeite = kind->lastPage;
        if (target == kZielEinDokument && kind->firstPage == kind->lastPage)
            target = kZielSeitenweise;
        job.ausgabeziel = target;
        const bool half = r.Halbjahr1 == 1;
        const std::string prefix = CaptionPrefix(*kind, half);
        const FormFileInfo form = kind->annexCode == kAnlageEmpfangsbekenntnis ? receiptForm() : info;
        std::optional<std::string> error;
        if (ExamDataMissing(annexCode, r))
            error = kMsgExamData;

        if (target == kZielVorschau || target == kZielSeitenweise) {
            for (int page = kind->firstPage; page <= kind->lastPage; ++page) {
                PlannedDocument doc;
                doc.output = target == kZielVorschau ? PlannedOutput::Preview : PlannedOutput::Printer;
                doc.caption = pageCaption(prefix, name, page, kind->lastPage);
                doc.page = page;
                doc.error = error;
                if (doc.output == PlannedOutput::Printer) {
                    doc.title = TitlePrefix(*kind, half, page) + name;
                    const bool atOnce = s_.options.NurNotwendigeDialoge == 1 && page == kind->firstPage;
                    if (!atOnce)
                        doc.question = "Druck der Seite: " + std::to_string(page) + " von " +
                                       std::to_string(kind->lastPage) + " ?";
                }
                doc.sheets.push_back({{PlannedDraw{copy, annexCode, page, 0, form}}});
                job.documents.push_back(std::move(doc));
            }
        } else if (target == kZielEinDokument) {
            PlannedDocument doc;
            doc.caption = prefix + name + " [Seiten 1+2 von 2]";
            doc.title = TitlePrefix(*kind, half, 0) + name;
            doc.error = error;
            for (int page = kind->firstPage; page <= kind->lastPage; ++page)
                doc.sheets.push_back({{PlannedDraw{copy, annexCode, page, 0, form}}});
            job.documents.push_back(std::move(doc));
        }
        plan_.jobs.push_back(std::move(job));
    }

    // The print job of one page of a certificate without questions.
    void pageJob(std::size_t copy, int annexCode, int page)
    {
        PlannedJob job;
        job.copy = copy;
        job.annexCode = annexCode;
        job.ausgabeziel = kZielSeitenweise;
        job.vonSeite = job.bisSeite = page;
        const CertificateKind* kind = FindCertificateKind(annexCode);
        if (kind) {
            const TZgnRec& r = rec(copy);
            const std::string name = StudentName(r);
            const bool half = r.Halbjahr1 == 1;
            NoteCollector notes(job.notes);
            const FormFileInfo info = AnlageFormFile(annexCode, s_.options, notes);
            PlannedDocument doc;
            doc.title = TitlePrefix(*kind, half, kind->firstPage == kind->lastPage ? 0 : page) + name;
            doc.caption = pageCaption(CaptionPrefix(*kind, half), name, page, kind->lastPage);
            doc.page = page;
            if (ExamDataMissing(annexCode, r))
                doc.error = kMsgExamData;
            doc.sheets.push_back({{PlannedDraw{copy, annexCode, page, 0, info}}});
            job.documents.push_back(std::move(doc));
        }
        plan_.jobs.push_back(std::move(job));
    }

    // The receipt acknowledgement of one student on the printer, with the
    // copy the print options ask for.
    void receiptJob(std::size_t copy)
    {
        PlannedJob job;
        job.copy = copy;
        job.annexCode = kAnlageEmpfangsbekenntnis;
        job.ausgabeziel = kZielSeitenweise;
        job.vonSeite = job.bisSeite = 1;
        const std::string name = StudentName(rec(copy));
        PlannedDocument doc;
        doc.title = "Empfangsbekenntnis: " + name;
        doc.caption = pageCaption("Empfangsbekenntnis: ", name, 1, 1);
        doc.page = 1;
        const PlannedDraw draw{copy, kAnlageEmpfangsbekenntnis, 1, 0, receiptForm()};
        doc.sheets.push_back({{draw}});
        const bool copyToo = s_.options.EmpfKopie == 1;
        if (copyToo && s_.options.EmpfDruckart == 1) {
            // Two A5 receipts on one A4 sheet, the second on the lower half.
            PlannedDraw lower = draw;
            lower.raiseTop = kLowerHalf;
            doc.sheets.front().draws.push_back(lower);
            job.documents.push_back(std::move(doc));
        } else if (copyToo && s_.options.EmpfDruckart == 0) {
            job.documents.push_back(doc);
            job.documents.push_back(std::move(doc));
        } else {
            job.documents.push_back(std::move(doc));
        }
        plan_.jobs.push_back(std::move(job));
    }

    FormFileInfo receiptForm() const { return s_.options.EmpfDruckart == 1 ? kReceiptA5Form : kReceiptA4Form; }

    static constexpr int kLowerHalf = 1485;

private:
    const PlanSettings& s_;
    PrintPlan plan_;
};

int certificateTarget(const PlanSettings& s)
{
    return s.options.Doppelseitig == 1 ? kZielEinDokument : kZielSeitenweise;
}

// The records a series walk passes over as deleted: inactive records between
// `start` and where the series ended.
} // namespace

bool ExamDataMissing(int annexCode, const TZgnRec& rec)
{
    if (!IsExaminationForm(annexCode))
        return false;
    const bool noSubject = rec.PrFach == "---" || rec.PrFach == "???";
    return rec.UePruefung != 1 || (noSubject && YearOfText(rec.SjBeginn.view()) < 2006);
}

std::vector<std::size_t> SeriesStudents(std::span<const TZgnRec> records, std::size_t start, PrintPlan& plan)
{
    std::vector<std::size_t> taken;
    // Records not to be printed in series are passed over before the stop
    // rule looks at them, so only a record the series would take ends it.
    for (const std::size_t i : followingStudents(records, start, false)) {
        if (records[i].NichtDrucken == 1) {
            plan.skipped.push_back({i, SkipReason::NichtDrucken});
            continue;
        }
        if (endsClass(records[i])) {
            plan.stoppedAt = i;
            break;
        }
        taken.push_back(i);
    }
    return taken;
}

void NoteDeletedInSeries(PrintPlan& plan, std::span<const TZgnRec> records, std::size_t start)
{
    const std::size_t end = plan.stoppedAt.value_or(records.size());
    for (std::size_t i = start; i < end; ++i)
        if (records[i].Status != 1)
            plan.skipped.push_back({i, SkipReason::Deleted});
    std::stable_sort(plan.skipped.begin(), plan.skipped.end(),
                     [](const PlannedSkip& a, const PlannedSkip& b) { return a.listIndex < b.listIndex; });
}

std::size_t PrintPlan::referTo(const TZgnRec& rec, long listIndex)
{
    copies.push_back({listIndex, &rec, nullptr});
    return copies.size() - 1;
}

std::size_t PrintPlan::copyOf(const TZgnRec& rec, long listIndex)
{
    auto own = std::make_shared<const TZgnRec>(rec);
    const TZgnRec* held = own.get();
    copies.push_back({listIndex, held, std::move(own)});
    return copies.size() - 1;
}

std::size_t PrintPlan::documentCount() const
{
    std::size_t n = 0;
    for (const PlannedJob& job : jobs)
        n += job.documents.size();
    return n;
}

std::size_t PrintPlan::sheetCount() const
{
    std::size_t n = 0;
    for (const PlannedJob& job : jobs)
        for (const PlannedDocument& doc : job.documents)
            n += doc.sheets.size();
    return n;
}

PrintPlan PlanCertificate(const TZgnRec& rec, long listIndex, bool preview, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    const std::size_t copy = b.addCopy(rec, listIndex);
    const int code = JobAnnexCode(rec);
    if (code == 0) {
        PlannedJob job;
        job.copy = copy;
        job.notes.push_back({MessageKind::Error, kMsgNoCertificate});
        b.plan().jobs.push_back(std::move(job));
        return b.take();
    }
    b.dispatch(copy, code, preview ? kZielVorschau : certificateTarget(settings), true);
    return b.take();
}

namespace {
// Drops the questions per student and per page; returns how many jobs
// have documents.
std::size_t dropStudentQuestions(PrintPlan& plan)
{
    std::size_t certificates = 0;
    for (PlannedJob& job : plan.jobs) {
        job.confirm.reset();
        for (PlannedDocument& doc : job.documents)
            doc.question.reset();
        if (!job.documents.empty())
            ++certificates;
    }
    return certificates;
}
} // namespace

void AskOnceForSeries(PrintPlan& plan)
{
    if (const std::size_t certificates = dropStudentQuestions(plan); certificates > 0)
        plan.seriesQuestion = SeriesQuestion(certificates);
}

std::string SeriesQuestion(std::size_t certificates)
{
    return certificates == 1 ? std::string("Soll jetzt das Zeugnis für 1 Schüler gedruckt werden?")
                             : "Sollen jetzt die Zeugnisse für " + std::to_string(certificates) +
                                   " Schüler gedruckt werden?";
}

namespace {
// One student of the certificate series: the job, or the skip.
void planSeriesStudent(PlanBuilder& b, std::span<const TZgnRec> records, std::size_t i, const PlanSettings& settings)
{
    const TZgnRec& rec = records[i];
    const int code = JobAnnexCode(rec);
    if (code == 0) {
        b.plan().skipped.push_back({i, SkipReason::NoCertificate});
        return;
    }
    b.dispatch(b.addReference(rec, static_cast<long>(i)), code, certificateTarget(settings), true);
}
} // namespace

PrintPlan PlanSeriesCertificate(std::span<const TZgnRec> records, std::size_t listIndex,
                                const PlanSettings& settings)
{
    PlanBuilder b(settings);
    planSeriesStudent(b, records, listIndex, settings);
    return b.take();
}

PrintPlan PlanCertificateSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    PrintPlan& plan = b.plan();
    for (const std::size_t i : SeriesStudents(records, start, plan))
        planSeriesStudent(b, records, i, settings);
    NoteDeletedInSeries(plan, records, start);
    if (settings.options.SerieSeitenweise != 1)
        AskOnceForSeries(plan);
    return b.take();
}

PrintPlan PlanReceipt(const TZgnRec& rec, long listIndex, bool preview, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    const std::size_t copy = b.addCopy(rec, listIndex);
    if (preview)
        b.dispatch(copy, kAnlageEmpfangsbekenntnis, kZielVorschau, true);
    else
        b.receiptJob(copy);
    return b.take();
}

PrintPlan PlanReceiptSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    for (const std::size_t i : followingStudents(records, start))
        b.receiptJob(b.addReference(records[i], static_cast<long>(i)));
    b.plan().stoppedAt = seriesStop(records, start);
    NoteDeletedInSeries(b.plan(), records, start);
    return b.take();
}

PrintPlan PlanSeriesReceipt(std::span<const TZgnRec> records, std::size_t listIndex, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    b.receiptJob(b.addReference(records[listIndex], static_cast<long>(listIndex)));
    return b.take();
}

PrintPlan PlanReport(const TZgnRec& rec, long listIndex, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    const std::size_t copy = b.addCopy(rec, listIndex);
    PlannedJob job;
    job.copy = copy;
    job.annexCode = kAnlageLernentwicklungsbericht;
    job.ausgabeziel = kZielSeitenweise;
    job.vonSeite = job.bisSeite = 1;
    PlannedDocument doc;
    doc.title = "Lernentwicklungsberichte";
    doc.caption = doc.title;
    doc.page = 1;
    doc.sheets.push_back({{PlannedDraw{copy, kAnlageLernentwicklungsbericht, 1, 0, kReportForm}}});
    job.documents.push_back(std::move(doc));
    b.plan().jobs.push_back(std::move(job));
    return b.take();
}

PrintPlan PlanReportSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    PlannedDocument doc;
    doc.title = "Lernentwicklungsberichte";
    doc.caption = doc.title;
    // Serienstatus: 1 starts a sheet, 2 puts the report on the lower half of
    // the sheet; with the "Vermerke" option every report gets its own sheet.
    int serien = 0;
    std::optional<std::size_t> first;
    for (const std::size_t i : followingStudents(records, start)) {
        const std::size_t copy = b.addReference(records[i], static_cast<long>(i));
        if (!first)
            first = copy;
        serien = serien == 1 ? (settings.options.Zensurenkonferenz == 1 ? 1 : 2) : 1;
        PlannedDraw draw{copy, kAnlageLernentwicklungsbericht, 1, 0, kReportForm};
        if (serien == 2) {
            draw.raiseTop = PlanBuilder::kLowerHalf;
            doc.sheets.back().draws.push_back(draw);
        } else {
            doc.sheets.push_back({{draw}});
        }
    }
    if (first) {
        PlannedJob job;
        job.copy = *first;
        job.annexCode = kAnlageLernentwicklungsbericht;
        job.ausgabeziel = kZielSeitenweise;
        job.vonSeite = job.bisSeite = 1;
        job.documents.push_back(std::move(doc));
        b.plan().jobs.push_back(std::move(job));
    }
    b.plan().stoppedAt = seriesStop(records, start);
    NoteDeletedInSeries(b.plan(), records, start);
    return b.take();
}

PrintPlan PlanSeries(SeriesKind kind, std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings)
{
    switch (kind) {
    case SeriesKind::Certificates: return PlanCertificateSeries(records, start, settings);
    case SeriesKind::Receipts: return PlanReceiptSeries(records, start, settings);
    case SeriesKind::Reports: return PlanReportSeries(records, start, settings);
    case SeriesKind::DataSheets: return PlanDatenblattSeries(records, start);
    }
    return {};
}

PrintPlan PlanSeriesInParts(SeriesKind kind, std::span<const TZgnRec> records, std::size_t start,
                            const PlanSettings& settings, const std::function<bool(PrintPlan&)>& take)
{
    PrintPlan whole; // no jobs: the skips and the stop
    switch (kind) {
    case SeriesKind::Certificates:
        for (const std::size_t i : SeriesStudents(records, start, whole)) {
            PrintPlan part = PlanSeriesCertificate(records, i, settings);
            whole.skipped.insert(whole.skipped.end(), part.skipped.begin(), part.skipped.end());
            part.skipped.clear();
            if (part.jobs.empty())
                continue;
            // The series asks once for all or per student and page, as
            // PlanCertificateSeries does.
            if (settings.options.SerieSeitenweise != 1)
                dropStudentQuestions(part);
            if (!take(part))
                return whole;
        }
        NoteDeletedInSeries(whole, records, start);
        return whole;
    case SeriesKind::Receipts:
        for (const std::size_t i : followingStudents(records, start)) {
            PrintPlan part = PlanSeriesReceipt(records, i, settings);
            if (!take(part))
                return whole;
        }
        whole.stoppedAt = seriesStop(records, start);
        NoteDeletedInSeries(whole, records, start);
        return whole;
    case SeriesKind::Reports:
    case SeriesKind::DataSheets: {
        PrintPlan part = PlanSeries(kind, records, start, settings);
        whole.skipped = std::move(part.skipped);
        whole.stoppedAt = part.stoppedAt;
        part.skipped.clear();
        part.stoppedAt.reset();
        if (!part.jobs.empty())
            take(part);
        return whole;
    }
    }
    return whole;
}

PrintPlan PlanPreviewPage(const TDruckAuftrag& job, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    const std::size_t copy = b.addCopy(job.Daten, -1);
    if (job.DruckAnlage == kAnlageEmpfangsbekenntnis)
        b.receiptJob(copy);
    else
        b.pageJob(copy, job.DruckAnlage, job.Seite);
    // From the preview the receipt is printed once, whatever the copy option.
    if (job.DruckAnlage == kAnlageEmpfangsbekenntnis) {
        PlannedDocument& doc = b.plan().jobs.back().documents.front();
        doc.sheets.front().draws.resize(1);
        b.plan().jobs.back().documents.resize(1);
    }
    return b.take();
}

PrintPlan PlanPreviewCertificate(const TDruckAuftrag& job, const PlanSettings& settings)
{
    PlanBuilder b(settings);
    b.dispatch(b.addCopy(job.Daten, -1), job.DruckAnlage, certificateTarget(settings), false);
    return b.take();
}

} // namespace ruvek
