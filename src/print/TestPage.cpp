#include "print/TestPage.h"

#include "common/ProgramVersion.h"
#include "print/Primitives.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace ruvek {
namespace {

constexpr std::array<const char*, 12> kMonths = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                                 "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// The description part of each label (after "n - "), nominal heights.
constexpr std::array<const char*, 50> kLabelText = {
    "Courier New, h=4,0mm, normal",
    "Courier New, h=4,0mm, fett",
    "Courier New, h=4,0mm, kursiv",
    "Courier New, h=4,0mm, fett+kursiv",
    "Courier New, h=3,0mm, normal",
    "Courier New, h=3,0mm, fett",
    "Courier New, h=3,5mm, normal",
    "Courier New, h=3,5mm, fett",
    "Courier New, h=7,0mm, normal",
    "Courier New, h=7,0mm, fett",
    "Times New Roman, h=4,0mm, normal",
    "Times New Roman, h=4,0mm, fett",
    "Times New Roman, h=4,0mm, kursiv",
    "Times New Roman, h=4,0mm, fett+kursiv",
    "Times New Roman, h=3,0mm, normal",
    "Times New Roman, h=3,0mm, fett",
    "Times New Roman, h=3,5mm, normal",
    "Times New Roman, h=3,5mm, fett",
    "Times New Roman, h=7,0mm, normal",
    "Times New Roman, h=7,0mm, fett",
    "Arial, h=4,0mm, normal",
    "Arial, h=4,0mm, fett",
    "Arial, h=4,0mm, kursiv",
    "Arial, h=4,0mm, fett+kursiv",
    "Arial, h=3,0mm, normal",
    "Arial, h=3,0mm, fett",
    "Arial, h=3,5mm, normal",
    "Arial, h=3,5mm, fett",
    "Arial, h=7,0mm, normal",
    "Arial, h=7,0mm, fett",
    "Courier New, h=3,0mm, normal",
    "Courier New, h=3,0mm, fett",
    "Courier New, h=3,0mm, kursiv",
    "Courier New, h=3,0mm, fett+kursiv",
    "Courier New, h=4,0mm, unterstrichen",
    "Courier New, h=4,0mm, unterstrichen+fett",
    "Courier New, h=3,5mm, unterstrichen+kursiv",
    "Courier New, h=3,5mm, unterstrichen+fett+kursiv",
    "Courier New, h=5,5mm, normal",
    "Courier New, h=5,5mm, fett",
    "Times New Roman, h=5,0mm, normal",
    "Times New Roman, h=5,0mm, fett",
    "Times New Roman, h=5,0mm, kursiv",
    "Times New Roman, h=5,0mm, fett+kursiv",
    "Times New Roman, h=6,0mm, normal",
    "Times New Roman, h=6,0mm, fett",
    "Times New Roman, h=5,5mm, normal",
    "Times New Roman, h=5,5mm, fett",
    "Courier New, h=5,0mm, normal",
    "Courier New, h=5,0mm, fett",
};

constexpr const char* kDigits10 = "1234567890";

// How many runs of "1234567890" follow a label.
int digitRuns(int fontNo)
{
    switch (fontNo) {
    case 9: case 10: case 19: case 20: case 49: case 50: return 1;
    case 27: case 28: return 4;
    default: return fontNo >= 31 && fontNo <= 38 ? 3 : 2;
    }
}

// Line step before font line n: more after the 7 mm and 5.5 mm fonts, less
// between the small fonts.
int lineStep(int n)
{
    switch (n) {
    case 9: case 10: case 19: case 20: case 29: case 30: case 39: case 40: return 70;
    default: break;
    }
    if ((n >= 2 && n <= 8) || (n >= 15 && n <= 18) || (n >= 25 && n <= 28) || (n >= 31 && n <= 34))
        return 40;
    return 50;
}

} // namespace

std::string GermanLongDate(int year, int month, int day)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d. ", day);
    const char* name = month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : "?";
    return std::string(buf) + name + " " + std::to_string(year);
}

std::string TodayGermanLongDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return GermanLongDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string TestPageLabel(int fontNo)
{
    if (fontNo < 1 || fontNo > 50)
        return {};
    std::string label = std::to_string(fontNo) + " - " + kLabelText[static_cast<std::size_t>(fontNo - 1)] + "    ";
    for (int i = 0; i < digitRuns(fontNo); ++i)
        label += kDigits10;
    return label;
}

TFstTable TestPageSlots()
{
    TFstTable slots{};
    slots[0] = {0, 0, 0, 10, 1, 1};
    int y = 100;
    for (int n = 1; n <= 50; ++n) {
        if (n > 1)
            y += lineStep(n);
        slots[static_cast<std::size_t>(n)] = {0, static_cast<std::uint16_t>(y), 0, static_cast<std::uint16_t>(n), 1, 1};
    }
    slots[98] = {0, 2650, 0, 14, 1, 1};
    slots[99] = {1100, 2650, 0, 24, 1, 1};
    return slots;
}

TPageOrigins TestPageOrigins() { return TPageOrigins::fromMargins(150, 150); }

void DrawTestPage(Canvas& canvas, const TDrkEinstRec& options, const std::string& dateText)
{
    const TFstTable slots = TestPageSlots();
    const TPageOrigins origins = TestPageOrigins();
    constexpr int page = 1;
    TextAtSlot(canvas, kTestPageHeading, slots[0], origins, page, options);
    for (int n = 1; n <= 50; ++n)
        TextAtSlot(canvas, TestPageLabel(n), slots[static_cast<std::size_t>(n)], origins, page, options);
    TextAtSlot(canvas, dateText, slots[98], origins, page, options);
    TextAtSlot(canvas, programImprint(), slots[99], origins, page, options);
}

std::string TestPageDocumentTitle()
{
    return "Testblatt Druckerausgabe Ruvek V.2.x";
}

DeviceResult PrintTestPage(PrintDevice& device, const TDrkEinstRec& options)
{
    device.setTitle(TestPageDocumentTitle());
    if (DeviceResult opened = device.beginDocument(); !opened)
        return opened;
    Canvas& canvas = device.canvas();
    canvas.setMetricMapping();
    DrawTestPage(canvas, options, TodayGermanLongDate());
    return device.endDocument();
}

} // namespace ruvek
