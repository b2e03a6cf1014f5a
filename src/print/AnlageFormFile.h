#pragma once
// Which form control file belongs to which certificate form (annex code),
// including the variants for the pre-printed paper of the two publishers.
#include "common/Prompter.h"
#include "forms/AnnexCatalogue.h"
#include "settings/DrkEinst.h"

#include <string>

namespace ruvek {

struct FormFileInfo {
    std::string fileName;    // e.g. "Anl008_2031.FST"; empty for an unknown annex code
    std::string description; // UTF-8; the default title of the file, shown in the print questions
    bool operator==(const FormFileInfo&) const = default;
};

// The form of an annex code with the publisher variant chosen by the print
// options Papierverlag, Wappenposition and Wappengroesse. A variant that the
// chosen coat-of-arms options do not allow is reported and the plain form
// used; an unknown code is reported and gives two empty texts.
FormFileInfo AnlageFormFile(int annexCode, const TDrkEinstRec& options, Prompter& prompter);

// The plain form file of a catalogue row (no publisher variant); empty texts
// for a row without a form file.
FormFileInfo FormFileOf(const AnnexForm& form);

// Forms loaded by their own layouts under fixed titles.
inline const FormFileInfo kReceiptA4Form{"Anl043.FST", "Empfangsbekenntnis (Anlage 43) auf A4 Version 1"};
inline const FormFileInfo kReceiptA5Form{"Anl143.FST", "Empfangsbekenntnis (Anlage 43) auf A5 quer Version 1"};
inline const FormFileInfo kReportForm = FormFileOf(*FindAnnexForm(annex::Lernentwicklungsbericht));

} // namespace ruvek
