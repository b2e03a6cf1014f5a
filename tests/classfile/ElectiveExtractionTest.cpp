#include "classfile/ElectiveExtraction.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

TEST(WPflFachExtraction, AddsEachNewNameOnceInRecordOrder)
{
    std::vector<TZgnRec> recs(3);
    for (auto& r : recs)
        for (int k = 1; k <= 25; ++k)
            r.slot(k).Fach = "???";
    recs[0].slot(20).Fach = "Schach";
    recs[1].slot(21).Fach = "Schach";
    recs[1].slot(17).Fach = "Chor";       // slots 17 and 18 are looked at too
    recs[2].slot(24).Fach = "Informatik"; // already in the list
    recs[2].slot(16).Fach = "Theater";    // not looked at
    recs[2].slot(25).Fach = "Gesamt";     // not looked at
    std::vector<std::string> liste{"  - - -", "???", "Informatik"};
    EXPECT_EQ(ExtractWahlpflichtFaecher(recs, liste), 2u);
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Informatik", "Schach", "Chor"}));
}

} // namespace
} // namespace ruvek
