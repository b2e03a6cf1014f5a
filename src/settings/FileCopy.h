#pragma once
// Copying files between an installation and another folder (settings
// transfer, data backup). Every copy is written atomically, so an
// interrupted copy never leaves a half-written settings file behind, and
// keeps the source's modification time. Before an existing file is replaced
// the user is asked, file by file, with "Ja / Ja, alle / Nein / Abbrechen".
#include "common/Prompter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

// The buttons of the overwrite question, in this order.
enum class OverwriteAnswer { Yes = 0, YesToAll = 1, No = 2, Cancel = 3 };
const std::vector<std::string>& overwriteButtons();
// "Die Datei\n<target>\nist bereits vorhanden.\n\nSoll sie durch die Datei\n<source>\nersetzt werden?"
std::string overwriteQuestion(const std::filesystem::path& source, const std::filesystem::path& target);
// "Fehler beim Kopieren von:\n<source>\nnach:\n<target>\n\n<reason>"
std::string copyFailedMessage(const std::filesystem::path& source, const std::filesystem::path& target,
                              const std::string& reason);

// Whether two paths name the same folder (links and spellings resolved).
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);
// Whether `inner` is `outer` or lies somewhere below it.
bool isInsideFolder(const std::filesystem::path& inner, const std::filesystem::path& outer);

// Regular files of `folder` whose extension is `extension` ("FST") in any
// letter case, sorted by name. Empty when the folder cannot be read.
std::vector<std::filesystem::path> filesWithExtension(const std::filesystem::path& folder,
                                                      const std::string& extension);

// One run of copies that share the answers "Ja, alle" and "Abbrechen".
class CopySession {
public:
    enum class Result { Copied, Skipped, Failed, Cancelled };

    // askBeforeOverwrite false: existing files are replaced without a question.
    explicit CopySession(Prompter& prompter, bool askBeforeOverwrite = true)
        : prompter_(prompter), askAll_(askBeforeOverwrite)
    {
    }

    // Copies `source` into `targetFolder` under its own name; a file there
    // whose name differs only in letter case is the one replaced (settings
    // often come from Windows installations). Failures are reported.
    Result copyInto(const std::filesystem::path& source, const std::filesystem::path& targetFolder);
    // Copies `source` to exactly `target`.
    Result copyTo(const std::filesystem::path& source, const std::filesystem::path& target);

    bool cancelled() const { return cancelled_; }
    // The files written, in order.
    const std::vector<std::filesystem::path>& written() const { return written_; }
    int failures() const { return failures_; }

private:
    Prompter& prompter_;
    bool askAll_;
    bool cancelled_ = false;
    int failures_ = 0;
    std::vector<std::filesystem::path> written_;
};

} // namespace ruvek
