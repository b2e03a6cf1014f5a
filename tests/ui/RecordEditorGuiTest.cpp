// The record editor through its real widgets: what a teacher types reaches
// the class file, head data decide the certificate form and the layout of
// the subject rows, and the text fields take only what a record can hold.
#include "classfile/ClassFile.h"
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "ui/editor/InputGuard.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
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
