#pragma once
// Earlier versions of a class file: before a save replaces a class file,
// the version on disk is copied into the folder "Sicherungen" beside it,
// named after the class and the time that version was written
// ("7a 2026-12-10 14-03-22.RVK"). The newest ten versions of each class are
// kept; older ones are removed, oldest first. Every kept version is an
// unchanged copy of the file, so it opens as a class file.
//
// A kept version is opened as a new, never-saved class: restoring never
// writes over anything by itself.
#include "classfile/OpenClass.h"
#include "common/KeptVersions.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr std::string_view kVersionFolderName = kKeptVersionsFolder;
inline constexpr std::size_t kKeptVersions = 10;

// The folder of the kept versions of a class file.
std::filesystem::path versionFolderFor(const std::filesystem::path& classFile);
// The class name a version's name starts with: the file name without its
// extension (".RVK" in any letter case).
std::string classStemOf(const std::filesystem::path& classFile);
// "7a 2026-12-10 14-03-22.RVK"; from the second version of one second on
// "7a 2026-12-10 14-03-22 (2).RVK".
std::string versionName(const std::string& classStem, const LocalStamp& stamp, int sequence = 1);

// The stamp of a version's file name, when the name is one of this class's
// versions (temporary files and other classes' versions are not).
std::optional<VersionKey> parseVersionName(const std::string& fileName, const std::string& classStem);

struct KeptVersion {
    std::filesystem::path path;
    VersionKey key;
    std::optional<std::uint16_t> studentCount;   // none when the header is unreadable
    std::uintmax_t size = 0;
};

// The kept versions of a class file, newest first.
std::vector<KeptVersion> listKeptVersions(const std::filesystem::path& classFile);

// Copies the class file as it is on disk into the version folder, then
// removes all but the newest `keep` versions.
KeepResult keepCurrentVersion(const std::filesystem::path& classFile, std::size_t keep = kKeptVersions,
                              std::string* error = nullptr);

// Opens a kept version as a new, never-saved class in the class file's
// folder: the records, order and header of the version; the changed flag
// set, so that closing asks to save it. Nothing on disk is written. False
// (after the read error message) when the version cannot be read.
bool openKeptVersion(OpenClass& oc, const std::filesystem::path& version, const std::filesystem::path& classFolder,
                     Prompter& prompter);

} // namespace ruvek
