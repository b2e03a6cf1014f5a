#include "ui/statistics/NotenStatForm.h"

#include "common/Cp1252.h"
#include "qtdraw/PrinterDevice.h"
#include "ui/statistics/StatisticsChartView.h"

#include <QComboBox>
#include <QShowEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {

const char* const kRowLabels[10] = {"1 -- sehr gut", "2 -- gut", "3 -- befriedigend", "4 -- ausreichend",
                                    "5 -- mangelhaft", "6 -- ungenügend", "7 -- Ü-Note", "8 -- Ü-Note",
                                    "andere", "ohne"};

QLineEdit* field(const QString& name, int width)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight);
    e->setFont(QFont(QStringLiteral("Courier New")));
    e->setFixedWidth(width);
    return e;
}

} // namespace

TNotenStatForm::TNotenStatForm(ProgramState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter)
{
    setObjectName(QStringLiteral("NotenStatForm"));
    setWindowTitle(QStringLiteral("Fach-Noten-Statistik"));

    comboBox1_ = new QComboBox;
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->addItem(QString::fromUtf8(kStatAlle.data(), static_cast<int>(kStatAlle.size())));
    for (const std::string& name : buildFachListen(state.katalog).FaecherListe)
        comboBox1_->addItem(QString::fromStdString(cp1252ToUtf8(name)));
    comboBox1_->setCurrentIndex(2);
    comboBox1_->setMinimumWidth(220);
    comboBox2_ = new QComboBox;
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    comboBox2_->setMinimumWidth(90);
    connect(comboBox1_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(comboBox2_, &QComboBox::activated, this, [this] { ComboBox2Change(); });

    // The captions name their selectors for screen readers.
    auto* subjectCaption = new QLabel(QStringLiteral("Fach"));
    subjectCaption->setBuddy(comboBox1_);
    auto* classCaption = new QLabel(QStringLiteral("Klasse"));
    classCaption->setBuddy(comboBox2_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(subjectCaption);
    choices->addWidget(comboBox1_);
    choices->addSpacing(16);
    choices->addWidget(classCaption);
    choices->addWidget(comboBox2_);
    choices->addStretch();

    auto* grid = new QGridLayout;
    auto* heading = new QLabel(QStringLiteral("Bewertung"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold"));
    grid->addWidget(heading, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Anzahl")), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("%-Anteil")), 0, 2, Qt::AlignRight);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(QString::fromUtf8(kRowLabels[i]));
        edits_[static_cast<std::size_t>(i)] = field(QStringLiteral("Edit%1").arg(i + 1), 70);
        edits_[static_cast<std::size_t>(i + 10)] = field(QStringLiteral("Edit%1").arg(i + 11), 80);
        // Each number is spoken with its row and column.
        edits_[static_cast<std::size_t>(i)]->setAccessibleName(label->text() + QStringLiteral(" Anzahl"));
        edits_[static_cast<std::size_t>(i + 10)]->setAccessibleName(label->text() + QStringLiteral(" %-Anteil"));
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(edits_[static_cast<std::size_t>(i)], i + 1, 1);
        grid->addWidget(edits_[static_cast<std::size_t>(i + 10)], i + 1, 2);
        if (i == 6 || i == 7)
            labels78_[static_cast<std::size_t>(i - 6)] = label;
    }
    editSum_ = field(QStringLiteral("EditSum"), 70);
    editSchnitt_ = field(QStringLiteral("EditSchnitt"), 70);
    grid->addWidget(new QLabel(QStringLiteral("Summe")), 11, 0);
    grid->addWidget(editSum_, 11, 1);
    grid->addWidget(new QLabel(QStringLiteral("Durchschnitt")), 12, 0);
    grid->addWidget(editSchnitt_, 12, 1);
    editSum_->setAccessibleName(QStringLiteral("Summe"));
    editSchnitt_->setAccessibleName(QStringLiteral("Durchschnitt"));
    grid->setRowStretch(13, 1);

    chart_ = new StatisticsChartView;
    chart_->setMinimumSize(440, 340);

    auto* body = new QHBoxLayout;
    body->addLayout(grid);
    body->addWidget(chart_, 1);

    auto* save = new QPushButton(QStringLiteral("Diagramm speichern ..."));
    save->setObjectName(QStringLiteral("BitBtn2"));
    save->setToolTip(QStringLiteral("das Diagramm als Bild (PNG) speichern"));
    auto* print = new QPushButton(QStringLiteral("Diagramm drucken ..."));
    print->setObjectName(QStringLiteral("BitBtn3"));
    print->setToolTip(QStringLiteral("das Diagramm ausdrucken"));
    auto* close = new QPushButton(QStringLiteral("Beenden"));
    close->setObjectName(QStringLiteral("BitBtn1"));
    connect(save, &QPushButton::clicked, this, [this] { saveChartClick(); });
    connect(print, &QPushButton::clicked, this, [this] { printChartClick(); });
    connect(close, &QPushButton::clicked, this, [this] { done(1); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

SchoolType TNotenStatForm::schoolType() const
{
    return state_.schoolType();
}

void TNotenStatForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TNotenStatForm::FormShow()
{
    {
        const QSignalBlocker b1(comboBox1_), b2(comboBox2_);
        comboBox2_->clear();
        for (const std::string& k : statisticsClassList(state_.klasse.records))
            comboBox2_->addItem(QString::fromStdString(cp1252ToUtf8(k)));
        comboBox2_->setCurrentIndex(0);
        comboBox1_->setCurrentIndex(2);
    }
    const bool eight = hasEightSteps(schoolType());
    for (QLabel* l : labels78_)
        l->setVisible(eight);
    for (int i : {6, 7, 16, 17})
        edits_[static_cast<std::size_t>(i)]->setVisible(eight);
    // The numbers of an earlier opening belong to other choices.
    for (QLineEdit* e : edits_)
        e->clear();
    editSum_->clear();
    editSchnitt_->clear();
    prepareStatisticsChart(*chart_, chartPoints(schoolType()));
}

void TNotenStatForm::ComboBox1Change()
{
    const std::string subject = utf8ToCp1252(comboBox1_->currentText().toStdString());
    const std::string klasse = utf8ToCp1252(comboBox2_->currentText().toStdString());
    const StatResult result = computeGradeStatistics(state_.klasse.records, subject, klasse);
    reportStatProblem(result, prompter_);
    // The program speaks German whatever the system's locale: decimal comma.
    const StatDisplay d = formatStatistics(result, schoolType(), ',');
    for (std::size_t i = 0; i < 10; ++i) {
        edits_[i]->setText(QString::fromStdString(d.counts[i]));
        edits_[i + 10]->setText(QString::fromStdString(d.percents[i]));
    }
    editSum_->setText(QString::fromStdString(d.sum));
    editSchnitt_->setText(QString::fromStdString(d.average));
    showStatisticsChart(*chart_, d);
}

bool TNotenStatForm::saveChart(const QString& file)
{
    return chart_->grab().save(file, "PNG");
}

bool TNotenStatForm::printChart(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QRectF target(0, 0, page.width(), page.width() * chart_->height() / std::max(1, chart_->width()));
    chart_->render(&painter, target.toRect());
    return painter.end();
}

void TNotenStatForm::saveChartClick()
{
    FileDialogRequest request;
    request.title = "Diagramm speichern";
    request.folder = state_.klasse.dataFolder;
    request.filter = "PNG-Bilder (*.png)|*.png";
    request.proposedName = fileNameForTitle(chart_->titleText(2).toStdString(), ".png");
    const auto file = prompter_.chooseSaveFile(request);
    if (!file)
        return;
    if (!saveChart(QString::fromStdString(file->string())))
        prompter_.error("Das Diagramm konnte nicht gespeichert werden:\n" + file->string());
}

void TNotenStatForm::printChartClick()
{
    // Printing goes to the printer of the program; without one, to a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(chart_->titleText(2));
    if (!PrinterDevice::printerInstalled()) {
        FileDialogRequest request;
        request.title = "Diagramm als PDF-Datei speichern";
        request.folder = state_.klasse.dataFolder;
        request.filter = "PDF-Dateien (*.pdf)|*.pdf";
        request.proposedName = fileNameForTitle(chart_->titleText(2).toStdString(), ".pdf");
        const auto file = prompter_.chooseSaveFile(request);
        if (!file)
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file->string()));
    }
    if (!printChart(printer))
        prompter_.error("Das Diagramm konnte nicht gedruckt werden.");
}

} // namespace ruvek::ui
