#pragma once
// The main window's caption, which names the school type of the installation.
#include "common/DomainValues.h"

#include <string>

namespace ruvek::ui {

// The school-type name as the caption shows it ("?? Schultyp ??" for a
// value without a name, 0 and 8 among them).
std::string schoolTypeName(SchoolType schoolType);

// "Zeugnisse für Kestland  V.3.1.       -- <school type> --" (UTF-8), with
// the program's version.
std::string windowTitleFor(SchoolType schoolType);

} // namespace ruvek::ui
