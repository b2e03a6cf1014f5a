#include "ui/settings/DrkEinstForm.h"
#include "ui/settings/ProgEinstForm.h"
#include "ui/settings/RadioGroup.h"
#include "ui/settings/SchulEinstForm.h"

#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace ruvek::ui {
namespace {
namespace fs = std::filesystem;
using test::ScriptedPrompter;
using test::ShownMessage;

std::vector<std::uint8_t> fileBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("ruvek-settingsform-" + std::to_string(std::random_device{}()));
        settings.programFolder = root;
        settings.dataFolder = root / "Daten";
        fs::create_directories(settings.dataFolder);
    }
    void TearDown() override { fs::remove_all(root); }

    template <class W>
    W* child(QWidget& form, const char* name)
    {
        auto* w = form.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Saves a screenshot when RUVEK_SCREENSHOT_DIR names a folder.
    static void screenshot(QWidget& w, const QString& name)
    {
        const QString dir = qEnvironmentVariable("RUVEK_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        w.adjustSize();
        w.grab().save(dir + "/" + name + ".png");
    }

    fs::path root;
    Settings settings;
    ScriptedPrompter prompter;
};

// ---- Schuleinstellungen ----

TEST_F(SettingsDialogs, SchoolDialogShowsStoresAndSavesBothFiles)
{
    settings.schule.Schultyp = 2;
    settings.schule.SchulAnschrift = "Regionale Schule Nordhafen, Hafenstr. 1";
    SetSchulname(settings.prog, "Regionale Schule Nordhafen");
    TSchulEinstForm form(settings, prompter);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Schuleinstellungen"));
    form.FormShow();
    auto* typ = child<RadioGroup>(form, "RadioGroup1");
    EXPECT_EQ(typ->title(), QStringLiteral("Schultyp"));
    ASSERT_EQ(typ->count(), 10);
    EXPECT_EQ(typ->itemText(9), QStringLiteral("Schule z. indiv. Lebensbew."));
    EXPECT_EQ(typ->itemIndex(), 2);
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), QStringLiteral("Regionale Schule Nordhafen, Hafenstr. 1"));
    EXPECT_EQ(child<QLineEdit>(form, "Edit2")->text(), QStringLiteral("Regionale Schule Nordhafen"));
    EXPECT_EQ(child<QLineEdit>(form, "Edit2")->maxLength(), 50);
    screenshot(form, "schuleinstellungen");

    typ->setItemIndex(7);
    child<QLineEdit>(form, "Edit1")->setText(QStringLiteral("Förderschule Süd, Weg 2"));
    child<QLineEdit>(form, "Edit2")->setText(QStringLiteral("Förderschule „Am Bach“"));
    form.Button1Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(settings.schule.Schultyp, 7);
    EXPECT_EQ(settings.schule.SchulAnschrift, "F\xF6rderschule S\xFC" "d, Weg 2");
    EXPECT_EQ(SchulnameText(settings.prog), "F\xF6rderschule \x84" "Am Bach\x93");

    const auto schule = fileBytes(root / "SCHEINST.DAT");
    const auto prog = fileBytes(root / "RVKEINST.DAT");
    ASSERT_EQ(schule.size(), 94u);
    ASSERT_EQ(prog.size(), 126u);
    EXPECT_EQ(fromBytes<TSchulEinstRec>(schule).Schultyp, 7);
    EXPECT_EQ(prog[44], 22); // Schulname: length byte at offset 44, text behind it
    EXPECT_EQ(SchulnameText(fromBytes<TProgEinstRec>(prog)), SchulnameText(settings.prog));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SettingsDialogs, SchoolDialogCancelStoresNothing)
{
    TSchulEinstForm form(settings, prompter);
    form.FormShow();
    child<RadioGroup>(form, "RadioGroup1")->setItemIndex(4);
    child<QLineEdit>(form, "Edit2")->setText("Gymnasium");
    form.Button2Click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(settings.schule.Schultyp, 0);
    EXPECT_EQ(SchulnameText(settings.prog), "");
    EXPECT_FALSE(fs::exists(root / "SCHEINST.DAT"));
}

TEST_F(SettingsDialogs, SchoolDialogRefusesCharactersThatCannotBeStored)
{
    TSchulEinstForm form(settings, prompter);
    form.FormShow();
    child<RadioGroup>(form, "RadioGroup1")->setItemIndex(4);
    child<QLineEdit>(form, "Edit2")->setText(QStringLiteral("Gymnasium Łódź"));
    form.Button1Click();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(settings.schule.Schultyp, 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("nicht gespeichert werden"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "SCHEINST.DAT"));
}

