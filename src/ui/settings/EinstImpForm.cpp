#include "ui/settings/EinstImpForm.h"

#include "settings/FileCopy.h"
#include "ui/QtPrompter.h"
#include "ui/settings/FolderChooser.h"
#include "ui/settings/TransferItemBoxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace ruvek::ui {

TEinstImpForm::TEinstImpForm(const Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setObjectName(QStringLiteral("EinstImpForm"));
    setWindowTitle(QStringLiteral("Import der Einstellungen"));
    setModal(true);

    items_ = std::make_unique<TransferItemBoxes>(QStringLiteral("zu importierende Einstellungen"), this);

    auto* sourceGroup = new QGroupBox(QStringLiteral("Quelle des Imports"), this);
    chooser_ = new FolderChooser(QStringLiteral("DriveComboBox1"), QStringLiteral("DirectoryListBox1"), sourceGroup);
    auto* sl = new QVBoxLayout(sourceGroup);
    sl->addWidget(chooser_);

    auto* targets = new QGroupBox(QStringLiteral("Import-Ziele"), this);
    auto* tg = new QGridLayout(targets);
    const auto row = [&](int r, const QString& caption, const char* edit, const char* check) {
        auto* box = new QCheckBox(QStringLiteral("->"), targets);
        box->setObjectName(QString::fromLatin1(check));
        auto* field = new QLineEdit(targets);
        field->setObjectName(QString::fromLatin1(edit));
        field->setReadOnly(true);
        // The caption stands beside the arrow box and the folder: both carry it.
        const QString spoken = caption.trimmed().chopped(caption.trimmed().endsWith(QLatin1Char(':')) ? 1 : 0);
        box->setAccessibleName(spoken);
        field->setAccessibleName(spoken);
        tg->addWidget(new QLabel(caption, targets), r, 0);
        tg->addWidget(box, r, 1);
        tg->addWidget(field, r, 2);
        return std::pair{box, field};
    };
    std::tie(checkBox9_, edit1_) = row(0, QStringLiteral("Ziel (Programm-Ordner):"), "Edit1", "CheckBox9");
    std::tie(checkBox10_, edit2_) = row(1, QStringLiteral("Ziel (aktueller Daten-Ordner): "), "Edit2", "CheckBox10");
    tg->setColumnStretch(2, 1);

    auto* buttons = transferButtonRow(this, QStringLiteral("OK   (Importieren)"), [this] { Button1Click(); },
                                      [this] { Button2Click(); });

    auto* top = new QHBoxLayout;
    top->addWidget(items_->group());
    top->addWidget(sourceGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(targets);
    layout->addLayout(buttons);
    resize(620, 440);
}

TEinstImpForm::~TEinstImpForm() = default;

void TEinstImpForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TEinstImpForm::FormShow()
{
    const TransferFolders f = TransferFolders::of(settings_);
    chooser_->setFolder(toPath(QStorageInfo(toQString(f.programFolder)).rootPath()));
    items_->setSelection(importDefaultSelection());
    const bool separate = !sameFolder(f.einstOrdner(), f.programFolder);
    edit1_->setText(toQString(f.programFolder));
    edit2_->setText(separate ? toQString(f.einstOrdner()) : QStringLiteral(" = Programm-Ordner"));
    checkBox9_->setChecked(true);
    checkBox10_->setChecked(false);
    checkBox10_->setEnabled(separate);
}

void TEinstImpForm::Button1Click()
{
    const ImportTargets targets{checkBox9_->isChecked(), checkBox10_->isChecked() && checkBox10_->isEnabled()};
    result_ = importSettings(items_->selection(), TransferFolders::of(settings_), chooser_->folder(), targets,
                             prompter_);
    if (!result_.refused)
        prompter_.information(importReport(result_));
    accept();
}

void TEinstImpForm::Button2Click() { reject(); }

} // namespace ruvek::ui
