#pragma once
// The main window's caption, which names the school type of the installation.
#include <string>

namespace ruvek::ui {

// The school-type name as the caption shows it ("?? Schultyp ??" for a
// value without a name, 0 and 8 among them).
std::string schoolTypeName(int schoolType);

// "Zeugnisse für Kestland  V.3.1.       -- <school type> --" (UTF-8), with
// the program's version.
std::string windowTitleFor(int schoolType);

} // namespace ruvek::ui
