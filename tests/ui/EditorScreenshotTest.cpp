// Saves a picture of each editor page for a year certificate of a Regionale
// Schule and of a Gymnasium, for looking at the layout. Runs only when
// RUVEK_SCREENSHOTS names a folder: RUVEK_SCREENSHOTS=/tmp test_ui
// --gtest_filter='EditorScreenshots*'.
#include "common/Cp1252.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

TEST(EditorScreenshots, FivePagesForTwoSchools)
{
    const char* folder = std::getenv("RUVEK_SCREENSHOTS");
    if (!folder)
        GTEST_SKIP() << "RUVEK_SCREENSHOTS not set";
    const fs::path programFolder = fs::temp_directory_path() / "ruvek-screenshots";
    fs::create_directories(programFolder);
    const fs::path cwd = fs::current_path();
    for (const auto& [school, schultyp, klasse] : {std::tuple{"regionale", 2, 7}, std::tuple{"gymnasium", 4, 8}}) {
        ruvek::test::ScriptedPrompter prompter;
        ruvek::ui::TMainForm form(ruvek::ui::MainFormSetup{programFolder, &prompter});
        ruvek::ui::createApplicationForms(form);
        form.state().settings.schule.Schultyp = static_cast<std::int16_t>(schultyp);
        form.state().settings.prog.InfoHinweise = 0;
        form.resize(1100, 760);
        form.show();
        ruvek::TZgnRec& rec = form.klasse().records[0];
        rec.Name = ruvek::utf8ToCp1252("Müller");
        rec.Vorname = "Anna";
        rec.ZgnTyp = 1;
        rec.Klassenstufe = static_cast<std::int16_t>(klasse);
        rec.SjBeginn = "2024";
        rec.Klasse = "7b";
        form.showCurrentRecord();
        form.findChild<QAbstractButton*>("BitBtn11")->click();   // store: the annex is decided
        form.findChild<QAbstractButton*>("BitBtn11")->click();   // show: the rows follow it
        auto* pages = form.findChild<QTabWidget*>("PageControl2");
        for (int p = 0; p < pages->count(); ++p) {
            pages->setCurrentIndex(p);
            const QString file = QStringLiteral("%1/editor-%2-%3.png").arg(folder).arg(school).arg(p + 1);
            EXPECT_TRUE(form.grab().save(file));
        }
    }
    fs::current_path(cwd);
    fs::remove_all(programFolder);
}
