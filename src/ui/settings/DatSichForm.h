#pragma once
// "vollständige Datensicherung": copies the data folder and the settings of
// the program folder into a dated folder at the chosen place, shows the
// progress on large folders, checks every copy and reports what was saved.
// With "verschlüsselt" the same files go into one password-protected
// container file instead.
#include "common/Prompter.h"
#include "settings/DataBackup.h"
#include "settings/Settings.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;

namespace ruvek::ui {

class FolderChooser;

class TDatSichForm : public QDialog {
    Q_OBJECT
public:
    TDatSichForm(const Settings& settings, Prompter& prompter, QWidget* parent = nullptr);

    void FormShow();
    void Button1Click();   // "Daten sichern"
    void Button2Click();   // "Abbrechen"
    void Button3Click();   // "neuen Ordner erstellen ..."

    FolderChooser& target() { return *chooser_; }
    const BackupResult& lastResult() const { return result_; }
    // "verschlüsselt": one container with a password instead of a folder.
    QCheckBox* encryptedBox() const { return checkBox2_; }
    // The date naming the backup folder; today's unless a test fixes it.
    std::function<std::string()> date = todayStamp;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Settings& settings_;
    Prompter& prompter_;
    FolderChooser* chooser_;
    QCheckBox* checkBox1_;
    QCheckBox* checkBox2_;
    QLabel* source_;
    BackupResult result_;
};

} // namespace ruvek::ui
