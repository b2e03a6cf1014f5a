// Golden files of the drawing operations of one filled student per
// secondary annex code, drawn with the shipped form control files through
// the layout routine the dispatcher's table names for that code. After a
// deliberate change, RUVEK_UPDATE_GOLDEN=1 rewrites the files.
#include "GoldenSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutSekundar.h"
#include "print/RecordingCanvas.h"
#include "support/SampleStudents.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace ruvek;
using ruvek::test::filledStudent;
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
