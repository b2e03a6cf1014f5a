#pragma once
// The Gymnasium's one-page certificates that end a course: the leaving
// certificate (23) and the certificate of the examination for the transfer
// into class 11 of the upper secondary level (24 passed, 25 not passed).
// Grades are always printed in words; the name stands on one rule.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

namespace ruvek {

void LayoutGymnasiumAbgang(PageContext& ctx, const TZgnRec& rec, int annexCode);   // 23
void LayoutGymnasiumPruefung(PageContext& ctx, const TZgnRec& rec, int annexCode); // 24, 25

// The statement under the name (slots 22, 24, 26), all on the page of
// slot 22: the fulfilled compulsory schooling (23), or the examination and
// its outcome by Bestanden (24, 25).
void GymnasiumStatementBlock(PageContext& ctx, const TZgnRec& rec, int annexCode);

} // namespace ruvek
