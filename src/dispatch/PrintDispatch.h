#pragma once
// Carries out a print plan: shows the job's messages, asks its questions
// through the prompter, loads the form control files before anything is
// opened, and draws the pages on the printer device or hands them to the
// preview. A document whose form could not be loaded is not opened at all,
// so no blank sheet comes out of the printer.
#include "dispatch/PrintPlan.h"
#include "layouts/CertificatePage.h"
#include "layouts/PageContext.h"
#include "print/FormLoader.h"

#include <functional>
#include <map>
#include <unordered_set>
#include <string>
#include <vector>

namespace ruvek {

// The preview window as the dispatcher sees it: shows one page of the job
// (modally) and draws it with drawPage, on any canvas, as often as it needs.
class PreviewSink {
public:
    using PageDrawer = std::function<void(Canvas&)>;
    // The form control file the page is drawn on, so that the preview can
    // open it for adjusting: its name, and a call that reads it anew (true
    // when it could be read), after which drawPage draws the page with the
    // file as it is now. No name and no call for a page without a form file.
    struct PageForm {
        FormFileInfo info;
        std::function<bool()> reload;
    };
    virtual ~PreviewSink() = default;
    virtual void showPage(const TDruckAuftrag& job, const PageForm& form, const PageDrawer& drawPage) = 0;
};

// What the installation contributes to every page.
struct DispatchEnvironment {
    const TDrkEinstRec& options;
    const TFachKatalog& katalog;
    SchoolType schoolType = SchoolType::NichtAusgewaehlt;
    std::string schulnameCp1252;
    FormFolders folders;
    std::string schulAnschriftCp1252{}; // the school's name and address on the receipt acknowledgement
};

// A text that did not fit its block, with the student it belongs to.
struct CutText {
    std::string student;   // UTF-8 name
    std::string block;
    std::string rest;
    bool operator==(const CutText&) const = default;
};

struct DispatchResult {
    int documents = 0;                     // printer documents closed
    int sheets = 0;                        // printed sheets (pages of the documents)
    int previews = 0;                      // preview pages shown
    std::vector<long> students;            // list positions printed, in order, each once
    std::vector<CutText> cuts;
    std::vector<std::string> missingForms; // form files that could not be loaded
    bool failed = false;                   // a device error was reported; the command stopped
    bool cancelled = false;                // the user cancelled the choice of output
};

class PrintDispatcher {
public:
    // printer: where documents go (may be null for plans that only preview);
    // preview: where preview pages go (may be null for plans that only print).
    PrintDispatcher(const DispatchEnvironment& env, Prompter& prompter, PrintDevice* printer, PreviewSink* preview);

    // Runs the plan. `job` is the program's print job: it holds the record,
    // page and caption of what is being printed while it runs.
    DispatchResult run(const PrintPlan& plan, TDruckAuftrag& job);

    // For a command that prints in several runs (a series planned part by
    // part): the form files loaded, or found missing after their one
    // question, stay from run to run, and a student printed in an earlier
    // run is not listed again. A missing form file is still named in the
    // result of every run that needed it.
    void keepBetweenRuns(bool keep) { keepBetweenRuns_ = keep; }

    // Told before each job of a plan: the job's number (from 0) and the count.
    void setProgress(std::function<void(std::size_t job, std::size_t jobs)> progress) { progress_ = std::move(progress); }

private:
    bool loadForms(const PlannedDocument& doc, DispatchResult& result);
    // The form file of the sheet's first page drawn on one.
    PreviewSink::PageForm pageForm(const PlannedSheet& sheet);
    void drawSheet(Canvas& canvas, const PrintPlan& plan, const PlannedSheet& sheet, std::vector<CutText>* cuts);
    bool print(const PrintPlan& plan, const PlannedDocument& doc, DispatchResult& result);

    const DispatchEnvironment& env_;
    Prompter& prompter_;
    PrintDevice* printer_;
    PreviewSink* preview_;
    std::function<void(std::size_t, std::size_t)> progress_;
    bool keepBetweenRuns_ = false;
    std::map<std::string, LoadedForm> forms_;  // by file name, loaded once per run (or command)
    std::unordered_set<long> printed_;         // the list positions in the result's students
};

// One page of one record: its layout after the shared page preamble, or the
// note " kein Ausdruck verfügbar!!! " for a code whose layout is not built
// in. `form` may be null for such codes. Returns the texts cut on the page.
std::vector<TextCutNotice> DrawPlannedPage(Canvas& canvas, const DispatchEnvironment& env, const LoadedForm* form,
                                           const TZgnRec& rec, int annexCode, int page, int raiseTop);

// The message after a print command that cut texts: who and which field.
std::string CutTextsMessage(const std::vector<CutText>& cuts);

} // namespace ruvek
