#pragma once
// The single instances that live from program start to shutdown: the loaded
// installation (settings, print options, subject catalogue, elective list
// and folders) and the open class. The main window owns them; the dialogs
// created at start-up work on them by reference.
#include "classfile/OpenClass.h"
#include "settings/Installation.h"

namespace ruvek::ui {

struct ProgramState : Installation {
    OpenClass klasse;   // the open class

    bool showsDeleted() const { return settings.prog.ZeigeGeloeschte == 1; }
    // Where the elective list is kept, for the current data folder.
    WpflFolders electiveFolders() const { return Installation::electiveFolders(klasse.dataFolder); }
};

} // namespace ruvek::ui
