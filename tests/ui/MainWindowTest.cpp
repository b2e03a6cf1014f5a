// The main window frame: folders at start-up, caption per school type,
// menu and speed bar, status bar, the class-file commands end to end, and
// the questions at shutdown. Every test works in its own program folder.
#include "classfile/ClassFile.h"
#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "qtdraw/PrinterDevice.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WPflFach.h"
#include "support/ScriptedPrompter.h"
#include "ui/grades/BewHilfForm.h"
#include "ui/mainwindow/AboutForm.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/settings/DrkEinstForm.h"
#include "ui/settings/FirstStartForm.h"
#include "ui/settings/ProgEinstForm.h"
#include "ui/settings/SchulEinstForm.h"
#include "ui/settings/WpflEinstForm.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/WindowTitle.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using ruvek::MessageKind;
using ruvek::test::ScriptedPrompter;
using ruvek::test::Shown;
using ruvek::ui::TMainForm;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd_ = fs::current_path();
        programFolder_ = fs::temp_directory_path() /
                         ("ruvek-main-" + std::to_string(std::random_device{}()));
        fs::create_directories(programFolder_);
    }
    void TearDown() override
    {
        form_.reset();
        fs::current_path(savedCwd_);
        std::error_code ec;
        fs::remove_all(programFolder_, ec);
    }

    // The window as the program makes it: main window, then the other forms.
    TMainForm& start(bool withForms = true)
    {
        form_ = std::make_unique<TMainForm>(ruvek::ui::MainFormSetup{programFolder_, &prompter_});
        if (withForms)
            ruvek::ui::createApplicationForms(*form_);
        form_->show();
        return *form_;
    }

    fs::path dataFolder() const { return programFolder_ / "Daten"; }

    ScriptedPrompter prompter_;
    fs::path programFolder_;
    fs::path savedCwd_;
    std::unique_ptr<TMainForm> form_;
};

QString utf(const char* s) { return QString::fromUtf8(s); }

} // namespace

TEST(MainWindowTitle, NamesTheSchoolType)
{
    const std::pair<int, const char*> cases[] = {
        {1, "Grundschule"},
        {2, "Regionale Schule"},
        {3, "Integrierte Gesamtschule"},
        {4, "Gymnasium"},
        {5, "Hauptschule"},
        {6, "Realschule"},
        {7, "Förderschule"},
        {8, "?? Schultyp ??"},
        {9, "Schule zur individuellen Lebensbewältigung"},
        {0, "?? Schultyp ??"},
        {10, "?? Schultyp ??"},
        {-1, "?? Schultyp ??"},
    };
    for (const auto& [type, name] : cases)
        EXPECT_EQ(ruvek::ui::windowTitleFor(ruvek::schoolTypeFromStored(type)),
                  std::string("Zeugnisse für Kestland  V.3.1.       -- ") + name + " --")
            << type;
}

TEST_F(MainWindowTest, FirstStartCreatesTheDataFolderAndLeavesTheWorkingDirectory)
{
    const fs::path workingDirectory = fs::current_path();
    TMainForm& form = start();
    EXPECT_TRUE(fs::is_directory(dataFolder()));
    EXPECT_EQ(fs::current_path(), workingDirectory);
    EXPECT_EQ(form.folders().dataFolder, dataFolder());
    EXPECT_EQ(form.klasse().dataFolder, dataFolder());
    EXPECT_EQ(form.folders().colourArms(), programFolder_ / "13F.BMP");
    EXPECT_EQ(form.folders().monoArms(), programFolder_ / "13S.BMP");
    EXPECT_TRUE(prompter_.log().empty());
}

