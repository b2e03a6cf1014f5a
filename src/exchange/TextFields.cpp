#include "exchange/TextFields.h"

#include <algorithm>

namespace ruvek {

namespace {

// How many characters the field takes, and where the rest of the line
// starts.
struct FieldSpan {
    std::size_t length;
    std::size_t rest;
};

FieldSpan scanField(std::string_view line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ';' || c == '\t' || c == '\r')
            return {i, i + 1};
        if (c == '"' && i > 0)
            // The closing quote belongs to the field; the character after it
            // (normally the separator) is dropped.
            return {i + 1, std::min(i + 2, line.size())};
    }
    return {line.size(), line.size()};
}

} // namespace

std::string NextField(std::string& line)
{
    const FieldSpan span = scanField(line);
    std::string field = line.substr(0, span.length);
    line.erase(0, span.rest);
    return field;
}

std::string PeekField(std::string_view line)
{
    return std::string(line.substr(0, scanField(line).length));
}

std::string withoutQuotes(std::string field)
{
    std::erase(field, '"');
    return field;
}

} // namespace ruvek
