// The grades of a whole class through the main window: a column typed into
// the subject-wise entry, a cell of the class grade table, and the student
// import from a text file.
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "ui/exchange/EntryGrid.h"
#include "ui/exchange/FachEingForm.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::ScriptedPrompter;
using ruvek::ui::TMainForm;
using ruvek::ui::exchange::EntryGrid;

namespace {

class GradeEntryGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("ruvek-grades-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{folder_, &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.schule.Schultyp = 4;   // Gymnasium
        form_->state().settings.prog.InfoHinweise = 0;
        form_->show();
        ruvek::OpenClass& k = form_->klasse();
        const ruvek::TZgnRec fresh = k.records[0];
        k.records.clear();
        int key = 1;
        for (const char* name : {"Adam", "Berg", "Cohn"}) {
            ruvek::TZgnRec rec = fresh;
            rec.Name = name;
            rec.Vorname = "Vor";
            rec.SchlNr = key++;
            rec.slot(1).Fach = "Deutsch";
            rec.slot(2).Fach = "Mathematik";
            k.records.push_back(rec);
        }
        k.current = 0;
        form_->showCurrentRecord();
        k.changed = false;
        form_->refreshIndicators();
        prompter_.clearLog();   // the slot layout's notes about the hand-made records
    }
    void TearDown() override
    {
        form_.reset();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    // The grade of the record's slot for the subject (the show lays the
    // slots out for the record's certificate form).
    std::string note(int record, const char* subject) const
    {
        const auto& rec = form_->klasse().records[static_cast<std::size_t>(record)];
        for (const auto& slot : rec.Faecher)
            if (slot.Fach == subject)
                return slot.Note.str();
        ADD_FAILURE() << "no slot " << subject;
        return {};
    }
    // Types text into the current cell's editor and presses Enter there.
    static void typeCell(EntryGrid* grid, const char* text)
    {
        grid->editItem(grid->currentItem());
        QLineEdit* editor = nullptr;
        for (auto* e : grid->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        ASSERT_TRUE(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromLatin1(text));
        QTest::keyClick(editor, Qt::Key_Return);
        // The cell editor submits on the next turn of the event loop and is
        // deleted later.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedPrompter prompter_;
    fs::path folder_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(GradeEntryGuiTest, SubjectColumnTypedDownAndKeptOnBeenden)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = form_->findChild<ruvek::ui::exchange::TFachEingForm*>("FachEingForm");
        ASSERT_TRUE(dialog);
        dialog->activateWindow();
        QComboBox* subjects = dialog->subjectBox();
        EXPECT_EQ(subjects->currentIndex(), 0);
        subjects->setCurrentIndex(subjects->findText("Mathematik"));
        EntryGrid* grid = dialog->grid();
        ASSERT_EQ(grid->rowCount(), 3);
        grid->setFocus();
        grid->setCurrentCell(0, ruvek::ColNote);
        typeCell(grid, "2");
        EXPECT_EQ(grid->currentRow(), 1) << "Enter moves down the column";
        typeCell(grid, " 3");
        typeCell(grid, "x");
        EXPECT_EQ(grid->item(1, ruvek::ColNote)->text(), "3");
        EXPECT_FALSE(grid->item(2, ruvek::ColNote)->toolTip().isEmpty()) << "a wrong entry is marked";
        dialog->findChild<QAbstractButton*>("BitBtn1")->click();
        ran = true;
    });
    form_->menuAction("fcherweiseBewertungen1")->trigger();
    ASSERT_TRUE(ran);
    EXPECT_EQ(note(0, "Mathematik"), "2");
    EXPECT_EQ(note(1, "Mathematik"), "3");
    EXPECT_EQ(note(2, "Mathematik"), "x");
    EXPECT_EQ(note(0, "Deutsch"), "-");
    EXPECT_TRUE(form_->klasse().changed);
    EXPECT_TRUE(form_->changedIndicatorVisible());
    for (const auto& shown : prompter_.log())
        EXPECT_EQ(shown.text.find("nicht gefunden"), std::string::npos) << shown.text;

    // The whole entry is one step of "Rückgängig".
    QAction* undo = form_->menuAction(QStringLiteral("EditUndoItem"));
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: Fächerweise Eingabe der Bewertungen"));
    undo->trigger();
    EXPECT_EQ(note(0, "Mathematik"), "-");
    EXPECT_EQ(note(1, "Mathematik"), "-");
}

TEST_F(GradeEntryGuiTest, GradeTableCellWrittenBackWhenThePageIsLeft)
{
    auto* pages = form_->findChild<QTabWidget*>("PageControl1");
    pages->setCurrentIndex(1);
    auto* grid = form_->findChild<EntryGrid*>("StringGrid1");
    ASSERT_TRUE(grid && grid->isVisible());
    ASSERT_EQ(grid->rowCount(), 3);
    int mathe = -1;
    for (int c = 2; c < grid->columnCount(); ++c)
        if (grid->horizontalHeaderItem(c)->text() == "Mathematik")
            mathe = c;
    ASSERT_GT(mathe, 1);
    const ruvek::TDB2 before = form_->klasse().records;

    form_->klasse().records[2].slot(1).Note = "4";   // changed behind the table: must survive
    grid->setCurrentCell(0, mathe);
    typeCell(grid, "5");
    EXPECT_EQ(grid->item(0, mathe)->foreground().color(), QColor(Qt::red)) << "a weak grade of the current student";
    EXPECT_EQ(note(0, "Mathematik"), "-") << "not yet written";

    pages->setCurrentIndex(0);
    EXPECT_EQ(note(0, "Mathematik"), "5");
    ruvek::TDB2 expected = before;
    for (auto& slot : expected[0].Faecher)
        if (slot.Fach == "Mathematik")
            slot.Note = "5";
    expected[2].slot(1).Note = "4";
    // Showing a record marks the form its slots are laid out for; that is
    // the editor's business, not the table's.
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i].AnlageFaecher = form_->klasse().records[i].AnlageFaecher;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto got = ruvek::toBytes(form_->klasse().records[i]);
        const auto want = ruvek::toBytes(expected[i]);
        for (std::size_t b = 0; b < got.size(); ++b)
            if (got[b] != want[b]) {
                ADD_FAILURE() << "record " << i << " differs at byte " << b;
                break;
            }
    }
    EXPECT_TRUE(form_->klasse().changed);
    EXPECT_TRUE(form_->changedIndicatorVisible());
}

