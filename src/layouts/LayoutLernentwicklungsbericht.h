#pragma once
// The learning-development report sheet for the class conference: the
// student's name, the learning-development text and, when the print option
// asks for the remarks (Zensurenkonferenz), the remarks, on an A5 landscape
// half of an A4 sheet. No frame, no school name, no footer.
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

namespace ruvek {

void LayoutLernentwicklungsbericht(PageContext& ctx, const TZgnRec& rec, int annexCode);

} // namespace ruvek
