// Golden files of the drawing operations of the Gymnasium's leaving and
// transfer-examination certificates (annex codes 23, 24, 25), drawn with
// the shipped form control files. After a deliberate change, RUVEK_UPDATE_GOLDEN=1
// rewrites the files.
#include "GoldenSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutGymnasiumAbschluss.h"
#include "print/RecordingCanvas.h"
#include "support/SampleStudents.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace ruvek;
using ruvek::test::filledGymnasiumStudent;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {

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
    const auto cuts = DrawCertificatePage(canvas, env, form, layout, filledGymnasiumStudent(annexCode), annexCode, 1);
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
