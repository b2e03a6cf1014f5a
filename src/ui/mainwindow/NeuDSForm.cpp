#include "ui/mainwindow/NeuDSForm.h"

#include "ui/Cp1252Text.h"
#include "ui/editor/InputGuard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {
// A record's name fields hold 30 characters.
constexpr int kNameLength = 30;
} // namespace

TNeuDSForm::TNeuDSForm(Prompter& prompter, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NeuDSForm"));
    setWindowTitle(QStringLiteral("Neuer Schüler"));

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* e : {edit1_, edit2_}) {
        e->setMaxLength(kNameLength);
        editor::guardLineEdit(e, prompter);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), edit1_);
    fields->addRow(QStringLiteral("&Vorname:"), edit2_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

std::optional<NewStudentName> TNeuDSForm::ask()
{
    edit1_->clear();
    edit2_->clear();
    edit1_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    // The guard keeps both texts within Windows-1252.
    const auto cp = [](const QLineEdit* e) { return toCp1252(e->text()).value_or(std::string()); };
    return newStudentNameFromDialog(cp(edit1_), cp(edit2_));
}

} // namespace ruvek::ui
