#include "grades/SlotAdapt.h"

#include "common/AnnexCodeSet.h"
#include "forms/AnnexCatalogue.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <initializer_list>

namespace ruvek {
namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = static_cast<int>(kFaecherCount);

bool validSlot(int k) { return k >= kFirstSlot && k <= kLastSlot; }

// ---- Building the table ----

SlotOp C(int k) { return {SlotOp::Clear, k}; }
SlotOp C18() { return {SlotOp::Clear1To18}; }
SlotOp S(int k) { return {SlotOp::Set, k}; }
SlotOp N(int k) { return {SlotOp::Name, k}; }
SlotOp M(int from, int to, int count) { return {SlotOp::Move, from, to, count}; }
// Subjects follow their names; FindSlotTransition gives the operation the
// new form's religion row.
SlotOp B() { return {SlotOp::ByName}; }

using CodeSet = AnnexCodeSet;

struct Row {
    CodeSet newCodes;
    CodeSet oldCodes;
    std::vector<SlotOp> ops;
    bool warning = false;
    // Only the rows of the orientation stage from code 0 name school types;
    // empty = every school type. The row for "any other school type" follows
    // the rows that name theirs, and the first matching row counts.
    std::vector<SchoolType> schoolTypes{};

    bool matches(int newCode, int oldCode, SchoolType schoolType) const
    {
        return newCodes.contains(newCode) && oldCodes.contains(oldCode) &&
               (schoolTypes.empty() ||
                std::find(schoolTypes.begin(), schoolTypes.end(), schoolType) != schoolTypes.end());
    }
};

std::vector<Row> buildTransitionTable()
{
    using enum SchoolType;
    const CodeSet hs = CodeSet{{5, 9}};            // Hauptschule forms and its finals
    const CodeSet rs = CodeSet{10, 11, 12};             // Realschule forms
    const CodeSet reg = CodeSet{15, 16, 17, 19};        // Regionale Schule forms with the Berufsreife 19
    const CodeSet gym = CodeSet{21, 22, 24, 25};        // Gymnasium forms
    const CodeSet igsEnd = CodeSet{28, 29};             // IGS leaving and transfer

    std::vector<SlotOp> setAll;
    setAll.push_back(C18());
    for (int k = 1; k <= 25; ++k)
        setAll.push_back(S(k));

    return {
        // Changes after which the operations of their rows below would print a
        // subject under another subject's label or twice, or drop a graded
        // subject without the warning: the subjects follow their names to the
        // rows of the new form (and its religion row). The
        // warning of the row they replace stays; a dropped grade adds it.
        {{3}, {4}, {B()}},
        {{4}, {3}, {B()}},
        {hs, {104}, {B()}, true},
        {rs, {104}, {B()}, true},
        {{13, 14}, rs, {B()}},
        {{13, 14}, {104}, {B()}, true},
        {reg, {104}, {B()}, true},
        {{18}, reg + CodeSet{20, 27}, {B()}},
        {{18}, {104}, {B()}, true},
        {{20}, reg, {B()}},
        {{20}, {104}, {B()}, true},
        {{21, 22}, {23, 27, 28, 29}, {B()}},
        {{21, 22}, {104}, {B()}, true},
        {{23}, {21, 22, 24, 25}, {B()}},
        {{23}, {104}, {B()}, true},
        {{24, 25}, hs + rs + reg + CodeSet{18, 20, 23, 27, 28, 29}, {B()}},
        {{24, 25}, {104}, {B()}, true},
        {{26}, {104}, {B()}, true},
        {{27}, {21, 22, 24, 25, 28, 29}, {B()}},
        {{27}, {104}, {B()}, true},
        {igsEnd, {21, 22, 24, 25, 27}, {B()}},
        {igsEnd, {104}, {B()}, true},
        {{104}, gym + CodeSet{23} + igsEnd, {B()}},

        {{1, 2}, {0, 1, 2}, {}},
        {{1, 2}, {3, 4}, {C18()}},
        {{3, 4}, {0, 3, 4}, {S(2)}},
        {{3, 4}, {1, 2}, {C18()}},

        {hs, CodeSet{0} + hs + CodeSet{18}, {}},
        {hs, {19, 28, 29}, {M(4, 3, 6), C(9)}},
        {hs, {20}, {M(4, 3, 6), C(9), M(13, 14, 3), S(13)}},
        {hs, {27}, {M(4, 3, 6), C(9), M(11, 10, 8), C(18)}},
        {hs, {104},
         {M(4, 3, 3), S(6), M(8, 7, 2), C(9), M(11, 12, 1), S(11), M(13, 14, 3), S(13), C(17), C(18)}, true},

        {rs, CodeSet{0} + rs + reg + igsEnd, {}},
        {rs, {13, 14}, {M(13, 14, 3), S(13)}},
        {rs, {104}, {S(7), M(11, 12, 1), S(11), M(13, 14, 3), S(13), C(17), C(18)}, true},

        {{13, 14}, {0, 13, 14}, {}},
        {{13, 14}, hs + CodeSet{18}, {M(3, 4, 6), C(2), M(14, 13, 4), C(17), C(18)}},
        {{13, 14}, rs, {M(14, 13, 3), S(16)}},
        {{13, 14}, {27}, {M(11, 10, 3), S(16), M(15, 13, 4), C(17), C(18)}},
        {{13, 14}, igsEnd, {M(14, 13, 5), C(18)}},
        {{13, 14}, {104}, {S(7), M(11, 12, 1), S(11)}, true},

        {reg, CodeSet{0} + rs + reg + igsEnd, {}},
        {reg, hs + CodeSet{18}, {M(3, 4, 6), C(3)}},
        {reg, {20}, {M(13, 14, 3), S(13)}},
        {reg, {27}, {M(11, 10, 8), C(18)}},
        {reg, {104}, {S(7), M(11, 12, 1), S(11), M(13, 14, 5), S(13)}, true},

        {{18}, CodeSet{0} + hs, {}},
        {{18}, reg, {M(3, 4, 6), C(3)}},
        {{18}, {20}, {M(13, 14, 3), S(13)}},
        {{18}, {27}, {M(11, 10, 8), C(18)}},
        {{18}, igsEnd, {M(4, 3, 6), C(9)}},
        {{18}, {104}, {M(4, 3, 3), S(6), M(8, 7, 2), C(9), M(11, 12, 1), S(11), M(13, 14, 5), S(13)}, true},

        {{20}, {0}, {}},
        {{20}, hs + CodeSet{18}, {M(3, 4, 6), C(3), M(14, 13, 3), C(16)}},
        {{20}, reg, {M(14, 13, 3), S(16)}},
        {{20}, {27}, {M(11, 10, 3), M(15, 13, 4), C(17), C(18)}},
        {{20}, igsEnd, {M(14, 13, 5), C(18)}},
        {{20}, {104}, {S(7), M(11, 12, 1), S(11)}, true},

        {gym, CodeSet{0} + gym, {}},
        {gym, hs + CodeSet{18}, {M(3, 4, 6), C(3), N(8), M(14, 15, 4), S(14)}},
        {gym, rs + reg, {N(8), M(14, 15, 4), S(14)}},
        {gym, {20}, {N(8), M(13, 15, 4), S(13), S(14)}},
        {gym, {23}, {M(10, 9, 5), S(14)}},
        {gym, {27}, {S(8), M(11, 10, 4), S(14)}},
        {gym, igsEnd, {S(8), M(14, 15, 4), C(18)}},
        {gym, {104}, {S(7), M(11, 12, 1), S(11), M(11, 12, 1), S(11), M(13, 15, 4), S(13), S(14)}, true},

        {{23}, {0}, {M(9, 10, 5), M(6, 9, 1), M(7, 6, 1), M(9, 7, 1)}},
        {{23}, gym, {M(9, 10, 5), C(9)}},
        {{23}, {104},
         {M(13, 15, 4), M(12, 11, 1), M(6, 7, 1), M(11, 13, 1), M(9, 10, 2), S(6), S(12), S(14)}, true},

        {{26}, {0}, {}},
        {{26}, {104}, {M(4, 3, 1), M(7, 4, 3), M(12, 10, 6)}, true},

        {{27}, {0}, {}},
        {{27}, hs + CodeSet{18}, {M(3, 4, 6), C(3), M(10, 11, 7), S(10)}},
        {{27}, {13, 14}, {M(13, 15, 3), M(10, 11, 3), S(10), S(14)}},
        {{27}, gym, {M(10, 11, 4), S(14), S(8)}},
        {{27}, igsEnd, {M(11, 10, 7), C(17)}},
        {{27}, {104},
         {S(7), M(13, 15, 4), M(12, 14, 1), M(11, 10, 1), M(11, 13, 1), M(14, 10, 1), S(12), S(14)}, true},

        {igsEnd, CodeSet{0} + reg + igsEnd, {}},
        {igsEnd, gym, {S(8), M(14, 15, 4), S(14)}},
        {igsEnd, {27}, {M(10, 11, 7), S(10)}},
        {igsEnd, {104}, {S(7), M(13, 14, 5), M(11, 12, 1), S(11), S(13)}, true},

        {{104}, {0}, {S(7), M(12, 11, 1), S(12), M(14, 13, 5), C(18)}, false, {RegionaleSchule, Realschule}},
        {{104}, {0}, {S(7), M(10, 12, 1), M(11, 10, 1), M(13, 11, 1), M(15, 13, 4), C(17), C(18)}, false, {IntegrierteGesamtschule}},
        {{104}, {0}, {S(7), S(8), M(12, 11, 1), S(12), M(15, 13, 4), C(17), C(18)}, false, {Gymnasium}},
        {{104}, {0}, {S(7), M(9, 8, 1), C(9), M(12, 11, 1), S(12), M(14, 13, 5), C(18)}, false, {Hauptschule}},
        {{104}, {0}, setAll, true},
        {{104}, hs + CodeSet{18},
         {M(3, 4, 3), C(3), M(7, 8, 2), S(7), M(12, 11, 1), S(12), M(14, 13, 3), C(16), C(17), C(18)}},
        {{104}, reg, {S(7), M(12, 11, 1), S(12), M(14, 13, 3), C(16), C(17), C(18)}},
        {{104}, gym, {S(7), S(8), M(12, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
        {{104}, {23}, {M(7, 6, 1), S(7), S(8), M(13, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
        {{104}, {27},
         {S(7), M(13, 12, 1), M(10, 12, 1), M(11, 10, 1), M(13, 11, 1), M(15, 13, 3), C(16), C(17), C(18)}},
        {{104}, igsEnd, {S(7), M(12, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
    };
}

const std::vector<Row>& transitionTable()
{
    static const std::vector<Row> rows = buildTransitionTable();
    return rows;
}

// The first catalogue entry 2..50 that stands in row k of the form, or -1.
int entryAtRow(const TFachKatalog& kat, int annex, int k)
{
    if (annex < 0 || annex >= kFachPositionCount)
        return -1;
    for (int i = 2; i < kFachKatalogCount; ++i) {
        if (kat[i].Position[static_cast<std::size_t>(annex)] == k)
            return i;
    }
    return -1;
}

// "???" and "  - - -" stand for no subject.
bool isEmptySubject(std::string_view fach) { return fach == "???" || fach == "  - - -" || fach.empty(); }

// A grade was given: anything but no grade ("-") and an empty entry.
bool isGrade(std::string_view note) { return !note.empty() && note != "-" && note != " "; }

// Two names of the same subject: equal as far as a slot holds them (30
// characters), or both a beginning of catalogue entry 3's name (the
// "Arbeit-Wirtschaft-Technik" of the Gymnasium forms is the
// "Arbeit-Wirtschaft-Technik u. Informatik" of the others).
bool sameSubject(const TFachKatalog& kat, std::string_view a, std::string_view b)
{
    constexpr std::size_t kSlotChars = 30;
    if (a.substr(0, kSlotChars) == b.substr(0, kSlotChars))
        return true;
    const std::string_view full = kat[3].FachName.view();
    auto beginsFull = [&](std::string_view n) { return !n.empty() && full.substr(0, n.size()) == n; };
    return beginsFull(a) && beginsFull(b);
}

} // namespace

void ClearSlot(TZgnRec& rec, int k)
{
    if (!validSlot(k))
        return;
    auto& s = rec.slot(k);
    s.Fach = "???";
    s.Note = "-";
    s.Zusatz = "";
    s.Niveau = "-";
    s.Hinweis = "";
}

void ClearSlots1To18(TZgnRec& rec)
{
    for (int k = 1; k <= 18; ++k)
        ClearSlot(rec, k);
}

void SetSlot(TZgnRec& rec, int k, int annex, const TFachKatalog& kat)
{
    if (!validSlot(k))
        return;
    const int e = entryAtRow(kat, annex, k);
    if (e < 0)
        return;
    auto& s = rec.slot(k);
    s.Fach = kat[e].FachName.view();  // the slot holds the first 30 characters
    s.Note = "-";
    s.Zusatz = "";
    s.Niveau = "-";
    s.Hinweis = "";
}

void NameSlot(TZgnRec& rec, int k, int annex, const TFachKatalog& kat)
{
    if (!validSlot(k))
        return;
    auto& s = rec.slot(k);
    s.Fach = FachAnPosition(kat, annex, k);
    if (entryAtRow(kat, annex, k) >= 0)
        s.Hinweis = "";
}

void MoveSlots(TZgnRec& rec, int from, int to, int count)
{
    if (count <= 0 || !validSlot(from) || !validSlot(to) || !validSlot(from + count - 1) ||
        !validSlot(to + count - 1))
        return;
    std::vector<TFachEintrag> buffer;
    for (int i = 0; i < count; ++i)
        buffer.push_back(rec.slot(from + i));
    for (int i = 0; i < count; ++i)
        rec.slot(to + i) = buffer[static_cast<std::size_t>(i)];
    if (to > from) {
        for (int k = from; k < std::min(from + count, to); ++k)
            ClearSlot(rec, k);
    }
}

SlotTransition FindSlotTransition(int newCode, int oldCode, SchoolType schoolType)
{
    for (const auto& row : transitionTable()) {
        if (!row.matches(newCode, oldCode, schoolType))
            continue;
        SlotTransition t{true, row.warning, row.ops};
        for (SlotOp& op : t.ops)
            if (op.kind == SlotOp::ByName)
                op.a = ReligionRowOf(newCode);
        return t;
    }
    return {false, true, {}};
}

bool RunSlotOps(TZgnRec& rec, const std::vector<SlotOp>& ops, int annex, const TFachKatalog& kat, int rowsAnnex)
{
    bool dropped = false;
    for (const auto& op : ops) {
        switch (op.kind) {
        case SlotOp::Clear: ClearSlot(rec, op.a); break;
        case SlotOp::Clear1To18: ClearSlots1To18(rec); break;
        case SlotOp::Set: SetSlot(rec, op.a, annex, kat); break;
        case SlotOp::Name: NameSlot(rec, op.a, annex, kat); break;
        case SlotOp::Move: MoveSlots(rec, op.a, op.b, op.count); break;
        case SlotOp::ByName:
            dropped = FollowSubjectsByName(rec, rowsAnnex < 0 ? annex : rowsAnnex, op.a, kat) || dropped;
            break;
        }
    }
    return dropped;
}

bool FollowSubjectsByName(TZgnRec& rec, int annex, int religionRow, const TFachKatalog& kat)
{
    std::array<TFachEintrag, 18> before{};
    for (int k = 1; k <= 18; ++k)
        before[static_cast<std::size_t>(k - 1)] = rec.slot(k);
    std::array<bool, 18> placed{};
    auto old = [&](int j) -> const TFachEintrag& { return before[static_cast<std::size_t>(j - 1)]; };
    auto subject = [&](int j) { return !isEmptySubject(old(j).Fach.view()); };
    auto take = [&](int k, int j) {
        rec.slot(k) = old(j);
        placed[static_cast<std::size_t>(j - 1)] = true;
    };
    auto onForm = [&](std::string_view fach) {
        for (int p = 1; p <= 18; ++p) {
            const int e = entryAtRow(kat, annex, p);
            if (e >= 0 && sameSubject(kat, kat[e].FachName.view(), fach))
                return true;
        }
        return false;
    };
    // The rows the catalogue gives a subject, and the religion row.
    std::array<bool, 18> done{};
    for (int k = 1; k <= 18; ++k) {
        const int e = entryAtRow(kat, annex, k);
        if (e < 0)
            continue;
        done[static_cast<std::size_t>(k - 1)] = true;
        int from = 0;
        for (int j = 1; j <= 18 && from == 0; ++j)
            if (!placed[static_cast<std::size_t>(j - 1)] && subject(j) &&
                sameSubject(kat, kat[e].FachName.view(), old(j).Fach.view()))
                from = j;
        if (from != 0) {
            take(k, from);
            rec.slot(k).Fach = kat[e].FachName.view(); // the form's name of the subject
        } else {
            ClearSlot(rec, k);
            SetSlot(rec, k, annex, kat);
        }
    }
    if (religionRow >= 1 && religionRow <= 18 && !done[static_cast<std::size_t>(religionRow - 1)]) {
        done[static_cast<std::size_t>(religionRow - 1)] = true;
        int from = 0;
        // The slot of the religion row itself first, then any other.
        if (subject(religionRow) && IsReligionSubject(kat, old(religionRow).Fach.view()))
            from = religionRow;
        for (int j = 1; j <= 18 && from == 0; ++j)
            if (subject(j) && IsReligionSubject(kat, old(j).Fach.view()))
                from = j;
        if (from != 0)
            take(religionRow, from);
        else
            ClearSlot(rec, religionRow);
    }
    // The other rows keep a subject the form has no row for.
    for (int k = 1; k <= 18; ++k) {
        if (done[static_cast<std::size_t>(k - 1)])
            continue;
        const bool keep = subject(k) && !placed[static_cast<std::size_t>(k - 1)] && !onForm(old(k).Fach.view()) &&
                          !(religionRow != 0 && IsReligionSubject(kat, old(k).Fach.view()));
        if (keep)
            take(k, k);
        else
            ClearSlot(rec, k);
    }
    bool dropped = false;
    for (int j = 1; j <= 18; ++j)
        if (!placed[static_cast<std::size_t>(j - 1)] && subject(j) && isGrade(old(j).Note.view()))
            dropped = true;
    return dropped;
}

int DefaultAnnexForSchoolType(SchoolType schoolType)
{
    using enum SchoolType;
    switch (schoolType) {
    case Grundschule: return 3;
    case RegionaleSchule: return 15;
    case IntegrierteGesamtschule: return 27;
    case Gymnasium: return annex::GymnasiumJahr;
    case Hauptschule: return 5;
    case Realschule: return 10;
    default: return 15;
    }
}

SlotAdaptResult AdaptSlotsOnShow(TZgnRec& rec, SchoolType schoolType, const TFachKatalog& kat, Prompter& prompter)
{
    rec.AnlageFaecher = rec.Anlage;
    if (rec.Anlage < 0 || rec.AnlageAlt < 0) {
        rec.Anlage = DefaultAnnexForSchoolType(schoolType);
        ClearSlots1To18(rec);
        rec.AnlageFaecher = rec.Anlage;
        for (int k = 1; k <= 18; ++k)
            SetSlot(rec, k, rec.Anlage, kat);
        return SlotAdaptResult::FirstLayout;
    }
    if (rec.Anlage == rec.AnlageAlt)
        return SlotAdaptResult::Unchanged;

    const int newCode = rec.Anlage;
    const int oldCode = rec.AnlageAlt;
    // The examination certificates have no rows of their own: at the schools
    // that issue them their subjects stay on the rows of the year certificate.
    const bool examinationSchool =
        schoolType == SchoolType::IntegrierteGesamtschule || schoolType == SchoolType::Gymnasium;
    rec.AnlageFaecher = examinationSchool ? SlotRowsForm(newCode) : newCode;
    if (rec.AnlageFaecher == 0 && oldCode > 0)
        rec.AnlageFaecher = oldCode;

    const SlotTransition t = FindSlotTransition(newCode, oldCode, schoolType);
    const bool dropped = RunSlotOps(rec, t.ops, newCode, kat, rec.AnlageFaecher);
    rec.AnlageAlt = rec.Anlage;
    const bool warn = t.warning || dropped;
    if (warn)
        prompter.warning(kMsgSlotsNotAdapted);
    if (!t.handled)
        return SlotAdaptResult::NotHandled;
    return warn ? SlotAdaptResult::AdaptedWithWarning : SlotAdaptResult::Adapted;
}

bool AskRebuildCanon(Prompter& prompter) { return prompter.askYesNo(kMsgRebuildCanon, MessageKind::Warning); }

void RebuildCanon(TZgnRec& rec, SchoolType schoolType, const TFachKatalog& kat)
{
    if (rec.Anlage < 0 || rec.AnlageAlt < 0 || rec.AnlageAlt == 0)
        rec.Anlage = DefaultAnnexForSchoolType(schoolType);
    else
        rec.Anlage = rec.AnlageAlt;
    ClearSlots1To18(rec);
    // Unlike the adaptation at show, the rebuild lays the examination
    // certificates out on the year certificate's rows at every school type.
    const int canon = SlotRowsForm(rec.Anlage);
    rec.AnlageFaecher = canon;
    for (int k = 1; k <= 18; ++k)
        NameSlot(rec, k, canon, kat);
}

} // namespace ruvek
