#pragma once
// "Schuleinstellungen": the school type, the school's name printed on every
// certificate, and the school line of the receipt acknowledgement. OK writes
// SCHEINST.DAT and RVKEINST.DAT (which carries the school's name) into the
// program folder.
#include "common/Prompter.h"
#include "settings/Settings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ruvek::ui {

class RadioGroup;

class TSchulEinstForm : public QDialog {
    Q_OBJECT
public:
    TSchulEinstForm(Settings& settings, Prompter& prompter, QWidget* parent = nullptr);

    // The dialog's reactions, callable without a running event loop.
    void FormShow();      // record -> controls
    void Button1Click();  // "OK": controls -> records, save, close with Accepted
    void Button2Click();  // "Abbrechen": close with Rejected, nothing stored

protected:
    void showEvent(QShowEvent* event) override;

private:
    Settings& settings_;
    Prompter& prompter_;
    RadioGroup* radioGroup1_;   // Schultyp
    QLineEdit* edit1_;          // SchulAnschrift
    QLineEdit* edit2_;          // Schulname
    QPushButton* button1_;
    QPushButton* button2_;
};

} // namespace ruvek::ui
