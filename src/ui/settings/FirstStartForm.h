#pragma once
// The first start: no school settings exist yet, so before the first class
// is shown the program asks for the school type (which decides certificate
// forms, subjects and grade notation), the school's name and its place.
#include "common/Prompter.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ruvek::ui {

class FirstStartForm : public QDialog {
    Q_OBJECT
public:
    explicit FirstStartForm(QWidget* parent = nullptr);

    // The answers while a school type is chosen, else nullopt.
    std::optional<SchoolSetup> answer() const;

private:
    void updateOk();

    QComboBox* schultyp_;
    QLineEdit* schulname_;
    QLineEdit* ort_;
    QPushButton* ok_;
};

} // namespace ruvek::ui
