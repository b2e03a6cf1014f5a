#pragma once
// "Einstellungen zum Programm Ruvek": permissions, display switches, central
// storage of shared lists and general options. OK writes RVKEINST.DAT into
// the program folder.
#include "common/Prompter.h"
#include "settings/Settings.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace ruvek::ui {

class TProgEinstForm : public QDialog {
    Q_OBJECT
public:
    TProgEinstForm(Settings& settings, Prompter& prompter, QWidget* parent = nullptr);

    // The dialog's reactions, callable without a running event loop.
    void FormShow();      // record -> controls
    void Button1Click();  // "OK": controls -> record, save, close with Accepted
    void Button2Click();  // "Abbrechen": close with Rejected, nothing stored
    void Button3Click();  // "Standard wiederherstellen": defaults into the record at once, and shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* addSwitch(const char* objectName, const QString& caption, std::int16_t TProgEinstRec::*field);

    Settings& settings_;
    Prompter& prompter_;
    // Every check box with the switch of the record it shows.
    std::vector<std::pair<QCheckBox*, std::int16_t TProgEinstRec::*>> switches_;
    QPushButton* button1_;
    QPushButton* button2_;
    QPushButton* button3_;
};

} // namespace ruvek::ui
