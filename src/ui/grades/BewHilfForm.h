#pragma once
// "mögliche Einträge bei Bew., Zus. u. Niv.": a tool window beside the main
// window that lists what may be typed into the grade, addition and level
// fields. It is not modal; its text is built anew each time it is shown, so
// it follows the current school type and the option ZeigeZusatz.
#include "settings/Settings.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace ruvek::ui {

class TBewHilfForm : public QWidget {
    Q_OBJECT
public:
    explicit TBewHilfForm(const Settings& settings, QWidget* mainWindow = nullptr);

    // The buttons "mögl. Eintragungen" of the main form: shows the window
    // centred on the main window; does nothing while it is visible.
    void Open();

    // Clears the memo and fills it with the lines for the current settings.
    void FormShow();
    // "ausblenden": hides the window.
    void Button1Click();

    QPlainTextEdit* memo() const { return memo1_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Settings& settings_;
    QPlainTextEdit* memo1_;
    QPushButton* button1_;
};

} // namespace ruvek::ui
