#pragma once
// Loading the form control file of the page being drawn, with the choice of
// folder, the copies a school may adjust, and the creation of a new file.
//
// The standard files lie in the program folder, the school's copies in the
// data folder. With the print option FstKopien the data folder is searched
// first and a file found only in the program folder is copied there, so the
// school can adjust the copy.
#include "common/Prompter.h"
#include "print/FstTable.h"
#include "settings/DrkEinst.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ruvek {

// The title LoadFormFile returns when no file could be loaded: the page
// stays empty.
inline constexpr std::string_view kNoFormTitle = ":::";

struct FormFolders {
    std::filesystem::path program;
    std::filesystem::path data;
};

// Fills `table` from the form control file `fileName`. `title` comes in as
// the description of the form and goes out as line 1 of the file read, the
// description when a new file was made, or ":::" when nothing was loaded
// (the new-file question was declined, or the file is unreadable or has a
// line without the number it needs; the user is told which file and line).
// Returns true when the table holds a form to draw (title is not ":::").
// The file LoadFormFile reads for `fileName`: with the print option
// FstKopien the school's copy in the data folder before the program folder's
// file, without it the other way round. Empty when neither folder has it.
std::optional<std::filesystem::path> FindFormFile(const std::string& fileName, const FormFolders& folders,
                                                  const TDrkEinstRec& options);

bool LoadFormFile(TFstTable& table, const std::string& fileName, std::string& title, const FormFolders& folders,
                  const TDrkEinstRec& options, Prompter& prompter);

} // namespace ruvek
