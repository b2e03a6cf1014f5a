#pragma once
// The folders the program works in: the program folder (where the program
// file, the master copies of the settings, the form control files and the
// coat-of-arms pictures lie) and the data folder "Daten" beside it, where
// the class files are kept.
#include "common/Prompter.h"

#include <filesystem>

namespace ruvek::ui {

struct ProgramFolders {
    std::filesystem::path programFolder;   // folder of the program file
    std::filesystem::path dataFolder;      // "Daten" below it, or the program folder
    std::filesystem::path colourArms;      // "13F.BMP" in the program folder
    std::filesystem::path monoArms;        // "13S.BMP" in the program folder
};

// The message when the data folder cannot be made (the folder follows it).
inline constexpr const char* kMsgDataFolderFailed = "Problem beim Erstellen des Datenverzeichnis:\n";

// Start-up: the data folder becomes the current directory; when it does not
// exist it is created first. When it cannot be created the user is told and
// the program folder serves as data folder (and current directory).
ProgramFolders setUpProgramFolders(const std::filesystem::path& programFolder, Prompter& prompter);

} // namespace ruvek::ui