// No school settings anywhere: the school type is asked before the first
// class is shown and written through the settings code; the example class
// then opens without the warnings of a missing school type, and the page
// changes bring no hint. A second start does not ask again.
TEST_F(MainWindowTest, FirstStartAsksTheSchoolTypeBeforeAnyClass)
{
    prompter_.schoolSetups = {{2, "Regionale Schule \"Am Hafen\"", "Nordstadt"}};
    TMainForm& form = start();
    EXPECT_EQ(prompter_.schoolSetupAsked, 1);
    EXPECT_EQ(form.windowTitle().toStdString(), ruvek::ui::windowTitleFor(ruvek::SchoolType::RegionaleSchule));
    ruvek::TSchulEinstRec reread;
    ruvek::SchulEinstDefaults(reread);
    ASSERT_TRUE(ruvek::LoadSchulEinst(reread, programFolder_, dataFolder(), prompter_));
    EXPECT_EQ(reread.Schultyp, 2);
    EXPECT_EQ(ruvek::cp1252ToUtf8(reread.SchulAnschrift.view()), "Regionale Schule \"Am Hafen\", Nordstadt");
    EXPECT_EQ(ruvek::cp1252ToUtf8(ruvek::SchulnameText(form.state().settings.prog)), "Regionale Schule \"Am Hafen\"");
    EXPECT_TRUE(fs::exists(programFolder_ / "RVKEINST.DAT"));

    const fs::path example = dataFolder() / "8b.RVK";
    fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", example);
    prompter_.clearLog();
    ASSERT_TRUE(form.klasse().fileOpen(example, prompter_));
    auto* pages = form.findChild<QTabWidget*>("PageControl2");
    for (int p = 1; p < pages->count(); ++p)
        pages->setCurrentIndex(p);
    pages->setCurrentIndex(0);
    EXPECT_TRUE(prompter_.log().empty()) << prompter_.log().front().text;
    EXPECT_TRUE(prompter_.timedInfos.empty());

    form_.reset();
    start();
    EXPECT_EQ(prompter_.schoolSetupAsked, 1);
}

// The first-start dialog: a school type must be chosen before "Übernehmen"
// works; only the types a school can be are offered.
TEST(FirstStartDialog, AnswersAfterTheSchoolTypeIsChosen)
{
    ruvek::ui::FirstStartForm dlg;
    auto* type = dlg.findChild<QComboBox*>("ComboBoxSchultyp");
    auto* ok = dlg.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(type && ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dlg.answer().has_value());
    QStringList offered;
    for (int i = 1; i < type->count(); ++i)
        offered << type->itemText(i);
    EXPECT_EQ(offered, (QStringList{utf("Grundschule"), utf("Regionale Schule"), utf("Integrierte Gesamtschule"),
                                    utf("Gymnasium"), utf("Hauptschule"), utf("Realschule"), utf("Förderschule"),
                                    utf("Schule z. indiv. Lebensbew.")}));
    type->setCurrentIndex(type->findText(utf("Regionale Schule")));
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClicks(dlg.findChild<QLineEdit*>("EditSchulname"), "Schule am Hafen");
    QTest::keyClicks(dlg.findChild<QLineEdit*>("EditOrt"), " Nordstadt ");
    const auto answer = dlg.answer();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->schultyp, 2);
    EXPECT_EQ(answer->schulname, "Schule am Hafen");
    EXPECT_EQ(answer->ort, "Nordstadt");
}

// "Später": nothing is written, the program runs without a school type, and
// the page-change hint is the timed information (5 s), not a message box.
TEST_F(MainWindowTest, FirstStartPostponedWritesNothingAndHintsCloseThemselves)
{
    TMainForm& form = start();
    EXPECT_EQ(prompter_.schoolSetupAsked, 1);
    EXPECT_FALSE(fs::exists(programFolder_ / "SCHEINST.DAT"));
    ASSERT_EQ(form.state().settings.prog.InfoHinweise, 1);
    form.findChild<QTabWidget*>("PageControl2")->setCurrentIndex(1);
    ASSERT_EQ(prompter_.timedInfos.size(), 1u);
    EXPECT_EQ(prompter_.timedInfos[0].caption, "Hinweis");
    EXPECT_EQ(prompter_.timedInfos[0].milliseconds, 5000);
    EXPECT_EQ(prompter_.timedInfos[0].lines.at(1), "Bitte legen Sie unbedingt zuerst alle");
}

