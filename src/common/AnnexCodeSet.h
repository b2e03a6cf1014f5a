#pragma once
// A set of annex codes (certificate form codes, 0..255): codes listed one by
// one or in ranges, or "all except" such a list. An "all except" set holds
// every code not excluded, so also the codes outside 0..255 (-1: not yet
// determined); a listed set never holds a code outside 0..255.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace ruvek {

struct AnnexCodeRange {
    int first;
    int last;
    constexpr AnnexCodeRange(int code) : first(code), last(code) {}
    constexpr AnnexCodeRange(int from, int to) : first(from), last(to) {}
};

class AnnexCodeSet {
public:
    static constexpr int kLastCode = 255;

    constexpr AnnexCodeSet() = default;
    constexpr AnnexCodeSet(std::initializer_list<AnnexCodeRange> ranges)
    {
        for (const AnnexCodeRange& r : ranges)
            for (int code = r.first; code <= r.last; ++code)
                add(code);
    }
    static constexpr AnnexCodeSet allExcept(std::initializer_list<AnnexCodeRange> ranges)
    {
        AnnexCodeSet s(ranges);
        s.negated_ = true;
        return s;
    }

    constexpr bool contains(int code) const { return listed(code) != negated_; }

    // Adds a code to a listed set (to an "all except" set: takes it out of
    // the exclusions). Codes outside 0..255 are ignored.
    constexpr void add(int code)
    {
        if (code >= 0 && code <= kLastCode)
            words_[static_cast<std::size_t>(code / 64)] |= std::uint64_t{1} << (code % 64);
    }

    // The union of two listed sets.
    constexpr AnnexCodeSet operator+(const AnnexCodeSet& other) const
    {
        AnnexCodeSet s = *this;
        for (std::size_t i = 0; i < s.words_.size(); ++i)
            s.words_[i] |= other.words_[i];
        return s;
    }

    constexpr bool operator==(const AnnexCodeSet&) const = default;

private:
    constexpr bool listed(int code) const
    {
        return code >= 0 && code <= kLastCode &&
               ((words_[static_cast<std::size_t>(code / 64)] >> (code % 64)) & 1U) != 0;
    }

    std::array<std::uint64_t, 4> words_{};
    bool negated_ = false;
};

} // namespace ruvek
