#include "settings/Settings.h"

#include "common/Cp1252.h"

namespace ruvek {

bool Settings::saveSchule(Prompter& prompter) const { return SaveSchulEinst(schule, programFolder, prompter); }
bool Settings::saveProg(Prompter& prompter) const { return SaveProgEinst(prog, programFolder, prompter); }
bool Settings::saveDruck(Prompter& prompter) const { return SaveDrkEinst(druck, programFolder, dataFolder, prompter); }

bool Settings::saveSchoolSetup(const SchoolSetup& setup, Prompter& prompter)
{
    if (!isKnownSchoolType(setup.schultyp) || setup.schultyp == 0 || setup.schultyp == 8)
        return false;
    schule.Schultyp = static_cast<std::uint16_t>(setup.schultyp);
    const std::string name = utf8ToCp1252(setup.schulname);
    const std::string ort = utf8ToCp1252(setup.ort);
    SetSchulname(prog, name);
    // The school line of the receipt acknowledgement: name and place.
    const std::string line = name.empty() || ort.empty() ? name + ort : name + ", " + ort;
    schule.SchulAnschrift = line.substr(0, decltype(schule.SchulAnschrift)::Capacity);
    return saveSchule(prompter) && saveProg(prompter);
}

} // namespace ruvek
