#pragma once
// The primary-school certificates: class 1 (annex codes 1 and 2), a page of
// learning-development text and remarks without grades, and classes 2 to 4
// (annex codes 3 and 4), which add a page with the grade table.
#include "layouts/SubjectTable.h"

namespace ruvek {

void LayoutGrundschule1(PageContext& ctx, const TZgnRec& rec, int annexCode);
void LayoutGrundschule(PageContext& ctx, const TZgnRec& rec, int annexCode);

// Nine rows in one column: row 4 the religion / philosophy row with the long
// labels, row 9 the foreign language.
const SubjectTableLayout& SubjectTableGrundschuleLayout();
void SubjectTableGrundschule(PageContext& ctx, const TZgnRec& rec, bool wordMode);

} // namespace ruvek
