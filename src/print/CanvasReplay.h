#pragma once
// Draws recorded canvas operations again on another canvas, each with the
// drawing state it was recorded under: a page drawn once into a recording
// canvas can be shown as often as needed without running its layout again.
#include "print/Canvas.h"
#include "print/RecordingCanvas.h"

#include <vector>

namespace ruvek {

void ReplayOps(const std::vector<CanvasOp>& ops, Canvas& target);

} // namespace ruvek
