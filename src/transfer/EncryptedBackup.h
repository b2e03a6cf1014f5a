#pragma once
// The encrypted full data backup: the same files the plain backup copies
// (the data folder and the settings of the program folder) go into one
// container "Ruvek-Datensicherung YYYY-MM-DD.rvkx" at the chosen place. The
// restore lists what a container holds and writes it into a folder of the
// user's choice, asking before it replaces any file there.
#include "common/Prompter.h"
#include "settings/DataBackup.h"
#include "transfer/Container.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kRestoreTitle = "Sicherung wiederherstellen";

// The container the encrypted backup writes.
std::filesystem::path encryptedBackupFile(const BackupRequest& request);

struct EncryptedBackupResult {
    bool done = false;
    std::filesystem::path file;
    std::size_t files = 0;
    std::uintmax_t bytes = 0;                   // content before encryption
    std::vector<std::filesystem::path> failed;  // files that could not be read (reported)
};

// Asks the new password, reads every file of the backup plan, seals them
// and writes the container (an existing one only with request.overwrite or
// after asking). The container is read back and compared before it counts.
EncryptedBackupResult runEncryptedBackup(const BackupRequest& request, Prompter& prompter,
                                         KeyDerivation kdf = KeyDerivation::program());
std::string encryptedBackupReport(const EncryptedBackupResult& result);

struct RestoreResult {
    bool done = false;                 // ran to its end (possibly with files kept or failed)
    std::filesystem::path folder;
    std::vector<std::string> restored;
    std::vector<std::string> kept;     // existing files the user chose to keep
    std::vector<std::string> failed;
};

// One line of the restore list: "Daten/7a.RVK  (36 KB)".
std::string restoreListLine(const ContainerFile& file);

// Writes the files below `folder`; before a file there is replaced the user
// is asked ("Ja / Ja, alle / Nein / Abbrechen").
RestoreResult restoreFiles(const std::vector<ContainerFile>& files, const std::filesystem::path& folder,
                           Prompter& prompter);

// "Sicherung wiederherstellen ...": chooses a container, asks its password,
// lists what it holds, asks for the folder and restores into it.
RestoreResult restoreFromContainer(Prompter& prompter, const std::filesystem::path& startFolder);
std::string restoreReport(const RestoreResult& result);

} // namespace ruvek
