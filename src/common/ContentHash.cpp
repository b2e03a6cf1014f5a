#include "common/ContentHash.h"

#include <cstring>

namespace ruvek {

// Each step is a bijection of the state (xor with the word, multiplication
// by an odd number, xor with its own upper half), so any one changed word
// changes the result; eight bytes a step keep it at memory speed.
void ContentHasher::mix(std::uint64_t word)
{
    h_ = (h_ ^ word) * 0x9e3779b97f4a7c15ull;
    h_ ^= h_ >> 32;
}

void ContentHasher::add(ConstBytes bytes)
{
    size_ += bytes.size();
    std::size_t i = 0;
    if (tailSize_ > 0) {
        while (tailSize_ < tail_.size() && i < bytes.size())
            tail_[tailSize_++] = bytes[i++];
        if (tailSize_ < tail_.size())
            return;
        std::uint64_t word;
        std::memcpy(&word, tail_.data(), sizeof word);
        mix(word);
        tailSize_ = 0;
    }
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        mix(word);
    }
    for (; i < bytes.size(); ++i)
        tail_[tailSize_++] = bytes[i];
}

std::uint64_t ContentHasher::value() const
{
    ContentHasher last = *this;
    std::uint64_t word = 0;
    std::memcpy(&word, tail_.data(), tailSize_);
    last.mix(word);
    last.mix(static_cast<std::uint64_t>(size_));
    return last.h_;
}

} // namespace ruvek
