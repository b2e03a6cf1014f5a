#pragma once
// The golden files of the layout tests: the recorded drawing operations of
// one certificate (support/GoldenDrawing.h), kept under tests/golden/layouts
// each with a picture of its pages. After a deliberate change of a layout, a
// section or a form, RUVEK_UPDATE_GOLDEN=1 rewrites the recordings; the
// pictures then follow with the same variable in test_qtdraw
// (GoldenPictures), to be looked at before they are committed.
#include "common/Cp1252.h"
#include "support/GoldenDrawing.h"

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

// Compares the drawing of an annex code (its pages' draw operations) with
// its golden file "AnlNNN.txt". The recording must also read back into the
// same drawing, so the picture rendered from it shows what was drawn.
inline void ExpectGolden(int annexCode, const std::vector<RecordedPage>& pages)
{
    char name[16];
    std::snprintf(name, sizeof name, "Anl%03d.txt", annexCode);
    const std::filesystem::path golden = kGoldenLayoutFolder / name;
    const std::string actual = goldenText(pages);
    if (std::getenv("RUVEK_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
    }
    EXPECT_EQ(actual, readFile(golden)) << "golden file " << golden;

    std::string error;
    const auto readBack = parseGoldenText(actual, &error);
    ASSERT_TRUE(readBack) << error;
    ASSERT_EQ(readBack->size(), pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_EQ((*readBack)[p].size(), pages[p].size()) << "page " << p + 1;
        for (std::size_t i = 0; i < pages[p].size(); ++i)
            EXPECT_TRUE(drawsTheSame((*readBack)[p][i], pages[p][i])) << "page " << p + 1 << ", operation " << i + 1;
    }
}

inline void ExpectGolden(int annexCode, const std::vector<RecordingCanvas>& pages)
{
    std::vector<RecordedPage> ops;
    for (const RecordingCanvas& c : pages)
        ops.push_back(c.drawOps());
    ExpectGolden(annexCode, ops);
}

} // namespace ruvek::test
