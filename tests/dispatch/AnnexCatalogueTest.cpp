// The form catalogue, checked row by row: every row that is printed has a
// layout routine, a shipped form file and the publisher variants it names;
// every code the annex decision can give has a row; and the tables the
// print commands read are the catalogue's rows.
#include "dispatch/DecisionTable.h"
#include "forms/AnnexCatalogue.h"
#include "grades/Annex.h"
#include "layouts/LayoutIds.h"
#include "print/AnlageFormFile.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

using namespace ruvek;
namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(RUVEK_SOURCE_DIR) / "data";

bool shipped(const std::string& file) { return fs::is_regular_file(kData / file); }

bool printedAsCertificate(const AnnexForm& f)
{
    return f.layout != LayoutId::None && f.kind != FormKind::Report && f.kind != FormKind::DataSheet;
}

TEST(AnnexCatalogue, EveryRowIsConsistent)
{
    std::set<int> codes;
    for (const AnnexForm& f : AnnexCatalogue()) {
        SCOPED_TRACE("annex " + std::to_string(f.code));
        EXPECT_TRUE(codes.insert(f.code).second) << "code twice";
        EXPECT_GE(f.code, 1);
        EXPECT_LE(f.code, AnnexCodeSet::kLastCode);
        EXPECT_EQ(FindAnnexForm(f.code), &f);
        EXPECT_GE(f.firstPage, 1);
        EXPECT_LE(f.firstPage, f.lastPage);
        EXPECT_LE(f.lastPage, 2);

        // A layout and a form file go together; the data sheet is plain paper.
        if (f.kind == FormKind::DataSheet) {
            EXPECT_EQ(f.layout, LayoutId::Datenblatt);
            EXPECT_EQ(f.formFile, nullptr);
        } else if (f.layout == LayoutId::None) {
            EXPECT_EQ(f.formFile, nullptr);
            EXPECT_EQ(f.captionPrefix, nullptr);
        } else {
            EXPECT_NE(LayoutRoutineOf(f.layout), nullptr);
            ASSERT_NE(f.formFile, nullptr);
            ASSERT_NE(f.formTitle, nullptr);
            EXPECT_TRUE(shipped(std::string(f.formFile) + ".FST")) << f.formFile;
        }
        if (f.formFile) {
            const std::string base = f.formFile;
            const bool bsn = f.variants == FormVariants::Publishers;
            const bool kohlhammer = f.variants != FormVariants::None;
            EXPECT_EQ(shipped(base + "_1031.FST"), bsn) << base;
            EXPECT_EQ(shipped(base + "_2030.FST"), kohlhammer) << base;
            EXPECT_EQ(shipped(base + "_2031.FST"), kohlhammer) << base;
        }

        // A certificate without its own wording prints the half-year or year
        // wording; every other kind names itself in the preview.
        if (printedAsCertificate(f)) {
            EXPECT_EQ(f.captionPrefix == nullptr, f.kind == FormKind::Year);
        }
        EXPECT_EQ(f.captionPrefix == nullptr, f.titlePrefix == nullptr);

        // Subject table facts stay within the 18 subject rows and two columns.
        EXPECT_GE(f.religionRow, 0);
        EXPECT_LE(f.religionRow, 18);
        EXPECT_GE(f.foreignLanguages, 0);
        EXPECT_LE(f.foreignLanguages, 2);
        EXPECT_LE(f.firstOpenRow, f.rowsPerColumn);
        EXPECT_LE(2 * f.rowsPerColumn, 18);
        if (f.religionRow != 0 && !f.rightReligion && f.rowsPerColumn != 0) {
            EXPECT_LE(f.religionRow, f.rowsPerColumn);
        }
        EXPECT_TRUE(f.religionRow == 0 || f.religionRow > f.foreignLanguages + 1);

        // The forms with an elective block are the secondary ones.
        if (f.electives != Electives::None) {
            EXPECT_TRUE(f.family == FormFamily::Hauptschule || f.family == FormFamily::Realschule ||
                        f.family == FormFamily::RegionaleSchule || f.family == FormFamily::Gymnasium ||
                        f.family == FormFamily::Gesamtschule);
        }

        // An examination certificate lays its slots out on the rows of a
        // year certificate of its family, which has rows of its own.
        EXPECT_EQ(f.examination, f.kind == FormKind::Examination);
        if (f.examination) {
            const AnnexForm* rows = FindAnnexForm(f.slotRowsOf);
            ASSERT_NE(rows, nullptr);
            EXPECT_EQ(rows->kind, FormKind::Year);
            EXPECT_EQ(rows->family, f.family);
            EXPECT_EQ(rows->slotRowsOf, 0);
        } else {
            EXPECT_EQ(f.slotRowsOf, 0);
        }
        EXPECT_EQ(SlotRowsForm(f.code), f.slotRowsOf ? f.slotRowsOf : f.code);
    }
}

