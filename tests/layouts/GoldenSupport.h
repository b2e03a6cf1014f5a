#pragma once
// The golden files of the layout tests: the recorded drawing operations of
// one certificate, kept under tests/layouts/data. After a deliberate change
// of a layout, a section or a form, RUVEK_UPDATE_GOLDEN=1 rewrites them.
#include "common/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ruvek::test {

// The source tree: the checked-in form files and golden drawings.
inline const std::filesystem::path kSourceRoot = std::filesystem::path(RUVEK_SOURCE_DIR);

inline std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string cp(const char* utf8) { return utf8ToCp1252(utf8); }

// Compares the drawing of an annex code with its golden file "AnlNNN.txt".
inline void ExpectGolden(int annexCode, const std::string& actual)
{
    char name[16];
    std::snprintf(name, sizeof name, "Anl%03d.txt", annexCode);
    const std::filesystem::path golden = kSourceRoot / "tests" / "layouts" / "data" / name;
    if (std::getenv("RUVEK_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
    }
    EXPECT_EQ(actual, readFile(golden)) << "golden file " << golden;
}

} // namespace ruvek::test
