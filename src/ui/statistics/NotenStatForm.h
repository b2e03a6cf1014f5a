#pragma once
// TNotenStatForm ("Fach-Noten-Statistik"): the grade distribution of one
// subject or all subjects in one class or all classes, with counts, shares,
// average and a chart that can be saved as a picture or printed.
#include "common/Prompter.h"
#include "statistics/GradeStatistics.h"
#include "ui/ProgramState.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;

namespace ruvek::ui {

class StatisticsChartView;

class TNotenStatForm : public QDialog {
    Q_OBJECT
public:
    // The subject list is taken from the catalogue now, once.
    TNotenStatForm(ProgramState& state, Prompter& prompter, QWidget* parent = nullptr);

    // At every opening: class list, choices reset, fields cleared, chart reset.
    void FormShow();
    // On a change of either choice: compute and show.
    void ComboBox1Change();
    void ComboBox2Change() { ComboBox1Change(); }

    // The chart as a PNG picture; false when it cannot be written.
    bool saveChart(const QString& file);
    // The chart on one page of the printer, filling the page's width.
    bool printChart(QPrinter& printer);
    StatisticsChartView& chartView() { return *chart_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void saveChartClick();
    void printChartClick();
    SchoolType schoolType() const;

    ProgramState& state_;
    Prompter& prompter_;
    QComboBox* comboBox1_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    std::array<QLineEdit*, 20> edits_{};
    QLineEdit* editSum_ = nullptr;
    QLineEdit* editSchnitt_ = nullptr;
    std::array<QLabel*, 2> labels78_{};
    StatisticsChartView* chart_ = nullptr;
};

} // namespace ruvek::ui
