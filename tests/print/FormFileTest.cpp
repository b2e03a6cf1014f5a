#include "print/FormFile.h"

#include <gtest/gtest.h>


namespace ruvek {
namespace {

std::vector<std::string> splitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* eol = "\r\n")
{
    std::string out;
    for (const auto& l : lines)
        out += l + eol;
    return out;
}

TFstTable sampleTable()
{
    TFstTable t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = {static_cast<std::uint16_t>(i * 10), static_cast<std::uint16_t>(i * 20), static_cast<std::uint16_t>(i % 3),
                static_cast<std::uint16_t>(i % 51), static_cast<std::uint16_t>(1 + i % 2), static_cast<std::uint16_t>(i % 2)};
    return t;
}

// Line number (1-based) of value v (0 = index line, 1..6 = X..Visible,
// 7 = comment) of entry `index`.
std::size_t lineOf(std::size_t index, std::size_t v) { return 3 + index * 8 + v; }

TEST(FormFile, WrittenInStandardFormWith1130Lines)
{
    TFstTable t = sampleTable();
    t[7].Y = 65535;
    const std::string text = FormFileText("Übergangs-Zeugnis", t);
    const auto lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kFormFileLineCount));
    EXPECT_EQ(lines[0], "\xDC" "bergangs-Zeugnis"); // Windows-1252
    EXPECT_EQ(lines[1], "=============");
    EXPECT_EQ(lines[lineOf(0, 0) - 1], "0");
    EXPECT_EQ(lines[lineOf(140, 0) - 1], "140");
    EXPECT_EQ(lines[lineOf(7, 2) - 1], "65535");
    EXPECT_EQ(lines[lineOf(3, 1) - 1], "30");
    EXPECT_EQ(lines.back(), "- - - - -");
    EXPECT_EQ(lines[lineOf(70, 7) - 1], "- - - - -");
}

TEST(FormFile, RoundTripKeepsTitleAndValues)
{
    const TFstTable t = sampleTable();
    const std::string text = FormFileText("Abgangs-Zeugnis der Realschule (bsn 510 960 00 12/04) \xE2\x82\xAC", t);
    const auto parsed = ParseFormFile(text, TFstTable{});
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.content.title, "Abgangs-Zeugnis der Realschule (bsn 510 960 00 12/04) \xE2\x82\xAC");
    EXPECT_EQ(parsed.content.slots, t);
    EXPECT_FALSE(parsed.content.indexMismatch);
    EXPECT_EQ(FormFileText(parsed.content.title, parsed.content.slots), text);
}

TEST(FormFile, RemarksAndOddLinesLoadTheSameValues)
{
    const TFstTable t = sampleTable();
    auto lines = splitCrLf(FormFileText("Titel", t));
    lines[1] = "*** Trenner beliebig ***";
    lines[lineOf(5, 7) - 1] = "Kommentar zu Slot 5: Name des Schülers";
    lines[lineOf(5, 1) - 1] = "  50 Position rechts vom Rand";
    lines[lineOf(5, 2) - 1] = "\t100\tunten";
    lines[lineOf(5, 4) - 1] = "+5 (Arial)";
    lines[lineOf(6, 0) - 1] = "6;Index";
    // LF-only line ends are read too.
    const auto parsed = ParseFormFile(joinLines(lines, "\n"), TFstTable{});
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.content.slots, t);
    EXPECT_FALSE(parsed.content.indexMismatch);
    // Written back with the standard separator and comment lines.
    EXPECT_EQ(FormFileText(parsed.content.title, parsed.content.slots), FormFileText("Titel", t));
}

