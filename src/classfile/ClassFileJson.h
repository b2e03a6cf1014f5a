#pragma once
// The class file as JSON, for the command-line tool: every named field of the
// header and the records, texts decoded from Windows-1252 to UTF-8, numbers
// as JSON numbers. Reserved bytes are left out.
#include "classfile/ClassFile.h"

#include <ostream>
#include <string>
#include <string_view>

namespace ruvek {

// A JSON string literal (with quotes) for UTF-8 text.
std::string jsonString(std::string_view utf8);

// {"Anzahl": ..., "Kennung": ..., "Version": ..., "LeseVersion": ...}
void writeHeaderJson(std::ostream& out, const TDateiKopf& header);

// One record as a JSON object; the subject slots as the array "Faecher".
void writeRecordJson(std::ostream& out, const TZgnRec& record);

// {"header": {...}, "records": [...]}, records in list order, one per line.
void writeClassJson(std::ostream& out, const TDateiKopf& header, const TDB2& records);

} // namespace ruvek
