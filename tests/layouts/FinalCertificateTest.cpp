// The leaving and final certificates of the Regionale Schule, Hauptschule,
// Realschule and Integrierte Gesamtschule, drawn with the shipped form
// control files: golden files of one filled student per annex code (after a
// deliberate change, RUVEK_UPDATE_GOLDEN=1 rewrites them), and the rules
// that differ between the annex codes of one layout.
#include "GoldenSupport.h"
#include "LayoutTestSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/LayoutAbschluss.h"
#include "layouts/LayoutGymnasiumAbschluss.h"
#include "print/FormFile.h"
#include "print/RecordingCanvas.h"
#include "support/SampleStudents.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace ruvek;
using ruvek::test::filledLeavingStudent;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {

struct FinalCase {
    int annexCode;
    LayoutRoutine layout;
    SchoolType schoolType;
};

const FinalCase kCases[] = {
    {7, LayoutHauptschuleAbschluss, SchoolType::Hauptschule},
    {8, LayoutHauptschuleAbschluss, SchoolType::Hauptschule},
    {9, LayoutHauptschuleAbschluss, SchoolType::Hauptschule},
    {12, LayoutRealschuleAbschluss, SchoolType::Realschule},
    {13, LayoutRealschuleAbschluss, SchoolType::Realschule},
    {14, LayoutRealschuleAbschluss, SchoolType::Realschule},
    {17, LayoutRegionaleSchuleAbschluss, SchoolType::RegionaleSchule},
    {18, LayoutRegionaleSchuleAbschluss, SchoolType::RegionaleSchule},
    {19, LayoutRegionaleSchuleAbschluss, SchoolType::RegionaleSchule},
    {20, LayoutRegionaleSchuleAbschluss, SchoolType::RegionaleSchule},
    {28, LayoutGesamtschuleAbgang, SchoolType::IntegrierteGesamtschule},
};

const FinalCase& caseOf(int annexCode)
{
    return *std::find_if(std::begin(kCases), std::end(kCases),
                         [&](const FinalCase& c) { return c.annexCode == annexCode; });
}

// Both pages drawn, each a list of the canvas operations; measured with the
// proportional widths of the strike tests when asked.
std::vector<RecordingCanvas> drawnPages(int annexCode, const TZgnRec& rec, const TDrkEinstRec& options = {},
                                        bool proportional = false)
{
    const FinalCase& c = caseOf(annexCode);
    const TFachKatalog katalog = defaultFachKatalog();
    const CertificateEnvironment env {options, katalog, c.schoolType, cp("Schule am Mühlenteich Lindenhagen")};
    test::ScriptedPrompter prompter;
    const FormFileInfo info = AnlageFormFile(annexCode, options, prompter);
    const LoadedForm form = LoadCertificateForm(info, {kSourceRoot / "data", kSourceRoot / "data"}, options, prompter);
    EXPECT_TRUE(form.loaded);
    std::vector<RecordingCanvas> pages(2);
    for (int page = 1; page <= 2; ++page) {
        RecordingCanvas& canvas = pages[static_cast<std::size_t>(page - 1)];
        canvas.setMetricMapping();
        if (proportional)
            canvas.setWidthModel(ProportionalWidth);
        EXPECT_TRUE(DrawCertificatePage(canvas, env, form, c.layout, rec, annexCode, page).empty());
    }
    return pages;
}

std::vector<std::string> allTexts(const std::vector<RecordingCanvas>& pages)
{
    std::vector<std::string> out;
    for (const RecordingCanvas& p : pages)
        for (const std::string& t : p.texts())
            out.push_back(t);
    return out;
}

bool has(const std::vector<std::string>& texts, const std::string& t)
{
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

TEST(GoldenLayout, FinalCertificates)
{
    for (const FinalCase& c : kCases) {
        SCOPED_TRACE(c.annexCode);
        ExpectGolden(c.annexCode, drawnPages(c.annexCode, filledLeavingStudent(c.annexCode)));
    }
}

TEST(FinalCertificate, TitleSchoolYearAndSealPerAnnexCode)
{
    const struct {
        int annexCode;
        const char* title;
        const char* seal;
        bool stempelStruck;
    } cases[] = {
        {7, "Abgangszeugnis", "Stempel/Siegel", true},  {8, "Abschlusszeugnis", "Stempel/Siegel", true},
        {9, "Abschlusszeugnis", "Siegel", false},       {12, "Abgangszeugnis", "Stempel/Siegel", true},
        {13, "Abschlusszeugnis", "Siegel", false},      {14, "Abschlusszeugnis", "Siegel", false},
        {17, "Abgangszeugnis", "Stempel/Siegel", true}, {18, "Abschlusszeugnis", "Siegel", false},
        {19, "Abschlusszeugnis", "Siegel", false},      {20, "Abschlusszeugnis", "Siegel", false},
        {28, "Abgangszeugnis", "Stempel/Siegel", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.annexCode);
        const auto texts = allTexts(drawnPages(c.annexCode, filledLeavingStudent(c.annexCode)));
        EXPECT_TRUE(has(texts, c.title));
        EXPECT_TRUE(has(texts, "Schuljahr"));
        EXPECT_TRUE(has(texts, "2026 / 2027"));
        EXPECT_TRUE(has(texts, c.seal));
        const auto pages = drawnPages(c.annexCode, filledLeavingStudent(c.annexCode), {}, true);
        std::vector<std::string> struck;
        for (const RecordingCanvas& p : pages)
            for (const std::string& w : StruckWords(p, c.seal, {"Stempel", "Siegel"}))
                if (w != LabelNotDrawn())
                    struck.push_back(w);
        // "Siegel" is never struck.
        std::vector<std::string> expected;
        if (c.stempelStruck)
            expected.push_back("Stempel");
        EXPECT_EQ(struck, expected);
    }
}

TEST(FinalCertificate, GradesInWordsWhateverTheOptionSays)
{
    TDrkEinstRec digits;
    digits.BewertungenInWorten = 0;
    const auto texts = allTexts(drawnPages(17, filledLeavingStudent(17), digits));
    EXPECT_TRUE(has(texts, "ausreichend")); // Mathematik 4
    EXPECT_FALSE(has(texts, "4"));
}

TEST(FinalCertificate, LevelMarksAndRowsOfTheRegionaleSchule)
{
    const struct {
        int annexCode;
        bool levelMarks;
        std::size_t gradeBoxes; // two columns of rows, and the overall elective grade
    } cases[] = {{17, true, 19}, {18, true, 17}, {19, true, 19}, {20, false, 19}, {28, true, 19}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.annexCode);
        const auto pages = drawnPages(c.annexCode, filledLeavingStudent(c.annexCode));
        const auto texts = pages[1].texts();
        EXPECT_EQ(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.ends_with(")*"); }),
                  c.levelMarks);
        const auto boxes = pages[1].ops(CanvasOpKind::Rectangle);
        EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                                [](const CanvasOp& op) { return op.brush == BrushStyle::LightGrey; }),
                  static_cast<long>(c.gradeBoxes));
    }
}

