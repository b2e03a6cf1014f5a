#include "settings/Installation.h"

#include "settings/SettingsIo.h"

#include <system_error>

namespace ruvek {

namespace fs = std::filesystem;

InstallationFolders prepareFolders(const fs::path& programFolder, Prompter& prompter)
{
    InstallationFolders f{programFolder, programFolder / "Daten"};
    std::error_code ec;
    if (fs::is_directory(f.dataFolder, ec))
        return f;
    fs::create_directory(f.dataFolder, ec);
    if (ec || !fs::is_directory(f.dataFolder, ec)) {
        prompter.tell(MessageKind::Information, std::string(kMsgDataFolderFailed) + (f.dataFolder / "").string() + "\n");
        f.dataFolder = programFolder;
    }
    return f;
}

InstallationFolders existingFolders(const fs::path& programFolder)
{
    InstallationFolders f{programFolder, programFolder / "Daten"};
    std::error_code ec;
    if (!fs::is_directory(f.dataFolder, ec))
        f.dataFolder = programFolder;
    return f;
}

void Installation::load(const InstallationFolders& folders, Prompter& prompter)
{
    settings.programFolder = folders.programFolder;
    settings.dataFolder = folders.dataFolder;
    loadCatalogue(prompter);
    ProgEinstDefaults(settings.prog);
    LoadProgEinst(settings.prog, settings.programFolder, settings.dataFolder, prompter);
    SchulEinstDefaults(settings.schule);
    // A file that exists but cannot be read is reported, not taken for a first start.
    schoolSettingsFound = findSettingsFileIn({settings.programFolder, settings.dataFolder}, kSchulEinstFile).has_value();
    LoadSchulEinst(settings.schule, settings.programFolder, settings.dataFolder, prompter);
    if (!isKnownSchoolType(settings.schule.Schultyp))
        prompter.tell(MessageKind::Warning, unknownSchoolTypeMessage(settings.schule.Schultyp));
    loadElectives(settings.dataFolder, prompter);
    DrkEinstDefaults(settings.druck);
    LoadDrkEinst(settings.druck, settings.programFolder, settings.dataFolder, prompter);
}

void Installation::loadCatalogue(Prompter& prompter)
{
    FachKatalogDefaults(katalog);
    LoadFachKatalog(katalog, settings.dataFolder, settings.programFolder, prompter);
}

void Installation::loadElectives(const fs::path& classDataFolder, Prompter& prompter)
{
    WpflDefaults(electives);
    LoadWPflFach(electives, electiveFolders(classDataFolder), prompter);
    wahlpflichtListe = BuildWahlpflichtListe(electives);
}

} // namespace ruvek
