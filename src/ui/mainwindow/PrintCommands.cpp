#include "ui/mainwindow/PrintCommands.h"

#include "dispatch/DatenblattPlan.h"
#include "dispatch/PrintDispatch.h"
#include "dispatch/SingleDocumentDevice.h"
#include "print/FormLoader.h"
#include "qtdraw/PdfDevice.h"
#include "qtdraw/PrinterDevice.h"
#include "settings/ProgEinst.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/print/PreViewForm.h"

#include <QPrinter>

#include <memory>
#include <optional>

namespace ruvek::ui {

namespace {

// The print job of the program and the commands that fill it. It lives as a
// child of the main window.
class PrintCommands : public QObject, public PreviewSink {
public:
    explicit PrintCommands(TMainForm& main) : QObject(&main), main_(main) {}

    void install()
    {
        ActionRegistry& a = main_.actions();
        a.setHandler(Command::Certificate, [this] { run(PlanCertificate(current(), index(), false, settings())); });
        a.setHandler(Command::CertificatePreview, [this] { run(PlanCertificate(current(), index(), true, settings())); });
        a.setHandler(Command::CertificateSeries, [this] { run(PlanCertificateSeries(records(), start(), settings())); });
        a.setHandler(Command::Receipt, [this] { run(PlanReceipt(current(), index(), false, settings())); });
        a.setHandler(Command::ReceiptPreview, [this] { run(PlanReceipt(current(), index(), true, settings())); });
        a.setHandler(Command::ReceiptSeries, [this] { run(PlanReceiptSeries(records(), start(), settings())); });
        a.setHandler(Command::Report, [this] { run(PlanReport(current(), index(), settings())); });
        a.setHandler(Command::ReportSeries,
                     [this] { run(PlanReportSeries(records(), start(), settings())); });
        // The data sheet of one student is a checklist to look at: it opens
        // in the preview, whose buttons print it.
        a.setHandler(Command::Datasheet, [this] { run(PlanDatenblatt(current(), index(), true)); });
        a.setHandler(Command::DatasheetSeries, [this] { run(PlanDatenblattSeries(records(), start())); });
    }

    void showPage(const TDruckAuftrag& job, const PageForm& form, const PageDrawer& drawPage) override
    {
        TPreViewForm& preview = previewForm();
        std::function<void()> editForm;
        if (form.reload)
            editForm = [this, &preview, job, form] { editPreviewedForm(preview, job, form); };
        preview.setFormEditor(std::move(editForm));
        preview.showPageModal(job, drawPage);
        preview.setFormEditor({});
    }

private:
    // The form editor on the file the page shown is drawn on, for the
    // student shown; afterwards the page is drawn with the file as it is.
    void editPreviewedForm(TPreViewForm& preview, const TDruckAuftrag& job, const PageForm& form)
    {
        const Settings& s = main_.state().settings;
        const auto file = FindFormFile(form.info.fileName, {s.programFolder, s.dataFolder}, s.druck);
        if (!file) {
            main_.prompter().error("Die Formular-Datei " + form.info.fileName + " wurde nicht gefunden.");
            return;
        }
        main_.openFormEditor(*file, job.Daten, job.DruckAnlage, job.Seite == 2 ? 2 : 1);
        if (form.reload())
            preview.redrawPage();
    }

    std::span<const TZgnRec> records() const
    {
        const auto& list = main_.klasse().records;
        return {list.data(), list.size()};
    }
    std::size_t start() const { return static_cast<std::size_t>(std::max(main_.klasse().current, 0)); }
    long index() const { return static_cast<long>(start()); }
    // The print commands print the current record as last stored.
    const TZgnRec& current() const { return records()[start()]; }
    PlanSettings settings() const
    {
        const Settings& s = main_.state().settings;
        return {s.druck, s.prog.ZeigeFst == 1};
    }

