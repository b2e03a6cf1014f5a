#pragma once
// The leaving and final certificates of the Regionale Schule, Hauptschule,
// Realschule and the leaving certificate of the Integrierte Gesamtschule:
// two pages like the year certificates of their school kinds, but with the
// statement of the qualification in place of the learning-development
// text, the school year without the half-year alternative, and grades
// always in words.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

namespace ruvek {

void LayoutRegionaleSchuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode); // 17, 18, 19, 20
void LayoutHauptschuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode);     // 7, 8, 9
void LayoutRealschuleAbschluss(PageContext& ctx, const TZgnRec& rec, int annexCode);      // 12, 13, 14
void LayoutGesamtschuleAbgang(PageContext& ctx, const TZgnRec& rec, int annexCode);       // 28

// The seal caption of a leaving or final certificate and whether "Stempel"
// is struck: the leaving certificates and the Hauptschulabschluss take
// stamp or seal, the other qualifications the seal alone.
struct FinalSeal {
    const char* caption;
    bool strikeStempel;
};
FinalSeal FinalCertificateSeal(int annexCode);

} // namespace ruvek
