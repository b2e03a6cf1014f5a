// The record editor through its real widgets: what a teacher types reaches
// the class file, head data decide the certificate form and the layout of
// the subject rows, and the text fields take only what a record can hold.
#include "classfile/ClassFile.h"
#include "common/Cp1252.h"
#include "grades/GradeNotation.h"
#include "support/ScriptedPrompter.h"
#include "ui/editor/InputGuard.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::ui::TMainForm;

namespace {

class RecordEditorGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd_ = fs::current_path();
        programFolder_ = fs::temp_directory_path() / ("ruvek-editor-" + std::to_string(std::random_device{}()));
        fs::create_directories(programFolder_);
    }
    void TearDown() override
    {
        form_.reset();
        fs::current_path(savedCwd_);
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }

    // The main window of a school of `schultyp` with the students named.
    TMainForm& start(int schultyp, std::vector<std::pair<const char*, const char*>> students, int zeigeGeloeschte = 0)
    {
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.schule.Schultyp = static_cast<std::int16_t>(schultyp);
        form_->state().settings.prog.ZeigeGeloeschte = static_cast<std::int16_t>(zeigeGeloeschte);
        form_->state().settings.prog.InfoHinweise = 0;
        form_->resize(1100, 760);
        form_->show();
        ruvek::OpenClass& k = form_->klasse();
        const ruvek::TZgnRec fresh = k.records[0];
        k.records.clear();
        for (const auto& [name, first] : students) {
            k.records.push_back(fresh);
            k.records.back().Name = ruvek::utf8ToCp1252(name);
            k.records.back().Vorname = ruvek::utf8ToCp1252(first);
        }
        form_->showCurrentRecord();
        return *form_;
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
    void click(const char* name) { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }

    // Types text that may hold characters QTest::keyClicks cannot send.
    static void type(QWidget* target, const QString& s)
    {
        for (const QChar ch : s)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.toUpper().unicode()), ch, Qt::NoModifier);
    }

    ScriptedPrompter prompter_;
    fs::path programFolder_;
    fs::path savedCwd_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(RecordEditorGuiTest, TypedNameIsStoredByNextAndSurvivesReopening)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}, {"Berg", "Ben"}});
    const fs::path file = programFolder_ / "Daten" / "7a.RVK";
    prompter_.files = {file};
    form.FileSaveAs();

    auto* edit5 = w<QLineEdit>("Edit5");
    EXPECT_EQ(edit5->text(), "Alt");
    edit5->setFocus();
    edit5->selectAll();
    type(edit5, QStringLiteral("Müller"));
    click("Button3");   // ">"
    EXPECT_EQ(form.klasse().current, 1);
    EXPECT_EQ(edit5->text(), "Berg");
    EXPECT_EQ(text("Edit12"), "2");
    EXPECT_TRUE(form.changedIndicatorVisible());
    EXPECT_EQ(w<QListWidget>("ListBox1")->item(0)->text(), QStringLiteral("Müller, Anna"));

    form.FileSave();
    ruvek::ClassFileContent reread;
    ASSERT_EQ(ruvek::readClassFile(file, reread), ruvek::ReadError::None);
    ASSERT_EQ(reread.records.size(), 2u);
    EXPECT_EQ(reread.records[0].Name.str(), ruvek::utf8ToCp1252("Müller"));
    EXPECT_EQ(reread.records[1].Name.str(), "Berg");
}

// Head data decide the annex at the next store; the next show lays the
// subject rows out for it and shows the controls of that form.
TEST_F(RecordEditorGuiTest, CertificateTypeAndClassLevelDecideAnnexAndRows)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}, {"Berg", "Ben"}});
    const ruvek::TZgnRec& rec = form.klasse().records[0];

    w<QComboBox>("ComboBox41")->setCurrentIndex(1);   // "Zeugnis   (Halbjahr/Schuljahr)"
    w<QComboBox>("ComboBox42")->setCurrentIndex(7);   // class level 7
    w<QLineEdit>("Edit63")->setText("2024");
    click("Button3");
    click("Button2");
    EXPECT_EQ(rec.Anlage, 15);
    EXPECT_EQ(rec.AnlageFaecher, 15);
    EXPECT_EQ(text("Edit7"), "15");
    EXPECT_EQ(text("Edit14"), "15");
    // Regionale Schule year certificate: the first foreign language is
    // chosen in a selector, levels are given for the core subjects.
    EXPECT_TRUE(shown("ComboBoxF2"));
    EXPECT_FALSE(shown("LabelF2"));
    EXPECT_TRUE(shown("ComboBox1"));
    EXPECT_TRUE(shown("EditF18"));
    EXPECT_FALSE(shown("RadioGroup1"));
    EXPECT_FALSE(shown("GroupBox6"));

    // Final certificate of class 10: annex 20 (Mittlere Reife).
    w<QComboBox>("ComboBox41")->setCurrentIndex(4);
    EXPECT_TRUE(shown("RadioGroup1"));   // the live handler shows the qualification at once
    w<QComboBox>("ComboBox42")->setCurrentIndex(10);
    click("Button3");
    click("Button2");
    EXPECT_EQ(rec.Anlage, 20);
    EXPECT_EQ(text("Edit14"), "20");
    EXPECT_TRUE(shown("RadioGroup1"));
    EXPECT_TRUE(shown("Label33"));        // three electives per half-year
    EXPECT_FALSE(shown("ComboBox1"));
    EXPECT_FALSE(shown("Memo2"));          // no learning-development report
}

