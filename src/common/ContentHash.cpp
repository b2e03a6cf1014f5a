#include "common/ContentHash.h"

#include <algorithm>
#include <cstring>

namespace ruvek {

namespace {
// Each step is a bijection of the lane (xor with the word, multiplication by
// an odd number, xor with its own upper half), so any one changed word
// changes the result.
inline std::uint64_t mix(std::uint64_t lane, std::uint64_t word)
{
    lane = (lane ^ word) * 0x9e3779b97f4a7c15ull;
    return lane ^ (lane >> 32);
}
} // namespace

void ContentHasher::mixBlock(const std::uint8_t* block)
{
    for (std::size_t j = 0; j < lanes_.size(); ++j) {
        std::uint64_t word;
        std::memcpy(&word, block + 8 * j, sizeof word);
        lanes_[j] = mix(lanes_[j], word);
    }
}

void ContentHasher::add(ConstBytes bytes)
{
    // An empty span may have no data pointer at all, which memcpy must not see.
    if (bytes.empty())
        return;
    size_ += bytes.size();
    std::size_t i = 0;
    if (tailSize_ > 0) {
        const std::size_t n = std::min(kBlock - tailSize_, bytes.size());
        std::memcpy(tail_.data() + tailSize_, bytes.data(), n);
        tailSize_ += n;
        i = n;
        if (tailSize_ < kBlock)
            return;
        mixBlock(tail_.data());
        tailSize_ = 0;
    }
    // The lanes stay in registers while whole blocks go through: written
    // back through `this` after every word, they would wait on memory.
    std::uint64_t a = lanes_[0], b = lanes_[1], c = lanes_[2], d = lanes_[3];
    const std::uint8_t* p = bytes.data();
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        std::uint64_t w[4];
        std::memcpy(w, p + i, sizeof w);
        a = mix(a, w[0]);
        b = mix(b, w[1]);
        c = mix(c, w[2]);
        d = mix(d, w[3]);
    }
    lanes_ = {a, b, c, d};
    std::memcpy(tail_.data(), bytes.data() + i, bytes.size() - i);
    tailSize_ = bytes.size() - i;
}

std::uint64_t ContentHasher::value() const
{
    std::array<std::uint8_t, kBlock> last{};
    std::memcpy(last.data(), tail_.data(), tailSize_);
    ContentHasher end = *this;
    end.mixBlock(last.data());
    std::uint64_t h = static_cast<std::uint64_t>(size_);
    for (const std::uint64_t lane : end.lanes_)
        h = mix(h, lane);
    return h;
}

} // namespace ruvek
