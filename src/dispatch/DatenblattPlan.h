#pragma once
// Plans of the student data sheets: one A4 page per student with all its
// data, for the current student (in the preview, or on the printer) and for
// the current and all following students (one printer document). The data
// sheet is drawn by its own layout on plain paper, without a form file.
#include "dispatch/PrintPlan.h"

#include <cstddef>
#include <span>

namespace ruvek {

// The print job code of a data sheet: outside every annex number.
inline constexpr int kAnlageDatenblatt = 200;

// The data sheet of one record: in the preview, or to the printer after
// the question "Soll jetzt das Schüler-Datenblatt ... gedruckt werden?".
PrintPlan PlanDatenblatt(const TZgnRec& rec, long listIndex, bool preview);
// The data sheets of the records from `start` on with the series rules of
// the certificates: deleted records and those not to be printed in series
// are passed over, the first record without a name ends the series. A
// record without a valid certificate still gets its sheet: the sheet is how
// such a record is found. One question first, then one document. The plan
// refers to `records` (see PlanCertificateSeries).
PrintPlan PlanDatenblattSeries(std::span<const TZgnRec> records, std::size_t start);

} // namespace ruvek