// Every shipped form control file of a certificate is named by a row (the
// two receipt sheets are loaded by their own layout under fixed names).
TEST(AnnexCatalogue, EveryShippedFormHasARow)
{
    std::set<std::string> named = {kReceiptA4Form.fileName, kReceiptA5Form.fileName};
    for (const AnnexForm& f : AnnexCatalogue())
        if (f.formFile)
            for (const char* suffix : {"", "_1031", "_2030", "_2031"})
                named.insert(std::string(f.formFile) + suffix + ".FST");
    int forms = 0;
    for (const auto& entry : fs::directory_iterator(kData)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".FST"))
            continue;
        ++forms;
        EXPECT_TRUE(named.count(name)) << name;
    }
    EXPECT_GT(forms, 30);
}

// Every form the annex decision can give, for any head data at any school
// type, has a row.
TEST(AnnexCatalogue, EveryDecidedCodeHasARow)
{
    std::set<int> decided;
    for (int schulTyp = 0; schulTyp <= 9; ++schulTyp)
        for (int zgnTyp = 0; zgnTyp <= 7; ++zgnTyp)
            for (int stufe = 0; stufe <= 13; ++stufe)
                for (const char* year : {"2005", "2006", "2007", ""})
                    for (int abschl = 0; abschl <= 2; ++abschl)
                        for (int art = 0; art <= 2; ++art)
                            for (int bestanden = 0; bestanden <= 1; ++bestanden) {
                                TZgnRec rec{};
                                rec.ZgnTyp = static_cast<decltype(rec.ZgnTyp)>(zgnTyp);
                                rec.Klassenstufe = static_cast<decltype(rec.Klassenstufe)>(stufe);
                                rec.SjBeginn = year;
                                rec.AbschlArt = static_cast<decltype(rec.AbschlArt)>(abschl);
                                rec.Klassenart = static_cast<decltype(rec.Klassenart)>(art);
                                rec.Bestanden = static_cast<decltype(rec.Bestanden)>(bestanden);
                                const int code = DetermineAnnex(rec, schoolTypeFromStored(schulTyp));
                                if (code != annex::Keine)
                                    decided.insert(code);
                            }
    for (int code : decided) {
        EXPECT_NE(FindAnnexForm(code), nullptr) << code;
    }
    EXPECT_GT(decided.size(), 40U);
}

// The decision table of the print commands and the form-file choice are the
// catalogue's rows: a code is printed exactly when its row has a layout.
TEST(AnnexCatalogue, PrintTablesFollowTheRows)
{
    for (int code = -1; code <= 300; ++code) {
        SCOPED_TRACE("annex " + std::to_string(code));
        const AnnexForm* f = FindAnnexForm(code);
        const CertificateKind* kind = FindCertificateKind(code);
        ASSERT_EQ(kind != nullptr, f && printedAsCertificate(*f));
        if (kind) {
            EXPECT_EQ(kind->firstPage, f->firstPage);
            EXPECT_EQ(kind->lastPage, f->lastPage);
            EXPECT_EQ(kind->captionPrefix, f->captionPrefix);
            EXPECT_EQ(kind->titlePrefix, f->titlePrefix);
            EXPECT_EQ(kind->layout, LayoutRoutineOf(f->layout));
            EXPECT_EQ(kind->certificatePreamble, f->certificatePreamble);
        }
        // With the plain paper chosen every printed certificate gets its
        // own file without a question; every other code is refused.
        test::ScriptedPrompter prompter;
        const FormFileInfo info = AnlageFormFile(code, TDrkEinstRec{}, prompter);
        if (kind) {
            EXPECT_EQ(info, FormFileOf(*f));
            EXPECT_TRUE(prompter.log().empty());
        } else {
            EXPECT_EQ(info, FormFileInfo{});
            EXPECT_EQ(prompter.messages().size(), 1U);
        }
    }
    const AnnexForm& report = *FindAnnexForm(annex::Lernentwicklungsbericht);
    EXPECT_EQ(ReportKind().annexCode, report.code);
    EXPECT_EQ(ReportKind().layout, LayoutRoutineOf(report.layout));
    EXPECT_EQ(kReportForm, FormFileOf(report));
}

