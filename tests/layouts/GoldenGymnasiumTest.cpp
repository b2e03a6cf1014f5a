// Golden files of the drawing operations of the Gymnasium's leaving and
// transfer-examination certificates (annex codes 23, 24, 25), drawn with
// the shipped form control files. After a deliberate change, RUVEK_UPDATE_GOLDEN=1
// rewrites the files.
#include "GoldenSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutGymnasiumAbschluss.h"
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

TZgnRec filledStudent(int annexCode)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Schröder-Wendtland");
    r.Vorname = cp("Maximiliane Josefine");
    r.GebDatum = "17.03.2010";
    r.Weiblich = 1;
    r.Klasse = "10b";
    r.Fehltage = "7";
    r.FehltageE = "5";
    r.ZgnOrt = cp("Lindenhagen");
    r.ZgnDatum = "08.07.2027";
    r.Anlage = annexCode;
    // The examination certificate of annex 24 is of a school year before
    // 2006, so the fourth examination subject is printed too.
    r.SjBeginn = annexCode == 24 ? "2005" : "2026";
    r.UePruefung = 1;
    r.PrFach = annexCode == 24 ? "Bio" : "???";
    r.Bestanden = annexCode == 25 ? 0 : 1;
    const char* subjects[18][2] = {
        {"Deutsch", "2"}, {"Englisch", "3"}, {"Französisch", "2"}, {"Mathematik", "4"}, {"Geschichte", "1"},
        {"Geografie", "2"}, {"Sozialkunde", "n"}, {"Arbeit-Wirtschaft-Technik u. Informatik", "3"},
        {"evangelische Religion", "1"}, {"Physik", "3"}, {"Chemie", "2"}, {"Biologie", "2"}, {"Musik", "1"},
        {"Kunst und Gestaltung", "5"}, {"Sport", "2"}, {"Latein", "3"}, {"Informatik", "1"}, {"  - - -", "-"},
    };
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = k <= 18 ? cp(subjects[k - 1][0]) : "???";
        r.slot(k).Note = k <= 18 ? subjects[k - 1][1] : "-";
        r.slot(k).Niveau = "-";
    }
    r.slot(1).Zusatz = "*";
    r.slot(19).Fach = cp("Darstellendes Spiel");
    r.slot(19).Note = "2";
    r.slot(20).Fach = cp("Informatik");
    r.slot(20).Note = "1";
    r.slot(25).Note = "2";
    r.Vermerke = cp("Maximiliane war Schülersprecherin.");
    return r;
}

std::vector<RecordedPage> recorded(int annexCode)
{
    TDrkEinstRec options;
    const TFachKatalog katalog = defaultFachKatalog();
    const CertificateEnvironment env{options, katalog, SchoolType::Gymnasium, cp("Gymnasium am Mühlenteich Lindenhagen")};
    test::ScriptedPrompter prompter;
    const FormFileInfo info = AnlageFormFile(annexCode, options, prompter);
    const LoadedForm form = LoadCertificateForm(info, {kSourceRoot / "data", kSourceRoot / "data"}, options, prompter);
    EXPECT_TRUE(form.loaded);
    const LayoutRoutine layout = annexCode == 23 ? LayoutGymnasiumAbgang : LayoutGymnasiumPruefung;
    RecordingCanvas canvas;
    canvas.setMetricMapping();
    const auto cuts = DrawCertificatePage(canvas, env, form, layout, filledStudent(annexCode), annexCode, 1);
    EXPECT_TRUE(cuts.empty());
    return {canvas.drawOps()};
}

TEST(GoldenLayout, GymnasiumLeavingAndExaminationCertificates)
{
    for (const int annexCode : {23, 24, 25}) {
        SCOPED_TRACE(annexCode);
        ExpectGolden(annexCode, recorded(annexCode));
    }
}

} // namespace
