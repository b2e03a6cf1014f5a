// The preview window's page geometry, its drawing (once per page, replayed
// on every repaint, also when zoomed), the timed information dialog, and a
// print command of the main window going into a PDF file when no printer is
// installed.
#include "dispatch/PrintDispatch.h"
#include "qtdraw/PrinterDevice.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/print/FormEditorForm.h"
#include "ui/print/InfoDlg.h"
#include "ui/print/PreViewForm.h"
#include "ui/print/PreviewZoom.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using namespace ruvek;
using namespace ruvek::ui;

namespace {

const fs::path kShippedForms = fs::path(RUVEK_SOURCE_DIR) / "data";
const PaperGeometry kA4{210, 297, 4, 4, 202, 289};

// With RUVEK_SCREENSHOTS naming a folder, the test's pictures are kept there
// for looking at.
void keepScreenshot(const QImage& shot, const char* name)
{
    if (const char* dir = std::getenv("RUVEK_SCREENSHOTS"))
        shot.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}

// Dark pixels (text) of a screenshot inside `rect`.
int darkPixels(const QImage& shot, const QRect& rect)
{
    int dark = 0;
    for (int y = rect.top(); y < rect.bottom(); y += 2)
        for (int x = rect.left(); x < rect.right(); x += 2)
            dark += qGray(shot.pixel(x, y)) < 100;
    return dark;
}

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
    // True proportions: 0.1 mm is as many pixels across as down, the sheet's scale.
    EXPECT_DOUBLE_EQ(wide.unitX, k / 10);
    EXPECT_DOUBLE_EQ(wide.unitY, k / 10);
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
    EXPECT_GT(darkPixels(shot, area), 200);
    keepScreenshot(shot, "preview.png");

    // "Drucker einrichten" draws the page again for the (possibly changed) printer.
    bool setUp = false;
    preview.setCommands({[&] { setUp = true; }, {}, {}, {}});
    preview.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(setUp);
    EXPECT_EQ(drawn, 2);
}

