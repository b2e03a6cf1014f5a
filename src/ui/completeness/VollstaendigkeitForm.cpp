#include "ui/completeness/VollstaendigkeitForm.h"

#include "common/Cp1252.h"
#include "common/GermanOrder.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ruvek::ui {

namespace {
enum Column { Nr, Schueler, Seite, Feld, Befund, ColumnCount };
constexpr int kListIndexRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1; // objectName of the control to focus
} // namespace

TVollstaendigkeitForm::TVollstaendigkeitForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVollstaendigkeitForm"));
    setWindowTitle(QStringLiteral("Test auf Vollständigkeit"));
    resize(860, 480);

    summary_ = new QLabel(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("Befunde"));
    list_->setAccessibleName(QStringLiteral("Befunde"));   // a list names itself
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Schüler"), QStringLiteral("Seite"),
                            QStringLiteral("Feld"), QStringLiteral("Befund")});
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->setSortingEnabled(true);
    list_->sortByColumn(Nr, Qt::AscendingOrder);
    list_->header()->setStretchLastSection(true);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { jumpTo(item); });

    auto* buttons = new QDialogButtonBox(this);
    auto* drucken = buttons->addButton(QStringLiteral("&Drucken"), QDialogButtonBox::ActionRole);
    drucken->setObjectName(QStringLiteral("Drucken"));
    auto* schliessen = buttons->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole);
    schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(drucken, &QPushButton::clicked, this, [this] { print(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* hint = new QLabel(QStringLiteral("Doppelklick auf einen Befund zeigt den Schüler und das Feld im Editor."),
                            this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

namespace {
// Texts sort in the German list order (umlauts as their base letter, case
// alike), numbers as numbers.
class FindingItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == 0)
            return data(0, Qt::DisplayRole).toInt() < other.data(0, Qt::DisplayRole).toInt();
        return compareGerman(utf8ToCp1252(text(column).toStdString()), utf8ToCp1252(other.text(column).toStdString())) <
               0;
    }
};
} // namespace

void TVollstaendigkeitForm::setFindings(const std::vector<Finding>& findings, const QString& className)
{
    className_ = className;
    list_->setSortingEnabled(false);
    list_->clear();
    for (const Finding& f : findings) {
        auto* item = new FindingItem(list_);
        // A number, so the column sorts 2 before 10.
        item->setData(Nr, Qt::DisplayRole, static_cast<int>(f.listIndex + 1));
        item->setData(Nr, kListIndexRole, static_cast<qulonglong>(f.listIndex));
        item->setText(Schueler, QString::fromStdString(f.student));
        item->setText(Seite, QString::fromStdString(f.page));
        item->setText(Feld, QString::fromStdString(f.caption));
        item->setData(Feld, kFieldRole, QString::fromStdString(f.field));
        item->setToolTip(Feld, QString::fromStdString(f.field));
        item->setText(Befund, QString::fromStdString(f.text));
        item->setToolTip(Befund, item->text(Befund));
    }
    list_->setSortingEnabled(true);
    for (int c = Nr; c < Befund; ++c)
        list_->resizeColumnToContents(c);
    widenForFindings();
    summary_->setText(findings.empty()
                          ? QStringLiteral("Keine Beanstandungen.")
                          : QStringLiteral("%1 Beanstandung(en) in %2").arg(findings.size()).arg(className));
}

// A finding's text is the point of the window: the window grows (up to the
// screen's width) until the longest text is shown whole.
void TVollstaendigkeitForm::widenForFindings()
{
    int longest = 0;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        longest = std::max(longest, list_->fontMetrics().horizontalAdvance(list_->topLevelItem(i)->text(Befund)));
    int needed = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width() + longest + 16;
    for (int c = Nr; c < Befund; ++c)
        needed += list_->columnWidth(c);
    const QMargins margins = layout()->contentsMargins();
    const int extra = needed - (width() - margins.left() - margins.right());
    if (extra <= 0)
        return;
    int wanted = width() + extra;
    if (const QScreen* s = screen())
        wanted = std::min(wanted, s->availableGeometry().width());
    if (wanted > width())
        resize(wanted, height());
}

void TVollstaendigkeitForm::jumpTo(QTreeWidgetItem* item)
{
    if (!item || !onJump)
        return;
    onJump(static_cast<std::size_t>(item->data(Nr, kListIndexRole).toULongLong()), item->data(Feld, kFieldRole).toString());
}

QString TVollstaendigkeitForm::reportHtml() const
{
    QString html = QStringLiteral("<h3>Test auf Vollständigkeit: %1</h3>").arg(className_.toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(summary_->text().toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (int c = Nr; c < ColumnCount; ++c)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(list_->headerItem()->text(c).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        html += QStringLiteral("<tr>");
        for (int c = Nr; c < ColumnCount; ++c)
            html += QStringLiteral("<td>%1</td>").arg(list_->topLevelItem(i)->text(c).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void TVollstaendigkeitForm::printTo(QPrinter& printer) const
{
    QTextDocument doc;
    doc.setHtml(reportHtml());
    doc.print(&printer);
}

void TVollstaendigkeitForm::print()
{
    QPrinter printer;
    printer.setDocName(windowTitle());
    // Without an installed printer the dialog offers only a file, which
    // needs a name before the dialog opens.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QStringLiteral("Vollstaendigkeit.pdf"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer);
}

} // namespace ruvek::ui
