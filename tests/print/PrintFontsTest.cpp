#include "print/PrintFonts.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

struct FontCase {
    int no;
    const char* face;
    int height;
    int corrected;
    bool bold, italic, underline;
};

// A sample of the font table, with every face, every style, the default
// font and the heights that grow with the correction.
const FontCase kFontCases[] = {
    {0, "Arial", 45, 41, false, false, false},
    {51, "Arial", 45, 41, false, false, false},
    {1000, "Arial", 45, 41, false, false, false},
    {1, "Courier New", 40, 40, false, false, false},
    {3, "Courier New", 40, 39, false, true, false},
    {4, "Courier New", 40, 40, true, true, false},
    {6, "Courier New", 30, 31, true, false, false},
    {9, "Courier New", 70, 71, false, false, false},
    {11, "Times New Roman", 40, 35, false, false, false},
    {13, "Times New Roman", 40, 34, false, true, false},
    {14, "Times New Roman", 40, 35, true, true, false},
    {16, "Times New Roman", 30, 25, true, false, false},
    {24, "Arial", 40, 35, true, true, false},
    {28, "Arial", 35, 29, true, false, false},
    {30, "Arial", 70, 61, true, false, false},
    {34, "Courier New", 30, 31, true, true, false},
    {35, "Courier New", 40, 40, false, false, true},
    {36, "Courier New", 40, 40, true, false, true},
    {37, "Courier New", 35, 34, false, false, true}, // underlined, not italic
    {38, "Courier New", 35, 35, true, false, true},
    {40, "Courier New", 55, 56, true, false, false},
    {46, "Times New Roman", 60, 51, true, false, false},
    {48, "Times New Roman", 55, 47, true, false, false},
    {49, "Courier New", 50, 51, false, false, false},
    {50, "Courier New", 50, 51, true, false, false},
};

TEST(PrintFonts, FaceHeightAndStyleWithAndWithoutCorrection)
{
    for (const auto& c : kFontCases) {
        SCOPED_TRACE(c.no);
        const FontSpec plain = PrintFontSpec(c.no, false);
        EXPECT_EQ(plain.face, c.face);
        EXPECT_EQ(plain.cellHeight, c.height);
        EXPECT_EQ(plain.bold, c.bold);
        EXPECT_EQ(plain.italic, c.italic);
        EXPECT_EQ(plain.underline, c.underline);
        EXPECT_EQ(plain.escapement, 0);
        const FontSpec corrected = PrintFontSpec(c.no, true);
        EXPECT_EQ(corrected.cellHeight, c.corrected);
        EXPECT_EQ(corrected.face, c.face);
    }
}

TEST(PrintFonts, CorrectionMakesOnlyTheListedCourierFontsTaller)
{
    std::vector<int> grown;
    for (int no = 1; no <= kPrintFontCount; ++no)
        if (PrintFontSpec(no, true).cellHeight > PrintFontSpec(no, false).cellHeight)
            grown.push_back(no);
    EXPECT_EQ(grown, (std::vector<int>{6, 9, 32, 33, 34, 40, 49, 50}));
}

TEST(PrintFonts, SmallerFontMap)
{
    const std::pair<int, int> steps[] = {{1, 7},   {2, 8},   {7, 5},   {8, 6},   {9, 39},  {10, 40},
                                         {11, 17}, {12, 18}, {17, 15}, {18, 16}, {21, 27}, {22, 28},
                                         {27, 25}, {28, 26}, {39, 1},  {40, 2}};
    for (const auto& [from, to] : steps)
        EXPECT_EQ(SmallerFont(from), to) << from;
    for (int unchanged : {0, 3, 5, 6, 13, 25, 41, 50, 51})
        EXPECT_EQ(SmallerFont(unchanged), unchanged) << unchanged;
}

} // namespace
} // namespace ruvek
