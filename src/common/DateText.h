#pragma once
// Dates as the editor's date fields hold them: "dd.mm.yyyy" (the year may
// have two digits; blanks stand for digits left out). A date field is
// either left empty (no digit, or only the century the empty mask carries:
// "  .  .19  ", "  .  .20  ") or holds a real calendar date.
#include <chrono>
#include <optional>
#include <string_view>

namespace ruvek {

// No date entered: no digit at all, or nothing but the century of the empty
// mask.
bool IsDateTextEmpty(std::string_view text);

// The calendar date of "d.m.yyyy" or "d.m.yy" (blanks around each part are
// ignored; two-digit years below 70 are 20xx, the others 19xx). nullopt for
// anything else and for dates the calendar lacks (31.02., 99.99.).
std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text);

} // namespace ruvek