// ---- Programm-Einstellungen ----

struct ProgSwitch {
    const char* objectName;
    const char* caption;
    std::int16_t TProgEinstRec::*field;
};
const ProgSwitch kProgSwitches[] = {
    {"CheckBox1", "Datensätze dürfen gelöscht werden", &TProgEinstRec::DarfLoeschen},
    {"CheckBox2", "gelöschte Datensätze", &TProgEinstRec::ZeigeGeloeschte},
    {"CheckBox3", "Zusatz bei Bewertungen", &TProgEinstRec::ZeigeZusatz},
    {"CheckBox4", "Anzeige der verwendeten FST-Datei vor Ausdruck", &TProgEinstRec::ZeigeFst},
    {"CheckBox5", "Einstellungen (Druck-Optionen)", &TProgEinstRec::ZentralDruck},
    {"CheckBox6", "Listen (Wahlpflichtfächer)", &TProgEinstRec::ZentralListen},
    {"CheckBox7", "beim Hinzufügen eines Datensatzes sinnvolle Daten vom Vorgänger übernehmen",
     &TProgEinstRec::VorgaengerDaten},
    {"CheckBox8", "Info-Hinweise", &TProgEinstRec::InfoHinweise},
    {"CheckBox9", "NUR für Gesamtschule: Anspruchebenen umrechnen lassen", &TProgEinstRec::GsEbenen},
    {"CheckBox10", "Test-Option", &TProgEinstRec::TestOption},
};

TEST_F(SettingsDialogs, ProgramDialogEverySwitchShowsAndStores)
{
    TProgEinstForm form(settings, prompter);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Einstellungen zum Programm Ruvek"));
    form.FormShow();
    screenshot(form, "programmeinstellungen");
    for (const auto& s : kProgSwitches) {
        auto* box = child<QCheckBox>(form, s.objectName);
        EXPECT_EQ(box->text(), QString::fromUtf8(s.caption));
        EXPECT_EQ(box->isChecked(), settings.prog.*s.field == 1) << s.objectName;
        box->setChecked(!box->isChecked());
    }
    const TProgEinstRec before = settings.prog;
    form.Button1Click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    for (const auto& s : kProgSwitches)
        EXPECT_EQ(settings.prog.*s.field, 1 - before.*s.field) << s.objectName;
    EXPECT_EQ(fromBytes<TProgEinstRec>(fileBytes(root / "RVKEINST.DAT")).ZeigeGeloeschte, 1);
}

TEST_F(SettingsDialogs, ProgramDialogStandardRestoresAtOnceButKeepsSchoolName)
{
    settings.prog.DarfLoeschen = 0;
    settings.prog.TestOption = 0;
    SetSchulname(settings.prog, "Grundschule Lindenweg");
    TProgEinstForm form(settings, prompter);
    form.FormShow();
    child<QPushButton>(form, "Button3")->click();
    EXPECT_TRUE(child<QCheckBox>(form, "CheckBox1")->isChecked());
    form.Button2Click(); // "Abbrechen" does not bring the old values back
    EXPECT_EQ(settings.prog.DarfLoeschen, 1);
    EXPECT_EQ(settings.prog.TestOption, 1);
    EXPECT_EQ(SchulnameText(settings.prog), "Grundschule Lindenweg");
    EXPECT_FALSE(fs::exists(root / "RVKEINST.DAT")); // nothing written before OK
}

// ---- Druck-Optionen ----

struct DrkSwitch {
    const char* objectName;
    const char* caption;
    std::int16_t TDrkEinstRec::*field;
};
const DrkSwitch kDrkSwitches[] = {
    {"CheckBox1", "Bewertungen immer in Worten", &TDrkEinstRec::BewertungenInWorten},
    {"CheckBox2", "Zeugnistexte ohne Linie", &TDrkEinstRec::OhneLinie},
    {"CheckBox3", "Zeugnis-Kopie gleich extra drucken", &TDrkEinstRec::KopieExtra},
    {"CheckBox4", "immer eine Kopie drucken", &TDrkEinstRec::EmpfKopie},
    {"CheckBox5", "Formulare mit Rahmen", &TDrkEinstRec::MitRahmen},
    {"CheckBox6", "drucke Korrekturecke", &TDrkEinstRec::Korrekturecke},
    {"CheckBox7", "S/S nicht streichen", &TDrkEinstRec::SSNichtStreichen},
    {"CheckBox8", "Kyocera-Fehler ausgleichen", &TDrkEinstRec::KyoceraKorrektur},
    {"CheckBox9", "mit FST-Datei-Kopien arbeiten", &TDrkEinstRec::FstKopien},
    {"CheckBox10", "Einstellungen zentral speichern", &TDrkEinstRec::ZentralSpeichern},
    {"CheckBox11", "doppelseitig (ohne Zwischendialoge) drucken", &TDrkEinstRec::Doppelseitig},
    {"CheckBox12", "nur notwendige Druck-Dialoge", &TDrkEinstRec::NurNotwendigeDialoge},
    {"CheckBox13", "Ausdruck für Zensurenkonferenzen mit \"Vermerke\"", &TDrkEinstRec::Zensurenkonferenz},
    {"CheckBox14", "\"farbiges\" Wappen auch bei SW-Druckern", &TDrkEinstRec::FarbWappen},
};

