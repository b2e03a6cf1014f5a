#pragma once
// Shared helpers of the settings-file tests: a fresh program folder and data
// folder per test, and small file utilities.
#include "common/ByteFields.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace ruvek::test {

class SettingsFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device rd;
        root = std::filesystem::temp_directory_path() / ("ruvek-settings-" + std::to_string(rd()));
        program = root / "prog";
        data = program / "Daten";
        std::filesystem::create_directories(data);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(program, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(root, ec);
    }

    std::filesystem::path root, program, data;
};

inline void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file image of a record.
template <class Rec>
std::vector<std::uint8_t> imageOf(const Rec& rec)
{
    const auto a = toBytes(rec);
    return {a.begin(), a.end()};
}

// Names of the files in a folder (to see that no temporary file is left).
inline std::vector<std::string> fileNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.is_regular_file())
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every byte of a record image is covered by exactly one listed field.
template <class Rec>
void expectFieldsTileRecord()
{
    std::vector<int> cover(Rec::Size, 0);
    Rec rec{};
    visitFields(rec, [&](const char*, std::size_t off, auto& field) {
        const std::size_t n = fieldSize<std::remove_cvref_t<decltype(field)>>();
        ASSERT_LE(off + n, Rec::Size);
        for (std::size_t i = off; i < off + n; ++i)
            ++cover[i];
    });
    for (std::size_t i = 0; i < Rec::Size; ++i)
        EXPECT_EQ(cover[i], 1) << "byte " << i;
}

// Offset of every named field.
template <class Rec>
std::vector<std::pair<std::string, std::size_t>> namedOffsets()
{
    std::vector<std::pair<std::string, std::size_t>> out;
    Rec rec{};
    visitFields(rec, [&](const char* name, std::size_t off, auto&) {
        if (name)
            out.emplace_back(name, off);
    });
    return out;
}

} // namespace ruvek::test
