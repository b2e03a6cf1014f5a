// Wrapping, strike-outs, dates and school years of the certificate texts.
#include "layouts/TextHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace ruvek;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }

struct WrapCase {
    const char* name;
    std::string text;
    int lineCount;
    int width;
    std::vector<std::string> expected;
    std::string overflow;
};

TEST(WrapText, Cases)
{
    const std::string a130(130, 'a');
    const std::vector<WrapCase> cases = {
        {"a blank at the break is dropped", "abc defg hij", 3, 8, lines({"abc defg", "hij", ""}), ""},
        {"a word moves to the next line", "abc defghi", 2, 8, lines({"abc ", "defghi"}), ""},
        {"hyphen stays at the end of the broken line", "Sozial-verhalten gut", 2, 10,
         lines({"Sozial-", "verhalten ", }), "gut"},
        {"a hyphen at the break moves with its word", "Anna Lena-Marie", 2, 9, lines({"Anna ", "Lena-"}), "Marie"},
        {"a name broken after its hyphen", "Gut: Lena-Marie Ott", 3, 10, lines({"Gut: Lena-", "Marie Ott", ""}), ""},
        {"double name wider than the line", "Hans-Peter-Christian", 3, 6, lines({"Hans-", "Peter-", "Christ"}),
         "ian"},
        {"a hyphen exactly after a full word", "Lena-Marie", 2, 4, lines({"Lena", "-Mar"}), "ie"},
        {"CR LF and a lone LF start new lines", "ab\r\ncd\nef", 3, 10, lines({"ab", "cd", "ef"}), ""},
        {"a word longer than a line is broken, the text goes on", "abc abcdefghijkl xy", 3, 10,
         lines({"abc ", "abcdefghij", "kl xy"}), ""},
        {"text that exactly fills the lines", "abcde fghij", 2, 5, lines({"abcde", "fghij"}), ""},
        {"the rest of a text that does not fit", "one two three four", 2, 8, lines({"one two ", "three "}),
         "four"},
        {"line breaks do not count against the room", "a\r\nb\r\nc", 3, 1, lines({"a", "b", "c"}), ""},
        {"width capped at 130", a130 + "b", 2, 500, {a130, "b"}, ""},
        {"more than 24 lines: empty block", "text", 25, 10, std::vector<std::string>(24), "text"},
        {"no lines: empty block", "text", 0, 10, std::vector<std::string>(24), "text"},
        {"a control character ends the text", "ab\tcd", 2, 10, lines({"ab", ""}), "\tcd"},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WrappedText w = WrapText(c.text, c.lineCount, c.width);
        EXPECT_EQ(w.lines, c.expected);
        EXPECT_EQ(w.overflow, c.overflow);
    }
}

// Over many random texts of hyphenated names: the wrapped lines and the
// rest hold every character of the text but the blanks dropped at breaks,
// so no hyphen is ever lost, and no line is wider than the width.
TEST(WrapText, HyphenatedNamesLoseNothingButBlanksAtBreaks)
{
    const char* parts[] = {"Lena", "Marie", "Jan", "Ole", "Anna-Lena", "Hans-Peter", "Müller-Lüdenscheidt", "Ott",
                           "von", "Schulz-Meyer", "-", "gut", "sehr"};
    std::mt19937 rng(4711);
    const auto withoutBlanks = [](std::string s) {
        s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int words = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < words; ++k) {
            if (k > 0)
                text += rng() % 4 == 0 ? "-" : " ";
            text += parts[rng() % std::size(parts)];
        }
        const int width = 3 + static_cast<int>(rng() % 20);
        const int lineCount = 1 + static_cast<int>(rng() % 6);
        const WrappedText w = WrapText(text, lineCount, width);
        std::string joined;
        for (const std::string& line : w.lines) {
            EXPECT_LE(static_cast<int>(line.size()), width) << text;
            joined += line;
        }
        EXPECT_EQ(withoutBlanks(joined + w.overflow), withoutBlanks(text)) << text << " width " << width;
    }
}

TEST(WrapText, OnlyBlanksDashesAndBreaksBehindTheLastLineAreNoCut)
{
    EXPECT_FALSE(WrapText("abc\r\n  - -\r\n", 1, 10).cut());
    EXPECT_TRUE(WrapText("abc\r\nd", 1, 10).cut());
}

TEST(EndsWithDashes, Cases)
{
    EXPECT_FALSE(EndsWithDashes("-"));
    EXPECT_TRUE(EndsWithDashes("--"));
    EXPECT_TRUE(EndsWithDashes("Text - -"));
    EXPECT_TRUE(EndsWithDashes("  - - - - -"));
    EXPECT_FALSE(EndsWithDashes("a - - b c d e"));
    EXPECT_FALSE(EndsWithDashes("Sozial-verhalten"));
}

struct StrikeCase {
    int art;
    std::string text;
    std::vector<std::string> expected;
};

TEST(FinishTextLines, EachStreichungsart)
{
    const std::vector<StrikeCase> cases = {
        {0, "Text", lines({"Text", "", ""})},
        {1, "Text", lines({"Text", "*****", ""})},
        {1, "Text - -", lines({"Text - -", "", ""})},
        {1, "", lines({"*****", "", ""})},
        {2, "Text", lines({"Text", "*****", "*****"})},
        {3, "Text", lines({"Text", "**********", "**********"})},
        {4, "ab", lines({"ab *****", "", ""})},     // room on the last line (2 < 10 - 7)
        {4, "abc", lines({"abc", "*****", ""})},    // no room: the next line
        {4, "", lines({"*****", "", ""})},
        {4, "  - - -", lines({"  - - -", "", ""})},
    };
    for (const StrikeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.art) + " '" + c.text + "'");
        EXPECT_EQ(FinishTextLines(c.text, 2000, 3, 10, c.art, "*").lines, c.expected);
    }
    // Width 60 and 5 lines: a two-line text gets three lines of 60 strike characters.
    const WrappedText filled = FinishTextLines("a\r\nb", 2000, 5, 60, 3, "-");
    EXPECT_EQ(filled.lines[4], std::string(60, '-'));
    // An empty strike character strikes with "-"; maxLength cuts the text first.
    EXPECT_EQ(FinishTextLines("Text", 2, 2, 10, 2, "").lines, lines({"Te", "-----"}));
}

TEST(NormalizeDate, Cases)
{
    const std::pair<const char*, const char*> cases[] = {
        {"01.02.2008", "1.2.2008"}, {"12.10.2008", "12.10.2008"}, {"1.2.2008", "1.2.2008"},
        {" 3._7.2027", "3.7.2027"}, {"", ""},                     {"  .  .20  ", " . .20  "},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(NormalizeDate(in), out) << in;
}

TEST(SchoolYearEnd, Cases)
{
    EXPECT_EQ(SchoolYearEnd("2007"), (SchoolYearTexts{"2007", "2008"}));
    EXPECT_EQ(SchoolYearEnd("07"), (SchoolYearTexts{"2007", "2008"}));
    EXPECT_EQ(SchoolYearEnd("1999"), (SchoolYearTexts{"1999", "????"}));
    EXPECT_EQ(SchoolYearEnd("???"), (SchoolYearTexts{"???", ""}));
    EXPECT_EQ(SchoolYearEnd("ab"), (SchoolYearTexts{"ab", ""}));
}

} // namespace