TEST(FormFile, ValuesAreKeptModulo65536)
{
    auto lines = splitCrLf(FormFileText("T", TFstTable{}));
    lines[lineOf(9, 1) - 1] = "-1";
    lines[lineOf(9, 2) - 1] = "65536";
    lines[lineOf(9, 3) - 1] = "70000";
    lines[lineOf(9, 4) - 1] = "-65535";
    lines[lineOf(9, 5) - 1] = "123456789012345678901234567890"; // mod 65536 = 2770
    const auto parsed = ParseFormFile(joinLines(lines), TFstTable{});
    ASSERT_FALSE(parsed.error);
    const TFstSlot& s = parsed.content.slots[9];
    EXPECT_EQ(s.X, 65535);
    EXPECT_EQ(s.Y, 0);
    EXPECT_EQ(s.Align, 4464);
    EXPECT_EQ(s.Font, 1);
    EXPECT_EQ(s.Page, 2770);
    const auto written = splitCrLf(FormFileText(parsed.content.title, parsed.content.slots));
    EXPECT_EQ(written[lineOf(9, 1) - 1], "65535");
}

TEST(FormFile, IndexMismatchIsNotedAndValuesTakenByPosition)
{
    const TFstTable t = sampleTable();
    auto lines = splitCrLf(FormFileText("T", t));
    lines[lineOf(12, 0) - 1] = "13";
    const auto parsed = ParseFormFile(joinLines(lines), TFstTable{});
    ASSERT_FALSE(parsed.error);
    EXPECT_TRUE(parsed.content.indexMismatch);
    EXPECT_EQ(parsed.content.slots, t);
}

TEST(FormFile, LineWithoutNumberStopsWithItsLineNumber)
{
    struct Case {
        std::size_t line;
        std::string text;
    };
    const Case cases[] = {{lineOf(0, 0), ""}, {lineOf(4, 3), "zwei"}, {lineOf(140, 6), "   "}, {lineOf(17, 1), "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        auto lines = splitCrLf(FormFileText("T", sampleTable()));
        lines[c.line - 1] = c.text;
        const auto parsed = ParseFormFile(joinLines(lines), TFstTable{});
        ASSERT_TRUE(parsed.error);
        EXPECT_EQ(parsed.error->line, static_cast<int>(c.line));
        EXPECT_FALSE(parsed.error->endOfFile);
        EXPECT_EQ(parsed.error->lineText, c.text);
    }
}

TEST(FormFile, EveryTruncationIsReportedOrComplete)
{
    const std::string full = FormFileText("T", sampleTable());
    const auto lines = splitCrLf(full);
    for (std::size_t keep = 0; keep <= lines.size(); ++keep) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(keep));
        const auto parsed = ParseFormFile(joinLines(head), TFstTable{});
        // Only the last comment line may be missing.
        if (keep >= lines.size() - 1) {
            EXPECT_FALSE(parsed.error) << keep;
        } else {
            ASSERT_TRUE(parsed.error) << keep;
            EXPECT_TRUE(parsed.error->endOfFile);
        }
    }
}

TEST(FormFile, NewFormDefaults)
{
    TFstTable t = sampleTable();
    NewFormDefaults(t);
    EXPECT_EQ(t[1], (TFstSlot{0, 0, 0, 12, 3, 1}));
    EXPECT_EQ(t[2], (TFstSlot{1800, 2600, 0, 12, 3, 1}));
    EXPECT_EQ(t[3], (TFstSlot{900, 200, 0, 10, 1, 1}));
    EXPECT_EQ(t[4], (TFstSlot{900, 200, 1, 13, 1, 1}));
    EXPECT_EQ(t[5], (TFstSlot{900, 300, 1, 20, 1, 1}));
    EXPECT_EQ(t[6], (TFstSlot{1800, 2650, 0, 29, 1, 0}));
    EXPECT_EQ(t[105], (TFstSlot{1800, 2650, 0, 29, 1, 0}));
    int nonZero = 0;
    for (const auto& s : t)
        nonZero += s != TFstSlot{} ? 1 : 0;
    EXPECT_EQ(nonZero, 7);
}

} // namespace
} // namespace ruvek
