// ruvek-cli pdf KLASSE.RVK -o DATEI.pdf [--ab N | --nur N]
//               [--empfangsbekenntnisse | --lernentwicklungsberichte | --datenblaetter]
// The certificates (or the receipt acknowledgements, the learning-development
// reports or the student data sheets) of a class as one PDF file, exactly as
// the series commands of the program print them (same plan, same skip and
// stop rules, same dispatcher), but without questions: everything is
// printed, and missing form control files are reported, never created.
#include "Commands.h"
#include "GuiApplication.h"

#include "classfile/ClassFile.h"
#include "dispatch/DatenblattPlan.h"
#include "dispatch/DecisionTable.h"
#include "dispatch/PrintDispatch.h"
#include "dispatch/SingleDocumentDevice.h"
#include "qtdraw/PdfDevice.h"
#include "settings/ProgEinst.h"

#include <unistd.h>

#include <charconv>
#include <iostream>
#include <map>
#include <optional>

namespace {

constexpr const char* kUsage =
    "Aufruf: ruvek-cli pdf KLASSE.RVK -o DATEI.pdf [--ab N | --nur N]\n"
    "                      [--empfangsbekenntnisse | --lernentwicklungsberichte | --datenblaetter]\n"
    "  --ab N    ab Schüler Nr. N der Liste (ab 1), wie \"für ALLE folgenden Schüler\"\n"
    "  --nur N   nur Schüler Nr. N\n"
    "  --empfangsbekenntnisse      Empfangsbekenntnisse statt Zeugnisse\n"
    "  --lernentwicklungsberichte  Lernentwicklungsberichte für die Zeugniskonferenz\n"
    "  --datenblaetter             Schüler-Datenblätter (eine Seite je Schüler)\n";

enum class What { Zeugnisse, Empfangsbekenntnisse, Lernentwicklungsberichte, Datenblaetter };

std::optional<int> parsePositive(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

// Nobody answers here: the plan's questions are all answered Yes by leaving
// them out, so what remains are the form-file questions, which the tool
// answers No (CliPrompter with defaultAnswer false).
void dropQuestions(ruvek::PrintPlan& plan)
{
    plan.seriesQuestion.reset();
    for (ruvek::PlannedJob& job : plan.jobs) {
        job.confirm.reset();
        for (ruvek::PlannedDocument& doc : job.documents)
            doc.question.reset();
    }
}

const char* skipReasonText(ruvek::SkipReason reason)
{
    switch (reason) {
    case ruvek::SkipReason::Deleted: return "gelöscht";
    case ruvek::SkipReason::NichtDrucken: return "nicht im Serienausdruck";
    case ruvek::SkipReason::NoCertificate: return "kein gültiges Zeugnis";
    }
    return "";
}

} // namespace

int cmdPdf(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> classFile;
    std::optional<int> ab, nur;
    std::string output;
    What what = What::Zeugnisse;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--ab" || a == "--nur") && i + 1 < args.size()) {
            const auto n = parsePositive(args[++i]);
            if (!n) {
                std::cerr << "Die Nummer muss eine ganze Zahl ab 1 sein: " << args[i] << '\n';
                return exitcode::kUnreadable;
            }
            (a == "--ab" ? ab : nur) = n;
        } else if (a == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (a == "--empfangsbekenntnisse") {
            what = What::Empfangsbekenntnisse;
        } else if (a == "--lernentwicklungsberichte") {
            what = What::Lernentwicklungsberichte;
        } else if (a == "--datenblaetter") {
            what = What::Datenblaetter;
        } else if (!classFile && !a.starts_with("-")) {
            classFile = a;
        } else {
            std::cerr << kUsage;
            return exitcode::kUnreadable;
        }
    }
    if (!classFile || output.empty() || (ab && nur)) {
        std::cerr << kUsage;
        return exitcode::kUnreadable;
    }

    CliPrompter& prompter = context.prompter;
    ruvek::ClassFileContent content;
    if (const auto error = ruvek::readClassFile(*classFile, content); error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        return exitcode::kUnreadable;
    }
    const std::size_t count = content.records.size();
    const std::size_t number = static_cast<std::size_t>(nur.value_or(ab.value_or(1)));
    if (number > count) {
        std::cerr << "Die Klasse hat nur " << count << " Schüler.\n";
        return 1;
    }
    const std::size_t start = number - 1;

