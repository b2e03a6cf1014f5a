// fdb-export and fdb-import: the subject grade lists for the subject
// teachers, written and taken back with the program's own code.
//
// fdb-export KLASSE.RVK|ORDNER... -o ORDNER [--fach KURZ]... [--wahlpflicht 1|2]
//            [--alte-liste-loeschen] [--alte-eintraege-behalten]
//   writes one list per subject (all subjects of the school type unless
//   --fach names abbreviations), or the elective lists of a half-year.
// fdb-import KLASSE.RVK LISTE.FDB [--wahlpflicht 1|2]
//   shows the grades the list changes and saves the class with them.
#include "ClassFileCommands.h"

#include "common/Cp1252.h"
#include "exchange/GradeListExport.h"
#include "exchange/GradeListImport.h"

#include <iostream>

namespace {

constexpr const char* kExportUsage =
    "Aufruf: ruvek-cli fdb-export KLASSE.RVK|ORDNER... -o ORDNER [--fach KURZ]... [--wahlpflicht 1|2]\n"
    "        [--alte-liste-loeschen] [--alte-eintraege-behalten]\n";
constexpr const char* kImportUsage = "Aufruf: ruvek-cli fdb-import KLASSE.RVK LISTE.FDB [--wahlpflicht 1|2]\n";

std::optional<int> halfYearOf(const std::string& v)
{
    if (v == "1" || v == "2")
        return v[0] - '0';
    return std::nullopt;
}

} // namespace

int cmdFdbExport(const CliArgs& args, CliContext& context)
{
    std::vector<std::string> files, kurz;
    std::optional<std::string> folder;
    int halfYear = 0;
    ruvek::ExportChoices choices;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto o = optionValue(args, i, "-o", ok))
            folder = *o;
        else if (auto f = optionValue(args, i, "--fach", ok))
            kurz.push_back(ruvek::utf8ToCp1252(*f));
        else if (auto w = optionValue(args, i, "--wahlpflicht", ok)) {
            const auto h = halfYearOf(*w);
            if (!h)
                return badArguments("Das Halbjahr muss 1 oder 2 sein: " + *w, kExportUsage);
            halfYear = *h;
        } else if (args[i] == "--alte-liste-loeschen")
            choices.alteListeLoeschen = true;
        else if (args[i] == "--alte-eintraege-behalten")
            choices.nurBewertungen = false;
        else if (!args[i].starts_with("-"))
            files.push_back(args[i]);
        else
            return badArguments("Unbekanntes Argument: " + args[i], kExportUsage);
        if (!ok)
            return badArguments("Wert fehlt: " + args[i], kExportUsage);
    }
    if (files.empty() || !folder)
        return badArguments("Klassendatei und Ordner (-o) werden gebraucht.", kExportUsage);
    const auto classFiles = classFilesOf(files);
    if (!classFiles)
        return exitcode::kUnreadable;
    if (!makeOutputFolder(*folder))
        return exitcode::kRefused;

    const ruvek::TFachKatalog& kat = context.installation.katalog;
    if (halfYear == 0) {
        auto boxes = ruvek::subjectBoxes(choices, kat, context.installation.schoolType());
        for (auto& b : boxes) {
            if (kurz.empty())
                continue;
            b.ticked = false;
            for (const std::string& k : kurz)
                b.ticked = b.ticked || (b.enabled && kat[b.entry].FachKurz.view() == k);
        }
        for (const std::string& k : kurz)
            if (std::none_of(boxes.begin(), boxes.end(), [&](const auto& b) { return b.ticked && kat[b.entry].FachKurz.view() == k; }))
                return badArguments("Unbekanntes Fach: " + ruvek::cp1252ToUtf8(k), kExportUsage);
        ruvek::takeOverSubjectBoxes(choices, boxes);
    }
    // Several classes write into the same folder: the list names carry the
    // class. A class that cannot be read or written is reported and the
    // others still go on; the exit code is the worst of them.
    int worst = exitcode::kDone;
    for (const std::string& file : *classFiles) {
        ruvek::OpenClass openClass(context.installation.schoolType());
        if (!openClassForReading(file, context, openClass)) {
            worst = std::max(worst, static_cast<int>(exitcode::kUnreadable));
            continue;
        }
        const std::vector<ruvek::GradeListSubject> lists =
            halfYear > 0 ? ruvek::electiveGradeLists(openClass.records, halfYear, openClass.fileName)
                         : ruvek::catalogueGradeLists(kat, choices, openClass.fileName);
        const auto report = ruvek::exportGradeLists(openClass.records, lists, choices, *folder, context.prompter);
        for (const auto& p : report.written)
            std::cout << p.string() << '\n';
        if (report.aborted)
            worst = std::max(worst, static_cast<int>(exitcode::kRefused));
    }
    return worst;
}

int cmdFdbImport(const CliArgs& args, CliContext& context)
{
    std::vector<std::string> files;
    int halfYear = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto w = optionValue(args, i, "--wahlpflicht", ok)) {
            const auto h = halfYearOf(*w);
            if (!h)
                return badArguments("Das Halbjahr muss 1 oder 2 sein: " + *w, kImportUsage);
            halfYear = *h;
        } else if (!args[i].starts_with("-"))
            files.push_back(args[i]);
        else
            return badArguments("Unbekanntes Argument: " + args[i], kImportUsage);
        if (!ok)
            return badArguments("Wert fehlt: " + args[i], kImportUsage);
    }
    if (files.size() != 2)
        return badArguments("Klassendatei und Liste werden gebraucht.", kImportUsage);
    ruvek::OpenClass openClass(context.installation.schoolType());
    if (const int refused = openClassForChange(files[0], context, openClass))
        return refused;
    bool unreadable = false;
    ruvek::importGradeListFile(openClass, files[1], context.installation.katalog, halfYear, context.prompter,
                               &unreadable);
    if (unreadable)
        return exitcode::kUnreadable;
    return saveWhenChanged(openClass, context);
}
