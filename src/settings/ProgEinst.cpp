#include "settings/ProgEinst.h"

#include "settings/SettingsIo.h"

#include <algorithm>

namespace ruvek {
namespace {
constexpr const char* kMsgOlderVersion =
    "Die gefundenen Programmeinstellungen\nsind von einer älteren Version!\n\n"
    "Überprüfen Sie die neuen Programm-Einstellungen!";
constexpr const char* kMsgUnknownVersion =
    "Die gefundenen Programmeinstellungen\nsind von einer unbekannten Programm-Version!\n\n"
    "Überprüfen Sie die neuen Programm-Einstellungen!";
constexpr const char* kMsgCannotOpen = "Die Programm-Einstellungs-Datei\nkonnte nicht geöffnet werden!";
constexpr const char* kMsgSaveFailed = " Fehler beim Speichern von: \n";

// Reads the first bytes of an older, shorter file over the record; the rest
// of the record keeps what it holds.
void readOver(TProgEinstRec& rec, ConstBytes prefix)
{
    auto image = toBytes(rec);
    std::copy(prefix.begin(), prefix.end(), image.begin());
    decodeRecord(rec, image);
}
} // namespace

void ProgEinstDefaults(TProgEinstRec& rec) { rec = TProgEinstRec{}; }

std::string SchulnameText(const TProgEinstRec& rec)
{
    return std::string(rec.Schulname.view().substr(0, kSchulnameMaxLength));
}

void SetSchulname(TProgEinstRec& rec, std::string_view cp1252)
{
    rec.Schulname = PStr<81>{};
    rec.Schulname.set(cp1252.substr(0, kSchulnameMaxLength));
}

bool LoadProgEinst(TProgEinstRec& rec, const std::filesystem::path& programFolder,
                   const std::filesystem::path& dataFolder, Prompter& prompter)
{
    const auto path = findSettingsFileIn({programFolder, dataFolder}, kProgEinstFile);
    if (!path)
        return false;
    const auto file = readSettingsFile(*path, TProgEinstRec::Size);
    if (!file) {
        prompter.error(kMsgCannotOpen);
        return false;
    }
    switch (file->size) {
    case kProgEinstSize16:
    case kProgEinstSize120:
        readOver(rec, file->prefix);
        prompter.error(kMsgOlderVersion);
        return true;
    case TProgEinstRec::Size:
        decodeRecord(rec, file->prefix);
        return true;
    default:
        prompter.error(kMsgUnknownVersion);
        return false;
    }
}

bool SaveProgEinst(const TProgEinstRec& rec, const std::filesystem::path& programFolder, Prompter& prompter)
{
    const auto image = toBytes(rec);
    return saveSettingsFile(programFolder, kProgEinstFile, image, kMsgSaveFailed, prompter);
}

} // namespace ruvek
