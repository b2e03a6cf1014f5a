// The main window with the keyboard alone, as a teacher who cannot use a
// mouse or hears the screen works with it: Tab reaches every control of
// each editor page in reading order, every stop has a name a screen reader
// speaks, Alt with a menu's letter opens that menu on every page, and the
// selectors of the subject rows are named by their subject.
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "ui/AccessibleComboBox.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace fs = std::filesystem;
using ruvek::ui::TMainForm;

namespace {

QString describe(QWidget* w)
{
    if (!w)
        return QStringLiteral("(nichts)");
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

QString spokenName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

class KeyboardAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruvek::ui::installAccessibleComboBoxes();
        programFolder_ = fs::temp_directory_path() / ("ruvek-keys-" + std::to_string(std::random_device {}()));
        fs::create_directories(programFolder_);
        savedCwd_ = fs::current_path();

        // A Regionale Schule year certificate of class 7 (annex 15): every
        // editor page shows its controls.
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup {programFolder_, &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.schule.Schultyp = 2;
        form_->state().settings.prog.InfoHinweise = 0;
        form_->resize(1100, 760);
        form_->show();
        ruvek::TZgnRec& rec = form_->klasse().records[0];
        rec.Name = ruvek::utf8ToCp1252("Müller");
        rec.Vorname = "Anna";
        rec.ZgnTyp = 1;
        rec.Klassenstufe = 7;
        rec.SjBeginn = "2026";
        form_->showCurrentRecord();
        click("BitBtn11"); // store: the annex is decided
        click("BitBtn11"); // show: the rows follow it
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        ASSERT_EQ(form_->findChild<QLineEdit*>("Edit7")->text(), QStringLiteral("15"));
    }
    void TearDown() override
    {
        form_.reset();
        fs::current_path(savedCwd_);
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }

    template <class W = QWidget> W* w(const char* name) const
    {
        return form_->findChild<W*>(QString::fromLatin1(name));
    }
    void click(const char* name) { w<QAbstractButton>(name)->click(); }
    QTabWidget* pages() const { return w<QTabWidget>("PageControl2"); }
    void showPage(int p)
    {
        pages()->setCurrentIndex(p);
        QApplication::processEvents();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    // The stops of one round of Tab from `start` back to it.
    std::vector<QWidget*> tabRound(QWidget* start)
    {
        start->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> stops {QApplication::focusWidget()};
        for (int i = 0; i < 400; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == stops.front() || !now)
                break;
            stops.push_back(now);
        }
        return stops;
    }

    ruvek::test::ScriptedPrompter prompter_;
    fs::path programFolder_;
    fs::path savedCwd_;
    std::unique_ptr<TMainForm> form_;
};

// The controls a keyboard user must reach: showing, enabled, and taking
// focus by Tab (through their focus proxy, where they have one).
std::set<QWidget*> keyboardControls(QWidget* window)
{
    std::set<QWidget*> out;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        QWidget* target = c;
        while (target->focusProxy())
            target = target->focusProxy();
        if (c->isVisible() && c->isEnabled() && (target->focusPolicy() & Qt::TabFocus) && target->isVisible())
            out.insert(target);
    }
    return out;
}

