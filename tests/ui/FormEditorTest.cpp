// The form editor driven as a user would: select a slot from the list and by
// a click on its outline, move it with the arrow keys and by dragging it,
// undo, save (the replaced version kept), restore the shipped state; the
// outlines are the boxes of what each slot draws; a scan of the blank paper
// under the page, shifted in the panel or by dragging with Ctrl.
// RUVEK_SCREENSHOT_DIR keeps screenshots.
// The precompiled Qt headers define "slots" as a keyword macro; the form
// file's member of that name comes in with the dispatcher's headers.
#undef slots
#include "dispatch/PrintDispatch.h"
#include "support/ScriptedPrompter.h"
#include "ui/print/FormEditorForm.h"

#include "common/KeptVersions.h"
#include "print/SlotOutlines.h"
#include "qtdraw/PageImage.h"
#include "settings/FachKatalog.h"

#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

const fs::path kShipped = fs::path(RUVEK_SOURCE_DIR) / "data";

std::string bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct EditorBench {
    QTemporaryDir dir;
    fs::path form;
    test::ScriptedPrompter prompter;
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    TZgnRec rec;
    ui::TFormEditorForm::DrawPage draw;
    std::unique_ptr<ui::TFormEditorForm> editor;

    explicit EditorBench(const char* name)
    {
        form = fs::path(dir.path().toStdString()) / name;
        fs::copy_file(kShipped / name, form);
        rec.Status = 1;
        rec.Name = "Sommer";
        rec.Vorname = "Lena";
        rec.SjBeginn = "2026";
        rec.Klasse = "10a";
        rec.GebDatum = "01.02.2010";
        rec.ZgnOrt = "Lindenhagen";
        rec.ZgnDatum = "03.07.2027";
        for (int k = 1; k <= 25; ++k) {
            rec.slot(k).Fach = "???";
            rec.slot(k).Note = "-";
        }
        std::string error;
        std::optional<FormModel> model = FormModel::open(form, &error);
        EXPECT_TRUE(model) << error;
        const int code = AnnexCodeOfFormFile(name);
        const std::string fileName = name;
        draw = [this, code, fileName](Canvas& canvas, const TFstTable& table, int page) {
            const DispatchEnvironment env{options, katalog, SchoolType::RegionaleSchule, "Regionale Schule Lindenhagen",
                                          {kShipped, kShipped}};
            LoadedForm loaded;
            loaded.info = {fileName, "Formular"};
            loaded.table = table;
            loaded.loaded = true;
            canvas.setMetricMapping();
            TZgnRec r = rec;
            r.Anlage = static_cast<decltype(r.Anlage)>(code);
            DrawPlannedPage(canvas, env, &loaded, r, code, page, 0);
        };
        editor = std::make_unique<ui::TFormEditorForm>(std::move(*model), draw, options.RandLinks, options.RandOben,
                                                       kShipped, prompter);
        editor->resize(1200, 900);
        editor->show();
    }
};

