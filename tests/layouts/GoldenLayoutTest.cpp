// Golden files of the drawing operations of one filled student per
// primary-school annex, drawn with the shipped form control files. A change
// of a layout, a section or a form shows up as a difference here; after a
// deliberate change, RUVEK_UPDATE_GOLDEN=1 rewrites the files.
#include "GoldenSupport.h"

#include "common/Cp1252.h"
#include "layouts/CertificatePage.h"
#include "layouts/FormDescription.h"
#include "layouts/LayoutGrundschule.h"
#include "print/FormFile.h"
#include "print/RecordingCanvas.h"
#include "support/SampleStudents.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include <unistd.h>

using namespace ruvek;
using ruvek::test::filledPrimaryStudent;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {

std::vector<RecordedPage> recorded(int annexCode)
{
    TDrkEinstRec options;
    const TFachKatalog katalog = defaultFachKatalog();
    const CertificateEnvironment env{options, katalog, SchoolType::Grundschule, cp("Grundschule Am Lindenhof")};
    test::ScriptedPrompter prompter;
    const FormFileInfo info = AnlageFormFile(annexCode, options, prompter);
    const LoadedForm form = LoadCertificateForm(info, {kSourceRoot / "data", kSourceRoot / "data"}, options, prompter);
    EXPECT_TRUE(form.loaded);
    // Annexes 1 and 2 have one page, 3 and 4 two.
    const LayoutRoutine layout = annexCode <= 2 ? LayoutGrundschule1 : LayoutGrundschule;
    const int lastPage = annexCode <= 2 ? 1 : 2;
    std::vector<RecordedPage> pages;
    for (int page = 1; page <= lastPage; ++page) {
        RecordingCanvas canvas;
        canvas.setMetricMapping();
        const auto cuts =
            DrawCertificatePage(canvas, env, form, layout, filledPrimaryStudent(annexCode), annexCode, page);
        EXPECT_TRUE(cuts.empty());
        pages.push_back(canvas.drawOps());
    }
    return pages;
}

TEST(GoldenLayout, PrimarySchoolCertificates)
{
    for (const int annexCode : {1, 2, 3, 4}) {
        SCOPED_TRACE(annexCode);
        ExpectGolden(annexCode, recorded(annexCode));
    }
}

TEST(StandardForms, CheckedInFilesMatchTheirDescription)
{
    const FormDescriptionResult parsed = ParseFormDescriptionFolder(kSourceRoot / "tools" / "forms");
    ASSERT_EQ(parsed.error, "");
    TDrkEinstRec options;
    test::ScriptedPrompter prompter;
    for (const DescribedForm& form : parsed.forms) {
        SCOPED_TRACE(form.fileName);
        EXPECT_EQ(readFile(kSourceRoot / "data" / form.fileName), FormFileText(form.title, form.slots));
    }
    // Every certificate built in has its form, titled with the annex's
    // description (25 shares the form of 24), and so has every publisher
    // variant the print options choose.
    const int annexCodes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  12,  13,  14,  15,  16,
                              17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 104, 105, 110, 115, 121, 127};
    struct Paper {
        int verlag, wappenposition, wappengroesse;
    };
    const Paper papers[] = {{0, 0, 1}, {1, 3, 1}, {2, 3, 0}, {2, 3, 1}};
    std::set<std::string> expected;
    for (const int annexCode : annexCodes) {
        for (const Paper& paper : papers) {
            SCOPED_TRACE(std::to_string(annexCode) + " on paper " + std::to_string(paper.verlag) + "/" +
                         std::to_string(paper.wappengroesse));
            options.Papierverlag = static_cast<std::int16_t>(paper.verlag);
            options.Wappenposition = static_cast<std::int16_t>(paper.wappenposition);
            options.Wappengroesse = static_cast<std::int16_t>(paper.wappengroesse);
            const FormFileInfo info = AnlageFormFile(annexCode, options, prompter);
            const bool fresh = expected.insert(info.fileName).second;
            if (paper.verlag != 0 && !fresh)
                continue; // no variant for this paper: the plain form, checked already
            const auto form = std::find_if(parsed.forms.begin(), parsed.forms.end(),
                                           [&](const DescribedForm& f) { return f.fileName == info.fileName; });
            ASSERT_NE(form, parsed.forms.end());
            EXPECT_EQ(form->title, info.description);
        }
    }
    // ... and so has every other sheet: the receipt acknowledgement (annex 41
    // and its A4 and A5 forms) and the learning-development report.
    for (const FormFileInfo& info : {kReceiptA4Form, kReceiptA5Form, kReportForm, AnlageFormFile(41, options, prompter)}) {
        SCOPED_TRACE(info.fileName);
        expected.insert(info.fileName);
        const auto form = std::find_if(parsed.forms.begin(), parsed.forms.end(),
                                       [&](const DescribedForm& f) { return f.fileName == info.fileName; });
        ASSERT_NE(form, parsed.forms.end());
        EXPECT_EQ(form->title, info.description);
    }
    EXPECT_EQ(parsed.forms.size(), expected.size());
}

