#include "grades/GradeKind.h"

namespace ruvek {

GradeReading ClassifyGrade(std::string_view grade)
{
    if (grade.empty())
        return {GradeKind::Empty, 0};
    switch (grade.front()) {
    case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8':
        return {GradeKind::Grade, grade.front() - '0'};
    case ' ': return {GradeKind::Blank, 0};
    case '-': case '_': return {GradeKind::Struck, 0};
    case '0': case 'K': case 'O': case 'U': case 'k': case 'o': case 'u': return {GradeKind::NotAssessable, 0};
    case 'N': case 'n': return {GradeKind::NotTaken, 0};
    case 'T': case 't': return {GradeKind::Taken, 0};
    case 'A': case 'B': case 'a': case 'b': return {GradeKind::Exempt, 0};
    case 'E': case 'e': return {GradeKind::NotTaught, 0};
    default: return {GradeKind::Other, 0};
    }
}

} // namespace ruvek
