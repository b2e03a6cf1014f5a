// annex KLASSE.RVK [--schultyp N]: which certificate form (annex code) each
// student of a class gets, decided from the stored head data. One line per
// record in list order: "<number>\t<Name>, <Vorname>\t<code>". The school type
// comes from the installation's SCHEINST.DAT unless --schultyp gives it. The
// class file is only read.
#include "CliText.h"
#include "Commands.h"

#include "classfile/ClassFile.h"
#include "common/Cp1252.h"
#include "grades/Annex.h"
#include "settings/SchulEinst.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <system_error>

namespace {

constexpr const char* kUsage = "Aufruf: ruvek-cli annex KLASSE.RVK [--schultyp N]\n";

std::optional<int> parseSchultyp(const std::string& text)
{
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 9)
        return std::nullopt;
    return value;
}

// Reads SCHEINST.DAT again, silently: whether the school type is known.
// (A missing file is fine: the default school type holds.)
bool schoolSettingsReadable(const ruvek::Installation& installation)
{
    struct Counting : ruvek::Prompter {
        int errors = 0;
        bool askYesNo(const std::string&, ruvek::MessageKind) override { return false; }
        bool askOkCancel(const std::string&, ruvek::MessageKind) override { return false; }
        void tell(ruvek::MessageKind kind, const std::string&) override { errors += kind == ruvek::MessageKind::Error; }
        std::optional<std::filesystem::path> chooseOpenFile(const ruvek::FileDialogRequest&) override { return {}; }
        std::optional<std::filesystem::path> chooseSaveFile(const ruvek::FileDialogRequest&) override { return {}; }
        std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
        {
            return {};
        }
    } counting;
    ruvek::TSchulEinstRec rec;
    ruvek::LoadSchulEinst(rec, installation.settings.programFolder, installation.settings.dataFolder, counting);
    return counting.errors == 0;
}

} // namespace

int cmdAnnex(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> file;
    std::optional<int> schultyp;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string> value;
        if (a == "--schultyp") {
            if (i + 1 >= args.size()) {
                std::cerr << kUsage;
                return exitcode::kUnreadable;
            }
            value = args[++i];
        } else if (a.starts_with("--schultyp=")) {
            value = a.substr(11);
        } else if (!file && !a.starts_with("--")) {
            file = a;
            continue;
        } else {
            std::cerr << kUsage;
            return exitcode::kUnreadable;
        }
        schultyp = parseSchultyp(*value);
        if (!schultyp) {
            std::cerr << "Der Schultyp muss eine Zahl von 0 bis 9 sein: " << *value << '\n';
            return exitcode::kUnreadable;
        }
    }
    if (!file) {
        std::cerr << kUsage;
        return exitcode::kUnreadable;
    }

    CliPrompter& prompter = context.prompter;
    const std::filesystem::path path = *file;
    if (path.filename().string().ends_with(".ZDB")) {
        prompter.error("Diese Dateien können nicht mehr geöffnet werden!");
        return 1;
    }

    // Without --schultyp the decision rests on the school settings: when
    // they could not be read, no answer is better than a wrong one. Other
    // settings do not matter here; an older program settings file has been
    // read and converted, as for every other command.
    if (!schultyp) {
        if (context.loadErrors > 0 && !schoolSettingsReadable(context.installation))
            return exitcode::kUnreadable;
        schultyp = ruvek::toInt(context.installation.schoolType());
    }

    ruvek::ClassFileContent content;
    const auto error = ruvek::readClassFile(path, content);
    if (error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        return exitcode::kUnreadable;
    }

    for (std::size_t i = 0; i < content.records.size(); ++i) {
        const ruvek::TZgnRec& r = content.records[i];
        // Tabs separate the columns and line feeds the records: the names are
        // escaped so they cannot add either.
        std::cout << (i + 1) << '\t' << escapeControls(ruvek::cp1252ToUtf8(r.Name.view())) << ", "
                  << escapeControls(ruvek::cp1252ToUtf8(r.Vorname.view())) << '\t' << ruvek::DetermineAnnex(r, ruvek::schoolTypeFromStored(*schultyp)) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
