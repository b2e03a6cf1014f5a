// "Testen → auf Vollständigkeit" in the main window: the findings window
// lists the gaps of the class, and a double-click makes the student current
// and focuses the field. With RUVEK_SCREENSHOTS set to a folder the window
// is saved there as PNG.
#include "classfile/OpenClass.h"
#include "support/ScriptedPrompter.h"
#include "ui/completeness/VollstaendigkeitForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAction>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <random>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

TEST(CompletenessWindow, ListsFindingsAndJumpsToTheField)
{
    const fs::path folder = fs::temp_directory_path() / ("ruvek-voll-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    // The shipped form files, so that only the record gaps are found.
    for (const auto& entry : fs::directory_iterator(RUVEK_PROGRAM_DIR))
        if (entry.path().extension() == ".FST")
            fs::copy_file(entry.path(), folder / entry.path().filename());
    test::ScriptedPrompter prompter;
    {
        ui::TMainForm main(ui::MainFormSetup{folder, &prompter});
        ui::createApplicationForms(main);
        main.state().settings.prog.InfoHinweise = 0;
        main.state().settings.schule.Schultyp = 2; // Regionale Schule, as the example class
        main.show();
        OpenClass& k = main.klasse();
        // Opening writes a backup copy beside the file: open a copy.
        fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", folder / "8b.RVK");
        ASSERT_TRUE(k.openFile(folder / "8b.RVK", prompter));
        k.records[2].KlLehrer = "";   // student 3: no class teacher
        k.records[4].slot(4).Note = "-"; // student 5: no grade in Mathematik
        k.current = 0;
        main.showCurrentRecord();

        QAction* command = main.actions().action(QStringLiteral("aufVollstndigkeit1"));
        ASSERT_TRUE(command);
        command->trigger();
        auto* window = main.findChild<ui::TVollstaendigkeitForm*>();
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        QTreeWidget* list = window->list();
        // The current record is stored first; this installation has no
        // elective list, so its electives lose their names there. The other
        // students are checked as they are.
        std::vector<QTreeWidgetItem*> others;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(0) != "1")
                others.push_back(list->topLevelItem(i));
        ASSERT_EQ(others.size(), 2u);
        EXPECT_EQ(others[0]->text(0), "3");
        EXPECT_EQ(others[0]->text(3), "Klassenlehrer");
        EXPECT_EQ(others[1]->text(1), QStringLiteral("Sophie Ewert"));
        EXPECT_EQ(others[1]->text(2), QStringLiteral("Fächer u. Bewertungen"));
        EXPECT_TRUE(window->reportHtml().contains(QStringLiteral("Bewertung fehlt: Mathematik")));

        const QByteArray dir = qgetenv("RUVEK_SCREENSHOTS");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(dir) + "/vollstaendigkeit.png"));
        }

        // Double-click on the grade finding of student 5.
        QTreeWidgetItem* item = others[1];
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        list->scrollToItem(item);
        // An item view takes a double-click only after the press that selects the item.
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(k.current, 4);
        ASSERT_TRUE(main.focusWidget());
        EXPECT_EQ(main.focusWidget()->objectName(), "EditF4");
        auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl2"));
        ASSERT_TRUE(pages);
        EXPECT_TRUE(pages->currentWidget()->isAncestorOf(main.focusWidget()));
        k.changed = false;
    }
    fs::remove_all(folder);
}

} // namespace

// Sorting the findings by student follows the German list order.
TEST(CompletenessWindow, StudentColumnSortsInGermanOrder)
{
    ui::TVollstaendigkeitForm window(nullptr);
    std::vector<Finding> findings;
    std::size_t n = 0;
    for (const char* student : {"Udo Zander", "Ömer Özdemir", "Paul Ziegler", "anna Krüger", "Karl Köhler"})
        findings.push_back({n++, student, "Zeugnis-Kopf", "Edit66", "Klassenlehrer fehlt", "Klassenlehrer"});
    window.setFindings(findings, QStringLiteral("8b.RVK"));
    auto* list = window.findChild<QTreeWidget*>(QStringLiteral("Befunde"));
    list->sortByColumn(1, Qt::AscendingOrder);
    QStringList order;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        order << list->topLevelItem(i)->text(1);
    EXPECT_EQ(order, (QStringList{QStringLiteral("anna Krüger"), QStringLiteral("Karl Köhler"),
                                  QStringLiteral("Ömer Özdemir"), QStringLiteral("Paul Ziegler"),
                                  QStringLiteral("Udo Zander")}));
}
