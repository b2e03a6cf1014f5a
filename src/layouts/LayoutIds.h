#pragma once
// The layout routine behind each layout identifier of the form catalogue.
#include "forms/AnnexCatalogue.h"
#include "layouts/CertificatePage.h"

namespace ruvek {

// nullptr for LayoutId::None and for the data sheet, which is drawn on plain
// paper by a routine of its own (LayoutDatenblatt).
LayoutRoutine LayoutRoutineOf(LayoutId id);

} // namespace ruvek
