// Golden files of the drawing operations of one filled student per
// secondary annex code, drawn with the shipped form control files through
// the layout routine the dispatcher's table names for that code. After a
// deliberate change, RUVEK_UPDATE_GOLDEN=1 rewrites the files.
#include "GoldenSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutSekundar.h"
#include "print/RecordingCanvas.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {

struct SecondaryCase {
    int annexCode;
    LayoutRoutine layout;
    SchoolType schoolType;
};

const SecondaryCase kCases[] = {
    {5, LayoutHauptschule, SchoolType::Hauptschule},         {6, LayoutHauptschule, SchoolType::Hauptschule},
    {105, LayoutHauptschule, SchoolType::Hauptschule},       {10, LayoutRealschule, SchoolType::Realschule},
    {11, LayoutRealschule, SchoolType::Realschule},          {110, LayoutRealschule, SchoolType::Realschule},
    {15, LayoutRegionaleSchule, SchoolType::RegionaleSchule}, {16, LayoutRegionaleSchule, SchoolType::RegionaleSchule},
    {115, LayoutRegionaleSchule, SchoolType::RegionaleSchule}, {21, LayoutGymnasium, SchoolType::Gymnasium},
    {22, LayoutGymnasium, SchoolType::Gymnasium},            {121, LayoutGymnasium, SchoolType::Gymnasium},
    {104, LayoutOrientierungsstufe, SchoolType::IntegrierteGesamtschule}, {26, LayoutGesamtschule56, SchoolType::IntegrierteGesamtschule},
    {27, LayoutGesamtschule, SchoolType::IntegrierteGesamtschule},      {29, LayoutGesamtschule, SchoolType::IntegrierteGesamtschule},
    {127, LayoutGesamtschule, SchoolType::IntegrierteGesamtschule},
};

TZgnRec filledStudent(int annexCode)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Schröder-Wendtland");
    r.Vorname = cp("Maximilian");
    r.GebDatum = "17.03.2012";
    r.Weiblich = 0;
    r.Halbjahr1 = annexCode == 15 ? 1 : 0;
    r.Ebene = 2;
    r.SjBeginn = annexCode == 115 ? "2006" : "2026";
    r.Klasse = "8b";
    r.NeueSchule = cp("Gymnasium am Goetheplatz");
    r.Jahrgang = "9";
    r.Fehltage = "7";
    r.FehltageE = "7";
    r.ZgnOrt = cp("Lindenhagen");
    r.ZgnDatum = "08.07.2027";
    r.Anlage = annexCode;
    const char* subjects[18][3] = {
        {"Deutsch", "2", "M"}, {"Englisch", "3", "R"}, {"Französisch", "2", "-"},
        {"Mathematik", "4", "B"}, {"Geschichte", "1", "-"}, {"Geografie", "2", "-"},
        {"Sozialkunde", "e", "-"}, {"Arbeit-Wirtschaft-Technik u. Informatik", "3", "-"},
        {"evangelische Religion", "1", "-"}, {"Physik", "3", "E"}, {"Chemie", "2", "G"},
        {"Biologie", "2", "-"}, {"Musik", "1", "-"}, {"Kunst und Gestaltung", "n", "-"}, {"Sport", "2", "-"},
        {"  - - -", "-", "-"}, {"Informatik", "1", "-"}, {"???", "-", "-"},
    };
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = k <= 18 ? cp(subjects[k - 1][0]) : "???";
        r.slot(k).Note = k <= 18 ? subjects[k - 1][1] : "-";
        r.slot(k).Niveau = k <= 18 ? subjects[k - 1][2] : "-";
    }
    r.slot(1).Zusatz = "*";
    r.slot(19).Fach = cp("Darstellendes Spiel");
    r.slot(19).Note = "2";
    r.slot(20).Fach = cp("Informatik");
    r.slot(20).Note = "1";
    r.slot(22).Fach = cp("Hauswirtschaft");
    r.slot(22).Note = "3";
    r.slot(25).Note = "2";
    r.LEBText = cp("Maximilian arbeitet im Unterricht konzentriert und zuverlässig mit. Er beteiligt sich an "
                   "Diskussionen mit sachlichen Beiträgen.\r\nIn den Naturwissenschaften zeigt er großes Interesse.");
    r.Vermerke = cp("Maximilian ist Klassensprecher.");
    return r;
}

std::vector<RecordedPage> recorded(const SecondaryCase& c)
{
    TDrkEinstRec options;
    const TFachKatalog katalog = defaultFachKatalog();
    const CertificateEnvironment env{options, katalog, c.schoolType, cp("Schule am Mühlenteich Lindenhagen")};
    test::ScriptedPrompter prompter;
    const FormFileInfo info = AnlageFormFile(c.annexCode, options, prompter);
    const LoadedForm form = LoadCertificateForm(info, {kSourceRoot / "data", kSourceRoot / "data"}, options, prompter);
    EXPECT_TRUE(form.loaded);
    std::vector<RecordedPage> pages;
    for (int page = 1; page <= 2; ++page) {
        RecordingCanvas canvas;
        canvas.setMetricMapping();
        const auto cuts = DrawCertificatePage(canvas, env, form, c.layout, filledStudent(c.annexCode), c.annexCode, page);
        EXPECT_TRUE(cuts.empty());
        pages.push_back(canvas.drawOps());
    }
    return pages;
}

TEST(GoldenLayout, SecondaryCertificates)
{
    for (const SecondaryCase& c : kCases) {
        SCOPED_TRACE(c.annexCode);
        ExpectGolden(c.annexCode, recorded(c));
    }
}

} // namespace