TEST(FormEditor, SelectMoveUndoSaveAndRestore)
{
    EditorBench bench("Anl017_1031.FST");
    ui::TFormEditorForm& editor = *bench.editor;
    const std::string shipped = bytesOf(bench.form);
    const TFstSlot start = editor.model().slot(8);

    auto* list = editor.findChild<QListWidget*>(QStringLiteral("FelderListe"));
    ASSERT_NE(list, nullptr);
    list->setCurrentRow(8);
    EXPECT_EQ(editor.selectedSlot(), 8);
    EXPECT_EQ(editor.findChild<QSpinBox*>(QStringLiteral("FeldX"))->value(), start.X);

    auto* view = editor.findChild<QWidget*>(QStringLiteral("Seitenansicht"));
    ASSERT_NE(view, nullptr);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(editor.model().slot(8).X, start.X + 1) << "arrow key: 0.1 mm";
    EXPECT_EQ(editor.model().slot(8).Y, start.Y + 10) << "with Shift: 1 mm";
    EXPECT_EQ(editor.findChild<QSpinBox*>(QStringLiteral("FeldY"))->value(), start.Y + 10);
    editor.undo();
    EXPECT_EQ(editor.model().slot(8).Y, start.Y);
    EXPECT_EQ(editor.model().slot(8).X, start.X + 1);

    // A click on an outline selects its slot.
    ASSERT_TRUE(editor.outlineRect(16));
    QTest::mouseClick(view, Qt::LeftButton, {}, editor.outlineRect(16)->center());
    EXPECT_EQ(editor.selectedSlot(), 16);

    // The side panel edits the selected slot.
    editor.findChild<QSpinBox*>(QStringLiteral("FeldX"))->setValue(321);
    EXPECT_EQ(editor.model().slot(16).X, 321);

    // The whole page moves together; the text block's line numbers stay.
    const TFstSlot name = editor.model().slot(16), lines = editor.model().slot(70);
    editor.findChild<QSpinBox*>(QStringLiteral("SeiteDx"))->setValue(12);
    editor.findChild<QSpinBox*>(QStringLiteral("SeiteDy"))->setValue(-5);
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("SeiteVerschieben")), Qt::LeftButton);
    EXPECT_EQ(editor.model().slot(16).X, name.X + 12);
    EXPECT_EQ(editor.model().slot(16).Y, name.Y - 5);
    EXPECT_EQ(editor.model().slot(70), lines);

    ASSERT_TRUE(editor.save());
    EXPECT_NE(bytesOf(bench.form), shipped);
    const auto versions = listFileVersions(bench.form);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(bytesOf(versions[0]), shipped);

    editor.restoreShipped();
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(bytesOf(bench.form), shipped);
    EXPECT_TRUE(bench.prompter.messages().empty());
}

