// "Datei → Schulübersicht …" over a folder of twelve class files (the
// shipped example classes under other class names, a damaged file and a
// class in a subfolder): the table fills in the background, sorts, shows the
// damaged file's reason in its row, "Prüfen" reads a changed class again,
// a double-click opens the class in the main window, and "Drucken" prints
// the selected classes in one command, with the preview first when asked.
// With RUVEK_SCREENSHOTS set to a folder the window is saved there as PNG.
#include "classfile/ClassFile.h"
#include "classfile/ClassLock.h"
#include "school/SchoolPrint.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/school/SchulUebersichtForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

const fs::path kExamples = fs::path(RUVEK_SOURCE_DIR) / "data" / "examples";

// A copy of an example class under another class name.
void writeClassCopy(const std::string& example, const fs::path& target, const std::string& className,
                    const std::string& teacher)
{
    ClassFileContent c;
    ASSERT_EQ(readClassFile(kExamples / example, c), ReadError::None);
    for (TZgnRec& r : c.records) {
        r.Klasse = className;
        r.KlLehrer = teacher;
    }
    ASSERT_TRUE(writeClassFile(target, newFileHeader(static_cast<std::uint16_t>(c.records.size())), c.records));
}

bool waitUntil(const std::function<bool()>& done, int ms = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

class SchoolOverviewGui : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("ruvek-schule-" + std::to_string(std::random_device{}()));
        data_ = folder_ / "Klassen";
        fs::create_directories(data_ / "Abschluss");
        // The shipped form files, so that the check finds only record gaps.
        for (const auto& entry : fs::directory_iterator(RUVEK_PROGRAM_DIR))
            if (entry.path().extension() == ".FST")
                fs::copy_file(entry.path(), folder_ / entry.path().filename());
        const char* regional = "Klasse8b-Regionale.RVK";
        const char* gymnasium = "Klasse10a-Gymnasium.RVK";
        const char* example = "Beispielklasse.RVK";
        writeClassCopy(regional, data_ / "5a.RVK", "5a", "Ber");
        writeClassCopy(regional, data_ / "5b.RVK", "5b", "Kol");
        writeClassCopy(regional, data_ / "6a.RVK", "6a", "Sch");
        writeClassCopy(regional, data_ / "7a.RVK", "7a", "Hof");
        writeClassCopy(regional, data_ / "8b.RVK", "8b", "Lan");
        writeClassCopy(gymnasium, data_ / "9a.rvk", "9a", "Wei");
        writeClassCopy(gymnasium, data_ / "10a.RVK", "10a", "Nag");
        writeClassCopy(gymnasium, data_ / "10b.RVK", "10b", "Fri");
        writeClassCopy(example, data_ / "4c.RVK", "4c", "Mai");
        writeClassCopy(example, data_ / "3a.RVK", "3a", "Zim");
        writeClassCopy(regional, data_ / "Abschluss" / "9R.RVK", "9R", "Ott");
        const std::string whole = readAll(data_ / "5a.RVK");
        std::ofstream(data_ / "kaputt.RVK", std::ios::binary) << whole.substr(0, 4000);
        // 10b is open on another computer.
        std::ofstream(lockPathFor(data_ / "10b.RVK"), std::ios::binary)
            << formatLockFile({"Lehrerzimmer", "herr.nagel", 77, nowSeconds() - 60});

        main_ = std::make_unique<ui::TMainForm>(ui::MainFormSetup{folder_, &prompter_});
        ui::createApplicationForms(*main_);
        main_->state().settings.prog.InfoHinweise = 0;
        main_->state().settings.schule.Schultyp = 2;   // Regionale Schule
        main_->show();
        main_->klasse().dataFolder = data_;
    }
    void TearDown() override
    {
        main_.reset();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    static std::string readAll(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::int64_t nowSeconds()
    {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }

    ui::TSchulUebersichtForm* openOverview()
    {
        QAction* command = main_->actions().action(QStringLiteral("FileSchoolOverviewItem"));
        EXPECT_TRUE(command);
        if (!command)
            return nullptr;
        EXPECT_EQ(command->text(), QStringLiteral("Schulübersicht …"));
        command->trigger();
        auto* window = main_->findChild<ui::TSchulUebersichtForm*>();
        EXPECT_TRUE(window);
        if (window) {
            EXPECT_TRUE(waitUntil([window] { return !window->busy(); }));
        }
        return window;
    }

    // The model row of a file, and its row as shown.
    int rowOf(ui::TSchulUebersichtForm& w, const std::string& name) const
    {
        for (std::size_t i = 0; i < w.rows().size(); ++i)
            if (w.rows()[i].shownName == name)
                return static_cast<int>(i);
        return -1;
    }
    int shownRowOf(ui::TSchulUebersichtForm& w, const std::string& name) const
    {
        QAbstractItemModel* source = w.proxy()->sourceModel();
        return w.proxy()->mapFromSource(source->index(rowOf(w, name), 0)).row();
    }
    QString cell(ui::TSchulUebersichtForm& w, int shownRow, int column) const
    {
        return w.proxy()->index(shownRow, column).data().toString();
    }
    void select(ui::TSchulUebersichtForm& w, const std::vector<std::string>& names) const
    {
        w.table()->clearSelection();
        for (const std::string& n : names)
            w.table()->selectionModel()->select(w.proxy()->index(shownRowOf(w, n), 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    test::ScriptedPrompter prompter_;
    fs::path folder_, data_;
    std::unique_ptr<ui::TMainForm> main_;
};

TEST_F(SchoolOverviewGui, ReadsEveryClassOfTheFolderIntoASortableTable)
{
    ui::TSchulUebersichtForm* w = openOverview();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->folder(), data_);
    ASSERT_EQ(w->rows().size(), 11u) << "ten classes and the damaged file, subfolders not yet";
    EXPECT_EQ(w->progress()->value(), w->progress()->maximum());
    EXPECT_EQ(w->progress()->maximum(), 11);

    const int damaged = shownRowOf(*w, "kaputt.RVK");
    ASSERT_GE(damaged, 0);
    EXPECT_EQ(w->table()->columnSpan(damaged, 1), 5) << "the reason spans the class's cells";
    EXPECT_EQ(cell(*w, damaged, 1).toStdString(), [] {
        std::string t = readErrorText(ReadError::Truncated);
        std::replace(t.begin(), t.end(), '\n', ' ');
        return t;
    }());
    EXPECT_TRUE(cell(*w, damaged, 3).isEmpty());
    for (const ClassOverviewRow& r : w->rows())
        if (r.shownName != "kaputt.RVK") {
            EXPECT_TRUE(r.readable()) << r.shownName << ": " << r.error;
            EXPECT_GT(r.students, 0u) << r.shownName;
        }
    const int b10 = shownRowOf(*w, "10b.RVK");
    EXPECT_EQ(cell(*w, b10, 1), QStringLiteral("10b"));
    EXPECT_EQ(cell(*w, b10, 2), QStringLiteral("Fri"));
    EXPECT_TRUE(cell(*w, b10, 6).contains(QStringLiteral("herr.nagel")));
    EXPECT_TRUE(w->summary()->text().contains(QStringLiteral("10 Klassen")));
    EXPECT_TRUE(w->summary()->text().contains(QStringLiteral("1 Datei nicht lesbar")));

    // Sorted by students (numbers as numbers), then by class.
    w->table()->sortByColumn(3, Qt::DescendingOrder);
    for (int r = 1; r < w->proxy()->rowCount(); ++r)
        EXPECT_GE(w->proxy()->index(r - 1, 3).data(Qt::UserRole).toLongLong(),
                  w->proxy()->index(r, 3).data(Qt::UserRole).toLongLong());
    EXPECT_EQ(w->proxy()->index(w->proxy()->rowCount() - 1, 0).data().toString(), QStringLiteral("kaputt.RVK"));
    // Class names sort as people read them: 3a before 10a.
    w->table()->sortByColumn(1, Qt::AscendingOrder);
    QStringList classes;
    for (int r = 0; r < w->proxy()->rowCount(); ++r)
        if (w->proxy()->index(r, 0).data().toString() != QStringLiteral("kaputt.RVK"))
            classes << cell(*w, r, 1);
    EXPECT_EQ(classes, (QStringList{"3a", "4c", "5a", "5b", "6a", "7a", "8b", "9a", "10a", "10b"}));

    // With subfolders the class below comes in.
    w->subfolders()->setChecked(true);
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
    EXPECT_EQ(w->rows().size(), 12u);
    EXPECT_GE(rowOf(*w, "Abschluss/9R.RVK"), 0);

    // Every control a screen reader meets has a name.
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(w) || c->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) || qobject_cast<QTableView*>(c) ||
            qobject_cast<QProgressBar*>(c)) {
            EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className() << " "
                                                        << c->objectName().toStdString();
        }
    }

    if (const char* dir = std::getenv("RUVEK_SCREENSHOTS")) {
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(QString::fromStdString(std::string(dir) + "/schuluebersicht.png")));
    }
    // A folder without class files: an empty table that says so.
    fs::create_directories(folder_ / "leer");
    w->showFolder(folder_ / "leer");
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
    EXPECT_EQ(w->proxy()->rowCount(), 0);
    EXPECT_EQ(w->summary()->text(), QStringLiteral("Im Ordner liegt keine Klassendatei (*.RVK)."));
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("PrintButton"))->isEnabled());

    // Nothing was asked or told.
    EXPECT_TRUE(prompter_.log().empty());
}

