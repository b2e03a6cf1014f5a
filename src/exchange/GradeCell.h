#pragma once
// What a grade typed into a table cell becomes: the same code the record
// editor stores for the same text, and whether it is one of the grades and
// marks the certificates know (the tables mark any other entry at once).
// Texts are UTF-8.
#include "common/DomainValues.h"

#include <string>
#include <string_view>

namespace ruvek {

struct GradeCellValue {
    std::string text;   // the stored code, as the cell shows it afterwards
    bool known = true;  // a grade 1..6 (1..8 at the Integrierte Gesamtschule) or a mark
};

GradeCellValue normaliseGradeCell(std::string_view typed, SchoolType schoolType);

// Whether a stored grade code (UTF-8) is known at the school type. The
// neutral "-" and an empty cell count as known.
bool isKnownGrade(std::string_view code, SchoolType schoolType);

// The hint of a cell with an unknown grade.
inline constexpr const char* kUnknownGradeHint = "keine gültige Bewertung (siehe \"mögliche Eintragungen\")";

} // namespace ruvek
