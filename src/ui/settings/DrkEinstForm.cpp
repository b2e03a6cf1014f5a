#include "ui/settings/DrkEinstForm.h"

#include "ui/settings/RadioGroup.h"
#include "ui/settings/SettingsText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

namespace ruvek::ui {

namespace {
template <std::size_t N>
QStringList items(const std::array<const char*, N>& texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

QWidget* page(QTabWidget* tabs, const char* objectName, const QString& caption)
{
    auto* w = new QWidget(tabs);
    w->setObjectName(objectName);
    tabs->addTab(w, caption);
    return w;
}

// The first character of a text as a Windows-1252 string of capacity 1;
// empty for an empty text or a character Windows-1252 cannot hold.
PStr<1> firstCharacter(const QString& text)
{
    PStr<1> out{""};
    if (!text.isEmpty())
        out = toCp1252(text.left(1)).value_or(std::string());
    return out;
}
} // namespace

TDrkEinstForm::TDrkEinstForm(Settings& settings, Prompter& prompter, std::function<std::filesystem::path()> dataFolder,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter), dataFolder_(std::move(dataFolder))
{
    setObjectName("DrkEinstForm");
    setWindowTitle(QStringLiteral("Einstellungen der Druck-Optionen"));
    setModal(true);

    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName("PageControl1");

    // Page 1: "allgemeine Optionen".
    {
        auto* p = page(pageControl1_, "TabSheet1", QStringLiteral("allgemeine Optionen"));

        auto* druck = new QGroupBox(QStringLiteral("Zeugnisdruck"), p);
        auto* dl = new QVBoxLayout(druck);
        dl->addWidget(addSwitch("CheckBox1", QStringLiteral("Bewertungen immer in Worten"),
                                &TDrkEinstRec::BewertungenInWorten));
        dl->addWidget(addSwitch("CheckBox2", QStringLiteral("Zeugnistexte ohne Linie"), &TDrkEinstRec::OhneLinie));
        dl->addWidget(addSwitch("CheckBox3", QStringLiteral("Zeugnis-Kopie gleich extra drucken"),
                                &TDrkEinstRec::KopieExtra));
        dl->addWidget(addSwitch("CheckBox5", QStringLiteral("Formulare mit Rahmen"), &TDrkEinstRec::MitRahmen));
        dl->addWidget(addSwitch("CheckBox6", QStringLiteral("drucke Korrekturecke"), &TDrkEinstRec::Korrekturecke));
        dl->addWidget(addSwitch("CheckBox11", QStringLiteral("doppelseitig (ohne Zwischendialoge) drucken"),
                                &TDrkEinstRec::Doppelseitig));
        dl->addWidget(addSwitch("CheckBox13",
                                QStringLiteral("Ausdruck für Zensurenkonferenzen mit \"Vermerke\""),
                                &TDrkEinstRec::Zensurenkonferenz));
        dl->addStretch();

        auto* raender = new QGroupBox(QStringLiteral("Ränder und Streichzeichen"), p);
        auto* rl = new QFormLayout(raender);
        for (auto [name, caption, field] :
             {std::tuple{"Edit2", QStringLiteral("linker Rand"), &TDrkEinstRec::RandLinks},
              std::tuple{"Edit3", QStringLiteral("oberer Rand"), &TDrkEinstRec::RandOben},
              std::tuple{"Edit4", QStringLiteral("innerer Rand"), &TDrkEinstRec::RandInnen}}) {
            auto* row = new QHBoxLayout;
            // The caption stands in the form row, not as a label of the
            // field itself, so the field carries it for screen readers.
            QLineEdit* margin = addMargin(name, caption, field);
            margin->setAccessibleName(caption);
            row->addWidget(margin);
            row->addWidget(new QLabel(QStringLiteral("1/10 mm"), raender));
            rl->addRow(caption, row);
        }
        comboBox1_ = new QComboBox(raender);
        comboBox1_->setObjectName("ComboBox1");
        comboBox1_->addItems(items(kNormalStreichzeichen));
        comboBox1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        comboBox1_->setAccessibleName(QStringLiteral("normales Streichungs-Zeichen"));
        auto* comboRow = new QHBoxLayout;
        comboRow->addWidget(comboBox1_);
        comboRow->addStretch();
        rl->addRow(QStringLiteral("normales Streichungs-Zeichen"), comboRow);

        auto* empf = new QGroupBox(QStringLiteral("Empfangsbekenntnis"), p);
        auto* el = new QVBoxLayout(empf);
        el->addWidget(addRadioGroup("RadioGroup3", QStringLiteral("Druckart"), items(kEmpfDruckarten),
                                    &TDrkEinstRec::EmpfDruckart));
        el->addWidget(addRadioGroup("RadioGroup4", QStringLiteral("Titel der Empf.-bekenntnis"), items(kEmpfTitel),
                                    &TDrkEinstRec::EmpfTitel));
        el->addWidget(addSwitch("CheckBox4", QStringLiteral("immer eine Kopie drucken"), &TDrkEinstRec::EmpfKopie));

        // Made after the acknowledgement group it stands under, so that Tab
        // goes down the right column in the order shown.
        auto* verlag = addRadioGroup("RadioGroup6", QStringLiteral("Papierverlag"), items(kPapierverlage),
                                     &TDrkEinstRec::Papierverlag, 2);

        auto* left = new QVBoxLayout;
        left->addWidget(druck);
        left->addWidget(raender);
        auto* right = new QVBoxLayout;
        right->addWidget(empf);
        right->addWidget(verlag);
        right->addStretch();
        auto* pl = new QHBoxLayout(p);
        pl->addLayout(left);
        pl->addLayout(right);
    }

    // Page 2: "Streichungen ...".
    {
        auto* p = page(pageControl1_, "TabSheet2", QStringLiteral("Streichungen ..."));
        auto* streich = new QGroupBox(QStringLiteral("Optionen zu Textstreichungen"), p);
        auto* sl = new QVBoxLayout(streich);
        sl->addWidget(addRadioGroup("RadioGroup1", QStringLiteral("Art der Streichungen"), items(kStreichungsarten),
                                    &TDrkEinstRec::Streichungsart));
        edit1_ = new QLineEdit(streich);
        edit1_->setObjectName("Edit1");
        edit1_->setMaxLength(1);
        edit1_->setFixedWidth(edit1_->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
        auto* zeichen = new QFormLayout;
        zeichen->addRow(QStringLiteral("ausgewähltes Zeichen"), edit1_);
        sl->addLayout(zeichen);

        auto* religion = addRadioGroup("RadioGroup2",
                                       QStringLiteral("Optionen zu Religion/Philosphieren mit Kindern"),
                                       items(kReligionOptionen), &TDrkEinstRec::ReligionOption);
        religion->setEnabled(false); // shows the value only

        auto* pl = new QVBoxLayout(p);
        pl->addWidget(streich);
        pl->addWidget(religion);
        pl->addStretch();
    }

    // Page 3: "weitere Optionen".
    {
        auto* p = page(pageControl1_, "TabSheet3", QStringLiteral("weitere Optionen"));
        auto* wappen = new QGroupBox(QStringLiteral("Option zum Landeswappen"), p);
        auto* wl = new QGridLayout(wappen);
        wl->addWidget(addRadioGroup("RadioGroup5", QStringLiteral("Wappenposition"), items(kWappenpositionen),
                                    &TDrkEinstRec::Wappenposition),
                      0, 0, Qt::AlignTop);
        wl->addWidget(addRadioGroup("RadioGroup7", QStringLiteral("Wappengröße (lt. Verlagsangabe)"),
                                    items(kWappengroessen), &TDrkEinstRec::Wappengroesse),
                      0, 1, Qt::AlignTop);
        wl->addWidget(addSwitch("CheckBox14", QStringLiteral("\"farbiges\" Wappen auch bei SW-Druckern"),
                                &TDrkEinstRec::FarbWappen),
                      1, 0, 1, 2);

        auto* profi = new QGroupBox(QStringLiteral("Optionen für Profi's"), p);
        auto* fl = new QVBoxLayout(profi);
        fl->addWidget(addSwitch("CheckBox8", QStringLiteral("Kyocera-Fehler ausgleichen"),
                                &TDrkEinstRec::KyoceraKorrektur));
        fl->addWidget(addSwitch("CheckBox9", QStringLiteral("mit FST-Datei-Kopien arbeiten"), &TDrkEinstRec::FstKopien));
        fl->addWidget(addSwitch("CheckBox10", QStringLiteral("Einstellungen zentral speichern"),
                                &TDrkEinstRec::ZentralSpeichern));
        fl->addWidget(addSwitch("CheckBox12", QStringLiteral("nur notwendige Druck-Dialoge"),
                                &TDrkEinstRec::NurNotwendigeDialoge));
        fl->addWidget(addSwitch("CheckBox15", QStringLiteral("Serien-Druck: für jeden Schüler und jede Seite fragen"),
                                &TDrkEinstRec::SerieSeitenweise));
        auto* sonder = new QLabel(QStringLiteral("problematische Sonder-Optionen"), profi);
        sonder->setObjectName("Label10");
        sonder->setVisible(false);
        fl->addWidget(sonder);
        auto* ss = addSwitch("CheckBox7", QStringLiteral("S/S nicht streichen"), &TDrkEinstRec::SSNichtStreichen);
        ss->setVisible(false);
        fl->addWidget(ss);

        auto* pl = new QVBoxLayout(p);
        pl->addWidget(wappen);
        pl->addWidget(profi);
        pl->addStretch();
    }

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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl1_);
    layout->addLayout(buttons);

    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
}

QCheckBox* TDrkEinstForm::addSwitch(const char* objectName, const QString& caption, std::int16_t TDrkEinstRec::*field)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(objectName);
    switches_.emplace_back(box, field);
    return box;
}

RadioGroup* TDrkEinstForm::addRadioGroup(const char* objectName, const QString& caption, const QStringList& texts,
                                         std::int16_t TDrkEinstRec::*field, int columns)
{
    auto* group = new RadioGroup(objectName, caption, texts, columns, this);
    radioGroups_.emplace_back(group, field);
    return group;
}

QLineEdit* TDrkEinstForm::addMargin(const char* objectName, const QString& caption, std::int16_t TDrkEinstRec::*field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    edit->setAlignment(Qt::AlignRight);
    margins_.push_back({edit, caption, field});
    return edit;
}

void TDrkEinstForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TDrkEinstForm::FormShow()
{
    const TDrkEinstRec& r = settings_.druck;
    for (auto& [box, field] : switches_)
        box->setChecked(r.*field == 1);
    for (auto& [group, field] : radioGroups_)
        group->setItemIndex(r.*field);
    for (auto& m : margins_)
        m.edit->setText(QString::number(r.*(m.field)));
    edit1_->setText(fromCp1252(r.Streichzeichen.view()));
    comboBox1_->setCurrentIndex(comboBox1_->findText(fromCp1252(r.NormalStreichzeichen.view()), Qt::MatchExactly));
}

std::optional<std::vector<std::int16_t>> TDrkEinstForm::readMargins()
{
    std::vector<std::int16_t> values;
    for (auto& m : margins_) {
        const QString text = m.edit->text().trimmed();
        bool ok = false;
        const int value = text.toInt(&ok, 10);
        if (!ok || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
            prompter_.error("\"" + m.edit->text().toStdString() + "\" ist keine gültige Angabe für \"" +
                            m.caption.toStdString() +
                            "\"!\n\nBitte geben Sie die Ränder als ganze Zahlen in 1/10 mm ein (z. B. 150 für 15 mm).");
            pageControl1_->setCurrentIndex(0);
            m.edit->setFocus();
            m.edit->selectAll();
            return std::nullopt;
        }
        values.push_back(static_cast<std::int16_t>(value));
    }
    return values;
}

void TDrkEinstForm::Button1Click()
{
    // The margins are checked before anything is stored, so a refused entry
    // leaves the record exactly as it was.
    const auto margins = readMargins();
    if (!margins)
        return;
    TDrkEinstRec& r = settings_.druck;
    for (auto& [box, field] : switches_)
        r.*field = box->isChecked() ? 1 : 0;
    for (auto& [group, field] : radioGroups_)
        if (group->itemIndex() >= 0 && group->isEnabled())
            r.*field = static_cast<std::int16_t>(group->itemIndex());
    for (std::size_t i = 0; i < margins_.size(); ++i)
        r.*(margins_[i].field) = (*margins)[i];
    r.Streichzeichen = firstCharacter(edit1_->text());
    r.NormalStreichzeichen = firstCharacter(comboBox1_->currentText());
    SaveDrkEinst(r, settings_.programFolder, dataFolder(), prompter_);
    accept();
}

void TDrkEinstForm::Button2Click() { reject(); }

void TDrkEinstForm::Button3Click()
{
    DrkEinstDefaults(settings_.druck);
    FormShow();
}

std::filesystem::path TDrkEinstForm::dataFolder() const
{
    return dataFolder_ ? dataFolder_() : settings_.dataFolder;
}

} // namespace ruvek::ui