struct DrkRadio {
    const char* objectName;
    const char* caption;
    int items;
    std::int16_t TDrkEinstRec::*field;
};
const DrkRadio kDrkRadios[] = {
    {"RadioGroup1", "Art der Streichungen", 5, &TDrkEinstRec::Streichungsart},
    {"RadioGroup2", "Optionen zu Religion/Philosphieren mit Kindern", 3, &TDrkEinstRec::ReligionOption},
    {"RadioGroup3", "Druckart", 2, &TDrkEinstRec::EmpfDruckart},
    {"RadioGroup4", "Titel der Empf.-bekenntnis", 3, &TDrkEinstRec::EmpfTitel},
    {"RadioGroup5", "Wappenposition", 4, &TDrkEinstRec::Wappenposition},
    {"RadioGroup6", "Papierverlag", 6, &TDrkEinstRec::Papierverlag},
    {"RadioGroup7", "Wappengröße (lt. Verlagsangabe)", 3, &TDrkEinstRec::Wappengroesse},
};

class DrkEinstDialog : public SettingsDialogs {
protected:
    void SetUp() override
    {
        SettingsDialogs::SetUp();
        form = std::make_unique<TDrkEinstForm>(settings, prompter, [this] { return currentDataFolder; });
        currentDataFolder = settings.dataFolder;
    }
    void TearDown() override
    {
        form.reset();
        SettingsDialogs::TearDown();
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(*form, name); }

    fs::path currentDataFolder;
    std::unique_ptr<TDrkEinstForm> form;
};

TEST_F(DrkEinstDialog, PagesCaptionsAndShownValues)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Einstellungen der Druck-Optionen"));
    auto* pages = child<QTabWidget>(*form, "PageControl1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("allgemeine Optionen"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Streichungen ..."));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("weitere Optionen"));

    settings.druck.Papierverlag = 2;
    settings.druck.RandLinks = 175;
    settings.druck.Streichzeichen = "~";
    settings.druck.NormalStreichzeichen = "\\";
    form->FormShow();
    for (const auto& s : kDrkSwitches) {
        auto* box = child<QCheckBox>(*form, s.objectName);
        EXPECT_EQ(box->text(), QString::fromUtf8(s.caption));
        EXPECT_EQ(box->isChecked(), settings.druck.*s.field == 1) << s.objectName;
    }
    for (const auto& r : kDrkRadios) {
        auto* group = child<RadioGroup>(*form, r.objectName);
        EXPECT_EQ(group->title(), QString::fromUtf8(r.caption));
        EXPECT_EQ(group->count(), r.items) << r.objectName;
        EXPECT_EQ(group->itemIndex(), settings.druck.*r.field) << r.objectName;
    }
    EXPECT_EQ(child<RadioGroup>(*form, "RadioGroup6")->itemText(2), QStringLiteral("Kohlhammer Schwerin"));
    EXPECT_FALSE(child<RadioGroup>(*form, "RadioGroup2")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(*form, "CheckBox7")->isHidden());
    EXPECT_EQ(edit("Edit2")->text(), "175");
    EXPECT_EQ(edit("Edit3")->text(), "150");
    EXPECT_EQ(edit("Edit4")->text(), "100");
    EXPECT_EQ(edit("Edit1")->text(), "~");
    auto* combo = child<QComboBox>(*form, "ComboBox1");
    ASSERT_EQ(combo->count(), 9);
    EXPECT_EQ(combo->currentText(), "\\");

    for (int i = 0; i < 3; ++i) {
        pages->setCurrentIndex(i);
        screenshot(*form, QString("druckoptionen-%1").arg(i + 1));
    }
}