TEST_F(RecordEditorGuiTest, CharactersOutsideWindows1252AreRefusedWithOneMessage)
{
    start(4, {{"Alt", "Anna"}});
    const std::string message = ruvek::ui::editor::refusedCharactersMessage(QStringLiteral("ł")).toStdString();
    for (const char* name : {"Edit6", "Memo3"}) {
        SCOPED_TRACE(name);
        prompter_.clearLog();
        QWidget* field = w(name);
        field->setFocus();
        type(field, QStringLiteral("Łó ł€"));
        EXPECT_EQ(prompter_.log(), (std::vector{Shown::warning(ruvek::ui::editor::refusedCharactersMessage(
                                                                  QStringLiteral("Ł"))
                                                                  .toStdString()),
                                                Shown::warning(message)}));
    }
    EXPECT_EQ(text("Edit6"), QStringLiteral("Annaó €"));
    click("BitBtn11");   // "Daten übernehmen"
    EXPECT_EQ(form_->klasse().records[0].Vorname.str(), ruvek::utf8ToCp1252("Annaó €"));
}

// A paste brings what no key types: tabs and control characters from a
// spreadsheet or a web page. They are refused like foreign letters, named by
// their picture, in line edits and memos alike.
TEST_F(RecordEditorGuiTest, PastedControlCharactersAreRefused)
{
    start(4, {{"Alt", "Anna"}});
    QString pasted = QStringLiteral("Ma\tria");
    pasted += QChar(u'\x01');
    for (const char* name : {"Edit6", "Memo3"}) {
        SCOPED_TRACE(name);
        prompter_.clearLog();
        QWidget* field = w(name);
        field->setFocus();
        QGuiApplication::clipboard()->setText(pasted);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->selectAll();
            edit->paste();
            EXPECT_EQ(edit->text(), QStringLiteral("Maria"));
        } else {
            auto* memo = static_cast<QPlainTextEdit*>(field);
            memo->selectAll();
            memo->paste();
            EXPECT_EQ(memo->toPlainText(), QStringLiteral("Maria"));
        }
        EXPECT_EQ(prompter_.log(), (std::vector{Shown::warning(ruvek::ui::editor::refusedCharactersMessage(
                                                                  QStringLiteral("\u2409\u2401"))
                                                                  .toStdString())}));
    }
    click("BitBtn11");   // "Daten übernehmen"
    EXPECT_EQ(form_->klasse().records[0].Vorname.str(), "Maria");
    EXPECT_EQ(form_->klasse().records[0].Vermerke.str(), "Maria");
}

TEST_F(RecordEditorGuiTest, MemoTakesNoMoreThanItsFieldHolds)
{
    start(4, {{"Alt", "Anna"}});
    auto* memo3 = w<QPlainTextEdit>("Memo3");   // remarks: 500 characters
    memo3->selectAll();
    memo3->insertPlainText(QString(498, u'x') + QStringLiteral("\nyyyy"));
    // The line break is stored as CR LF: 498 + 2 leaves no room for the y's.
    EXPECT_EQ(ruvek::ui::editor::storedLength(memo3->toPlainText()), 500);
    EXPECT_FALSE(prompter_.log().empty());
    QTest::keyClick(memo3, Qt::Key_Z);
    EXPECT_EQ(ruvek::ui::editor::storedLength(memo3->toPlainText()), 500);
    click("BitBtn11");
    EXPECT_EQ(form_->klasse().records[0].Vermerke.view().size(), 500u);
}

