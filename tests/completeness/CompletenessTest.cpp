// The completeness check on hand-made variations of one complete record
// (the first student of the example class of a Regionale Schule, year
// certificate, annex 15): each variation must produce its finding, the
// record as it is none.
#include "classfile/OpenClass.h"
#include "completeness/Completeness.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

class Completeness : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Opening writes a backup copy beside the file: open a copy.
        const fs::path copy = fs::temp_directory_path() / ("ruvek-completeness-" + std::to_string(::getpid()));
        fs::create_directories(copy);
        fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK", copy / "8b.RVK");
        OpenClass open;
        test::ScriptedPrompter prompter;
        ASSERT_TRUE(open.openFile(copy / "8b.RVK", prompter));
        records_ = open.records;
        fs::remove_all(copy);
        // The shipped form files in the program folder; no school copies.
        inst_.settings.programFolder = RUVEK_PROGRAM_DIR;
        inst_.settings.dataFolder = fs::path(RUVEK_SOURCE_DIR) / "tests/completeness";
    }

    std::vector<Finding> check() const { return CheckCompleteness(records_, inst_); }
    std::vector<Finding> firstStudent() const
    {
        std::vector<Finding> out;
        for (const Finding& f : check())
            if (f.listIndex == 0)
                out.push_back(f);
        return out;
    }

    TDB2 records_;
    Installation inst_;
};

std::string describe(const std::vector<Finding>& fs)
{
    std::string s;
    for (const Finding& f : fs)
        s += "  " + f.page + " | " + f.field + " | " + f.text + "\n";
    return s;
}

TEST_F(Completeness, CompleteClassHasNoFindings)
{
    const auto findings = check();
    EXPECT_TRUE(findings.empty()) << describe(findings);
}

TEST_F(Completeness, EachGapGivesItsFinding)
{
    const std::string longText(1900, 'x');
    struct Case {
        const char* what;
        std::function<void(TZgnRec&)> change;
        const char* page;
        const char* field;
        const char* text;      // the beginning of the finding
        bool only;             // the record has no other finding
    };
    const Case cases[] = {
        {"annex 0", [](TZgnRec& r) { r.Anlage = 0; }, page::Kopf, "Edit7", "Kein gültiges Zeugnisformular", true},
        {"annex undetermined", [](TZgnRec& r) { r.Anlage = -1; }, page::Kopf, "Edit7",
         "Zeugnisformular nicht bestimmt", true},
        {"subject ??? in a fixed row", [](TZgnRec& r) { r.slot(1).Fach = "???"; }, page::Faecher, "LabelF1",
         "Fach in Zeile 1", true},
        {"subject empty in a chooser row", [](TZgnRec& r) { r.slot(2).Fach = ""; }, page::Faecher, "ComboBoxF2",
         "Fach in Zeile 2", true},
        {"grade missing", [](TZgnRec& r) { r.slot(4).Note = "-"; }, page::Faecher, "EditF4", "Bewertung fehlt: Mathematik",
         true},
        {"grade no code", [](TZgnRec& r) { r.slot(4).Note = "x"; }, page::Faecher, "EditF4",
         "Bewertung ungültig: Mathematik (\"x\")", true},
        {"grade 7 outside the Gesamtschule", [](TZgnRec& r) { r.slot(4).Note = "7"; }, page::Faecher, "EditF4",
         "Bewertung ungültig: Mathematik (\"7\")", true},
        {"birth date impossible", [](TZgnRec& r) { r.GebDatum = "31.02.2014"; }, page::Kopf, "MaskEdit2",
         "Geburtsdatum ist kein gültiges Datum: 31.02.2014", true},
        {"birth date no date", [](TZgnRec& r) { r.GebDatum = "99.99.2014"; }, page::Kopf, "MaskEdit2",
         "Geburtsdatum ist kein gültiges Datum: 99.99.2014", true},
        {"level missing", [](TZgnRec& r) { r.slot(10).Niveau = "-"; }, page::Faecher, "ComboBox10",
         "Niveau fehlt: Physik", true},
        {"school year empty", [](TZgnRec& r) { r.SjBeginn = ""; }, page::Kopf, "Edit63", "Schuljahr fehlt", false},
        {"school year implausible", [](TZgnRec& r) { r.SjBeginn = "1999"; }, page::Kopf, "Edit63",
         "Schuljahr ist unplausibel", false},
        {"class teacher empty", [](TZgnRec& r) { r.KlLehrer = ""; }, page::Kopf, "Edit66", "Klassenlehrer fehlt", true},
        {"place empty", [](TZgnRec& r) { r.ZgnOrt = "  "; }, page::Fuss, "Edit69", "Zeugnisort fehlt", true},
        {"date mask empty", [](TZgnRec& r) { r.ZgnDatum = "  .  .20  "; }, page::Fuss, "MaskEdit4",
         "Zeugnisdatum fehlt", true},
        {"date impossible", [](TZgnRec& r) { r.ZgnDatum = "31.02.2027"; }, page::Fuss, "MaskEdit4",
         "Zeugnisdatum ist kein gültiges Datum", true},
        {"date outside the school year", [](TZgnRec& r) { r.ZgnDatum = "09.07.2021"; }, page::Fuss, "MaskEdit4",
         "Zeugnisdatum liegt nicht im Schuljahr 2026/2027", true},
        {"report too long", [&](TZgnRec& r) { r.LEBText = longText; }, page::Text, "Memo2",
         "Lernentwicklungsbericht passt nicht", true},
        {"remarks too long", [&](TZgnRec& r) { r.Vermerke = std::string(490, 'y'); }, page::Vermerke, "Memo3",
         "Vermerke passt nicht", true},
        {"examination data missing", [](TZgnRec& r) { r.Anlage = 24; r.UePruefung = 0; }, page::Faecher, "CheckBox5",
         "Nicht genügend oder falsche Angaben zu den Prüfungen!", false},
        // A school of no Gymnasium type: the examination's foreign language cannot be found.
        {"examination subject undetermined", [](TZgnRec& r) { r.Anlage = 24; r.UePruefung = 1; }, page::Faecher,
         "ComboBox38", "Fehler beim Ermitteln der Prüfungsfremdsprache!!!", false},
    };
    const TDB2 complete = records_;
    for (const Case& c : cases) {
        records_ = complete;
        c.change(records_[0]);
        const auto found = firstStudent();
        const bool has = std::any_of(found.begin(), found.end(), [&](const Finding& f) {
            return f.page == c.page && f.field == c.field && f.text.starts_with(c.text);
        });
        EXPECT_TRUE(has) << c.what << ":\n" << describe(found);
        if (c.only) {
            EXPECT_EQ(found.size(), 1u) << c.what << ":\n" << describe(found);
        }
        for (const Finding& f : found)
            EXPECT_EQ(f.student, "Leonie Arndt");
    }
}

