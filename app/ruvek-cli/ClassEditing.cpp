#include "ClassEditing.h"

#include "ClassFileCommands.h"

#include "classfile/ClassFile.h"
#include "document/ClassDocument.h"
#include "common/Cp1252.h"
#include "editor/StudentList.h"

#include <charconv>
#include <iostream>

std::optional<FormArgs> parseFormArgs(const CliArgs& args, const char* usage)
{
    FormArgs out;
    bool haveFile = false;
    bool haveNr = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--nr" && i + 1 < args.size()) {
            const std::string& v = args[++i];
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out.nr);
            if (v.empty() || ec != std::errc() || end != v.data() + v.size() || out.nr < 1) {
                std::cerr << "Die Nummer muss eine ganze Zahl ab 1 sein: " << v << '\n';
                return std::nullopt;
            }
            haveNr = true;
        } else if (a == "--schultyp" && i + 1 < args.size()) {
            const std::string& v = args[++i];
            int st = -1;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), st);
            if (v.empty() || ec != std::errc() || end != v.data() + v.size() || st < 0 || st > 9) {
                std::cerr << "Der Schultyp muss eine Zahl von 0 bis 9 sein: " << v << '\n';
                return std::nullopt;
            }
            out.schultyp = st;
        } else if (!haveFile && !a.starts_with("--")) {
            out.file = a;
            haveFile = true;
        } else {
            out.rest.push_back(a);
        }
    }
    if (!haveFile || !haveNr) {
        std::cerr << usage;
        return std::nullopt;
    }
    return out;
}

std::unique_ptr<ClassEditing> openForEditing(const FormArgs& args, CliContext& context, bool forChange,
                                             int& exitCode)
{
    exitCode = 1;
    if (args.schultyp)
        context.installation.settings.schule.Schultyp = static_cast<std::uint16_t>(*args.schultyp);
    CliPrompter& prompter = context.prompter;
    ruvek::Installation& inst = context.installation;
    auto e = std::make_unique<ClassEditing>(inst.schoolType());
    ruvek::OpenClass& cls = e->openClass;
    // A failed assignment must leave the folder as it was: no backup copy.
    cls.writesBackupCopy = false;
    if (forChange) {
        if (const int refused = openClassForChange(args.file, context, cls)) {
            exitCode = refused;
            return nullptr;
        }
    } else if (!openClassForReading(args.file, context, cls)) {
        exitCode = exitcode::kUnreadable;
        return nullptr;
    }

    const int nr = args.nr;
    const auto list = ruvek::editor::BuildStudentList(cls.records, 0,
                                                      ruvek::editor::ShowContext::FromInstallation(inst).zeigeGeloeschte);
    if (cls.records.empty() || static_cast<std::size_t>(nr) > list.recordOf.size()) {
        prompter.error("Einen Schüler Nr. " + std::to_string(nr) + " gibt es in der Liste nicht (1 bis " +
                       std::to_string(list.recordOf.size()) + ").");
        return nullptr;
    }
    cls.current = list.recordOf[static_cast<std::size_t>(nr - 1)];

    // Without school settings the certificate form is decided with the
    // school type the record was made for; never with none at all, which
    // would take the record's form away.
    const ruvek::TZgnRec& rec = cls.currentRecord();
    const auto schoolType = ruvek::schoolTypeForRecord(inst.schoolType(), rec);
    if (!schoolType) {
        if (forChange) {
            prompter.error(ruvek::unknownSchoolTypeText(rec, nr));
            return nullptr;
        }
    } else if (*schoolType != inst.schoolType()) {
        prompter.information("Die Schul-Einstellungen nennen keine Schulart; für Schüler Nr. " + std::to_string(nr) +
                             " gilt die Schulart, für die sein Datensatz angelegt wurde (" +
                             std::to_string(ruvek::toInt(*schoolType)) + ").");
        inst.settings.schule.Schultyp = static_cast<std::uint16_t>(ruvek::toInt(*schoolType));
    }
    cls.schoolType = inst.schoolType();
    e->editor = std::make_unique<ruvek::editor::RecordEditor>(cls, inst, prompter, e->view);
    e->editor->show();
    exitCode = 0;
    return e;
}
