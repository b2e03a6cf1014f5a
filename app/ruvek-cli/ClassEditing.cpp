#include "ClassEditing.h"

#include "classfile/ClassFile.h"
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

std::unique_ptr<ClassEditing> openForEditing(const FormArgs& args, CliContext& context)
{
    const std::string& file = args.file;
    const int nr = args.nr;
    if (args.schultyp)
        context.installation.settings.schule.Schultyp = static_cast<std::uint16_t>(*args.schultyp);
    CliPrompter& prompter = context.prompter;
    const std::filesystem::path path = file;
    if (path.filename().string().ends_with(".ZDB")) {
        prompter.error("Diese Dateien können nicht mehr geöffnet werden!");
        return nullptr;
    }
    ruvek::ClassFileContent content;
    const auto error = ruvek::readClassFile(path, content);
    if (error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        context.failureExit = exitcode::kUnreadable;
        return nullptr;
    }

    const ruvek::Installation& inst = context.installation;
    auto e = std::make_unique<ClassEditing>(inst.schoolType());
    ruvek::OpenClass& cls = e->openClass;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    cls.dataFolder = (ec ? path : absolute).parent_path();
    cls.fileName = path.filename().string();
    cls.header = content.header;
    cls.header.LeseVersion = cls.header.Version;
    cls.header.Version = 2;
    cls.records = std::move(content.records);
    cls.changed = false;
    e->editor = std::make_unique<ruvek::editor::RecordEditor>(cls, inst, prompter, e->view);

    const auto list = ruvek::editor::BuildStudentList(cls.records, 0, e->editor->showsDeletedRecords());
    if (cls.records.empty() || static_cast<std::size_t>(nr) > list.recordOf.size()) {
        prompter.error("Einen Schüler Nr. " + std::to_string(nr) + " gibt es in der Liste nicht (1 bis " +
                       std::to_string(list.recordOf.size()) + ").");
        return nullptr;
    }
    cls.current = list.recordOf[static_cast<std::size_t>(nr - 1)];
    e->editor->show();
    return e;
}
