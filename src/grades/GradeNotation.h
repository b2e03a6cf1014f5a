#pragma once
// The vocabulary of the three short codes of a subject slot: the grade
// (`Note`), the addition (`Zusatz`, free, never interpreted) and the level
// letter (`Niveau`). How typed text becomes a stored code, how a stored code
// becomes the wording on a certificate, and how level letters are printed.
//
// Stored codes are Windows-1252 (as in the record); typed texts and printed
// wordings are UTF-8. Codes are compared as whole strings: length and
// character must both match, so an empty code matches nothing.
#include "common/ByteFields.h"
#include "common/DomainValues.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

using GradeCode = PStr<1>;  // a `Note` value
using LevelCode = PStr<1>;  // a `Niveau` value

// The certificate wording of a grade code. Word mode: "1".."6" become "sehr
// gut" .. "ungenügend", every other code "---"; digit mode: the code as
// stored. In both modes the marks then win: "0","o","O","k","K" "nicht
// beurteilbar"; "n","N" "nicht teilgenommen"; "b","B","a","A" "befreit";
// "t","T" "teilgenommen"; "e","E" "nicht erteilt"; "-","_" "---".
// Returns UTF-8.
std::string GradeText(std::string_view gradeCp1252, bool inWords);
inline std::string GradeText(const GradeCode& grade, bool inWords) { return GradeText(grade.view(), inWords); }

// 1..8 for a code whose first character is "1".."8", else 0.
int GradeNumber(std::string_view gradeCp1252);
inline int GradeNumber(const GradeCode& grade) { return GradeNumber(grade.view()); }

// "1".."8" for 1..8, "-" for any other value.
GradeCode GradeFromNumber(int n);

// The stored code for the text typed into a grade field (UTF-8): empty text
// gives "-"; a single character is kept whatever it is; in a longer text
// the first character of the entry set ("-", "0".."8", "A", "B", "E", "K",
// "N", "O", "T", "U", "_", "a", "b", "e", "k", "n", "o", "t", "u") is
// taken, or "?" when there is none.
GradeCode GradeFromEntry(std::string_view textUtf8);

// The grade codes the school type's notation knows: "1".."6" ("1".."8" at
// the Integrierte Gesamtschule) and the marks "-", "_", "e", "E", "n", "N",
// "t", "T", "b", "B", "a", "A", "0", "o", "O", "k", "K", "u", "U".
bool IsGradeCode(std::string_view gradeCp1252, SchoolType schoolType);

// The typed text of a grade field as a code of the school type's notation:
// blanks around it are ignored, an empty text is "-", and anything else
// must be exactly one known code. nullopt for every other text ("x", "7"
// outside the Integrierte Gesamtschule, "-2", "3-"), which is not stored.
std::optional<GradeCode> CheckedGradeEntry(std::string_view textUtf8, SchoolType schoolType);

// The allowed grade entries of a school type, for messages (UTF-8):
// "1 bis 6, - oder _ (Streichung), e (nicht erteilt), ...".
std::string AllowedGradesText(SchoolType schoolType);

// The stored code for the text of a cell of the subject-wise entry table
// (grade and level cells alike, UTF-8): empty text gives the empty code; a
// longer text gives its first non-blank character (a text of blanks only
// gives one blank); a single character is kept.
PStr<1> FirstCellChar(std::string_view textUtf8);

// The level letter to store from a level selector. A hidden selector keeps
// the stored letter, and so does a selector showing no selection: a stored
// letter that the list cannot show ("Ü", "Z", lower case) must survive a
// store of the form. Otherwise the first character of the selected item.
LevelCode LevelFromSelector(const LevelCode& stored, bool visible, std::optional<std::string_view> selectedItemUtf8);

// Level letter as printed on the Regionale Schule certificates: H/B -> "B",
// E/M/R -> "M" (either case), anything else "-".
LevelCode PrintLevelRegional(const LevelCode& level);
// Level letter as printed on the orientation-stage and Integrierte
// Gesamtschule certificates: G -> "G", B/H -> "B", E/M/R -> "E" (either
// case), anything else "-".
LevelCode PrintLevelComprehensive(const LevelCode& level);

// The level choice lists of the level selectors (UTF-8 items):
// "-", "B", "E", "G", "H", "R", "M" in general, without "G" at the
// Regionale Schule (school type 2).
const std::vector<std::string>& levelChoiceListGeneral();
const std::vector<std::string>& levelChoiceListRegional();
const std::vector<std::string>& levelChoiceList(SchoolType schultyp);

} // namespace ruvek
