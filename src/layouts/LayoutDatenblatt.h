#pragma once
// The student data sheet: one A4 page with everything the record of one
// student holds that matters for the certificate (head data, the form it
// will be printed on, every subject slot, the electives, the free texts in
// full, recommendation and absences), as a checklist for the class teacher
// and the class conference.
//
// The sheet is plain paper with a fixed geometry of its own: it needs no
// form control file and ignores the margins that align certificates with
// pre-printed forms. Texts that would not fit are set in a smaller font;
// only when even the smallest font cannot hold them is the rest left out,
// and then it is reported, never dropped silently.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"
#include "print/Canvas.h"
#include "settings/DrkEinst.h"

#include <string>
#include <vector>

namespace ruvek {

struct DatenblattEnvironment {
    const TDrkEinstRec& options;  // chooses the publisher variant of the form named on the sheet
    std::string schulnameCp1252;  // printed under the title
};

// Draws the data sheet of `rec` on a canvas already set to 0.1 mm. Returns
// the texts that did not fit even in the smallest font (normally none).
std::vector<TextCutNotice> LayoutDatenblatt(Canvas& canvas, const DatenblattEnvironment& env, const TZgnRec& rec);

// The wording of the annex line: "Anlage 21: " + description + " [Anl021.FST]",
// "Anlage 4a: ..." for 104, or what is missing for -1 and 0. UTF-8.
std::string DatenblattAnnexText(int anlage, const TDrkEinstRec& options);

} // namespace ruvek
