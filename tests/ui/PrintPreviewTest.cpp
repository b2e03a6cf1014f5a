// The preview window's page geometry, its drawing (once per page, replayed
// on every repaint), the timed information dialog, and a print command of
// the main window going into a PDF file when no printer is installed.
#include "dispatch/PrintDispatch.h"
#include "qtdraw/PrinterDevice.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/print/InfoDlg.h"
#include "ui/print/PreViewForm.h"

#include <QAction>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using namespace ruvek;
using namespace ruvek::ui;

namespace {

const fs::path kShippedForms = fs::path(RUVEK_SOURCE_DIR) / "data";
const PaperGeometry kA4{210, 297, 4, 4, 202, 289};

TEST(PreviewGeometry, WideTallAndTinyWindows)
{
    struct Case {
        int w, h;
        bool valid;
        QRect sheet;
    };
    const Case cases[] = {
        {1000, 500, true, QRect(341, 40, 318, 450)},  // wide: centred horizontally, top at 40
        {400, 1000, true, QRect(10, 240, 380, 537)},  // tall: 10 from the left, centred 8 below the middle
        {100, 40, false, {}},                         // no room below the toolbar band
        {8, 300, false, {}},                          // narrower than the margins
        {20, 60, false, {}},                          // the sheet would have no width
        {60, 100, true, QRect(13, 40, 35, 50)},       // very small, but laid out
    };
    for (const Case& c : cases) {
        const PreviewPageLayout l = layoutPreviewPage(c.w, c.h, kA4);
        EXPECT_EQ(l.valid, c.valid) << c.w << 'x' << c.h;
        if (c.valid && l.valid) {
            EXPECT_EQ(l.sheet, c.sheet) << c.w << 'x' << c.h;
        }
    }
    const PreviewPageLayout wide = layoutPreviewPage(1000, 500, kA4);
    const double k = 450.0 / 297;
    EXPECT_EQ(wide.area, QRect(341 + qRound(k * 4), 40 + qRound(k * 4), qRound(k * 202), qRound(k * 289)));
    EXPECT_DOUBLE_EQ(wide.unitX, 318.0 / 2020);
    EXPECT_FALSE(layoutPreviewPage(1000, 500, PaperGeometry{}).valid) << "no printer";
}

class PreviewWindow : public ::testing::Test {
protected:
    PrinterDevice printer;
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    test::ScriptedPrompter prompter;
    LoadedForm form;
    TZgnRec rec;
    int drawn = 0;

    void SetUp() override
    {
        DrkEinstDefaults(options);
        form = LoadCertificateForm(AnlageFormFile(3, options, prompter), {kShippedForms, kShippedForms}, options,
                                   prompter);
        rec.Status = 1;
        rec.Name = "Muster";
        rec.Vorname = "Anna";
        rec.Klasse = "3b";
        rec.SjBeginn = "2026";
        rec.Anlage = 3;
        rec.LEBText = "Anna arbeitet aufmerksam mit und bringt eigene Ideen ein. Sie liest sicher vor.";
        for (int k = 1; k <= 25; ++k) {
            rec.slot(k).Fach = k == 1 ? "Deutsch" : "???";
            rec.slot(k).Note = k == 1 ? "2" : "-";
        }
    }
    TPreViewForm::PageDrawer drawer()
    {
        return [this](Canvas& canvas) {
            ++drawn;
            const DispatchEnvironment env{options, katalog, SchoolType::Grundschule, "Grundschule Am Lindenhof",
                                          {kShippedForms, kShippedForms}};
            DrawPlannedPage(canvas, env, &form, rec, 3, 1, 0);
        };
    }
};

TEST_F(PreviewWindow, DrawsOnceAndReplaysOnEveryRepaint)
{
    TPreViewForm preview({[this] { return paperGeometryOf(printer.printer()); }, [this] { return printer.deviceCaps(); }});
    TDruckAuftrag job;
    job.Titel = "Jahreszeugnis: Anna Muster  [Seite: 1 von 2]";
    preview.preparePage(job, drawer());
    preview.resize(900, 1000);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const QImage shot = preview.grab().toImage();
    preview.resize(1400, 800);
    QTest::qWait(20);
    preview.repaint();
    EXPECT_EQ(drawn, 1) << "resizing and repainting replay the recorded page";
    EXPECT_EQ(preview.windowTitle(), QString::fromStdString(job.Titel));
    EXPECT_FALSE(preview.recordedPage().empty());
    ASSERT_TRUE(preview.pageLayout().valid);
    EXPECT_EQ(preview.pageLayout().sheet.top(), 40) << "a wide window puts the sheet at the top";

    // Dark pixels (text) inside the printable area of the screenshot.
    const QRect area = layoutPreviewPage(900, 1000, paperGeometryOf(printer.printer())).area;
    int dark = 0;
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2)
            dark += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(dark, 200);
    if (const char* keep = std::getenv("RUVEK_PREVIEW_SCREENSHOT"))
        shot.save(QString::fromLocal8Bit(keep));

