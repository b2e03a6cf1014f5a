#include "ui/mainwindow/KalibrierForm.h"

#include "print/CalibrationSheet.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace ruvek::ui {
namespace {

QDoubleSpinBox* deviationBox(QWidget* parent, const char* name)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(-50.0, 50.0);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

int tenths(const QDoubleSpinBox* box) { return static_cast<int>(std::lround(box->value() * 10.0)); }

} // namespace

TKalibrierForm::TKalibrierForm(TDrkEinstRec& options, std::filesystem::path programFolder,
                               std::filesystem::path dataFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), options_(options), programFolder_(std::move(programFolder)),
      dataFolder_(std::move(dataFolder)), prompter_(prompter)
{
    setObjectName(QStringLiteral("KalibrierForm"));
    setWindowTitle(QStringLiteral("Kalibrierung des Druckers"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral(
        "Messen Sie auf dem Kalibrierblatt beim Kreuz oben links den Abstand der Kreuzmitte\n"
        "vom linken und vom oberen Papierrand. Tragen Sie die Abweichung von 20,0 mm ein:\n"
        "steht das Kreuz weiter rechts bzw. weiter unten, ist sie positiv."), this);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    deviationX_ = deviationBox(this, "AbweichungLinks");
    deviationY_ = deviationBox(this, "AbweichungOben");
    form->addRow(QStringLiteral("Abweichung nach rechts:"), deviationX_);
    form->addRow(QStringLiteral("Abweichung nach unten:"), deviationY_);
    layout->addLayout(form);
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("NeueRaender"));
    layout->addWidget(preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ränder übernehmen"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TKalibrierForm::Button1Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(deviationX_, &QDoubleSpinBox::valueChanged, this, &TKalibrierForm::updatePreview);
    connect(deviationY_, &QDoubleSpinBox::valueChanged, this, &TKalibrierForm::updatePreview);
    updatePreview();
}

void TKalibrierForm::updatePreview()
{
    const CalibratedMarginsResult r =
        CalibratedMargins(options_.RandLinks, options_.RandOben, tenths(deviationX_), tenths(deviationY_));
    preview_->setText(QStringLiteral("linker Rand: %1 → %2 (1/10 mm), oberer Rand: %3 → %4 (1/10 mm)")
                          .arg(options_.RandLinks)
                          .arg(r.randLinks)
                          .arg(options_.RandOben)
                          .arg(r.randOben));
}

void TKalibrierForm::Button1Click()
{
    const CalibratedMarginsResult r =
        CalibratedMargins(options_.RandLinks, options_.RandOben, tenths(deviationX_), tenths(deviationY_));
    if (!r.error.empty()) {
        prompter_.error(r.error);
        return;
    }
    options_.RandLinks = static_cast<std::int16_t>(r.randLinks);
    options_.RandOben = static_cast<std::int16_t>(r.randOben);
    SaveDrkEinst(options_, programFolder_, dataFolder_, prompter_);
    accept();
}

} // namespace ruvek::ui
