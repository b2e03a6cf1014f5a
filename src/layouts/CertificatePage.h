#pragma once
// One page of a certificate: the form of its annex, loaded once before the
// first page, and the page preamble every layout shares (corner marks, page
// frame) before the layout routine draws its elements.
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"
#include "layouts/PageContext.h"
#include "print/AnlageFormFile.h"
#include "print/FormLoader.h"

#include <string>
#include <vector>

namespace ruvek {

// The form control file of a certificate as loaded for printing.
struct LoadedForm {
    FormFileInfo info;
    std::string title;  // line 1 of the file, or ":::" when nothing was loaded
    TFstTable table{};
    bool loaded = false; // false: every page of the certificate stays empty
};

// Loads the form file (from the data or program folder, with the copies and
// questions of the form loader). This is where the user may be asked; the
// pages are drawn afterwards without questions.
LoadedForm LoadCertificateForm(const FormFileInfo& info, const FormFolders& folders, const TDrkEinstRec& options,
                               Prompter& prompter);

// Draws one page of a certificate of one annex.
using LayoutRoutine = void (*)(PageContext& ctx, const TZgnRec& rec, int annexCode);

// Preamble and layout of `page`; nothing when the form was not loaded.
// Returns the texts that did not fit their blocks on this page.
std::vector<TextCutNotice> DrawCertificatePage(Canvas& canvas, const CertificateEnvironment& env,
                                               const LoadedForm& form, LayoutRoutine layout, const TZgnRec& rec,
                                               int annexCode, int page);

} // namespace ruvek
