// Building a class by hand through the main window: students added, pasted,
// deleted and removed at the right places, sorts from the speed bar, a head
// value handed on to the following students, and the remark phrases.
#include "classfile/RecordCollection.h"
#include "common/Cp1252.h"
#include "editor/BulkTakeOver.h"
#include "editor/RemarkPhrases.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::ui::TMainForm;

namespace {

class RecordCollectionGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        programFolder_ = fs::temp_directory_path() / ("ruvek-collection-" + std::to_string(std::random_device{}()));
        fs::create_directories(programFolder_);
    }
    void TearDown() override
    {
        form_.reset();
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }

    // The main window with the students named (all shown, deleted ones too),
    // the student at `current` shown, and no unsaved changes.
    TMainForm& start(std::vector<const char*> names, int current = 0)
    {
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.schule.Schultyp = 2;
        form_->state().settings.prog.ZeigeGeloeschte = 1;
        form_->state().settings.prog.InfoHinweise = 0;
        form_->resize(1100, 760);
        form_->show();
        ruvek::OpenClass& k = form_->klasse();
        const ruvek::TZgnRec fresh = k.records[0];
        k.records.clear();
        for (const char* name : names) {
            k.records.push_back(fresh);
            k.records.back().Name = ruvek::utf8ToCp1252(name);
            k.records.back().Vorname = "Vor" + ruvek::utf8ToCp1252(name);
        }
        goTo(current);
        k.changed = false;
        form_->refreshIndicators();
        return *form_;
    }
    void goTo(int index)
    {
        form_->klasse().current = index;
        form_->showCurrentRecord();
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& r : form_->klasse().records)
            out.push_back(ruvek::cp1252ToUtf8(r.Name.str()));
        return out;
    }

    template <class W = QWidget>
    W* w(const char* name) const
    {
        auto* found = form_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const { return w<QLineEdit>(name)->text(); }
    bool shown(const char* name) const { return !w(name)->isHidden(); }
    // click() rather than a mouse click: some buttons sit on a page not in front.
    void click(const char* name) { w<QAbstractButton>(name)->click(); }
    void trigger(const char* name) { form_->menuAction(QString::fromLatin1(name))->trigger(); }
    // Types into a field without storing it.
    void retype(const char* name, const QString& s)
    {
        auto* edit = w<QLineEdit>(name);
        edit->selectAll();
        for (const QChar ch : s)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(ch.toUpper().unicode()), ch, Qt::NoModifier);
    }
    void choosePhrase(int entry)
    {
        auto* combo = w<QComboBox>("ComboBox39");
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    }

    ScriptedPrompter prompter_;
    fs::path programFolder_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(RecordCollectionGuiTest, EveryCommandOfTheRecordListIsBuilt)
{
    start({"A"});
    for (const char* name :
         {"LschenSchlerDatensatz1", "AusschneidenSchlerDatensatz1", "KopierenSchlerDatensatz1",
          "EinfgenSchlerDatensatz1", "gelschteDatenstzeentgltigentfernen1", "aufsteigend1", "absteigend1",
          "aufsteigend2", "absteigend2", "aufsteigend3", "absteigend3", "Mdchenzuerst1", "Jungenzuerst1",
          "N1Fremdsprache1", "N2Fremdsprache1", "ReligionPhilmK1", "ersteszustzlichesFach1", "Wahlpflicht1HJ1",
          "Wahlpflicht2HJ1", "Wahlpflicht12HJ1", "SpeedButton6", "SpeedButton7", "SpeedButton8",
          "SpeedButton21", "SpeedButton28"})
        EXPECT_TRUE(form_->actions().isBuilt(QString::fromLatin1(name))) << name;
    EXPECT_EQ(w<QAbstractButton>("Button6")->text(), "+");
    EXPECT_EQ(w<QAbstractButton>("Button7")->text(), "-");
}

