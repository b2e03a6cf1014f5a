#pragma once
// Which files of a folder are class files: a regular file whose extension is
// ".RVK" in any letter case. The kept versions in "Sicherungen" carry the
// same extension but are copies, not classes, so a walk through subfolders
// never enters that folder.
#include <filesystem>
#include <vector>

namespace ruvek {

// Whether the name ends in ".RVK", letter case ignored.
bool hasClassFileExtension(const std::filesystem::path& file);

// The class files in `folder`, sorted by path; with `subfolders` also those
// of every folder below it (the version folders "Sicherungen" left out,
// folders that cannot be read skipped). Empty when `folder` is no folder.
std::vector<std::filesystem::path> classFilesIn(const std::filesystem::path& folder, bool subfolders = false);

} // namespace ruvek
