#pragma once
// The name a teacher knows a field of the record editor by, for the lists of
// the completeness check: "Klassenlehrer" rather than "Edit66".
#include <string>
#include <string_view>

namespace ruvek {

// The caption of the control with this objectName; the objectName itself for
// a control the check never reports.
std::string FieldCaption(std::string_view objectName);

} // namespace ruvek
