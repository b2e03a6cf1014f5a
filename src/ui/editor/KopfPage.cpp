// Page "Zeugnis-Kopf": the student's personal data and the certificate head
// data from which the certificate form (annex) is decided.
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"

#include "editor/EditorForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui::editor {

namespace {

const QString kEbeneHint = QStringLiteral("Zeugnisanspruchsebene auf ALLE nachfolgenden  Schüler übertragen");

} // namespace

// The level-of-demand items, shared with the selector on the subject page.
QStringList ebeneItems() { return selectorItems(ruvek::editor::LevelOfDemandItems()); }

QWidget* buildKopfPage()
{
    auto* page = new TwoColumnPage;

    // --- left: the student and the certificate head
    auto* edit5 = lineEdit("Edit5", QStringLiteral("Name des Schülers / der Schülerin "));
    auto* edit6 = lineEdit("Edit6");
    auto* maskEdit2 = maskEdit("MaskEdit2", QStringLiteral("  .  .19  "));
    auto* checkBox1 = checkBox("CheckBox1", QStringLiteral("weiblich"));
    auto* edit11 = lineEdit("Edit11", QStringLiteral("Schlüsselnummer aus Datenübernahme"), 11);

    auto* student = section(nullptr, QStringLiteral("Schüler / Schülerin"));
    auto* sg = new QGridLayout(student);
    addRow(sg, 0, buddyLabel(nullptr, QStringLiteral("&Name:"), edit5), edit5);
    addRow(sg, 1, buddyLabel(nullptr, QStringLiteral("&Vorname:"), edit6), edit6);
    auto* birth = new QHBoxLayout;
    birth->addWidget(maskEdit2);
    birth->addSpacing(12);
    birth->addWidget(checkBox1);
    birth->addStretch(1);
    sg->addWidget(buddyLabel(nullptr, QStringLiteral("&Geburtsdatum:"), maskEdit2), 2, 0);
    sg->addLayout(birth, 2, 1);
    sg->addWidget(buddyLabel(nullptr, QStringLiteral("Schlüsselnummer:"), edit11), 3, 0);
    sg->addWidget(edit11, 3, 1, Qt::AlignLeft);

    auto* comboBox41 = comboBox("ComboBox41", selectorItems(ruvek::editor::CertificateTypeItems()));
    auto* bitBtn2 = takeOverButton("BitBtn2", QStringLiteral("Zeugnistyp für ALLE folgenden Schüler übernehmen"));
    auto* comboBox42 = comboBox("ComboBox42", selectorItems(ruvek::editor::ClassLevelItems()));
    comboBox42->setMinimumContentsLength(3);
    auto* bitBtn8 = takeOverButton(
        "BitBtn8", QStringLiteral("Jahrgangsstufe zum Zeugnistyp für ALLE folgenden Schüler übernehmen"));
    auto* edit63 = lineEdit("Edit63", QStringLiteral("Schuljahresbeginn 4-ziffrig"), 5);
    auto* edit64 = displayEdit("Edit64", QStringLiteral("Ende des Schuljahres"), 5);
    auto* checkBox6 = checkBox("CheckBox6", QStringLiteral("1. Halbjahr"));
    auto* bitBtn17 =
        takeOverButton("BitBtn17", QStringLiteral("Schuljahr für ALLE nachfolgenden Schüler übernehmen"));
    auto* edit65 = lineEdit("Edit65", {}, 6);
    auto* bitBtn3 = takeOverButton(
        "BitBtn3", QStringLiteral("Schuljahr und Klasse für ALLE nachfolgenden Schüler übernehmen"));
    auto* edit66 = lineEdit("Edit66", {}, 6);
    auto* bitBtn4 =
        takeOverButton("BitBtn4", QStringLiteral("Klassen-Lehrer für ALLE folgenden Schüler übernehmen"));
    auto* edit7 = displayEdit("Edit7", QStringLiteral("aus den Zeugnisabgaben ermittelte Anlage des  Zeugniserlasses"));

    auto* head = section(nullptr, QStringLiteral("Zeugnisangaben"));
    auto* hg = new QGridLayout(head);
    hg->setColumnStretch(1, 1);
    addRow(hg, 0, buddyLabel(nullptr, QStringLiteral("&Zeugnistyp:"), comboBox41), comboBox41, bitBtn2);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(comboBox42);
    levelRow->addStretch(1);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("Klassenstu&fe des Zeugn.:"), comboBox42), 1, 0);
    hg->addLayout(levelRow, 1, 1);
    hg->addWidget(bitBtn8, 1, 2);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(edit63);
    yearRow->addWidget(new QLabel(QStringLiteral("/")));
    yearRow->addWidget(edit64);
    yearRow->addSpacing(12);
    yearRow->addWidget(checkBox6);
    yearRow->addStretch(1);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("S&chuljahr:"), edit63), 2, 0);
    hg->addLayout(yearRow, 2, 1);
    hg->addWidget(bitBtn17, 2, 2);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("Kl&asse:"), edit65), 3, 0);
    hg->addWidget(edit65, 3, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn3, 3, 2);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("Klassen&lehrer:"), edit66), 4, 0);
    hg->addWidget(edit66, 4, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn4, 4, 2);
    // The level of demand is head data like the rows above, with its
    // take-over button in the same column.
    auto* comboBox45 = comboBox("ComboBox45", ebeneItems());
    comboBox45->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* bitBtn24 = takeOverButton("BitBtn24", kEbeneHint);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("Anspr&uchsebene:"), comboBox45), 5, 0);
    hg->addWidget(comboBox45, 5, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn24, 5, 2);
    hg->addWidget(buddyLabel(nullptr, QStringLiteral("Anlage (Zeugniserlass):"), edit7), 6, 0);
    hg->addWidget(edit7, 6, 1, Qt::AlignLeft);

    auto* left = new QVBoxLayout;
    left->addWidget(student);
    left->addWidget(head);
    left->addStretch(1);

    // --- right: qualification, transfer and leaving
    auto* radioGroup1 =
        radioGroup("RadioGroup1", QStringLiteral("Abschlussart"), selectorItems(ruvek::editor::QualificationItems()));
    auto* bitBtn19 =
        takeOverButton("BitBtn19", QStringLiteral("Abschlussart für ALLE folgenden Schüler übernehmen"));
    auto* radioGroup2 =
        radioGroup("RadioGroup2", QStringLiteral("Klassenart"), selectorItems(ruvek::editor::ClassKindItems()));
    auto* bitBtn28 = takeOverButton("BitBtn28", QStringLiteral("Klassenart für ALLE folgenden Schüler übernehmen"));
    auto* comboBox44 = comboBox("ComboBox44", selectorItems(ruvek::editor::PraedikatItems()));
    auto* label71 = buddyLabel("Label71", QStringLiteral("&Prädikat"), comboBox44);

    // Each take-over button under its group: the column stays narrow enough
    // to stand beside the head data in the default window.
    auto* qualification = new QVBoxLayout;
    qualification->addWidget(radioGroup1);
    qualification->addWidget(bitBtn19, 0, Qt::AlignRight);
    qualification->addWidget(radioGroup2);
    qualification->addWidget(bitBtn28, 0, Qt::AlignRight);
    auto* predicate = new QHBoxLayout;
    predicate->addWidget(label71);
    predicate->addWidget(comboBox44, 1);

    auto* edit67 = lineEdit("Edit67");
    auto* groupBox3 = section("GroupBox3", QStringLiteral("für Übergangs-Zeugnis"));
    auto* tg = new QGridLayout(groupBox3);
    addRow(tg, 0, buddyLabel(nullptr, QStringLiteral("&neue Schule:"), edit67), edit67);

    auto* edit68 = lineEdit("Edit68", {}, 3);
    auto* label45 = buddyLabel("Label45", QStringLiteral("&Jahrgangsstufe "), edit68);
    auto* label17 = label("Label17", QStringLiteral("... nach Erfüllung der Schulpflicht entlassen aus ..."));
    label17->setWordWrap(true);
    auto* grade = new QHBoxLayout;
    grade->addWidget(label45);
    grade->addWidget(edit68);
    grade->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addLayout(qualification);
    right->addLayout(predicate);
    right->addWidget(groupBox3);
    right->addWidget(label17);
    right->addLayout(grade);
    right->addStretch(1);

    // --- below: the warning after taking data over from the predecessor
    auto* label64 = label("Label64", QStringLiteral("Achtung!!!"));
    auto* label65 = label("Label65", QStringLiteral("lt. eingestellter Programm-Option werden auf verschieden "
                                                    "Registerkarten einige Felder vom Vorgänger übernommen!"));
    auto* label66 = label("Label66", QStringLiteral("Prüfen Sie unbedingt die Richtigkeit der Daten!"));
    for (QLabel* l : {label64, label65, label66}) {
        l->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        l->setWordWrap(true);
        l->hide();
    }

    auto* columns = new QBoxLayout(QBoxLayout::LeftToRight);
    columns->setSpacing(8);
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);
    page->setColumns(columns, left, right);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns, 1);
    layout->addWidget(label64);
    layout->addWidget(label65);
    layout->addWidget(label66);

    chainTabOrder({edit5, edit6, maskEdit2, checkBox1, edit11, comboBox41, bitBtn2, comboBox42, bitBtn8, edit63,
                   checkBox6, bitBtn17, edit65, bitBtn3, edit66, bitBtn4, comboBox45, bitBtn24, radioGroup1,
                   bitBtn19, radioGroup2, bitBtn28, comboBox44, edit67, edit68});
    return page;
}

} // namespace ruvek::ui::editor
