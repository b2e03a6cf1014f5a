#include "settings/SchulEinst.h"

#include "settings/SettingsIo.h"

#include <string>

namespace ruvek {
namespace {
constexpr const char* kMsgCannotOpen = "Die Schul-Einstellungs-Datei\nkonnte nicht geöffnet werden!";
constexpr const char* kMsgSaveFailed = " Fehler beim Speichern von: \n";

std::string tooShortMessage(const std::filesystem::path& path, std::uintmax_t size)
{
    return "Die Schul-Einstellungs-Datei\n" + path.string() + "\nist unvollständig (" + std::to_string(size) +
           " statt " + std::to_string(TSchulEinstRec::Size) +
           " Bytes) und wurde nicht gelesen.\n\nEs gelten die Standard-Einstellungen.\n"
           "Bitte überprüfen Sie die Schul-Einstellungen!";
}
} // namespace

void SchulEinstDefaults(TSchulEinstRec& rec) { rec = TSchulEinstRec{}; }

bool LoadSchulEinst(TSchulEinstRec& rec, const std::filesystem::path& programFolder,
                    const std::filesystem::path& dataFolder, Prompter& prompter)
{
    const auto path = findSettingsFileIn({programFolder, dataFolder}, kSchulEinstFile);
    if (!path)
        return false;
    const auto file = readSettingsFile(*path, TSchulEinstRec::Size);
    if (!file) {
        prompter.error(kMsgCannotOpen);
        return false;
    }
    // A longer file is read as far as the record goes.
    if (file->size < TSchulEinstRec::Size) {
        prompter.error(tooShortMessage(*path, file->size));
        return false;
    }
    decodeRecord(rec, file->prefix);
    return true;
}

std::string unknownSchoolTypeMessage(int stored)
{
    return "Die Schul-Einstellungen (" + std::string(kSchulEinstFile) + ") nennen eine unbekannte Schulart (Schultyp " +
           std::to_string(stored) +
           ").\nOhne gültige Schulart können keine Zeugnisse gedruckt werden.\n\n"
           "Bitte wählen Sie die Schulart unter \"Einstellungen\" -> \"Schul-Einstellungen\" aus.";
}

bool SaveSchulEinst(const TSchulEinstRec& rec, const std::filesystem::path& programFolder, Prompter& prompter)
{
    const auto image = toBytes(rec);
    return saveSettingsFile(programFolder, kSchulEinstFile, image, kMsgSaveFailed, prompter);
}

} // namespace ruvek
