#include "ui/settings/DatSichForm.h"

#include "transfer/EncryptedBackup.h"
#include "ui/ProgressPrompter.h"
#include "ui/QtPrompter.h"
#include "ui/settings/FolderChooser.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace ruvek::ui {

TDatSichForm::TDatSichForm(const Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setObjectName(QStringLiteral("DatSichForm"));
    setWindowTitle(QStringLiteral("vollständige Datensicherung"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Wählen Sie den Zielort für die Datensicherung!:"), this);
    chooser_ = new FolderChooser(QStringLiteral("DriveComboBox1"), QStringLiteral("DirectoryListBox1"), this);
    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("Label2"));
    source_->setWordWrap(true);

    auto* options = new QGroupBox(QStringLiteral("Optionen"), this);
    checkBox1_ = new QCheckBox(QStringLiteral("vorhandene Daten überschreiben"), options);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox2_ = new QCheckBox(QStringLiteral("verschlüsselt (eine Datei *.rvkx, nur mit Kennwort zu öffnen)"), options);
    checkBox2_->setObjectName(QStringLiteral("CheckBox2"));
    auto* ol = new QVBoxLayout(options);
    ol->addWidget(checkBox1_);
    ol->addWidget(checkBox2_);

    // First in Tab order, as it stands left of the closing buttons.
    auto* button3 = new QPushButton(QStringLiteral("neuen Ordner erstellen ..."), this);
    button3->setObjectName(QStringLiteral("Button3"));
    auto* button1 = new QPushButton(QStringLiteral("Daten sichern"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setDefault(true);
    auto* button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button3);
    buttons->addStretch();
    buttons->addWidget(button1);
    buttons->addWidget(button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(chooser_, 1);
    layout->addWidget(source_);
    layout->addWidget(options);
    layout->addLayout(buttons);
    resize(520, 460);

    connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void TDatSichForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TDatSichForm::FormShow()
{
    result_ = {};
    source_->setText(QStringLiteral("gesichert werden: %1 und die Einstellungen des Programm-Ordners")
                         .arg(toQString(settings_.dataFolder)));
    if (chooser_->folder().empty())
        chooser_->setFolder(toPath(QStorageInfo(toQString(settings_.dataFolder)).rootPath()));
}

void TDatSichForm::Button1Click()
{
    const BackupRequest request{settings_.dataFolder, settings_.programFolder, chooser_->folder(),
                                checkBox1_->isChecked(), date()};
    if (checkBox2_->isChecked()) {
        const EncryptedBackupResult sealed = runEncryptedBackup(request, prompter_);
        if (!sealed.done)
            return;   // refused or cancelled: the message is shown, another place can be chosen
        result_ = {};
        result_.done = true;
        result_.folder = sealed.file;
        prompter_.tell(sealed.failed.empty() ? MessageKind::Information : MessageKind::Warning,
                       encryptedBackupReport(sealed));
        accept();
        return;
    }
    // Shown only when the copy takes longer than a moment.
    QProgressDialog progress(QStringLiteral("Datensicherung läuft ..."), QStringLiteral("Abbrechen"), 0, 100, this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // A message of the backup (a copy that failed, a question) shows
    // without the progress window standing over it.
    ProgressPrompter prompter(prompter_, &progress);
    result_ = runBackup(request, prompter, [&](std::size_t done, std::size_t total, const std::filesystem::path& f) {
        progress.setMaximum(static_cast<int>(total));
        progress.setLabelText(QStringLiteral("Datensicherung läuft ...\n%1").arg(toQString(f)));
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
    });
    progress.close();
    if (result_.cancelled) {
        prompter_.warning(std::string(kMsgNoBackup) + "\n\nDie Sicherung wurde abgebrochen; was schon kopiert war, liegt in:\n" +
                          result_.folder.string());
        reject();
        return;
    }
    if (!result_.done)
        return;   // refused: the message is shown, another place can be chosen
    prompter_.tell(result_.failed.empty() ? MessageKind::Information : MessageKind::Warning, backupReport(result_));
    accept();
}

void TDatSichForm::Button2Click() { reject(); }

void TDatSichForm::Button3Click()
{
    if (chooser_->makeNewFolder().empty())
        prompter_.error("Im Ordner\n" + chooser_->folder().string() + "\nkann kein neuer Ordner angelegt werden!");
}

} // namespace ruvek::ui
