// Strike-outs on the shipped forms, measured with proportional widths: on
// every page of every certificate family, each run of fill characters
// covers one whole alternative of a label on its base line (to 0.3 mm) and
// nothing else, and the alternative struck is the one that does not apply.
// The pre-printed papers get the same strikes as plain paper, though their
// labels are not printed.
#include "GoldenSupport.h"
#include "LayoutTestSupport.h"

#include "layouts/CertificatePage.h"
#include "layouts/LayoutAbschluss.h"
#include "layouts/LayoutGrundschule.h"
#include "layouts/LayoutSekundar.h"
#include "print/RecordingCanvas.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <map>

using namespace ruvek;
using namespace ruvek::test;

namespace {

struct FormCase {
    int annexCode;
    LayoutRoutine layout;
    SchoolType schoolType;
};

const FormCase kForms[] = {
    {1, LayoutGrundschule, SchoolType::Grundschule},
    {2, LayoutGrundschule, SchoolType::Grundschule},
    {3, LayoutGrundschule, SchoolType::Grundschule},
    {4, LayoutGrundschule, SchoolType::Grundschule},
    {5, LayoutHauptschule, SchoolType::Hauptschule},
    {6, LayoutHauptschule, SchoolType::Hauptschule},
    {105, LayoutHauptschule, SchoolType::Hauptschule},
    {10, LayoutRealschule, SchoolType::Realschule},
    {11, LayoutRealschule, SchoolType::Realschule},
    {15, LayoutRegionaleSchule, SchoolType::RegionaleSchule},
    {16, LayoutRegionaleSchule, SchoolType::RegionaleSchule},
    {115, LayoutRegionaleSchule, SchoolType::RegionaleSchule},
    {21, LayoutGymnasium, SchoolType::Gymnasium},
    {22, LayoutGymnasium, SchoolType::Gymnasium},
    {121, LayoutGymnasium, SchoolType::Gymnasium},
    {104, LayoutOrientierungsstufe, SchoolType::IntegrierteGesamtschule},
    {26, LayoutGesamtschule56, SchoolType::IntegrierteGesamtschule},
    {27, LayoutGesamtschule, SchoolType::IntegrierteGesamtschule},
    {127, LayoutGesamtschule, SchoolType::IntegrierteGesamtschule},
    {7, LayoutHauptschuleAbschluss, SchoolType::Hauptschule},
    {12, LayoutRealschuleAbschluss, SchoolType::Realschule},
    {17, LayoutRegionaleSchuleAbschluss, SchoolType::RegionaleSchule},
    {28, LayoutGesamtschuleAbgang, SchoolType::IntegrierteGesamtschule},
};

// A label with alternatives, and the alternatives a fill run may cover.
const std::map<std::string, std::vector<std::string>> kLabels = {
    {"über das 1. Schulhalbjahr / Schuljahr", {"1. Schulhalbjahr", "Schuljahr"}},
    {"Stempel/Siegel", {"Stempel", "Siegel"}},
    {"Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ über.",
     {"Die Schülerin", "Der Schüler"}},
    {"wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der",
     {"seiner", "ihrer"}},
    {"wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden Schule aus der",
     {"seiner", "ihrer"}},
    {"ev. / kath. Religion /", {"ev.", "kath.", "ev. / kath. Religion"}},
    {"evangelische / katholische Religion /",
     {"evangelische", "katholische", "evangelische / katholische Religion"}},
    {"Philosophieren mit Kindern", {"Philosophieren mit Kindern"}},
};

struct Student {
    int weiblich;
    int halbjahr1;
    const char* religion; // UTF-8
};

TZgnRec record(int annexCode, const Student& s)
{
    TZgnRec r;
    r.Status = 1;
    r.Name = cp("Schröder-Wendtland");
    r.Vorname = cp("Maximilian");
    r.GebDatum = "17.03.2012";
    r.Weiblich = static_cast<std::int16_t>(s.weiblich);
    r.Halbjahr1 = static_cast<std::int16_t>(s.halbjahr1);
    r.SjBeginn = "2026";
    r.Klasse = "8b";
    r.Jahrgang = "9";
    r.Anlage = static_cast<std::int16_t>(annexCode);
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "???";
        r.slot(k).Note = "2";
    }
    // The primary table's fixed religion row is row 4; on the secondary
    // tables the subject stands in the fixed religion rows (6, 8 or 9) and
    // makes its row a religion row elsewhere where the table allows it (right
    // row 7).
    const std::string religion = cp(s.religion);
    if (annexCode <= 4) {
        r.slot(4).Fach = religion;
    } else {
        for (const int k : {6, 8, 9, 16})
            r.slot(k).Fach = religion;
    }
    return r;
}