TEST_F(KeyboardAccessTest, TabReachesEveryControlOfEachPageInReadingOrderAndEveryStopIsNamed)
{
    for (int p = 0; p < pages()->count(); ++p) {
        SCOPED_TRACE("Seite " + pages()->tabText(p).toStdString());
        showPage(p);
        const std::vector<QWidget*> stops = tabRound(w("ListBox1"));
        ASSERT_GT(stops.size(), 10u);

        // Every control of the window as it stands is one stop.
        const std::set<QWidget*> expected = keyboardControls(form_.get());
        const std::set<QWidget*> reached(stops.begin(), stops.end());
        EXPECT_EQ(reached.size(), stops.size()) << "a control is passed twice in one round";
        for (QWidget* c : expected)
            EXPECT_TRUE(reached.count(c)) << "nicht erreichbar: " << describe(c).toStdString();

        // A reader names every stop; none is a bare container.
        for (QWidget* s : stops)
            EXPECT_FALSE(spokenName(s).isEmpty()) << "Halt ohne Namen: " << describe(s).toStdString();

        // Reading order: the speed bar, the page row, the student list with
        // its buttons below it, then the editor pages' tabs and the page.
        const auto at = [&](QWidget* c) { return std::find(stops.begin(), stops.end(), c) - stops.begin(); };
        const auto list = at(w("ListBox1"));
        for (const char* below : {"Button1", "Button4", "Button6", "Button7", "BitBtn11", "BitBtn6"})
            EXPECT_LT(list, at(w(below))) << below;
        EXPECT_LT(at(w("Button7")), at(w("BitBtn11")));
        EXPECT_LT(at(w("BitBtn6")), at(pages()->tabBar()));
        int speedButtons = 0;
        for (QToolButton* b :
             form_->findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^SpeedButton\\d+$"))))
            if (b->isVisible() && qobject_cast<QToolBar*>(b->parentWidget())) {
                ++speedButtons;
                EXPECT_TRUE(reached.count(b)) << "Symbolleiste: " << describe(b).toStdString();
            }
        EXPECT_GT(speedButtons, 20);
    }
}

// Alt with a menu's letter opens that menu, whichever editor page is in
// front: no caption of a page takes a menu's letter. The two menus that
// both take E ("&Eingeben", "&Einstellungen") are opened in turn.
TEST_F(KeyboardAccessTest, AltWithAMenuLetterOpensThatMenuOnEveryPage)
{
    QMenuBar* bar = form_->menuBar();
    std::map<QChar, std::vector<QAction*>> byLetter;
    for (QAction* menu : bar->actions()) {
        const QString text = menu->text();
        const auto amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size())
            byLetter[text.at(amp + 1).toUpper()].push_back(menu);
    }
    ASSERT_EQ(byLetter[QLatin1Char('E')].size(), 2u);

    const auto pressAlt = [&](QChar letter) -> QAction* {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(letter.unicode()), Qt::AltModifier);
        QAction* opened = nullptr;
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = popup->menuAction();
            popup->close();
        }
        bar->setActiveAction(nullptr);
        // The offscreen platform leaves the closed menu the active window.
        QApplication::setActiveWindow(form_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        return opened;
    };

    for (int p = 0; p < pages()->count(); ++p) {
        SCOPED_TRACE("Seite " + pages()->tabText(p).toStdString());
        showPage(p);
        for (const auto& [letter, menus] : byLetter) {
            std::set<QAction*> opened;
            for (std::size_t round = 0; round < menus.size() + 1; ++round) {
                w("ListBox1")->setFocus();
                QAction* menu = pressAlt(letter);
                EXPECT_NE(menu, nullptr) << "Alt+" << QString(letter).toStdString() << " öffnet kein Menü, "
                                         << "der Fokus ist auf " << describe(QApplication::focusWidget()).toStdString();
                opened.insert(menu);
            }
            for (QAction* m : menus)
                EXPECT_TRUE(opened.count(m))
                    << "Alt+" << QString(letter).toStdString() << " erreicht " << m->text().toStdString() << " nicht";
        }
    }
}

// The selectors of the subject rows say which subject they are for, not
// what they hold; a subject chosen renames the row's grade field.
TEST_F(KeyboardAccessTest, RowSelectorsAreNamedByTheirSubjectNotTheirEntry)
{
    showPage(3);
    auto* level = w<QComboBox>("ComboBox1");
    ASSERT_TRUE(level->isVisible());
    level->setCurrentIndex(1);
    const QString subject = w<QWidget>("LabelF1")->property("text").toString().trimmed();
    ASSERT_FALSE(subject.isEmpty());
    EXPECT_EQ(ruvek::ui::accessibleNameOf(level), subject + QStringLiteral(" Anspruchsebene"));
    EXPECT_EQ(spokenName(w("EditF1")), subject + QStringLiteral(" Note"));

    auto* language = w<QComboBox>("ComboBoxF2");
    ASSERT_TRUE(language->isVisible());
    EXPECT_EQ(ruvek::ui::accessibleNameOf(language), QStringLiteral("1. Fremdsprache Fach"));
    const int french = language->findText(QStringLiteral("Französisch"));
    ASSERT_GE(french, 0);
    language->setCurrentIndex(french); // as the user picks it
    EXPECT_EQ(spokenName(w("EditF2")), QStringLiteral("Französisch (1. Fremdsprache) Note"));
    EXPECT_EQ(ruvek::ui::accessibleNameOf(language), QStringLiteral("1. Fremdsprache Fach"));

    // Every showing selector of the window is named, never by one of its entries.
    for (QComboBox* c : form_->findChildren<QComboBox*>()) {
        if (!c->isVisible())
            continue;
        const QString name = ruvek::ui::accessibleNameOf(c);
        EXPECT_FALSE(name.isEmpty()) << describe(c).toStdString();
        EXPECT_EQ(c->findText(name), -1) << describe(c).toStdString()
                                         << " heißt wie ein Eintrag: " << name.toStdString();
    }
}

} // namespace
