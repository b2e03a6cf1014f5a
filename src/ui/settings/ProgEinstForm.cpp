#include "ui/settings/ProgEinstForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

TProgEinstForm::TProgEinstForm(Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setObjectName("ProgEinstForm");
    setWindowTitle(QStringLiteral("Einstellungen zum Programm Ruvek"));
    setModal(true);

    auto group = [this](const QString& caption) {
        auto* box = new QGroupBox(caption, this);
        new QVBoxLayout(box);
        return box;
    };
    auto add = [](QGroupBox* box, QWidget* w) { box->layout()->addWidget(w); };

    auto* rechte = group(QStringLiteral("Berechtigungen"));
    add(rechte, addSwitch("CheckBox1", QStringLiteral("Datensätze dürfen gelöscht werden"), &TProgEinstRec::DarfLoeschen));

    auto* anzeige = group(QStringLiteral("Anzeige"));
    add(anzeige, addSwitch("CheckBox2", QStringLiteral("gelöschte Datensätze"), &TProgEinstRec::ZeigeGeloeschte));
    add(anzeige, addSwitch("CheckBox3", QStringLiteral("Zusatz bei Bewertungen"), &TProgEinstRec::ZeigeZusatz));
    add(anzeige, addSwitch("CheckBox8", QStringLiteral("Info-Hinweise"), &TProgEinstRec::InfoHinweise));
    auto* problemLabel = new QLabel(QStringLiteral("zur Problembehandlung:"), anzeige);
    problemLabel->setObjectName("Label1");
    add(anzeige, problemLabel);
    add(anzeige, addSwitch("CheckBox4", QStringLiteral("Anzeige der verwendeten FST-Datei vor Ausdruck"),
                           &TProgEinstRec::ZeigeFst));
    add(anzeige, addSwitch("CheckBox10", QStringLiteral("Test-Option"), &TProgEinstRec::TestOption));

    auto* zentral = group(QStringLiteral("zentrale Speicherung der ..."));
    add(zentral, addSwitch("CheckBox5", QStringLiteral("Einstellungen (Druck-Optionen)"), &TProgEinstRec::ZentralDruck));
    add(zentral, addSwitch("CheckBox6", QStringLiteral("Listen (Wahlpflichtfächer)"), &TProgEinstRec::ZentralListen));

    auto* allgemein = group(QStringLiteral("allgemeine Optionen"));
    add(allgemein,
        addSwitch("CheckBox7",
                  QStringLiteral("beim Hinzufügen eines Datensatzes sinnvolle Daten vom Vorgänger übernehmen"),
                  &TProgEinstRec::VorgaengerDaten));
    add(allgemein, addSwitch("CheckBox9", QStringLiteral("NUR für Gesamtschule: Anspruchebenen umrechnen lassen"),
                             &TProgEinstRec::GsEbenen));

    // First in Tab order, as it stands left of the closing buttons.
    button3_ = new QPushButton(QStringLiteral("Standard wiederherstellen"), this);
    button3_->setObjectName("Button3");
    button1_ = new QPushButton(QStringLiteral("OK"), this);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    button2_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    button2_->setObjectName("Button2");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button3_);
    buttons->addStretch();
    buttons->addWidget(button1_);
    buttons->addWidget(button2_);

    auto* left = new QVBoxLayout;
    left->addWidget(rechte);
    left->addWidget(anzeige);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(zentral);
    right->addWidget(allgemein);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
}

QCheckBox* TProgEinstForm::addSwitch(const char* objectName, const QString& caption,
                                     std::int16_t TProgEinstRec::*field)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(objectName);
    switches_.emplace_back(box, field);
    return box;
}

void TProgEinstForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TProgEinstForm::FormShow()
{
    for (auto& [box, field] : switches_)
        box->setChecked(settings_.prog.*field == 1);
}

void TProgEinstForm::Button1Click()
{
    for (auto& [box, field] : switches_)
        settings_.prog.*field = box->isChecked() ? 1 : 0;
    SaveProgEinst(settings_.prog, settings_.programFolder, prompter_);
    accept();
}

void TProgEinstForm::Button2Click() { reject(); }

void TProgEinstForm::Button3Click()
{
    // The school's name shares this record but belongs to the school
    // settings; restoring the program defaults leaves it alone.
    const auto schulname = settings_.prog.Schulname;
    ProgEinstDefaults(settings_.prog);
    settings_.prog.Schulname = schulname;
    FormShow();
}

} // namespace ruvek::ui
