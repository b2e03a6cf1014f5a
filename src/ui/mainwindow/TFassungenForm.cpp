#include "ui/mainwindow/TFassungenForm.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ruvek::ui {

QString fileSizeText(std::uintmax_t bytes)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(static_cast<qulonglong>((bytes + 1023) / 1024)) +
           QStringLiteral(" KB");
}

TFassungenForm::TFassungenForm(const std::string& className, const std::vector<KeptVersion>& versions,
                               QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FassungenForm"));
    setWindowTitle(QStringLiteral("Ältere Fassung wiederherstellen"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Aufbewahrte Fassungen der Klasse \"%1\" (die neueste zuerst):")
                                   .arg(QString::fromStdString(className)),
                               this);
    layout->addWidget(caption);

    grid_ = new QTableWidget(static_cast<int>(versions.size()), 4, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("Datum"), QStringLiteral("Uhrzeit"), QStringLiteral("Schüler"), QStringLiteral("Größe")});
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(versions.size()); ++row) {
        const KeptVersion& v = versions[static_cast<std::size_t>(row)];
        const QString count = v.studentCount ? QString::number(*v.studentCount) : QStringLiteral("unlesbar");
        const QString cells[] = {QString::fromStdString(dateText(v.key.stamp)),
                                 QString::fromStdString(timeText(v.key.stamp)) +
                                     (v.key.sequence > 1 ? QStringLiteral(" (%1)").arg(v.key.sequence) : QString()),
                                 count, fileSizeText(v.size)};
        for (int col = 0; col < 4; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(col >= 2 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            grid_->setItem(row, col, item);
        }
    }
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setMinimumSize(420, 260);
    if (!versions.empty())
        grid_->selectRow(0);
    layout->addWidget(grid_, 1);

    auto* note = new QLabel(QStringLiteral("Die gewählte Fassung wird als neue, noch nicht gespeicherte Klasse "
                                           "geöffnet.\nKeine Datei wird dabei überschrieben."),
                            this);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(QStringLiteral("Öffnen"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("BitBtn1"));
    open->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

std::optional<std::size_t> TFassungenForm::ask()
{
    if (exec() != QDialog::Accepted || grid_->currentRow() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(grid_->currentRow());
}

} // namespace ruvek::ui
