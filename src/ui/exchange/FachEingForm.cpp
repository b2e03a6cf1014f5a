#include "ui/exchange/FachEingForm.h"

#include "common/Cp1252.h"
#include "exchange/GradeCell.h"
#include "grades/GradeNotation.h"
#include "ui/QtPrompter.h"
#include "ui/exchange/EntryGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace ruvek::ui::exchange {

namespace {

const QColor kWrongEntry(255, 200, 200);
constexpr int kShownColumn = 30;   // narrower columns are hidden ones

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint = nullptr)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    if (hint) {
        b->setToolTip(QString::fromUtf8(hint));
        b->setStatusTip(b->toolTip());
    }
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFachEingForm::TFachEingForm(OpenClass& openClass, const Installation& installation, Prompter& prompter,
                             std::function<void()> openHelp, QWidget* parent)
    : QDialog(parent), class_(openClass), installation_(installation), prompter_(prompter)
{
    setObjectName(QStringLiteral("FachEingForm"));
    setWindowTitle(QStringLiteral("Schüler-Fach-Übersicht"));
    setModal(true);
    resize(520, 560);

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setMinimumWidth(260);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("aktuelles &Fach:"), this);
    caption->setBuddy(comboBox1_);
    top->addWidget(caption);
    top->addWidget(comboBox1_, 1);

    grid_ = new EntryGrid(this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setAccessibleName(QStringLiteral("Schüler-Fach-Übersicht"));   // a table names itself
    grid_->setColumnCount(kSubjectEntryColumns);
    grid_->verticalHeader()->hide();
    QStringList headers;
    for (const char* h : kSubjectEntryHeaders)
        headers << QString::fromUtf8(h);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->horizontalHeader()->setMinimumSectionSize(0);
    // Down the column: a class's grades in one subject are typed one under
    // the other.
    grid_->setEnterMove([this](int row, int column) {
        return QPoint(row + 1 < grid_->rowCount() ? row + 1 : row, column);
    });
    connect(grid_, &QTableWidget::cellChanged, this, &TFachEingForm::cellEdited);

    auto* sorts = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        int column;
        bool ascending;
    } sortButtons[] = {
        {"BitBtn3", "Klasse ▲", "Sortieren nach Klasse; aufsteigend", ColKlasse, true},
        {"BitBtn4", "Klasse ▼", "Sortieren nach Klasse; absteigend", ColKlasse, false},
        {"BitBtn5", "Name ▲", "Sortieren nach Name; aufsteigend", ColName, true},
        {"BitBtn6", "Name ▼", "Sortieren nach Name; absteigend", ColName, false},
    };
    for (const auto& s : sortButtons) {
        auto* b = button(this, s.name, s.caption, s.hint);
        connect(b, &QPushButton::clicked, this, [this, column = s.column, up = s.ascending] { sortBy(column, up); });
        sorts->addWidget(b);
    }

    auto* help = button(this, "BitBtn7", "mögliche Eintragungen");
    connect(help, &QPushButton::clicked, this, [openHelp] {
        if (openHelp)
            openHelp();
    });
    auto* clear = button(this, "BitBtn8", "ALLE Bewertungen (u. Zus.) löschen");
    connect(clear, &QPushButton::clicked, this, &TFachEingForm::BitBtn8Click);
    auto* tools = new QHBoxLayout;
    tools->addWidget(help);
    tools->addWidget(clear);

    auto* ok = button(this, "BitBtn1", "beenden");
    auto* cancel = button(this, "BitBtn2", "abbrechen");
    connect(ok, &QPushButton::clicked, this, &TFachEingForm::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &TFachEingForm::BitBtn2Click);
    auto* close = new QHBoxLayout;
    close->addStretch(1);
    close->addWidget(ok);
    close->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(sorts);
    layout->addLayout(tools);
    layout->addLayout(close);

    connect(comboBox1_, &QComboBox::currentIndexChanged, this, &TFachEingForm::ComboBox1Change);
}