TEST(FormEditor, ScanOfTheBlankPaperUnderThePage)
{
    EditorBench bench("Anl017_1031.FST");
    ui::TFormEditorForm& editor = *bench.editor;
    // A synthetic scan: the plain form's page 1 at 300 dpi with ruled fields.
    DeviceCaps caps;
    caps.physicalOffsetX = caps.physicalOffsetY = 0;
    QImage scan = renderPageImage(caps, 300.0, [](Canvas&) {});
    {
        QPainter p(&scan);
        p.setPen(QPen(QColor(180, 120, 60), 4));
        for (int y = 600; y < 3300; y += 180)
            p.drawLine(150, y, 2330, y);
        p.drawRect(100, 100, 2280, 3310);
        p.setFont(QFont(QStringLiteral("Liberation Sans"), 40));
        p.drawText(QRect(0, 250, 2480, 200), Qt::AlignCenter, QStringLiteral("Abgangszeugnis (Vordruck)"));
    }
    const fs::path scanFile = fs::path(bench.dir.path().toStdString()) / "scan.png";
    ASSERT_TRUE(scan.save(QString::fromStdString(scanFile.string())));
    ASSERT_TRUE(editor.loadScan(scanFile));
    editor.setScanOpacity(60);
    editor.setScanOffset(5, -5);
    QListWidget* list = editor.findChild<QListWidget*>(QStringLiteral("FelderListe"));
    list->setCurrentRow(8);
    const QImage shot = editor.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    if (const char* out = std::getenv("RUVEK_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(out) + QStringLiteral("/form-editor.png"));
    EXPECT_TRUE(bench.prompter.messages().empty());
}

// The outline of a slot is the box of the text it draws: the ink of the
// drawn page lies within it and fills it across; slots whose numbers are
// counts or distances of lines draw nothing of their own.
TEST(FormEditor, OutlinesAreTheBoxesOfWhatEachSlotDraws)
{
    EditorBench bench("Anl017_1031.FST");
    ui::TFormEditorForm& editor = *bench.editor;
    ASSERT_GE(editor.outlines().size(), 15u);
    for (const int parameters : {40, 54, 67, 70, 122})
        EXPECT_FALSE(editor.outlineRect(parameters)) << parameters;
    for (const SlotOutline& o : editor.outlines())
        EXPECT_TRUE(SlotPlacesElements(o.slot, editor.model().family())) << o.slot;

    DeviceCaps caps;
    caps.physicalOffsetX = caps.physicalOffsetY = 0;
    const QImage page = renderPageImage(caps, 75.0, [&](Canvas& canvas) { bench.draw(canvas, editor.model().table(), 1); });
    for (const int slot : {8, 16, 17}) {
        SCOPED_TRACE(slot);
        const auto r = editor.outlineRect(slot);
        ASSERT_TRUE(r);
        // Ink in the rows of the text cell, searched well beyond its ends.
        int left = INT_MAX, right = INT_MIN, rows = 0;
        for (int y = r->top() + 1; y <= r->bottom() - 2; ++y) {
            bool inked = false;
            for (int x = r->left() - 10; x <= r->right() + 10; ++x)
                if (qGray(page.pixel(x, y)) < 140) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    inked = true;
                }
            rows += inked;
        }
        ASSERT_LE(left, right) << "the slot's text is drawn";
        EXPECT_GE(left, r->left() - 1);
        EXPECT_LE(right, r->right() + 1);
        EXPECT_GE(right - left, (r->width() * 8) / 10) << "the box is as wide as the text";
        EXPECT_GE(rows, r->height() / 3);
    }
    // Each outline is labelled with its number and name on the screen.
    if (const char* out = std::getenv("RUVEK_SCREENSHOT_DIR"))
        editor.grab().toImage().save(QString::fromUtf8(out) + QStringLiteral("/form-editor-outlines.png"));
    EXPECT_TRUE(bench.prompter.messages().empty());
}

// Dragging a slot moves it by the mouse's way at the view's scale, shows it
// moving as it goes, and is one change that one undo takes back; a click
// without a move changes nothing.
TEST(FormEditor, DraggingASlotIsOneChange)
{
    EditorBench bench("Anl017_1031.FST");
    ui::TFormEditorForm& editor = *bench.editor;
    auto* view = editor.findChild<QWidget*>(QStringLiteral("Seitenansicht"));
    const TFstSlot start = editor.model().slot(16);
    const QRect outline = *editor.outlineRect(16);
    const QPoint from = outline.center();

    QTest::mouseClick(view, Qt::LeftButton, {}, from);
    EXPECT_EQ(editor.selectedSlot(), 16);
    EXPECT_FALSE(editor.model().canUndo()) << "a click moves nothing";

    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, from + QPoint(7, -3));
    QTest::mouseMove(view, from + QPoint(20, -10));
    EXPECT_EQ(editor.model().slot(16), start) << "the form changes when the slot is let go";
    EXPECT_EQ(editor.outlineRect(16)->topLeft(), outline.topLeft() + QPoint(20, -10)) << "the outline goes along";
    QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(20, -10));

    const int dx = static_cast<int>(std::lround(20 / ui::kFormViewScale));
    const int dy = static_cast<int>(std::lround(-10 / ui::kFormViewScale));
    EXPECT_EQ(editor.model().slot(16).X, start.X + dx);
    EXPECT_EQ(editor.model().slot(16).Y, start.Y + dy);
    EXPECT_EQ(editor.findChild<QSpinBox*>(QStringLiteral("FeldX"))->value(), start.X + dx);
    const QRect moved = *editor.outlineRect(16);
    EXPECT_NEAR(moved.left(), outline.left() + 20, 1) << "measured again where it now stands";
    EXPECT_NEAR(moved.top(), outline.top() - 10, 1);
    editor.undo();
    EXPECT_EQ(editor.model().slot(16), start);
    EXPECT_FALSE(editor.model().canUndo()) << "the whole drag was one change";
    editor.redo();
    EXPECT_EQ(editor.model().slot(16).X, start.X + dx);

    // Another slot dragged onto the page's corner stops there, inside the page.
    const TFstSlot year = editor.model().slot(8);
    const QPoint yearAt = editor.outlineRect(8)->center();
    QTest::mousePress(view, Qt::LeftButton, {}, yearAt);
    // (QTest takes the point (0, 0) for the widget's centre.)
    QTest::mouseMove(view, QPoint(1, 1));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(1, 1));
    auto dragged = [](int value, int pixels) { return value + static_cast<int>(std::lround(pixels / ui::kFormViewScale)); };
    EXPECT_EQ(editor.model().slot(8).X, std::max(0, dragged(year.X, 1 - yearAt.x())));
    EXPECT_EQ(editor.model().slot(8).Y, std::max(0, dragged(year.Y, 1 - yearAt.y())));
    EXPECT_TRUE(editor.model().slot(8).X == 0 || editor.model().slot(8).Y == 0) << "stopped at the page's edge";
    EXPECT_TRUE(bench.prompter.messages().empty());
}

