#include "dispatch/PrintDispatch.h"

#include "dispatch/DatenblattPlan.h"
#include "dispatch/DecisionTable.h"
#include "forms/AnnexCatalogue.h"
#include "layouts/ExamTables.h"
#include "layouts/LayoutDatenblatt.h"
#include "layouts/SheetPage.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace ruvek {

namespace {

// The transfer-examination certificate: examination subjects that cannot be
// determined are told before the page is drawn; the page only leaves them out.
void tellExamSubjectErrors(Prompter& prompter, const DispatchEnvironment& env, int annexCode, const TZgnRec& rec)
{
    if (!IsExaminationForm(annexCode))
        return;
    const ExamSubjects exam = FindExamSubjects(rec, env.katalog, env.schoolType);
    if (exam.error != ExamSubjectError::None)
        prompter.error(ExamSubjectsMessage(exam.error));
}

} // namespace

PrintDispatcher::PrintDispatcher(const DispatchEnvironment& env, Prompter& prompter, PrintDevice* printer,
                                 PreviewSink* preview)
    : env_(env), prompter_(prompter), printer_(printer), preview_(preview)
{
}

std::vector<TextCutNotice> DrawPlannedPage(Canvas& canvas, const DispatchEnvironment& env, const LoadedForm* form,
                                           const TZgnRec& rec, int annexCode, int page, int raiseTop)
{
    // The data sheet is plain paper with a geometry of its own.
    if (annexCode == kAnlageDatenblatt)
        return LayoutDatenblatt(canvas, {env.options, env.schulnameCp1252}, rec);
    const CertificateKind* kind = PrintedKind(annexCode);
    const LayoutRoutine layout = kind ? kind->layout : nullptr;
    if (!layout || !form) {
        FontSpec font;
        font.face = "Arial";
        font.cellHeight = 100;
        canvas.setFont(font);
        canvas.setTextAlign(TextAlign::Center);
        canvas.textOut(800, -500, kNoLayoutText);
        return {};
    }
    // The lower half of a sheet: the page origins move down.
    TDrkEinstRec options = env.options;
    options.RandOben = static_cast<decltype(options.RandOben)>(options.RandOben + raiseTop);
    const CertificateEnvironment certEnv{options, env.katalog, env.schoolType, env.schulnameCp1252,
                                         env.folders.program, env.schulAnschriftCp1252};
    if (!kind->certificatePreamble)
        return DrawSheetPage(canvas, certEnv, *form, layout, rec, annexCode);
    return DrawCertificatePage(canvas, certEnv, *form, layout, rec, annexCode, page);
}

bool PrintDispatcher::loadForms(const PlannedDocument& doc, DispatchResult& result)
{
    bool all = true;
    for (const PlannedSheet& sheet : doc.sheets) {
        for (const PlannedDraw& draw : sheet.draws) {
            if (!LayoutOf(draw.annexCode) || draw.form.fileName.empty())
                continue;
            auto found = forms_.find(draw.form.fileName);
            if (found == forms_.end())
                found = forms_
                            .emplace(draw.form.fileName,
                                     LoadCertificateForm(draw.form, env_.folders, env_.options, prompter_))
                            .first;
            if (!found->second.loaded) {
                all = false;
                if (std::find(result.missingForms.begin(), result.missingForms.end(), draw.form.fileName) ==
                    result.missingForms.end())
                    result.missingForms.push_back(draw.form.fileName);
            }
        }
    }
    return all;
}

PreviewSink::PageForm PrintDispatcher::pageForm(const PlannedSheet& sheet)
{
    PreviewSink::PageForm form;
    for (const PlannedDraw& draw : sheet.draws) {
        if (!LayoutOf(draw.annexCode) || draw.form.fileName.empty())
            continue;
        form.info = draw.form;
        form.reload = [this, info = draw.form] {
            LoadedForm loaded = LoadCertificateForm(info, env_.folders, env_.options, prompter_);
            if (!loaded.loaded)
                return false;
            forms_[info.fileName] = std::move(loaded);
            return true;
        };
        break;
    }
    return form;
}

void PrintDispatcher::drawSheet(Canvas& canvas, const PrintPlan& plan, const PlannedSheet& sheet,
                                std::vector<CutText>* cuts)
{
    for (const PlannedDraw& draw : sheet.draws) {
        const auto found = forms_.find(draw.form.fileName);
        const LoadedForm* form = found == forms_.end() ? nullptr : &found->second;
        const TZgnRec& rec = plan.record(draw.copy);
        const auto notices = DrawPlannedPage(canvas, env_, form, rec, draw.annexCode, draw.page, draw.raiseTop);
        if (cuts)
            for (const TextCutNotice& n : notices)
                cuts->push_back({StudentName(rec), n.block, n.rest});
    }
}

