#include "exchange/GradeCell.h"

#include "common/Cp1252.h"
#include "grades/GradeNotation.h"

namespace ruvek {

bool isKnownGrade(std::string_view code, SchoolType schoolType)
{
    if (code.empty())
        return true;
    if (code.size() != 1)
        return false;
    const std::string_view grades =
        schoolType == SchoolType::IntegrierteGesamtschule ? "12345678" : "123456";
    constexpr std::string_view marks = "-_eEnNtTbBaA0oOkKuU";
    return grades.find(code[0]) != std::string_view::npos || marks.find(code[0]) != std::string_view::npos;
}

GradeCellValue normaliseGradeCell(std::string_view typed, SchoolType schoolType)
{
    const std::string code = cp1252ToUtf8(GradeFromEntry(typed).view());
    return {code, isKnownGrade(code, schoolType)};
}

} // namespace ruvek
