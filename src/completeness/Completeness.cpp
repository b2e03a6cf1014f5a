#include "completeness/Completeness.h"

#include "common/Cp1252.h"
#include "common/FileLookup.h"
#include "completeness/FieldCaption.h"
#include "completeness/RecordChecks.h"
#include "dispatch/DecisionTable.h"
#include "forms/AnnexCatalogue.h"
#include "dispatch/PrintPlan.h"
#include "editor/EditorControls.h"
#include "layouts/CertificatePage.h"
#include "layouts/ExamTables.h"
#include "print/RecordingCanvas.h"
#include "settings/ProgEinst.h"

#include <algorithm>
#include <map>
#include <optional>

namespace ruvek {
namespace {

using editor::ControlId;

std::string name(ControlId c) { return std::string(editor::controlName(c)); }

// Takes the messages of a form file that is read for checking; there is
// nobody to ask, and every question is answered No.
class MessageCollector : public Prompter {
public:
    bool askYesNo(const std::string& text, MessageKind) override { return keep(text); }
    bool askOkCancel(const std::string& text, MessageKind) override { return keep(text); }
    void tell(MessageKind, const std::string& text) override { keep(text); }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }
    std::vector<std::string> messages;

private:
    bool keep(const std::string& text)
    {
        messages.push_back(text);
        return false;
    }
};

// A form control file as the check sees it: where it lies, and the form read
// from there (not loaded when it is missing or unreadable).
struct CheckedForm {
    std::optional<std::filesystem::path> folder;
    LoadedForm form;
    std::vector<std::string> messages;
};

// The folder a print would read the file from: with the print option
// FstKopien the school's copies in the data folder come first.
std::optional<std::filesystem::path> formFolder(const std::string& fileName, const Installation& inst)
{
    const auto& s = inst.settings;
    const bool copies = s.druck.FstKopien == 1;
    for (const auto& folder : {copies ? s.dataFolder : s.programFolder, copies ? s.programFolder : s.dataFolder})
        if (findFileIgnoringCase(folder, fileName))
            return folder;
    return std::nullopt;
}

// Reads the file from the folder a print would use. Both folders are given
// as that one and copies are switched off, so the loader neither copies nor
// creates a file.
CheckedForm checkForm(const FormFileInfo& info, const Installation& inst)
{
    CheckedForm c;
    c.folder = formFolder(info.fileName, inst);
    if (!c.folder)
        return c;
    TDrkEinstRec options = inst.settings.druck;
    options.FstKopien = 0;
    MessageCollector collector;
    c.form = LoadCertificateForm(info, {*c.folder, *c.folder}, options, collector);
    c.messages = std::move(collector.messages);
    return c;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The block names under which the layouts report texts that did not fit.
std::optional<std::pair<const char*, ControlId>> textField(const std::string& block)
{
    if (block == "Lernentwicklungsbericht")
        return std::pair{page::Text, ControlId::Memo2};
    if (block == "Vermerke")
        return std::pair{page::Vermerke, ControlId::Memo3};
    return std::nullopt;
}

std::string shortened(const std::string& utf8)
{
    constexpr std::size_t kShown = 40;
    std::size_t chars = 0, i = 0;
    for (; i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && ++chars > kShown)
            break;
    return i < utf8.size() ? utf8.substr(0, i) + " …" : utf8;
}

class Checker {
public:
    Checker(std::span<const TZgnRec> records, const Installation& inst)
        : records_(records), inst_(inst),
          env_{inst.settings.druck, inst.katalog, inst.schoolType(), SchulnameText(inst.settings.prog)}
    {
    }

    std::vector<Finding> run()
    {
        // The certificate series student by student: the plan of one
        // student at a time, whatever the size of the class.
        const PlanSettings settings{inst_.settings.druck, false};
        PrintPlan walk;
        for (const std::size_t i : SeriesStudents(records_, 0, walk)) {
            const PrintPlan plan = PlanSeriesCertificate(records_, i, settings);
            for (const PlannedSkip& skip : plan.skipped)
                if (skip.reason == SkipReason::NoCertificate) {
                    const TZgnRec& rec = records_[skip.listIndex];
                    add(skip.listIndex, rec, {page::Kopf, name(ControlId::Edit7),
                                              "Kein gültiges Zeugnisformular (Anlage 0): Kopfdaten prüfen"});
                    addAll(skip.listIndex, rec, CheckHeadAndFoot(rec));
                }
            for (const PlannedJob& job : plan.jobs)
                checkJob(plan, job);
        }
        std::stable_sort(out_.begin(), out_.end(),
                         [](const Finding& a, const Finding& b) { return a.listIndex < b.listIndex; });
        return out_;
    }

private:
    void checkJob(const PrintPlan& plan, const PlannedJob& job)
    {
        const std::size_t listIndex = static_cast<std::size_t>(plan.copies.at(job.copy).listIndex);
        const TZgnRec& rec = plan.record(job.copy);
        if (job.documents.empty()) {
            // The annex lookup found no form for the code: not yet determined.
            add(listIndex, rec, {page::Kopf, name(ControlId::Edit7),
                                 "Zeugnisformular nicht bestimmt (Anlage " + std::to_string(rec.Anlage) +
                                     "): Kopfdaten prüfen"});
            addAll(listIndex, rec, CheckHeadAndFoot(rec));
            return;
        }
        addAll(listIndex, rec, CheckHeadAndFoot(rec));
        addAll(listIndex, rec, CheckSubjectRows(rec, inst_.schoolType()));
        bool examReported = false;
        for (const PlannedDocument& doc : job.documents) {
            if (doc.error && !examReported) {
                examReported = true;
                const ControlId field = rec.UePruefung != 1 ? ControlId::CheckBox5 : ControlId::ComboBox38;
                add(listIndex, rec, {page::Faecher, name(field), *doc.error});
            }
            // The examination subjects the certificate's table could not find
            // (the print job says so before printing, too).
            if (IsExaminationForm(job.annexCode) && !examReported) {
                examReported = true;
                const ExamSubjects exam = FindExamSubjects(rec, inst_.katalog, inst_.schoolType());
                if (exam.error != ExamSubjectError::None)
                    add(listIndex, rec, {page::Faecher, name(ControlId::ComboBox38),
                                         firstLine(ExamSubjectsMessage(exam.error))});
            }
            for (const PlannedSheet& sheet : doc.sheets)
                for (const PlannedDraw& draw : sheet.draws)
                    checkPage(listIndex, rec, draw);
        }
    }

    // The form of the page, and the texts the layout could not fit on it.
    void checkPage(std::size_t listIndex, const TZgnRec& rec, const PlannedDraw& draw)
    {
        auto it = forms_.find(draw.form.fileName);
        if (it == forms_.end())
            it = forms_.emplace(draw.form.fileName, checkForm(draw.form, inst_)).first;
        const CheckedForm& form = it->second;
        const std::string pageText = " (Seite " + std::to_string(draw.page) + ")";
        if (!form.folder) {
            addOnce(listIndex, rec, {page::Kopf, name(ControlId::Edit7),
                                     "Formular-Datei " + draw.form.fileName +
                                         " fehlt (weder im Daten- noch im Programmordner)"});
            return;
        }
        for (const std::string& message : form.messages)
            addOnce(listIndex, rec, {page::Kopf, name(ControlId::Edit7),
                                     "Formular-Datei " + draw.form.fileName + ": " + firstLine(message)});
        if (!form.form.loaded)
            return;
        const LayoutRoutine layout = LayoutOf(draw.annexCode);
        if (!layout) {
            addOnce(listIndex, rec, {page::Kopf, name(ControlId::Edit7),
                                     "Für " + draw.form.description + " ist noch kein Ausdruck eingebaut"});
            return;
        }
        RecordingCanvas canvas;
        for (const TextCutNotice& cut :
             DrawCertificatePage(canvas, env_, form.form, layout, rec, draw.annexCode, draw.page)) {
            const auto field = textField(cut.block);
            add(listIndex, rec, {field ? field->first : page::Text, name(field ? field->second : ControlId::Memo2),
                                 cut.block + " passt nicht in die Zeilen des Formulars" + pageText +
                                     "; nicht gedruckt: \u201E" + shortened(cut.rest) + "\u201C"});
        }
    }

    void add(std::size_t listIndex, const TZgnRec& rec, RecordFinding f)
    {
        std::string caption = FieldCaption(f.field);
        out_.push_back({listIndex, StudentName(rec), std::move(f.page), std::move(f.field), std::move(f.text),
                        std::move(caption)});
    }
    void addAll(std::size_t listIndex, const TZgnRec& rec, std::vector<RecordFinding> fs)
    {
        for (RecordFinding& f : fs)
            add(listIndex, rec, std::move(f));
    }
    // Form findings are the same for every page of a certificate.
    void addOnce(std::size_t listIndex, const TZgnRec& rec, RecordFinding f)
    {
        const bool known = std::any_of(out_.begin(), out_.end(), [&](const Finding& o) {
            return o.listIndex == listIndex && o.text == f.text;
        });
        if (!known)
            add(listIndex, rec, std::move(f));
    }

    std::span<const TZgnRec> records_;
    const Installation& inst_;
    CertificateEnvironment env_;
    std::map<std::string, CheckedForm> forms_;
    std::vector<Finding> out_;
};

} // namespace

std::vector<Finding> CheckCompleteness(std::span<const TZgnRec> records, const Installation& installation)
{
    return Checker(records, installation).run();
}

} // namespace ruvek
