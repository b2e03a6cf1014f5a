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

namespace ruvek::ui::editor {

namespace {

QByteArray rowName(const char* prefix, int k, const char* suffix = "")
{
    return QByteArray(prefix) + QByteArray::number(k) + suffix;
}

// The rows whose subject is chosen in a selector ComboBoxF<k>.
bool hasSubjectSelector(int k)
{
    for (int n : {2, 3, 4, 6, 8, 9, 10, 14, 15, 16, 17, 18})
        if (n == k)
            return true;
    return false;
}

// The short tag in front of a row ("1. FS" before the first foreign language).
const char* rowTagName(int k)
{
    switch (k) {
    case 2: return "LabelFS1";
    case 3: return "LabelFS2";
    case 9: return "LabelFS";
    default: return nullptr;
    }
}

QString rowTagCaption(int k)
{
    switch (k) {
    case 2: return QStringLiteral("1. FS");
    case 3: return QStringLiteral("2. FS");
    case 9: return QStringLiteral("FS");
    default: return {};
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
    auto* grade = lineEdit(rowName("EditF", k).constData(), {}, 3);
    grade->setAlignment(Qt::AlignCenter);
    auto* addition = lineEdit(rowName("EditF", k, "Z").constData(), {}, 3);
    addition->setAlignment(Qt::AlignCenter);
    auto* level = comboBox(rowName("ComboBox", k).constData());

    if (const char* tag = rowTagName(k))
        grid->addWidget(label(tag, rowTagCaption(k)), r, 0);
    auto* subject = buddyLabel(rowName("LabelF", k).constData(), QStringLiteral("???"), grade);
    grid->addWidget(subject, r, 1);
    if (hasSubjectSelector(k)) {
        // Label and selector share the cell; the annex decides which one shows.
        auto* selector = comboBox(rowName("ComboBoxF", k).constData());
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
    grid->addWidget(label("Label61", QStringLiteral("(Prfgs.-fächer)")), 0, 0);
    grid->addWidget(label("Label48", QStringLiteral("Fach")), 0, 1);
    grid->addWidget(label("Label12", QStringLiteral("Bew.")), 0, 2, Qt::AlignHCenter);
    grid->addWidget(label("LabelZus", QStringLiteral("Zusatz")), 0, 3, Qt::AlignHCenter);
    grid->addWidget(label("Label50", QStringLiteral("Niveau")), 0, 4);
    int r = 1;
    for (int k = 1; k <= 9; ++k)
        addSubjectRow(grid, r++, k, chains);
    // The second block of rows has its own caption line.
    grid->addWidget(label("Label51", QStringLiteral("weitere Fächer")), r, 1);
    grid->addWidget(label("Label53", QStringLiteral("Niveau")), r, 4);
    ++r;
    for (int k = 10; k <= 18; ++k)
        addSubjectRow(grid, r++, k, chains);
    for (int c = 1; c <= 4; ++c)
        grid->itemAtPosition(0, c)->widget()->setStyleSheet(QStringLiteral("font-weight: bold;"));

    // --- right: level of demand, examination data, annex, commands
    auto* comboBox43 = comboBox("ComboBox43", ebeneItems());
    auto* bitBtn20 = takeOverButton("BitBtn20",
                                    QStringLiteral("Zeugnisanspruchsebene auf ALLE nachfolgenden  Schüler übertragen"));
    auto* groupBox7 = section("GroupBox7", QStringLiteral("Anspruchsebene"));
    auto* eg = new QGridLayout(groupBox7);
    eg->addWidget(buddyLabel("Label56", QStringLiteral("Zeugnis-&Anspruchsebene:"), comboBox43), 0, 0, 1, 2);
    eg->addWidget(comboBox43, 1, 0);
    eg->addWidget(bitBtn20, 1, 1);
    eg->setColumnStretch(0, 1);

    auto* checkBox5 = checkBox("CheckBox5", QStringLiteral("Teilnahme an Übergangsprüfung"));
    auto* bitBtn18 =
        takeOverButton("BitBtn18", QStringLiteral("die Prüfungsteilnahme für ALLE folgenden übernehmen"));
    auto* comboBox38 = comboBox("ComboBox38");
    auto* edit75 = displayEdit("Edit75", QStringLiteral("Bewertung im 4. Prüfungsfach"), 3);
    auto* checkBox4 = checkBox("CheckBox4", QStringLiteral("bestanden"));
    auto* groupBox6 = section("GroupBox6", QStringLiteral("Prüfungsdaten"));
    auto* pg = new QGridLayout(groupBox6);
    pg->addWidget(checkBox5, 0, 0, 1, 3);
    pg->addWidget(bitBtn18, 0, 3);
    pg->addWidget(buddyLabel(nullptr, QStringLiteral("4. &Prüfungsfach:"), comboBox38), 1, 0);
    pg->addWidget(comboBox38, 1, 1);
    pg->addWidget(edit75, 1, 2);
    pg->addWidget(checkBox4, 2, 0, 1, 3);
    pg->setColumnStretch(1, 1);

    auto* edit8 = displayEdit("Edit8", QStringLiteral("aus den Zeugnisabgaben ermittelte Anlage des  Zeugniserlasses"));
    auto* edit9 = displayEdit("Edit9", QStringLiteral("Anlage vor dem letzten Speichern"));
    auto* edit14 = displayEdit("Edit14", QStringLiteral("Anlage, für die die Fächer eingerichtet sind"));
    auto* annex = section(nullptr, QStringLiteral("Anlage"));
    auto* ag = new QGridLayout(annex);
    addRow(ag, 0, buddyLabel(nullptr, QStringLiteral("aktuell:"), edit8), edit8);
    addRow(ag, 1, buddyLabel(nullptr, QStringLiteral("vorher:"), edit9), edit9);
    addRow(ag, 2, buddyLabel(nullptr, QStringLiteral("Fächer lt. Anl.:"), edit14), edit14);
    ag->setColumnStretch(2, 1);

    auto* bitBtn7 = button("BitBtn7", QStringLiteral("Fächer-Kanon lt. Anl. neu setzen"));
    auto* bitBtn22 = button("BitBtn22", QStringLiteral("ALLE Bewertungen (u. Zus.) löschen"));
    auto* bitBtn1 = button("BitBtn1", QStringLiteral("mögl. Eintragungen"));

    auto* speedButton15 =
        speedButton("SpeedButton15", QStringLiteral("vorlesen"), QStringLiteral("Fächer (, Anspruchsebene) und Bewertung vorlesen"));
    auto* speedButton20 =
        speedButton("SpeedButton20", QStringLiteral("anhalten"), QStringLiteral("das Vorlesen anhalten (pausieren)"));
    auto* speedButton16 = speedButton("SpeedButton16", QStringLiteral("beenden"), QStringLiteral("das Vorlesen beenden"));
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