TEST_F(MainWindowTest, StartUpCreatesTheDialogsAndToolWindows)
{
    TMainForm& form = start();
    const ruvek::ui::ApplicationForms& f = form.forms();
    EXPECT_TRUE(f.bewHilf && f.progEinst && f.schulEinst && f.wpflEinst && f.drkEinst && f.about);
    EXPECT_FALSE(f.bewHilf->isVisible());
    // No WPflFach.DAT in the program folder: the two fixed entries.
    EXPECT_EQ(form.state().wahlpflichtListe, (std::vector<std::string>{"  - - -", "???"}));
}

TEST_F(MainWindowTest, DataFolderThatCannotBeMadeFallsBackToTheProgramFolder)
{
    std::ofstream(programFolder_ / "Daten") << "kein Ordner";   // a file blocks the folder
    TMainForm& form = start(false);
    EXPECT_EQ(prompter_.log(), (std::vector{Shown::information("Problem beim Erstellen des Datenverzeichnis:\n" +
                                                                (dataFolder() / "").string() + "\n")}));
    EXPECT_EQ(form.folders().dataFolder, programFolder_);
    EXPECT_EQ(form.klasse().dataFolder, programFolder_);
}

TEST_F(MainWindowTest, CaptionFollowsTheSchoolSettingsFile)
{
    for (int type : {9, 8, 2}) {
        ruvek::TSchulEinstRec rec;
        ruvek::SchulEinstDefaults(rec);
        rec.Schultyp = static_cast<std::uint16_t>(type);
        ASSERT_TRUE(ruvek::SaveSchulEinst(rec, programFolder_, prompter_));
        TMainForm& form = start();
        EXPECT_EQ(form.windowTitle().toStdString(), ruvek::ui::windowTitleFor(ruvek::schoolTypeFromStored(type))) << type;
    }
}

TEST_F(MainWindowTest, WindowFrame)
{
    TMainForm& form = start();
    EXPECT_EQ(form.minimumSize(), QSize(795, 580));
    form.resize(300, 200);
    EXPECT_GE(form.width(), 795);
    EXPECT_GE(form.height(), 580);

    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->tabText(0), utf("Schüler-Datenblätter"));
    EXPECT_EQ(pages->tabText(1), utf("Schüler-Tabelle"));
    EXPECT_EQ(pages->currentIndex(), 0);
    auto* editorPages = form.findChild<QTabWidget*>("PageControl2");
    ASSERT_TRUE(editorPages);
    const char* editorTabs[] = {"Zeugnis-Kopf", "Text-Bereich", "Vermerke", "Fächer u. Bewertungen",
                                "(Wahlpfl. u.) Zeugnis-Fuß"};
    ASSERT_EQ(editorPages->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(editorPages->tabText(i), utf(editorTabs[i]));
    EXPECT_EQ(editorPages->currentIndex(), 0);
    // Each editor page carries its own controls; the table page its grade table.
    const std::pair<const char*, const char*> pageControls[] = {
        {"TabSheet3", "Edit5"}, {"TabSheet4", "Memo2"}, {"TabSheet5", "Memo3"},
        {"TabSheet6", "EditF1"}, {"TabSheet7", "ComboBoxW1"}};
    for (int i = 0; i < 5; ++i) {
        const auto& [sheet, control] = pageControls[i];
        QWidget* page = form.findChild<QWidget*>(sheet);
        ASSERT_TRUE(page) << sheet;
        EXPECT_EQ(editorPages->widget(i), page) << sheet;
        EXPECT_TRUE(page->findChild<QWidget*>(control)) << sheet << " " << control;
        EXPECT_FALSE(page->findChild<QLabel*>("PlaceholderNote")) << sheet;
    }
    auto* tableSheet = form.findChild<QWidget*>("TabSheet2");
    EXPECT_FALSE(tableSheet->findChild<QLabel*>("PlaceholderNote"));
    auto* grid = tableSheet->findChild<QWidget*>("StringGrid1");
    ASSERT_TRUE(grid);
    EXPECT_FALSE(grid->isHidden());

    EXPECT_EQ(form.findChild<QWidget*>("StatusPanel0")->width(), 400);
    EXPECT_EQ(form.findChild<QWidget*>("StatusPanel1")->width(), 200);
    EXPECT_EQ(form.statusPanelText(1), utf("Vorgabe.RVK"));
    EXPECT_TRUE(form.saveEnabled());   // "Speichern" and Ctrl+S work at any time
    EXPECT_FALSE(form.changedIndicatorVisible());
}

