#pragma once
// "Import der Einstellungen": copies chosen settings files from another
// folder into the program folder and, where wanted, into the settings folder
// of the data side. They take effect at the next program start.
#include "common/Prompter.h"
#include "settings/Settings.h"
#include "settings/SettingsTransfer.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace ruvek::ui {

class FolderChooser;
class TransferItemBoxes;

class TEinstImpForm : public QDialog {
    Q_OBJECT
public:
    TEinstImpForm(const Settings& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~TEinstImpForm() override;

    void FormShow();
    void Button1Click();   // "OK   (Importieren)"
    void Button2Click();   // "Abbrechen"

    FolderChooser& source() { return *chooser_; }
    TransferItemBoxes& items() { return *items_; }
    const TransferResult& lastResult() const { return result_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Settings& settings_;
    Prompter& prompter_;
    std::unique_ptr<TransferItemBoxes> items_;
    FolderChooser* chooser_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QCheckBox* checkBox9_;
    QCheckBox* checkBox10_;
    TransferResult result_;
};

} // namespace ruvek::ui
