#pragma once
// The half-year and year, transfer and intermediate certificates of the
// secondary school kinds: two pages, the learning-development text on the
// first, the two-column subject table with the elective block on the
// second. One routine per school kind (the Integrierte Gesamtschule has one
// for classes 5 and 6 and one for classes 7 to 10).
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"
#include "layouts/SubjectTableSecondary.h"

namespace ruvek {

void LayoutRegionaleSchule(PageContext& ctx, const TZgnRec& rec, int annexCode);    // 15, 16, 115
void LayoutOrientierungsstufe(PageContext& ctx, const TZgnRec& rec, int annexCode); // 104
void LayoutGesamtschule56(PageContext& ctx, const TZgnRec& rec, int annexCode);     // 26
void LayoutGesamtschule(PageContext& ctx, const TZgnRec& rec, int annexCode);       // 27, 29, 127
void LayoutGymnasium(PageContext& ctx, const TZgnRec& rec, int annexCode);          // 21, 22, 121
void LayoutHauptschule(PageContext& ctx, const TZgnRec& rec, int annexCode);        // 5, 6, 105
void LayoutRealschule(PageContext& ctx, const TZgnRec& rec, int annexCode);         // 10, 11, 110

// The level of demand all grades of an Integrierte Gesamtschule certificate
// refer to, by Ebene: "Hauptschule", "Realschule", "Gymnasium", else "   - - - - -".
const char* LevelOfDemandText(int ebene);

// The footnotes on the level letters under the grade scale: of the
// Integrierte Gesamtschule, and of the Regionale Schule, whose wording
// changed with the school year 2007/2008 (by SjBeginn).
const char* ComprehensiveFootnote();
const char* RegionalFootnote(const TZgnRec& rec);

} // namespace ruvek
