#include "ui/grades/BewHilfForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace ruvek::ui {
namespace {

QStringList memoLines(const TBewHilfForm& form)
{
    return form.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n');
}

const QString kRule(31, '=');

QStringList gradeLines(const char* noten)
{
    return {"Bewertungen / Noten:", kRule, noten, " ", "     Streichung: -", " ", "     nicht erteilt: e", " ",
            "     nicht teilgenommen: n", " ", "     teilgenommen: t   {! nur für Grundsch.}", " ",
            "     befreit: b oder A", " ", "     nicht beurteilbar: 0, u oder k"};
}

const QStringList kLevelLines = {" ",
                                 " ",
                                 "Niveaustufen:",
                                 kRule,
                                 "     Übergangsnote: - oder Ü",
                                 " ",
                                 "     Berufsreife (HS): B oder H",
                                 " ",
                                 "     Mittlere Reife (RS): E, M oder R",
                                 " ",
                                 "     Hochschulreife (Gymn.): G",
                                 " ",
                                 "     entsprechend vorgegebenen Zeugnisniveau: Z"};

const QStringList kAdditionLines = {" ", " ", "Zusätze:", kRule, "     beliebiges Zeichen (z.B.: # oder *)"};

TEST(BewHilfForm, WindowAndControls)
{
    Settings settings;
    QWidget main;
    TBewHilfForm form(settings, &main);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("mögliche Einträge bei Bew., Zus. u. Niv."));
    EXPECT_EQ(form.windowModality(), Qt::NonModal);
    EXPECT_TRUE(form.windowFlags() & Qt::Tool);
    auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->font().bold());
    auto* button = form.findChild<QPushButton*>("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("ausblenden"));
}

TEST(BewHilfForm, LinesForSchoolTypeAndAdditionsRefilledOnEveryShow)
{
    Settings settings;
    QWidget main;
    TBewHilfForm form(settings, &main);

    struct Case {
        int schultyp;
        int zeigeZusatz;
        QStringList lines;
    };
    const Case table[] = {
        {4, 0, gradeLines("     Noten: 1 bis 6")},
        {4, 1, gradeLines("     Noten: 1 bis 6") + kAdditionLines},
        {3, 0, gradeLines("     Noten: 1 bis 8") + kLevelLines},
        {3, 1, gradeLines("     Noten: 1 bis 8") + kLevelLines + kAdditionLines},
        {2, 0, gradeLines("     Noten: 1 bis 6")},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(testing::Message() << "Schultyp " << c.schultyp << " ZeigeZusatz " << c.zeigeZusatz);
        settings.schule.Schultyp = static_cast<std::uint16_t>(c.schultyp);
        settings.prog.ZeigeZusatz = static_cast<std::int16_t>(c.zeigeZusatz);
        form.Open();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(memoLines(form), c.lines);
        form.findChild<QPushButton*>("Button1")->click();
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(BewHilfForm, OpenWhileVisibleChangesNothing)
{
    Settings settings;
    settings.schule.Schultyp = 4;
    QWidget main;
    TBewHilfForm form(settings, &main);
    form.Open();
    const QStringList before = memoLines(form);
    settings.schule.Schultyp = 3; // the next show would list the levels
    form.Open();
    EXPECT_EQ(memoLines(form), before);
    form.Button1Click();
    form.Open();
    EXPECT_NE(memoLines(form), before);
    form.Button1Click();
}

} // namespace
} // namespace ruvek::ui
