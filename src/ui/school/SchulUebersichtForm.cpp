#include "ui/school/SchulUebersichtForm.h"

#include "classfile/ClassFolder.h"
#include "classfile/ClassLock.h"
#include "common/Prompter.h"
#include "school/SchoolPrint.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCollator>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <chrono>
#include <set>

namespace fs = std::filesystem;

namespace ruvek::ui {

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

enum Column { FileCol, ClassCol, TeacherCol, StudentsCol, FormsCol, FindingsCol, LockCol, SavedCol, VersionsCol,
              NoteCol, ColumnCount };

const char* const kHeaders[ColumnCount] = {"Datei",     "Klasse",         "Klassenlehrer",
                                           "Schüler",   "Zeugnisformulare", "Beanstandungen",
                                           "geöffnet von", "zuletzt gespeichert", "Fassungen",
                                           "Hinweis"};

std::int64_t secondsNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

// The rows of the table: one per class file, filled in as they are read.
class ClassOverviewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const std::vector<fs::path>& files, const fs::path& folder)
    {
        beginResetModel();
        rows_.clear();
        pending_.clear();
        for (const fs::path& file : files) {
            ClassOverviewRow row;
            row.file = file;
            row.shownName = shownNameOf(file, folder);
            rows_.push_back(std::move(row));
            pending_.push_back(true);
        }
        endResetModel();
    }
    void markPending(int row)
    {
        pending_[static_cast<std::size_t>(row)] = true;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    void setRow(int row, ClassOverviewRow value)
    {
        rows_[static_cast<std::size_t>(row)] = std::move(value);
        pending_[static_cast<std::size_t>(row)] = false;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    const std::vector<ClassOverviewRow>& rows() const { return rows_; }
    bool pending(int row) const { return pending_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
            return QString::fromUtf8(kHeaders[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const ClassOverviewRow& r = rows_[static_cast<std::size_t>(index.row())];
        const bool waiting = pending_[static_cast<std::size_t>(index.row())];
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole: return display(r, waiting, column);
        // Numbers sort as numbers, texts without regard to letter case.
        case Qt::UserRole: return sortKey(r, waiting, column);
        case Qt::ToolTipRole:
            if (column == FormsCol && !waiting) {
                QStringList lines;
                for (const FormUse& use : r.forms)
                    lines << QStringLiteral("%1: %2 (%3 Schüler)")
                                 .arg(qs(use.formFile.empty() ? std::string("–") : use.formFile), qs(use.title))
                                 .arg(use.students);
                return lines.join(QLatin1Char('\n'));
            }
            if (column == FileCol)
                return qs(r.file.string());
            if (column == LockCol && !waiting)
                return qs(lockDetails(r));
            if (column == ClassCol && !waiting && !r.readable())
                return qs(r.error);
            return {};
        case Qt::TextAlignmentRole:
            if (column == StudentsCol || column == FindingsCol || column == VersionsCol)
                return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        case Qt::ForegroundRole:
            if (!waiting && !r.readable())
                return QBrush(QColor(0xA0, 0x00, 0x00));
            if (!waiting && column == FindingsCol && r.findings > 0)
                return QBrush(QColor(0xA0, 0x00, 0x00));
            return {};
        default: return {};
        }
    }

private:
    static QVariant display(const ClassOverviewRow& r, bool waiting, int column)
    {
        if (column == FileCol)
            return qs(r.shownName);
        if (waiting)
            return column == ClassCol ? QStringLiteral("wird gelesen …") : QString();
        // A file that is no readable class says why across the cells of the
        // class (the table joins them for such a row).
        if (!r.readable() && column == ClassCol)
            return qs(r.error).replace(QLatin1Char('\n'), QLatin1Char(' '));
        switch (column) {
        case ClassCol: return qs(r.className);
        case TeacherCol: return qs(r.classTeacher);
        case StudentsCol: return r.readable() ? QVariant(static_cast<qulonglong>(r.students)) : QVariant();
        case FormsCol: return qs(formsText(r));
        case FindingsCol: return r.readable() ? QVariant(static_cast<qulonglong>(r.findings)) : QVariant();
        case LockCol: return qs(lockText(r));
        case SavedCol: return qs(lastSavedText(r));
        case VersionsCol: return static_cast<qulonglong>(r.versionsKept);
        case NoteCol: {
            if (r.fileVersion == 1)
                return QStringLiteral("alte Dateiversion 1 (wird beim Speichern umgestellt)");
            return QString();
        }
        default: return {};
        }
    }
    static QVariant sortKey(const ClassOverviewRow& r, bool waiting, int column)
    {
        const bool known = !waiting && r.readable();
        switch (column) {
        case StudentsCol: return known ? qlonglong(r.students) : qlonglong(-1);
        case FindingsCol: return known ? qlonglong(r.findings) : qlonglong(-1);
        case VersionsCol: return waiting ? qlonglong(-1) : qlonglong(r.versionsKept);
        case ClassCol: return known ? qs(r.className) : QString();
        case SavedCol: return waiting ? qlonglong(-1) : qlonglong(lastSavedKey(r));
        default: return display(r, waiting, column).toString().toLower();
        }
    }

    std::vector<ClassOverviewRow> rows_;
    std::vector<bool> pending_;
};

namespace {

// Sorts numbers as numbers and texts as people read them: "3a" before
// "10a", letter case ignored.
class ClassOrderProxy : public QSortFilterProxyModel {
public:
    explicit ClassOrderProxy(QObject* parent) : QSortFilterProxyModel(parent)
    {
        collator_.setNumericMode(true);
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        const QVariant a = left.data(sortRole()), b = right.data(sortRole());
        if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
            return collator_.compare(a.toString(), b.toString()) < 0;
        return QSortFilterProxyModel::lessThan(left, right);
    }

private:
    QCollator collator_{QLocale(QLocale::German, QLocale::Germany)};
};

// Gives a widget of the window its objectName (tests and the window's own
// code find it by that) and the name a screen reader says.
template <class W> W* named(W* widget, const char* objectName, const QString& spokenName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(spokenName);
    return widget;
}

} // namespace

TSchulUebersichtForm::TSchulUebersichtForm(SchoolOverviewHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host))
{
    setObjectName(QStringLiteral("SchulUebersichtForm"));
    setWindowTitle(QStringLiteral("Schulübersicht"));
    setAccessibleName(QStringLiteral("Schulübersicht"));
    setModal(false);
    resize(1260, 620);

    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    auto* folderLabel = new QLabel(QStringLiteral("&Ordner:"), this);
    folderEdit_ = named(new QLineEdit(this), "FolderEdit", QStringLiteral("Ordner der Klassendateien"));
    folderEdit_->setReadOnly(true);
    folderLabel->setBuddy(folderEdit_);
    folderButton_ = named(new QPushButton(QStringLiteral("Ordner &wählen …"), this), "FolderButton",
                          QStringLiteral("Ordner wählen"));
    subfolders_ = named(new QCheckBox(QStringLiteral("mit &Unterordnern"), this), "SubfoldersBox",
                        QStringLiteral("Unterordner einbeziehen"));
    reloadButton_ =
        named(new QPushButton(QStringLiteral("&Aktualisieren"), this), "ReloadButton", QStringLiteral("Aktualisieren"));
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(folderEdit_, 1);
    folderRow->addWidget(folderButton_);
    folderRow->addWidget(subfolders_);
    folderRow->addWidget(reloadButton_);
    layout->addLayout(folderRow);

    model_ = new ClassOverviewModel(this);
    proxy_ = new ClassOrderProxy(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(Qt::UserRole);
    proxy_->setDynamicSortFilter(true);
    table_ = named(new QTableView(this), "ClassTable", QStringLiteral("Klassen des Ordners"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(FileCol, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    layout->addWidget(table_, 1);

    progress_ = named(new QProgressBar(this), "ReadProgress", QStringLiteral("Fortschritt des Einlesens"));
    progress_->setFormat(QStringLiteral("%v von %m Klassendateien gelesen"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    summary_ = named(new QLabel(this), "SummaryLabel", QStringLiteral("Zusammenfassung"));
    layout->addWidget(progress_);
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    checkButton_ = named(new QPushButton(QStringLiteral("&Prüfen"), this), "CheckButton", QStringLiteral("Prüfen"));
    checkButton_->setToolTip(QStringLiteral("liest die ausgewählten Klassen (ohne Auswahl: alle) neu ein und prüft "
                                            "sie auf Vollständigkeit"));
    printButton_ = named(new QPushButton(QStringLiteral("&Drucken …"), this), "PrintButton", QStringLiteral("Drucken"));
    printButton_->setToolTip(QStringLiteral(
        "druckt Zeugnisse, Empfangsbekenntnisse oder Lernentwicklungsberichte der ausgewählten Klassen"));
    previewFirst_ = named(new QCheckBox(QStringLiteral("erst &Seitenansicht zeigen"), this), "PreviewFirstBox",
                          QStringLiteral("erst Seitenansicht zeigen"));
    closeButton_ =
        named(new QPushButton(QStringLiteral("Schließen"), this), "CloseButton", QStringLiteral("Schließen"));
    buttons->addWidget(checkButton_);
    buttons->addWidget(printButton_);
    buttons->addWidget(previewFirst_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    connect(folderButton_, &QPushButton::clicked, this, [this] { chooseFolder(); });
    connect(subfolders_, &QCheckBox::toggled, this, [this] { reload(); });
    connect(reloadButton_, &QPushButton::clicked, this, [this] { reload(); });
    connect(checkButton_, &QPushButton::clicked, this, [this] { checkRows(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { printRows(); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { openRow(index.row()); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, [this] { joinErrorCells(); });
    connect(proxy_, &QAbstractItemModel::modelReset, this, [this] { joinErrorCells(); });
    connect(proxy_, &QAbstractItemModel::dataChanged, this, [this] { joinErrorCells(); });

    connect(&watcher_, &QFutureWatcherBase::progressRangeChanged, progress_, &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcherBase::resultReadyAt, this, [this](int k) {
        if (k >= 0 && static_cast<std::size_t>(k) < reading_.size())
            model_->setRow(reading_[static_cast<std::size_t>(k)], watcher_.resultAt(k));
    });
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] { readingDone(); });
    updateButtons();
}

TSchulUebersichtForm::~TSchulUebersichtForm() { stopReading(); }

const std::vector<ClassOverviewRow>& TSchulUebersichtForm::rows() const { return model_->rows(); }

bool TSchulUebersichtForm::busy() const { return !reading_.empty(); }

void TSchulUebersichtForm::showFolder(const fs::path& folder)
{
    folder_ = folder;
    folderEdit_->setText(qs(folder.string()));
    reload();
}

void TSchulUebersichtForm::reload()
{
    stopReading();
    const std::vector<fs::path> files = classFilesIn(folder_, subfolders_->isChecked());
    model_->reset(files, folder_);
    std::vector<int> all(files.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    if (files.empty()) {
        summary_->setText(QStringLiteral("Im Ordner liegt keine Klassendatei (*.RVK)."));
        progress_->setRange(0, 1);
        progress_->setValue(0);
        progress_->setFormat(QStringLiteral("keine Klassendateien"));
    } else {
        progress_->setFormat(QStringLiteral("%v von %m Klassendateien gelesen"));
    }
    readRows(std::move(all));
}

void TSchulUebersichtForm::readRows(std::vector<int> rows)
{
    stopReading();
    if (rows.empty()) {
        updateButtons();
        if (!model_->rows().empty())
            updateSummary();
        emit readingFinished();
        return;
    }
    std::vector<fs::path> files;
    for (const int r : rows) {
        files.push_back(model_->rows()[static_cast<std::size_t>(r)].file);
        model_->markPending(r);
    }
    reading_ = std::move(rows);
    // The background threads read a copy of the installation of their own,
    // so a settings dialog may change the program's meanwhile.
    auto installation = std::make_shared<const Installation>(host_.installation());
    const LockOwner me = currentLockOwner();
    const std::int64_t now = secondsNow();
    const fs::path folder = folder_;
    progress_->setRange(0, static_cast<int>(files.size()));
    progress_->setValue(0);
    summary_->setText(QStringLiteral("Die Klassendateien werden gelesen …"));
    watcher_.setFuture(QtConcurrent::mapped(std::move(files), [installation, me, now, folder](const fs::path& file) {
        return readClassOverview(file, folder, *installation, me, now);
    }));
    updateButtons();
}

void TSchulUebersichtForm::stopReading()
{
    if (reading_.empty())
        return;
    watcher_.cancel();
    watcher_.waitForFinished();
    reading_.clear();
}

void TSchulUebersichtForm::readingDone()
{
    if (reading_.empty())
        return;
    // A cancelled read leaves rows it did not reach waiting; they are read
    // with the next "Aktualisieren".
    reading_.clear();
    progress_->setValue(progress_->maximum());
    fitColumns();
    updateSummary();
    updateButtons();
    emit readingFinished();
}

void TSchulUebersichtForm::joinErrorCells()
{
    table_->clearSpans();
    for (int shown = 0; shown < proxy_->rowCount(); ++shown) {
        const int row = proxy_->mapToSource(proxy_->index(shown, 0)).row();
        if (!model_->pending(row) && !model_->rows()[static_cast<std::size_t>(row)].readable())
            table_->setSpan(shown, ClassCol, 1, FindingsCol - ClassCol + 1);
    }
}

void TSchulUebersichtForm::fitColumns()
{
    // Every column as wide as its contents; a long list of forms or a long
    // lock holder is cut (the tooltips give them whole).
    table_->resizeColumnsToContents();
    // The error of a file spans the class's cells; it does not widen the first.
    int classWidth = table_->horizontalHeader()->sectionSizeHint(ClassCol);
    for (int shown = 0; shown < proxy_->rowCount(); ++shown)
        if (table_->columnSpan(shown, ClassCol) == 1)
            classWidth = std::max(classWidth, table_->sizeHintForIndex(proxy_->index(shown, ClassCol)).width());
    table_->setColumnWidth(ClassCol, classWidth);
    table_->setColumnWidth(FormsCol, std::min(table_->columnWidth(FormsCol), 180));
    table_->setColumnWidth(LockCol, std::min(table_->columnWidth(LockCol), 180));
    // The note fills what is left (its tooltip holds the whole message).
    table_->setColumnWidth(NoteCol, 100);
}

void TSchulUebersichtForm::updateSummary()
{
    std::size_t classes = 0, students = 0, withFindings = 0, unreadable = 0, open = 0;
    for (const ClassOverviewRow& r : model_->rows()) {
        if (!r.readable()) {
            ++unreadable;
            continue;
        }
        ++classes;
        students += r.students;
        withFindings += r.findings > 0 ? 1 : 0;
        open += r.lock == LockState::HeldByOther ? 1 : 0;
    }
    QString text = QStringLiteral("%1 %2, %3 Schüler; %4 mit Beanstandungen")
                       .arg(classes)
                       .arg(classes == 1 ? QStringLiteral("Klasse") : QStringLiteral("Klassen"))
                       .arg(students)
                       .arg(withFindings);
    if (open > 0)
        text += QStringLiteral("; %1 anderswo geöffnet").arg(open);
    if (unreadable > 0)
        text += QStringLiteral("; %1 %2 nicht lesbar")
                    .arg(unreadable)
                    .arg(unreadable == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien"));
    summary_->setText(text + QLatin1Char('.'));
}

void TSchulUebersichtForm::updateButtons()
{
    const bool idle = !busy();
    const bool any = !model_->rows().empty();
    checkButton_->setEnabled(idle && any);
    printButton_->setEnabled(idle && any);
    reloadButton_->setEnabled(idle);
}

std::vector<int> TSchulUebersichtForm::selectedRows() const
{
    std::vector<int> rows;
    QModelIndexList shown = table_->selectionModel()->selectedRows();
    std::sort(shown.begin(), shown.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : shown)
        rows.push_back(proxy_->mapToSource(index).row());
    return rows;
}

void TSchulUebersichtForm::checkRows()
{
    if (busy())
        return;
    std::vector<int> rows = selectedRows();
    if (rows.empty())
        for (int r = 0; r < model_->rowCount(); ++r)
            rows.push_back(r);
    readRows(std::move(rows));
}

void TSchulUebersichtForm::openRow(int shownRow)
{
    const int row = proxy_->mapToSource(proxy_->index(shownRow, 0)).row();
    if (row < 0 || !host_.openClass)
        return;
    const fs::path file = model_->rows()[static_cast<std::size_t>(row)].file;
    host_.openClass(file);
    // The row now shows the class as open in this program (or as it was).
    if (!busy())
        readRows({row});
}

void TSchulUebersichtForm::printRows()
{
    if (busy())
        return;
    Prompter& p = host_.prompter;
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        p.information("Bitte wählen Sie in der Tabelle die Klassen aus, die gedruckt werden sollen.");
        return;
    }
    const std::string count = rows.size() == 1 ? std::string("die ausgewählte Klasse")
                                               : "die " + std::to_string(rows.size()) + " ausgewählten Klassen";
    const int choice = p.askChoice("Was soll für " + count + " gedruckt werden?", kSchoolPrintChoices);
    if (choice < 0 || choice >= static_cast<int>(kSchoolPrintChoices.size()) - 1)
        return;
    const auto kind = static_cast<SchoolPrintKind>(choice);

    // The classes are printed as they are on disk: unsaved changes of the
    // class open here are not in its file yet.
    if (host_.unsavedClass)
        if (const auto unsaved = host_.unsavedClass())
            for (const int r : rows) {
                std::error_code ec;
                if (fs::equivalent(model_->rows()[static_cast<std::size_t>(r)].file, *unsaved, ec) &&
                    !p.askYesNo("Die Klasse " + unsaved->filename().string() +
                                    " hat ungespeicherte Änderungen.\nGedruckt wird der zuletzt gespeicherte Stand."
                                    "\nTrotzdem drucken?",
                                MessageKind::Warning))
                    return;
            }
    // The classes are read now, as they are on disk, without their locks.
    std::vector<ClassForPrint> classes;
    std::string unreadable;
    for (const int r : rows) {
        const ClassOverviewRow& row = model_->rows()[static_cast<std::size_t>(r)];
        ClassForPrint c;
        c.name = row.className.empty() ? row.shownName : row.className;
        std::string error;
        if (!readClassRecords(row.file, c.records, error)) {
            std::replace(error.begin(), error.end(), '\n', ' ');
            unreadable += "\n" + row.shownName + ": " + error;
            continue;
        }
        classes.push_back(std::move(c));
    }
    if (!unreadable.empty())
        p.warning("Diese Klassendateien können nicht gelesen werden und werden nicht gedruckt:" + unreadable);
    if (classes.empty())
        return;
    const Installation& installation = host_.installation();
    const PlanSettings settings{installation.settings.druck, installation.settings.prog.ZeigeFst == 1};
    const SchoolPrintPlan joined = PlanForClasses(kind, classes, settings);
    if (joined.students == 0) {
        p.information("Für " + count + " gibt es nichts zu drucken.");
        return;
    }
    if (!host_.print)
        return;
    std::string title = kSchoolPrintChoices[static_cast<std::size_t>(choice)] + " ";
    for (std::size_t i = 0; i < classes.size() && i < 4; ++i)
        title += (i > 0 ? ", " : "") + classes[i].name;
    if (classes.size() > 4)
        title += " und " + std::to_string(classes.size() - 4) + " weitere";
    if (previewFirst_->isChecked())
        host_.print(PreviewOfFirstStudents(joined), title);
    host_.print(joined.plan, title);
}

void TSchulUebersichtForm::chooseFolder()
{
    const auto chosen = host_.prompter.chooseFolder("Ordner der Klassendateien wählen", folder_);
    if (chosen)
        showFolder(*chosen);
}

void TSchulUebersichtForm::closeEvent(QCloseEvent* event)
{
    stopReading();
    updateButtons();
    QDialog::closeEvent(event);
}

} // namespace ruvek::ui
