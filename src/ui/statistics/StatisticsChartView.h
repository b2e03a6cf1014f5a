#pragma once
// The grade distribution chart on a Qt chart widget: one bar series of
// percentages, the grades as categories, and the four titles on the left,
// right, top and bottom. Numbers are written the German way (decimal comma).
#include "statistics/StatisticsChart.h"

#include <QtCharts/QChartView>
#include <vector>

class QBarSet;
class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;

namespace ruvek::ui {

class StatisticsChartView : public QChartView, public StatisticsChart {
    Q_OBJECT
public:
    explicit StatisticsChartView(QWidget* parent = nullptr);

    void setChartVisible(bool visible) override;
    void openValueData(int points) override;
    void setThisSerie(int serie) override;
    void setPointValue(int point, double value) override;
    void setTitle(int index, const std::string& utf8) override;
    void closeValueData() override;

    // What the chart shows now (for tests).
    std::vector<double> shownValues() const;
    QString titleText(int index) const;

private:
    QBarSet* set_ = nullptr;
    QBarSeries* series_ = nullptr;
    QBarCategoryAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    QValueAxis* axisRight_ = nullptr; // carries only the right title
    std::vector<double> pending_;
    QString titles_[4];
};

} // namespace ruvek::ui
