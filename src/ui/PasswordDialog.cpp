#include "ui/PasswordDialog.h"

#include "transfer/Container.h"
#include "transfer/PasswordStrength.h"
#include "ui/QtPrompter.h"

#include <QCheckBox>
#include <algorithm>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

PasswordDialog::PasswordDialog(const PasswordRequest& request, QWidget* parent)
    : QDialog(parent), newPassword_(request.newPassword)
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(toQString(request.title.empty() ? std::string("Kennwort") : request.title));
    setModal(true);

    auto* text = new QLabel(toQString(request.text), this);
    text->setWordWrap(true);
    first_ = new QLineEdit(this);
    first_->setObjectName(QStringLiteral("Kennwort1"));
    first_->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Kennwort:"), first_);
    if (newPassword_) {
        second_ = new QLineEdit(this);
        second_->setObjectName(QStringLiteral("Kennwort2"));
        second_->setEchoMode(QLineEdit::Password);
        form->addRow(QStringLiteral("Kennwort wiederholen:"), second_);
        meter_ = new QProgressBar(this);
        meter_->setObjectName(QStringLiteral("Staerke"));
        meter_->setRange(0, 100);
        meter_->setTextVisible(false);
        meter_->setFixedHeight(10);
        strength_ = new QLabel(this);
        strength_->setObjectName(QStringLiteral("StaerkeText"));
        strength_->setWordWrap(true);
        hint_ = new QLabel(this);
        hint_->setObjectName(QStringLiteral("Hinweis"));
        hint_->setWordWrap(true);
        connect(second_, &QLineEdit::textChanged, this, [this] { update(); });
    }
    if (!request.optionText.empty()) {
        option_ = new QCheckBox(toQString(request.optionText), this);
        option_->setObjectName(QStringLiteral("Option"));
        option_->setChecked(request.option);
    }
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    if (meter_) {
        layout->addWidget(meter_);
        layout->addWidget(strength_);
        layout->addWidget(hint_);
    }
    if (option_)
        layout->addWidget(option_);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(480, newPassword_ ? 330 : 170);

    connect(first_, &QLineEdit::textChanged, this, [this] { update(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    update();
}

void PasswordDialog::update()
{
    const std::string password = toUtf8(first_->text());
    if (!newPassword_) {
        ok_->setEnabled(!password.empty());
        return;
    }
    const PasswordStrength s = estimatePasswordStrength(password);
    meter_->setValue(std::min(100, s.bits));
    strength_->setText(toQString(strengthText(s)));
    std::string hint;
    if (const std::string rule = passwordRuleViolation(password); !rule.empty())
        hint = rule;
    else if (first_->text() != second_->text())
        hint = second_->text().isEmpty() ? "Bitte wiederholen Sie das Kennwort." : "Die beiden Eingaben stimmen nicht überein.";
    else if (s.level == StrengthLevel::Weak)
        hint = "Das Kennwort ist leicht zu erraten. Besser: mehrere Wörter mit Ziffern oder Zeichen dazwischen.";
    hint_->setText(toQString(hint));
    ok_->setEnabled(passwordRuleViolation(password).empty() && first_->text() == second_->text());
}

PasswordAnswer PasswordDialog::answer() const
{
    PasswordAnswer a;
    a.password = toUtf8(first_->text());
    a.option = option_ && option_->isChecked();
    return a;
}

FileListDialog::FileListDialog(const ListRequest& request, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FileListDialog"));
    setWindowTitle(toQString(request.title));
    setModal(true);
    auto* text = new QLabel(toQString(request.text), this);
    text->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Inhalt"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& item : request.items)
        list_->addItem(toQString(item));
    auto* accept = new QPushButton(toQString(request.acceptButton.empty() ? std::string("OK") : request.acceptButton), this);
    accept->setObjectName(QStringLiteral("Weiter"));
    accept->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(560, 420);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace ruvek::ui