void TFachEingForm::FormShow()
{
    {
        const QSignalBlocker block(comboBox1_);
        comboBox1_->clear();
        for (const std::string& name : buildFachListen(installation_.katalog).FaecherListe)
            comboBox1_->addItem(toQString(cp1252ToUtf8(name)));
        comboBox1_->setCurrentIndex(0);
    }
    subject_ = toUtf8(comboBox1_->currentText());
    const auto widths = subjectEntryWidths(installation_.schoolType(), installation_.settings.prog.ZeigeZusatz == 1);
    // The narrowest widths keep a column out of sight (the key number, and
    // the level or addition where they do not apply); a shown column is at
    // least as wide as its header.
    QHeaderView* header = grid_->horizontalHeader();
    for (int c = 0; c < kSubjectEntryColumns; ++c) {
        const int width = widths[static_cast<std::size_t>(c)];
        grid_->setColumnWidth(c, width < kShownColumn ? width : std::max(width, header->sectionSizeHint(c)));
    }
    // Every opening starts from the records alone: no row of an earlier
    // opening survives to be written back.
    rows_ = studentRows(class_.records);
    fillSubjectColumns(rows_, class_.records, subject_);
    showRows();
    if (grid_->rowCount() > 0)
        grid_->setCurrentCell(0, ColNote);
}

void TFachEingForm::showRows()
{
    filling_ = true;
    grid_->setRowCount(static_cast<int>(rows_.size()));
    const SchoolType type = installation_.schoolType();
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        for (int c = 0; c < kSubjectEntryColumns; ++c) {
            const std::string& text = rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(toQString(text));
            const bool noSubject = rows_[static_cast<std::size_t>(r)][ColNote] == kNoSubjectMark;
            if (c < ColNiveau || noSubject || isNoSubject(subject_))
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (c == ColNote && !noSubject && !isKnownGrade(text, type)) {
                item->setBackground(kWrongEntry);
                item->setToolTip(QString::fromUtf8(kUnknownGradeHint));
            }
            grid_->setItem(r, c, item);
        }
    filling_ = false;
}

void TFachEingForm::takeRows()
{
    grid_->commitOpenEditor();
    for (int r = 0; r < grid_->rowCount() && r < static_cast<int>(rows_.size()); ++r)
        for (int c = ColNiveau; c < kSubjectEntryColumns; ++c)
            if (const QTableWidgetItem* item = grid_->item(r, c))
                rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = toUtf8(item->text());
}

// A typed cell shows at once what will be stored, and a grade the
// certificates do not know is marked.
void TFachEingForm::cellEdited(int row, int column)
{
    if (filling_ || column < ColNiveau)
        return;
    QTableWidgetItem* item = grid_->item(row, column);
    const std::string typed = toUtf8(item->text());
    std::string shown;
    bool known = true;
    if (column == ColNote) {
        const GradeCellValue v = normaliseGradeCell(typed, installation_.schoolType());
        shown = v.text;
        known = v.known;
    } else if (column == ColNiveau) {
        shown = cp1252ToUtf8(FirstCellChar(typed).view());
    } else {
        shown = cp1252ToUtf8(utf8ToCp1252(typed).substr(0, 2));
    }
    filling_ = true;
    item->setText(toQString(shown));
    item->setBackground(known ? QBrush() : QBrush(kWrongEntry));
    item->setToolTip(known ? QString() : QString::fromUtf8(kUnknownGradeHint));
    filling_ = false;
}

void TFachEingForm::writeBack()
{
    takeRows();
    const SubjectWriteBack result = writeBackSubject(rows_, class_.records, subject_);
    if (result.changed)
        class_.changed = true;
    reportWriteBack(result, subject_, prompter_);
}

void TFachEingForm::ComboBox1Change(int)
{
    if (!isNoSubject(subject_))
        writeBack();
    subject_ = toUtf8(comboBox1_->currentText());
    fillSubjectColumns(rows_, class_.records, subject_);
    showRows();
}

void TFachEingForm::BitBtn1Click()
{
    writeBack();
    accept();
}

void TFachEingForm::BitBtn2Click()
{
    if (prompter_.askYesNo(kAskTakeOverOnCancel))
        writeBack();
    reject();
}

void TFachEingForm::sortBy(int column, bool ascending)
{
    takeRows();
    sortRows(rows_, column, ascending);
    showRows();
}

void TFachEingForm::BitBtn8Click()
{
    if (!prompter_.askYesNo(kAskClearAll))
        return;
    takeRows();
    clearSubjectColumns(rows_);
    showRows();
}

} // namespace ruvek::ui::exchange
