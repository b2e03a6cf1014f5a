// ruvek-cli pdf KLASSE.RVK|ORDNER... -o DATEI.pdf|ORDNER/ [--ab N | --nur N]
//               [--empfangsbekenntnisse | --lernentwicklungsberichte | --datenblaetter]
// The certificates (or the receipt acknowledgements, the learning-development
// reports or the student data sheets) of a class as one PDF file, exactly as
// the series commands of the program print them (same plan, same skip and
// stop rules, same dispatcher), but without questions: everything is
// printed, and missing form control files are reported, never created.
//
// The office prints many classes in one run: class files and folders of
// class files, either into one PDF for all (-o DATEI.pdf) or one PDF per
// class into a folder (-o ORDNER/, named after the class file). A class
// that cannot be read or printed is reported in its place and the others
// are still printed; the exit code is the worst of the classes.
#include "ClassFileCommands.h"
#include "GuiApplication.h"

#include "classfile/ClassFile.h"
#include "dispatch/DatenblattPlan.h"
#include "dispatch/DecisionTable.h"
#include "dispatch/PrintDispatch.h"
#include "dispatch/SingleDocumentDevice.h"
#include "qtdraw/PdfDevice.h"
#include "settings/ProgEinst.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Aufruf: ruvek-cli pdf KLASSE.RVK|ORDNER... -o DATEI.pdf|ORDNER/ [--ab N | --nur N]\n"
    "                      [--empfangsbekenntnisse | --lernentwicklungsberichte | --datenblaetter]\n"
    "  --ab N    ab Schüler Nr. N der Liste (ab 1), wie \"für ALLE folgenden Schüler\"\n"
    "  --nur N   nur Schüler Nr. N\n"
    "  --empfangsbekenntnisse      Empfangsbekenntnisse statt Zeugnisse\n"
    "  --lernentwicklungsberichte  Lernentwicklungsberichte für die Zeugniskonferenz\n"
    "  --datenblaetter             Schüler-Datenblätter (eine Seite je Schüler)\n"
    "  Mehrere Klassen: -o DATEI.pdf schreibt eine PDF-Datei für alle,\n"
    "  -o ORDNER/ eine PDF-Datei je Klasse (benannt wie die Klassendatei).\n";

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

struct Options {
    std::optional<int> ab, nur;
    ruvek::SeriesKind what = ruvek::SeriesKind::Certificates;
};

// What one class put into the output.
struct ClassOutcome {
    int exitCode = 0;
    bool completed = false; // read and printed to the end (maybe with findings)
    int sheets = 0;
    std::size_t students = 0, skipped = 0, cuts = 0;
};

// The plan of the one student of --nur.
ruvek::PrintPlan planOne(std::span<const ruvek::TZgnRec> records, std::size_t index, ruvek::SeriesKind what,
                         const ruvek::PlanSettings& settings)
{
    const ruvek::TZgnRec& rec = records[index];
    const long listIndex = static_cast<long>(index);
    switch (what) {
    case ruvek::SeriesKind::Certificates: return ruvek::PlanCertificate(rec, listIndex, false, settings);
    case ruvek::SeriesKind::Receipts: return ruvek::PlanReceipt(rec, listIndex, false, settings);
    case ruvek::SeriesKind::Reports: return ruvek::PlanReport(rec, listIndex, settings);
    case ruvek::SeriesKind::DataSheets: return ruvek::PlanDatenblatt(rec, listIndex, false);
    }
    return {};
}

// Hands the plan of what is printed to `take` part by part (the series one
// student at a time, so that a class of thousands is never planned at
// once) and returns the records passed over and where the series stopped.
ruvek::PrintPlan planInParts(std::span<const ruvek::TZgnRec> records, std::size_t start, const Options& options,
                             const ruvek::PlanSettings& settings, const std::function<bool(ruvek::PrintPlan&)>& take)
{
    if (!options.nur)
        return ruvek::PlanSeriesInParts(options.what, records, start, settings, take);
    ruvek::PrintPlan plan = planOne(records, start, options.what, settings);
    ruvek::PrintPlan whole;
    whole.skipped = std::move(plan.skipped);
    whole.stoppedAt = plan.stoppedAt;
    take(plan);
    return whole;
}

// The results of the runs of one class, as one run of its whole plan would
// have given them: each missing form file named once.
void addRun(ruvek::DispatchResult& total, ruvek::DispatchResult&& run)
{
    total.documents += run.documents;
    total.sheets += run.sheets;
    total.previews += run.previews;
    total.students.insert(total.students.end(), run.students.begin(), run.students.end());
    std::move(run.cuts.begin(), run.cuts.end(), std::back_inserter(total.cuts));
    for (std::string& form : run.missingForms)
        if (std::find(total.missingForms.begin(), total.missingForms.end(), form) == total.missingForms.end())
            total.missingForms.push_back(std::move(form));
    total.failed = total.failed || run.failed;
    total.cancelled = total.cancelled || run.cancelled;
}