// "+" on the data sheets stores the form, inserts after the current student
// and makes the new one current on "Zeugnis-Kopf"; with the take-over option
// the three warning labels show until the next store.
TEST_F(RecordCollectionGuiTest, AddInsertsAfterTheCurrentStudent)
{
    TMainForm& form = start({"A", "B", "C", "D", "E"}, 2);
    form.state().settings.prog.VorgaengerDaten = 1;
    retype("Edit5", "Cora");   // pending, stored by the add
    w<QLineEdit>("Edit66")->setText("Kahn");
    w<QTabWidget>("PageControl2")->setCurrentIndex(2);

    click("Button6");
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "Cora", "???", "D", "E"}));
    EXPECT_EQ(form.klasse().current, 3);
    EXPECT_EQ(text("Edit12"), "4");
    EXPECT_EQ(text("Edit13"), "6");
    EXPECT_EQ(text("Edit5"), "???");
    EXPECT_EQ(text("Edit66"), "Kahn");   // from the predecessor
    EXPECT_EQ(w<QListWidget>("ListBox1")->currentRow(), 3);
    EXPECT_EQ(w<QTabWidget>("PageControl2")->currentIndex(), 0);
    EXPECT_TRUE(form.changedIndicatorVisible());
    for (const char* label : {"Label64", "Label65", "Label66"})
        EXPECT_TRUE(shown(label)) << label;

    click("BitBtn11");   // "Daten übernehmen" stores
    for (const char* label : {"Label64", "Label65", "Label66"})
        EXPECT_FALSE(shown(label)) << label;
    EXPECT_TRUE(prompter_.questions().empty());
}

// On the student table "+" asks for the names in "Neuer Schüler".
TEST_F(RecordCollectionGuiTest, AddOnTheTablePageAsksForTheNames)
{
    TMainForm& form = start({"A", "B"}, 0);
    w<QTabWidget>("PageControl1")->setCurrentIndex(1);

    const auto answerDialog = [](const QString& name, const QString& vorname, const char* button) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Neuer Schüler"));
            auto* edit1 = dialog->findChild<QLineEdit*>("Edit1");
            EXPECT_TRUE(edit1->text().isEmpty());
            edit1->setText(name);
            dialog->findChild<QLineEdit*>("Edit2")->setText(vorname);
            dialog->findChild<QAbstractButton*>(button)->click();
        });
    };
    answerDialog("Neu", "Nina", "Button2");   // "Abbrechen"
    click("Button6");
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B"}));

    answerDialog("Neu", "Nina", "Button1");   // "OK"
    click("Button6");
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "Neu", "B"}));
    EXPECT_EQ(form.klasse().records[1].Vorname.str(), "Nina");
    EXPECT_EQ(form.klasse().current, 1);
}

// Paste puts the clipboard record after the current one, which stays
// current; the clipboard holds the record as stored when it was copied.
TEST_F(RecordCollectionGuiTest, CopyEditPasteKeepsTheOldName)
{
    TMainForm& form = start({"A", "B", "C"}, 1);
    form.findChild<QToolButton*>("SpeedButton7")->click();   // copy
    retype("Edit5", "Bea");                                  // not stored yet
    form.findChild<QToolButton*>("SpeedButton8")->click();   // paste stores first
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "Bea", "B", "C"}));
    EXPECT_EQ(form.klasse().current, 1);
    EXPECT_EQ(text("Edit12"), "2");
    EXPECT_EQ(text("Edit5"), "Bea");
    EXPECT_EQ(w<QListWidget>("ListBox1")->count(), 4);
    EXPECT_TRUE(form.changedIndicatorVisible());
}

