// Lays out each editor page for a year certificate of a Regionale Schule
// (annex 15) and of a Gymnasium (annex 21), at the default window size, a
// larger one and the smallest: every shown control lies whole on its page,
// and at the two larger sizes no page needs a horizontal scroll bar. With
// RUVEK_SCREENSHOTS naming a folder a picture of each page is saved there
// for looking at the layout: RUVEK_SCREENSHOTS=/tmp test_ui
// --gtest_filter='EditorScreenshots*'.
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

TEST(EditorScreenshots, FivePagesForTwoSchools)
{
    const char* folder = std::getenv("RUVEK_SCREENSHOTS");  // nullptr: no pictures saved
    const ruvek::test::TempDir temp("ruvek-screenshots");
    const fs::path& programFolder = temp.path();
    const fs::path cwd = fs::current_path();
    const struct {
        const char* school;
        int schultyp;
        int klasse;
        const char* annex;
    } schools[] = {{"regionale", 2, 7, "15"}, {"gymnasium", 4, 8, "21"}};
    for (const QSize size : {QSize(1000, 700), QSize(1100, 760), QSize(795, 580)})
        for (const auto& s : schools) {
            ruvek::test::ScriptedPrompter prompter;
            ruvek::ui::TMainForm form(ruvek::ui::MainFormSetup{programFolder, &prompter});
            ruvek::ui::createApplicationForms(form);
            form.state().settings.schule.Schultyp = static_cast<std::int16_t>(s.schultyp);
            form.state().settings.prog.InfoHinweise = 0;
            form.resize(size);
            form.show();
            ruvek::TZgnRec& rec = form.klasse().records[0];
            rec.Name = ruvek::utf8ToCp1252("Müller");
            rec.Vorname = "Anna";
            rec.ZgnTyp = 1;
            rec.Klassenstufe = static_cast<std::int16_t>(s.klasse);
            rec.SjBeginn = "2024";
            rec.Klasse = "7b";
            form.showCurrentRecord();
            form.findChild<QAbstractButton*>("BitBtn11")->click();   // store: the annex is decided
            form.findChild<QAbstractButton*>("BitBtn11")->click();   // show: the rows follow it
            EXPECT_EQ(form.findChild<QLineEdit*>("Edit7")->text(), QString::fromLatin1(s.annex)) << s.school;
            auto* pages = form.findChild<QTabWidget*>("PageControl2");
            for (int p = 0; p < pages->count(); ++p) {
                pages->setCurrentIndex(p);
                // A page may rearrange its columns to the width it is given,
                // which takes a second round of layout.
                for (int round = 0; round < 3; ++round)
                    QApplication::processEvents();
                const QString file = QStringLiteral("editor-%1-%2x%3-%4.png")
                                         .arg(s.school)
                                         .arg(size.width())
                                         .arg(size.height())
                                         .arg(p + 1);
                if (folder) {
                    EXPECT_TRUE(form.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + file));
                }
                // Every shown control lies whole on its page.
                auto* scroll = qobject_cast<QScrollArea*>(pages->widget(p));
                ASSERT_TRUE(scroll);
                QWidget* page = scroll->widget();
                for (QWidget* w : page->findChildren<QWidget*>()) {
                    if (!w->isVisibleTo(page) || w->objectName().startsWith(QStringLiteral("qt_")))
                        continue;
                    const QRect onPage(w->mapTo(page, QPoint(0, 0)), w->size());
                    EXPECT_TRUE(page->rect().contains(onPage))
                        << file.toStdString() << " " << w->objectName().toStdString();
                }
                if (size.width() >= 1000) {
                    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible())
                        << file.toStdString() << " needs " << scroll->widget()->minimumSizeHint().width()
                        << " of " << scroll->viewport()->width();
                }
            }
        }
    fs::current_path(cwd);
}