TEST_F(PreviewWindow, PrinterWithMarginsShowsThePageAtItsTrueSizeWithThePrintableAreaOutlined)
{
    // A printer whose printable area is inset 6.35 mm at the sides and 12.7 mm
    // at top and bottom (600 dpi): the page is not stretched to the paper, the
    // frame stands 15 mm from the paper's left and top edges and 195 mm from
    // the left, and the unprintable margin is shaded.
    const PaperGeometry margins{210, 297, 6, 13, 197, 271};
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 600;
    caps.physicalOffsetX = 150;
    caps.physicalOffsetY = 300;
    caps.physicalWidth = 4961;
    caps.physicalHeight = 7016;
    TPreViewForm preview({[&] { return margins; }, [&] { return caps; }});
    preview.preparePage(TDruckAuftrag{}, drawer());
    preview.resize(900, 1000);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const PreviewPageLayout l = preview.pageLayout();
    ASSERT_TRUE(l.valid);
    const double k = double(l.sheet.height()) / 297; // pixels per mm
    EXPECT_DOUBLE_EQ(l.unitX, k / 10);
    EXPECT_DOUBLE_EQ(l.unitY, k / 10);
    const QImage shot = preview.grab().toImage();
    keepScreenshot(shot, "preview-margins.png");
    // The page frame's left and right edges, down the middle of the sheet.
    auto darkInColumn = [&](double mm) {
        const int x = l.sheet.left() + qRound(mm * k);
        int dark = 0;
        for (int y = l.sheet.top() + l.sheet.height() / 3; y < l.sheet.top() + 2 * l.sheet.height() / 3; ++y)
            for (int dx = -2; dx <= 2; ++dx)
                dark += qGray(shot.pixel(x + dx, y)) < 128;
        return dark;
    };
    EXPECT_GT(darkInColumn(15), l.sheet.height() / 4) << "frame at 15 mm";
    EXPECT_GT(darkInColumn(195), l.sheet.height() / 4) << "frame at 195 mm";
    EXPECT_LT(darkInColumn(100), l.sheet.height() / 8);
    // The margin outside the printable area is shaded, the printable area white.
    const QPoint margin(l.sheet.left() + qRound(3 * k), l.sheet.top() + l.sheet.height() / 2);
    const QPoint inside(l.sheet.left() + qRound(10 * k), l.sheet.top() + qRound(8 * k) + l.sheet.height() / 2);
    EXPECT_LT(qGray(shot.pixel(margin)), 250);
    EXPECT_GT(qGray(shot.pixel(margin)), 180);
    EXPECT_EQ(qGray(shot.pixel(inside)), 255);
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

TEST(PreviewZoomSteps, StepFromAnyFactorAndStayWithinTheLimits)
{
    const struct {
        double from, in, out;
    } cases[] = {
        {0.8, 1.0, 0.75},    // the whole-page view lies between steps
        {1.0, 1.25, 0.75},   // from a step to its neighbours
        {1.004, 1.25, 0.75}, // next to a step counts as that step
        {4.0, 4.0, 3.0},     // the largest stays put
        {0.25, 0.33, 0.25},  // the smallest stays put
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(zoomStepIn(c.from), c.in) << c.from;
        EXPECT_DOUBLE_EQ(zoomStepOut(c.from), c.out) << c.from;
    }
    EXPECT_DOUBLE_EQ(zoomByWheel(2.0, 120), 2.5);
    EXPECT_DOUBLE_EQ(zoomByWheel(2.0, -120), 1.6);
    EXPECT_DOUBLE_EQ(zoomByWheel(3.5, 240), kMaxZoom);
    EXPECT_EQ(zoomLabel(1.5), "150 %");
}

TEST_F(PreviewWindow, ZoomReplaysTheRecordedPageAtAnotherScaleAndScrolls)
{
    TPreViewForm preview({[this] { return paperGeometryOf(printer.printer()); }, [this] { return printer.deviceCaps(); }});
    preview.preparePage(TDruckAuftrag{}, drawer());
    preview.resize(900, 700);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    auto* scroll = preview.findChild<QScrollArea*>("PreviewScroll");
    auto* area = preview.findChild<QWidget*>("PreviewArea");
    auto* box = preview.findChild<QComboBox*>("ZoomBox");
    ASSERT_TRUE(scroll && area && box);
    QWidget* viewport = scroll->viewport();
    auto scrollRange = [&] { return QSize(scroll->horizontalScrollBar()->maximum(), scroll->verticalScrollBar()->maximum()); };

    const PreviewPageLayout fit = preview.pageLayout();
    ASSERT_TRUE(fit.valid);
    EXPECT_TRUE(preview.fitsWindow());
    EXPECT_EQ(fit.sheet, layoutPreviewPage(900, 700, paperGeometryOf(printer.printer())).sheet);
    EXPECT_EQ(box->currentText(), "Ganze Seite");
    const QImage fitShot = preview.grab().toImage();

    // 100 % and 200 % from the zoom box: twice the size, and the page scrolls.
    emit box->activated(box->findText("100 %"));
    const QSize at100 = area->size();
    const double unit100 = preview.pageLayout().unitX;
    emit box->activated(box->findText("200 %"));
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 2.0);
    EXPECT_NEAR(area->width(), 2 * at100.width(), 1);
    EXPECT_NEAR(area->height(), 2 * at100.height(), 1);
    EXPECT_NEAR(preview.pageLayout().unitX, 2 * unit100, unit100 * 0.002);
    EXPECT_GT(scrollRange().width(), 0);
    EXPECT_GT(scrollRange().height(), 0);
    const QImage zoomShot = preview.grab().toImage();
    EXPECT_GT(darkPixels(zoomShot, scroll->geometry()), 200) << "the magnified page shows its text";

    // Ctrl+wheel zooms round the pointer: the point of the page under it stays there.
    const QPoint pointer(200, 150);
    auto pageUnder = [&] { return QPointF(area->mapFrom(viewport, pointer)) / preview.pageLayout().unitX; };
    const QPointF before = pageUnder();
    QWheelEvent wheel(pointer, viewport->mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 2.5);
    EXPECT_NEAR(pageUnder().x(), before.x(), 2);
    EXPECT_NEAR(pageUnder().y(), before.y(), 2);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->placeholderText(), "250 %");

    // Dragging with the mouse moves the magnified page.
    const QPoint values(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value());
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(viewport, QPoint(350, 240));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(350, 240));
    EXPECT_EQ(QPoint(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value()),
              values + QPoint(50, 60));

    // Ctrl+- and Ctrl++ step; Ctrl+0 brings back the whole page, exactly as it opened.
    QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 2.0);
    QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 3.0);
    QTest::keyClick(&preview, Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(preview.fitsWindow());
    EXPECT_EQ(preview.pageLayout().sheet, fit.sheet);
    EXPECT_EQ(QRect(area->mapTo(&preview, QPoint(0, 0)), area->size()), fit.sheet);
    EXPECT_EQ(scrollRange(), QSize(0, 0));
    EXPECT_EQ(box->currentText(), "Ganze Seite");
    EXPECT_EQ(preview.grab().toImage(), fitShot);
    EXPECT_EQ(drawn, 1) << "zooming only replays the page recorded once";

    keepScreenshot(fitShot, "preview-fit.png");
    keepScreenshot(zoomShot, "preview-200.png");
}

