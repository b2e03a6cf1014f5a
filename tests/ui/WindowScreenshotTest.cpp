// Opens every dialog and tool window of the program over the example class
// and checks what a picture shows at a glance: no control sticks out of its
// window or overlaps a sibling, and no caption of a label, button or check
// box is cut off. With RUVEK_SCREENSHOTS naming a folder a picture of each
// is saved there for looking at the layout: RUVEK_SCREENSHOTS=/tmp test_ui
// --gtest_filter='WindowScreenshots*'.
#include "classfile/ClassFileGuard.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/completeness/VollstaendigkeitForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/NeuDSForm.h"
#include "ui/print/InfoDlg.h"
#include "ui/settings/FirstStartForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

// A caption needs its size hint's width; a narrower control cuts it off.
void expectCaptionsWhole(QWidget& window, const std::string& file)
{
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        // (A button showing only its icon has no caption to cut.)
        const bool captioned = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                               (button && !button->text().isEmpty());
        // A push button's size hint holds a style minimum beyond its text:
        // it needs the text and its frame.
        const int needed =
            button ? std::min(w->sizeHint().width(), button->fontMetrics().horizontalAdvance(button->text()) + 8 +
                                                         (button->icon().isNull() ? 0 : button->iconSize().width() + 4))
                   : w->sizeHint().width();
        if (captioned) {
            EXPECT_GE(w->width(), needed)
                << file << ": " << w->metaObject()->className() << " " << w->objectName().toStdString() << " \""
                << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                              : qobject_cast<QAbstractButton*>(w)->text())
                       .toStdString()
                << "\" " << w->width() << " < " << needed;
        }
        // Whole inside the parent.
        // (A page in a scroll area may be larger than the area's viewport.)
        if (QWidget* p = w->parentWidget(); p && !qobject_cast<QAbstractScrollArea*>(p) &&
                                            p->objectName() != QStringLiteral("qt_scrollarea_viewport")) {
            EXPECT_TRUE(p->rect().contains(w->geometry()))
                << file << ": " << w->objectName().toStdString() << " sticks out of "
                << p->objectName().toStdString();
        }
    }
}

// Headers of visible table columns are shown whole.
void expectHeadersWhole(QWidget& window, const std::string& file)
{
    for (QTableWidget* t : window.findChildren<QTableWidget*>()) {
        if (!t->isVisibleTo(&window))
            continue;
        QHeaderView* h = t->horizontalHeader();
        for (int c = 0; c < t->columnCount(); ++c) {
            const int width = h->sectionSize(c);
            if (width <= 10)   // a column kept out of sight on purpose
                continue;
            const QTableWidgetItem* item = t->horizontalHeaderItem(c);
            if (!item)
                continue;
            const int needed = h->fontMetrics().horizontalAdvance(item->text()) + 8;
            EXPECT_GE(width, needed) << file << ": column " << c << " \"" << item->text().toStdString() << "\"";
        }
    }
}

class WindowScreenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QFontInfo(QApplication::font()).family() != QStringLiteral("Liberation Sans") &&
            QFontInfo(QFont(QStringLiteral("Arial"))).family() != QStringLiteral("Liberation Sans"))
            GTEST_SKIP() << "Liberation fonts missing";
        if (const char* dir = std::getenv("RUVEK_SCREENSHOTS"))
            out_ = dir;
        // A folder of its own: the tests of this fixture run in parallel.
        temp_ = std::make_unique<test::TempDir>("ruvek-window-screenshots");
        folder_ = temp_->path();
        form_ = std::make_unique<ui::TMainForm>(ui::MainFormSetup{folder_, &prompter_});
        ui::createApplicationForms(*form_);
        form_->state().settings.prog.InfoHinweise = 0;
        form_->state().settings.schule.Schultyp = 2;   // Regionale Schule, as the example class
        form_->show();
        fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", folder_ / "8b.RVK");
        ASSERT_TRUE(form_->klasse().openFile(folder_ / "8b.RVK", prompter_));
        form_->klasse().current = 0;
        form_->showCurrentRecord();
    }
    void TearDown() override
    {
        form_.reset();
        temp_.reset();
    }

    // Saves a picture when asked to.
    void save(QWidget& w, const std::string& file)
    {
        if (!out_.empty()) {
            EXPECT_TRUE(w.grab().save(QString::fromStdString(out_ + "/" + file)));
        }
    }

    // Checks the window (and saves its picture).
    void look(QWidget& w, const char* name)
    {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const std::string file = std::string(name) + ".png";
        save(w, file);
        expectCaptionsWhole(w, file);
        expectHeadersWhole(w, file);
        for (QTabWidget* tabs : w.findChildren<QTabWidget*>())
            for (int p = 1; p < tabs->count(); ++p) {
                tabs->setCurrentIndex(p);
                QApplication::processEvents();
                const std::string page = std::string(name) + "-" + std::to_string(p + 1) + ".png";
                save(w, page);
                expectCaptionsWhole(w, page);
            }
    }

    // Triggers a command and looks at the modal window it opens, which is
    // then closed with Escape's reject.
    void lookAtCommand(const char* command, const char* name, std::function<void(QWidget&)> before = {})
    {
        bool seen = false;
        std::function<void()> poll;
        poll = [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) {
                QTimer::singleShot(10, poll);
                return;
            }
            seen = true;
            if (before)
                before(*w);
            look(*w, name);
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        };
        QTimer::singleShot(0, poll);
        QAction* a = form_->actions().action(QString::fromLatin1(command));
        ASSERT_TRUE(a) << command;
        a->trigger();
        EXPECT_TRUE(seen) << command;
    }

    std::string out_; // the folder for the pictures; empty: none are saved
    test::ScriptedPrompter prompter_;
    std::unique_ptr<test::TempDir> temp_;
    fs::path folder_;
    std::unique_ptr<ui::TMainForm> form_;
};

} // namespace

