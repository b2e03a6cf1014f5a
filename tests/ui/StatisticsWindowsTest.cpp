// The statistics window with its chart, the grade overview and the grade
// list exchange, reached through the main window's commands. With
// RUVEK_SCREENSHOTS set to a folder the two windows are saved there as PNG.
#include "classfile/ClassFile.h"
#include "common/Cp1252.h"
#include "common/SafeFile.h"
#include "exchange/FdbFile.h"
#include "support/ScriptedPrompter.h"
#include "ui/exchange/BewUebersForm.h"
#include "ui/exchange/FaNoExpForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/statistics/NotenStatForm.h"
#include "ui/statistics/StatisticsChartView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtCharts/QBarSeries>
#include <QtCharts/QChart>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using namespace ruvek;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::ui::TMainForm;

namespace {

TZgnRec pupil(const char* name, const char* klasse, std::int32_t nr, const char* deutsch, const char* mathe)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = utf8ToCp1252(name);
    r.Vorname = "Kim";
    r.SchlNr = nr;
    r.Klasse = klasse;
    r.Anlage = r.AnlageFaecher = 15;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "???";
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    r.slot(1).Fach = "Deutsch";
    r.slot(1).Note = deutsch;
    r.slot(4).Fach = "Mathematik";
    r.slot(4).Note = mathe;
    r.slot(19).Fach = "Theater";
    r.slot(19).Note = "2";
    return r;
}

class StatisticsWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("ruvek-stat-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{folder_, &prompter_});
        ruvek::ui::createApplicationForms(*form_);
        form_->state().settings.prog.InfoHinweise = 0;
        form_->state().settings.schule.Schultyp = 2;
        form_->show();
        form_->klasse().records = {pupil("Adler", "7a", 1, "1", "2"), pupil("Berg", "7a", 2, "2", "2"),
                                   pupil("Cramer", "7a", 3, "2", "4"), pupil("Dörr", "7b", 4, "3", "e"),
                                   pupil("Ernst", "7a", 5, "5", "-")};
        form_->klasse().records[4].Status = 0;
        form_->klasse().fileName = "7a.RVK";
        form_->klasse().current = 0;
        form_->showCurrentRecord();
    }
    void TearDown() override
    {
        form_.reset();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    // Runs a command whose modal window `then` works in and closes.
    template <class W>
    void runModal(const char* command, std::function<void(W&)> then)
    {
        auto* w = form_->findChild<W*>();
        ASSERT_TRUE(w);
        bool ran = false;
        QTimer::singleShot(0, w, [&] {
            ran = true;
            then(*w);
        });
        form_->actions().action(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(ran) << command;
        EXPECT_FALSE(w->isVisible());
    }

    static void screenshot(QWidget& w, const char* name)
    {
        const QByteArray dir = qgetenv("RUVEK_SCREENSHOTS");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(w.grab().save(QString::fromLocal8Bit(dir) + "/" + name));
        }
    }

    ScriptedPrompter prompter_;
    fs::path folder_;
    std::unique_ptr<TMainForm> form_;
};

QString text(QWidget& w, const char* name)
{
    return w.findChild<QLineEdit*>(name)->text();
}

void choose(QComboBox* box, const QString& item)
{
    const int i = box->findText(item);
    ASSERT_GE(i, 0) << item.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
}

} // namespace

TEST_F(StatisticsWindows, StatisticsWindowCountsAndDrawsItsChart)
{
    runModal<ui::TNotenStatForm>("FachnotenStatistik1", [&](ui::TNotenStatForm& w) {
        auto* fach = w.findChild<QComboBox*>("ComboBox1");
        auto* klasse = w.findChild<QComboBox*>("ComboBox2");
        EXPECT_EQ(fach->currentIndex(), 2);
        EXPECT_EQ(klasse->currentText(), "Alle");
        EXPECT_EQ(klasse->count(), 3);   // Alle, 7a, 7b (the deleted record's class counts not)
        EXPECT_FALSE(w.findChild<QLineEdit*>("Edit7")->isVisible());   // six steps

        choose(fach, "Deutsch");
        choose(klasse, "7a");
        EXPECT_EQ(text(w, "Edit1"), "     1");
        EXPECT_EQ(text(w, "Edit2"), "     2");
        EXPECT_EQ(text(w, "Edit11"), " 33,33");
        EXPECT_EQ(text(w, "Edit12"), " 66,67");
        EXPECT_EQ(text(w, "EditSum"), "       3");
        EXPECT_EQ(text(w, "EditSchnitt"), "  1,67");
        auto& chart = w.chartView();
        EXPECT_TRUE(chart.isVisible());
        const std::vector<double> shown = chart.shownValues();
        ASSERT_EQ(shown.size(), 6u);
        // The bars carry the shares with the two decimals the fields show.
        EXPECT_NEAR(shown[0], 33.33, 1e-9);
        EXPECT_NEAR(shown[1], 66.67, 1e-9);
        EXPECT_EQ(chart.chart()->title(), "Notenverteilung: Deutsch [7a]");
        EXPECT_EQ(chart.chart()->locale().decimalPoint(), ",");
        EXPECT_TRUE(chart.chart()->localizeNumbers());
        w.resize(900, 520);
        screenshot(w, "notenstatistik.png");

        // The chart goes into a picture and onto paper (a PDF without a printer).
        const fs::path png = folder_ / "chart.png", pdf = folder_ / "chart.pdf";
        prompter_.files = {png, pdf};
        w.findChild<QPushButton*>("BitBtn2")->click();
        w.findChild<QPushButton*>("BitBtn3")->click();
        EXPECT_GT(fs::file_size(png), 1000u);
        EXPECT_GT(fs::file_size(pdf), 1000u);
        EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), chart.size());

        // A subject no one can have gives the warning and empty shares.
        choose(fach, "  - - -");
        EXPECT_EQ(prompter_.last(), Shown::warning("Bitte wählen Sie ein gültiges Fach aus!"));
        EXPECT_EQ(text(w, "EditSchnitt"), "n.b.");
        w.findChild<QPushButton*>("BitBtn1")->click();
    });
    // Opening again starts from empty fields.
    runModal<ui::TNotenStatForm>("SpeedButton14", [&](ui::TNotenStatForm& w) {
        EXPECT_EQ(text(w, "Edit1"), "");
        EXPECT_EQ(text(w, "EditSchnitt"), "");
        EXPECT_EQ(w.chartView().chart()->title(), "Notenverteilung");
        w.findChild<QPushButton*>("BitBtn1")->click();
    });
}

