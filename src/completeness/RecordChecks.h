#pragma once
// The checks of one record that need no form file: head and foot data, and
// the subject rows the editor shows for the record's annex (the rows the
// certificate prints).
#include "classfile/ZgnRec.h"
#include "common/DomainValues.h"

#include <string>
#include <vector>

namespace ruvek {

// One finding of a record, before it is tied to the record's list position.
struct RecordFinding {
    std::string page;
    std::string field;
    std::string text;
    bool operator==(const RecordFinding&) const = default;
};

// School year, class teacher, place and date of the certificate.
std::vector<RecordFinding> CheckHeadAndFoot(const TZgnRec& rec);

// Subjects, grades and level letters of the rows printed for the annex the
// record's slots are laid out for.
std::vector<RecordFinding> CheckSubjectRows(const TZgnRec& rec, SchoolType schoolType);

} // namespace ruvek
