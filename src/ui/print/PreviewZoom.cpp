#include "ui/print/PreviewZoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ruvek::ui {

namespace {
constexpr std::array kSteps{0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
// A factor within half a percent of a step counts as that step, so that a
// rounded wheel factor does not make Ctrl++ stop at the step it shows.
constexpr double kSameStep = 0.005;
} // namespace

std::span<const double> zoomSteps() { return kSteps; }

double clampZoom(double factor) { return std::clamp(factor, kMinZoom, kMaxZoom); }

double zoomStepIn(double factor)
{
    const auto it = std::find_if(kSteps.begin(), kSteps.end(), [&](double s) { return s > factor + kSameStep; });
    return it == kSteps.end() ? kMaxZoom : *it;
}

double zoomStepOut(double factor)
{
    const auto it = std::find_if(kSteps.rbegin(), kSteps.rend(), [&](double s) { return s < factor - kSameStep; });
    return it == kSteps.rend() ? kMinZoom : *it;
}

double zoomByWheel(double factor, int angleDelta)
{
    return clampZoom(factor * std::pow(1.25, angleDelta / 120.0));
}

QString zoomLabel(double factor)
{
    return QStringLiteral("%1 %").arg(std::lround(factor * 100));
}

} // namespace ruvek::ui
