// Form control files: parse, write in the standard form, parse again; title
// and slots must come back equal.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "print/FormFile.h"

namespace ruvek::fuzz {

int formFile(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TFstTable defaults{};
    NewFormDefaults(defaults);
    const FormFileParseResult first = ParseFormFile(bytes, defaults);
    const std::string text = FormFileText(first.content.title, first.content.slots);
    const FormFileParseResult second = ParseFormFile(text, defaults);
    check(!second.error.has_value(), "a written form file does not parse");
    check(!second.content.indexMismatch, "a written form file has wrong index lines");
    check(second.content.title == first.content.title, "form title changed by write and re-parse");
    check(second.content.slots == first.content.slots, "form slots changed by write and re-parse");
    return 0;
}

} // namespace ruvek::fuzz
