#pragma once
// Text for line-based output of the command-line tool. Stored names and file
// names may hold control characters (a line feed or tab inside a name); printed
// raw they would invent extra lines or columns for whoever reads the output.
#include <string>
#include <string_view>

// The UTF-8 text with every control character escaped: \n, \r and \t by
// name, other C0 controls, DEL and the C1 controls as \xHH (\u00HH for C1),
// and the backslash itself as \\ so the escaping can be undone.
std::string escapeControls(std::string_view utf8);
