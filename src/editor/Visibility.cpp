#include "editor/Visibility.h"

#include "common/AnnexCodeSet.h"
#include "forms/AnnexCatalogue.h"

#include <array>
#include <cctype>
#include <initializer_list>

namespace ruvek::editor {
namespace {

using C = ControlId;

// A condition besides the form.
enum class Extra {
    None,
    NeverAtFoerderschule, // hidden at school type 7 whatever the form
    OnlyAtFoerderschule,  // shown at every form, at school type 7 only
    AlsoForVersetzung,    // also on the year certificate that takes the
                          // examination data when the certificate type is 6
};

using FormRule = bool (*)(const AnnexForm&);

struct GroupRule {
    std::array<ControlId, 6> ids {};
    int count = 0;
    FormRule shown;
    bool atIntermediate = true; // shown for the intermediate certificates
    Extra extra = Extra::None;

    GroupRule(std::initializer_list<ControlId> controls, FormRule rule, Extra e = Extra::None, bool intermediate = true)
        : shown(rule), atIntermediate(intermediate), extra(e)
    {
        for (ControlId c : controls)
            ids[static_cast<std::size_t>(count++)] = c;
    }
};

// Every fact about a form comes from the form catalogue. A record laid out
// for no form (annex 0 or -1) shows the grade rows 1, 5, 7 and 11 to 13 with
// their labels, the learning-development text and the absences.
constexpr AnnexForm kNoForm {.editorRows = "L---L-L---LLL-----"};

const AnnexForm& formOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f ? *f : kNoForm;
}

// The letter of subject row k (1..18) of a form; '-' for a hidden row.
char rowLetter(const AnnexForm& f, int k) { return f.editorRows ? f.editorRows[k - 1] : '-'; }
// The row's letter in upper case: L, A, B, C or -.
char rowList(const AnnexForm& f, int k)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(rowLetter(f, k))));
}
bool rowLabel(const AnnexForm& f, int k) { return rowList(f, k) == 'L'; }
bool rowLevel(const AnnexForm& f, int k) { return std::islower(static_cast<unsigned char>(rowLetter(f, k))) != 0; }

bool decreeForm(const AnnexForm& f) { return f.kind != FormKind::Intermediate; }
bool hasStatement(const AnnexForm& f) { return f.statement != nullptr; }
bool leavingStatement(const AnnexForm& f) { return f.statement && f.statement->leaving; }
// The transfer certificates, except that of the Schule zur individuellen
// Lebensbewältigung, ask for the transfer data.
bool transferData(const AnnexForm& f)
{
    return f.kind == FormKind::Transfer && f.family != FormFamily::Lebensbewaeltigung;
}

// The forms with an elective block, those with three electives per
// half-year (W3 and W6), and those that print level letters. The
// intermediate certificates follow their own rule above.
const AnnexCodeSet kElectiveForms =
    AnnexCodesWhere([](const AnnexForm& f) { return decreeForm(f) && f.electives != Electives::None; });
const AnnexCodeSet kThreeElectiveForms =
    AnnexCodesWhere([](const AnnexForm& f) { return decreeForm(f) && f.electives == Electives::ThreePerHalfYear; });

