#include "common/KeptVersions.h"

#include "common/SafeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

// Reads `digits` digits at pos; false when they are not digits.
bool readNumber(const std::string& s, std::size_t pos, std::size_t digits, int& out)
{
    if (pos + digits > s.size())
        return false;
    out = 0;
    for (std::size_t i = pos; i < pos + digits; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}

// A killed copy is ".<version name>.tmpNNN"; no later write has that name
// again. A file still being written is locked by its writer and stays.
void removeKilledCopies(const fs::path& folder, const std::string& stem, const std::string& extension)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto tmp = name.rfind(extension + ".tmp");
        if (!name.starts_with("." + stem + " ") || tmp == std::string::npos ||
            !isTempNameFor(name, folder / name.substr(1, tmp + extension.size() - 1)))
            continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

} // namespace

LocalStamp modificationStamp(const fs::path& file)
{
    std::error_code ec;
    const auto ft = fs::last_write_time(file, ec);
    const auto sys = ec ? std::chrono::system_clock::now() : std::chrono::file_clock::to_sys(ft);
    const std::time_t t = std::chrono::system_clock::to_time_t(sys);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string dateText(const LocalStamp& s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", s.day, s.month, s.year);
    return buf;
}

std::string timeText(const LocalStamp& s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", s.hour, s.minute, s.second);
    return buf;
}

std::string versionFileName(const std::string& stem, const LocalStamp& s, int sequence, const std::string& extension)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, " %04d-%02d-%02d %02d-%02d-%02d", s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    std::string name = stem + buf;
    if (sequence > 1)
        name += " (" + std::to_string(sequence) + ")";
    return name + extension;
}

std::optional<VersionKey> parseVersionFileName(const std::string& fileName, const std::string& stem,
                                               const std::string& extension)
{
    // stem + " YYYY-MM-DD HH-MM-SS" [+ " (n)"] + extension
    const std::string prefix = stem + " ";
    if (fileName.size() < prefix.size() + extension.size() || !fileName.starts_with(prefix) ||
        !fileName.ends_with(extension))
        return std::nullopt;
    const std::string rest = fileName.substr(prefix.size(), fileName.size() - prefix.size() - extension.size());
    VersionKey key;
    LocalStamp& s = key.stamp;
    if (rest.size() < 19 || !readNumber(rest, 0, 4, s.year) || rest[4] != '-' || !readNumber(rest, 5, 2, s.month) ||
        rest[7] != '-' || !readNumber(rest, 8, 2, s.day) || rest[10] != ' ' || !readNumber(rest, 11, 2, s.hour) ||
        rest[13] != '-' || !readNumber(rest, 14, 2, s.minute) || rest[16] != '-' || !readNumber(rest, 17, 2, s.second))
        return std::nullopt;
    if (rest.size() == 19)
        return key;
    // " (n)"
    if (rest.size() < 23 || rest.compare(19, 2, " (") != 0 || rest.back() != ')')
        return std::nullopt;
    if (!readNumber(rest, 21, rest.size() - 22, key.sequence) || key.sequence < 2)
        return std::nullopt;
    return key;
}

std::vector<FileVersion> listVersionsIn(const fs::path& folder, const std::string& stem, const std::string& extension)
{
    std::vector<FileVersion> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto key = parseVersionFileName(it->path().filename().string(), stem, extension);
        std::error_code sizeEc;
        if (!key || !it->is_regular_file(sizeEc))
            continue;
        const auto size = it->file_size(sizeEc);
        out.push_back({it->path(), *key, sizeEc ? 0 : size});
    }
    std::sort(out.begin(), out.end(), [](const FileVersion& a, const FileVersion& b) { return a.key > b.key; });
    return out;
}

KeepResult keepVersionOf(const fs::path& file, const std::string& stem, const std::string& extension,
                         std::size_t keep, std::string* error)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return KeepResult::NothingToKeep;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(file, bytes)) {
        if (error)
            *error = "Die Datei kann nicht gelesen werden.";
        return KeepResult::Failed;
    }
    const fs::path folder = file.parent_path() / kKeptVersionsFolder;
    auto kept = listVersionsIn(folder, stem, extension);
    // Saving twice without a change keeps one version, not two.
    if (!kept.empty() && kept.front().size == bytes.size()) {
        std::vector<std::uint8_t> newest;
        if (readWholeFile(kept.front().path, newest) && newest == bytes)
            return KeepResult::NothingToKeep;
    }
    fs::create_directories(folder, ec);
    const LocalStamp stamp = modificationStamp(file);
    fs::path target;
    for (int sequence = 1;; ++sequence) {
        target = folder / versionFileName(stem, stamp, sequence, extension);
        if (!fs::exists(target, ec))
            break;
    }
    removeKilledCopies(folder, stem, extension);
    if (!writeFileSafely(target, bytes, error))
        return KeepResult::Failed;
    kept = listVersionsIn(folder, stem, extension);
    for (std::size_t i = keep; i < kept.size(); ++i)
        fs::remove(kept[i].path, ec);
    return KeepResult::Kept;
}

std::vector<fs::path> listFileVersions(const fs::path& file)
{
    std::vector<fs::path> out;
    for (FileVersion& v : listVersionsIn(file.parent_path() / kKeptVersionsFolder, file.stem().string(),
                                         file.extension().string()))
        out.push_back(std::move(v.path));
    return out;
}

bool keepFileVersion(const fs::path& file, std::size_t keep, std::string* error)
{
    std::string why;
    if (keepVersionOf(file, file.stem().string(), file.extension().string(), keep, &why) != KeepResult::Failed)
        return true;
    if (error)
        *error = "Die bisherige Fassung von " + file.filename().string() + " konnte nicht im Ordner \"" +
                 std::string(kKeptVersionsFolder) + "\" aufbewahrt werden: " + why;
    return false;
}

} // namespace ruvek
