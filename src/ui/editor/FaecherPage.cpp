// Page "Fächer u. Bewertungen": the 18 subject rows (subject, grade,
// addition, level) with the level of demand, the examination data and the
// annex the rows are laid out for.
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
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace ruvek::ui::editor {

namespace {

using C = ruvek::editor::ControlId;
namespace rows = ruvek::editor;

// The short tag in front of a row ("1. FS" before the first foreign language).
std::optional<C> rowTag(int k)
{
    switch (k) {
    case 2: return C::LabelFS1;
    case 3: return C::LabelFS2;
    case 9: return C::LabelFS;
    default: return std::nullopt;
    }
}

// The Tab order of the subject rows: down the grade column (with the
// addition beside each grade when it is shown), so grades are typed row by
// row without passing the subject and level selectors; those follow after
// the last row.
struct RowChains {
    std::vector<QWidget*> grades;
    std::vector<QWidget*> selectors;
};

// One subject row k in grid row r; appends its inputs to the chains. The
// editor's rules name the row's controls by its subject (EditorBinder).
void addSubjectRow(QGridLayout* grid, int r, int k, RowChains& chains)
{
    auto* grade = make<QLineEdit>(rows::editF(k));
    setWidthChars(grade, 3);
    grade->setAlignment(Qt::AlignCenter);
    auto* addition = make<QLineEdit>(rows::editFZ(k));
    setWidthChars(addition, 3);
    addition->setAlignment(Qt::AlignCenter);
    auto* level = make(rows::levelSelector(k));

    if (const auto tag = rowTag(k))
        grid->addWidget(make(*tag), r, 0);
    auto* subject = captionFor(rows::editF(k), grade);
    grid->addWidget(subject, r, 1);
    if (const auto selectorId = rows::subjectSelector(k)) {
        // Label and selector share the cell; the annex decides which one shows.
        auto* selector = make(*selectorId);
        grid->addWidget(selector, r, 1);
        chains.selectors.push_back(selector);
    }
    grid->addWidget(grade, r, 2);
    grid->addWidget(addition, r, 3);
    grid->addWidget(level, r, 4);
    chains.grades.insert(chains.grades.end(), {grade, addition});
    chains.selectors.push_back(level);
}

} // namespace

QWidget* buildFaecherPage()
{
    auto* page = new TwoColumnPage;
    RowChains chains;

    // --- left: the subject grid
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    grid->setColumnMinimumWidth(1, 160);
    grid->setColumnStretch(1, 1);
    grid->addWidget(make(C::Label61), 0, 0);
    grid->addWidget(make(C::Label48), 0, 1);
    grid->addWidget(make(C::Label12), 0, 2, Qt::AlignHCenter);
    grid->addWidget(make(C::LabelZus), 0, 3, Qt::AlignHCenter);
    grid->addWidget(make(C::Label50), 0, 4);
    int r = 1;
    for (int k = 1; k <= 9; ++k)
        addSubjectRow(grid, r++, k, chains);
    // The second block of rows has its own caption line.
    grid->addWidget(make(C::Label51), r, 1);
    grid->addWidget(make(C::Label53), r, 4);
    ++r;
    for (int k = 10; k <= 18; ++k)
        addSubjectRow(grid, r++, k, chains);
    for (int c = 1; c <= 4; ++c)
        grid->itemAtPosition(0, c)->widget()->setStyleSheet(QStringLiteral("font-weight: bold;"));

    // --- right: level of demand, examination data, annex, commands
    auto* comboBox43 = make(C::ComboBox43);
    auto* bitBtn20 = make(C::BitBtn20);
    auto* groupBox7 = make<QGroupBox>(C::GroupBox7);
    auto* eg = new QGridLayout(groupBox7);
    eg->addWidget(captionFor(C::ComboBox43, comboBox43), 0, 0, 1, 2);
    eg->addWidget(comboBox43, 1, 0);
    eg->addWidget(bitBtn20, 1, 1);
    eg->setColumnStretch(0, 1);

    auto* checkBox5 = make(C::CheckBox5);
    auto* bitBtn18 = make(C::BitBtn18);
    auto* comboBox38 = make(C::ComboBox38);
    auto* edit75 = make(C::Edit75);
    setWidthChars(edit75, 3);
    auto* checkBox4 = make(C::CheckBox4);
    auto* groupBox6 = make<QGroupBox>(C::GroupBox6);
    auto* pg = new QGridLayout(groupBox6);
    pg->addWidget(checkBox5, 0, 0, 1, 3);
    pg->addWidget(bitBtn18, 0, 3);
    pg->addWidget(captionFor(C::ComboBox38, comboBox38), 1, 0);
    pg->addWidget(comboBox38, 1, 1);
    pg->addWidget(edit75, 1, 2);
    pg->addWidget(checkBox4, 2, 0, 1, 3);
    pg->setColumnStretch(1, 1);

    auto* edit8 = make(C::Edit8);
    auto* edit9 = make(C::Edit9);
    auto* edit14 = make(C::Edit14);
    auto* annex = section(nullptr, QStringLiteral("Anlage"));
    auto* ag = new QGridLayout(annex);
    addRow(ag, 0, captionFor(C::Edit8, edit8), edit8);
    addRow(ag, 1, captionFor(C::Edit9, edit9), edit9);
    addRow(ag, 2, captionFor(C::Edit14, edit14), edit14);
    ag->setColumnStretch(2, 1);

    auto* bitBtn7 = make(C::BitBtn7);
    auto* bitBtn22 = make(C::BitBtn22);
    auto* bitBtn1 = make(C::BitBtn1);

    auto* speedButton15 = make(C::SpeedButton15);
    auto* speedButton20 = make(C::SpeedButton20);
    auto* speedButton16 = make(C::SpeedButton16);
    auto* readAloud = new QHBoxLayout;
    readAloud->addWidget(speedButton15);
    readAloud->addWidget(speedButton20);
    readAloud->addWidget(speedButton16);
    readAloud->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(groupBox7);
    right->addWidget(groupBox6);
    right->addWidget(annex);
    right->addWidget(bitBtn7);
    right->addWidget(bitBtn22);
    right->addWidget(bitBtn1);
    right->addLayout(readAloud);
    right->addStretch(1);

    // The grid keeps its rows together at the top; the space below the last
    // row keeps it off the page's lower edge.
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addStretch(1);
    auto* columns = new QBoxLayout(QBoxLayout::LeftToRight);
    columns->setSpacing(12);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    page->setColumns(columns, left, right);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns);

    std::vector<QWidget*> tabOrder = chains.grades;
    tabOrder.insert(tabOrder.end(), chains.selectors.begin(), chains.selectors.end());
    tabOrder.insert(tabOrder.end(), {comboBox43, bitBtn20, checkBox5, bitBtn18, comboBox38, checkBox4, bitBtn7,
                                     bitBtn22, bitBtn1, speedButton15, speedButton20, speedButton16});
    chainTabOrder(tabOrder);
    return page;
}

} // namespace ruvek::ui::editor