// Prints one class into `device` (which may already hold other classes'
// pages) and reports what was skipped, cut or missing. `finish` closes the
// device's file before the report (one file per class); the caller closes a
// shared one.
ClassOutcome printClass(const std::string& classFile, const Options& options, CliContext& context,
                        ruvek::SingleDocumentDevice& device, bool finish)
{
    CliPrompter& prompter = context.prompter;
    ruvek::ClassFileContent content;
    if (const auto error = ruvek::readClassFile(classFile, content); error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        return {exitcode::kUnreadable};
    }
    const std::size_t count = content.records.size();
    const std::size_t number = static_cast<std::size_t>(options.nur.value_or(options.ab.value_or(1)));
    if (number > count) {
        std::cerr << "Die Klasse hat nur " << count << " Schüler.\n";
        return {1};
    }
    const std::size_t start = number - 1;

    const ruvek::Installation& inst = context.installation;
    const ruvek::PlanSettings settings{inst.settings.druck, false};
    const std::span<const ruvek::TZgnRec> records(content.records.data(), count);
    // A first walk over the plan: the codes without a layout are told before
    // anything is printed, and the jobs are counted for the progress.
    std::map<int, int> withoutLayout; // annex code -> students
    std::size_t jobs = 0;
    planInParts(records, start, options, settings, [&](ruvek::PrintPlan& part) {
        jobs += part.jobs.size();
        for (const ruvek::PlannedJob& job : part.jobs)
            if (!job.documents.empty() && job.annexCode != ruvek::kAnlageDatenblatt && !ruvek::LayoutOf(job.annexCode))
                ++withoutLayout[job.annexCode];
        return true;
    });
    for (const auto& [code, students] : withoutLayout)
        std::cerr << "Für die Anlage " << code << " gibt es noch kein Zeugnis-Layout: " << students
                  << " Schüler erhalten nur eine Hinweisseite \"kein Ausdruck verfügbar\".\n";

    const ruvek::DispatchEnvironment env{inst.settings.druck, inst.katalog, inst.schoolType(),
                                         ruvek::SchulnameText(inst.settings.prog),
                                         {inst.settings.programFolder, inst.settings.dataFolder},
                                         inst.settings.schule.SchulAnschrift.str()};
    prompter.defaultAnswer = false; // never create a missing form file
    ruvek::PrintDispatcher dispatcher(env, prompter, &device, nullptr);
    // One dispatcher prints all parts: each form file is loaded (or asked
    // for) once for the class.
    dispatcher.keepBetweenRuns(true);
    const bool terminal = isatty(STDERR_FILENO) == 1;
    const bool showProgress = terminal && jobs > 3;
    std::size_t jobsDone = 0;
    if (showProgress)
        dispatcher.setProgress([&jobsDone, jobs](std::size_t job, std::size_t) {
            std::cerr << "\rSchüler " << jobsDone + job + 1 << " von " << jobs << " ..." << std::flush;
        });
    ruvek::TDruckAuftrag job;
    ruvek::DispatchResult result;
    const ruvek::PrintPlan plan = planInParts(records, start, options, settings, [&](ruvek::PrintPlan& part) {
        dropQuestions(part);
        addRun(result, dispatcher.run(part, job));
        jobsDone += part.jobs.size();
        return !result.failed && !result.cancelled;
    });
    if (showProgress)
        std::cerr << "\r\033[K";
    if (result.failed)
        return {1};
    if (finish)
        if (const ruvek::DeviceResult written = device.finish(); !written) {
            std::cerr << "Fehler: " << written.error << '\n';
            return {1};
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
    return {result.missingForms.empty() ? 0 : 1, true, result.sheets, result.students.size(), plan.skipped.size(),
            result.cuts.size()};
}

std::string summary(const ClassOutcome& o)
{
    return std::to_string(o.sheets) + " Seiten, " + std::to_string(o.students) + " Schüler, " +
           std::to_string(o.skipped) + " übersprungen, " + std::to_string(o.cuts) + " gekürzte Texte";
}

// The PDF of each class in the output folder: the class file's name with
// ".pdf"; a name already given in this run gets "-2", "-3", ... so that two
// classes of the same name in different folders never overwrite each other.
std::vector<std::filesystem::path> pdfNamesIn(const std::filesystem::path& folder,
                                              const std::vector<std::string>& classFiles)
{
    std::vector<std::filesystem::path> names;
    std::map<std::string, int> used;
    for (const std::string& file : classFiles) {
        const std::string stem = std::filesystem::path(file).stem().string();
        const int n = ++used[stem];
        names.push_back(folder / (n == 1 ? stem + ".pdf" : stem + "-" + std::to_string(n) + ".pdf"));
    }
    return names;
}

} // namespace

