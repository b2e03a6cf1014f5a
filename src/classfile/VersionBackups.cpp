#include "classfile/VersionBackups.h"

#include "classfile/StudentRecord.h"
#include "common/SafeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

bool endsWithRvk(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
    return ext == ".RVK";
}

// Reads "dddd" digits at pos; false when they are not digits.
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

std::optional<std::uint16_t> headerCount(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    TDateiKopf header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header) || !hasClassFileMagic(header))
        return std::nullopt;
    return header.Anzahl;
}

// A save killed while it copied a version leaves the copy's temporary file
// (".7a 2026-... .RVK.tmpNNN") behind; no later write has that name again,
// so the leftovers of all versions are removed here. A file still being
// written is locked by its writer and stays.
void removeKilledCopies(const fs::path& folder, const std::string& stem)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto tmp = name.rfind(".RVK.tmp");
        if (!name.starts_with("." + stem + " ") || tmp == std::string::npos ||
            !isTempNameFor(name, folder / name.substr(1, tmp + 4 - 1)))
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
    const auto sys = ec ? std::chrono::system_clock::now()
                        : std::chrono::file_clock::to_sys(ft);
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

fs::path versionFolderFor(const fs::path& classFile) { return classFile.parent_path() / kVersionFolderName; }

std::string classStemOf(const fs::path& classFile)
{
    const std::string name = classFile.filename().string();
    return endsWithRvk(name) ? name.substr(0, name.size() - 4) : classFile.stem().string();
}

std::string versionName(const std::string& classStem, const LocalStamp& s, int sequence)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, " %04d-%02d-%02d %02d-%02d-%02d", s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    std::string name = classStem + buf;
    if (sequence > 1)
        name += " (" + std::to_string(sequence) + ")";
    return name + ".RVK";
}

std::optional<VersionKey> parseVersionName(const std::string& fileName, const std::string& classStem)
{
    // classStem + " YYYY-MM-DD HH-MM-SS" [+ " (n)"] + ".RVK"
    const std::string prefix = classStem + " ";
    if (!fileName.starts_with(prefix) || !fileName.ends_with(".RVK"))
        return std::nullopt;
    const std::string rest = fileName.substr(prefix.size(), fileName.size() - prefix.size() - 4);
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

std::vector<KeptVersion> listKeptVersions(const fs::path& classFile)
{
    std::vector<KeptVersion> out;
    const std::string stem = classStemOf(classFile);
    std::error_code ec;
    for (fs::directory_iterator it(versionFolderFor(classFile), ec), end; !ec && it != end; it.increment(ec)) {
        const auto key = parseVersionName(it->path().filename().string(), stem);
        std::error_code sizeEc;
        if (!key || !it->is_regular_file(sizeEc))
            continue;
        const auto size = it->file_size(sizeEc);
        out.push_back({it->path(), *key, headerCount(it->path()), sizeEc ? 0 : size});
    }
    std::sort(out.begin(), out.end(), [](const KeptVersion& a, const KeptVersion& b) { return a.key > b.key; });
    return out;
}

KeepResult keepCurrentVersion(const fs::path& classFile, std::size_t keep, std::string* error)
{
    std::error_code ec;
    if (!fs::is_regular_file(classFile, ec))
        return KeepResult::NothingToKeep;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(classFile, bytes)) {
        if (error)
            *error = "Die Datei kann nicht gelesen werden.";
        return KeepResult::Failed;
    }
    auto kept = listKeptVersions(classFile);
    // Saving twice without a change keeps one version, not two.
    if (!kept.empty() && kept.front().size == bytes.size()) {
        std::vector<std::uint8_t> newest;
        if (readWholeFile(kept.front().path, newest) && newest == bytes)
            return KeepResult::NothingToKeep;
    }
    const fs::path folder = versionFolderFor(classFile);
    fs::create_directories(folder, ec);
    const std::string stem = classStemOf(classFile);
    const LocalStamp stamp = modificationStamp(classFile);
    fs::path target;
    for (int sequence = 1;; ++sequence) {
        target = folder / versionName(stem, stamp, sequence);
        if (!fs::exists(target, ec))
            break;
    }
    removeKilledCopies(folder, stem);
    if (!writeFileSafely(target, bytes, error))
        return KeepResult::Failed;
    kept = listKeptVersions(classFile);
    for (std::size_t i = keep; i < kept.size(); ++i)
        fs::remove(kept[i].path, ec);
    return KeepResult::Kept;
}

bool openKeptVersion(OpenClass& oc, const fs::path& version, const fs::path& classFolder, Prompter& prompter)
{
    ClassFileContent content;
    const ReadError error = readClassFile(version, content);
    if (error != ReadError::None) {
        prompter.error(readErrorText(error));
        return false;
    }
    oc.adoptUnsaved(std::move(content), classFolder);
    return true;
}

} // namespace ruvek
