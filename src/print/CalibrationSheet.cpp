#include "print/CalibrationSheet.h"

#include "print/PageModel.h"

#include <string>
#include <vector>

namespace ruvek {
namespace {

// Draws in paper positions (0.1 mm from the top-left corner of the sheet),
// through the margins as a certificate page is drawn.
class SheetPen {
public:
    SheetPen(Canvas& canvas, const TDrkEinstRec& options)
        : canvas_(canvas),
          offset_(DeviceOffset(PagePoint{options.RandLinks, options.RandOben}, canvas.deviceCaps()))
    {
    }
    int cx(int x) const { return x - kNominalMargin + offset_.offX; }
    int cy(int y) const { return -(y - kNominalMargin + offset_.offY); }
    void line(int x1, int y1, int x2, int y2)
    {
        canvas_.moveTo(cx(x1), cy(y1));
        canvas_.lineTo(cx(x2), cy(y2));
    }
    void text(int x, int y, const std::string& utf8, TextAlign align = TextAlign::Left)
    {
        canvas_.setTextAlign(align);
        canvas_.textOut(cx(x), cy(y), utf8);
    }

private:
    Canvas& canvas_;
    DeviceOffsetXY offset_;
};

void cross(SheetPen& pen, int x, int y)
{
    pen.line(x - 100, y, x + 101, y);
    pen.line(x, y - 100, x, y + 101);
}

} // namespace

void DrawCalibrationSheet(Canvas& canvas, const TDrkEinstRec& options)
{
    SheetPen pen(canvas, options);
    canvas.setBrush(BrushStyle::Clear);
    canvas.setPenWidth(2);
    const int in = kCalibrationCrossInset;
    for (const int x : {in, kA4Width - in})
        for (const int y : {in, kA4Height - in})
            cross(pen, x, y);

    // Rulers: along the top edge 8 mm below it, along the left edge 8 mm
    // right of it; the numbers are millimetres from that edge.
    canvas.setPenWidth(1);
    FontSpec small{"Arial", 25};
    canvas.setFont(small);
    constexpr int rulerTop = 80, rulerLeft = 80;
    for (int mm = 5; mm <= 205; ++mm) {
        const int x = mm * 10;
        const int len = mm % 10 == 0 ? 50 : mm % 5 == 0 ? 35 : 20;
        pen.line(x, rulerTop, x, rulerTop + len);
        if (mm % 10 == 0 && mm < 200)
            pen.text(x, rulerTop + 80, std::to_string(mm), TextAlign::Center);
    }
    pen.line(50, rulerTop, 2050, rulerTop);
    for (int mm = 5; mm <= 292; ++mm) {
        const int y = mm * 10;
        const int len = mm % 10 == 0 ? 50 : mm % 5 == 0 ? 35 : 20;
        pen.line(rulerLeft, y, rulerLeft + len, y);
        if (mm % 10 == 0 && mm > 10 && mm < 290)
            pen.text(rulerLeft + 60, y + 12, std::to_string(mm));
    }
    pen.line(rulerLeft, 50, rulerLeft, 2920);

    // Heading and instruction in the middle of the sheet.
    canvas.setFont(FontSpec{"Arial", 70, true});
    pen.text(kA4Width / 2, 700, kCalibrationTitle, TextAlign::Center);
    canvas.setFont(FontSpec{"Arial", 40});
    const std::vector<std::string> lines = {
        "Die Mitte jedes Kreuzes soll genau 20,0 mm von den beiden nahen Papierkanten entfernt sein.",
        "Messen Sie beim Kreuz oben links den Abstand der Kreuzmitte vom linken und vom oberen Rand.",
        "Tragen Sie unter \"Hilfsmittel\" - \"Kalibrierblatt drucken\" die Abweichungen von 20,0 mm ein:",
        "steht das Kreuz weiter rechts bzw. weiter unten, ist die Abweichung positiv (z. B. 21,5 mm: +1,5).",
        "Die Abweichungen werden vom linken und oberen Rand der Druck-Optionen abgezogen.",
        "Die Lineale zeigen Millimeter ab der Papierkante; an der Kante abgelesen zeigen sie die Verschiebung.",
        "Linker Rand jetzt: " + std::to_string(options.RandLinks) + " (1/10 mm), oberer Rand jetzt: " +
            std::to_string(options.RandOben) + " (1/10 mm).",
    };
    int y = 900;
    for (const std::string& line : lines) {
        pen.text(250, y, line);
        y += 70;
    }
}

DeviceResult PrintCalibrationSheet(PrintDevice& device, const TDrkEinstRec& options)
{
    device.setTitle(kCalibrationTitle);
    if (DeviceResult opened = device.beginDocument(); !opened)
        return opened;
    Canvas& canvas = device.canvas();
    canvas.setMetricMapping();
    DrawCalibrationSheet(canvas, options);
    return device.endDocument();
}

CalibratedMarginsResult CalibratedMargins(int randLinks, int randOben, int deviationX, int deviationY)
{
    CalibratedMarginsResult r{randLinks - deviationX, randOben - deviationY, {}};
    auto check = [&](int value, const char* name) {
        if (r.error.empty() && (value < 0 || value > 1000))
            r.error = std::string("Der ") + name + " Rand ergäbe " + std::to_string(value) +
                      " (1/10 mm); erlaubt sind 0 bis 1000. Bitte prüfen Sie die gemessenen Abweichungen.";
    };
    check(r.randLinks, "linke");
    check(r.randOben, "obere");
    return r;
}

} // namespace ruvek