TEST_F(MainWindowTest, SpeedBarButtonsCarryTheirHintsIntoStatusPanelZero)
{
    TMainForm& form = start();
    const std::pair<int, const char*> buttons[] = {
        {1, "Neue Datei erstellen"},
        {2, "vorhandene Datei öffnen"},
        {3, "aktuelle Datei speichern"},
        {4, "aktuelle Datei neu speichern"},
        {5, "Drucker-Systemeinstellungen"},
        {6, "Schüler-Datensatz ausschneiden"},
        {7, "Schüler-Datensatz in die Zwischenablage kopieren"},
        {8, "Schüler-Datensatz aus der Zwischenablage einfügen"},
        {9, "Hilfe zum Programm"},
        {10, "Programm-Informationen"},
        {11, "Programm beenden"},
        {17, "ausgewählten Zeugnis-Typ drucken"},
        {18, "Empfangsbekenntnis drucken"},
        {19, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen"},
        {21, "nach Namen aufsteigend (A..Z) sortieren"},
        {22, "nach Namen absteigend (Z..A) sortieren"},
        {23, "nach Schlüsselnummer aufsteigend sortieren"},
        {24, "nach Schlüsselnummer absteigend sortieren"},
        {27, "wie im Klassenbuch (Mädchen zuerst) sortieren"},
        {28, "wie im Klassenbuch (Jungen zuerst) sortieren"},
        {12, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen"},
        {13, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)"},
        {14, "Fächern-Noten-Statistik erstellen"},
    };
    int previousX = -1;
    for (const auto& [n, hint] : buttons) {
        const QString name = QStringLiteral("SpeedButton%1").arg(n);
        auto* button = form.findChild<QToolButton*>(name);
        ASSERT_TRUE(button) << n;
        EXPECT_EQ(button->toolTip(), utf(hint)) << n;
        EXPECT_FALSE(button->icon().isNull()) << n;
        EXPECT_GT(button->x(), previousX) << n;   // left to right as listed
        previousX = button->x();
        QStatusTipEvent tip(button->statusTip());
        QCoreApplication::sendEvent(button, &tip);
        EXPECT_EQ(form.statusPanelText(0), utf(hint)) << n;
    }
    auto* edit73 = form.findChild<QWidget*>("Edit73");
    ASSERT_TRUE(edit73);
    EXPECT_EQ(edit73->toolTip(), utf("Daten wurden verändert"));
}

TEST_F(MainWindowTest, MenuCaptions)
{
    TMainForm& form = start();
    QStringList titles;
    for (QAction* a : form.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Datei", "&Eingeben", "&Bearbeiten", "Berechnen", "&Testen", "D&rucken",
                                   "&Sortieren", "Hilfs&mittel", "&Kommunikation", "&Einstellungen", "&Hilfe"}));

    const std::pair<const char*, const char*> items[] = {
        {"FileOpenItem", "&Öffnen ..."},
        {"FileSaveAsItem", "Speichern &unter ..."},
        {"Seitenansichtzeigen1", "Seitenansicht zeigen"},
        {"Seitenansichtzeigen2", "Seitenansicht zeigen"},
        {"SchlerDatenblatt1", "Schüler-&Datenblatt"},
        {"SchlerDatenbltter1", "die Schüler-&Datenblätter"},
        {"Seitenansicht1", "erst Seitenansicht zeigen"},
        {"ausgewhlterZeugnistyp1", "&Zeugnis"},
        {"ausgewhlteZeugnistypen1", "die &Zeugnisse"},
        {"dieEmpfangsbekenntnisse1", "die &Empfangsbekenntnisse"},
        {"estblattausdrucken1", "Testblatt ausdrucken "},
        {"SchulEinstellungen1", "&Schul-Einstellungen"},
        {"ProgrammEinstellungen1", "&Programm-Einstellungen"},
        {"WahlpflichtFcher1", "&Wahlpflicht-Fächer"},
        {"DruckOptionen1", "&Druck-Optionen"},
        {"gelschteDatenstzeentgltigentfernen1", "gelöschte Datensätze entgültig &entfernen"},
        {"importierenvonSchlerdatenimTXTFormat1", "importieren von Schülerdaten im TXT-Format ..."},
        {"Fachzensurenlistevorbereiten1", "Fachzensuren-Liste(n) exportieren ..."},
        {"HelpAboutItem", "Programm-&Informationen"},
    };
    for (const auto& [name, caption] : items) {
        QAction* a = form.menuAction(QString::fromLatin1(name));
        ASSERT_TRUE(a) << name;
        EXPECT_EQ(a->text(), utf(caption)) << name;
    }
    // Defined as hidden, and nothing shows them.
    EXPECT_FALSE(form.menuAction("Wahlpflichtfcherextrahieren1")->isVisible());
    EXPECT_TRUE(form.findChild<QMenu*>("mitFachlehrern1")->menuAction()->isVisible());
}