// Delete marks after the question; removing the marked ones stores the form
// first and keeps the current student current.
TEST_F(RecordCollectionGuiTest, DeleteMarksAndRemoveMarkedTakesThemOut)
{
    TMainForm& form = start({"N1", "N2", "N3", "N4", "N5", "N6"}, 1);
    prompter_.answers = {true};
    click("Button7");   // "-"
    EXPECT_EQ(form.klasse().records[1].Status, 0);
    EXPECT_TRUE(w<QAbstractButton>("CheckBox2")->isChecked());

    goTo(3);
    prompter_.answers = {false};   // No: nothing is marked
    trigger("LschenSchlerDatensatz1");
    EXPECT_EQ(form.klasse().records[3].Status, 1);
    prompter_.answers = {true};
    trigger("LschenSchlerDatensatz1");
    EXPECT_EQ(form.klasse().records[3].Status, 0);

    goTo(4);
    retype("Edit5", "Fünf");
    prompter_.answers = {true};
    trigger("gelschteDatenstzeentgltigentfernen1");
    EXPECT_EQ(names(), (std::vector<std::string>{"N1", "N3", "Fünf", "N6"}));
    EXPECT_EQ(form.klasse().current, 2);
    EXPECT_EQ(text("Edit12"), "3");
    EXPECT_EQ(text("Edit13"), "4");
    EXPECT_EQ(w<QListWidget>("ListBox1")->count(), 4);
    EXPECT_EQ(prompter_.questions(),
              (std::vector{Shown::question(ruvek::kAskDelete), Shown::question(ruvek::kAskDelete),
                           Shown::question(ruvek::kAskDelete), Shown::question(ruvek::kAskRemoveMarked)}));

    // Without the permission neither "-" nor cut asks; cut still copies.
    prompter_.clearLog();
    form.state().settings.prog.DarfLoeschen = 0;
    click("Button7");
    form.findChild<QToolButton*>("SpeedButton6")->click();
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::error(ruvek::kMsgNotAllowedToDelete),
                                            Shown::error(ruvek::kMsgNotAllowedToDelete)}));
    EXPECT_EQ(form.klasse().clipboard.Name.str(), ruvek::utf8ToCp1252("Fünf"));
    EXPECT_EQ(form.klasse().records[2].Status, 1);
}

// The sort buttons store first, sort in German order and leave the
// current index where it was; a class of one student is left alone.
TEST_F(RecordCollectionGuiTest, SortFromTheSpeedBar)
{
    TMainForm& form = start({"adam", "Ärger", "Zander"}, 0);
    form.findChild<QToolButton*>("SpeedButton21")->click();   // by name ascending
    EXPECT_EQ(names(), (std::vector<std::string>{"adam", "Ärger", "Zander"}));
    EXPECT_EQ(form.klasse().current, 0);
    EXPECT_EQ(text("Edit5"), "adam");
    EXPECT_EQ(w<QListWidget>("ListBox1")->item(0)->text(), QStringLiteral("adam, Voradam"));
    EXPECT_TRUE(form.changedIndicatorVisible());

    retype("Edit5", "Mia");
    form.findChild<QToolButton*>("SpeedButton22")->click();   // by name descending
    EXPECT_EQ(names(), (std::vector<std::string>{"Zander", "Mia", "Ärger"}));

    start({"Solo"});
    retype("Edit5", "Solveig");
    form_->findChild<QToolButton*>("SpeedButton21")->click();
    EXPECT_FALSE(form_->klasse().changed);
    EXPECT_EQ(names(), (std::vector<std::string>{"Solo"}));   // not even stored
}

// A head button hands on what its field shows, after one question, to the
// active students up to the first never-filled one.
TEST_F(RecordCollectionGuiTest, HeadTakeOverAsksOnceAndReachesTheFollowingStudents)
{
    TMainForm& form = start({"Anna", "Ben", "Carl", "???", "Dora"}, 0);
    form.klasse().records[1].Status = 0;
    w<QLineEdit>("Edit66")->setText("Kahn");   // class teacher, not stored
    const std::string question =
        ruvek::editor::takeOverQuestion(ruvek::editor::headButtonSubject(ruvek::editor::HeadButton::Klassenlehrer), 1);

    prompter_.answers = {false};
    click("BitBtn4");
    for (const auto& r : form.klasse().records)
        EXPECT_EQ(r.KlLehrer.str(), "");

    prompter_.answers = {true};
    click("BitBtn4");
    std::vector<std::string> teachers;
    for (const auto& r : form.klasse().records)
        teachers.push_back(r.KlLehrer.str());
    EXPECT_EQ(teachers, (std::vector<std::string>{"Kahn", "", "Kahn", "", ""}));
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::question(question), Shown::question(question)}));
    EXPECT_TRUE(form.changedIndicatorVisible());
    EXPECT_EQ(text("Edit66"), "Kahn");   // the form is not shown again

    // A subject command stores first; a certificate without that subject
    // says so and hands nothing on.
    prompter_.clearLog();
    retype("Edit6", "Annika");
    trigger("N2Fremdsprache1");
    EXPECT_EQ(form.klasse().records[0].Vorname.str(), "Annika");
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::error(ruvek::editor::kMsgNoSuchSubject)}));
}

