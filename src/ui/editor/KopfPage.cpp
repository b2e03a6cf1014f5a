// Page "Zeugnis-Kopf": the student's personal data and the certificate head
// data from which the certificate form (annex) is decided.
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

using C = ruvek::editor::ControlId;

QWidget* buildKopfPage()
{
    auto* page = new TwoColumnPage;

    // --- left: the student and the certificate head
    auto* edit5 = make(C::Edit5);
    auto* edit6 = make(C::Edit6);
    auto* maskEdit2 = make(C::MaskEdit2);
    auto* checkBox1 = make(C::CheckBox1);
    auto* edit11 = make(C::Edit11);
    setWidthChars(edit11, 11);

    auto* student = section(nullptr, QStringLiteral("Schüler / Schülerin"));
    auto* sg = new QGridLayout(student);
    addRow(sg, 0, captionFor(C::Edit5, edit5), edit5);
    addRow(sg, 1, captionFor(C::Edit6, edit6), edit6);
    auto* birth = new QHBoxLayout;
    birth->addWidget(maskEdit2);
    birth->addSpacing(12);
    birth->addWidget(checkBox1);
    birth->addStretch(1);
    sg->addWidget(captionFor(C::MaskEdit2, maskEdit2), 2, 0);
    sg->addLayout(birth, 2, 1);
    sg->addWidget(captionFor(C::Edit11, edit11), 3, 0);
    sg->addWidget(edit11, 3, 1, Qt::AlignLeft);

    auto* comboBox41 = make(C::ComboBox41);
    auto* bitBtn2 = make(C::BitBtn2);
    auto* comboBox42 = make<QComboBox>(C::ComboBox42);
    comboBox42->setMinimumContentsLength(3);
    auto* bitBtn8 = make(C::BitBtn8);
    auto* edit63 = make(C::Edit63);
    setWidthChars(edit63, 5);
    auto* edit64 = make(C::Edit64);
    setWidthChars(edit64, 5);
    auto* checkBox6 = make(C::CheckBox6);
    auto* bitBtn17 = make(C::BitBtn17);
    auto* edit65 = make(C::Edit65);
    setWidthChars(edit65, 6);
    auto* bitBtn3 = make(C::BitBtn3);
    auto* edit66 = make(C::Edit66);
    setWidthChars(edit66, 6);
    auto* bitBtn4 = make(C::BitBtn4);
    auto* edit7 = make(C::Edit7);

    auto* head = section(nullptr, QStringLiteral("Zeugnisangaben"));
    auto* hg = new QGridLayout(head);
    hg->setColumnStretch(1, 1);
    addRow(hg, 0, captionFor(C::ComboBox41, comboBox41), comboBox41, bitBtn2);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(comboBox42);
    levelRow->addStretch(1);
    hg->addWidget(captionFor(C::ComboBox42, comboBox42), 1, 0);
    hg->addLayout(levelRow, 1, 1);
    hg->addWidget(bitBtn8, 1, 2);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(edit63);
    yearRow->addWidget(new QLabel(QStringLiteral("/")));
    yearRow->addWidget(edit64);
    yearRow->addSpacing(12);
    yearRow->addWidget(checkBox6);
    yearRow->addStretch(1);
    hg->addWidget(captionFor(C::Edit63, edit63), 2, 0);
    hg->addLayout(yearRow, 2, 1);
    hg->addWidget(bitBtn17, 2, 2);
    hg->addWidget(captionFor(C::Edit65, edit65), 3, 0);
    hg->addWidget(edit65, 3, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn3, 3, 2);
    hg->addWidget(captionFor(C::Edit66, edit66), 4, 0);
    hg->addWidget(edit66, 4, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn4, 4, 2);
    // The level of demand is head data like the rows above, with its
    // take-over button in the same column.
    auto* comboBox45 = make<QComboBox>(C::ComboBox45);
    comboBox45->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* bitBtn24 = make(C::BitBtn24);
    hg->addWidget(captionFor(C::ComboBox45, comboBox45), 5, 0);
    hg->addWidget(comboBox45, 5, 1, Qt::AlignLeft);
    hg->addWidget(bitBtn24, 5, 2);
    hg->addWidget(captionFor(C::Edit7, edit7), 6, 0);
    hg->addWidget(edit7, 6, 1, Qt::AlignLeft);

    auto* left = new QVBoxLayout;
    left->addWidget(student);
    left->addWidget(head);
    left->addStretch(1);

    // --- right: qualification, transfer and leaving
    auto* radioGroup1 = make(C::RadioGroup1);
    auto* bitBtn19 = make(C::BitBtn19);
    auto* radioGroup2 = make(C::RadioGroup2);
    auto* bitBtn28 = make(C::BitBtn28);
    auto* comboBox44 = make(C::ComboBox44);
    auto* label71 = captionFor(C::ComboBox44, comboBox44);

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

    auto* edit67 = make(C::Edit67);
    auto* groupBox3 = make<QGroupBox>(C::GroupBox3);
    auto* tg = new QGridLayout(groupBox3);
    addRow(tg, 0, captionFor(C::Edit67, edit67), edit67);

    auto* edit68 = make(C::Edit68);
    setWidthChars(edit68, 3);
    auto* label45 = captionFor(C::Edit68, edit68);
    auto* label17 = make<QLabel>(C::Label17);
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
    auto* label64 = make<QLabel>(C::Label64);
    auto* label65 = make<QLabel>(C::Label65);
    auto* label66 = make<QLabel>(C::Label66);
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
