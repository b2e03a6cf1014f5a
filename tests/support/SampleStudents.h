#pragma once
// Sample students for the drawing tests: records filled in every field a
// certificate prints, with umlauts, long names, grade words and level
// letters, for the annex code given (some fields follow the form).
#include "classfile/ZgnRec.h"

namespace ruvek::test {

// A secondary-school student of class 8 with the eighteen subjects of the
// secondary forms, electives, level letters and a learning-development
// text. Annex 15 covers the first half-year only; annex 115 is of a school
// year before 2006.
TZgnRec filledStudent(int annexCode);

// The same student leaving class 10 with a final or leaving certificate:
// the overall distinction set, no learning-development text.
TZgnRec filledLeavingStudent(int annexCode);

// A Gymnasium student of class 10 sitting the transfer examination: annex
// 24 is of a school year before 2006 (with a fourth examination subject),
// annex 25 is not passed.
TZgnRec filledGymnasiumStudent(int annexCode);

// A primary-school student of class 3 (class 1 for annex 1 and 2; annex 1
// covers the first half-year only) with the nine primary subjects.
TZgnRec filledPrimaryStudent(int annexCode);

} // namespace ruvek::test
