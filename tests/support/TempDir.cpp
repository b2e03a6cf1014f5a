#include "support/TempDir.h"

#include <random>

namespace ruvek::test {

TempDir::TempDir(std::string_view prefix)
{
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            (std::string(prefix) + "-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

} // namespace ruvek::test
