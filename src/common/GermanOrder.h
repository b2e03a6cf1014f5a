#pragma once
// The order of names in German lists (class book, printed lists): letters
// with umlaut or other accents sort as their base letter (ä = a, ö = o,
// ü = u, é = e), ß as ss, Æ/Œ as ae/oe, and upper and lower case alike.
// Only names equal under these rules are ordered by their bytes, so the
// order is total and the same on every machine. Texts are Windows-1252.
#include <string>
#include <string_view>

namespace ruvek {

// The text as the list compares it: lower case, base letters, ß -> "ss".
std::string germanSortKey(std::string_view cp1252);

// < 0, 0, > 0 as a sorts before, with, after b. 0 only for equal bytes.
int compareGerman(std::string_view a, std::string_view b);

// Surname, then first name, each in the order above; bytes decide only
// between names equal under it.
int compareGermanNames(std::string_view surnameA, std::string_view firstA, std::string_view surnameB,
                       std::string_view firstB);

inline bool germanLess(std::string_view a, std::string_view b) { return compareGerman(a, b) < 0; }

} // namespace ruvek
