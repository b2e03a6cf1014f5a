#pragma once
// "ALLE Bewertungen (u. Zus.) löschen": removes every grade, addition and
// level letter of the subject slots 1..18 (page "Fächer u. Bewertungen",
// BitBtn22) or of the elective slots 19..25 (page "(Wahlpfl. u.)
// Zeugnis-Fuß", BitBtn23). The subject names stay.
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"

namespace ruvek {

inline constexpr const char* kMsgClearAllGrades =
    "Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?";

enum class GradeClearRange {
    Subjects,   // slots 1..18 (BitBtn22)
    Electives,  // slots 19..25 (BitBtn23)
};

// Note "-", Zusatz empty, Niveau empty (length 0, not "-") in the range.
void ClearGrades(TZgnRec& rec, GradeClearRange range);

// Asks first; true when the grades were cleared (the caller then sets the
// changed flag and shows the record again).
bool AskAndClearGrades(TZgnRec& rec, GradeClearRange range, Prompter& prompter);

} // namespace ruvek
