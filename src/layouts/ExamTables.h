#pragma once
// The two tables of the transfer-examination certificate: the examination
// subjects (Deutsch, Mathematik, the first foreign language and, for school
// years before 2006, the fourth examination subject) and the subjects of
// the admission, where a subject graded in the examination shows "---" and
// the fourth examination subject "siehe 4. Prüfungsfach".
//
// Which subjects were examined is worked out by FindExamSubjects without
// drawing or asking anything: the print job tells the user about subjects
// that cannot be determined once, before the page is drawn, and the page
// (drawn as often as the preview repaints) only leaves them out.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

#include <array>

namespace ruvek {

// Mark of a subject slot 1..18 after the examination table.
enum class ExamMark { Ordinary = 0, Examined = 1, FourthSubject = 2 };

enum class ExamSubjectError {
    None,
    ForeignLanguage,          // school years from 2006 on: the language cannot be determined
    ForeignLanguageOrFourth,  // earlier school years: the language or the fourth subject not found
};

struct ExamSubjects {
    std::array<ExamMark, 19> marks{}; // by subject slot 1..18 (index 0 unused)
    int deutsch = 0;          // subject slots, 0: not found
    int mathematik = 0;
    int foreignLanguage = 0;
    int fourthSubject = 0;
    bool withFourthSubject = false; // school year before 2006
    ExamSubjectError error = ExamSubjectError::None;

    ExamMark mark(int subjectSlot) const { return marks.at(static_cast<std::size_t>(subjectSlot)); }
};

ExamSubjects FindExamSubjects(const TZgnRec& rec, const TFachKatalog& katalog, SchoolType schoolType);

// The message for an error (UTF-8, line break '\n'); empty for None.
std::string ExamSubjectsMessage(ExamSubjectError error);

// The examination table at slots 76 to 84, when slot 76 is on this page;
// the right column is left out when the subjects could not be determined.
void ExamSubjectTable(PageContext& ctx, const TZgnRec& rec, const ExamSubjects& exam, bool wordMode);

// The admission table in the subject-table geometry (slots 32 to 40), when
// slot 32 is on this page.
void AdmissionSubjectTable(PageContext& ctx, const TZgnRec& rec, const ExamSubjects& exam, bool wordMode);

// The subject slots of the admission table's rows 1..6: left column, then
// right column; rows beyond stay empty.
struct AdmissionRows {
    std::array<int, 6> left{};
    std::array<int, 6> right{};
};
AdmissionRows AdmissionTableRows(SchoolType schoolType);

// The right column's row 2: the long name of the technics subject is set
// on two lines (its first 25 characters, then "u. Informatik") when it
// begins with catalogue entry 2's name and does not fit one line.
bool IsTwoLineTechnicsName(const TFachKatalog& katalog, std::string_view subjectCp1252);

} // namespace ruvek
