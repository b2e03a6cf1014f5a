#pragma once
// The 50 numbered print fonts. Every layout names its fonts by number; the
// number selects face, height of the character cell (0.1 mm) and style.
// Some printers render the fonts larger than they should (the "Kyocera"
// fault); with the font correction switched on, the corrected heights are
// used instead.
#include "print/Canvas.h"

namespace ruvek {

struct PrintFont {
    const char* face;
    int height;          // cell height in 0.1 mm
    int correctedHeight; // cell height with the font correction
    bool bold;
    bool italic;
    bool underline;
};

inline constexpr int kPrintFontCount = 50;

// Font 1..50; every other number gives the default font (Arial 45, normal).
const PrintFont& PrintFontEntry(int fontNo);

// The canvas font for a font number.
FontSpec PrintFontSpec(int fontNo, bool kyoceraKorrektur);

// The next smaller font, for subject tables that must fit a fixed height;
// numbers without a smaller step map to themselves.
int SmallerFont(int fontNo);

} // namespace ruvek
