#include "settings/SettingsIo.h"

#include "common/FileLookup.h"
#include "common/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace ruvek {
namespace fs = std::filesystem;


std::optional<fs::path> findSettingsFile(const fs::path& folder, const std::string& name)
{
    // A settings name that exists but cannot be read as a file (a folder, say)
    // is still "found", so that loading reports it instead of using defaults.
    std::error_code ec;
    if (const fs::path exact = folder / name; fs::exists(exact, ec))
        return exact;
    return findFileIgnoringCase(folder, name);
}

std::optional<fs::path> findSettingsFileIn(std::initializer_list<fs::path> folders, const std::string& name)
{
    for (const auto& folder : folders) {
        if (folder.empty())
            continue;
        if (auto p = findSettingsFile(folder, name))
            return p;
    }
    return std::nullopt;
}

std::optional<SettingsFileImage> readSettingsFile(const fs::path& path, std::size_t limit)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    SettingsFileImage image;
    image.size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    image.prefix.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(image.size, limit)));
    in.read(reinterpret_cast<char*>(image.prefix.data()), static_cast<std::streamsize>(image.prefix.size()));
    if (static_cast<std::size_t>(in.gcount()) != image.prefix.size())
        return std::nullopt;
    return image;
}

bool saveSettingsFile(const fs::path& folder, const std::string& name, ConstBytes image,
                      const std::string& failurePrefix, Prompter& prompter)
{
    const fs::path target = findSettingsFile(folder, name).value_or(folder / name);
    SafeFileWriter writer(target);
    if (!writer.open()) {
        prompter.error(std::string(kMsgCreateFailed) + "\n" + target.string() + "\n(" + writer.errorText() + ")");
        return false;
    }
    if (!writer.write(image) || !writer.commit()) {
        prompter.error(failurePrefix + target.string() + "\n(" + writer.errorText() + ")");
        return false;
    }
    return true;
}

} // namespace ruvek
