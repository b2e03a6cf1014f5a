#include "statistics/StatisticsChart.h"

namespace ruvek {

void prepareStatisticsChart(StatisticsChart& chart, int points)
{
    // The chart is hidden while it is refilled so that no half-filled state shows.
    chart.setChartVisible(false);
    chart.openValueData(points);
    chart.setThisSerie(0);
    for (int i = 0; i < points; ++i)
        chart.setPointValue(i, 0.0);
    chart.setTitle(0, "%-Anteil");
    chart.setTitle(1, "");
    chart.setTitle(2, "Notenverteilung");
    chart.setTitle(3, "Noten");
    chart.closeValueData();
    chart.setChartVisible(true);
}

void showStatisticsChart(StatisticsChart& chart, const StatDisplay& display)
{
    chart.setChartVisible(false);
    chart.openValueData(static_cast<int>(display.chart.size()));
    chart.setThisSerie(0);
    for (std::size_t i = 0; i < display.chart.size(); ++i)
        chart.setPointValue(static_cast<int>(i), display.chart[i]);
    chart.setTitle(2, display.chartTitle);
    chart.closeValueData();
    chart.setChartVisible(true);
}

} // namespace ruvek