TEST_F(GradeEntryGuiTest, StudentImportAsksFirstAndKeepsTheFileOrder)
{
    const fs::path file = folder_ / "schueler.txt";
    std::ofstream(file) << "Neu1;Eins\nNeu2;Zwei\n";
    prompter_.files.push_back(file);
    prompter_.answers.push_back(true);
    form_->menuAction("importierenvonSchlerdatenimTXTFormat1")->trigger();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].text.find("werden 2 Schüler hinzugefügt."), std::string::npos);
    std::vector<std::string> names;
    for (const auto& r : form_->klasse().records)
        names.push_back(r.Name.str());
    EXPECT_EQ(names, (std::vector<std::string>{"Adam", "Neu1", "Neu2", "Berg", "Cohn"}));
    EXPECT_EQ(form_->klasse().current, 0);
}

} // namespace

namespace {

// The class grade table is laid out only while it is on screen: steps
// through the editor on the other page leave it as it was, and showing the
// page fills it from the records as they are then.
TEST_F(GradeEntryGuiTest, GradeTableFilledWhenItsPageIsShown)
{
    auto* pages = form_->findChild<QTabWidget*>("PageControl1");
    auto* grid = form_->findChild<EntryGrid*>("StringGrid1");
    ASSERT_TRUE(pages && grid);
    pages->setCurrentIndex(0);
    ASSERT_FALSE(grid->isVisible());

    ruvek::OpenClass& k = form_->klasse();
    k.records.push_back(k.records[2]);
    k.records[3].Name = "Dorn";
    k.records[3].SchlNr = 4;
    k.current = 3;
    form_->showCurrentRecord();
    EXPECT_NE(grid->rowCount(), 4) << "not laid out while hidden";

    pages->setCurrentIndex(1);
    ASSERT_TRUE(grid->isVisible());
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->item(3, 0)->text(), QStringLiteral("Dorn"));
    EXPECT_EQ(grid->currentRow(), 3);

    // On screen, a step shows at once.
    k.records[1].Name = "Brand";
    form_->showCurrentRecord();
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("Brand"));
}

} // namespace