// The slot adaptation moves nothing between two forms of one slot group, so
// their subject rows must agree: the default catalogue's rows, the religion
// row and the rows the editor shows.
TEST(AnnexCatalogue, FormsOfOneSlotGroupShareTheirRows)
{
    auto rowsOf = [](const AnnexForm& f) {
        std::vector<std::pair<int, std::string>> rows;
        for (const DefaultSubjectRow& r : f.defaultRows)
            rows.emplace_back(r.row, r.subject);
        return rows;
    };
    std::map<SlotGroup, const AnnexForm*> first;
    for (const AnnexForm& f : AnnexCatalogue()) {
        if (f.slotGroup == SlotGroup::None)
            continue;
        SCOPED_TRACE("annex " + std::to_string(f.code));
        EXPECT_NE(f.kind, FormKind::Intermediate);
        EXPECT_EQ(SlotGroupOf(f.code), f.slotGroup);
        const auto [it, added] = first.emplace(f.slotGroup, &f);
        if (added)
            continue;
        const AnnexForm& other = *it->second;
        EXPECT_EQ(rowsOf(f), rowsOf(other)) << "as annex " << other.code;
        EXPECT_EQ(f.religionRow, other.religionRow) << "as annex " << other.code;
        EXPECT_EQ(std::string(f.editorRows ? f.editorRows : ""), std::string(other.editorRows ? other.editorRows : ""))
            << "as annex " << other.code;
    }
    EXPECT_EQ(first.size(), 16U);
}

// The editor facts of the rows: eighteen row letters where the editor lays a
// form out (every form it decides, not the intermediate certificates), a
// statement in place of the learning-development text, and the examination
// data on the examination forms and the form whose rows they take.
TEST(AnnexCatalogue, EditorFactsAreWellFormed)
{
    int passed = 0;
    for (const AnnexForm& f : AnnexCatalogue()) {
        SCOPED_TRACE("annex " + std::to_string(f.code));
        if (f.editorRows) {
            const std::string rows = f.editorRows;
            EXPECT_EQ(rows.size(), 18U);
            EXPECT_EQ(rows.find_first_not_of("LABC-labc"), std::string::npos) << rows;
            EXPECT_NE(f.kind, FormKind::Intermediate);
            // The label rows without a selector (1, 5, 7, 11 to 13) offer no list.
            for (int k : {1, 5, 7, 11, 12, 13})
                EXPECT_TRUE(std::string("Ll-").find(rows[static_cast<std::size_t>(k - 1)]) != std::string::npos)
                    << "row " << k;
        }
        if (f.statement) {
            EXPECT_TRUE(f.kind == FormKind::Leaving || f.kind == FormKind::Final);
            EXPECT_EQ(f.statement->leaving, f.kind == FormKind::Leaving);
        }
        if (f.examination) {
            EXPECT_TRUE(f.examinationData);
            EXPECT_TRUE(FindAnnexForm(f.slotRowsOf)->examinationData);
        }
        EXPECT_TRUE(!f.examinationPassed || f.examination);
        passed += f.examinationPassed ? 1 : 0;
    }
    EXPECT_EQ(passed, 1);
    EXPECT_EQ(AnnexNumberText(annex::Orientierung), "4a");
    EXPECT_EQ(AnnexNumberText(27), "27");
    EXPECT_EQ(AnnexNumberText(-1), "-1");
}

} // namespace
