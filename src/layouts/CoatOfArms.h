#pragma once
// The coat of arms of the leaving and final certificates: a picture from
// the program folder stretched into the rectangle the form gives it.
#include "layouts/PageContext.h"

namespace ruvek {

// Draws the coat of arms at slot 121, as wide as slot 122's X and as high as
// its Y, when slot 121 is visible on this page. The picture is "13F.BMP"
// (coloured) when the canvas's printer shows more than two colours or the
// print options want it on black-and-white printers too (FarbWappen), else
// "13S.BMP"; both lie in the program folder. A missing picture file draws
// nothing and says nothing.
void CoatOfArmsAtSlot(PageContext& ctx);

} // namespace ruvek
