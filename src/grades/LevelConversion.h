#pragma once
// Converting the grades of a record when its level of demand (Ebene)
// changes. A grade means more on a higher level, so the same performance
// earns a better (lower) grade on a lower level: from level m to level n a
// grade moves by n - m, and grades given per subject level (certificate
// without level, Ebene 0) move by n minus the subject's level. Converted
// grades are limited to 1..6.
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"

namespace ruvek {

inline constexpr const char* kMsgConvertGrades =
    "Die Anspruchsebene wurde geändert!\nSollen die Bewertungen jetzt umgerechnet werden?\n\n"
    "(!!!Beachten Sie, dass mehrfaches Umrechnen die\nursprüngliche Bewertung verfälschen kann!\n"
    "Prüfen Sie unbedingt die umgerechneten Bewertungen!!!)";
inline constexpr const char* kMsgLevelSetToNone =
    "Die Anspruchsebene wurde auf einen\nunbestimmten Schultyp eingestellt!\n\n"
    "Sollen die Bewertungen auf Ü-Niveau\ngesetzt werden?";
inline constexpr const char* kMsgConversionInconsistent =
    "Beim Umrechnen der Bewertungen trat mindestens eine Unstimmigkeit auf!\n"
    "Kontrollieren Sie unbedingt die Richtigkeit der Bewertungen!";

enum class LevelConversionResult {
    LevelSetToNone,  // new level 0: the question was asked, nothing changed
    Declined,        // the user did not want the conversion
    Converted,       // the conversion ran (the caller sets the changed flag
                     // and brings "Fächer u. Bewertungen" to the front)
};

// Called by the store when the stored Ebene differs from the level at show.
// Asks, then converts the slots 1..25 whose grade is "1".."8" in place.
// A level outside 0..3 (typed text in the level selector) converts nothing:
// every graded slot counts as an inconsistency, reported after the
// conversion. The caller refreshes the record indicators in every case.
LevelConversionResult ConvertGradesOnLevelChange(TZgnRec& rec, int oldLevel, int newLevel, Prompter& prompter);

// The conversion itself, without questions or messages; returns the number
// of graded slots that could not be converted (inconsistencies).
int ConvertGrades(TZgnRec& rec, int oldLevel, int newLevel);

} // namespace ruvek
