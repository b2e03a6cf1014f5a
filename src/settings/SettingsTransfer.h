#pragma once
// Carrying settings between installations: the export copies chosen
// settings files of this installation into another folder, the import
// copies them from such a folder into the program folder and, where wanted,
// into the settings folder of the data side. Imported settings take effect
// at the next program start, when the settings are read.
#include "common/Prompter.h"
#include "settings/Settings.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ruvek {

// The transferable items, in the order they are handled.
enum class TransferItem { WPflFach, TestTst, SchulEinst, ProgEinst, DrkEinst, FormFiles, TestTxt };
inline constexpr std::size_t kTransferItemCount = 7;

struct TransferItemInfo {
    TransferItem item;
    const char* caption;    // " " for the two items without text
    const char* file;       // the file name, or "*.FST" for all form control files
};
std::span<const TransferItemInfo> transferItems();

using TransferSelection = std::array<bool, kTransferItemCount>;
inline bool& selected(TransferSelection& s, TransferItem i) { return s[static_cast<std::size_t>(i)]; }
inline bool selected(const TransferSelection& s, TransferItem i) { return s[static_cast<std::size_t>(i)]; }
// What the dialogs check when they are shown.
TransferSelection exportDefaultSelection();   // electives, school, program and print settings
TransferSelection importDefaultSelection();   // electives, "TEST.TST", school and program settings

// Where this installation keeps and reads its settings.
struct TransferFolders {
    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;   // folder of the class files (of the class last opened or saved)
    int zentralListen = 1;              // elective list in the program folder
    int zentralSpeichern = 1;           // print options in the program folder
    int fstKopien = 0;                  // form control files: the data folder's copies first

    static TransferFolders of(const Settings& settings);
    // The settings folder of the import's second target: the program folder
    // while the elective list is kept centrally, else the data folder.
    const std::filesystem::path& einstOrdner() const { return zentralListen == 1 ? programFolder : dataFolder; }
};

inline constexpr const char* kMsgSelfCopy = "Kopieren der Einstellungen auf\nsich selbst NICHT möglich!";

// The files an export takes for one item: each from where the program reads
// it — the elective list from the folder of ZentralListen, else the other
// one; school and program settings from the program folder, else the data
// folder; the print options from the folder of ZentralSpeichern, else the
// other one; every form control file from the folder of FstKopien, else the
// other one (each file name once). Missing files are left out.
std::vector<std::filesystem::path> exportSources(TransferItem item, const TransferFolders& folders);
// The files an import takes for one item from the source folder.
std::vector<std::filesystem::path> importSources(TransferItem item, const std::filesystem::path& sourceFolder);

struct TransferResult {
    bool refused = false;     // the folder check failed; nothing was copied
    bool cancelled = false;   // the user answered "Abbrechen" to an overwrite question
    std::vector<std::filesystem::path> written;
};

// Copies the selected items into `target`. A target that is one of the
// folders the settings come from is refused with kMsgSelfCopy.
TransferResult exportSettings(const TransferSelection& selection, const TransferFolders& folders,
                              const std::filesystem::path& target, Prompter& prompter);

struct ImportTargets {
    bool programFolder = true;   // "Ziel (Programm-Ordner)"
    bool einstOrdner = false;    // "Ziel (aktueller Daten-Ordner)"
};

// Copies the selected items found in `source` into the checked targets; a
// file goes into the settings folder unless that is the program folder and
// it went there already. A source that is one of the checked targets is
// refused with kMsgSelfCopy.
TransferResult importSettings(const TransferSelection& selection, const TransferFolders& folders,
                              const std::filesystem::path& source, const ImportTargets& targets, Prompter& prompter);

// The closing messages, naming what was copied.
std::string exportReport(const TransferResult& result, const std::filesystem::path& target);
std::string importReport(const TransferResult& result);

} // namespace ruvek
