#pragma once
// The standard form control files of the installation are generated from a
// compact description, so that their 1130 lines never have to be edited by
// hand and the checked-in files can be proven to match it.
//
// Description text (UTF-8), line by line; "#" starts a comment:
//
//   form Anl002.FST                       a new form; its slots start at 0
//   title Übergangs-Zeugnis der ...       line 1 of the file
//   like Anl001.FST                       copy every slot of a form described before
//   3   900 190 1 12 1 1  Schulname       slot, X, Y, Align, Font, Page, Visible, remark
//   preprinted 1 4 106 ...                the slots a pre-printed paper carries already
//   variant _2030 (Kohlhammer 282.20/16-0)
//
// A slot line replaces all six values of that slot. "like" also copies the
// preprinted slots. A "variant" line adds, after its form, the form for a
// publisher's pre-printed paper: named by the form's name with the suffix
// before ".FST", titled by the form's title, a blank and the rest of the
// line, with the slots of the finished form, except that the preprinted
// slots are switched off (Visible 0; the frame of slot 1, which is drawn
// whatever Visible says, by Page 0).
#include "print/FstTable.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

struct DescribedForm {
    std::string fileName;
    std::string title; // UTF-8
    TFstTable slots{};
    std::vector<int> preprinted; // slots its publisher variants switch off
};

struct FormDescriptionResult {
    std::vector<DescribedForm> forms; // in the order described
    std::string error;                // "line N: ...", empty when the text is valid
};

// `earlier` holds forms described in files read before, which "like" may name.
FormDescriptionResult ParseFormDescription(std::string_view text, const std::vector<DescribedForm>& earlier = {});

// Reads every *.txt description of a folder in file-name order (so a file may
// build on the forms of the files sorted before it); errors name the file.
FormDescriptionResult ParseFormDescriptionFolder(const std::filesystem::path& folder);

} // namespace ruvek
