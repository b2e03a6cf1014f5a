// The content hash behind the changed-on-disk check: the same bytes give the
// same value however they arrive in pieces (a file read in blocks, a file
// written record by record), and a change of any one byte, or of the
// length, changes the value.
#include "common/ContentHash.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace ruvek {
namespace {

std::uint64_t hashInPieces(const std::vector<std::uint8_t>& bytes, std::mt19937& random)
{
    ContentHasher h;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t n = std::min<std::size_t>(bytes.size() - at, random() % 70);
        h.add(ConstBytes(bytes.data() + at, n));
        at += n;
    }
    EXPECT_EQ(h.size(), bytes.size());
    return h.value();
}

TEST(ContentHasher, SameBytesSameValueHoweverSplitAndEveryByteCounts)
{
    std::mt19937 random(30);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes(random() % 300);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        ContentHasher whole;
        whole.add(bytes);
        EXPECT_EQ(hashInPieces(bytes, random), whole.value()) << "round " << round;
        if (bytes.empty())
            continue;
        std::vector<std::uint8_t> changed = bytes;
        changed[random() % changed.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
        ContentHasher other;
        other.add(changed);
        EXPECT_NE(other.value(), whole.value()) << "round " << round;
    }
}

TEST(ContentHasher, LengthCountsAlsoForZeroBytes)
{
    std::set<std::uint64_t> values;
    for (std::size_t n = 0; n <= 70; ++n) {
        const std::vector<std::uint8_t> zeros(n, 0);
        ContentHasher h;
        h.add(zeros);
        values.insert(h.value());
    }
    EXPECT_EQ(values.size(), 71u);
}

} // namespace
} // namespace ruvek
