#pragma once
// A set of annex codes as the visibility rules of the editor name them:
// codes 1..43 and 104 listed one by one or in ranges, or "all except" such a
// list. The intermediate certificates (codes above 43 other than 104) are
// not members of a listed set: they follow one rule of their own (see
// Visibility.h). An "all except" set holds every code not excluded, so also
// 0 and -1 (no form, not yet determined).
#include "common/DomainValues.h"

#include <cstdint>
#include <initializer_list>

namespace ruvek::editor {

struct AnnexRange {
    int first;
    int last;
    constexpr AnnexRange(int code) : first(code), last(code) {}
    constexpr AnnexRange(int from, int to) : first(from), last(to) {}
};

class AnnexSet {
public:
    constexpr AnnexSet() = default;
    constexpr AnnexSet(std::initializer_list<AnnexRange> ranges)
    {
        for (const AnnexRange& r : ranges)
            for (int code = r.first; code <= r.last; ++code)
                add(code);
    }
    static constexpr AnnexSet allExcept(std::initializer_list<AnnexRange> ranges)
    {
        AnnexSet s(ranges);
        s.negated_ = true;
        return s;
    }

    constexpr bool contains(int code) const { return listed(code) != negated_; }

private:
    constexpr void add(int code)
    {
        if (code == kOrientation)
            orientation_ = true;
        else if (code >= 0 && code <= 63)
            codes_ |= std::uint64_t{1} << code;
    }
    constexpr bool listed(int code) const
    {
        if (code == kOrientation)
            return orientation_;
        return code >= 0 && code <= 63 && ((codes_ >> code) & 1U) != 0;
    }

    static constexpr int kOrientation = annex::Orientierung;
    std::uint64_t codes_ = 0;
    bool orientation_ = false;
    bool negated_ = false;
};

} // namespace ruvek::editor
