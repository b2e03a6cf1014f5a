#include "classfile/ClassFolder.h"

#include "classfile/VersionBackups.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace ruvek {

bool hasClassFileExtension(const fs::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".RVK";
}

std::vector<fs::path> classFilesIn(const fs::path& folder, bool subfolders)
{
    std::vector<fs::path> found;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return found;
    auto take = [&](const fs::directory_entry& entry) {
        std::error_code entryError;
        if (hasClassFileExtension(entry.path()) && entry.is_regular_file(entryError))
            found.push_back(entry.path());
    };
    if (!subfolders) {
        for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
             !ec && it != end; it.increment(ec))
            take(*it);
    } else {
        // Symbolic links to folders are not followed, so a link back up
        // cannot make the walk endless.
        for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
             !ec && it != end; it.increment(ec)) {
            std::error_code entryError;
            if (it->is_directory(entryError)) {
                if (it->path().filename() == kVersionFolderName)
                    it.disable_recursion_pending();
                continue;
            }
            take(*it);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace ruvek
