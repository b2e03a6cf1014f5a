#pragma once
// The magnifications of the preview window. A factor of 1 shows the paper
// at its real size, as far as the screen reports its resolution; the steps
// are the ones people know from office programs.
#include <QString>

#include <span>

namespace ruvek::ui {

inline constexpr double kMinZoom = 0.25;
inline constexpr double kMaxZoom = 4.0;

// The fixed steps of Ctrl++ and Ctrl+-, smallest first.
std::span<const double> zoomSteps();

double clampZoom(double factor);
// The next step above or below `factor` (which may lie between steps, as
// the whole-page view and the mouse wheel leave it); the limits stay put.
double zoomStepIn(double factor);
double zoomStepOut(double factor);
// One notch of the mouse wheel (an angle of 120) changes the size by a
// quarter; a touchpad's finer angles change it in proportion.
double zoomByWheel(double factor, int angleDelta);
// "150 %"
QString zoomLabel(double factor);

} // namespace ruvek::ui
