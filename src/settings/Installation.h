#pragma once
// The installation the program runs in: its folders and everything it reads
// from them at start-up — program and school settings, print options, the
// subject catalogue and the elective-subject list. The desktop program and
// every command of the command-line tool load it the same way, through
// Installation::load, so both see the same settings for the same folders.
#include "common/Prompter.h"
#include "settings/FachKatalog.h"
#include "settings/Settings.h"
#include "settings/WPflFach.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

struct InstallationFolders {
    std::filesystem::path programFolder; // folder of the program file: master copies, form files, pictures
    std::filesystem::path dataFolder;    // folder of the class files: "Daten" below the program folder at start

    std::filesystem::path colourArms() const { return programFolder / "13F.BMP"; }
    std::filesystem::path monoArms() const { return programFolder / "13S.BMP"; }
};

// The message when the data folder cannot be made (the folder follows it).
inline constexpr const char* kMsgDataFolderFailed = "Problem beim Erstellen des Datenverzeichnis:\n";

// Start of the desktop program: the data folder is "Daten" below the program
// folder, created when it does not exist. When it cannot be created the user
// is told and the program folder serves as data folder. The process's
// working directory is left alone: every path is built from these folders.
InstallationFolders prepareFolders(const std::filesystem::path& programFolder, Prompter& prompter);

// The same folders for tools that must not change an installation: "Daten"
// when it exists, else the program folder; nothing is created.
InstallationFolders existingFolders(const std::filesystem::path& programFolder);

struct Installation {
    Settings settings;                          // SCHEINST.DAT, RVKEINST.DAT, DRKEINST.DAT and the two folders
    TFachKatalog katalog = defaultFachKatalog(); // Faecher.DAT
    TWPflFach electives;                        // WPflFach.DAT
    std::vector<std::string> wahlpflichtListe;  // the elective names for the selectors
    bool schoolSettingsFound = false;           // load found a SCHEINST.DAT (none: a first start)

    // Takes the folders and reads every file, defaults first, in the order
    // of program start: subject catalogue, program settings, school
    // settings, elective subjects, print options. Messages go to prompter;
    // a school type outside the known ones is reported once, as a warning.
    void load(const InstallationFolders& folders, Prompter& prompter);

    // The steps of load, for the dialogs that reread their file.
    void loadCatalogue(Prompter& prompter);
    void loadElectives(const std::filesystem::path& classDataFolder, Prompter& prompter);

    InstallationFolders folders() const { return {settings.programFolder, settings.dataFolder}; }
    SchoolType schoolType() const { return schoolTypeFromStored(settings.schule.Schultyp); }
    // Where the elective list is kept, for the data folder of the open class.
    WpflFolders electiveFolders(const std::filesystem::path& classDataFolder) const
    {
        return WpflFolders{settings.programFolder, classDataFolder, settings.prog.ZentralListen};
    }
};

} // namespace ruvek
