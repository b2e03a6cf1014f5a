#pragma once
// Fonts chosen by the height of their character cell.
//
// A page asks for a font by face name and cell height (ascent + descent) in
// 0.1 mm. Qt sizes fonts by em (pixel size), so the em size is derived from
// the face's own proportion cell/em, measured once per face and style with
// QFontMetricsF at a large size and cached.
//
// Text is laid out at kTextSubunits times the logical size and drawn under a
// 1/kTextSubunits scale: QFont takes whole pixel sizes only, and at 0.1 mm
// per pixel the rounding of the em would leave a 4.0 mm cell up to 1.5 %
// off (Courier: 35 px em = 3.97 mm). At 0.01 mm the error stays below 0.1 %.
//
// A negative cell height asks for the em (character height) instead, as in
// the classic font model.
#include "print/Canvas.h"

#include <QFont>
#include <QString>

namespace ruvek {

inline constexpr int kTextSubunits = 10;

struct CellFont {
    QFont font;           // pixel size in 1/kTextSubunits of a logical unit
    double ascent = 0;    // in logical units (0.1 mm)
    double descent = 0;   // in logical units; the baseline lies this far above the cell's bottom
};

CellFont makeCellFont(const FontSpec& fontSpec);

// The family the font system actually uses for a face name (with
// fonts-liberation: "Arial" -> "Liberation Sans").
QString resolvedFamily(const std::string& face);

// Cell height / em of a face and style, as measured (about 1.117 for Arial).
double cellToEmRatio(const std::string& face, bool bold, bool italic);

} // namespace ruvek
