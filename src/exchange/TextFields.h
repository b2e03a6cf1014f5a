#pragma once
// Fields of the semicolon-separated import lines (Windows-1252 text).
// A field ends at ";", a tab or a carriage return; a double quote after the
// first character ends it too, after the quote. Quotes are removed from the
// field's text by the callers (so a ";" inside quotes still ends the field).
#include <string>
#include <string_view>

namespace ruvek {

// Takes the leading field off the line: the line continues one character
// after the place where collecting stopped.
std::string NextField(std::string& line);
// The same field, the line unchanged.
std::string PeekField(std::string_view line);
// The field without any double quote.
std::string withoutQuotes(std::string field);

// NextField and withoutQuotes together, as every import step reads a column.
inline std::string nextColumn(std::string& line) { return withoutQuotes(NextField(line)); }

// Whether a line has no further column: empty, or its data ended by a
// carriage return.
inline bool lineExhausted(std::string_view line) { return line.empty() || line.front() == '\r'; }

} // namespace ruvek
