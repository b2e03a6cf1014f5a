#pragma once
// Form control files (*.FST, "Formular-Druck-Steuerdatei").
//
// A Windows-1252 text file with CR LF line ends, 1130 lines: the title of the
// form, a separator line, then for each slot 0..140 eight lines: the slot
// index, X, Y, Align, Font, Page, Visible, and a comment line. A number line
// holds a signed decimal number after optional blanks; anything behind the
// number is a remark and ignored. Values are kept modulo 65536 (-1 is 65535).
#include "print/FstTable.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ruvek {

inline constexpr int kFormFileLineCount = 1130;
inline constexpr std::string_view kFormSeparatorLine = "=============";
inline constexpr std::string_view kFormCommentLine = "- - - - -";

struct FormFileContent {
    std::string title; // line 1, UTF-8
    TFstTable slots{};
    // An index line did not hold its entry's position. The values are still
    // taken by position, but the file may have been edited wrongly.
    bool indexMismatch = false;
};

struct FormFileParseError {
    int line = 0;         // 1-based line where a number was expected
    bool endOfFile = false; // the file ended before that line
    std::string lineText; // the offending line (UTF-8), empty at the end of the file
};

struct FormFileParseResult {
    FormFileContent content; // slots read up to the error stay filled in
    std::optional<FormFileParseError> error;
};

// Reads the bytes of a form control file. `slots` gives the values of the
// entries not read because of an error.
FormFileParseResult ParseFormFile(std::string_view bytes, const TFstTable& slots);

// The whole text of a form control file in the standard form: title, the
// standard separator, 141 entries with standard comment lines, CR LF.
std::string FormFileText(std::string_view titleUtf8, const TFstTable& slots);

// Writes FormFileText atomically; false with the reason in *error on failure.
bool WriteFormFile(const std::filesystem::path& file, std::string_view titleUtf8, const TFstTable& slots,
                   std::string* error = nullptr);

// The slots of a new, almost empty form: a double page frame 180 x 260 mm on
// both pages and a few title positions.
void NewFormDefaults(TFstTable& slots);

} // namespace ruvek
