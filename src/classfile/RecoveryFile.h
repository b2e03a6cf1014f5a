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

} // namespace ruvek
