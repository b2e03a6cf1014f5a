// Page "(Wahlpfl. u.) Zeugnis-Fuß": the elective subjects W1..W6 with the
// overall grade of the elective teaching, and the certificate foot (place,
// date, absences, not to be printed).
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"

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

QByteArray rowName(const char* prefix, int n, const char* suffix = "")
{
    return QByteArray(prefix) + QByteArray::number(n) + suffix;
}

// Elective w (1..6): subject selector, grade, addition, level selector side
// by side. The editor's rules name them by the elective (EditorBinder).
QWidget* electiveCell(int w, std::vector<QWidget*>& tabOrder)
{
    auto* cell = new QWidget;
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    auto* subject = comboBox(rowName("ComboBoxW", w).constData());
    subject->setMinimumWidth(140);
    auto* grade = lineEdit(rowName("EditW", w).constData(), {}, 3);
    grade->setAlignment(Qt::AlignCenter);
    auto* addition = lineEdit(rowName("EditW", w, "Z").constData(), {}, 3);
    addition->setAlignment(Qt::AlignCenter);
    auto* level = comboBox(rowName("ComboBox", 18 + w).constData());
    row->addWidget(subject, 1);
    row->addWidget(grade);
    row->addWidget(addition);
    row->addWidget(level);
    tabOrder.insert(tabOrder.end(), {subject, grade, addition, level});
    return cell;
}

} // namespace

QWidget* buildFussPage()
{
    auto* page = new QWidget;
    std::vector<QWidget*> tabOrder;

    // --- the electives: first half-year W1..W3 on the left, second W4..W6 on
    // the right. With two electives per half-year, W1/W4 are the first
    // half-year's and W2/W5 the second's: then the rows carry the half-year.
    auto* electives = new QGroupBox(QStringLiteral("Wahlpflichtfächer (Fach, Bewertung, Zusatz)"));
    auto* eg = new QGridLayout(electives);
    eg->setVerticalSpacing(4);
    eg->setColumnStretch(1, 1);
    eg->setColumnStretch(2, 1);
    eg->addWidget(label("Label33", QStringLiteral("1. Halbjahr")), 0, 1);
    eg->addWidget(label("Label34", QStringLiteral("2. Halbjahr")), 0, 2);
    std::vector<QWidget*> firstColumn, secondColumn;
    for (int r = 1; r <= 3; ++r) {
        eg->addWidget(electiveCell(r, firstColumn), r, 1);
        eg->addWidget(electiveCell(r + 3, secondColumn), r, 2);
    }
    eg->addWidget(label("Label35", QStringLiteral("1. HJ")), 1, 0);
    eg->addWidget(label("Label36", QStringLiteral("2. HJ")), 2, 0);
    tabOrder.insert(tabOrder.end(), firstColumn.begin(), firstColumn.end());
    tabOrder.insert(tabOrder.end(), secondColumn.begin(), secondColumn.end());

    auto* editW = lineEdit("EditW", {}, 3);
    editW->setAlignment(Qt::AlignCenter);
    auto* editWZ = lineEdit("EditWZ", {}, 3);
    editWZ->setAlignment(Qt::AlignCenter);
    auto* overall = new QHBoxLayout;
    overall->addWidget(label("Label13", QStringLiteral("Wahlpflichtunterricht insgesamt:")));
    overall->addSpacing(12);
    overall->addWidget(buddyLabel("Label14", QStringLiteral("Be&wertung"), editW));
    overall->addWidget(editW);
    overall->addWidget(buddyLabel("LabelWZus", QStringLiteral("Zus."), editWZ));
    overall->addWidget(editWZ);
    overall->addStretch(1);
    eg->addLayout(overall, 4, 0, 1, 3);

    auto* bitBtn23 = button("BitBtn23", QStringLiteral("ALLE Bewertungen (u. Zus.) löschen"));
    auto* bitBtn21 = button("BitBtn21", QStringLiteral("mögl. Eintragungen"));
    auto* gradeButtons = new QHBoxLayout;
    gradeButtons->setSpacing(6);
    gradeButtons->addStretch(1);
    gradeButtons->addWidget(bitBtn21);
    gradeButtons->addWidget(bitBtn23);
    eg->addLayout(gradeButtons, 5, 0, 1, 3);
    tabOrder.insert(tabOrder.end(), {editW, editWZ, bitBtn21, bitBtn23});

    // --- the certificate foot
    auto* checkBox3 = checkBox("CheckBox3", QStringLiteral("dieses Zeugnis (u. d. Empf.-bek.) nicht drucken"));
    auto* edit69 = lineEdit("Edit69");
    auto* maskEdit4 = maskEdit("MaskEdit4", QStringLiteral("  .  .20  "));
    auto* bitBtn5 =
        takeOverButton("BitBtn5", QStringLiteral("Zeugnisort und -datum für ALLE folgenden Schüler übernehmen"));
    auto* foot = section(nullptr, QStringLiteral("Zeugnis-Fuß"));
    auto* fg = new QGridLayout(foot);
    fg->addWidget(buddyLabel(nullptr, QStringLiteral("Zeugnis&ort:"), edit69), 0, 0);
    fg->addWidget(edit69, 0, 1);
    fg->addWidget(buddyLabel(nullptr, QStringLiteral("&Zeugnisdatum:"), maskEdit4), 0, 2);
    fg->addWidget(maskEdit4, 0, 3);
    fg->addWidget(bitBtn5, 0, 4);
    fg->addWidget(checkBox3, 1, 0, 1, 5);
    fg->setColumnStretch(1, 1);

    auto* edit72 = lineEdit("Edit72", {}, 5);
    auto* edit74 = lineEdit("Edit74", {}, 5);
    auto* groupBox8 = section("GroupBox8", QStringLiteral("Fehlzeiten"));
    auto* ag = new QHBoxLayout(groupBox8);
    ag->addWidget(buddyLabel(nullptr, QStringLiteral("&Fehltage:"), edit72));
    ag->addWidget(edit72);
    ag->addSpacing(16);
    ag->addWidget(buddyLabel(nullptr, QStringLiteral("davon entsch&uldigt:"), edit74));
    ag->addWidget(edit74);
    ag->addStretch(1);
    tabOrder.insert(tabOrder.end(), {edit69, maskEdit4, bitBtn5, checkBox3, edit72, edit74});

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(electives);
    layout->addWidget(foot);
    layout->addWidget(groupBox8);
    layout->addStretch(1);

    chainTabOrder(tabOrder);
    return page;
}

} // namespace ruvek::ui::editor
