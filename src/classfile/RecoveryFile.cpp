#include "classfile/RecoveryFile.h"

#include <algorithm>

namespace ruvek {
namespace fs = std::filesystem;

fs::path recoveryPathFor(const fs::path& classFile)
{
    return classFile.parent_path() / (classFile.filename().string() + std::string(kRecoverySuffix));
}

bool writeRecoveryFile(const fs::path& classFile, TDateiKopf header, const TDB2& records, std::string* error)
{
    // A class that was never saved has no header of its own yet.
    if (!hasClassFileMagic(header))
        header = newFileHeader(0);
    header.Anzahl = static_cast<std::uint16_t>(records.size());
    return writeClassFile(recoveryPathFor(classFile), header, records, error);
}

bool recoveryIsNewer(const fs::path& recoveryFile, const fs::path& classFile)
{
    std::error_code ec;
    const auto recoveryTime = fs::last_write_time(recoveryFile, ec);
    if (ec)
        return false;
    const auto classTime = fs::last_write_time(classFile, ec);
    return ec || recoveryTime > classTime;
}

std::vector<PendingRecovery> findPendingRecoveries(const fs::path& folder)
{
    std::vector<std::pair<fs::file_time_type, PendingRecovery>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeEc;
        // Temporary files of a write that was cut off start with a dot and
        // never end in the suffix.
        if (name.size() <= kRecoverySuffix.size() || !name.ends_with(kRecoverySuffix) || name.front() == '.' ||
            !it->is_regular_file(typeEc))
            continue;
        PendingRecovery p;
        p.recoveryFile = it->path();
        p.classFile = folder / name.substr(0, name.size() - kRecoverySuffix.size());
        p.classFileExists = fs::exists(p.classFile, typeEc);
        if (recoveryIsNewer(p.recoveryFile, p.classFile))
            found.emplace_back(fs::last_write_time(p.recoveryFile, typeEc), std::move(p));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<PendingRecovery> out;
    for (auto& f : found)
        out.push_back(std::move(f.second));
    return out;
}

} // namespace ruvek
