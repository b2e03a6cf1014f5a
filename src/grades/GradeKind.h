#pragma once
// What a stored grade code stands for, read from its first character: the
// one reading of a `Note` that the class-wide counts (grade statistics, the
// subject and grade overview) share.
#include <string_view>

namespace ruvek {

enum class GradeKind {
    Empty,          // no character at all
    Blank,          // " ": a slot never filled in
    Grade,          // "1".."8"
    Struck,         // "-", "_"
    NotAssessable,  // "0", "k", "K", "o", "O", "u", "U"
    NotTaken,       // "n", "N"
    Taken,          // "t", "T"
    Exempt,         // "a", "A", "b", "B"
    NotTaught,      // "e", "E"
    Other,          // anything else
};

struct GradeReading {
    GradeKind kind;
    int number;   // 1..8 for a Grade, else 0
};

GradeReading ClassifyGrade(std::string_view gradeCp1252);

} // namespace ruvek
