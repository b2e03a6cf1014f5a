// The calibration dialog driven as a user would: the measured deviations are
// typed in, the new margins show before they are taken, "Ränder übernehmen"
// writes them into the print options and their file; deviations that would
// give impossible margins are refused through the prompter and change
// nothing, with the dialog still open. No message box is ever shown.
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/KalibrierForm.h"

#include "settings/DrkEinst.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

struct CalibrationBench {
    QTemporaryDir dir;
    fs::path program = fs::path(dir.path().toStdString()) / "Programm";
    fs::path data = fs::path(dir.path().toStdString()) / "Daten";
    test::ScriptedPrompter prompter;
    TDrkEinstRec options;
    std::unique_ptr<ui::TKalibrierForm> form;

    CalibrationBench()
    {
        fs::create_directories(program);
        fs::create_directories(data);
        DrkEinstDefaults(options);
        options.RandLinks = 120;
        options.RandOben = 80;
        form = std::make_unique<ui::TKalibrierForm>(options, program, data, prompter);
        form->show();
    }
    // Types a value into a spin box as the user would (German decimal comma).
    void type(const char* name, const QString& text)
    {
        auto* box = form->findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    void takeMargins()
    {
        auto* buttons = form->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    QString shownMargins() const { return form->findChild<QLabel*>(QStringLiteral("NeueRaender"))->text(); }
    fs::path file() const { return DrkEinstFolder(options, program, data) / "DRKEINST.DAT"; }
};

TEST(CalibrationDialog, MeasuredDeviationsBecomeTheMarginsOfThePrintOptions)
{
    CalibrationBench bench;
    // The cross stood 1.5 mm too far right and 0.8 mm too high.
    bench.type("AbweichungLinks", QStringLiteral("1,5"));
    bench.type("AbweichungOben", QStringLiteral("-0,8"));
    EXPECT_DOUBLE_EQ(bench.form->deviationX()->value(), 1.5);
    EXPECT_DOUBLE_EQ(bench.form->deviationY()->value(), -0.8);
    EXPECT_EQ(bench.shownMargins(),
              QStringLiteral("linker Rand: 120 → 105 (1/10 mm), oberer Rand: 80 → 88 (1/10 mm)"));
    EXPECT_FALSE(fs::exists(bench.file())) << "nothing is taken before the button";

    bench.takeMargins();
    EXPECT_EQ(bench.form->result(), QDialog::Accepted);
    EXPECT_FALSE(bench.form->isVisible());
    EXPECT_EQ(bench.options.RandLinks, 105);
    EXPECT_EQ(bench.options.RandOben, 88);
    // Written to the options file: read back, the margins are the new ones.
    TDrkEinstRec stored;
    DrkEinstDefaults(stored);
    ASSERT_TRUE(LoadDrkEinst(stored, bench.program, bench.data, bench.prompter));
    EXPECT_EQ(stored.RandLinks, 105);
    EXPECT_EQ(stored.RandOben, 88);
    EXPECT_TRUE(bench.prompter.messages().empty());
}

TEST(CalibrationDialog, ImpossibleMarginsAreRefusedAndChangeNothing)
{
    const struct {
        const char* x;
        const char* y;
        const char* message;
    } cases[] = {
        // 12.0 mm left margin minus 13.0 mm: below the paper's edge.
        {"13,0", "0,0", "Der linke Rand ergäbe -10 (1/10 mm); erlaubt sind 0 bis 1000. Bitte prüfen Sie die "
                        "gemessenen Abweichungen."},
        {"0,0", "-50,0", nullptr}, // 8 + 50 mm still fits: taken
        {"-50,0", "0,0", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        CalibrationBench bench;
        bench.type("AbweichungLinks", QString::fromUtf8(c.x));
        bench.type("AbweichungOben", QString::fromUtf8(c.y));
        bench.takeMargins();
        if (c.message) {
            ASSERT_EQ(bench.prompter.messages().size(), 1u);
            EXPECT_EQ(bench.prompter.last(), test::Shown::error(c.message));
            EXPECT_TRUE(bench.form->isVisible()) << "the dialog stays open for a correction";
            EXPECT_EQ(bench.options.RandLinks, 120);
            EXPECT_EQ(bench.options.RandOben, 80);
            EXPECT_FALSE(fs::exists(bench.file()));
        } else {
            EXPECT_TRUE(bench.prompter.messages().empty());
            EXPECT_EQ(bench.form->result(), QDialog::Accepted);
            EXPECT_TRUE(fs::exists(bench.file()));
        }
    }
}

} // namespace
