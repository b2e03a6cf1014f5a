#include "ui/exchange/FaNoExpForm.h"

#include "ui/settings/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {
constexpr int kBoxColumns = 7;

// The boxes of entries 2..41 are CheckBox1..CheckBox40; the names 41..43
// belong to the three options, so the boxes of entries 42..50 continue
// with CheckBox44.
QString boxName(int entry)
{
    const int n = entry - 1;
    return QStringLiteral("CheckBox%1").arg(n <= 40 ? n : n + 3);
}
} // namespace

TFaNoExpForm::TFaNoExpForm(ExportChoices& choices, const TFachKatalog& katalog,
                           std::function<SchoolType()> schoolType, QWidget* parent)
    : QDialog(parent), choices_(choices), katalog_(katalog), schoolType_(std::move(schoolType))
{
    setObjectName(QStringLiteral("FaNoExpForm"));
    setWindowTitle(QStringLiteral("Exportieren von Fachnoten-Listen"));

    radioGroup1_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Exportart"),
                                  {QStringLiteral("ALLE Fächer"), QStringLiteral("ausgewählte Fächer"),
                                   QStringLiteral("einzelne Fächer")},
                                  3);
    connect(radioGroup1_, &RadioGroup::itemClicked, this, [this] { RadioGroup1Click(); });

    auto* group1 = new QGroupBox(QStringLiteral("Fächerauswahl"));
    group1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group1);
    for (int e = 2; e < kFachKatalogCount; ++e) {
        auto* box = new QCheckBox(QStringLiteral("---"));
        box->setObjectName(boxName(e));
        grid->addWidget(box, (e - 2) / kBoxColumns, (e - 2) % kBoxColumns);
        boxes_.push_back(box);
    }

    auto* group2 = new QGroupBox(QStringLiteral("Export-Optionen"));
    group2->setObjectName(QStringLiteral("GroupBox2"));
    checkBox41_ = new QCheckBox(QStringLiteral("jedes Fach auf eine EXTRA-Diskette"));
    checkBox41_->setObjectName(QStringLiteral("CheckBox41"));
    checkBox42_ = new QCheckBox(QStringLiteral("alte Liste VOLLSTÄNDIG löschen"));
    checkBox42_->setObjectName(QStringLiteral("CheckBox42"));
    checkBox43_ = new QCheckBox(QStringLiteral("nur Bewertungen usw. aus alter Liste löschen"));
    checkBox43_->setObjectName(QStringLiteral("CheckBox43"));
    auto* options = new QVBoxLayout(group2);
    options->addWidget(checkBox41_);
    options->addWidget(checkBox42_);
    options->addWidget(checkBox43_);

    auto* button1 = new QPushButton(QStringLiteral("jetzt exportieren"));
    button1->setObjectName(QStringLiteral("Button1"));
    auto* button2 = new QPushButton(QStringLiteral("abbrechen"));
    button2->setObjectName(QStringLiteral("Button2"));
    connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2, &QPushButton::clicked, this, [this] { done(2); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button1);
    buttons->addWidget(button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroup1_);
    layout->addWidget(group1);
    layout->addWidget(group2);
    layout->addLayout(buttons);
}

QCheckBox* TFaNoExpForm::subjectBox(int entry) const
{
    return entry >= 2 && entry < kFachKatalogCount ? boxes_[static_cast<std::size_t>(entry - 2)] : nullptr;
}

void TFaNoExpForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFaNoExpForm::FormShow()
{
    radioGroup1_->setItemIndex(static_cast<int>(choices_.kind));
    for (QCheckBox* box : boxes_) {
        box->setText(QStringLiteral("---"));
        box->setEnabled(false);
    }
    RadioGroup1Click();
    checkBox41_->setChecked(choices_.extraDiskette);
    checkBox42_->setChecked(choices_.alteListeLoeschen);
    checkBox43_->setChecked(choices_.nurBewertungen);
}

void TFaNoExpForm::RadioGroup1Click()
{
    choices_.kind = static_cast<ExportKind>(std::clamp(radioGroup1_->itemIndex(), 0, 2));
    for (const SubjectBox& b : subjectBoxes(choices_, katalog_, schoolType_())) {
        QCheckBox* box = subjectBox(b.entry);
        box->setText(QString::fromStdString(b.caption));
        box->setEnabled(b.enabled);
        box->setChecked(b.ticked);
    }
    // The abbreviations replace the placeholders: the window grows to show
    // them whole.
    layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void TFaNoExpForm::Button1Click()
{
    std::vector<SubjectBox> boxes = subjectBoxes(choices_, katalog_, schoolType_());
    for (SubjectBox& b : boxes)
        b.ticked = subjectBox(b.entry)->isChecked();
    takeOverSubjectBoxes(choices_, boxes);
    choices_.extraDiskette = checkBox41_->isChecked();
    choices_.alteListeLoeschen = checkBox42_->isChecked();
    choices_.nurBewertungen = checkBox43_->isChecked();
    done(1);
}

} // namespace ruvek::ui
