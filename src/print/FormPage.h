#pragma once
// The common start of every page drawn on a form: load the form control
// file, and when there is a form, draw the correction corner marks (print
// option Korrekturecke) and the page frame. The layout then draws its
// elements with the returned device offset.
#include "common/Prompter.h"
#include "print/AnlageFormFile.h"
#include "print/Canvas.h"
#include "print/FormLoader.h"
#include "print/FstTable.h"
#include "print/PageModel.h"
#include "settings/DrkEinst.h"

#include <optional>
#include <string>

namespace ruvek {

// Loads `form` into `table` and draws corner marks and frame of `page`.
// Returns the device offset of the page, or nothing when no form could be
// loaded: the page then stays empty. *title receives the form's title.
std::optional<DeviceOffsetXY> BeginFormPage(Canvas& canvas, TFstTable& table, const FormFileInfo& form, int page,
                                            const TPageOrigins& origins, const FormFolders& folders,
                                            const TDrkEinstRec& options, Prompter& prompter,
                                            std::string* title = nullptr);

} // namespace ruvek
