#pragma once
// Earlier versions of a file the user adjusts (form control files): before a
// save replaces the file, the version on disk is copied into the folder
// "Sicherungen" beside it, named after the file and the time that version
// was written ("Anl017 2026-12-10 14-03-22.FST"); the newest `keep`
// versions of each file stay, older ones are removed. Saving twice without
// a change keeps one version, not two.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kKeptVersionsFolder = "Sicherungen";

// The kept versions of `file`, newest first.
std::vector<std::filesystem::path> listFileVersions(const std::filesystem::path& file);

// Copies `file` as it is on disk into the version folder. True when it was
// kept or there was nothing to keep (no file yet, or the newest version has
// the same bytes); false with a German reason in *error.
bool keepFileVersion(const std::filesystem::path& file, std::size_t keep = 10, std::string* error = nullptr);

} // namespace ruvek
