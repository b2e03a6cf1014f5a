#pragma once
// The recovery file of a class: while the open class has unsaved changes its
// current state is written, as a complete class file, beside the class file
// ("7a.RVK.$WH"; a never-saved class uses "Vorgabe.RVK.$WH" in its data
// folder). A save or a close without saving removes it; one that is left
// over and newer than its class file tells that the program ended without
// either, and its data can be opened again.
#include "classfile/ClassFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr std::string_view kRecoverySuffix = ".$WH";

std::filesystem::path recoveryPathFor(const std::filesystem::path& classFile);

// Writes header and records as the recovery file of `classFile`, safely.
bool writeRecoveryFile(const std::filesystem::path& classFile, TDateiKopf header, const TDB2& records,
                       std::string* error = nullptr);

// Whether the recovery file exists and was written after its class file (or
// the class file does not exist at all).
bool recoveryIsNewer(const std::filesystem::path& recoveryFile, const std::filesystem::path& classFile);

struct PendingRecovery {
    std::filesystem::path recoveryFile;
    std::filesystem::path classFile;
    bool classFileExists = false;
};

// The recovery files in `folder` that are newer than their class files,
// newest first.
std::vector<PendingRecovery> findPendingRecoveries(const std::filesystem::path& folder);

// A class opened from another folder has its recovery file there, where the
// next start would not look. The start-up data folder ("home") therefore
// keeps a list of such folders in this file, one path a line.
inline constexpr std::string_view kRecoveryFoldersFile = "Wiederherstellung.lst";

// Adds `folder` to the list in `home` unless it is there already (or is
// `home` itself). False when the list could not be written.
bool rememberRecoveryFolder(const std::filesystem::path& home, const std::filesystem::path& folder);

// The pending recovery files of `home` and of every folder on its list,
// newest first. Folders without one are dropped from the list.
std::vector<PendingRecovery> collectPendingRecoveries(const std::filesystem::path& home);

} // namespace ruvek
