#include "common/DateText.h"

#include <gtest/gtest.h>

using namespace ruvek;

// The date fields: an empty mask is no date, anything with digits must be a
// day of the calendar.
TEST(DateText, EmptyMasksAndRealDates)
{
    for (const char* empty : {"", "   ", "  .  .    ", "  .  .19  ", "  .  .20  ", ".  .19"})
        EXPECT_TRUE(IsDateTextEmpty(empty)) << '"' << empty << '"';
    for (const char* filled : {"31.02.2014", "1 .  .19  ", "  .  .2014", "01.01.1990"})
        EXPECT_FALSE(IsDateTextEmpty(filled)) << '"' << filled << '"';

    struct Case {
        const char* text;
        int y, m, d;   // y == 0: no date
    };
    const Case cases[] = {
        {"01.02.2014", 2014, 2, 1}, {" 1. 2.2014", 2014, 2, 1},  {"29.02.2024", 2024, 2, 29},
        {"31.12.99", 1999, 12, 31}, {"05.06.14", 2014, 6, 5},    {"29.02.2023", 0, 0, 0},
        {"31.02.2014", 0, 0, 0},    {"99.99.2014", 0, 0, 0},     {"31.04.2014", 0, 0, 0},
        {"00.01.2014", 0, 0, 0},    {"01.13.2014", 0, 0, 0},     {"01.01.201", 0, 0, 0},
        {"  .  .2014", 0, 0, 0},    {"1.1", 0, 0, 0},            {"1.1.2014.", 0, 0, 0},
        {"a1.01.2014", 0, 0, 0},    {"01.01.1850", 0, 0, 0},     {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto date = ParseDateText(c.text);
        EXPECT_EQ(date.has_value(), c.y != 0) << '"' << c.text << '"';
        if (date && c.y) {
            EXPECT_EQ(*date, std::chrono::year_month_day(std::chrono::year(c.y), std::chrono::month(unsigned(c.m)),
                                                         std::chrono::day(unsigned(c.d))))
                << '"' << c.text << '"';
        }
    }
}
