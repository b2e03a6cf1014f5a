#pragma once
// The school's copies of the form control files (*.FST) in the data folder.
// Deleting them makes printing use the standard files of the program folder
// again. When the data folder is the program folder (a class opened from
// there) the files in it are the originals: nothing is deleted then.
#include "common/Prompter.h"

#include <filesystem>
#include <string>

namespace ruvek {

inline constexpr const char* kMsgDeleteFormCopies =
    "Wollen Sie die Kopien der\nFormular-Druck-Steuerdateien (*.FST)\nim Datenverzeichnis wirklich löschen?\n\n"
    "(Originale bleiben erhalten!)";

// "Das Datenverzeichnis ist der Programm-Ordner: ... es wird nichts gelöscht."
std::string formCopiesAreOriginalsMessage(const std::filesystem::path& folder);

struct FormCopiesDeletion {
    bool asked = false;   // the question was put (and answered Yes when deleted > 0 or failed > 0)
    int deleted = 0;
    int failed = 0;
};

// Asks kMsgDeleteFormCopies and, on Yes, deletes every *.FST (any letter
// case) of the data folder. When the data folder is the program folder it
// says so instead and deletes nothing. A file that cannot be deleted is
// reported.
FormCopiesDeletion deleteFormFileCopies(const std::filesystem::path& dataFolder,
                                        const std::filesystem::path& programFolder, Prompter& prompter);

} // namespace ruvek
