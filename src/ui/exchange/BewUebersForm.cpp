#include "ui/exchange/BewUebersForm.h"

#include "exchange/GradeOverview.h"

#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace ruvek::ui {

namespace {
constexpr int kRowHeight = 18;
constexpr int kMinRows = 40;
constexpr int kNameColumnWidth = 150;
} // namespace

TBewUebersForm::TBewUebersForm(ProgramState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter)
{
    setObjectName(QStringLiteral("BewUebersForm"));
    setWindowTitle(QStringLiteral("Fächer- und Bewertungs-Übersicht"));
    grid_ = new QTableWidget(kMinRows, kUebersichtZaehler + 1, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setAccessibleName(QStringLiteral("Fächer- und Bewertungs-Übersicht"));   // a table names itself
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Fach      |      Bewertung")));
    grid_->setColumnWidth(0, kNameColumnWidth);
    for (int i = 0; i < kUebersichtZaehler; ++i) {
        grid_->setHorizontalHeaderItem(i + 1, new QTableWidgetItem(QString::fromUtf8(kUebersichtSpalten[static_cast<std::size_t>(i)])));
        grid_->setColumnWidth(i + 1, 38);
    }
    grid_->setColumnWidth(10, 40);
    grid_->setColumnWidth(11, 44);
    grid_->setColumnWidth(14, 44);
    auto* close = new QPushButton(QStringLiteral("Beenden"));
    close->setObjectName(QStringLiteral("BitBtn1"));
    connect(close, &QPushButton::clicked, this, [this] { done(1); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(150 + 16 * 40 + 40, 600);
}

void TBewUebersForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBewUebersForm::FormShow()
{
    const GradeOverview o =
        computeGradeOverview(state_.klasse.records, state_.katalog, state_.wahlpflichtListe.size(), prompter_);
    grid_->clearContents();
    const int rows = static_cast<int>(o.rows.size());
    grid_->setRowCount(std::max(kMinRows, rows));
    for (int r = 0; r < grid_->rowCount(); ++r)
        grid_->setRowHeight(r, kRowHeight);
    // The column headers are the grid's header: table row k is grid row k.
    for (int k = 0; k < rows; ++k) {
        const TUebersichtZeile& row = o.rows[static_cast<std::size_t>(k)];
        grid_->setItem(k, 0, new QTableWidgetItem(QString::fromStdString(overviewRowLabel(row))));
        for (int i = 0; i < kUebersichtZaehler; ++i) {
            const auto n = row.Zaehler[static_cast<std::size_t>(i)];
            if (n == 0)
                continue;
            auto* item = new QTableWidgetItem(QString::number(n));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(k, i + 1, item);
        }
        if (row.empty()) {
            // A subject nobody has a grade in steps back: its name in grey,
            // at full height. Rows shrunk to a few pixels looked like
            // broken lines and cut their names.
            QTableWidgetItem* name = grid_->item(k, 0);
            name->setForeground(QColor(Qt::gray));
            name->setToolTip(QStringLiteral("%1: keine Bewertungen").arg(name->text()));
        }
    }
    // Long subject names (and elective names behind "WPfl.: ") are shown whole.
    grid_->resizeColumnToContents(0);
    grid_->setColumnWidth(0, std::max(kNameColumnWidth, grid_->columnWidth(0)));
    // Every column in view without scrolling sideways.
    grid_->setMinimumWidth(grid_->horizontalHeader()->length() + grid_->verticalScrollBar()->sizeHint().width() +
                           2 * grid_->frameWidth());
}

} // namespace ruvek::ui
