#include "ui/settings/SchulEinstForm.h"

#include "ui/settings/RadioGroup.h"
#include "ui/settings/SettingsText.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {
const QString kAnschriftCaption = QStringLiteral("Name und Anschrift der Schule für Empfangsbekenntnis");
const QString kSchulnameCaption = QStringLiteral("Name der Schule (Schulzeile jedes Zeugnisses)");

QStringList schultypItems()
{
    QStringList items;
    for (const char* t : kSchultypen)
        items << QString::fromUtf8(t);
    return items;
}
} // namespace

TSchulEinstForm::TSchulEinstForm(Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setObjectName("SchulEinstForm");
    setWindowTitle(QStringLiteral("Schuleinstellungen"));
    setModal(true);

    radioGroup1_ = new RadioGroup("RadioGroup1", QStringLiteral("Schultyp"), schultypItems(), 2, this);

    auto* nameGroup = new QGroupBox(kSchulnameCaption, this);
    edit2_ = new QLineEdit(nameGroup);
    edit2_->setObjectName("Edit2");
    edit2_->setMaxLength(static_cast<int>(kSchulnameMaxLength));
    edit2_->setPlaceholderText(QStringLiteral("z. B. Regionale Schule \"Am Hafen\" Nordstadt"));
    auto* nameLayout = new QVBoxLayout(nameGroup);
    nameLayout->addWidget(edit2_);
    auto* nameHint = new QLabel(QStringLiteral("höchstens %1 Zeichen").arg(kSchulnameMaxLength), nameGroup);
    nameHint->setEnabled(false);
    nameLayout->addWidget(nameHint);

    auto* addressGroup = new QGroupBox(kAnschriftCaption, this);
    edit1_ = new QLineEdit(addressGroup);
    edit1_->setObjectName("Edit1");
    edit1_->setMaxLength(static_cast<int>(TSchulEinstRec{}.SchulAnschrift.Capacity));
    auto* addressLayout = new QVBoxLayout(addressGroup);
    addressLayout->addWidget(edit1_);

    button1_ = new QPushButton(QStringLiteral("OK"), this);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    button2_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    button2_->setObjectName("Button2");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(button1_, QDialogButtonBox::AcceptRole);
    buttons->addButton(button2_, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroup1_);
    layout->addWidget(nameGroup);
    layout->addWidget(addressGroup);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(520);

    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TSchulEinstForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSchulEinstForm::FormShow()
{
    radioGroup1_->setItemIndex(settings_.schule.Schultyp);
    edit1_->setText(fromCp1252(settings_.schule.SchulAnschrift.view()));
    edit2_->setText(fromCp1252(SchulnameText(settings_.prog)));
}

void TSchulEinstForm::Button1Click()
{
    // Check every text first, so that a refused entry stores nothing.
    const auto anschrift = toCp1252(edit1_->text());
    if (!anschrift) {
        prompter_.error(unstorableTextMessage(kAnschriftCaption));
        edit1_->setFocus();
        return;
    }
    const auto schulname = toCp1252(edit2_->text().trimmed());
    if (!schulname) {
        prompter_.error(unstorableTextMessage(kSchulnameCaption));
        edit2_->setFocus();
        return;
    }
    if (radioGroup1_->itemIndex() >= 0)
        settings_.schule.Schultyp = static_cast<std::uint16_t>(radioGroup1_->itemIndex());
    settings_.schule.SchulAnschrift = *anschrift;
    SetSchulname(settings_.prog, *schulname);
    SaveSchulEinst(settings_.schule, settings_.programFolder, prompter_);
    SaveProgEinst(settings_.prog, settings_.programFolder, prompter_);
    accept();
}

void TSchulEinstForm::Button2Click() { reject(); }

} // namespace ruvek::ui