TEST(FormDescription, PublisherVariantsSwitchOffWhatThePaperCarries)
{
    const auto parsed = ParseFormDescription("form A.FST\ntitle Zeugnis\n1 0 0 0 11 3 1\n4 900 205 1 15 1 1\n"
                                             "5 900 370 1 20 1 1\npreprinted 1 4\nvariant _2030 (Verlag 16-0)\n"
                                             "form B.FST\nlike A.FST\n5 900 400 1 20 1 1\nvariant _1 (P)\n");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.forms.size(), 4u);
    const DescribedForm& variant = parsed.forms[1];
    EXPECT_EQ(variant.fileName, "A_2030.FST");
    EXPECT_EQ(variant.title, "Zeugnis (Verlag 16-0)");
    EXPECT_EQ(variant.slots[1], (TFstSlot{0, 0, 0, 11, 0, 1})) << "the frame is drawn whatever Visible says";
    EXPECT_EQ(variant.slots[4], (TFstSlot{900, 205, 1, 15, 1, 0}));
    EXPECT_EQ(variant.slots[5], parsed.forms[0].slots[5]);
    // "like" takes the preprinted slots along; the variant follows the finished form.
    EXPECT_EQ(parsed.forms[3].fileName, "B_1.FST");
    EXPECT_EQ(parsed.forms[3].slots[4].Visible, 0);
    EXPECT_EQ(parsed.forms[3].slots[5].Y, 400);
    EXPECT_EQ(ParseFormDescription("form A.FST\nvariant _2030\n").error,
              "line 2: variant needs a file-name suffix and the paper's name");
}

TEST(FormDescription, ErrorsNameTheLine)
{
    EXPECT_EQ(ParseFormDescription("form A.FST\n3 1 2 3\n").error, "line 2: slot 3 needs six values 0..65535");
    EXPECT_EQ(ParseFormDescription("3 1 2 3 4 5 6\n").error, "line 1: \"3\" before the first form");
    EXPECT_EQ(ParseFormDescription("form A.FST\nlike B.FST\n").error, "line 2: no form B.FST described before");
    const auto ok = ParseFormDescription("# c\nform A.FST\ntitle T # x\n5 1 2 3 4 5 6 remark\nform B.FST\nlike A.FST\n");
    ASSERT_EQ(ok.error, "");
    EXPECT_EQ(ok.forms[1].slots[5], (TFstSlot{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ok.forms[0].title, "T # x");
}

TEST(FormDescription, FolderFilesBuildOnEarlierFiles)
{
    const fs::path folder = fs::temp_directory_path() / ("ruvek-forms-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "10-base.txt") << "form A.FST\n5 1 2 3 4 5 6\n";
    std::ofstream(folder / "20-more.txt") << "form B.FST\nlike A.FST\n6 1 1 1 1 1 1\n";
    std::ofstream(folder / "notes.md") << "not a description";
    const FormDescriptionResult both = ParseFormDescriptionFolder(folder);
    ASSERT_EQ(both.error, "");
    ASSERT_EQ(both.forms.size(), 2u);
    EXPECT_EQ(both.forms[1].slots[5], (TFstSlot{1, 2, 3, 4, 5, 6}));

    std::ofstream(folder / "05-first.txt") << "form C.FST\nlike B.FST\n";
    EXPECT_EQ(ParseFormDescriptionFolder(folder).error, "05-first.txt: line 2: no form B.FST described before");
    fs::remove_all(folder);
}

} // namespace
