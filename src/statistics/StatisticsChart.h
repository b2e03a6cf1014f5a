#pragma once
// The chart of the grade distribution, as the statistics window drives it:
// one series of percentages and four titles (0 left, 1 right, 2 top,
// 3 bottom). The window's chart implements it with a chart widget; tests
// record the calls.
#include "statistics/GradeStatistics.h"

#include <string>

namespace ruvek {

class StatisticsChart {
public:
    virtual ~StatisticsChart() = default;
    virtual void setChartVisible(bool visible) = 0;
    // Begins filling one series of `points` values.
    virtual void openValueData(int points) = 0;
    // The series the values that follow belong to.
    virtual void setThisSerie(int serie) = 0;
    virtual void setPointValue(int point, double value) = 0;
    virtual void setTitle(int index, const std::string& utf8) = 0;
    // Ends filling: the chart shows the values set since openValueData.
    virtual void closeValueData() = 0;
};

// The chart as the window opens: all points 0 and the four start titles
// "%-Anteil", "", "Notenverteilung", "Noten".
void prepareStatisticsChart(StatisticsChart& chart, int points);

// The chart of a computed result: its points and the top title naming the
// selection.
void showStatisticsChart(StatisticsChart& chart, const StatDisplay& display);

} // namespace ruvek