    TPreViewForm& previewForm()
    {
        ApplicationForms& forms = main_.forms();
        if (!forms.preView) {
            PrinterDevice& printer = main_.printerDevice();
            forms.preView = new TPreViewForm(
                {[&printer] { return paperGeometryOf(printer.printer()); }, [&printer] { return printer.deviceCaps(); }},
                &main_);
        }
        TPreViewForm& preview = *forms.preView;
        preview.setCommands({[this] { main_.FilePrintSetup(); },
                             [this] { printFromPreview(previewPagePlan()); },
                             [this] { printFromPreview(previewDocumentPlan()); },
                             [this] { main_.DruckOptionen1Click(); }});
        return preview;
    }

    // What the preview's print buttons print: the page shown, or the whole
    // certificate; a data sheet is one page either way.
    PrintPlan previewPagePlan() const
    {
        return job_.DruckAnlage == kAnlageDatenblatt ? datenblattFromPreview() : PlanPreviewPage(job_, settings());
    }
    PrintPlan previewDocumentPlan() const
    {
        return job_.DruckAnlage == kAnlageDatenblatt ? datenblattFromPreview()
                                                     : PlanPreviewCertificate(job_, settings());
    }
    // Asked for in the preview, so printed without a further question.
    PrintPlan datenblattFromPreview() const
    {
        PrintPlan plan = PlanDatenblatt(job_.Daten, -1, false);
        for (PlannedJob& job : plan.jobs)
            job.confirm.reset();
        return plan;
    }

    // Printing from the preview leaves the job as the preview shows it.
    void printFromPreview(const PrintPlan& plan)
    {
        const TDruckAuftrag saved = job_;
        run(plan);
        job_ = saved;
    }

public:
    // Carries the plan out: to the printer, or without one into one PDF file
    // for the whole command, chosen when the first document opens and
    // proposed under `fileTitle` (empty: the title of that document).
    void run(const PrintPlan& plan, const std::string& fileTitle = {})
    {
        ProgramState& state = main_.state();
        Prompter& prompter = main_.prompter();
        PrinterDevice& printer = main_.printerDevice();
        const DispatchEnvironment env{state.settings.druck, state.katalog, state.schoolType(),
                                      SchulnameText(state.settings.prog),
                                      {state.settings.programFolder, state.settings.dataFolder},
                                      state.settings.schule.SchulAnschrift.str()};
        std::unique_ptr<PdfDevice> file;
        std::optional<SingleDocumentDevice> merged;
        PrintDevice* device = &printer;
        if (printer.needsOutputFile()) {
            merged.emplace(
                [&](const std::string& title) -> PrintDevice* {
                    FileDialogRequest request;
                    request.title = "Ausdruck als PDF-Datei speichern";
                    request.folder = state.klasse.dataFolder;
                    request.filter = "PDF-Dokument (*.pdf)|*.pdf";
                    request.proposedName = fileNameForTitle(fileTitle.empty() ? title : fileTitle, ".pdf");
                    const auto chosen = prompter.chooseSaveFile(request);
                    if (!chosen)
                        return nullptr;
                    QPrinter& q = printer.printer();
                    file = std::make_unique<PdfDevice>(*chosen, q.resolution(), q.pageLayout(),
                                                       printer.deviceCaps().colors);
                    return file.get();
                },
                printer.deviceCaps());
            device = &*merged;
        }
        PrintDispatcher dispatcher(env, prompter, device, this);
        const DispatchResult result = dispatcher.run(plan, job_);
        if (merged) {
            // A failed or cancelled command leaves no file: the PDF is
            // discarded with its device.
            if (!result.failed && !result.cancelled) {
                if (const DeviceResult written = merged->finish(); !written)
                    prompter.error(written.error);
                else if (file)
                    prompter.information("Der Ausdruck wurde als PDF-Datei gespeichert:\n" + file->file().string());
            }
        } else if (printer.isOpen()) {
            (void)printer.endDocument(); // a printer job ends with what was sent
        }
        if (!result.cuts.empty())
            prompter.warning(CutTextsMessage(result.cuts));
    }

private:
    TMainForm& main_;
    TDruckAuftrag job_;
};

} // namespace

PrintPlanRunner installPrintCommands(TMainForm& main)
{
    auto* commands = new PrintCommands(main);
    commands->install();
    return [commands](const PrintPlan& plan, const std::string& title) { commands->run(plan, title); };
}

} // namespace ruvek::ui
