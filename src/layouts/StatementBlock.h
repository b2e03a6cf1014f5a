#pragma once
// The statement of the leaving and final certificates, which takes the
// place of the learning-development text: on a leaving certificate the
// compulsory schooling fulfilled with the year level left, on a final
// certificate the qualification gained, for some with the overall
// distinction written into the gap of the closing line.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

namespace ruvek {

namespace slot {
inline constexpr int StatementFirst = 22, StatementSecond = 23, StatementQualification = 24, StatementYearLevel = 25,
                     StatementClosing = 26, StatementDistinction = 27;
} // namespace slot

// The overall distinction by Praedikat; "  - - - - - " for any other value.
const char* DistinctionText(int praedikat);

// The statement of the annex code's form (the form catalogue's statement),
// drawn when slot 22 is on this page; every line goes onto slot 22's page.
void StatementBlock(PageContext& ctx, const TZgnRec& rec, int annexCode);

} // namespace ruvek