// A grade field shows "-": a click anywhere in it selects it, so the typed
// grade replaces the "-". What the school type's notation does not know is
// refused with one message naming the field and the allowed values, nothing
// of it is stored, and the record stays on screen until it is corrected.
TEST_F(RecordEditorGuiTest, GradeFieldTypedIntoReplacesTheDashAndRefusesUnknownGrades)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}, {"Berg", "Ben"}});
    w<QComboBox>("ComboBox41")->setCurrentIndex(1);
    w<QComboBox>("ComboBox42")->setCurrentIndex(7);
    w<QLineEdit>("Edit63")->setText("2024");
    click("Button3");
    click("Button2");
    w<QTabWidget>("PageControl2")->setCurrentIndex(3);   // "Fächer u. Bewertungen"
    const ruvek::TZgnRec& rec = form.klasse().records[0];
    auto* grade = w<QLineEdit>("EditF1");
    ASSERT_TRUE(grade->isVisible());
    ASSERT_EQ(grade->text(), "-");

    // Right of the "-", then left of it: the typed digit is the grade.
    const QPoint rightEdge(grade->width() - 3, grade->height() / 2);
    const QPoint leftEdge(3, grade->height() / 2);
    QTest::mouseClick(grade, Qt::LeftButton, {}, rightEdge);
    QTest::keyClicks(grade, "2");
    EXPECT_EQ(grade->text(), "2");
    click("BitBtn11");
    EXPECT_EQ(rec.slot(1).Note.str(), "2");
    QTest::mouseClick(grade, Qt::LeftButton, {}, leftEdge);
    QTest::keyClicks(grade, "3");
    EXPECT_EQ(grade->text(), "3");
    click("BitBtn11");
    EXPECT_EQ(rec.slot(1).Note.str(), "3");
    EXPECT_TRUE(prompter_.log().empty());

    // "7" at a Regionale Schule, a letter, a grade with a leftover dash.
    for (const char* typed : {"7", "x", "-2", "3-"}) {
        SCOPED_TRACE(typed);
        prompter_.clearLog();
        grade->setFocus();
        grade->selectAll();
        QTest::keyClicks(grade, typed);
        click("Button3");   // ">" stores first
        const std::string subject = ruvek::cp1252ToUtf8(rec.slot(1).Fach.view());
        ASSERT_EQ(prompter_.log().size(), 1u);
        EXPECT_EQ(prompter_.log()[0].kind, ruvek::MessageKind::Warning);
        EXPECT_EQ(prompter_.log()[0].text,
                  std::string("Die Eingabe \"") + typed + "\" im Feld \"Bewertung " + subject +
                      " (Zeile 1)\" ist keine gültige Bewertung. Erlaubt sind: " +
                      ruvek::AllowedGradesText(ruvek::SchoolType::RegionaleSchule) +
                      ".\nDieser Wert wurde nicht übernommen.");
        EXPECT_EQ(rec.slot(1).Note.str(), "3");
        EXPECT_EQ(form.klasse().current, 0);   // still on the record, the typed text still shown
        EXPECT_EQ(grade->text(), QString::fromLatin1(typed));
    }
    grade->selectAll();
    QTest::keyClicks(grade, "1");
    prompter_.clearLog();
    click("Button3");
    // (The next record, never laid out, may warn about its subjects.)
    for (const Shown& s : prompter_.log())
        EXPECT_EQ(s.text.find("Die Eingabe"), std::string::npos) << s.text;
    EXPECT_EQ(form.klasse().current, 1);
    EXPECT_EQ(rec.slot(1).Note.str(), "1");
}

// Dates must be days of the calendar; an empty mask stays allowed.
TEST_F(RecordEditorGuiTest, BirthDateThatIsNoDateIsRefused)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}});
    const ruvek::TZgnRec& rec = form.klasse().records[0];
    auto* birth = w<QLineEdit>("MaskEdit2");
    for (const char* typed : {"31.02.2014", "99.99.2014"}) {
        SCOPED_TRACE(typed);
        prompter_.clearLog();
        birth->setText(typed);
        click("BitBtn11");
        ASSERT_EQ(prompter_.log().size(), 1u);
        EXPECT_NE(prompter_.log()[0].text.find(std::string("Die Eingabe \"") + typed +
                                               "\" im Feld \"Geburtsdatum\" ist kein gültiges Datum."),
                  std::string::npos)
            << prompter_.log()[0].text;
        EXPECT_NE(rec.GebDatum.str(), typed);
    }
    prompter_.clearLog();
    birth->setText("28.02.2014");
    click("BitBtn11");
    EXPECT_TRUE(prompter_.log().empty());
    EXPECT_EQ(rec.GebDatum.str(), "28.02.2014");
}

