#pragma once
// TAboutForm: "Programm-Informationen", the modal about box.
#include <QDialog>

namespace ruvek::ui {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

} // namespace ruvek::ui
