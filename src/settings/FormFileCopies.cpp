#include "settings/FormFileCopies.h"

#include "settings/FileCopy.h"

#include <system_error>

namespace ruvek {

namespace fs = std::filesystem;

std::string formCopiesAreOriginalsMessage(const fs::path& folder)
{
    return "Das Datenverzeichnis ist der Programm-Ordner:\n" + folder.string() +
           "\n\nDie Formular-Druck-Steuerdateien (*.FST) dort sind die Originale.\nEs wird nichts gelöscht!";
}

FormCopiesDeletion deleteFormFileCopies(const fs::path& dataFolder, const fs::path& programFolder, Prompter& prompter)
{
    FormCopiesDeletion result;
    if (sameFolder(dataFolder, programFolder)) {
        prompter.information(formCopiesAreOriginalsMessage(dataFolder));
        return result;
    }
    result.asked = true;
    if (!prompter.askYesNo(kMsgDeleteFormCopies))
        return result;
    for (const fs::path& file : filesWithExtension(dataFolder, "FST")) {
        std::error_code ec;
        if (fs::remove(file, ec)) {
            ++result.deleted;
        } else {
            ++result.failed;
            prompter.error("Die Datei\n" + file.string() + "\nkonnte nicht gelöscht werden!\n\n" + ec.message());
        }
    }
    return result;
}

} // namespace ruvek
