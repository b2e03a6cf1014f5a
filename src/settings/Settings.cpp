#include "settings/Settings.h"

namespace ruvek {

void Settings::loadAll(Prompter& prompter)
{
    ProgEinstDefaults(prog);
    LoadProgEinst(prog, programFolder, dataFolder, prompter);
    SchulEinstDefaults(schule);
    LoadSchulEinst(schule, programFolder, dataFolder, prompter);
    DrkEinstDefaults(druck);
    LoadDrkEinst(druck, programFolder, dataFolder, prompter);
}

bool Settings::saveSchule(Prompter& prompter) const { return SaveSchulEinst(schule, programFolder, prompter); }
bool Settings::saveProg(Prompter& prompter) const { return SaveProgEinst(prog, programFolder, prompter); }
bool Settings::saveDruck(Prompter& prompter) const { return SaveDrkEinst(druck, programFolder, dataFolder, prompter); }

} // namespace ruvek
