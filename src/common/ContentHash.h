#pragma once
// A fast 64-bit hash of bytes fed in pieces of any size (the same bytes give
// the same value however they are split), and the stamp of a file's content
// built from it. It tells whether content changed since it was last seen; it
// lives only in memory and guards against accidents, not against intent.
#include "common/ByteFields.h"

#include <array>
#include <cstdint>

namespace ruvek {

class ContentHasher {
public:
    void add(ConstBytes bytes);
    // The hash of everything added so far (its length included).
    std::uint64_t value() const;
    std::uintmax_t size() const { return size_; }

private:
    static constexpr std::size_t kBlock = 32; // four words, one for each lane
    void mixBlock(const std::uint8_t* block);
    // Four independent lanes, so that the processor works on four words at once.
    std::array<std::uint64_t, 4> lanes_{0x6a09e667f3bcc908ull, 0xbb67ae8584caa73bull, 0x3c6ef372fe94f82bull,
                                        0xa54ff53a5f1d36f1ull};
    std::array<std::uint8_t, kBlock> tail_{}; // bytes not yet making a whole block
    std::size_t tailSize_ = 0;
    std::uintmax_t size_ = 0;
};

// What a file holds, to tell later whether someone else changed it.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of content that was hashed as a whole file.
inline FileStamp stampOfContent(const ContentHasher& content)
{
    return FileStamp{true, content.size(), content.value()};
}

} // namespace ruvek
