// The one reading of a stored grade code, over every possible first byte.
#include "grades/GradeKind.h"
#include "grades/GradeNotation.h"

#include <gtest/gtest.h>

#include <string>

using ruvek::ClassifyGrade;
using ruvek::GradeKind;

TEST(GradeKind, EveryFirstByteHasOneReadingAndGradesAgreeWithGradeNumber)
{
    const std::pair<GradeKind, std::string> sets[] = {
        {GradeKind::Blank, " "},          {GradeKind::Struck, "-_"},   {GradeKind::NotAssessable, "0kKoOuU"},
        {GradeKind::NotTaken, "nN"},      {GradeKind::Taken, "tT"},    {GradeKind::Exempt, "aAbB"},
        {GradeKind::NotTaught, "eE"},     {GradeKind::Grade, "12345678"},
    };
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        GradeKind expected = GradeKind::Other;
        for (const auto& [kind, chars] : sets)
            if (chars.find(c) != std::string::npos)
                expected = kind;
        for (const std::string& code : {std::string(1, c), std::string(1, c) + "x"}) {
            const auto g = ClassifyGrade(code);
            EXPECT_EQ(g.kind, expected) << b;
            // The number is the notation's own reading of the code.
            EXPECT_EQ(g.number, ruvek::GradeNumber(code)) << b;
        }
    }
    EXPECT_EQ(ClassifyGrade("").kind, GradeKind::Empty);
    EXPECT_EQ(ClassifyGrade("").number, 0);
}
