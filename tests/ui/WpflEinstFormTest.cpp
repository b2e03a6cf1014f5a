#include "ui/settings/WpflEinstForm.h"

#include "support/ScriptedPrompter.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace ruvek::ui {
namespace {
namespace fs = std::filesystem;

class WpflEinstFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("ruvek-wpflform-" + std::to_string(std::random_device{}()));
        fs::create_directories(root / "Daten");
        WpflDefaults(list);
        AddWPflFach(list, "Informatik");
        ASSERT_TRUE(SaveWPflFach(list, folders(), prompter));
        form = std::make_unique<TWpflEinstForm>(list, liste, prompter, [this] { return folders(); });
    }
    void TearDown() override
    {
        form.reset();
        fs::remove_all(root);
    }
    WpflFolders folders() const { return {root, root / "Daten", 1}; }

    QStringList shown() const
    {
        QStringList out;
        auto* box = form->findChild<QListWidget*>("ListBox1");
        for (int i = 0; i < box->count(); ++i)
            out << box->item(i)->text();
        return out;
    }
    int currentRow() const { return form->findChild<QListWidget*>("ListBox1")->currentRow(); }

    fs::path root;
    TWPflFach list;
    std::vector<std::string> liste;
    test::ScriptedPrompter prompter;
    std::unique_ptr<TWpflEinstForm> form;
};

TEST_F(WpflEinstFormTest, NamedWidgetsAndCaptions)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Einstellungen zu den Wahlpflichtfächern"));
    EXPECT_NE(form->findChild<QLineEdit*>("Edit1"), nullptr);
    const std::pair<const char*, QString> buttons[] = {
        {"Button1", "OK"},
        {"Button2", "Abbrechen"},
        {"Button3", QStringLiteral("Fach zur Liste hinzufügen")},
        {"Button4", QStringLiteral("ausgewähltes Fach aus der Liste löschen")}};
    for (const auto& [name, text] : buttons) {
        auto* b = form->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), text);
    }
}

TEST_F(WpflEinstFormTest, ShowListsTheFileWithFirstItemSelected)
{
    form->FormShow();   // rereads the file and the selector list
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Informatik"}));
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", "Informatik"}));
    EXPECT_EQ(currentRow(), 0);
}

TEST_F(WpflEinstFormTest, ShowingTheDialogReadsTheFileAgain)
{
    TWPflFach onDisk;
    WpflDefaults(onDisk);
    AddWPflFach(onDisk, "Chor");
    ASSERT_TRUE(SaveWPflFach(onDisk, folders(), prompter));
    form->show();
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", "Chor"}));
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Chor"}));
    form->hide();
}

TEST_F(WpflEinstFormTest, AddDeleteAndOkSaveTheList)
{
    form->FormShow();
    form->findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("Französisch"));
    form->findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", "Informatik", QStringLiteral("Französisch")}));
    EXPECT_EQ(currentRow(), 3);

    form->findChild<QListWidget*>("ListBox1")->setCurrentRow(2);
    prompter.answers = {true};
    form->findChild<QPushButton*>("Button4")->click();
    EXPECT_EQ(prompter.log(), (std::vector{test::Shown::question("Wollen Sie das Fach: \"Informatik\" wirklich löschen?",
                                                                 MessageKind::Warning)}));
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", QStringLiteral("Französisch")}));
    EXPECT_EQ(currentRow(), 1);

    // Entry 1 cannot be deleted.
    form->findChild<QPushButton*>("Button4")->click();
    EXPECT_EQ(prompter.log().size(), 2u);
    EXPECT_EQ(prompter.last(), test::Shown::information("Die letzten Datensätze können nicht gelöscht werden!"));

    form->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Franz\xF6sisch"}));
    TWPflFach back;
    WpflDefaults(back);
    ASSERT_EQ(LoadWPflFach(back, folders(), prompter), WpflLoadResult::Loaded);
    EXPECT_EQ(BuildWahlpflichtListe(back), liste);
}

// Enter in "neues Wahlpflichtfach" adds the subject as the add button does
// and leaves the dialog open; Enter elsewhere still means OK.
TEST_F(WpflEinstFormTest, EnterInTheNewSubjectFieldAddsIt)
{
    form->show();
    auto* edit = form->findChild<QLineEdit*>("Edit1");
    edit->setText("Chor");
    QTest::keyClick(edit, Qt::Key_Return);
    edit->setText("Theater");
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", "Informatik", "Chor", "Theater"}));
    EXPECT_EQ(currentRow(), 4);
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Informatik"}));   // not saved yet

    QTest::keyClick(form->findChild<QListWidget*>("ListBox1"), Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Informatik", "Chor", "Theater"}));
}

TEST_F(WpflEinstFormTest, WideEnoughForItsTitle)
{
    form->show();
    EXPECT_GE(form->width(), form->fontMetrics().horizontalAdvance(form->windowTitle()) + 100);
    form->hide();
}

TEST_F(WpflEinstFormTest, CancelKeepsTheOfferedListAndTheNextShowRereadsTheFile)
{
    form->FormShow();
    form->findChild<QLineEdit*>("Edit1")->setText("Schach");
    form->Button3Click();
    form->findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(liste, (std::vector<std::string>{"  - - -", "???", "Informatik"}));
    EXPECT_EQ(list.count(), 4u);  // the change stays in memory until the next show

    form->FormShow();
    EXPECT_EQ(shown(), (QStringList{"  - - -", "???", "Informatik"}));
    EXPECT_EQ(list.count(), 3u);
}

} // namespace
} // namespace ruvek::ui
