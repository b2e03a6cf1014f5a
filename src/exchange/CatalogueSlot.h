#pragma once
// Where a record keeps a subject of the catalogue, and which of its elective
// slots belong to a half-year. Shared by the grade overview and the subject
// grade lists, so that both count and exchange the same slot.
#include "classfile/ZgnRec.h"
#include "settings/FachKatalog.h"

#include <string_view>
#include <vector>

namespace ruvek {

// The last subject slot among first..last whose Fach equals name exactly;
// 0 when there is none.
int lastSlotNamed(const TZgnRec& record, std::string_view name, int first = 1, int last = 18);

// The slot of a catalogue subject in a record. The catalogue row of the
// subject on the form the record's slots are laid out for (Position at the
// record's AnlageFaecher) is taken when that slot carries the subject's name;
// otherwise the last of the slots 1..18 with that name. 0 when the record
// does not have the subject.
int catalogueSubjectSlot(const TZgnRec& record, const TFachEintragKat& entry);

// The catalogue entry 2..50 whose name (first 30 characters) is `fach`;
// null when none is.
const TFachEintragKat* catalogueEntryNamed(const TFachKatalog& katalog, std::string_view fach);

// The elective slots (19..24) of one half-year (1 or 2) for a record whose
// slots are laid out for `annex`, by the form's elective block in the form
// catalogue: three per half-year on the forms with six elective rows (W1..W3,
// W4..W6), two on the forms with four (W1 and W4 for the first, W2 and W5
// for the second), none elsewhere. The intermediate certificates are not
// exchanged by half-year: none.
std::vector<int> electiveSlotsOfHalfYear(int annex, int halfYear);

} // namespace ruvek