    const ruvek::Installation& inst = context.installation;
    const ruvek::PlanSettings settings{inst.settings.druck, false};
    const std::span<const ruvek::TZgnRec> records(content.records.data(), count);
    const long index = static_cast<long>(start);
    ruvek::PrintPlan plan;
    switch (what) {
    case What::Zeugnisse:
        plan = nur ? ruvek::PlanCertificate(records[start], index, false, settings)
                   : ruvek::PlanCertificateSeries(records, start, settings);
        break;
    case What::Empfangsbekenntnisse:
        plan = nur ? ruvek::PlanReceipt(records[start], index, false, settings)
                   : ruvek::PlanReceiptSeries(records, start, settings);
        break;
    case What::Lernentwicklungsberichte:
        plan = nur ? ruvek::PlanReport(records[start], index, settings)
                   : ruvek::PlanReportSeries(records, start, settings);
        break;
    case What::Datenblaetter:
        plan = nur ? ruvek::PlanDatenblatt(records[start], index, false) : ruvek::PlanDatenblattSeries(records, start);
        break;
    }
    dropQuestions(plan);
    std::map<int, int> withoutLayout; // annex code -> students
    for (const ruvek::PlannedJob& job : plan.jobs)
        if (!job.documents.empty() && job.annexCode != ruvek::kAnlageDatenblatt && !ruvek::LayoutOf(job.annexCode))
            ++withoutLayout[job.annexCode];
    for (const auto& [code, students] : withoutLayout)
        std::cerr << "Für die Anlage " << code << " gibt es noch kein Zeugnis-Layout: " << students
                  << " Schüler erhalten nur eine Hinweisseite \"kein Ausdruck verfügbar\".\n";

    const auto app = makeGuiApplication();
    ruvek::PdfDevice pdf(output);
    ruvek::SingleDocumentDevice device([&pdf](const std::string&) { return &pdf; }, pdf.deviceCaps());
    const ruvek::DispatchEnvironment env{inst.settings.druck, inst.katalog, inst.schoolType(),
                                         ruvek::SchulnameText(inst.settings.prog),
                                         {inst.settings.programFolder, inst.settings.dataFolder},
                                         inst.settings.schule.SchulAnschrift.str()};
    prompter.defaultAnswer = false; // never create a missing form file
    ruvek::PrintDispatcher dispatcher(env, prompter, &device, nullptr);
    const bool terminal = isatty(STDERR_FILENO) == 1;
    if (terminal && plan.jobs.size() > 3)
        dispatcher.setProgress([](std::size_t job, std::size_t jobs) {
            std::cerr << "\rSchüler " << job + 1 << " von " << jobs << " ..." << std::flush;
        });
    ruvek::TDruckAuftrag job;
    const ruvek::DispatchResult result = dispatcher.run(plan, job);
    if (terminal && plan.jobs.size() > 3)
        std::cerr << "\r\033[K";
    if (result.failed)
        return 1;
    if (const ruvek::DeviceResult written = device.finish(); !written) {
        std::cerr << "Fehler: " << written.error << '\n';
        return 1;
    }

    for (const ruvek::PlannedSkip& skip : plan.skipped)
        std::cerr << "übersprungen: Nr. " << skip.listIndex + 1 << " ("
                  << ruvek::StudentName(content.records[skip.listIndex]) << "), " << skipReasonText(skip.reason)
                  << '\n';
    if (plan.stoppedAt)
        std::cerr << "Serie endet bei Nr. " << *plan.stoppedAt + 1 << " (Schüler ohne Namen)\n";
    for (const std::string& form : result.missingForms)
        std::cerr << "Formular-Datei fehlt: " << form << " (nicht erzeugt, diese Zeugnisse fehlen)\n";
    for (const ruvek::CutText& cut : result.cuts)
        std::cerr << "Text gekürzt: " << cut.student << ", " << cut.block << ", nicht gedruckt: \"" << cut.rest
                  << "\"\n";
    if (result.sheets == 0) {
        std::cerr << "Nichts zu drucken: es wurde keine PDF-Datei geschrieben.\n";
        return 1;
    }
    std::cout << "PDF geschrieben: " << output << " (" << result.sheets << " Seiten, " << result.students.size()
              << " Schüler, " << plan.skipped.size() << " übersprungen, " << result.cuts.size()
              << " gekürzte Texte)\n";
    return result.missingForms.empty() ? 0 : 1;
}
