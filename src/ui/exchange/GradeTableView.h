#pragma once
// The class grade table on the main window's page "Schüler-Tabelle"
// (StringGrid1): filled from the records whenever the current record is
// shown while the table is on screen, else when it comes on screen again
// (a class of thousands is not laid out on every step through the editor
// and at opening), grades typed in place, and the typed cells written into the records
// when another student's row is chosen, the page is left, or the class is
// stored. Choosing a row makes its student the current record.
#include "exchange/GradeTable.h"
#include "ui/ProgramState.h"

#include <QObject>
#include <vector>

namespace ruvek::ui {
}

namespace ruvek::ui::exchange {

class EntryGrid;

class GradeTableView : public QObject {
    Q_OBJECT
public:
    // view: the main window's side of the class-file commands (it shows the
    // current record again after the table changed records); state: the
    // open class and the settings.
    GradeTableView(ClassFileView& view, ProgramState& state, EntryGrid& grid);

    // After every show of the current record: refill (pending grades are
    // written first).
    void recordShown();
    // Writes the typed grades into the records; shows the current record
    // again when one changed.
    void writeBack();

    const std::vector<PendingGrade>& pending() const { return pending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void paintRows();
    void cellEdited(int row, int column);
    void currentCellChanged(int row, int column, int previousRow, int previousColumn);

    ClassFileView& view_;
    ProgramState& state_;
    EntryGrid& grid_;
    GradeTableModel model_;
    std::vector<PendingGrade> pending_;
    bool busy_ = false;
    bool stale_ = true;   // the records changed while the table was not shown
};

} // namespace ruvek::ui::exchange
