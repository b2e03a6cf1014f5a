#pragma once
// "Wahlpflichtfächer extrahieren": collects the elective-subject names that
// the records of a class carry, for the elective-subject list.
#include "classfile/ZgnRec.h"

#include <span>
#include <string>
#include <vector>

namespace ruvek {

// Appends to `liste` every subject name of the slots 17 to 24 of the records
// that it does not hold yet (exact comparison, Windows-1252), in record
// order. Returns the number of names added.
std::size_t ExtractWahlpflichtFaecher(std::span<const TZgnRec> records, std::vector<std::string>& liste);

} // namespace ruvek