TEST_F(Completeness, CertificateDateLiesWithinAugustToJuly)
{
    // School year 2026/2027: 1 August 2026 to 31 July 2027; the calendar
    // year alone decides nothing.
    const std::pair<const char*, bool> dates[] = {
        {"31.07.2026", false}, {"01.08.2026", true}, {"15.11.2026", true}, {"01.01.2027", true},
        {"31.07.2027", true},  {"01.08.2027", false}, {"02.09.2027", false}, {"15.11.2027", false},
        {"01.07.2026", false}, {"01.01.2028", false}, {"01.01.2026", false},
    };
    for (const auto& [date, inside] : dates) {
        records_[0].ZgnDatum = date;
        const auto found = firstStudent();
        const bool flagged = std::any_of(found.begin(), found.end(), [](const Finding& f) {
            return f.text.starts_with("Zeugnisdatum liegt nicht im Schuljahr 2026/2027");
        });
        EXPECT_EQ(flagged, !inside) << date << ":\n" << describe(found);
    }
}

TEST_F(Completeness, MissingFormFileIsReportedWithoutCreatingIt)
{
    const fs::path empty = fs::temp_directory_path() / "ruvek-completeness-empty";
    fs::create_directories(empty);
    inst_.settings.programFolder = inst_.settings.dataFolder = empty;
    const auto found = firstStudent();
    ASSERT_EQ(found.size(), 1u) << describe(found);
    EXPECT_EQ(found[0].field, "Edit7");
    EXPECT_NE(found[0].text.find("Anl015"), std::string::npos) << found[0].text;
    EXPECT_TRUE(fs::is_empty(empty));
    fs::remove_all(empty);
}

TEST_F(Completeness, OnlyStudentsTheSeriesPrintsAreChecked)
{
    records_[0].KlLehrer = "";
    records_[0].NichtDrucken = 1;   // passed over by the series
    records_[1].KlLehrer = "";
    records_[1].Status = 0;         // deleted
    records_[2].Name = "???";       // ends the class
    records_[3].KlLehrer = "";      // after the end
    EXPECT_TRUE(check().empty()) << describe(check());
}

} // namespace