// The phrase list adds its sentence about the student as last stored to the
// remarks, replacing the struck-out mark.
TEST_F(RecordCollectionGuiTest, PhrasesGoIntoTheRemarks)
{
    TMainForm& form = start({"Alt"});
    ruvek::TZgnRec& rec = form.klasse().records[0];
    rec.Vorname = "Anna";
    rec.AbschlArt = 2;
    rec.Klassenstufe = 9;
    goTo(0);
    auto* memo3 = w<QPlainTextEdit>("Memo3");
    ASSERT_EQ(memo3->toPlainText(), QStringLiteral("  - - - - -"));

    choosePhrase(1);
    EXPECT_EQ(memo3->toPlainText(), QStringLiteral("versetzt"));
    choosePhrase(3);
    EXPECT_EQ(memo3->toPlainText(), QStringLiteral("versetzt\nnicht versetzt"));
    retype("Edit6", "Berta");   // typed, not stored: the phrase names Anna
    choosePhrase(4);
    EXPECT_EQ(memo3->toPlainText(),
              QStringLiteral("versetzt\nnicht versetzt\nAnna nahm am Betriebspraktikum teil."));
    EXPECT_TRUE(prompter_.log().empty());

    click("BitBtn14");   // "Vermerke" löschen
    EXPECT_EQ(memo3->toPlainText(), QStringLiteral("  - - - - -"));
    choosePhrase(10);   // Mittlere Reife at class level 9: warned first
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::warning(ruvek::editor::kMsgCheckMittlereReife)}));
    EXPECT_EQ(memo3->toPlainText(),
              QStringLiteral("Anna hat einen der Mittleren Reife gleichwertigen Abschluss erreicht."));
}

// The text buttons work on the system clipboard.
TEST_F(RecordCollectionGuiTest, TextButtonsCopyAndPasteOnTheSystemClipboard)
{
    start({"Alt"});
    auto* memo2 = w<QPlainTextEdit>("Memo2");
    auto* memo3 = w<QPlainTextEdit>("Memo3");
    memo2->setPlainText(QStringLiteral("gut gelernt"));

    click("BitBtn12");   // "Kopieren" without a selection: the whole text
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("gut gelernt"));
    EXPECT_EQ(memo2->textCursor().selectedText(), QStringLiteral("gut gelernt"));

    click("BitBtn26");   // "Einfügen" before the user chose a place in the remarks
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::information(
                                   "Wählen Sie zuerst mit dem Cursor\ndie gewünschte Einfügeposition aus!")}));
    QTest::mouseClick(memo3->viewport(), Qt::LeftButton);
    memo3->selectAll();
    click("BitBtn26");
    EXPECT_EQ(memo3->toPlainText(), QStringLiteral("gut gelernt"));

    click("BitBtn25");   // "Ausschn." cuts the selection
    EXPECT_EQ(memo2->toPlainText(), QString());
    memo2->setPlainText(QStringLiteral("bleibt"));
    click("BitBtn25");   // without a selection nothing happens
    EXPECT_EQ(memo2->toPlainText(), QStringLiteral("bleibt"));
    click("BitBtn16");   // "alle Texte löschen"
    EXPECT_EQ(memo2->toPlainText(), QStringLiteral("  - - - - -"));
    EXPECT_EQ(w<QPlainTextEdit>("Memo4")->toPlainText(), QString());
}

} // namespace
