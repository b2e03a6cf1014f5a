// The kept versions of files the user changes: names, order and pruning.
#include "common/KeptVersions.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace ruvek;

// Newest first by the time in the name and then by the sequence number, so
// that "(2)" is newer than the plain name and "(10)" newer than "(9)" —
// ordering by the text of the names gets both wrong.
TEST(KeptVersions, NewestFirstByStampAndSequence)
{
    test::ScratchFolder dir;
    const fs::path form = dir.path() / "Anl017.FST";
    std::ofstream(form) << "x";
    fs::create_directories(dir.path() / kKeptVersionsFolder);
    const LocalStamp early{2026, 12, 10, 9, 0, 0}, late{2026, 12, 10, 14, 3, 22};
    for (const std::string& name :
         {versionFileName("Anl017", early, 1, ".FST"), versionFileName("Anl017", late, 1, ".FST"),
          versionFileName("Anl017", late, 2, ".FST"), versionFileName("Anl017", late, 9, ".FST"),
          versionFileName("Anl017", late, 10, ".FST"), versionFileName("Anl0170", late, 1, ".FST"),
          std::string(".Anl017 2026-12-10 14-03-22.FST.tmp123")})
        std::ofstream(dir.path() / kKeptVersionsFolder / name) << name;

    std::vector<std::string> names;
    for (const fs::path& p : listFileVersions(form))
        names.push_back(p.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"Anl017 2026-12-10 14-03-22 (10).FST", "Anl017 2026-12-10 14-03-22 (9).FST",
                                               "Anl017 2026-12-10 14-03-22 (2).FST", "Anl017 2026-12-10 14-03-22.FST",
                                               "Anl017 2026-12-10 09-00-00.FST"}));

    // Keeping three prunes the oldest, and the same bytes twice keep one copy.
    ASSERT_TRUE(keepFileVersion(form, 3));
    ASSERT_TRUE(keepFileVersion(form, 3));
    const auto kept = listFileVersions(form);
    ASSERT_EQ(kept.size(), 3u);
    std::ifstream newest(kept.front());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(newest), {}), "x");
}