TEST_F(MainWindowTest, DataSheetSeriesOfTheUnnamedStartRecordPrintsNothing)
{
    TMainForm& form = start();
    prompter_.clearLog();
    // The command is built (the placeholder would tell so), and the start
    // record has no name yet: it ends the series before it begins.
    form.menuAction("SchlerDatenbltter1")->trigger();
    EXPECT_TRUE(prompter_.log().empty());
}

// New -> changes -> Save As into the data folder -> New -> Open again.
TEST_F(MainWindowTest, NewSaveAsOpenWalk)
{
    TMainForm& form = start();
    auto* list = form.findChild<QListWidget*>("ListBox1");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 1);

    prompter_.answers = {true};   // "Wollen Sie jetzt eine neue Datei ... erstellen?"
    form.menuAction("FileNewItem")->trigger();
    EXPECT_EQ(form.statusPanelText(1), utf("Vorgabe.RVK"));
    EXPECT_TRUE(form.saveEnabled());

    // Two students typed in: the class now has unsaved changes.
    ruvek::OpenClass& k = form.klasse();
    k.records[0].Name = ruvek::utf8ToCp1252("Müller");
    k.records[0].Vorname = "Anna";
    k.records.push_back(k.records[0]);
    k.records[1].Name = "Schmidt";
    k.records[1].Vorname = "Jonas";
    k.records[1].SchlNr = 4711;
    k.changed = true;
    form.showCurrentRecord();
    EXPECT_TRUE(form.changedIndicatorVisible());
    EXPECT_TRUE(form.saveEnabled());
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), utf("Müller, Anna"));

    const fs::path file = dataFolder() / "Klasse 5a.RVK";
    prompter_.files = {file};
    form.menuAction("SpeedButton3")->trigger();   // Save of a never-saved class goes to Save As
    ASSERT_EQ(prompter_.dialogs.size(), 1u);
    EXPECT_EQ(prompter_.dialogs[0].proposedName, "unbekannte Klasse.RVK");
    EXPECT_EQ(prompter_.dialogs[0].folder, dataFolder());
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(form.statusPanelText(1), utf("Klasse 5a.RVK"));
    EXPECT_FALSE(form.changedIndicatorVisible());
    EXPECT_TRUE(form.saveEnabled());

    prompter_.answers = {true};
    form.menuAction("SpeedButton1")->trigger();
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(form.statusPanelText(1), utf("Vorgabe.RVK"));
    EXPECT_TRUE(form.saveEnabled());

    prompter_.files = {file};
    form.menuAction("SpeedButton2")->trigger();
    EXPECT_EQ(form.statusPanelText(1), utf("Klasse 5a.RVK"));
    EXPECT_EQ(form.windowTitle().toStdString(), ruvek::ui::windowTitleFor(ruvek::SchoolType::NichtAusgewaehlt));
    EXPECT_FALSE(form.changedIndicatorVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), utf("Müller, Anna"));
    EXPECT_EQ(list->item(1)->text(), utf("Schmidt, Jonas"));
    EXPECT_EQ(list->currentRow(), 0);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(k.current, 1);
    EXPECT_EQ(form.findChild<QWidget*>("Edit12")->property("text").toString(), "2");
    EXPECT_EQ(form.findChild<QWidget*>("Edit13")->property("text").toString(), "2");
    const auto askNew = Shown::question("Wollen Sie jetzt eine neue Datei\n(Zeugnis-Datenbank) erstellen?");
    EXPECT_EQ(prompter_.log(), (std::vector{askNew, askNew}));   // both News; saving and opening ask nothing
}

