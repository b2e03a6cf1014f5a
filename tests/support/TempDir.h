#pragma once
// A temporary folder for one test: made empty under the system's temporary
// folder with a random name, removed with everything in it at the end.
#include <filesystem>
#include <string>
#include <string_view>

namespace ruvek::test {

class TempDir {
public:
    // `prefix` starts the folder's name, so a left-over folder names its test.
    explicit TempDir(std::string_view prefix = "ruvek-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace ruvek::test
