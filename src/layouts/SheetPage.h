#pragma once
// The page of a sheet that is not a certificate (receipt acknowledgement,
// learning-development report). Its layout draws everything itself, a frame
// included, so the certificates' page preamble (correction corners, the
// frame by the print option MitRahmen) is left out. Such a sheet has one
// page; where it lands on the paper is the page origin's business.
#include "layouts/CertificatePage.h"

namespace ruvek {

// The layout on page 1; nothing when the form was not loaded. Returns the
// texts that did not fit their blocks.
std::vector<TextCutNotice> DrawSheetPage(Canvas& canvas, const CertificateEnvironment& env, const LoadedForm& form,
                                         LayoutRoutine layout, const TZgnRec& rec, int annexCode);

} // namespace ruvek