TEST(InfoDialog, ClosesAfterItsTimeOrOnTheButton)
{
    // The dialog runs on a clock of the test's: each tick is a step, so
    // the test does not depend on how fast the machine is.
    TInfoDlg dlg;
    int startedWith = -1;
    bool running = false;
    dlg.useClock(
        [&](int intervalMs) {
            startedWith = intervalMs;
            running = true;
        },
        [&] { running = false; });
    int stepsShown = 0;
    QTimer::singleShot(0, &dlg, [&] {
        // Shown with the first step; four more steps fill the bar, the next closes.
        EXPECT_EQ(dlg.ticks(), 1);
        for (int i = 0; i < 4; ++i) {
            dlg.tick();
            stepsShown += dlg.isVisible();
        }
        EXPECT_EQ(dlg.ticks(), 5);
        dlg.tick();
    });
    dlg.ShowInfo("Hinweis", "Kopf", "eins", "", "drei", "", "fünf", 500);
    EXPECT_EQ(startedWith, 100);   // five steps in 500 ms
    EXPECT_FALSE(running);
    EXPECT_EQ(stepsShown, 4);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.ticks(), 5);
    EXPECT_EQ(dlg.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "eins\n\ndrei\n\nfünf");

    // The button closes at once; a duration of 0 then waits for it from now on.
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_FALSE(running);   // no clock without a duration
        dlg.findChild<QPushButton*>("BitBtn1")->click();
    });
    dlg.ShowInfo("Hinweis", "Kopf", "", "", "", "", "", 0);
    EXPECT_FALSE(running);
    EXPECT_EQ(dlg.tickInterval(), 0);
    startedWith = -1;
    QTimer::singleShot(0, &dlg, [&] { dlg.findChild<QPushButton*>("BitBtn1")->click(); });
    dlg.ShowInfo("Hinweis", "Kopf", "", "", "", "", "", 5000);
    EXPECT_EQ(dlg.tickInterval(), 0);
    EXPECT_EQ(startedWith, -1);   // no clock runs without a duration
}

// A program folder of its own with the given form files, and the main
// window on it whose first student is Anna Muster with annex 3.
class PrintCommand : public ::testing::Test {
protected:
    test::TempDir program{"ruvek-print"};
    test::ScriptedPrompter prompter;
    std::unique_ptr<TMainForm> main;

    void start(std::initializer_list<const char*> forms)
    {
        ASSERT_FALSE(PrinterDevice::printerInstalled()) << "the test programs run without a printer";
        fs::create_directories(program / "Daten");
        for (const char* f : forms)
            fs::copy_file(kShippedForms / f, program / f);
        main = std::make_unique<TMainForm>(MainFormSetup{program.path(), &prompter});
        createApplicationForms(*main);
        main->show();
        QTest::qWait(10);
        TZgnRec& rec = main->klasse().records.at(0);
        rec.Status = 1;
        rec.Name = "Muster";
        rec.Vorname = "Anna";
        rec.Anlage = 3;
        prompter.clearLog();
    }
    void TearDown() override { main.reset(); }
};

