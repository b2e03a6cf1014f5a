#include "print/FormLoader.h"

#include "common/SafeFile.h"
#include "common/FileLookup.h"
#include "print/FormFile.h"

#include <optional>
#include <system_error>

namespace ruvek {
namespace {

constexpr const char* kIndexMismatchMessage = "Es können Fehler in der Steuerdatei enthalten sein!";

std::string describePath(const std::filesystem::path& p) { return p.string(); }

// Reads one form file into the table. Reports an unreadable file or a
// malformed line; on success tells whether an index line was wrong.
struct ReadOutcome {
    bool ok = false;
    bool indexMismatch = false;
    std::string title;
};

ReadOutcome readFormFile(const std::filesystem::path& file, TFstTable& table, Prompter& prompter)
{
    ReadOutcome outcome;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(file, bytes)) {
        prompter.error("Die Formular-Datei\n" + describePath(file)
                       + "\nkonnte nicht gelesen werden!\n\nDiese Seite wird nicht gedruckt.");
        return outcome;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    FormFileParseResult parsed = ParseFormFile(text, table);
    table = parsed.content.slots;
    if (parsed.error) {
        const auto& e = *parsed.error;
        std::string what = e.endOfFile
            ? "Die Datei endet vor Zeile " + std::to_string(e.line) + " (eine Formular-Datei hat "
                  + std::to_string(kFormFileLineCount) + " Zeilen)."
            : "Zeile " + std::to_string(e.line) + " enthält keine Zahl: \"" + e.lineText + "\"";
        prompter.error("Fehler in der Formular-Datei\n" + describePath(file) + "\n\n" + what
                       + "\n\nDiese Seite wird nicht gedruckt.");
        return outcome;
    }
    outcome.ok = true;
    outcome.indexMismatch = parsed.content.indexMismatch;
    outcome.title = parsed.content.title;
    return outcome;
}

bool writeFormFileReporting(const std::filesystem::path& folder, const std::string& fileName,
                            const std::string& title, const TFstTable& table, Prompter& prompter)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec); // a missing data folder is made, as for every save there
    std::string reason;
    const auto target = folder / fileName;
    if (WriteFormFile(target, title, table, &reason))
        return true;
    prompter.error("Die Formular-Datei\n" + describePath(target) + "\nkonnte nicht geschrieben werden!\n" + reason);
    return false;
}

// Where a form file is read from, and whether that is the folder searched
// first (the second is the fallback that FstKopien copies from).
struct FoundFormFile {
    std::optional<std::filesystem::path> file;
    bool inFirstFolder = false;
};

FoundFormFile findFormFile(const std::string& fileName, const FormFolders& folders, const TDrkEinstRec& options)
{
    if (fileName.empty())
        return {};
    const bool copies = options.FstKopien == 1;
    if (auto file = findFileIgnoringCase(copies ? folders.data : folders.program, fileName))
        return {std::move(file), true};
    return {findFileIgnoringCase(copies ? folders.program : folders.data, fileName), false};
}

} // namespace

std::optional<std::filesystem::path> FindFormFile(const std::string& fileName, const FormFolders& folders,
                                                  const TDrkEinstRec& options)
{
    return findFormFile(fileName, folders, options).file;
}

bool LoadFormFile(TFstTable& table, const std::string& fileName, std::string& title, const FormFolders& folders,
                  const TDrkEinstRec& options, Prompter& prompter)
{
    table.fill(TFstSlot{0, 0, 0, 1, 0, 0});
    if (fileName.empty()) {
        // No form for the annex code; AnlageFormFile has already said so.
        title = kNoFormTitle;
        return false;
    }

    const bool copies = options.FstKopien == 1;
    const FoundFormFile found = findFormFile(fileName, folders, options);
    const auto& file = found.file;
    if (file && found.inFirstFolder) {
        const ReadOutcome r = readFormFile(*file, table, prompter);
        if (!r.ok) {
            title = kNoFormTitle;
            return false;
        }
        title = r.title;
        if (r.indexMismatch)
            prompter.error(kIndexMismatchMessage);
        return true;
    }

    if (file) {
        const ReadOutcome r = readFormFile(*file, table, prompter);
        if (!r.ok) {
            title = kNoFormTitle;
            return false;
        }
        title = r.title;
        if (copies) {
            // The copy is written with the standard separator and comment
            // lines; the mismatch is reported after it exists, as a hint that
            // the school's copy is the one to correct.
            writeFormFileReporting(folders.data, fileName, title, table, prompter);
            if (r.indexMismatch)
                prompter.error(kIndexMismatchMessage);
        }
        return true;
    }

    const bool create = prompter.askYesNo("Es konnte die benötigte Formular-Datei:\n" + fileName
                                          + "  nicht gefunden werden!\n\nSoll jetzt eine neue (fast leere) "
                                            "Formular-Datei\nerzeugt werden?");
    if (!create) {
        title = kNoFormTitle;
        return false;
    }
    NewFormDefaults(table);
    writeFormFileReporting(folders.data, fileName, title, table, prompter);
    return true;
}

} // namespace ruvek
