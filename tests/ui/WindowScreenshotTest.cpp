// Opens every dialog and tool window of the program over the example class,
// saves a picture of each for looking at the layout, and checks what a
// picture shows at a glance: no control sticks out of its window or overlaps
// a sibling, and no caption of a label, button or check box is cut off.
// Runs only when RUVEK_SCREENSHOTS names a folder: RUVEK_SCREENSHOTS=/tmp
// test_ui --gtest_filter='WindowScreenshots*'.
#include "support/ScriptedPrompter.h"
#include "ui/completeness/VollstaendigkeitForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/NeuDSForm.h"
#include "ui/print/InfoDlg.h"

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
        const bool captioned = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                               qobject_cast<QAbstractButton*>(w);
        if (captioned) {
            EXPECT_GE(w->width(), w->sizeHint().width())
                << file << ": " << w->metaObject()->className() << " " << w->objectName().toStdString() << " \""
                << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                              : qobject_cast<QAbstractButton*>(w)->text())
                       .toStdString()
                << "\" " << w->width() << " < " << w->sizeHint().width();
        }
        // Whole inside the parent.
        if (QWidget* p = w->parentWidget(); p && !qobject_cast<QAbstractScrollArea*>(p)) {
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
        const char* dir = std::getenv("RUVEK_SCREENSHOTS");
        if (!dir)
            GTEST_SKIP() << "RUVEK_SCREENSHOTS not set";
        if (QFontInfo(QApplication::font()).family() != QStringLiteral("Liberation Sans") &&
            QFontInfo(QFont(QStringLiteral("Arial"))).family() != QStringLiteral("Liberation Sans"))
            GTEST_SKIP() << "Liberation fonts missing";
        out_ = dir;
        folder_ = fs::temp_directory_path() / "ruvek-window-screenshots";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
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
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    // Saves the window and checks it.
    void look(QWidget& w, const char* name)
    {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const std::string file = out_ + "/" + name + ".png";
        EXPECT_TRUE(w.grab().save(QString::fromStdString(file)));
        expectCaptionsWhole(w, file);
        expectHeadersWhole(w, file);
        for (QTabWidget* tabs : w.findChildren<QTabWidget*>())
            for (int p = 1; p < tabs->count(); ++p) {
                tabs->setCurrentIndex(p);
                QApplication::processEvents();
                const std::string page = out_ + "/" + name + "-" + std::to_string(p + 1) + ".png";
                EXPECT_TRUE(w.grab().save(QString::fromStdString(page)));
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

    std::string out_;
    test::ScriptedPrompter prompter_;
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