// Tab walks down the grade column (the hidden additions are skipped), not
// through the subject and level selectors, and each grade field it reaches
// is selected, so typing replaces its "-".
TEST_F(RecordEditorGuiTest, TabWalksDownTheGradeColumn)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}});
    w<QComboBox>("ComboBox41")->setCurrentIndex(1);
    w<QComboBox>("ComboBox42")->setCurrentIndex(7);
    w<QLineEdit>("Edit63")->setText("2024");
    click("BitBtn11");
    click("BitBtn11");
    w<QTabWidget>("PageControl2")->setCurrentIndex(3);
    QApplication::setActiveWindow(&form);
    std::vector<QString> visited;
    QWidget* at = w("EditF1");
    at->setFocus(Qt::TabFocusReason);
    for (int k = 1; k <= 18; ++k) {
        if (!w(("EditF" + std::to_string(k)).c_str())->isVisible())
            continue;
        at = form.focusWidget();
        ASSERT_TRUE(at);
        visited.push_back(at->objectName());
        QTest::keyClick(at, Qt::Key_Tab);
    }
    std::vector<QString> expected;
    for (int k = 1; k <= 18; ++k)
        if (w(("EditF" + std::to_string(k)).c_str())->isVisible())
            expected.push_back(QStringLiteral("EditF%1").arg(k));
    EXPECT_EQ(visited, expected);

    auto* second = w<QLineEdit>("EditF2");
    second->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(second, "4");
    EXPECT_EQ(second->text(), "4");
}

static void clearHint(TMainForm& form)
{
    QStatusTipEvent tip{QString()};
    QCoreApplication::sendEvent(&form, &tip);
}

// A full field says so in the status bar: the remarks at their 500
// characters, a name at its 30.
TEST_F(RecordEditorGuiTest, FullFieldsSaySoInTheStatusBar)
{
    TMainForm& form = start(4, {{"Alt", "Anna"}});
    auto* memo3 = w<QPlainTextEdit>("Memo3");
    memo3->setPlainText(QString(499, u'x'));
    EXPECT_TRUE(form.statusPanelText(0).isEmpty());
    QTest::keyClick(memo3, Qt::Key_Y);   // the 500th character: full now
    EXPECT_EQ(form.statusPanelText(0), ruvek::ui::editor::fullFieldMessage(500));
    clearHint(form);
    QTest::keyClick(memo3, Qt::Key_Z);   // one more: refused, said again
    EXPECT_EQ(ruvek::ui::editor::storedLength(memo3->toPlainText()), 500);
    EXPECT_EQ(form.statusPanelText(0), ruvek::ui::editor::fullFieldMessage(500));

    // A show of a full text is no typing: no notice.
    clearHint(form);
    click("BitBtn11");
    EXPECT_TRUE(form.statusPanelText(0).isEmpty());

    auto* edit5 = w<QLineEdit>("Edit5");
    edit5->setText(QString(30, u'a'));
    edit5->setCursorPosition(30);
    QTest::keyClick(edit5, Qt::Key_B);
    EXPECT_EQ(edit5->text(), QString(30, u'a'));
    EXPECT_EQ(form.statusPanelText(0), ruvek::ui::editor::fullFieldMessage(30));
    // A notice, no message box (the record's layout may warn about its subjects).
    for (const Shown& s : prompter_.log())
        EXPECT_EQ(s.text.find("Zeichen"), std::string::npos) << s.text;
}

TEST_F(RecordEditorGuiTest, DeletedStudentsLookStruckOutAndCtrlPageDownTurnsPages)
{
    TMainForm& form = start(2, {{"Alt", "Anna"}, {"Berg", "Ben"}}, 1);
    form.klasse().records[1].Status = 0;
    form.showCurrentRecord();
    auto* list = w<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_FALSE(list->item(0)->font().strikeOut());
    EXPECT_TRUE(list->item(1)->font().strikeOut());
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Berg, Ben"));

    auto* pages = w<QTabWidget>("PageControl2");
    QApplication::setActiveWindow(&form);   // shortcuts work in the active window
    QTest::keyClick(w("Edit5"), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::keyClick(w("Memo2"), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 0);
}

} // namespace
