#pragma once
// The full data backup: the data folder (class files, their backup copies,
// settings, form control file copies, whatever else the school keeps there)
// and the settings files of the program folder are copied into a dated
// folder below the chosen place, every copy is read back and compared with
// its source, and the user is told what was saved.
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kMsgNoBackup = "Es wurde KEINE Datensicherung durchgeführt!";
// The folder below the chosen place: kBackupFolderPrefix + date ("2026-05-04").
inline constexpr const char* kBackupFolderPrefix = "Ruvek-Datensicherung ";
// The settings files of the program folder go into this subfolder.
inline constexpr const char* kBackupProgramSubfolder = "Programm-Ordner";

struct BackupRequest {
    std::filesystem::path dataFolder;
    std::filesystem::path programFolder;
    std::filesystem::path target;   // the place chosen in the dialog
    bool overwrite = false;         // "vorhandene Daten überschreiben": replace without asking
    std::string date;               // "YYYY-MM-DD", names the backup folder
};

// Today's date as "YYYY-MM-DD" (local time).
std::string todayStamp();

struct BackupFile {
    std::filesystem::path source;
    std::filesystem::path relative;   // path inside the backup folder
};

// The folder the backup goes into.
std::filesystem::path backupFolder(const BackupRequest& request);
// What a backup copies, in order: the data folder's files (below it, with
// their subfolders; when the data folder is the program folder only the
// program's data files: class files and their backups, settings, form
// files, grade lists, import description), then the settings files of the
// program folder (when it is another folder) into kBackupProgramSubfolder.
std::vector<BackupFile> backupPlan(const BackupRequest& request);

// Whether the backup may go to the chosen place: an existing folder outside
// the data folder (a backup inside it would be copied into itself next
// time). The message is shown when not.
bool backupTargetAcceptable(const BackupRequest& request, Prompter& prompter);

// Called before each file; false cancels the backup.
using BackupProgress = std::function<bool(std::size_t done, std::size_t total, const std::filesystem::path& current)>;

struct BackupResult {
    bool done = false;        // the backup ran to its end (possibly with failures)
    bool cancelled = false;
    std::filesystem::path folder;
    std::vector<BackupFile> saved;              // copied and verified
    std::vector<std::filesystem::path> kept;    // existing files the user chose not to replace
    std::vector<std::filesystem::path> failed;  // not copied, or the copy differs from its source
    std::uintmax_t bytes = 0;
};

// Runs the backup. A target inside the data folder, a missing target or a
// backup folder that cannot be made is refused with a message; failures of
// single files are reported as they happen.
BackupResult runBackup(const BackupRequest& request, Prompter& prompter, const BackupProgress& progress = {});

// The closing message: where the backup is and what it holds.
std::string backupReport(const BackupResult& result);

} // namespace ruvek