int cmdPdf(const CliArgs& args, CliContext& context)
{
    std::vector<std::string> inputs;
    Options options;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--ab" || a == "--nur") && i + 1 < args.size()) {
            const auto n = parsePositive(args[++i]);
            if (!n) {
                std::cerr << "Die Nummer muss eine ganze Zahl ab 1 sein: " << args[i] << '\n';
                return exitcode::kUnreadable;
            }
            (a == "--ab" ? options.ab : options.nur) = n;
        } else if (a == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (a == "--empfangsbekenntnisse") {
            options.what = ruvek::SeriesKind::Receipts;
        } else if (a == "--lernentwicklungsberichte") {
            options.what = ruvek::SeriesKind::Reports;
        } else if (a == "--datenblaetter") {
            options.what = ruvek::SeriesKind::DataSheets;
        } else if (!a.starts_with("-")) {
            inputs.push_back(a);
        } else {
            std::cerr << kUsage;
            return exitcode::kUnreadable;
        }
    }
    if (inputs.empty() || output.empty() || (options.ab && options.nur)) {
        std::cerr << kUsage;
        return exitcode::kUnreadable;
    }
    const auto classFiles = classFilesOf(inputs);
    if (!classFiles)
        return exitcode::kUnreadable;
    std::error_code ec;
    const bool intoFolder = output.ends_with('/') || std::filesystem::is_directory(output, ec);
    const bool several = classFiles->size() > 1 || inputs != *classFiles;
    if (several && (options.ab || options.nur))
        return badArguments("--ab und --nur gelten nur für eine einzelne Klasse.", kUsage);

    const auto app = makeGuiApplication();

    // One class into one file: the original single-class command.
    if (!several && !intoFolder) {
        ruvek::PdfDevice pdf(output);
        ruvek::SingleDocumentDevice device([&pdf](const std::string&) { return &pdf; }, pdf.deviceCaps());
        const ClassOutcome o = printClass(classFiles->front(), options, context, device, true);
        if (!o.completed)
            return o.exitCode;
        if (o.sheets == 0) {
            std::cerr << "Nichts zu drucken: es wurde keine PDF-Datei geschrieben.\n";
            return 1;
        }
        std::cout << "PDF geschrieben: " << output << " (" << summary(o) << ")\n";
        return o.exitCode;
    }

    if (intoFolder && !makeOutputFolder(output))
        return 1;
    const std::vector<std::filesystem::path> names =
        intoFolder ? pdfNamesIn(output, *classFiles) : std::vector<std::filesystem::path>{};
    ruvek::PdfDevice shared(output);
    ruvek::SingleDocumentDevice sharedDevice([&shared](const std::string&) { return &shared; }, shared.deviceCaps());

    int worst = 0;
    ClassOutcome total;
    std::size_t failed = 0;
    for (std::size_t i = 0; i < classFiles->size(); ++i) {
        const std::string& file = (*classFiles)[i];
        std::cout << "== " << file << '\n' << std::flush;
        ClassOutcome o;
        if (intoFolder) {
            ruvek::PdfDevice pdf(names[i]);
            ruvek::SingleDocumentDevice device([&pdf](const std::string&) { return &pdf; }, pdf.deviceCaps());
            o = printClass(file, options, context, device, true);
        } else {
            o = printClass(file, options, context, sharedDevice, false);
        }
        std::cerr << std::flush;
        if (!o.completed) {
            std::cout << file << ": nicht gedruckt (siehe Fehlermeldung).\n";
            ++failed;
        } else if (o.sheets == 0) {
            std::cout << file << ": nichts zu drucken.\n";
        } else {
            std::cout << file << ": " << (intoFolder ? names[i].string() + ", " : std::string()) << summary(o)
                      << '\n';
        }
        worst = std::max(worst, o.exitCode);
        total.sheets += o.sheets;
        total.students += o.students;
        total.skipped += o.skipped;
        total.cuts += o.cuts;
    }
    if (!intoFolder) {
        if (const ruvek::DeviceResult written = sharedDevice.finish(); !written) {
            std::cerr << "Fehler: " << written.error << '\n';
            return 1;
        }
    }
    std::cout << "Gesamt: " << classFiles->size() << (classFiles->size() == 1 ? " Klasse, " : " Klassen, ")
              << summary(total) << '.';
    if (failed > 0)
        std::cout << ' ' << failed << (failed == 1 ? " Klasse konnte" : " Klassen konnten") << " nicht gedruckt werden.";
    std::cout << '\n';
    if (total.sheets == 0) {
        std::cerr << "Nichts zu drucken: es wurde keine PDF-Datei geschrieben.\n";
        return std::max(worst, 1);
    }
    if (!intoFolder)
        std::cout << "PDF geschrieben: " << output << '\n';
    return worst;
}
