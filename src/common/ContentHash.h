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
    void mix(std::uint64_t word);
    std::uint64_t h_ = 0x6a09e667f3bcc908ull;
    std::array<std::uint8_t, 8> tail_{}; // bytes not yet making a whole word
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