std::vector<RecordingCanvas> draw(const FormCase& c, const TZgnRec& rec, const TDrkEinstRec& options)
{
    const TFachKatalog katalog = defaultFachKatalog();
    const CertificateEnvironment env{options, katalog, c.schoolType, cp("Schule am Mühlenteich")};
    test::ScriptedPrompter prompter;
    const FormFileInfo info = AnlageFormFile(c.annexCode, options, prompter);
    const LoadedForm form = LoadCertificateForm(info, {kSourceRoot / "data", kSourceRoot / "data"}, options, prompter);
    EXPECT_TRUE(form.loaded) << info.fileName;
    std::vector<RecordingCanvas> pages(2);
    for (int page = 1; page <= 2; ++page) {
        RecordingCanvas& canvas = pages[static_cast<std::size_t>(page - 1)];
        canvas.setWidthModel(ProportionalWidth);
        canvas.setMetricMapping();
        (void)DrawCertificatePage(canvas, env, form, c.layout, rec, c.annexCode, page);
    }
    return pages;
}

// Every label with alternatives drawn on the pages, with what is struck in
// it; and every fill run that strikes no alternative of a label.
struct Strikes {
    std::map<std::string, std::vector<std::string>> struck;
    std::map<std::string, std::size_t> drawn; // how often each label is drawn
    std::vector<std::string> stray;
};

Strikes strikesOf(const std::vector<RecordingCanvas>& pages)
{
    Strikes out;
    for (const RecordingCanvas& canvas : pages) {
        std::size_t runsInLabels = 0;
        for (const auto& [label, words] : kLabels) {
            const auto struck = StruckWords(canvas, label, words);
            if (struck.size() == 1 && struck[0] == LabelNotDrawn())
                continue;
            for (const std::string& w : struck) {
                out.struck[label].push_back(w);
                ++runsInLabels;
            }
            out.struck[label]; // drawn, maybe nothing struck
            for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
                out.drawn[label] += op.text == label ? 1 : 0;
        }
        std::size_t runs = 0;
        std::vector<int> lines;
        for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
            if (IsFillRun(op.text, "#") && std::find(lines.begin(), lines.end(), op.y1) == lines.end())
                lines.push_back(op.y1);
        for (const int y : lines)
            runs += FillRuns(canvas, y).size();
        if (runs != runsInLabels)
            out.stray.push_back(std::to_string(runs - runsInLabels) + " fill runs outside the labels");
    }
    return out;
}

const std::string kShortReligion = "ev. / kath. Religion /";
const std::string kLongReligion = "evangelische / katholische Religion /";
const std::string kPhilosophy = "Philosophieren mit Kindern";

