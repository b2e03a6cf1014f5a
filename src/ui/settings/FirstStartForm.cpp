#include "ui/settings/FirstStartForm.h"

#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "ui/QtPrompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

FirstStartForm::FirstStartForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FirstStartForm"));
    setWindowTitle(QStringLiteral("Ruvek – erster Start"));
    setModal(true);

    auto* intro = new QLabel(QStringLiteral("Für diese Installation gibt es noch keine Schul-Einstellungen.\n"
                                            "Bitte wählen Sie die Schulart: Sie bestimmt Zeugnisarten, Fächer\n"
                                            "und Bewertungen. Alles lässt sich später unter \"Einstellungen\"\n"
                                            "-> \"Schul-Einstellungen\" ändern."),
                             this);
    schultyp_ = new QComboBox(this);
    schultyp_->setObjectName(QStringLiteral("ComboBoxSchultyp"));
    schultyp_->addItem(QStringLiteral("- bitte wählen -"), 0);
    // The school types a school can be: not "nicht ausgewählt", not the reserve.
    for (int t = 1; t < static_cast<int>(kSchultypen.size()); ++t)
        if (t != 8)
            schultyp_->addItem(QString::fromUtf8(kSchultypen[static_cast<std::size_t>(t)]), t);
    schulname_ = new QLineEdit(this);
    schulname_->setObjectName(QStringLiteral("EditSchulname"));
    schulname_->setMaxLength(static_cast<int>(kSchulnameMaxLength));
    ort_ = new QLineEdit(this);
    ort_->setObjectName(QStringLiteral("EditOrt"));
    ort_->setMaxLength(30);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Schulart:"), schultyp_);
    fields->addRow(QStringLiteral("&Name der Schule:"), schulname_);
    fields->addRow(QStringLiteral("&Ort:"), ort_);

    ok_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    auto* later = new QPushButton(QStringLiteral("Später"), this);
    later->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(later, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(schultyp_, &QComboBox::currentIndexChanged, this, &FirstStartForm::updateOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    updateOk();
}

void FirstStartForm::updateOk() { ok_->setEnabled(schultyp_->currentData().toInt() > 0); }

std::optional<SchoolSetup> FirstStartForm::answer() const
{
    const int type = schultyp_->currentData().toInt();
    if (type <= 0)
        return std::nullopt;
    return SchoolSetup{type, toUtf8(schulname_->text().trimmed()), toUtf8(ort_->text().trimmed())};
}

} // namespace ruvek::ui
