#include "settings/DrkEinst.h"

#include "settings/SettingsIo.h"

namespace ruvek {
namespace {
constexpr const char* kMsgUnknownSize =
    "Die Druck-Einstellungen gehören zu einer alten Programm-Version!\n"
    "Es werden die Standard-Vorgaben genutzt!\n"
    "Prüfen Sie unbedingt die aktuellen Einstellungen!";
constexpr const char* kMsgCannotOpen = "Die Druck-Einstellungs-Datei\nkonnte nicht geöffnet werden!";
constexpr const char* kMsgSaveFailed = "Fehler beim Speichern von: \n";

// The older 44-byte file: bytes 0..39 have today's layout, its value at
// offset 42 is SSNichtStreichen. Everything it did not know gets a fixed
// value (the same as the defaults), except NurNotwendigeDialoge, which keeps
// whatever the record holds.
void takeOverOldFile(TDrkEinstRec& rec, ConstBytes old)
{
    const std::int16_t nurNotwendige = rec.NurNotwendigeDialoge;
    auto image = toBytes(rec);
    std::copy_n(old.begin(), 40, image.begin());
    decodeRecord(rec, image);
    rec.SSNichtStreichen = getI16(old, 42);
    rec.FstKopien = 0;
    rec.ZentralSpeichern = 1;
    rec.SerieSeitenweise = 0;
    rec.NormalStreichzeichen = PStr<1>{"#"};
    rec.Doppelseitig = 0;
    rec.NurNotwendigeDialoge = nurNotwendige;
    rec.Zensurenkonferenz = 0;
    rec.FarbWappen = 0;
    rec.Reserved58 = {};
    rec.ReservedTexte = {};
    rec.Padding319 = {};
}
} // namespace

void DrkEinstDefaults(TDrkEinstRec& rec) { rec = TDrkEinstRec{}; }

bool LoadDrkEinst(TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                  const std::filesystem::path& dataFolder, Prompter& prompter)
{
    const auto path = findSettingsFileIn({programFolder, dataFolder}, kDrkEinstFile);
    if (!path)
        return false;
    const auto file = readSettingsFile(*path, TDrkEinstRec::Size);
    if (!file) {
        prompter.error(kMsgCannotOpen);
        return false;
    }
    if (file->size == TDrkEinstRec::Size) {
        decodeRecord(rec, file->prefix);
        return true;
    }
    if (file->size == kDrkEinstOldSize) {
        takeOverOldFile(rec, file->prefix);
        return true;
    }
    prompter.warning(kMsgUnknownSize);
    return false;
}

std::filesystem::path DrkEinstFolder(const TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& dataFolder)
{
    return rec.ZentralSpeichern == 1 ? programFolder : dataFolder;
}

bool SaveDrkEinst(const TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                  const std::filesystem::path& dataFolder, Prompter& prompter)
{
    const auto image = toBytes(rec);
    return saveSettingsFile(DrkEinstFolder(rec, programFolder, dataFolder), kDrkEinstFile, image, kMsgSaveFailed,
                            prompter);
}

} // namespace ruvek
