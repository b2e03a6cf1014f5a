#pragma once
// Settings, form control files, pictures and class data often come from
// Windows installations, where file names are not case-sensitive:
// "ANL008.FST" must be found when the program asks for "Anl008.FST".
#include <filesystem>
#include <optional>
#include <string>

namespace ruvek {

// The regular file `name` in `folder`: the exact name first, otherwise the
// first entry (in name order) that differs only in letter case.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          const std::string& name);

} // namespace ruvek
