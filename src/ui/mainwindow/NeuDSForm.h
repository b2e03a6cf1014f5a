#pragma once
// TNeuDSForm "Neuer Schüler": asks for the name and first name of a student
// added while the student table is in front (the data sheets have their own
// fields for that).
#include "classfile/RecordCollection.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace ruvek {
class Prompter;
}

namespace ruvek::ui {

class TNeuDSForm : public QDialog {
    Q_OBJECT
public:
    TNeuDSForm(Prompter& prompter, QWidget* parent = nullptr);

    // Opens the dialog with both fields emptied and the name focused. OK
    // gives the typed names (Windows-1252, an empty name as "???", each cut
    // to 30 characters); "Abbrechen" gives nothing.
    std::optional<NewStudentName> ask();

private:
    QLineEdit* edit1_ = nullptr;   // Name
    QLineEdit* edit2_ = nullptr;   // Vorname
};

} // namespace ruvek::ui
