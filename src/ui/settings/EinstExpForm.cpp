#include "ui/settings/EinstExpForm.h"

#include "settings/FileCopy.h"
#include "ui/QtPrompter.h"
#include "ui/settings/FolderChooser.h"
#include "ui/settings/TransferItemBoxes.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace ruvek::ui {

TEinstExpForm::TEinstExpForm(const Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setObjectName(QStringLiteral("EinstExpForm"));
    setWindowTitle(QStringLiteral("Export der Einstellungen"));
    setModal(true);

    items_ = std::make_unique<TransferItemBoxes>(QStringLiteral("zu exportierende Einstellungen"), this);

    auto* targetGroup = new QGroupBox(QStringLiteral("Ziel des Exports"), this);
    chooser_ = new FolderChooser(QStringLiteral("DriveComboBox1"), QStringLiteral("DirectoryListBox1"), targetGroup);
    auto* tl = new QVBoxLayout(targetGroup);
    tl->addWidget(chooser_);

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setReadOnly(true);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setReadOnly(true);
    auto* sources = new QFormLayout;
    sources->addRow(QStringLiteral("Primäre Quelle:"), edit1_);
    sources->addRow(QStringLiteral("Sekundäre Quelle:"), edit2_);

    auto* buttons = transferButtonRow(this, QStringLiteral("OK   (Exportieren)"), [this] { Button1Click(); },
                                      [this] { Button2Click(); });

    auto* top = new QHBoxLayout;
    top->addWidget(items_->group());
    top->addWidget(targetGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(sources);
    layout->addLayout(buttons);
    resize(620, 420);
}

TEinstExpForm::~TEinstExpForm() = default;

void TEinstExpForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TEinstExpForm::FormShow()
{
    // Most settings come from the program folder; the data folder holds
    // what is kept per class folder (and the form files' copies).
    const TransferFolders f = TransferFolders::of(settings_);
    edit1_->setText(toQString(f.programFolder));
    edit2_->setText(sameFolder(f.dataFolder, f.programFolder) ? QString() : toQString(f.dataFolder));
    chooser_->setFolder(toPath(QStorageInfo(toQString(f.dataFolder)).rootPath()));
    items_->setSelection(exportDefaultSelection());
}

void TEinstExpForm::Button1Click()
{
    const std::filesystem::path target = chooser_->folder();
    result_ = exportSettings(items_->selection(), TransferFolders::of(settings_), target, prompter_);
    if (!result_.refused)
        prompter_.information(exportReport(result_, target));
    accept();
}

void TEinstExpForm::Button2Click() { reject(); }

} // namespace ruvek::ui
