#pragma once
// The two import commands under "mit anderen Programmen", free of any
// window: the file dialog, the layout, reading the file, the question
// before anything changes, the import and its messages all go through the
// Prompter. The caller stores the form before and shows the current record
// afterwards.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "exchange/ImportConfig.h"
#include "exchange/ImportText.h"
#include "settings/Installation.h"

namespace ruvek {

inline constexpr const char* kImportFilter =
    "Textdateien, semikolongetrennt  (*.TXT;*.CSV)|*.TXT;*.CSV";

// "importieren von Schülerdaten im TXT-Format ...". Returns true when
// records were added.
bool runStudentImport(OpenClass& oc, const Installation& installation, Prompter& prompter);

// "importieren von Bewertungen im TXT-Format ...". Returns true when the
// import ran (grades may have been set).
bool runGradeImport(OpenClass& oc, const Installation& installation, Prompter& prompter);

// The message for a file that cannot be read, from the reader's reason
// (which names the file).
std::string unreadableFileText(const std::string& reason);

// The message for a file whose content is refused (`reason` names the line).
std::string refusedFileText(const std::filesystem::path& path, const std::string& reason);

// Why a student import text is refused (characters no keyboard types, dates
// the date field cannot hold); empty when it may be imported.
std::string refusalOf(const ImportText& text, const ImportLayout& layout);

} // namespace ruvek
