#pragma once
// The printer test page: all 50 print fonts with their labels, the date and
// the program imprint, so a school can see how its printer renders the fonts
// and where its printable area begins before it adjusts margins, the font
// correction or form control files.
#include "print/Canvas.h"
#include "print/FstTable.h"
#include "print/PageModel.h"
#include "settings/DrkEinst.h"

#include <string>

namespace ruvek {

inline constexpr const char* kTestPageHeading = "Drucker-Testblatt";

// "Testblatt Druckerausgabe Ruvek V.2.x": the printer document title, and so
// the proposed name of the PDF file when the page goes to a file. The title
// has kept the wording of the 2.x series and does not follow the version.
std::string TestPageDocumentTitle();

// "dd. MMMM yyyy" with the German month name, e.g. "05. März 2027".
std::string GermanLongDate(int year, int month, int day);
// Today's date (local time) in that form.
std::string TodayGermanLongDate();

// The label printed with font n (1..50), e.g. "1 - Courier New, h=4,0mm,
// normal    12345678901234567890". It names the nominal height.
std::string TestPageLabel(int fontNo);

// The test page's own slots and origins: independent of form control files
// and of the margins of the print options.
TFstTable TestPageSlots();
TPageOrigins TestPageOrigins();

// Draws the test page on a canvas that already has the 0.1 mm mapping. Only
// the font correction (KyoceraKorrektur) of the options matters.
void DrawTestPage(Canvas& canvas, const TDrkEinstRec& options, const std::string& dateText);

// Prints the test page as one document on the device: title, open, 0.1 mm
// mapping, the page, close. A failure is the device's: the document could
// not be opened, or (for a file) not be written.
DeviceResult PrintTestPage(PrintDevice& device, const TDrkEinstRec& options);

} // namespace ruvek
