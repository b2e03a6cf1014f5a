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

using C = ruvek::editor::ControlId;
namespace rows = ruvek::editor;

// A grade or addition field of the elective rows: three characters, centred.
QWidget* gradeField(C id)
{
    auto* e = make<QLineEdit>(id);
    setWidthChars(e, 3);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

// Elective w (1..6): subject selector, grade, addition, level selector side
// by side. The editor's rules name them by the elective (EditorBinder).
QWidget* electiveCell(int w, std::vector<QWidget*>& tabOrder)
{
    auto* cell = new QWidget;
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    auto* subject = make(rows::comboBoxW(w));
    subject->setMinimumWidth(140);
    auto* grade = gradeField(rows::editW(w));
    auto* addition = gradeField(rows::editWZ(w));
    auto* level = make(rows::levelSelector(18 + w));
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
    eg->addWidget(make(C::Label33), 0, 1);
    eg->addWidget(make(C::Label34), 0, 2);
    std::vector<QWidget*> firstColumn, secondColumn;
    for (int r = 1; r <= 3; ++r) {
        eg->addWidget(electiveCell(r, firstColumn), r, 1);
        eg->addWidget(electiveCell(r + 3, secondColumn), r, 2);
    }
    eg->addWidget(make(C::Label35), 1, 0);
    eg->addWidget(make(C::Label36), 2, 0);
    tabOrder.insert(tabOrder.end(), firstColumn.begin(), firstColumn.end());
    tabOrder.insert(tabOrder.end(), secondColumn.begin(), secondColumn.end());

    auto* editW = gradeField(C::EditW);
    auto* editWZ = gradeField(C::EditWZ);
    auto* overall = new QHBoxLayout;
    overall->addWidget(make(C::Label13));
    overall->addSpacing(12);
    overall->addWidget(captionFor(C::EditW, editW));
    overall->addWidget(editW);
    overall->addWidget(captionFor(C::EditWZ, editWZ));
    overall->addWidget(editWZ);
    overall->addStretch(1);
    eg->addLayout(overall, 4, 0, 1, 3);

    auto* bitBtn23 = make(C::BitBtn23);
    auto* bitBtn21 = make(C::BitBtn21);
    auto* gradeButtons = new QHBoxLayout;
    gradeButtons->setSpacing(6);
    gradeButtons->addStretch(1);
    gradeButtons->addWidget(bitBtn21);
    gradeButtons->addWidget(bitBtn23);
    eg->addLayout(gradeButtons, 5, 0, 1, 3);
    tabOrder.insert(tabOrder.end(), {editW, editWZ, bitBtn21, bitBtn23});

    // --- the certificate foot
    auto* checkBox3 = make(C::CheckBox3);
    auto* edit69 = make(C::Edit69);
    auto* maskEdit4 = make(C::MaskEdit4);
    auto* bitBtn5 = make(C::BitBtn5);
    auto* foot = section(nullptr, QStringLiteral("Zeugnis-Fuß"));
    auto* fg = new QGridLayout(foot);
    fg->addWidget(captionFor(C::Edit69, edit69), 0, 0);
    fg->addWidget(edit69, 0, 1);
    fg->addWidget(captionFor(C::MaskEdit4, maskEdit4), 0, 2);
    fg->addWidget(maskEdit4, 0, 3);
    fg->addWidget(bitBtn5, 0, 4);
    fg->addWidget(checkBox3, 1, 0, 1, 5);
    fg->setColumnStretch(1, 1);

    auto* edit72 = make(C::Edit72);
    setWidthChars(edit72, 5);
    auto* edit74 = make(C::Edit74);
    setWidthChars(edit74, 5);
    auto* groupBox8 = make<QGroupBox>(C::GroupBox8);
    auto* ag = new QHBoxLayout(groupBox8);
    ag->addWidget(captionFor(C::Edit72, edit72));
    ag->addWidget(edit72);
    ag->addSpacing(16);
    ag->addWidget(captionFor(C::Edit74, edit74));
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
