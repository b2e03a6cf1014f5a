#pragma once
// The student text import: one new student record per line of the file,
// the columns read by the layout of IMPORT.CFG.
#include "classfile/OpenClass.h"
#include "exchange/ImportConfig.h"

#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// A text field's new value from its current value, the column's text and
// the entry's separator: empty replaces, "++" appends, any other separator
// joins with itself between. The result is cut to `cut` characters (the
// field's capacity plus one; the record then keeps its capacity).
std::string joinImportField(std::string_view current, std::string_view separator, std::string_view column,
                            std::size_t cut);

// Fills `rec` from one line (Windows-1252) by the layout: entries 1 to 20
// in order, until the line has no further column.
void applyStudentLine(TZgnRec& rec, std::string line, const ImportLayout& layout);

// Why the lines must not be imported, as a German message naming the line:
// a birth date the editor's date field could not hold (its mask takes
// TT.MM.JJJJ with digits possibly left blank). Empty when they may.
std::string studentLinesRefusal(const std::vector<std::string>& lines, const ImportLayout& layout);

// Inserts one record per line right after the current record, in the order
// of the file, each initialised as the "+" command does (with the
// predecessor's class data when `takeOverFromPredecessor`), and fills it.
// The current record stays current; the changed flag is set. Returns the
// number of records added (fewer than lines only when the class is full).
int importStudents(OpenClass& oc, const std::vector<std::string>& lines, const ImportLayout& layout,
                   bool takeOverFromPredecessor);

} // namespace ruvek
