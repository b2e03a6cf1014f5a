#pragma once
// The settings in force for the whole run: school settings, program settings
// and print options, with the two folders they are read from. It is part of
// the Installation, which loads it at start-up; whoever reads or edits
// settings gets it by reference.
#include "settings/DrkEinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

#include <filesystem>

namespace ruvek {

struct Settings {
    std::filesystem::path programFolder; // folder of the program file: master copies of the settings
    std::filesystem::path dataFolder;    // folder of the class files ("Daten" below the program folder at start)

    TSchulEinstRec schule; // SCHEINST.DAT
    TProgEinstRec prog;    // RVKEINST.DAT (also holds Schulname)
    TDrkEinstRec druck;    // DRKEINST.DAT

    // Convenience wrappers around the Save functions with this instance's folders.
    bool saveSchule(Prompter& prompter) const;
    bool saveProg(Prompter& prompter) const;
    bool saveDruck(Prompter& prompter) const;

    // The first start's answers: the school type (SCHEINST.DAT), the
    // school's name (RVKEINST.DAT) and name and place as the receipt's
    // school line; both files are written. False (nothing changed) for a
    // school type that is none of the known ones
    // (nor "nicht ausgewählt" or "Reserve 1").
    bool saveSchoolSetup(const SchoolSetup& setup, Prompter& prompter);
};

} // namespace ruvek
