#pragma once
// The two import commands under "mit anderen Programmen", free of any
// window: the file dialog, the layout, reading the file, the question
// before anything changes, the import and its messages all go through the
// Prompter. The caller stores the form before and shows the current record
// afterwards.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
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

// The message for a file that cannot be read (UTF-8).
std::string unreadableFileText(const std::filesystem::path& path);

} // namespace ruvek