TEST_F(SchoolOverviewGui, CheckReadsTheSelectedClassAgainAndDoubleClickOpensIt)
{
    ui::TSchulUebersichtForm* w = openOverview();
    ASSERT_TRUE(w);
    const std::size_t before = w->rows()[static_cast<std::size_t>(rowOf(*w, "6a.RVK"))].findings;
    const std::size_t other = w->rows()[static_cast<std::size_t>(rowOf(*w, "7a.RVK"))].findings;
    // Someone empties a class teacher in 6a and in 7a; only 6a is checked again.
    for (const char* name : {"6a.RVK", "7a.RVK"}) {
        ClassFileContent c;
        ASSERT_EQ(readClassFile(data_ / name, c), ReadError::None);
        c.records.front().KlLehrer = "";
        ASSERT_TRUE(writeClassFile(data_ / name, c.header, c.records));
    }
    select(*w, {"6a.RVK"});
    w->checkRows();
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
    EXPECT_GT(w->rows()[static_cast<std::size_t>(rowOf(*w, "6a.RVK"))].findings, before);
    EXPECT_EQ(w->rows()[static_cast<std::size_t>(rowOf(*w, "7a.RVK"))].findings, other);
    // Without a selection every row is checked.
    w->table()->clearSelection();
    w->checkRows();
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
    EXPECT_GT(w->rows()[static_cast<std::size_t>(rowOf(*w, "7a.RVK"))].findings, other);

    // A double-click opens the class in the main window with its lock.
    const QModelIndex cellOf5b = w->proxy()->index(shownRowOf(*w, "5b.RVK"), 1);
    w->table()->scrollTo(cellOf5b);
    const QPoint at = w->table()->visualRect(cellOf5b).center();
    // (A real double-click is a click and then the double-click event.)
    QTest::mouseClick(w->table()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w->table()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(main_->klasse().filePath(), data_ / "5b.RVK");
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
    EXPECT_EQ(w->rows()[static_cast<std::size_t>(rowOf(*w, "5b.RVK"))].lock, LockState::Own);
    EXPECT_EQ(cell(*w, shownRowOf(*w, "5b.RVK"), 6), QStringLiteral("in diesem Programm"));

    // A class open on another computer: the open path names its holder and
    // offers it read-only; declined, nothing changes.
    prompter_.answers = {false};
    w->openRow(shownRowOf(*w, "10b.RVK"));
    ASSERT_FALSE(prompter_.questions().empty());
    EXPECT_NE(prompter_.questions().back().text.find("herr.nagel"), std::string::npos);
    EXPECT_EQ(main_->klasse().filePath(), data_ / "5b.RVK");
}

TEST_F(SchoolOverviewGui, PrintsTheSelectedClassesInOneCommandWithPreviewFirst)
{
    ui::TSchulUebersichtForm* w = openOverview();
    ASSERT_TRUE(w);
    // Nothing selected: the window says what to do.
    w->table()->clearSelection();
    w->printRows();
    ASSERT_EQ(prompter_.messages().size(), 1u);

    // Receipt acknowledgements of 5a and 9a, the damaged file selected too.
    select(*w, {"5a.RVK", "9a.rvk", "kaputt.RVK"});
    w->previewFirst()->setChecked(true);
    const fs::path pdf = folder_ / "Empfang.pdf";
    prompter_.choices = {1};        // Empfangsbekenntnisse
    prompter_.files = {pdf};        // no printer here: one PDF file for the command
    prompter_.answers = {true};     // "Sollen jetzt ... gedruckt werden?"
    int previews = 0;
    // Closes each preview as it comes up; the timer ends with this test.
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&previews] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++previews;
            d->reject();
        }
    });
    closer.start();
    w->printRows();
    closer.stop();

    EXPECT_EQ(previews, 2) << "the first student of each class";
    const auto questions = prompter_.questions();
    ASSERT_GE(questions.size(), 2u);
    EXPECT_EQ(questions[0].text, "Was soll für die 3 ausgewählten Klassen gedruckt werden?");
    EXPECT_NE(questions[1].text.find("Sollen jetzt die Empfangsbekenntnisse für "), std::string::npos);
    EXPECT_NE(questions[1].text.find(" aus 2 Klassen gedruckt werden?"), std::string::npos);
    bool warned = false;
    for (const test::Shown& s : prompter_.messages())
        warned = warned || (s.kind == MessageKind::Warning && s.text.find("kaputt.RVK") != std::string::npos);
    EXPECT_TRUE(warned);
    ASSERT_TRUE(fs::exists(pdf));
    ASSERT_FALSE(prompter_.dialogs.empty());
    EXPECT_EQ(prompter_.dialogs.back().proposedName, "Empfangsbekenntnisse 5a, 9a.pdf");
    // Every sheet of both classes' receipts, by the print options in use.
    std::vector<ClassForPrint> classes(2);
    std::string error;
    ASSERT_TRUE(readClassRecords(data_ / "5a.RVK", classes[0].records, error));
    ASSERT_TRUE(readClassRecords(data_ / "9a.rvk", classes[1].records, error));
    const Settings& s = main_->state().settings;
    const std::size_t sheets =
        PlanForClasses(SchoolPrintKind::Receipts, classes, {s.druck, false}).plan.sheetCount();
    EXPECT_GE(sheets, w->rows()[static_cast<std::size_t>(rowOf(*w, "5a.RVK"))].students +
                          w->rows()[static_cast<std::size_t>(rowOf(*w, "9a.rvk"))].students);
    const std::string bytes = readAll(pdf);
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0)
            ++pages;
    EXPECT_EQ(pages, sheets);

    // The class open here with unsaved changes: printing its file is asked
    // about first; declined, nothing is printed.
    main_->klasse().fileOpen(data_ / "5a.RVK", prompter_);
    ASSERT_EQ(main_->klasse().filePath(), data_ / "5a.RVK");
    main_->klasse().records.front().Name = "Geändert";
    main_->klasse().changed = true;
    main_->showCurrentRecord();
    prompter_.choices = {0};
    prompter_.answers = {false};
    const std::size_t shownBefore = prompter_.log().size();
    w->printRows();
    ASSERT_EQ(prompter_.log().size(), shownBefore + 2);
    EXPECT_NE(prompter_.log().back().text.find("5a.RVK hat ungespeicherte Änderungen"), std::string::npos);

    // "Abbrechen" prints nothing.
    prompter_.choices = {3};
    const std::size_t asked = prompter_.questions().size();
    w->printRows();
    EXPECT_EQ(prompter_.questions().size(), asked + 1);
}

} // namespace
