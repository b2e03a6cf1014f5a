#include "editor/Visibility.h"

#include "common/AnnexCodeSet.h"
#include "forms/AnnexCatalogue.h"

#include <array>
#include <initializer_list>

namespace ruvek::editor {
namespace {

using C = ControlId;

// A condition besides the annex code.
enum class Extra {
    None,
    NeverAtFoerderschule,  // hidden at school type 7 whatever the annex
    OnlyAtFoerderschule,   // shown at every annex, at school type 7 only
    Also21ForVersetzung,   // also at annex 21 when the certificate type is 6
};

struct GroupRule {
    std::array<ControlId, 6> ids{};
    int count = 0;
    AnnexCodeSet annexes;
    bool atIntermediate = true;  // shown for the intermediate certificates
    Extra extra = Extra::None;

    GroupRule(std::initializer_list<ControlId> controls, AnnexCodeSet set,
                        Extra e = Extra::None, bool intermediate = true)
        : annexes(set), atIntermediate(intermediate), extra(e)
    {
        for (ControlId c : controls)
            ids[static_cast<std::size_t>(count++)] = c;
    }
};

// Facts of the forms themselves come from the form catalogue: the forms with
// an elective block, those with three electives per half-year (W3 and W6),
// and those that print level letters. The intermediate certificates follow
// their own rule above.
bool decreeForm(const AnnexForm& f) { return f.kind != FormKind::Intermediate; }
const AnnexCodeSet kElectiveForms =
    AnnexCodesWhere([](const AnnexForm& f) { return decreeForm(f) && f.electives != Electives::None; });
const AnnexCodeSet kThreeElectiveForms =
    AnnexCodesWhere([](const AnnexForm& f) { return decreeForm(f) && f.electives == Electives::ThreePerHalfYear; });
const AnnexCodeSet kLevelForms = AnnexCodesWhere([](const AnnexForm& f) { return decreeForm(f) && f.levelMarks; });

constexpr AnnexCodeSet kGradeColumn = AnnexCodeSet::allExcept({1, 2, 30, 31, 33, 39, 40, 42});
constexpr AnnexCodeSet kLowerGradeColumn = AnnexCodeSet::allExcept({{1, 4}, 30, 31, 33, 39, 40, 42});

// Control groups outside the subject and elective rows.
const GroupRule kGroupRules[] = {
    {{C::RadioGroup1, C::BitBtn19}, {8, 9, 13, 14, {18, 20}}, Extra::NeverAtFoerderschule},
    {{C::RadioGroup2, C::BitBtn28}, AnnexCodeSet::allExcept({}), Extra::OnlyAtFoerderschule},
    {{C::Label71, C::ComboBox44}, {13, 14, 19, 20}},
    {{C::GroupBox3}, {2, 4, 6, 11, 16, 22, 29, 31, 33, 36}},
    {{C::Label45, C::Edit68}, {2, 4, 6, 7, 11, 12, 16, 17, 22, 28, 29, 31, 33, 36}},
    {{C::Label17}, {7, 12, 17, 28}, Extra::None, false},
    {{C::Label32, C::Memo2, C::BitBtn10, C::BitBtn25, C::BitBtn12, C::BitBtn13},
     AnnexCodeSet::allExcept({{7, 9}, {12, 14}, {17, 20}, {23, 25}, 28, 35, 38, 41})},
    // Label63, the recommendation hint, goes with the recommendation selector.
    {{C::RadioGroup4, C::BitBtn9, C::Label63}, {}},
    {{C::Label12, C::Label48}, kGradeColumn},
    {{C::Label51}, kLowerGradeColumn},
    {{C::GroupBox7, C::Label56, C::ComboBox43, C::BitBtn20}, {{27, 29}}},
    {{C::Label61}, {24, 25}, Extra::Also21ForVersetzung},
    {{C::Label50, C::Label53}, {{15, 19}, {27, 29}}},
    {{C::LabelFS2}, {{10, 17}, {19, 25}, {27, 29}, 32, {34, 38}, 41, 43, 104}},
    {{C::LabelFS}, {3, 4}},
    {{C::GroupBox6}, {21, 24, 25}},
    {{C::Label33, C::Label34}, kThreeElectiveForms},
    {{C::Label35, C::Label36}, {{5, 7}, {10, 12}, {15, 17}, {21, 25}}},
    {{C::Label13, C::Label14}, {{5, 25}, {27, 29}}},
    {{C::BitBtn1, C::BitBtn23}, {{5, 25}, {27, 29}, 32, {34, 38}, 41, 43}},
    {{C::GroupBox8}, AnnexCodeSet::allExcept({{7, 9}, {12, 14}, {17, 20}, 23, 28, 35, 37, 38, 40, 41, 43})},
};

// One subject row: where its label is shown, where its selector is shown
// with which list, and where its level selector is shown (within the row).
struct SubjectRowRule {
    AnnexCodeSet label;
    AnnexCodeSet listA;
    AnnexCodeSet listB;
    AnnexCodeSet listC;
    AnnexCodeSet level;
};

constexpr AnnexCodeSet kSchoolForms = {32, {34, 38}, 41, 43};  // list C rows of codes 32..43

// Index 0 is unused; rows 1..18.
const SubjectRowRule kSubjectRows[19] = {
    {},
    /* 1 */ {kGradeColumn, {}, {}, {}, kLevelForms},
    /* 2 */ {{3, 4, 26}, {{5, 25}, {27, 29}, 32, {34, 38}, 41, 43, 104}, {}, {}, kLevelForms},
    /* 3 */ {{{3, 9}, 18, 26, 32, {34, 38}, 41}, {{10, 17}, {19, 25}, {27, 29}, 104}, {}, {43}, {18}},
    /* 4 */ {{{5, 29}, 104}, {}, {3, 4}, kSchoolForms, {{15, 17}, 19, {27, 29}}},
    /* 5 */ {kGradeColumn, {}, {}, {}, {}},
    /* 6 */ {{{3, 25}, {27, 29}, 104}, {}, {26}, kSchoolForms, {}},
    /* 7 */ {kGradeColumn, {}, {}, {}, {}},
    /* 8 */ {{3, 4, {10, 17}, {19, 25}, {27, 29}, 104}, {}, {{5, 9}, 18}, {26, 32, {34, 38}, 41, 43}, {}},
    /* 9 */ {{}, {3, 4}, {{10, 17}, {19, 22}, 24, 25, {27, 29}, 104}, kSchoolForms, {}},
    /* 10 */ {{{5, 22}, {24, 29}, 104}, {}, {23}, kSchoolForms, kLevelForms},
    /* 11 */ {kLowerGradeColumn, {}, {}, {}, kLevelForms},
    /* 12 */ {kLowerGradeColumn, {}, {}, {}, {{27, 29}}},
    /* 13 */ {kLowerGradeColumn, {}, {}, {}, {27}},
    /* 14 */ {{{5, 25}, {27, 29}, 104}, {}, {}, {26, 32, {34, 38}, 41, 43}, {}},
    /* 15 */ {{{5, 25}, {27, 29}, 104}, {}, {}, {26, 32, {34, 38}, 41, 43}, {}},
    /* 16 */ {{{5, 12}, {15, 19}, {21, 25}, {27, 29}}, {}, {}, {13, 14, 20, 32, {34, 38}, 41, 43, 104}, {}},
    /* 17 */ {{{21, 25}, 27}, {}, {}, {{5, 20}, 28, 29, 32, {34, 38}, 41, 43, 104}, {}},
    /* 18 */ {{}, {}, {}, {{10, 17}, {19, 22}, 24, 25, {27, 29}, 32, {34, 38}, 41, 43, 104}, {}},
};

// Elective rows W1..W6 (their level selectors are never shown); slot 25
// (EditW) goes with W1.
const AnnexCodeSet kElectiveRows[7] = {
    {}, kElectiveForms, kElectiveForms, kThreeElectiveForms, kElectiveForms, kElectiveForms, kThreeElectiveForms,
};

bool groupShown(const GroupRule& rule, const VisibilityInput& in)
{
    const int code = in.anlageFaecher;
    bool on = IsIntermediateAnnex(code) ? rule.atIntermediate : rule.annexes.contains(code);
    const bool foerderschule = in.schoolType == SchoolType::Foerderschule;
    switch (rule.extra) {
    case Extra::None: break;
    case Extra::NeverAtFoerderschule: on = on && !foerderschule; break;
    case Extra::OnlyAtFoerderschule: on = foerderschule; break;
    case Extra::Also21ForVersetzung:
        on = on || (code == annex::GymnasiumJahr && in.zgnTyp == CertificateType::VersetzungOberstufe);
        break;
    }
    return on;
}

// Calls set(control, shown) for every control the rules decide.
template <class Set>
void walkRules(const VisibilityInput& in, Set&& set)
{
    const int code = in.anlageFaecher;
    const bool intermediate = IsIntermediateAnnex(code);

    for (const GroupRule& rule : kGroupRules) {
        const bool on = groupShown(rule, in);
        for (int i = 0; i < rule.count; ++i)
            set(rule.ids[static_cast<std::size_t>(i)], on);
    }

    for (int k = 1; k <= 18; ++k) {
        const SubjectRowRule& row = kSubjectRows[k];
        const auto selector = subjectSelector(k);
        const SubjectList list = SelectorList(k, code);
        const bool labelOn = (intermediate && selector) ? false : row.label.contains(code);
        const bool rowOn = labelOn || list != SubjectList::None;
        set(labelF(k), labelOn);
        if (selector)
            set(*selector, list != SubjectList::None);
        set(editF(k), rowOn);
        set(editFZ(k), rowOn && in.zeigeZusatz);
        set(levelSelector(k), rowOn && (intermediate || row.level.contains(code)));
        if (k == 2)
            set(C::LabelFS1, list != SubjectList::None);
    }

    for (int w = 1; w <= 6; ++w) {
        const bool on = intermediate || kElectiveRows[w].contains(code);
        set(comboBoxW(w), on);
        set(editW(w), on);
        set(editWZ(w), on && in.zeigeZusatz);
        set(levelSelector(18 + w), false);
    }
    const bool slot25 = intermediate || kElectiveForms.contains(code);
    set(C::EditW, slot25);
    set(C::EditWZ, slot25 && in.zeigeZusatz);

    set(C::LabelZus, in.zeigeZusatz);
    set(C::LabelWZus, in.zeigeZusatz);
}

} // namespace

SubjectList SelectorList(int k, int anlageFaecher)
{
    if (k < 1 || k > 18 || !subjectSelector(k))
        return SubjectList::None;
    if (IsIntermediateAnnex(anlageFaecher))
        return k == 2 ? SubjectList::A : SubjectList::C;
    const SubjectRowRule& row = kSubjectRows[k];
    if (row.listA.contains(anlageFaecher))
        return SubjectList::A;
    if (row.listB.contains(anlageFaecher))
        return SubjectList::B;
    if (row.listC.contains(anlageFaecher))
        return SubjectList::C;
    return SubjectList::None;
}

ControlSet VisibleControls(const VisibilityInput& in)
{
    ControlSet visible;
    walkRules(in, [&](ControlId c, bool on) { visible.set(index(c), on); });
    return visible;
}

ControlSet AnnexDecidedControls()
{
    ControlSet decided;
    walkRules(VisibilityInput{}, [&](ControlId c, bool) { decided.set(index(c)); });
    return decided;
}

} // namespace ruvek::editor
