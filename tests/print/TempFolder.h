#pragma once
// A fresh folder per test under the system's temporary folder, removed
// afterwards, with a program folder and a data folder inside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ruvek::test {

class TempFolder {
public:
    TempFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device rd;
        root_ = std::filesystem::temp_directory_path()
            / ("ruvek-print-" + std::string(info ? info->name() : "x") + "-" + std::to_string(rd()));
        std::filesystem::create_directories(root_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

inline void writeText(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string readText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace ruvek::test