TEST_F(PrintCommand, CertificateGoesIntoOnePdfWithoutPrinter)
{
    start({"Anl001.FST", "Anl003.FST"});
    const fs::path pdf = program / "Zeugnis.pdf";
    prompter.answers = {true, true, true}; // print? page 1? page 2?
    prompter.files = {pdf};
    main->actions().action("ausgewhlterZeugnistyp1")->trigger();
    ASSERT_EQ(prompter.dialogs.size(), 1u) << "one file for both pages";
    EXPECT_EQ(prompter.dialogs[0].proposedName, "Jahres-Zeugnis_ Anna Muster.pdf");
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_EQ(prompter.last(), test::Shown::information("Der Ausdruck wurde als PDF-Datei gespeichert:\n" + pdf.string()));

    // The data sheets of the class go the same way into a file of their own.
    prompter.clearLog();
    const fs::path sheets = program / "Datenblaetter.pdf";
    prompter.answers = {true}; // print the data sheets?
    prompter.files = {sheets};
    main->actions().action("SchlerDatenbltter1")->trigger();
    ASSERT_EQ(prompter.dialogs.size(), 2u);
    EXPECT_EQ(prompter.dialogs[1].proposedName, "Schüler-Datenblätter.pdf");
    EXPECT_TRUE(fs::exists(sheets));
    EXPECT_EQ(prompter.last(),
              test::Shown::information("Der Ausdruck wurde als PDF-Datei gespeichert:\n" + sheets.string()));
}

// The certificate series from the menu asks one question with the number of
// certificates, not one per student and page (here three two-page
// certificates used to ask nine questions); all go into the one file.
TEST_F(PrintCommand, CertificateSeriesAsksOnce)
{
    start({"Anl003.FST"});
    TZgnRec rec = main->klasse().records.at(0);
    main->klasse().records.clear();
    for (const char* name : {"Albers", "Berg", "Cramer"}) {
        rec.Name = name;
        main->klasse().records.push_back(rec);
    }
    main->klasse().current = 0;
    const fs::path pdf = program / "Zeugnisse.pdf";
    prompter.answers = {true};
    prompter.files = {pdf};
    main->actions().action("ausgewhlteZeugnistypen1")->trigger();
    EXPECT_EQ(prompter.questions(),
              std::vector<test::Shown>{test::Shown::question("Sollen jetzt die Zeugnisse für 3 Schüler gedruckt werden?")});
    EXPECT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_TRUE(fs::exists(pdf));
}

// From the preview the form editor opens on the form file of the page shown,
// for the student shown; what is saved there shows in the preview at once.
TEST_F(PrintCommand, PreviewOpensTheFormEditorOfItsPage)
{
    start({"Anl003.FST"});
    auto nameX = [](const std::vector<CanvasOp>& ops) {
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOpKind::TextOut && op.text == "Anna Muster")
                return op.x1;
        return -1;
    };
    int previews = 0, before = -1, after = -1;
    bool buttonShown = false, buttonFits = false;
    std::string editedFile;
    int editedPage = 0;
    // Each modal window as it comes: the first preview page opens the
    // editor, which moves the name 10 mm right and saves; every preview
    // page is closed afterwards.
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<TPreViewForm*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        if (++previews == 1) {
            auto* button = preview->findChild<QPushButton*>(QStringLiteral("FormularBearbeiten"));
            ASSERT_NE(button, nullptr);
            buttonShown = button->isVisible();
            // Even at the narrowest the window can be made, no caption is cut off.
            preview->resize(preview->minimumWidth(), preview->height());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            buttonFits = button->width() >= button->sizeHint().width();
            keepScreenshot(preview->grab().toImage(), "preview-form-editor-button.png");
            before = nameX(preview->recordedPage());
            QTimer::singleShot(0, [&] {
                auto* editor = qobject_cast<TFormEditorForm*>(QApplication::activeModalWidget());
                ASSERT_NE(editor, nullptr);
                editedFile = editor->model().file().filename().string();
                editedPage = editor->page();
                editor->selectSlot(16);
                editor->moveSelected(100, 0);
                editor->save();
                editor->accept();
            });
            button->click();
            after = nameX(preview->recordedPage());
        }
        preview->accept();
    });
    driver.start();
    main->actions().action("Seitenansichtzeigen1")->trigger();
    driver.stop();
    EXPECT_EQ(previews, 2) << "both pages were shown";
    EXPECT_TRUE(buttonShown);
    EXPECT_TRUE(buttonFits) << "the window is always wide enough for the whole caption";
    EXPECT_EQ(editedFile, "Anl003.FST");
    EXPECT_EQ(editedPage, 1);
    ASSERT_GE(before, 0);
    EXPECT_EQ(after, before + 100) << "the preview shows the form as saved";
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
