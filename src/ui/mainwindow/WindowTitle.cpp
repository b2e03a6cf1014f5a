#include "ui/mainwindow/WindowTitle.h"

#include "common/ProgramVersion.h"

namespace ruvek::ui {

std::string schoolTypeName(SchoolType schoolType)
{
    using enum SchoolType;
    switch (schoolType) {
    case Grundschule: return "Grundschule";
    case RegionaleSchule: return "Regionale Schule";
    case IntegrierteGesamtschule: return "Integrierte Gesamtschule";
    case Gymnasium: return "Gymnasium";
    case Hauptschule: return "Hauptschule";
    case Realschule: return "Realschule";
    case Foerderschule: return "Förderschule";
    case LebensbewaeltigungSchule: return "Schule zur individuellen Lebensbewältigung";
    default: return "?? Schultyp ??";
    }
}

std::string windowTitleFor(SchoolType schoolType)
{
    // Two blanks before the version, seven after it: the caption has always
    // looked this way and users know it so.
    return "Zeugnisse für Kestland  V." + std::string(kProgramVersion) + ".       -- " + schoolTypeName(schoolType) +
           " --";
}

} // namespace ruvek::ui