struct ShutdownCase {
    const char* what;
    bool changed;
    std::deque<bool> answers;
    bool chooseFile;    // Save As picks a file (else it is cancelled)
    bool closes;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const ShutdownCase& c, std::ostream* os) { *os << c.what; }

class MainWindowShutdown : public MainWindowTest, public ::testing::WithParamInterface<ShutdownCase> {};

TEST_P(MainWindowShutdown, AsksBeforeEnding)
{
    const ShutdownCase& c = GetParam();
    TMainForm& form = start();
    // A new record's first stores decide its annex codes (Anlage, then
    // AnlageAlt: changes of their own); the cases start from a record whose
    // codes are settled ("Daten übernehmen" twice).
    for (int i = 0; i < 2; ++i)
        form.findChild<QAbstractButton*>("BitBtn11")->click();
    prompter_.clearLog();
    form.klasse().changed = c.changed;
    form.refreshIndicators();
    prompter_.answers = c.answers;
    // The question about the changes answers with its buttons ("Speichern",
    // "Nicht speichern"): the case's second answer says which.
    if (c.changed && c.answers.size() >= 2) {
        prompter_.choices = {c.answers[1] ? ruvek::kChoiceSave : ruvek::kChoiceDontSave};
        prompter_.answers = {c.answers[0]};
    }
    const fs::path file = dataFolder() / "Ende.RVK";
    if (c.chooseFile)
        prompter_.files = {file};
    else if (c.changed && c.answers.size() == 2 && c.answers[1])
        prompter_.files = {std::nullopt};

    EXPECT_EQ(form.close(), c.closes);
    EXPECT_EQ(form.isVisible(), !c.closes);
    ASSERT_FALSE(prompter_.log().empty());
    EXPECT_EQ(prompter_.log().front(), Shown::question("Wollen Sie das Programm jetzt wirklich beenden?"));
    if (c.changed && c.answers.size() >= 2) {
        EXPECT_EQ(prompter_.log()[1], Shown::question("Die Daten wurden seit dem letzten Speichern geändert!\n"
                                                      "Wollen Sie die Änderungen jetzt Speichern?",
                                                      MessageKind::Warning));
    }
    EXPECT_TRUE(prompter_.answers.empty());
    EXPECT_TRUE(prompter_.choices.empty());
    EXPECT_TRUE(prompter_.files.empty());
    EXPECT_EQ(fs::exists(file), c.chooseFile);
    if (!c.closes) {
        EXPECT_EQ(form.klasse().count(), 1);   // all data still there
        EXPECT_EQ(form.klasse().changed, c.changed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shutdown, MainWindowShutdown,
    ::testing::Values(ShutdownCase{"NoKeepsTheWindow", true, {false}, false, false},
                      ShutdownCase{"UnchangedEnds", false, {true}, false, true},
                      ShutdownCase{"ChangesDroppedEnds", true, {true, false}, false, true},
                      ShutdownCase{"SaveAsCancelledKeepsItOpen", true, {true, true}, false, false},
                      ShutdownCase{"SaveAsWritesAndEnds", true, {true, true}, true, true}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST_F(MainWindowTest, SchoolSettingsOkWarnsAndRetitles)
{
    TMainForm& form = start();
    form.state().settings.schule.Schultyp = 3;
    form.afterSchoolSettingsOk();
    EXPECT_EQ(prompter_.log(), std::vector{Shown::warning("Nach Änderungen der Schulart\nwird ein Neustart des Programms "
                                                          "Ruvek3\nbzw. das Öffnen einer passenden Datendatei\n"
                                                          "dringend empfohlen!")});
    EXPECT_EQ(form.windowTitle().toStdString(), ruvek::ui::windowTitleFor(ruvek::SchoolType::IntegrierteGesamtschule));
}

TEST_F(MainWindowTest, ProgramSettingsOkRebuildsTheListAndGoesToTheFirstStudent)
{
    TMainForm& form = start();
    ruvek::OpenClass& k = form.klasse();
    k.records.resize(3, k.records[0]);
    const char* names[] = {"Alt", "Berg", "Czech"};
    for (int i = 0; i < 3; ++i)
        k.records[static_cast<std::size_t>(i)].Name = names[i];
    k.records[0].Status = 0;   // deleted
    k.current = 2;

    form.state().settings.prog.ZeigeGeloeschte = 0;
    form.afterProgramSettingsOk();
    auto* list = form.findChild<QListWidget*>("ListBox1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith("Berg, "));
    EXPECT_EQ(k.current, 1);   // the first active record
    EXPECT_EQ(list->currentRow(), 0);

    form.state().settings.prog.ZeigeGeloeschte = 1;
    form.afterProgramSettingsOk();
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(k.current, 0);
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(MainWindowTest, TestPageWithoutPrinterGoesToAChosenPdfFile)
{
    ASSERT_FALSE(ruvek::PrinterDevice::printerInstalled()) << "the test programs run without a printer";
    TMainForm& form = start();
    const fs::path pdf = programFolder_ / "Testblatt.pdf";
    prompter_.files = {pdf};
    form.menuAction("estblattausdrucken1")->trigger();
    ASSERT_TRUE(fs::exists(pdf));
    std::ifstream in(pdf, std::ios::binary);
    std::string magic(4, '\0');
    in.read(magic.data(), 4);
    EXPECT_EQ(magic, "%PDF");
    EXPECT_EQ(prompter_.log(), (std::vector<Shown>{Shown::information(
                                   "Das Testblatt wurde als PDF-Datei gespeichert:\n" + pdf.string())}));
    prompter_.clearLog();

    prompter_.files = {std::nullopt};   // cancelled: nothing printed, nothing said
    form.menuAction("estblattausdrucken1")->trigger();
    EXPECT_TRUE(prompter_.log().empty());
}

TEST_F(MainWindowTest, OpeningFromAnotherFolderOffersItsElectiveList)
{
    TMainForm& form = start();
    form.state().settings.prog.ZentralListen = 0;   // the list lives beside the class files

    const fs::path other = programFolder_ / "Klasse 8b";
    fs::create_directories(other);
    ASSERT_TRUE(ruvek::writeClassFile(other / "8b.RVK", ruvek::newFileHeader(1), form.klasse().records));
    ruvek::TWPflFach list;
    ruvek::WpflDefaults(list);
    ASSERT_TRUE(ruvek::AddWPflFach(list, "Spanisch"));
    ASSERT_TRUE(ruvek::SaveWPflFach(list, ruvek::WpflFolders{other, other, 1}, prompter_));

    prompter_.files = {other / "8b.RVK"};
    prompter_.answers = {true};   // "Soll die Datei mit den Wahlpflichtfächern ... mit eingelesen werden?"
    form.FileOpen();
    EXPECT_TRUE(prompter_.answers.empty());
    const auto& names = form.state().wahlpflichtListe;
    EXPECT_NE(std::find(names.begin(), names.end(), "Spanisch"), names.end());
    EXPECT_EQ(form.state().settings.dataFolder, other);   // settings follow the data folder
    EXPECT_EQ(form.statusPanelText(1), utf("8b.RVK"));
}
