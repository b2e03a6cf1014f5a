#pragma once
// TBewUebersForm ("Fächer- und Bewertungs-Übersicht"): per subject, how
// often each grade and mark was given among the active students; rows of
// subjects nobody has are shrunk so that they nearly vanish.
#include "common/Prompter.h"
#include "ui/ProgramState.h"

#include <QDialog>

class QTableWidget;

namespace ruvek::ui {

class TBewUebersForm : public QDialog {
    Q_OBJECT
public:
    TBewUebersForm(ProgramState& state, Prompter& prompter, QWidget* parent = nullptr);

    // Counts anew (at every opening).
    void FormShow();
    QTableWidget& grid() { return *grid_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramState& state_;
    Prompter& prompter_;
    QTableWidget* grid_ = nullptr;
};

} // namespace ruvek::ui