    // "Drucker einrichten" draws the page again for the (possibly changed) printer.
    bool setUp = false;
    preview.setCommands({[&] { setUp = true; }, {}, {}, {}});
    preview.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(setUp);
    EXPECT_EQ(drawn, 2);
}

TEST_F(PreviewWindow, TinyWindowShowsNothingAndDoesNotFail)
{
    TPreViewForm preview({[] { return PaperGeometry{}; }, [] { return DeviceCaps{}; }});
    preview.preparePage(TDruckAuftrag{}, drawer());
    preview.resize(30, 30);
    preview.show();
    preview.repaint();
    EXPECT_FALSE(preview.pageLayout().valid);
    EXPECT_FALSE(preview.findChild<QWidget*>("PreviewArea")->isVisible());
}

TEST(InfoDialog, ClosesAfterItsTimeOrOnTheButton)
{
    TInfoDlg dlg;
    QElapsedTimer clock;
    clock.start();
    dlg.ShowInfo("Hinweis", "Kopf", "eins", "", "drei", "", "fünf", 500);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_EQ(dlg.ticks(), 5);
    EXPECT_EQ(dlg.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "eins\n\ndrei\n\nfünf");

    // The button closes at once; a duration of 0 then waits for it from now on.
    QTimer::singleShot(50, &dlg, [&] { dlg.findChild<QPushButton*>("BitBtn1")->click(); });
    clock.restart();
    dlg.ShowInfo("Hinweis", "Kopf", "", "", "", "", "", 0);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(dlg.tickInterval(), 0);
    QTimer::singleShot(50, &dlg, [&] { dlg.findChild<QPushButton*>("BitBtn1")->click(); });
    dlg.ShowInfo("Hinweis", "Kopf", "", "", "", "", "", 5000);
    EXPECT_EQ(dlg.tickInterval(), 0);
}

TEST(PrintCommand, CertificateGoesIntoOnePdfWithoutPrinter)
{
    if (PrinterDevice::printerInstalled())
        GTEST_SKIP() << "a printer is installed";
    const fs::path program = fs::temp_directory_path() / ("ruvek-print-" + std::to_string(std::random_device{}()));
    fs::create_directories(program / "Daten");
    for (const char* f : {"Anl001.FST", "Anl003.FST"})
        fs::copy_file(kShippedForms / f, program / f);
    {
        test::ScriptedPrompter prompter;
        TMainForm main(MainFormSetup{program, &prompter});
        createApplicationForms(main);
        main.show();
        QTest::qWait(10);
        TZgnRec& rec = main.klasse().records.at(0);
        rec.Status = 1;
        rec.Name = "Muster";
        rec.Vorname = "Anna";
        rec.Anlage = 3;
        prompter.clearLog();
        const fs::path pdf = program / "Zeugnis.pdf";
        prompter.answers = {true, true, true}; // print? page 1? page 2?
        prompter.files = {pdf};
        main.actions().action("ausgewhlterZeugnistyp1")->trigger();
        ASSERT_EQ(prompter.dialogs.size(), 1u) << "one file for both pages";
        EXPECT_EQ(prompter.dialogs[0].proposedName, "Jahres-Zeugnis_ Anna Muster.pdf");
        EXPECT_TRUE(fs::exists(pdf));
        EXPECT_EQ(prompter.last(), test::Shown::information("Der Ausdruck wurde als PDF-Datei gespeichert:\n" + pdf.string()));

        // The data sheets of the class go the same way into a file of their own.
        prompter.clearLog();
        const fs::path sheets = program / "Datenblaetter.pdf";
        prompter.answers = {true}; // print the data sheets?
        prompter.files = {sheets};
        main.actions().action("SchlerDatenbltter1")->trigger();
        ASSERT_EQ(prompter.dialogs.size(), 2u);
        EXPECT_EQ(prompter.dialogs[1].proposedName, "Schüler-Datenblätter.pdf");
        EXPECT_TRUE(fs::exists(sheets));
        EXPECT_EQ(prompter.last(),
                  test::Shown::information("Der Ausdruck wurde als PDF-Datei gespeichert:\n" + sheets.string()));
    }
    std::error_code ec;
    fs::remove_all(program, ec);
}

} // namespace
