#pragma once
// A table for typing grades: a typed key starts editing the cell, and Enter
// (after editing or not) moves on, either down the column (a class's grades
// in one subject) or along the row (one student's grades), as the owner
// decides.
#include <QTableWidget>
#include <functional>

namespace ruvek::ui::exchange {

class EntryGrid : public QTableWidget {
    Q_OBJECT
public:
    // Where Enter moves from (row, column): x() is the row, y() the column;
    // a negative one stays put.
    using EnterMove = std::function<QPoint(int row, int column)>;

    explicit EntryGrid(QWidget* parent = nullptr);

    void setEnterMove(EnterMove move) { enterMove_ = std::move(move); }
    // Takes over the text of a cell editor that is still open (before the
    // table's contents are written anywhere).
    void commitOpenEditor();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveOnEnter();

    EnterMove enterMove_;
};

} // namespace ruvek::ui::exchange