TEST_F(StatisticsWindows, OverviewShowsTheCountsAndGreysEmptyRows)
{
    runModal<ui::TBewUebersForm>("FcherBewertungsbersicht2", [&](ui::TBewUebersForm& w) {
        QTableWidget& g = w.grid();
        EXPECT_EQ(g.horizontalHeaderItem(0)->text(), "Fach      |      Bewertung");
        int deutsch = -1, musik = -1, theater = -1;
        for (int r = 0; r < g.rowCount(); ++r) {
            const QString name = g.item(r, 0) ? g.item(r, 0)->text() : QString();
            if (name == "Deutsch") deutsch = r;
            if (name == "Musik") musik = r;
            if (name == "WPfl.: Theater") theater = r;
        }
        ASSERT_GE(deutsch, 0);
        ASSERT_GE(theater, 0);
        EXPECT_EQ(g.item(deutsch, 1)->text(), "4");   // insg.
        EXPECT_EQ(g.item(deutsch, 2)->text(), "1");   // "  1"
        EXPECT_EQ(g.item(deutsch, 3)->text(), "2");   // "  2"
        EXPECT_EQ(g.item(deutsch, 5), nullptr);        // no 4
        EXPECT_EQ(g.item(theater, 1)->text(), "4");
        EXPECT_EQ(g.rowHeight(deutsch), 18);
        // A subject without grades stays readable: full height, name in grey.
        EXPECT_EQ(g.rowHeight(musik), 18);
        EXPECT_EQ(g.item(musik, 0)->foreground().color(), QColor(Qt::gray));
        EXPECT_NE(g.item(deutsch, 0)->foreground().color(), QColor(Qt::gray));
        w.resize(860, 600);
        screenshot(w, "bewertungsuebersicht.png");
        w.findChild<QPushButton*>("BitBtn1")->click();
    });
}

TEST_F(StatisticsWindows, GradeListsGoOutAndComeBack)
{
    EXPECT_TRUE(form_->menuAction("Fachzensurenlistevorbereiten1")->isVisible());
    const fs::path out = folder_ / "lists";
    fs::create_directories(out);

    // Cancelling the folder choice writes nothing.
    prompter_.files = {std::nullopt};
    runModal<ui::TFaNoExpForm>("Fachzensurenlistevorbereiten1",
                               [](ui::TFaNoExpForm& w) { w.findChild<QPushButton*>("Button1")->click(); });
    EXPECT_TRUE(fs::is_empty(out));

    // Only Mathematik (entry 20, box 19).
    prompter_.files = {out};
    runModal<ui::TFaNoExpForm>("Fachzensurenlistevorbereiten1", [](ui::TFaNoExpForm& w) {
        w.findChild<QRadioButton*>("RadioGroup1_2")->click();
        w.findChild<QCheckBox*>("CheckBox19")->setChecked(true);
        w.findChild<QPushButton*>("Button1")->click();
    });
    ASSERT_TRUE(fs::exists(out / "7a_Ma.FDB"));
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1);

    // The teacher gives Cramer a 3; the import shows it and takes it over.
    TFaNoDB list;
    ASSERT_TRUE(readFdbFile(out / "7a_Ma.FDB", list));
    ASSERT_EQ(list.size(), 4u);
    list[2].Note = "3";
    const auto image = encodeFdb(list);
    ASSERT_TRUE(writeFileSafely(out / "7a_Ma.FDB", image));
    prompter_.files = {out / "7a_Ma.FDB"};
    prompter_.answers = {true};
    form_->actions().action("FachzensurenListeimportieren1")->trigger();
    EXPECT_EQ(prompter_.questions().back().text,
              "Die Fachzensuren-Liste ändert 1 Bewertung(en):\n\nCramer, Kim – Mathematik: 4 → 3\n\n"
              "Sollen diese Bewertungen übernommen werden?");
    EXPECT_EQ(form_->klasse().records[2].slot(4).Note, "3");
    EXPECT_TRUE(form_->changedIndicatorVisible());
}
