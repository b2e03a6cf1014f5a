#include "completeness/FieldCaption.h"

#include "editor/ControlCaptions.h"

namespace ruvek {

std::string FieldCaption(std::string_view objectName)
{
    const auto control = editor::findControl(objectName);
    if (!control)
        return std::string(objectName);
    std::string caption = editor::ControlCaption(*control);
    return caption.empty() ? std::string(objectName) : caption;
}

} // namespace ruvek