bool PrintDispatcher::print(const PrintPlan& plan, const PlannedDocument& doc, DispatchResult& result)
{
    auto stop = [&](const DeviceResult& r) {
        if (r.error.empty())
            result.cancelled = true;
        else
            prompter_.error(r.error);
        result.failed = !r.error.empty();
        return false;
    };
    if (!printer_)
        return stop(DeviceResult::failure("Es ist kein Drucker eingerichtet."));
    printer_->setTitle(doc.title);
    if (DeviceResult opened = printer_->beginDocument(); !opened)
        return stop(opened);
    std::vector<CutText> cuts;
    try {
        for (std::size_t k = 0; k < doc.sheets.size(); ++k) {
            if (k > 0)
                if (DeviceResult next = printer_->newPage(); !next)
                    return stop(next);
            Canvas& canvas = printer_->canvas();
            canvas.setMetricMapping();
            drawSheet(canvas, plan, doc.sheets[k], &cuts);
        }
    } catch (const std::exception& e) {
        return stop(DeviceResult::failure(std::string("Fehler beim Drucken:\n") + e.what()));
    }
    if (DeviceResult closed = printer_->endDocument(); !closed)
        return stop(closed);
    ++result.documents;
    result.sheets += static_cast<int>(doc.sheets.size());
    result.cuts.insert(result.cuts.end(), cuts.begin(), cuts.end());
    for (const PlannedSheet& sheet : doc.sheets)
        for (const PlannedDraw& draw : sheet.draws) {
            const long index = plan.copies.at(draw.copy).listIndex;
            if (printed_.insert(index).second)
                result.students.push_back(index);
        }
    return true;
}

DispatchResult PrintDispatcher::run(const PrintPlan& plan, TDruckAuftrag& job)
{
    DispatchResult result;
    if (!keepBetweenRuns_) {
        forms_.clear();
        printed_.clear();
    }
    if (plan.seriesQuestion && !prompter_.askYesNo(*plan.seriesQuestion))
        return result;
    for (const PlannedJob& planned : plan.jobs) {
        if (progress_)
            progress_(static_cast<std::size_t>(&planned - plan.jobs.data()), plan.jobs.size());
        for (const PlannedNote& note : planned.notes)
            prompter_.tell(note.kind, note.text);
        if (planned.confirm && !prompter_.askYesNo(*planned.confirm))
            continue;
        ResetDruckAuftrag(job);
        job.Daten = plan.record(planned.copy);
        job.DruckAnlage = static_cast<std::uint16_t>(planned.annexCode);
        job.VonSeite = static_cast<std::uint16_t>(planned.vonSeite);
        job.BisSeite = static_cast<std::uint16_t>(planned.bisSeite);
        job.Ausgabeziel = static_cast<std::int16_t>(planned.ausgabeziel);
        bool examSubjectsChecked = false; // once per job
        for (const PlannedDocument& doc : planned.documents) {
            job.Seite = static_cast<std::uint16_t>(doc.page);
            job.Titel = doc.caption;
            if (doc.question && !prompter_.askYesNo(*doc.question))
                continue;
            if (doc.error) {
                prompter_.error(*doc.error);
                continue;
            }
            // Questions about the form files come now, once, before the
            // document is opened or the preview shown.
            if (!loadForms(doc, result))
                continue;
            if (!std::exchange(examSubjectsChecked, true))
                tellExamSubjectErrors(prompter_, env_, planned.annexCode, plan.record(planned.copy));
            if (doc.output == PlannedOutput::Preview) {
                if (!preview_ || doc.sheets.empty())
                    continue;
                const PlannedSheet& sheet = doc.sheets.front();
                preview_->showPage(job, pageForm(sheet),
                                   [this, &plan, &sheet](Canvas& canvas) { drawSheet(canvas, plan, sheet, nullptr); });
                ++result.previews;
            } else if (!print(plan, doc, result)) {
                return result;
            }
        }
    }
    return result;
}

std::string CutTextsMessage(const std::vector<CutText>& cuts)
{
    std::string text = "Folgende Texte passten nicht vollständig in ihr Feld und wurden gekürzt gedruckt:\n";
    for (const CutText& cut : cuts)
        text += "\n" + cut.student + " – " + cut.block + ": nicht gedruckt \"" + cut.rest + "\"";
    text += "\n\nBitte kürzen Sie diese Texte und drucken Sie die Zeugnisse erneut,\n"
            "bevor sie ausgegeben werden.";
    return text;
}

} // namespace ruvek
