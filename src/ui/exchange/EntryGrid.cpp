#include "ui/exchange/EntryGrid.h"

#include <QApplication>
#include <QKeyEvent>

namespace ruvek::ui::exchange {

EntryGrid::EntryGrid(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void EntryGrid::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    QWidget* editor = QApplication::focusWidget();
    if (!editor || !isAncestorOf(editor))
        editor = indexWidget(currentIndex());
    if (editor && editor != this && isAncestorOf(editor)) {
        commitData(editor);
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void EntryGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveOnEnter();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Enter inside the cell editor submits it; the move follows.
void EntryGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveOnEnter();
}

void EntryGrid::moveOnEnter()
{
    if (!enterMove_ || currentRow() < 0)
        return;
    const QPoint to = enterMove_(currentRow(), currentColumn());
    if (to.x() >= 0 && to.y() >= 0)
        setCurrentCell(to.x(), to.y());
}

} // namespace ruvek::ui::exchange
