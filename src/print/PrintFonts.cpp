#include "print/PrintFonts.h"

#include <array>

namespace ruvek {
namespace {

constexpr const char* kCourier = "Courier New";
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";

// Fields: face, height, corrected height, bold, italic, underline.
constexpr std::array<PrintFont, kPrintFontCount> kFonts{{
    {kCourier, 40, 40, false, false, false}, // 1
    {kCourier, 40, 40, true, false, false},  // 2
    {kCourier, 40, 39, false, true, false},  // 3
    {kCourier, 40, 40, true, true, false},   // 4
    {kCourier, 30, 29, false, false, false}, // 5
    {kCourier, 30, 31, true, false, false},  // 6
    {kCourier, 35, 34, false, false, false}, // 7
    {kCourier, 35, 35, true, false, false},  // 8
    {kCourier, 70, 71, false, false, false}, // 9
    {kCourier, 70, 70, true, false, false},  // 10
    {kTimes, 40, 35, false, false, false},   // 11
    {kTimes, 40, 35, true, false, false},    // 12
    {kTimes, 40, 34, false, true, false},    // 13
    {kTimes, 40, 35, true, true, false},     // 14
    {kTimes, 30, 26, false, false, false},   // 15
    {kTimes, 30, 25, true, false, false},    // 16
    {kTimes, 35, 30, false, false, false},   // 17
    {kTimes, 35, 30, true, false, false},    // 18
    {kTimes, 70, 62, false, false, false},   // 19
    {kTimes, 70, 62, true, false, false},    // 20
    {kArial, 40, 35, false, false, false},   // 21
    {kArial, 40, 35, true, false, false},    // 22
    {kArial, 40, 35, false, true, false},    // 23
    {kArial, 40, 35, true, true, false},     // 24
    {kArial, 30, 26, false, false, false},   // 25
    {kArial, 30, 25, true, false, false},    // 26
    {kArial, 35, 30, false, false, false},   // 27
    {kArial, 35, 29, true, false, false},    // 28
    {kArial, 70, 64, false, false, false},   // 29
    {kArial, 70, 61, true, false, false},    // 30
    {kCourier, 30, 29, false, false, false}, // 31
    {kCourier, 30, 31, true, false, false},  // 32
    {kCourier, 30, 31, false, true, false},  // 33
    {kCourier, 30, 31, true, true, false},   // 34
    {kCourier, 40, 40, false, false, true},  // 35
    {kCourier, 40, 40, true, false, true},   // 36
    // 37 and 38 are underlined without italics, although the test page
    // labels them "kursiv".
    {kCourier, 35, 34, false, false, true},  // 37
    {kCourier, 35, 35, true, false, true},   // 38
    {kCourier, 55, 54, false, false, false}, // 39
    {kCourier, 55, 56, true, false, false},  // 40
    {kTimes, 50, 44, false, false, false},   // 41
    {kTimes, 50, 44, true, false, false},    // 42
    {kTimes, 50, 44, false, true, false},    // 43
    {kTimes, 50, 44, true, true, false},     // 44
    {kTimes, 60, 52, false, false, false},   // 45
    {kTimes, 60, 51, true, false, false},    // 46
    {kTimes, 55, 47, false, false, false},   // 47
    {kTimes, 55, 47, true, false, false},    // 48
    {kCourier, 50, 51, false, false, false}, // 49
    {kCourier, 50, 51, true, false, false},  // 50
}};

constexpr PrintFont kDefaultFont{kArial, 45, 41, false, false, false};

} // namespace

const PrintFont& PrintFontEntry(int fontNo)
{
    if (fontNo >= 1 && fontNo <= kPrintFontCount)
        return kFonts[static_cast<std::size_t>(fontNo - 1)];
    return kDefaultFont;
}

FontSpec PrintFontSpec(int fontNo, bool kyoceraKorrektur)
{
    const PrintFont& f = PrintFontEntry(fontNo);
    FontSpec fontSpec;
    fontSpec.face = f.face;
    fontSpec.cellHeight = kyoceraKorrektur ? f.correctedHeight : f.height;
    fontSpec.bold = f.bold;
    fontSpec.italic = f.italic;
    fontSpec.underline = f.underline;
    return fontSpec;
}

int SmallerFont(int fontNo)
{
    switch (fontNo) {
    case 1: return 7;
    case 2: return 8;
    case 7: return 5;
    case 8: return 6;
    case 9: return 39;
    case 10: return 40;
    case 11: return 17;
    case 12: return 18;
    case 17: return 15;
    case 18: return 16;
    case 21: return 27;
    case 22: return 28;
    case 27: return 25;
    case 28: return 26;
    case 39: return 1;
    case 40: return 2;
    default: return fontNo;
    }
}

} // namespace ruvek
