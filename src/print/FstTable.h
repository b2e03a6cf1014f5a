#pragma once
// Form control slots: where an element of a form stands, in which font it is
// written, on which page and whether it is drawn at all. A form control file
// (*.FST) holds one slot per element index of its form.
#include <array>
#include <cstdint>

namespace ruvek {

struct TFstSlot {
    std::uint16_t X = 0;       // 0.1 mm right of the page origin
    std::uint16_t Y = 0;       // 0.1 mm below the page origin (bottom of the text cell)
    std::uint16_t Align = 0;   // 1 centred on X, 2 ending at X, other: starting at X
    std::uint16_t Font = 0;    // print font 1..50 (page frame slot: box type)
    std::uint16_t Page = 0;    // 1 or 2 (page frame slot: 3 = both pages)
    std::uint16_t Visible = 0; // 1 = drawn
    bool operator==(const TFstSlot&) const = default;

    bool drawnOn(int page) const { return Visible == 1 && Page == page; }
};

inline constexpr std::size_t kFstSlotCount = 141;

// The slots 0..140 of one form.
using TFstTable = std::array<TFstSlot, kFstSlotCount>;

// Slots every form shares: the page frame corners.
inline constexpr std::size_t kFrameTopLeftSlot = 1;
inline constexpr std::size_t kFrameBottomRightSlot = 2;

} // namespace ruvek