TEST(FinalCertificate, ElectiveColumnCaptionsOnlyWithThreeRows)
{
    for (const int annexCode : {7, 8, 12, 13, 17, 18, 28}) {
        SCOPED_TRACE(annexCode);
        const auto texts = drawnPages(annexCode, filledLeavingStudent(annexCode))[1].texts();
        const auto count = std::count(texts.begin(), texts.end(), std::string("1. Halbjahr"));
        // Two rows: the caption under the first row; three rows: over the left column.
        EXPECT_EQ(count, annexCode == 28 ? 0 : 1);
    }
}

} // namespace

namespace {

// Every shipped publisher variant of a final or leaving certificate, drawn
// through its layout: the paper carries the word "Schuljahr" (the variant
// switches slot 7 off), the years must still be printed behind it. The
// Gymnasium leaving certificate (annex 23) has no school-year line at all.
TEST(FinalCertificate, EveryPublisherVariantPrintsTheSchoolYear)
{
    int variants = 0;
    for (const auto& entry : fs::directory_iterator(kSourceRoot / "data")) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 15 || name.rfind("Anl", 0) != 0 || name[6] != '_' || entry.path().extension() != ".FST")
            continue;
        ++variants;
        SCOPED_TRACE(name);
        const int annexCode = std::stoi(name.substr(3, 3));
        const bool gymnasium = annexCode == 23;
        const FinalCase c = gymnasium ? FinalCase{23, LayoutGymnasiumAbgang, SchoolType::Gymnasium} : caseOf(annexCode);
        const FormFileParseResult parsed = ParseFormFile(readFile(entry.path()), TFstTable{});
        ASSERT_FALSE(parsed.error.has_value());
        if (!gymnasium) {
            EXPECT_NE(parsed.content.slots[7].Visible, 1) << "the paper carries the word \"Schuljahr\"";
        }
        LoadedForm form;
        form.info = {name, parsed.content.title};
        form.title = parsed.content.title;
        form.table = parsed.content.slots;
        form.loaded = true;
        const TDrkEinstRec options;
        const TFachKatalog katalog = defaultFachKatalog();
        const CertificateEnvironment env{options, katalog, c.schoolType, cp("Schule am Mühlenteich")};
        const TZgnRec rec = filledLeavingStudent(annexCode);
        std::vector<std::string> texts;
        int yearOnPage = 0;
        for (int page = 1; page <= 2; ++page) {
            RecordingCanvas canvas;
            canvas.setMetricMapping();
            DrawCertificatePage(canvas, env, form, c.layout, rec, annexCode, page);
            for (const std::string& t : canvas.texts()) {
                texts.push_back(t);
                if (t == "2026 / 2027")
                    yearOnPage = page;
            }
        }
        EXPECT_FALSE(has(texts, "Schuljahr"));
        if (gymnasium) {
            EXPECT_EQ(yearOnPage, 0);
        } else {
            EXPECT_EQ(yearOnPage, 1) << "the school year is printed on page 1";
            EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string("2026 / 2027")), 1);
        }
    }
    EXPECT_EQ(variants, 35);
}

} // namespace
