#include "ui/mainwindow/WindowTitle.h"

#include "common/ProgramVersion.h"

namespace ruvek::ui {

std::string schoolTypeName(int schoolType)
{
    switch (schoolType) {
    case 1: return "Grundschule";
    case 2: return "Regionale Schule";
    case 3: return "Integrierte Gesamtschule";
    case 4: return "Gymnasium";
    case 5: return "Hauptschule";
    case 6: return "Realschule";
    case 7: return "Förderschule";
    case 9: return "Schule zur individuellen Lebensbewältigung";
    default: return "?? Schultyp ??";
    }
}

std::string windowTitleFor(int schoolType)
{
    // Two blanks before the version, seven after it: the caption has always
    // looked this way and users know it so.
    return "Zeugnisse für Kestland  V." + std::string(kProgramVersion) + ".       -- " + schoolTypeName(schoolType) +
           " --";
}

} // namespace ruvek::ui
