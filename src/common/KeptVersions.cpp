#include "common/KeptVersions.h"

#include "common/SafeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

std::string stampText(const fs::path& file)
{
    std::error_code ec;
    const auto ft = fs::last_write_time(file, ec);
    const auto sys = ec ? std::chrono::system_clock::now() : std::chrono::file_clock::to_sys(ft);
    const std::time_t t = std::chrono::system_clock::to_time_t(sys);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, " %04d-%02d-%02d %02d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

// "<stem> YYYY-MM-DD HH-MM-SS[ (n)]<ext>"
bool isVersionOf(const std::string& name, const std::string& stem, const std::string& ext)
{
    if (name.size() < stem.size() + 20 + ext.size() || name.compare(0, stem.size() + 1, stem + " ") != 0 ||
        !name.ends_with(ext))
        return false;
    const std::string stamp = name.substr(stem.size() + 1, 19);
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        const char sep = i == 4 || i == 7 || i == 13 || i == 16 ? '-' : i == 10 ? ' ' : 0;
        if (sep ? stamp[i] != sep : !digit)
            return false;
    }
    const std::string rest = name.substr(stem.size() + 20, name.size() - stem.size() - 20 - ext.size());
    return rest.empty() || (rest.starts_with(" (") && rest.ends_with(")"));
}

} // namespace

std::vector<fs::path> listFileVersions(const fs::path& file)
{
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    const std::string stem = file.stem().string();
    const std::string ext = file.extension().string();
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path() / kKeptVersionsFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc) || !isVersionOf(it->path().filename().string(), stem, ext))
            continue;
        found.emplace_back(it->last_write_time(typeEc), it->path());
    }
    // Newest first: by name (the stamp), then by the time the copy was made.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.second.filename() != b.second.filename() ? a.second.filename() > b.second.filename()
                                                          : a.first > b.first;
    });
    std::vector<fs::path> out;
    for (auto& f : found)
        out.push_back(std::move(f.second));
    return out;
}

bool keepFileVersion(const fs::path& file, std::size_t keep, std::string* error)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return true;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(file, bytes)) {
        if (error)
            *error = "Die bisherige Fassung von " + file.filename().string() + " kann nicht gelesen werden.";
        return false;
    }
    auto kept = listFileVersions(file);
    if (!kept.empty()) {
        std::vector<std::uint8_t> newest;
        if (readWholeFile(kept.front(), newest) && newest == bytes)
            return true;
    }
    const fs::path folder = file.parent_path() / kKeptVersionsFolder;
    fs::create_directories(folder, ec);
    const std::string base = file.stem().string() + stampText(file);
    fs::path target = folder / (base + file.extension().string());
    for (int n = 2; fs::exists(target, ec); ++n)
        target = folder / (base + " (" + std::to_string(n) + ")" + file.extension().string());
    std::string why;
    if (!writeFileSafely(target, bytes, &why)) {
        if (error)
            *error = "Die bisherige Fassung konnte nicht im Ordner \"" + std::string(kKeptVersionsFolder) +
                     "\" aufbewahrt werden: " + why;
        return false;
    }
    kept = listFileVersions(file);
    for (std::size_t i = keep; i < kept.size(); ++i)
        fs::remove(kept[i], ec);
    return true;
}

} // namespace ruvek
