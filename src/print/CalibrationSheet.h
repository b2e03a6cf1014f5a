#pragma once
// The calibration sheet: crosses 20 mm in from each corner of an A4 sheet,
// millimetre rulers along the top and the left edge, and a short German
// instruction. The sheet is placed through the print options' margins just
// as a certificate is: a printer that puts the page where it should with
// the margins as set prints every cross centre exactly 20.0 mm from both
// edges it is near. The teacher measures the deviations, and the margins
// are corrected by them (CalibratedMargins), so the next sheet - and every
// certificate - lands where the forms expect it. The printer's own offset
// is kept in the margins, apart from the form control files.
#include "print/Canvas.h"
#include "settings/DrkEinst.h"

#include <optional>
#include <string>

namespace ruvek {

inline constexpr const char* kCalibrationTitle = "Kalibrierblatt";
// Where the crosses stand, in 0.1 mm from the nearest paper edges.
inline constexpr int kCalibrationCrossInset = 200;
// The margins the shipped form control files are laid out for.
inline constexpr int kNominalMargin = 150;
inline constexpr int kA4Width = 2100, kA4Height = 2970;

// Draws the sheet on a canvas with the 0.1 mm mapping.
void DrawCalibrationSheet(Canvas& canvas, const TDrkEinstRec& options);

// Prints the sheet as a one-page document.
DeviceResult PrintCalibrationSheet(PrintDevice& device, const TDrkEinstRec& options);

struct CalibratedMarginsResult {
    int randLinks = 0;
    int randOben = 0;
    std::string error; // German; empty when the margins can take the values
};

// The margins after a calibration print: the measured deviations of the
// crosses (0.1 mm; positive: the cross stands further right / further down
// than 20.0 mm from the edge) are taken off the current margins. Margins
// below 0 or above 100 mm are refused.
CalibratedMarginsResult CalibratedMargins(int randLinks, int randOben, int deviationX, int deviationY);

} // namespace ruvek
