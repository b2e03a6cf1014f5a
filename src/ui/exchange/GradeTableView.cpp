#include "ui/exchange/GradeTableView.h"

#include "exchange/GradeCell.h"
#include "ui/QtPrompter.h"
#include "ui/exchange/EntryGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QSignalBlocker>

namespace ruvek::ui::exchange {

namespace {

constexpr int kFixed = kGradeTableFixedColumns;

QColor backgroundColour(CellBackground b)
{
    switch (b) {
    case CellBackground::Yellow: return QColor(Qt::yellow);
    case CellBackground::Grey: return QColor(Qt::gray);
    case CellBackground::White: break;
    }
    return QColor(Qt::white);
}

QBrush foregroundBrush(CellForeground f)
{
    switch (f) {
    case CellForeground::Red: return QBrush(Qt::red);
    case CellForeground::Fuchsia: return QBrush(QColor(255, 0, 255));
    case CellForeground::Default: break;
    }
    return QBrush();
}

} // namespace

GradeTableView::GradeTableView(ClassFileView& view, ProgramState& state, EntryGrid& grid)
    : QObject(&grid), view_(view), state_(state), grid_(grid)
{
    grid_.setEnterMove([this](int row, int column) {
        const int columns = static_cast<int>(model_.columns.size());
        if (column < kFixed || columns == 0)
            return QPoint(row, kFixed);
        const GridCell to = nextCellOnEnter({row, column - kFixed}, grid_.rowCount(), columns);
        return QPoint(to.row, to.column + kFixed);
    });
    connect(&grid_, &QTableWidget::cellChanged, this, &GradeTableView::cellEdited);
    connect(&grid_, &QTableWidget::currentCellChanged, this, &GradeTableView::currentCellChanged);
    grid_.installEventFilter(this);
}

bool GradeTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &grid_ && event->type() == QEvent::Show && stale_ && !busy_)
        fill();
    return QObject::eventFilter(watched, event);
}

void GradeTableView::recordShown()
{
    if (busy_)
        return;
    if (!pending_.empty())
        writeBack();   // shows again, which refills
    else if (grid_.isVisible())
        fill();
    else
        stale_ = true; // filled when the table is shown
}

void GradeTableView::writeBack()
{
    if (busy_)
        return;
    grid_.commitOpenEditor();
    if (pending_.empty())
        return;
    OpenClass& oc = state_.klasse;
    const int changed = writePendingGrades(oc.records, pending_);
    pending_.clear();
    if (changed > 0) {
        oc.changed = true;
        busy_ = true;
        view_.showCurrentRecord();   // the editor's controls follow the records
        busy_ = false;
        view_.refreshIndicators();
    }
    fill();
}

void GradeTableView::fill()
{
    stale_ = false;
    const OpenClass& oc = state_.klasse;
    const int column = grid_.currentColumn();
    const int slot = column >= kFixed && column - kFixed < static_cast<int>(model_.columns.size())
                         ? model_.columns[static_cast<std::size_t>(column - kFixed)].slot
                         : 0;
    model_ = buildGradeTable(oc.records, oc.current, state_.showsDeleted());

    const QSignalBlocker block(&grid_);
    grid_.clear();
    grid_.setColumnCount(kFixed + static_cast<int>(model_.columns.size()));
    grid_.setRowCount(static_cast<int>(model_.rows.size()));
    QStringList headers{QStringLiteral("Name"), QStringLiteral("Vorname")};
    for (const GradeTableColumn& c : model_.columns)
        headers << toQString(c.subject);
    grid_.setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(model_.rows.size()); ++r) {
        const GradeTableRow& row = model_.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < kFixed; ++c) {
            auto* item = new QTableWidgetItem(toQString(c == 0 ? row.name : row.vorname));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_.setItem(r, c, item);
        }
        for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
            const GradeTableCell& cell = row.cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(toQString(cell.text));
            item->setTextAlignment(Qt::AlignCenter);
            if (!cell.editable)
                item->setFlags(item->flags() & ~(Qt::ItemIsEditable | Qt::ItemIsEnabled));
            grid_.setItem(r, kFixed + c, item);
        }
    }
    paintRows();
    // Every column as wide as its subject's name in the header (or its
    // widest cell): names were cut off in narrow columns.
    grid_.resizeColumnsToContents();
    int newColumn = kFixed;
    for (std::size_t c = 0; c < model_.columns.size(); ++c)
        if (model_.columns[c].slot == slot)
            newColumn = kFixed + static_cast<int>(c);
    if (model_.currentRow >= 0)
        grid_.setCurrentCell(model_.currentRow, std::min(newColumn, grid_.columnCount() - 1));
}

void GradeTableView::paintRows()
{
    const bool showDeleted = state_.showsDeleted();
    for (int r = 0; r < static_cast<int>(model_.rows.size()); ++r) {
        const GradeTableRow& row = model_.rows[static_cast<std::size_t>(r)];
        for (int c = kFixed; c < grid_.columnCount(); ++c) {
            QTableWidgetItem* item = grid_.item(r, c);
            const std::string text = toUtf8(item->text());
            const CellColours colours = gradeCellColours(r == model_.currentRow, row.deleted, showDeleted, text);
            item->setBackground(backgroundColour(colours.background));
            item->setForeground(foregroundBrush(colours.foreground));
            const bool known = isKnownGrade(text, state_.schoolType());
            item->setToolTip(known ? QString() : QString::fromUtf8(kUnknownGradeHint));
            if (!known)
                item->setBackground(QColor(255, 200, 200));
        }
    }
}

// A typed grade shows at once what will be stored, and waits for its write
// back.
void GradeTableView::cellEdited(int row, int column)
{
    if (column < kFixed || row < 0 || row >= static_cast<int>(model_.rows.size()))
        return;
    const GradeTableRow& r = model_.rows[static_cast<std::size_t>(row)];
    const GradeTableColumn& c = model_.columns[static_cast<std::size_t>(column - kFixed)];
    QTableWidgetItem* item = grid_.item(row, column);
    const std::string typed = toUtf8(item->text());
    pending_.push_back({r.record, c.slot, c.subject, r.name, r.vorname, typed});
    {
        const QSignalBlocker block(&grid_);
        item->setText(toQString(normaliseGradeCell(typed, state_.schoolType()).text));
    }
    paintRows();
}

// Another student's row: the typed grades go into the records, and the
// student becomes the current record.
void GradeTableView::currentCellChanged(int row, int, int previousRow, int)
{
    if (busy_ || row < 0 || row == previousRow || row >= static_cast<int>(model_.rows.size()))
        return;
    const std::size_t record = model_.rows[static_cast<std::size_t>(row)].record;
    OpenClass& oc = state_.klasse;
    writeBack();
    if (static_cast<std::size_t>(oc.current) == record)
        return;
    oc.current = static_cast<int>(record);
    view_.showCurrentRecord();   // refills through recordShown
}

} // namespace ruvek::ui::exchange
