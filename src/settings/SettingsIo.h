#pragma once
// Reading and writing the small settings files (*.DAT): each is the byte
// image of one fixed-size record, no header. The helpers here find a file in
// a folder, read a bounded prefix of it, and write a record image atomically
// at exactly its size.
#include "common/ByteFields.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

// The file `name` inside `folder`. The exact name is preferred; otherwise a
// file whose name differs only in letter case is accepted (files copied from
// a Windows installation often change case, e.g. "Drkeinst.dat").
std::optional<std::filesystem::path> findSettingsFile(const std::filesystem::path& folder, const std::string& name);

// The first folder of `folders` that holds `name`, with the file's path.
std::optional<std::filesystem::path> findSettingsFileIn(std::initializer_list<std::filesystem::path> folders,
                                                        const std::string& name);

struct SettingsFileImage {
    std::uintmax_t size = 0;            // the file's size in bytes
    std::vector<std::uint8_t> prefix;   // its first min(size, limit) bytes
};

// Reads the size and at most `limit` leading bytes of a file. nullopt when the
// file cannot be opened or read.
std::optional<SettingsFileImage> readSettingsFile(const std::filesystem::path& path, std::size_t limit);

// Writes `image` as the whole new content of folder/name (or of the existing
// file of that name in another letter case), through a temporary file that
// replaces the old one only when complete. On failure the old file stays and
// the prompter shows "Fehler beim Erzeugen der neuen Datei!" (the file could
// not be created) or `failurePrefix` + the file's path.
bool saveSettingsFile(const std::filesystem::path& folder, const std::string& name, ConstBytes image,
                      const std::string& failurePrefix, Prompter& prompter);

// Shown when a new settings file cannot be created.
inline constexpr const char* kMsgCreateFailed = "Fehler beim Erzeugen der neuen Datei!";

} // namespace ruvek
