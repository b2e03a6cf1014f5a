#pragma once
// "Schüler-Fach-Übersicht": the subject-wise grade entry. One row per
// student of the open class; for the subject chosen in ComboBox1 the level,
// grade and addition, typed straight into the table. The records change
// when the subject is switched, on "beenden", or on "abbrechen" when the
// user wants the changes kept.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "exchange/SubjectEntry.h"
#include "settings/Installation.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QPushButton;

namespace ruvek::ui::exchange {

class EntryGrid;

class TFachEingForm : public QDialog {
    Q_OBJECT
public:
    TFachEingForm(OpenClass& openClass, const Installation& installation, Prompter& prompter,
                  std::function<void()> openHelp, QWidget* parent = nullptr);

    // Refills the window for the open class (every opening).
    void FormShow();
    void ComboBox1Change(int index);
    void BitBtn1Click();   // "beenden"
    void BitBtn2Click();   // "abbrechen"
    void sortBy(int column, bool ascending);   // BitBtn3..BitBtn6
    void BitBtn8Click();   // "ALLE Bewertungen (u. Zus.) löschen"

    EntryGrid* grid() const { return grid_; }
    QComboBox* subjectBox() const { return comboBox1_; }

private:
    void showRows();
    void takeRows();
    void writeBack();
    void cellEdited(int row, int column);

    OpenClass& class_;
    const Installation& installation_;
    Prompter& prompter_;
    std::vector<SubjectEntryRow> rows_;
    std::string subject_;   // UTF-8
    EntryGrid* grid_;
    QComboBox* comboBox1_;
    bool filling_ = false;
};

} // namespace ruvek::ui::exchange