TEST(StrikeOuts, EveryRunCoversTheAlternativeThatDoesNotApplyOnEveryForm)
{
    const Student students[] = {
        {0, 0, "evangelische Religion"},
        {1, 1, "katholische Religion"},
        {1, 0, "Philosophieren mit Kindern"},
        {-1, 1, "evangelische Religion"},
    };
    TDrkEinstRec options;
    options.ReligionOption = 0;
    std::map<std::string, int> labelsStruck; // how often each label had a strike at all
    for (const FormCase& c : kForms) {
        for (const Student& s : students) {
            SCOPED_TRACE(std::to_string(c.annexCode) + " weiblich " + std::to_string(s.weiblich) + " halbjahr1 " +
                         std::to_string(s.halbjahr1) + " " + s.religion);
            const Strikes strikes = strikesOf(draw(c, record(c.annexCode, s), options));
            EXPECT_TRUE(strikes.stray.empty()) << strikes.stray.front();
            const auto& struck = strikes.struck;
            for (const auto& [label, words] : struck)
                labelsStruck[label] += words.empty() ? 0 : 1;
            auto at = [&](const std::string& label) {
                const auto it = struck.find(label);
                return it == struck.end() ? std::vector<std::string>{LabelNotDrawn()} : it->second;
            };
            using W = std::vector<std::string>;

            if (struck.count("über das 1. Schulhalbjahr / Schuljahr")) {
                EXPECT_EQ(at("über das 1. Schulhalbjahr / Schuljahr"),
                          W{s.halbjahr1 == 1 ? "Schuljahr" : "1. Schulhalbjahr"});
            }
            if (struck.count("Stempel/Siegel")) {
                const W seal = at("Stempel/Siegel");
                EXPECT_TRUE(seal == W{"Stempel"} || seal == W{"Siegel"}) << ::testing::PrintToString(seal);
            }
            const W pronoun = s.weiblich == 0 ? W{"ihrer"} : s.weiblich == 1 ? W{"seiner"} : W{};
            const W pupil = s.weiblich == 0 ? W{"Die Schülerin"} : s.weiblich == 1 ? W{"Der Schüler"} : W{};
            for (const auto& [label, words] : kLabels) {
                if (!struck.count(label))
                    continue;
                if (words.front() == "seiner") {
                    EXPECT_EQ(at(label), pronoun);
                }
                if (words.front() == "Die Schülerin") {
                    EXPECT_EQ(at(label), pupil);
                }
            }

            // The religion row: the short labels on the secondary forms (in
            // both columns), the long ones on the primary forms.
            const bool primary = c.annexCode <= 4;
            const std::string upper = primary ? kLongReligion : kShortReligion;
            const std::string ev = primary ? "evangelische" : "ev.";
            const std::string kath = primary ? "katholische" : "kath.";
            const std::string religion = primary ? "evangelische / katholische Religion" : "ev. / kath. Religion";
            if (!struck.count(upper))
                continue; // no subject table on this form
            // A religion row struck for the student's subject: each one
            // strikes the same alternative (a row holding no religion
            // subject shows the labels unstruck).
            const std::string subject = s.religion;
            const std::string upperWord = subject == "evangelische Religion"   ? kath
                                          : subject == "katholische Religion" ? ev
                                                                               : religion;
            const W upperStruck = at(upper);
            EXPECT_GE(upperStruck.size(), 1u);
            EXPECT_LE(upperStruck.size(), strikes.drawn.at(upper));
            EXPECT_EQ(upperStruck, W(upperStruck.size(), upperWord));
            EXPECT_EQ(at(kPhilosophy), W(subject == kPhilosophy ? 0 : upperStruck.size(), kPhilosophy));
        }
    }
    // Every kind of label was struck somewhere.
    for (const auto& [label, words] : kLabels)
        EXPECT_GT(labelsStruck[label], 0) << label;
}

TEST(StrikeOuts, PrePrintedPapersGetTheStrikesOfPlainPaper)
{
    // The publisher's paper carries the seal caption; the strike stands
    // where the caption stands on plain paper.
    struct Paper {
        int publisher, position, size;
    };
    const Paper papers[] = {{1, 3, 1}, {2, 3, 0}, {2, 3, 1}};
    for (const FormCase& c : kForms) {
        if (c.annexCode != 12 && c.annexCode != 17 && c.annexCode != 28)
            continue;
        for (const int weiblich : {0, 1}) {
            const TZgnRec rec = record(c.annexCode, {weiblich, 0, "katholische Religion"});
            auto fills = [&](const TDrkEinstRec& options) {
                std::vector<CanvasOp> out;
                for (const RecordingCanvas& canvas : draw(c, rec, options))
                    for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
                        if (IsFillRun(op.text, "#"))
                            out.push_back(op);
                return out;
            };
            const std::vector<CanvasOp> plain = fills({});
            ASSERT_FALSE(plain.empty());
            for (const Paper& p : papers) {
                SCOPED_TRACE(std::to_string(c.annexCode) + " paper " + std::to_string(p.publisher) + "/" +
                             std::to_string(p.size));
                TDrkEinstRec options;
                options.Papierverlag = static_cast<std::int16_t>(p.publisher);
                options.Wappenposition = static_cast<std::int16_t>(p.position);
                options.Wappengroesse = static_cast<std::int16_t>(p.size);
                const std::vector<CanvasOp> printed = fills(options);
                ASSERT_EQ(printed.size(), plain.size());
                for (std::size_t i = 0; i < plain.size(); ++i) {
                    EXPECT_EQ(printed[i].x1, plain[i].x1);
                    EXPECT_EQ(printed[i].y1, plain[i].y1);
                    EXPECT_EQ(printed[i].text, plain[i].text);
                }
            }
        }
    }
}

} // namespace
