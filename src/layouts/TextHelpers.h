#pragma once
// Text helpers of the certificate layouts: wrapping the free texts of a
// record into the ruled lines of their block, finishing unused lines with
// strike-outs, and the date and school-year texts.
//
// Record texts are Windows-1252, one byte per character, so counts of
// characters are counts of bytes here; the results are Windows-1252 too and
// are converted to UTF-8 only when they are drawn.
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// A printed line never holds more characters than this, whatever width a
// form control file asks for.
inline constexpr int kMaxPrintedLineChars = 130;
// Most lines of a text block; a form asking for more gets an empty block.
inline constexpr int kMaxTextBlockLines = 24;

struct WrappedText {
    // One entry per line of the block (24 when the line count is out of
    // range); unused lines are empty.
    std::vector<std::string> lines;
    // The part of the text that found no room, from the first character that
    // was not printed. Empty when everything fitted.
    std::string overflow;

    // True when the overflow holds something a reader would miss: more than
    // blanks, dashes and line breaks.
    bool cut() const;
};

// Breaks a text into at most lineCount lines of at most `width` characters
// (width is capped at 130). A line break (CR, CR LF or a lone LF) starts a
// new line; a full line is broken after its last blank or hyphen, so that
// the next word starts the next line; a word longer than a whole line is
// broken at the line width. A control character other than a line break
// ends the text (the rest counts as overflow). A line count of 0 or above
// 24 leaves the block empty.
WrappedText WrapText(std::string_view text, int lineCount, int width);

// True when the line has at least 2 characters and its last five characters
// (all of a shorter line) contain "- -" or "--": the text already ends in a
// strike-out of its own.
bool EndsWithDashes(std::string_view line);

// WrapText of the text (read up to maxLength characters), then the
// strike-outs of the print option Streichungsart with the strike character
// (Streichzeichen; "-" when it is empty), when lineCount is 1..24:
// 0 none; 1 the first unused line becomes 5 strike characters unless the
// text ends with dashes; 2 every unused line becomes 5 strike characters;
// 3 every unused line is filled with `width` strike characters; 4 the text
// gets an end sequence of a blank and 5 strike characters on its last line
// when it has room there, else on the next line, unless it ends with dashes.
WrappedText FinishTextLines(std::string_view text, int maxLength, int lineCount, int width, int streichungsart,
                            std::string_view streichzeichen);

// A date typed as day, month and year with points, without leading zeros,
// blanks or underscores of day and month: "01.02.2008" gives "1.2.2008".
std::string NormalizeDate(std::string_view date);

struct SchoolYearTexts {
    std::string begin; // the begin text, completed to four digits when it had two
    std::string end;   // the end year, "????" when the begin is out of range, empty when it is no number
    bool operator==(const SchoolYearTexts&) const = default;
};

// The texts of "begin / end" for the begin year of a school year: "2007"
// and "07" give 2007 / 2008, "1999" gives 1999 / ????, "???" gives ??? and
// an empty end.
SchoolYearTexts SchoolYearEnd(std::string_view begin);

} // namespace ruvek
