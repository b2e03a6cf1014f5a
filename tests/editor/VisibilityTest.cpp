#include "editor/Visibility.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace ruvek;
using namespace ruvek::editor;

namespace {

using Names = std::set<std::string>;

Names namesOf(const ControlSet& set)
{
    Names names;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (set.test(i))
            names.emplace(kControlNames[i]);
    return names;
}

ControlSet setOf(const std::vector<std::string_view>& names)
{
    ControlSet set;
    for (std::string_view n : names) {
        const auto id = findControl(n);
        EXPECT_TRUE(id.has_value()) << n;
        if (id)
            set.set(index(*id));
    }
    return set;
}

// With ZeigeZusatz 1 the addition field of every shown row and the two
// column captions come in addition.
ControlSet withAdditions(ControlSet set)
{
    for (int k = 1; k <= 18; ++k)
        if (set.test(index(editF(k))))
            set.set(index(editFZ(k)));
    for (int w = 1; w <= 6; ++w)
        if (set.test(index(editW(w))))
            set.set(index(editWZ(w)));
    if (set.test(index(ControlId::EditW)))
        set.set(index(ControlId::EditWZ));
    set.set(index(ControlId::LabelZus));
    set.set(index(ControlId::LabelWZus));
    return set;
}

const std::vector<std::string_view> kReport = {"Label32", "Memo2", "BitBtn10", "BitBtn25", "BitBtn12", "BitBtn13"};
const std::vector<std::string_view> kElectives = {"Label13", "Label14", "ComboBoxW1", "EditW1", "ComboBoxW2",
                                                  "EditW2", "ComboBoxW4", "EditW4", "ComboBoxW5", "EditW5", "EditW"};

std::vector<std::string_view> join(std::initializer_list<std::vector<std::string_view>> parts)
{
    std::vector<std::string_view> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The controls shown for an intermediate certificate: every decided control
// except Label17, the elective level selectors, the labels of the rows with a
// selector, the additions, and what the school type rules out.
ControlSet intermediateAt(SchoolType st)
{
    ControlSet set = AnnexDecidedControls();
    for (std::string_view n : {"Label17", "LabelF2", "LabelF3", "LabelF4", "LabelF6", "LabelF8", "LabelF9", "LabelF10",
                               "LabelF14", "LabelF15", "LabelF16", "LabelF17", "LabelF18", "LabelZus", "LabelWZus",
                               "EditWZ"})
        set.reset(index(*findControl(n)));
    for (int k = 1; k <= 24; ++k)
        set.reset(index(k <= 18 ? editFZ(k) : editWZ(k - 18)));
    for (int k = 19; k <= 24; ++k)
        set.reset(index(levelSelector(k)));
    const bool foerder = st == SchoolType::Foerderschule;
    for (std::string_view n : {"RadioGroup2", "BitBtn28"})
        set.set(index(*findControl(n)), foerder);
    for (std::string_view n : {"RadioGroup1", "BitBtn19"})
        set.set(index(*findControl(n)), !foerder);
    return set;
}

struct Case {
    int annex;
    SchoolType schoolType;
    CertificateType zgnTyp;
    ControlSet expected;  // with ZeigeZusatz 0
};

std::vector<Case> cases()
{
    using enum SchoolType;
    const auto year = CertificateType::Jahreszeugnis;
    return {
        {3, Grundschule, year,
         setOf(join({kReport,
                     {"Label12", "Label48", "LabelF1", "EditF1", "LabelF2", "EditF2", "LabelF3", "EditF3",
                      "ComboBoxF4", "EditF4", "LabelF5", "EditF5", "LabelF6", "EditF6", "LabelF7", "EditF7",
                      "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelFS", "GroupBox8"}}))},
        {10, Realschule, year,
         setOf(join({kReport, kElectives,
                     {"Label12", "Label48", "Label51", "LabelF1", "EditF1", "ComboBoxF2", "EditF2", "LabelFS1",
                      "ComboBoxF3", "EditF3", "LabelFS2", "LabelF4", "EditF4", "LabelF5", "EditF5", "LabelF6",
                      "EditF6", "LabelF7", "EditF7", "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelF10",
                      "EditF10", "LabelF11", "EditF11", "LabelF12", "EditF12", "LabelF13", "EditF13", "LabelF14",
                      "EditF14", "LabelF15", "EditF15", "LabelF16", "EditF16", "ComboBoxF17", "EditF17",
                      "ComboBoxF18", "EditF18", "Label35", "Label36", "BitBtn1", "BitBtn23", "GroupBox8"}}))},
        {15, RegionaleSchule, year,
         setOf(join({kReport, kElectives,
                     {"Label12", "Label48", "Label51", "Label50", "Label53", "ComboBox1", "ComboBox2", "ComboBox4",
                      "ComboBox10", "ComboBox11", "LabelF1", "EditF1", "ComboBoxF2", "EditF2", "LabelFS1",
                      "ComboBoxF3", "EditF3", "LabelFS2", "LabelF4", "EditF4", "LabelF5", "EditF5", "LabelF6",
                      "EditF6", "LabelF7", "EditF7", "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelF10",
                      "EditF10", "LabelF11", "EditF11", "LabelF12", "EditF12", "LabelF13", "EditF13", "LabelF14",
                      "EditF14", "LabelF15", "EditF15", "LabelF16", "EditF16", "ComboBoxF17", "EditF17",
                      "ComboBoxF18", "EditF18", "Label35", "Label36", "BitBtn1", "BitBtn23", "GroupBox8"}}))},
        {21, Gymnasium, year,
         setOf(join({kReport, kElectives,
                     {"Label12", "Label48", "Label51", "LabelF1", "EditF1", "ComboBoxF2", "EditF2", "LabelFS1",
                      "ComboBoxF3", "EditF3", "LabelFS2", "LabelF4", "EditF4", "LabelF5", "EditF5", "LabelF6",
                      "EditF6", "LabelF7", "EditF7", "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelF10",
                      "EditF10", "LabelF11", "EditF11", "LabelF12", "EditF12", "LabelF13", "EditF13", "LabelF14",
                      "EditF14", "LabelF15", "EditF15", "LabelF16", "EditF16", "LabelF17", "EditF17",
                      "ComboBoxF18", "EditF18", "GroupBox6", "Label35", "Label36", "BitBtn1", "BitBtn23",
                      "GroupBox8"}}))},
        {27, IntegrierteGesamtschule, year,
         setOf(join({kReport, kElectives,
                     {"Label12", "Label48", "Label51", "GroupBox7", "Label56", "ComboBox43", "BitBtn20", "Label50",
                      "Label53", "ComboBox1", "ComboBox2", "ComboBox4", "ComboBox10", "ComboBox11", "ComboBox12",
                      "ComboBox13", "LabelF1", "EditF1", "ComboBoxF2", "EditF2", "LabelFS1", "ComboBoxF3", "EditF3",
                      "LabelFS2", "LabelF4", "EditF4", "LabelF5", "EditF5", "LabelF6", "EditF6", "LabelF7", "EditF7",
                      "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelF10", "EditF10", "LabelF11", "EditF11",
                      "LabelF12", "EditF12", "LabelF13", "EditF13", "LabelF14", "EditF14", "LabelF15", "EditF15",
                      "LabelF16", "EditF16", "LabelF17", "EditF17", "ComboBoxF18", "EditF18", "Label33", "Label34",
                      "ComboBoxW3", "EditW3", "ComboBoxW6", "EditW6", "BitBtn1", "BitBtn23", "GroupBox8"}}))},
        {104, Gymnasium, year,
         setOf(join({kReport,
                     {"Label12", "Label48", "Label51", "LabelF1", "EditF1", "ComboBoxF2", "EditF2", "LabelFS1",
                      "ComboBoxF3", "EditF3", "LabelFS2", "LabelF4", "EditF4", "LabelF5", "EditF5", "LabelF6",
                      "EditF6", "LabelF7", "EditF7", "LabelF8", "EditF8", "ComboBoxF9", "EditF9", "LabelF10",
                      "EditF10", "LabelF11", "EditF11", "LabelF12", "EditF12", "LabelF13", "EditF13", "LabelF14",
                      "EditF14", "LabelF15", "EditF15", "ComboBoxF16", "EditF16", "ComboBoxF17", "EditF17",
                      "ComboBoxF18", "EditF18", "GroupBox8"}}))},
        {105, Hauptschule, CertificateType::Zwischen, intermediateAt(Hauptschule)},
        {130, Foerderschule, CertificateType::Zwischen, intermediateAt(Foerderschule)},
    };
}

TEST(EditorVisibility, AnnexFamiliesWithAndWithoutAdditions)
{
    for (const Case& c : cases()) {
        for (const bool zeigeZusatz : {false, true}) {
            SCOPED_TRACE("annex " + std::to_string(c.annex) + (zeigeZusatz ? " with" : " without") + " additions");
            const ControlSet expected = zeigeZusatz ? withAdditions(c.expected) : c.expected;
            const ControlSet got = VisibleControls({c.annex, c.zgnTyp, c.schoolType, zeigeZusatz});
            EXPECT_EQ(namesOf(got & ~expected), Names{}) << "shown but not expected";
            EXPECT_EQ(namesOf(expected & ~got), Names{}) << "expected but hidden";
        }
    }
}

TEST(EditorVisibility, ConditionsBesidesTheAnnex)
{
    const auto shows = [](VisibilityInput in, std::string_view name) {
        return VisibleControls(in).test(index(*findControl(name)));
    };
    using enum SchoolType;
    // The examination label at 21 only for the transfer to the upper stage.
    EXPECT_TRUE(shows({21, CertificateType::VersetzungOberstufe, Gymnasium, false}, "Label61"));
    EXPECT_FALSE(shows({21, CertificateType::Jahreszeugnis, Gymnasium, false}, "Label61"));
    // Qualification and class kind trade places at the Förderschule.
    EXPECT_TRUE(shows({8, CertificateType::Abschluss, Hauptschule, false}, "RadioGroup1"));
    EXPECT_FALSE(shows({8, CertificateType::Abschluss, Foerderschule, false}, "RadioGroup1"));
    EXPECT_TRUE(shows({32, CertificateType::Jahreszeugnis, Foerderschule, false}, "RadioGroup2"));
    EXPECT_FALSE(shows({32, CertificateType::Jahreszeugnis, Hauptschule, false}, "RadioGroup2"));
}

TEST(EditorVisibility, SelectorLists)
{
    struct L { int row; int annex; SubjectList list; };
    const L cases[] = {
        {2, 105, SubjectList::A}, {3, 105, SubjectList::C}, {3, 43, SubjectList::C}, {3, 10, SubjectList::A},
        {4, 3, SubjectList::B},   {9, 3, SubjectList::A},   {9, 10, SubjectList::B}, {8, 26, SubjectList::C},
        {2, 3, SubjectList::None}, {1, 105, SubjectList::None},
    };
    for (const L& c : cases)
        EXPECT_EQ(SelectorList(c.row, c.annex), c.list) << "row " << c.row << " annex " << c.annex;
}

} // namespace
