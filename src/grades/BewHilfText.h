#pragma once
// The lines of the help window of permitted entries in the grade, addition
// and level fields. They depend on the school type (grades 7 and 8 and the
// level letters exist at the Integrierte Gesamtschule only) and on whether
// additions are shown at all (program option ZeigeZusatz).
#include "common/DomainValues.h"

#include <string>
#include <vector>

namespace ruvek {

// UTF-8 lines, in order; a line of one blank separates the items.
std::vector<std::string> BewHilfLines(SchoolType schultyp, bool zeigeZusatz);

} // namespace ruvek
