// The form editor driven as a user would: select a slot from the list and by
// a click on its marker, move it with the arrow keys, undo, save (the
// replaced version kept), restore the shipped state, and a scan of the
// blank paper under the page. RUVEK_SCREENSHOT_DIR keeps a screenshot.
// The precompiled Qt headers define "slots" as a keyword macro; the form
// file's member of that name comes in with the dispatcher's headers.
#undef slots
#include "dispatch/PrintDispatch.h"
#include "support/ScriptedPrompter.h"
#include "ui/print/FormEditorForm.h"

#include "common/KeptVersions.h"
#include "qtdraw/PageImage.h"
#include "settings/FachKatalog.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

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
        auto draw = [this, code, fileName](Canvas& canvas, const TFstTable& table, int page) {
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

    // A click on a marker selects its slot.
    QTest::mouseClick(view, Qt::LeftButton, {}, editor.viewPointOf(16) + QPoint(10, -6));
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

} // namespace
