#include "settings/Settings.h"

namespace ruvek {

bool Settings::saveSchule(Prompter& prompter) const { return SaveSchulEinst(schule, programFolder, prompter); }
bool Settings::saveProg(Prompter& prompter) const { return SaveProgEinst(prog, programFolder, prompter); }
bool Settings::saveDruck(Prompter& prompter) const { return SaveDrkEinst(druck, programFolder, dataFolder, prompter); }

} // namespace ruvek