TEST_F(WindowScreenshots, DialogsOverTheExampleClass)
{
    lookAtCommand("fcherweiseBewertungen1", "facheingabe", [](QWidget& w) {
        auto* box = w.findChild<QComboBox*>("ComboBox1");
        box->setCurrentIndex(box->findText(QStringLiteral("Mathematik")));
    });
    prompter_.answers = {false};   // "abbrechen": take nothing over
    lookAtCommand("FachnotenStatistik1", "notenstatistik", [](QWidget& w) {
        auto* box = w.findChild<QComboBox*>("ComboBox1");
        box->setCurrentIndex(box->findText(QStringLiteral("Mathematik")));
        emit box->activated(box->currentIndex());
    });
    lookAtCommand("FcherBewertungsbersicht1", "bewertungsuebersicht");
    lookAtCommand("SchulEinstellungen1", "schuleinstellungen");
    lookAtCommand("ProgrammEinstellungen1", "programmeinstellungen");
    lookAtCommand("DruckOptionen1", "druckoptionen");
    lookAtCommand("WahlpflichtFcher1", "wahlpflichtfaecher");
    lookAtCommand("exportieren1", "einstellungen-export");
    lookAtCommand("importieren1", "einstellungen-import");
    lookAtCommand("vollstndigeDatensicherung1", "datensicherung");
    lookAtCommand("Fachzensurenlistevorbereiten1", "fachnoten-export");
    prompter_.answers.clear();

    ui::FirstStartForm first(form_.get());
    first.show();
    look(first, "erster-start");
    first.hide();

    ui::TNeuDSForm neu(prompter_, form_.get());
    neu.show();
    look(neu, "neuer-schueler");
    neu.hide();

    ui::TInfoDlg& info = *form_->forms().infoDlg;
    info.prepare(QStringLiteral("Hinweis"), QString(),
                 {QStringLiteral("Bitte legen Sie unbedingt zuerst alle"),
                  QStringLiteral("Zeugnisangaben (für den Zeugniskopf) fest."), QString(),
                  QStringLiteral("Bei späteren Änderungen mit Verschiebungen"),
                  QStringLiteral("bei den Fächern kann es zu Problemen kommen!")},
                 0);
    info.show();
    look(info, "info-dialog");
    info.hide();

    form_->klasse().records[2].KlLehrer = "";   // a finding or two to show
    form_->actions().action(QStringLiteral("aufVollstndigkeit1"))->trigger();
    auto* findings = form_->findChild<ui::TVollstaendigkeitForm*>();
    ASSERT_TRUE(findings);
    look(*findings, "vollstaendigkeit");
}

// The main window at the smallest and the usual size, with a class opened
// read-only: every caption whole (the read-only marker of the status bar
// among them), the student table's headers whole on both pages.
TEST_F(WindowScreenshots, MainWindowAtBothSizes)
{
    FileAccess readOnly;
    readOnly.allowed = true;
    readOnly.readOnly = true;
    // Another class than the one open (whose lock the guard keeps).
    form_->klasse().guard.adoptOpened(folder_ / "andere.RVK", std::move(readOnly));
    form_->showClassFileName("Klasse8b-Regionale.RVK");
    auto* pages = form_->findChild<QTabWidget*>("PageControl1");
    auto* editorPages = form_->findChild<QTabWidget*>("PageControl2");
    for (const QSize size : {QSize(1000, 700), QSize(795, 580)}) {
        form_->resize(size);
        const std::string tag = std::to_string(size.width()) + "x" + std::to_string(size.height());
        pages->setCurrentIndex(0);
        editorPages->setCurrentIndex(3);
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const std::string sheet = "hauptfenster-" + tag + "-faecher.png";
        save(*form_, sheet);
        expectCaptionsWhole(*form_, sheet);
        auto* panel = form_->findChild<QLabel*>("StatusPanel1");
        EXPECT_TRUE(panel->text().endsWith(QStringLiteral("(schreibgeschützt)")));
        EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(panel->text())) << sheet;

        pages->setCurrentIndex(1);   // "Schüler-Tabelle"
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const std::string table = "hauptfenster-" + tag + "-tabelle.png";
        save(*form_, table);
        expectHeadersWhole(*form_, table);
    }
}
