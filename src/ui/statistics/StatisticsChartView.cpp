#include "ui/statistics/StatisticsChartView.h"

#include <cmath>

#include <QLocale>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

namespace ruvek::ui {

// The chart is given to the view from the start: a view made without one
// makes a default chart of its own, which setChart() would hand back to the
// caller instead of deleting.
StatisticsChartView::StatisticsChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("Chartfx1"));
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    // Qt's charts write numbers in the C locale unless told otherwise.
    c->setLocale(QLocale(QLocale::German, QLocale::Germany));
    c->setLocalizeNumbers(true);
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);

    series_ = new QBarSeries(c);
    set_ = new QBarSet(QStringLiteral("%-Anteil"));
    set_->setColor(QColor(0x30, 0x60, 0xb0));
    series_->append(set_);
    series_->setLabelsVisible(true);
    series_->setLabelsFormat(QStringLiteral("@value"));
    series_->setLabelsPrecision(4);
    // Above the bars: a share like "16,67" is wider than its bar and would
    // run white onto the white background.
    series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    set_->setLabelColor(Qt::black);
    c->addSeries(series_);

    axisX_ = new QBarCategoryAxis(c);
    axisY_ = new QValueAxis(c);
    axisY_->setRange(0, 100);
    axisY_->setLabelFormat(QStringLiteral("%.0f"));
    axisY_->setTickCount(6);
    axisRight_ = new QValueAxis(c);
    axisRight_->setRange(0, 100);
    axisRight_->setVisible(false);
    c->addAxis(axisX_, Qt::AlignBottom);
    c->addAxis(axisY_, Qt::AlignLeft);
    c->addAxis(axisRight_, Qt::AlignRight);
    series_->attachAxis(axisX_);
    series_->attachAxis(axisY_);
}

void StatisticsChartView::setChartVisible(bool visible)
{
    setVisible(visible);
}

void StatisticsChartView::openValueData(int points)
{
    pending_.assign(static_cast<std::size_t>(std::max(points, 0)), 0.0);
}

void StatisticsChartView::setThisSerie(int /*serie*/)
{
    // The chart has one series only.
}

void StatisticsChartView::setPointValue(int point, double value)
{
    if (point >= 0 && static_cast<std::size_t>(point) < pending_.size())
        pending_[static_cast<std::size_t>(point)] = value;
}

void StatisticsChartView::setTitle(int index, const std::string& utf8)
{
    if (index < 0 || index > 3)
        return;
    const QString text = QString::fromStdString(utf8);
    titles_[index] = text;
    switch (index) {
    case 0: axisY_->setTitleText(text); break;
    case 1:
        axisRight_->setTitleText(text);
        axisRight_->setVisible(!text.isEmpty());
        break;
    case 2: chart()->setTitle(text); break;
    case 3: axisX_->setTitleText(text); break;
    }
}

void StatisticsChartView::closeValueData()
{
    QStringList categories;
    for (std::size_t i = 0; i < pending_.size(); ++i)
        categories << QString::number(i + 1);
    axisX_->clear();
    axisX_->append(categories);
    set_->remove(0, set_->count());
    // The bars carry the shares as the fields beside the chart show them,
    // with two decimals, so the labels above them read the same.
    for (double v : pending_)
        set_->append(std::round(v * 100.0) / 100.0);
}

std::vector<double> StatisticsChartView::shownValues() const
{
    std::vector<double> out;
    for (int i = 0; i < set_->count(); ++i)
        out.push_back(set_->at(i));
    return out;
}

QString StatisticsChartView::titleText(int index) const
{
    return index >= 0 && index < 4 ? titles_[index] : QString();
}

} // namespace ruvek::ui
