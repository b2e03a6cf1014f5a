// Every checked-in fuzz input (the seeds and every reproducer of a finding)
// runs through its fuzz body under the normal test build, so the sanitizer
// test build replays the whole corpus on every run.
#include "FuzzTargets.h"

#include "common/SafeFile.h"

#include <algorithm>

namespace ruvek::fuzz {

// Test names and failure messages show the target's name.
inline void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }

namespace {

class CorpusReplay : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputPasses)
{
    const std::filesystem::path folder = std::filesystem::path(RUVEK_FUZZ_CORPUS_DIR) / GetParam().name;
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << folder;
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.string());
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(input, bytes));
        // A broken property aborts the program, which fails this test.
        EXPECT_EQ(GetParam().body(bytes.data(), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& target) { return std::string(target.param.name); });

} // namespace
} // namespace ruvek::fuzz
