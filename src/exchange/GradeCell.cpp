#include "exchange/GradeCell.h"

#include "common/Cp1252.h"
#include "grades/GradeNotation.h"

namespace ruvek {

bool isKnownGrade(std::string_view code, SchoolType schoolType)
{
    // The notation's own rule; an empty cell is no grade yet, not a wrong one.
    return code.empty() || IsGradeCode(code, schoolType);
}

GradeCellValue normaliseGradeCell(std::string_view typed, SchoolType schoolType)
{
    const std::string code = cp1252ToUtf8(GradeFromEntry(typed).view());
    return {code, isKnownGrade(code, schoolType)};
}

} // namespace ruvek