TEST_F(DrkEinstDialog, OkStoresEveryControlAndSavesIntoTheChosenFolder)
{
    form->FormShow();
    for (const auto& s : kDrkSwitches)
        child<QCheckBox>(*form, s.objectName)->setChecked(settings.druck.*s.field != 1);
    for (const auto& r : kDrkRadios)
        child<RadioGroup>(*form, r.objectName)->setItemIndex(r.items - 1);
    edit("Edit2")->setText(" 200 ");
    edit("Edit3")->setText("-5");
    edit("Edit4")->setText("0");
    edit("Edit1")->setText("ab");
    child<QComboBox>(*form, "ComboBox1")->setCurrentText("X");
    const TDrkEinstRec before = settings.druck;
    form->Button1Click();
    EXPECT_EQ(form->result(), QDialog::Accepted);

    const TDrkEinstRec& r = settings.druck;
    for (const auto& s : kDrkSwitches)
        EXPECT_EQ(r.*s.field, before.*s.field == 1 ? 0 : 1) << s.objectName;
    for (const auto& g : kDrkRadios) {
        if (g.field != &TDrkEinstRec::ReligionOption) { // shown only
            EXPECT_EQ(r.*g.field, g.items - 1) << g.objectName;
        }
    }
    EXPECT_EQ(r.ReligionOption, 0);
    EXPECT_EQ(r.RandLinks, 200);
    EXPECT_EQ(r.RandOben, -5);
    EXPECT_EQ(r.RandInnen, 0);
    EXPECT_EQ(r.Streichzeichen, "a");
    EXPECT_EQ(r.NormalStreichzeichen, "X");
    // "Einstellungen zentral speichern" was switched off: the file goes into the current data folder.
    EXPECT_EQ(r.ZentralSpeichern, 0);
    EXPECT_EQ(fileBytes(settings.dataFolder / "DRKEINST.DAT").size(), 320u);
    EXPECT_FALSE(fs::exists(root / "DRKEINST.DAT"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DrkEinstDialog, UnlistedStrikeCharacterAndEmptyCharacterStoreEmpty)
{
    settings.druck.NormalStreichzeichen = "?";
    form->FormShow();
    EXPECT_EQ(child<QComboBox>(*form, "ComboBox1")->currentIndex(), -1);
    edit("Edit1")->clear();
    form->Button1Click();
    EXPECT_EQ(settings.druck.NormalStreichzeichen, "");
    EXPECT_EQ(settings.druck.Streichzeichen, "");
}

TEST_F(DrkEinstDialog, InvalidMarginKeepsDialogOpenAndStoresNothing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Edit2", "12,5"}, {"Edit3", "abc"}, {"Edit4", ""}, {"Edit2", "40000"}, {"Edit3", "1e3"}};
    for (const auto& [name, text] : cases) {
        ScriptedPrompter p;
        TDrkEinstForm f(settings, p);
        f.FormShow();
        f.findChild<QCheckBox*>("CheckBox1")->setChecked(true); // would be stored before the margins
        f.findChild<QLineEdit*>(name)->setText(text);
        const auto before = toBytes(settings.druck);
        f.Button1Click();
        EXPECT_NE(f.result(), QDialog::Accepted) << text;
        EXPECT_EQ(toBytes(settings.druck), before) << text;
        ASSERT_EQ(p.messages.size(), 1u) << text;
        EXPECT_EQ(p.messages[0].kind, MessageKind::Error);
        EXPECT_NE(p.messages[0].text.find(std::string("\"") + text + "\" ist keine gültige Angabe"), std::string::npos)
            << p.messages[0].text;
    }
    EXPECT_FALSE(fs::exists(root / "DRKEINST.DAT"));
}

TEST_F(DrkEinstDialog, StandardRestoresAtOnceCancelKeepsThem)
{
    settings.druck.RandLinks = 999;
    settings.druck.MitRahmen = 0;
    form->FormShow();
    child<QPushButton>(*form, "Button3")->click();
    EXPECT_EQ(edit("Edit2")->text(), "150");
    EXPECT_TRUE(child<QCheckBox>(*form, "CheckBox5")->isChecked());
    child<QPushButton>(*form, "Button2")->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(toBytes(settings.druck), toBytes(TDrkEinstRec{}));
    EXPECT_FALSE(fs::exists(root / "DRKEINST.DAT"));
}

TEST_F(DrkEinstDialog, CancelStoresNothing)
{
    form->FormShow();
    edit("Edit2")->setText("10");
    child<QCheckBox>(*form, "CheckBox8")->setChecked(true);
    form->Button2Click();
    EXPECT_EQ(toBytes(settings.druck), toBytes(TDrkEinstRec{}));
}

} // namespace
} // namespace ruvek::ui
