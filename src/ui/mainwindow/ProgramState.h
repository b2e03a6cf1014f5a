#pragma once
// The single instances that live from program start to shutdown: the
// settings records, the elective-subject list and the open class. The main
// window owns them; the dialogs created at start-up work on them by reference.
#include "classfile/OpenClass.h"
#include "settings/Settings.h"
#include "settings/WPflFach.h"

#include <string>
#include <vector>

namespace ruvek::ui {

struct ProgramState {
    Settings settings;                          // SCHEINST.DAT, RVKEINST.DAT, DRKEINST.DAT
    TWPflFach electives;                        // WPflFach.DAT
    std::vector<std::string> wahlpflichtListe;  // the elective names for the selectors
    OpenClass klasse;                           // the open class

    int schoolType() const { return settings.schule.Schultyp; }
    bool showsDeleted() const { return settings.prog.ZeigeGeloeschte == 1; }
    // Where the elective list is kept, for the current data folder.
    WpflFolders electiveFolders() const
    {
        return WpflFolders{settings.programFolder, klasse.dataFolder, settings.prog.ZentralListen};
    }
};

} // namespace ruvek::ui
