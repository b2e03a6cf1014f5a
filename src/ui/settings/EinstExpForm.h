#pragma once
// "Export der Einstellungen": copies the chosen settings files of this
// installation into another folder, for another computer or a new
// installation. Each file is taken from where the program reads it.
#include "common/Prompter.h"
#include "settings/Settings.h"
#include "settings/SettingsTransfer.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ruvek::ui {

class FolderChooser;
class TransferItemBoxes;

class TEinstExpForm : public QDialog {
    Q_OBJECT
public:
    TEinstExpForm(const Settings& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~TEinstExpForm() override;

    // The dialog's reactions, callable without a running event loop.
    void FormShow();
    void Button1Click();   // "OK   (Exportieren)"
    void Button2Click();   // "Abbrechen"

    FolderChooser& target() { return *chooser_; }
    TransferItemBoxes& items() { return *items_; }
    // What the last export did (for the caller and the tests).
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
    TransferResult result_;
};

} // namespace ruvek::ui
