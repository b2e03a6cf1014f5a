// add KLASSE.RVK --name NAME [--vorname VORNAME] [--hinter NR]: adds a
// student as the "+" button does with the new-student dialog: right after
// record NR (without --hinter after the last one), with the new-record
// defaults and, when the program setting asks for it, the class data of
// the record before it. Prints the new record's number and name.
#include "ClassFileCommands.h"
#include "Commands.h"

#include "classfile/RecordCollection.h"
#include "common/Cp1252.h"

#include <iostream>
#include <system_error>

namespace {
constexpr const char* kUsage = "Aufruf: ruvek-cli add KLASSE.RVK --name NAME [--vorname VORNAME] [--hinter NR]\n";
}

int cmdAdd(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> file, name, vorname, hinter;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto v = optionValue(args, i, "--name", ok))
            name = v;
        else if (auto w = optionValue(args, i, "--vorname", ok))
            vorname = w;
        else if (auto h = optionValue(args, i, "--hinter", ok))
            hinter = h;
        else if (!ok)
            return badArguments("Der Option " + args[i] + " fehlt ihr Wert.", kUsage);
        else if (!file && !args[i].starts_with("--"))
            file = args[i];
        else
            return badArguments("Unbekanntes Argument: " + args[i], kUsage);
    }
    if (!file)
        return badArguments("Die Klassendatei fehlt.", kUsage);
    if (!name)
        return badArguments("Der Name (--name) fehlt.", kUsage);

    bool lossless = true;
    const std::string nameCp = ruvek::utf8ToCp1252(*name, &lossless);
    const std::string vornameCp = ruvek::utf8ToCp1252(vorname.value_or(""), &lossless);
    if (!lossless)
        return badArguments("Name oder Vorname enthält Zeichen, die in der Klassendatei nicht gespeichert werden können.",
                            kUsage);

    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (!openClassFile(*file, context, openClass))
        return exitcode::kUnreadable;

    int after = openClass.count();
    if (hinter) {
        const auto nr = parseRecordNumber(*hinter, openClass.count());
        if (!nr)
            return badArguments("Die Nummer hinter --hinter muss zwischen 1 und " + std::to_string(openClass.count()) +
                                    " liegen: " + *hinter,
                                kUsage);
        after = *nr;
    }
    if (openClass.count() >= ruvek::kMaxRecords) {
        context.prompter.error("Die Klasse hat bereits 65535 Schüler-Datensätze.");
        return 1;
    }
    openClass.current = after - 1;
    ruvek::addRecord(openClass, context.installation.settings.prog.VorgaengerDaten == 1,
                     ruvek::newStudentNameFromDialog(nameCp, vornameCp));

    const int code = saveWhenChanged(openClass, context);
    if (code == 0) {
        const ruvek::TZgnRec& rec = openClass.currentRecord();
        std::cout << (openClass.current + 1) << '\t' << ruvek::cp1252ToUtf8(rec.Name.view()) << ", "
                  << ruvek::cp1252ToUtf8(rec.Vorname.view()) << '\n';
    }
    return code;
}
