#pragma once
// "Einstellungen zu den Wahlpflichtfächern": the dialog in which the school
// keeps its list of elective subjects. It works on the program's one elective
// list and WahlpflichtListe; the file is read again each time the dialog is
// shown, so changes left by "Abbrechen" are forgotten at the next show.
#include "common/Prompter.h"
#include "settings/WPflFach.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ruvek::ui {

class TWpflEinstForm : public QDialog {
    Q_OBJECT
public:
    // folders: asked at every show and OK, since the data folder and the
    // setting ZentralListen change while the program runs.
    TWpflEinstForm(TWPflFach& list, std::vector<std::string>& wahlpflichtListe, Prompter& prompter,
                   std::function<WpflFolders()> folders, QWidget* parent = nullptr);

    // The dialog's reactions, callable without a running event loop.
    void FormShow();
    void ListBox1Click(int row);
    void Button3Click();  // "Fach zur Liste hinzufügen"
    void Button4Click();  // "ausgewähltes Fach aus der Liste löschen"
    void Button1Click();  // "OK"
    void Button2Click();  // "Abbrechen"

protected:
    void showEvent(QShowEvent* event) override;
    // Enter in "neues Wahlpflichtfach" adds the subject instead of closing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    TWPflFach& list_;
    std::vector<std::string>& liste_;
    Prompter& prompter_;
    std::function<WpflFolders()> folders_;

    QListWidget* listBox1_;
    QLineEdit* edit1_;
    QPushButton* button1_;
    QPushButton* button2_;
    QPushButton* button3_;
    QPushButton* button4_;
};

} // namespace ruvek::ui
