#pragma once
// The student list beside the editor pages: one entry per listed record, and
// which entry is selected after the list is built.
#include "classfile/ZgnRec.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ruvek::editor {

// The entry of a record (Windows-1252): the surname plus ", " cut to 32
// characters, then the first name, the whole cut to 62 characters.
std::string StudentListText(const TZgnRec& rec);

struct StudentList {
    std::vector<std::string> entries;  // Windows-1252
    std::vector<int> recordOf;         // record index of each entry
    std::optional<int> selected;       // selected entry
};

// With showDeleted (program setting ZeigeGeloeschte 1) every record is
// listed and the current record is selected by its index; otherwise only the
// active records (Status 1) are listed and the first entry whose text equals
// the current record's entry is selected (so of two students with the same
// name the first is selected when either is current). A class of exactly
// one record has that entry selected.
StudentList BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted);
// The same, written into `list` and reusing its storage.
void BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted, StudentList& list);

} // namespace ruvek::editor
