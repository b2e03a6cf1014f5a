#include "common/FileLookup.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace ruvek {
namespace {

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool isRegularFile(const std::filesystem::path& p)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

} // namespace

std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    const auto exact = folder / name;
    if (isRegularFile(exact))
        return exact;

    std::error_code ec;
    std::vector<std::filesystem::path> matches;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto candidate = it->path();
        if (sameIgnoringAsciiCase(candidate.filename().string(), name) && isRegularFile(candidate))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return matches.front();
}

} // namespace ruvek
