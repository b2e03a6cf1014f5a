#include "classfile/RecoveryFile.h"

#include "common/SafeFile.h"

#include <algorithm>
#include <fstream>

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

namespace {

std::vector<fs::path> listedFolders(const fs::path& home)
{
    std::vector<fs::path> folders;
    std::ifstream in(home / kRecoveryFoldersFile);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            folders.emplace_back(line);
    return folders;
}

bool writeListedFolders(const fs::path& home, const std::vector<fs::path>& folders)
{
    const fs::path list = home / kRecoveryFoldersFile;
    if (folders.empty()) {
        std::error_code ec;
        fs::remove(list, ec);
        return !ec;
    }
    std::string text;
    for (const fs::path& f : folders)
        text += f.string() + "\n";
    SafeFileWriter writer(list);
    return writer.open() && writer.write(ConstBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) &&
           writer.commit();
}

bool sameFolder(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) || a.lexically_normal() == b.lexically_normal();
}

} // namespace

bool rememberRecoveryFolder(const fs::path& home, const fs::path& folder)
{
    if (home.empty() || folder.empty() || sameFolder(home, folder))
        return true;
    std::vector<fs::path> folders = listedFolders(home);
    if (std::any_of(folders.begin(), folders.end(), [&](const fs::path& f) { return sameFolder(f, folder); }))
        return true;
    folders.push_back(fs::absolute(folder).lexically_normal());
    return writeListedFolders(home, folders);
}

std::vector<PendingRecovery> collectPendingRecoveries(const fs::path& home)
{
    std::vector<PendingRecovery> all = findPendingRecoveries(home);
    const std::vector<fs::path> listed = listedFolders(home);
    std::vector<fs::path> keep;
    for (const fs::path& folder : listed) {
        if (sameFolder(folder, home))
            continue;
        std::vector<PendingRecovery> found = findPendingRecoveries(folder);
        if (found.empty())
            continue;
        keep.push_back(folder);
        for (PendingRecovery& p : found)
            all.push_back(std::move(p));
    }
    if (keep != listed)
        writeListedFolders(home, keep);
    std::error_code ec;
    std::stable_sort(all.begin(), all.end(), [&](const PendingRecovery& a, const PendingRecovery& b) {
        return fs::last_write_time(a.recoveryFile, ec) > fs::last_write_time(b.recoveryFile, ec);
    });
    return all;
}

} // namespace ruvek