// Control groups outside the subject and elective rows.
const GroupRule kGroupRules[] = {
    // The qualification and the overall distinction of a final certificate.
    {{C::RadioGroup1, C::BitBtn19},
     [](const AnnexForm& f) { return hasStatement(f) && !f.statement->leaving; },
     Extra::NeverAtFoerderschule},
    {{C::RadioGroup2, C::BitBtn28}, [](const AnnexForm&) { return true; }, Extra::OnlyAtFoerderschule},
    {{C::Label71, C::ComboBox44}, [](const AnnexForm& f) { return hasStatement(f) && f.statement->distinction; }},
    {{C::GroupBox3}, transferData},
    // The year level: to go to on a transfer, left on a leaving certificate.
    {{C::Label45, C::Edit68}, [](const AnnexForm& f) { return transferData(f) || leavingStatement(f); }},
    {{C::Label17}, leavingStatement, Extra::None, false},
    {{C::Label32, C::Memo2, C::BitBtn10, C::BitBtn25, C::BitBtn12, C::BitBtn13},
     [](const AnnexForm& f) { return f.developmentText && !hasStatement(f); }},
    // Label63, the recommendation hint, goes with the recommendation selector.
    {{C::RadioGroup4, C::BitBtn9, C::Label63}, [](const AnnexForm&) { return false; }},
    // The column captions go with the labels of rows 1 and 11.
    {{C::Label12, C::Label48}, [](const AnnexForm& f) { return rowLabel(f, 1); }},
    {{C::Label51}, [](const AnnexForm& f) { return rowLabel(f, 11); }},
    // The level of demand of the Gesamtschule forms with level letters.
    {{C::GroupBox7, C::Label56, C::ComboBox43, C::BitBtn20},
     [](const AnnexForm& f) { return f.family == FormFamily::Gesamtschule && f.levelMarks; }},
    {{C::Label61}, [](const AnnexForm& f) { return f.examination; }, Extra::AlsoForVersetzung},
    {{C::Label50, C::Label53}, [](const AnnexForm& f) { return f.levelMarks; }},
    // "2. FS" goes with the selector of row 2 on a form with two foreign languages.
    {{C::LabelFS2}, [](const AnnexForm& f) { return rowList(f, 2) == 'A' && f.foreignLanguages == 2; }},
    {{C::LabelFS}, [](const AnnexForm& f) { return rowList(f, 9) == 'A'; }},
    {{C::GroupBox6}, [](const AnnexForm& f) { return f.examinationData; }},
    {{C::Label33, C::Label34}, [](const AnnexForm& f) { return f.electives == Electives::ThreePerHalfYear; }},
    {{C::Label35, C::Label36}, [](const AnnexForm& f) { return f.electives == Electives::TwoPerHalfYear; }},
    {{C::Label13, C::Label14}, [](const AnnexForm& f) { return f.electives != Electives::None; }},
    {{C::BitBtn1, C::BitBtn23}, [](const AnnexForm& f) { return f.electives != Electives::None || f.subjectChoice; }},
    {{C::GroupBox8}, [](const AnnexForm& f) { return f.absences && !hasStatement(f); }},
};

// Elective rows W1..W6 (their level selectors are never shown); slot 25
// (EditW) goes with W1.
const AnnexCodeSet kElectiveRows[7] = {
    {}, kElectiveForms, kElectiveForms, kThreeElectiveForms, kElectiveForms, kElectiveForms, kThreeElectiveForms,
};

bool groupShown(const GroupRule& rule, const VisibilityInput& in)
{
    const int code = in.anlageFaecher;
    bool on = IsIntermediateAnnex(code) ? rule.atIntermediate : rule.shown(formOf(code));
    const bool foerderschule = in.schoolType == SchoolType::Foerderschule;
    switch (rule.extra) {
    case Extra::None: break;
    case Extra::NeverAtFoerderschule: on = on && !foerderschule; break;
    case Extra::OnlyAtFoerderschule: on = foerderschule; break;
    case Extra::AlsoForVersetzung:
        if (!IsIntermediateAnnex(code)) {
            const AnnexForm& f = formOf(code);
            on = on || (f.examinationData && !f.examination && in.zgnTyp == CertificateType::VersetzungOberstufe);
        }
        break;
    }
    return on;
}

// Calls set(control, shown) for every control the rules decide.
template <class Set> void walkRules(const VisibilityInput& in, Set&& set)
{
    const int code = in.anlageFaecher;
    const bool intermediate = IsIntermediateAnnex(code);

    for (const GroupRule& rule : kGroupRules) {
        const bool on = groupShown(rule, in);
        for (int i = 0; i < rule.count; ++i)
            set(rule.ids[static_cast<std::size_t>(i)], on);
    }

    const AnnexForm& form = formOf(code);
    for (int k = 1; k <= 18; ++k) {
        const auto selector = subjectSelector(k);
        const SubjectList list = SelectorList(k, code);
        // The intermediate certificates label every row without a selector.
        const bool labelOn = intermediate ? !selector : rowLabel(form, k);
        const bool rowOn = labelOn || list != SubjectList::None;
        set(labelF(k), labelOn);
        if (selector)
            set(*selector, list != SubjectList::None);
        set(editF(k), rowOn);
        set(editFZ(k), rowOn && in.zeigeZusatz);
        set(levelSelector(k), rowOn && (intermediate || rowLevel(form, k)));
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
    switch (rowList(formOf(anlageFaecher), k)) {
    case 'A': return SubjectList::A;
    case 'B': return SubjectList::B;
    case 'C': return SubjectList::C;
    default: return SubjectList::None;
    }
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
    walkRules(VisibilityInput {}, [&](ControlId c, bool) { decided.set(index(c)); });
    return decided;
}

} // namespace ruvek::editor