// The scan is shifted in the side panel (mm) or dragged with Ctrl held; the
// form does not change.
TEST(FormEditor, ScanOffsetFromThePanelAndByDragging)
{
    EditorBench bench("Anl017_1031.FST");
    ui::TFormEditorForm& editor = *bench.editor;
    // A blank "scan" at 300 dpi with one red rule 100 mm from the top.
    QImage scan(2480, 3508, QImage::Format_RGB32);
    scan.fill(Qt::white);
    {
        QPainter p(&scan);
        p.fillRect(QRect(100, 1181 - 6, 2280, 12), QColor(255, 0, 0));
    }
    const fs::path scanFile = fs::path(bench.dir.path().toStdString()) / "scan.png";
    ASSERT_TRUE(scan.save(QString::fromStdString(scanFile.string())));
    ASSERT_TRUE(editor.loadScan(scanFile, 300));
    editor.setScanOpacity(100);
    auto* view = editor.findChild<QWidget*>(QStringLiteral("Seitenansicht"));
    // The row of the view where the red rule (3 pixels thick there) shows most.
    auto redRow = [&] {
        const QImage shot = view->grab().toImage();
        int best = -1, bestCount = 0;
        for (int y = 0; y < shot.height(); ++y) {
            int count = 0;
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
            if (count > bestCount) {
                best = y;
                bestCount = count;
            }
        }
        return best;
    };
    const int ruleAt = redRow();
    EXPECT_NEAR(ruleAt, 1000 * ui::kFormViewScale, 2);

    auto* offsetY = editor.findChild<QDoubleSpinBox*>(QStringLiteral("ScanVersatzY"));
    auto* offsetX = editor.findChild<QDoubleSpinBox*>(QStringLiteral("ScanVersatzX"));
    ASSERT_TRUE(offsetX && offsetY);
    offsetY->setValue(10.0);
    EXPECT_EQ(editor.scanOffsetY(), 100);
    EXPECT_NEAR(redRow(), ruleAt + 100 * ui::kFormViewScale, 2) << "10 mm further down";

    QTest::mousePress(view, Qt::LeftButton, Qt::ControlModifier, QPoint(300, 300));
    QTest::mouseMove(view, QPoint(330, 315));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, QPoint(330, 315));
    const int dx = static_cast<int>(std::lround(30 / ui::kFormViewScale));
    const int dy = static_cast<int>(std::lround(15 / ui::kFormViewScale));
    EXPECT_EQ(editor.scanOffsetX(), dx);
    EXPECT_EQ(editor.scanOffsetY(), 100 + dy);
    EXPECT_DOUBLE_EQ(offsetX->value(), dx / 10.0) << "the panel shows the dragged offset";
    EXPECT_DOUBLE_EQ(offsetY->value(), (100 + dy) / 10.0);
    EXPECT_NEAR(redRow(), ruleAt + (100 + dy) * ui::kFormViewScale, 2);
    EXPECT_FALSE(editor.model().canUndo()) << "the scan is no part of the form";
    EXPECT_TRUE(bench.prompter.messages().empty());
}

} // namespace

namespace {
// Closing with changes not saved asks: "Abbrechen" keeps the editor open,
// "Verwerfen" closes it with the file as it was, "Speichern" saves first.
TEST(FormEditorClose, UnsavedChangesAreAskedFor)
{
    for (const int choice : {2, 1, 0}) {
        EditorBench bench("Anl017_1031.FST");
        ui::TFormEditorForm& editor = *bench.editor;
        const std::string shipped = bytesOf(bench.form);
        editor.show();
        editor.selectSlot(16);
        editor.moveSelected(10, 0);
        bench.prompter.choices.push_back(choice);
        editor.reject();
        EXPECT_EQ(editor.isVisible(), choice == 2) << choice;
        EXPECT_EQ(bytesOf(bench.form) == shipped, choice != 0) << choice;
        ASSERT_EQ(bench.prompter.questions().size(), 1u) << choice;
        EXPECT_NE(bench.prompter.questions().front().text.find("noch nicht gespeichert"), std::string::npos);
        EXPECT_TRUE(bench.prompter.messages().empty());
    }
    // Without changes it closes at once.
    EditorBench bench("Anl017_1031.FST");
    bench.editor->show();
    bench.editor->reject();
    EXPECT_FALSE(bench.editor->isVisible());
    EXPECT_TRUE(bench.prompter.log().empty());
}
} // namespace
