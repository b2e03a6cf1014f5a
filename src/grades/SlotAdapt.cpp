#include "grades/SlotAdapt.h"

#include "forms/AnnexCatalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// A set of slot groups of the form catalogue; `keine` adds the code
// annex::Keine (a record whose slots were laid out for no valid form).
struct Groups {
    std::uint32_t bits = 0;
    bool keine = false;

    Groups(std::initializer_list<SlotGroup> groups)
    {
        for (SlotGroup g : groups)
            bits |= bit(g);
    }
    static std::uint32_t bit(SlotGroup g) { return std::uint32_t{1} << static_cast<unsigned>(g); }

    Groups operator+(const Groups& other) const
    {
        Groups sum = *this;
        sum.bits |= other.bits;
        sum.keine = sum.keine || other.keine;
        return sum;
    }

    bool contains(int code) const
    {
        if (code == annex::Keine)
            return keine;
        const SlotGroup g = SlotGroupOf(code);
        return g != SlotGroup::None && (bits & bit(g)) != 0;
    }
};

Groups keine()
{
    Groups g{};
    g.keine = true;
    return g;
}

struct Row {
    Groups newCodes;
    Groups oldCodes;
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
    using G = SlotGroup;
    const Groups none = keine();
    const Groups hs = {G::Hauptschule};
    const Groups rs = {G::Realschule};
    const Groups rsEnd = {G::RealschuleAbschluss};
    const Groups reg = {G::RegionaleSchule, G::BerufsreifeLeistung};
    const Groups regAssessed = {G::BerufsreifeLeistung};
    const Groups br = {G::Berufsreife};
    const Groups mr = {G::MittlereReife};
    const Groups gym = {G::Gymnasium, G::GymnasiumPruefung};
    const Groups gymYear = {G::Gymnasium};
    const Groups exam = {G::GymnasiumPruefung};
    const Groups gymLeaving = {G::GymnasiumAbgang};
    const Groups igs56 = {G::Gesamtschule56};
    const Groups igs = {G::Gesamtschule};
    const Groups igsEnd = {G::GesamtschuleAbgang};
    const Groups os = {G::Orientierungsstufe};
    const Groups gs1 = {G::Grundschule1};
    const Groups gs = {G::Grundschule};

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
        {gs, gs, {B()}},
        {hs, os, {B()}, true},
        {rs, os, {B()}, true},
        {rsEnd, rs, {B()}},
        {rsEnd, os, {B()}, true},
        {reg, os, {B()}, true},
        {br, reg + mr + igs, {B()}},
        {br, os, {B()}, true},
        {mr, reg, {B()}},
        {mr, os, {B()}, true},
        {gymYear, gymLeaving + igs + igsEnd, {B()}},
        {gymYear, os, {B()}, true},
        {gymLeaving, gym, {B()}},
        {gymLeaving, os, {B()}, true},
        {exam, hs + rs + reg + br + mr + gymLeaving + igs + igsEnd, {B()}},
        {exam, os, {B()}, true},
        {igs56, os, {B()}, true},
        {igs, gym + igsEnd, {B()}},
        {igs, os, {B()}, true},
        {igsEnd, gym + igs, {B()}},
        {igsEnd, os, {B()}, true},
        {os, gym + gymLeaving + igsEnd, {B()}},

        {gs1, none + gs1, {}},
        {gs1, gs, {C18()}},
        {gs, none + gs, {S(2)}},
        {gs, gs1, {C18()}},

        {hs, none + hs + br, {}},
        {hs, regAssessed + igsEnd, {M(4, 3, 6), C(9)}},
        {hs, mr, {M(4, 3, 6), C(9), M(13, 14, 3), S(13)}},
        {hs, igs, {M(4, 3, 6), C(9), M(11, 10, 8), C(18)}},
        {hs, os,
         {M(4, 3, 3), S(6), M(8, 7, 2), C(9), M(11, 12, 1), S(11), M(13, 14, 3), S(13), C(17), C(18)}, true},

        {rs, none + rs + reg + igsEnd, {}},
        {rs, rsEnd, {M(13, 14, 3), S(13)}},
        {rs, os, {S(7), M(11, 12, 1), S(11), M(13, 14, 3), S(13), C(17), C(18)}, true},

        {rsEnd, none + rsEnd, {}},
        {rsEnd, hs + br, {M(3, 4, 6), C(2), M(14, 13, 4), C(17), C(18)}},
        {rsEnd, rs, {M(14, 13, 3), S(16)}},
        {rsEnd, igs, {M(11, 10, 3), S(16), M(15, 13, 4), C(17), C(18)}},
        {rsEnd, igsEnd, {M(14, 13, 5), C(18)}},
        {rsEnd, os, {S(7), M(11, 12, 1), S(11)}, true},

        {reg, none + rs + reg + igsEnd, {}},
        {reg, hs + br, {M(3, 4, 6), C(3)}},
        {reg, mr, {M(13, 14, 3), S(13)}},
        {reg, igs, {M(11, 10, 8), C(18)}},
        {reg, os, {S(7), M(11, 12, 1), S(11), M(13, 14, 5), S(13)}, true},

        {br, none + hs, {}},
        {br, reg, {M(3, 4, 6), C(3)}},
        {br, mr, {M(13, 14, 3), S(13)}},
        {br, igs, {M(11, 10, 8), C(18)}},
        {br, igsEnd, {M(4, 3, 6), C(9)}},
        {br, os, {M(4, 3, 3), S(6), M(8, 7, 2), C(9), M(11, 12, 1), S(11), M(13, 14, 5), S(13)}, true},

        {mr, none, {}},
        {mr, hs + br, {M(3, 4, 6), C(3), M(14, 13, 3), C(16)}},
        {mr, reg, {M(14, 13, 3), S(16)}},
        {mr, igs, {M(11, 10, 3), M(15, 13, 4), C(17), C(18)}},
        {mr, igsEnd, {M(14, 13, 5), C(18)}},
        {mr, os, {S(7), M(11, 12, 1), S(11)}, true},

        {gym, none + gym, {}},
        {gym, hs + br, {M(3, 4, 6), C(3), N(8), M(14, 15, 4), S(14)}},
        {gym, rs + reg, {N(8), M(14, 15, 4), S(14)}},
        {gym, mr, {N(8), M(13, 15, 4), S(13), S(14)}},
        {gym, gymLeaving, {M(10, 9, 5), S(14)}},
        {gym, igs, {S(8), M(11, 10, 4), S(14)}},
        {gym, igsEnd, {S(8), M(14, 15, 4), C(18)}},
        {gym, os, {S(7), M(11, 12, 1), S(11), M(11, 12, 1), S(11), M(13, 15, 4), S(13), S(14)}, true},

        {gymLeaving, none, {M(9, 10, 5), M(6, 9, 1), M(7, 6, 1), M(9, 7, 1)}},
        {gymLeaving, gym, {M(9, 10, 5), C(9)}},
        {gymLeaving, os,
         {M(13, 15, 4), M(12, 11, 1), M(6, 7, 1), M(11, 13, 1), M(9, 10, 2), S(6), S(12), S(14)}, true},

        {igs56, none, {}},
        {igs56, os, {M(4, 3, 1), M(7, 4, 3), M(12, 10, 6)}, true},

        {igs, none, {}},
        {igs, hs + br, {M(3, 4, 6), C(3), M(10, 11, 7), S(10)}},
        {igs, rsEnd, {M(13, 15, 3), M(10, 11, 3), S(10), S(14)}},
        {igs, gym, {M(10, 11, 4), S(14), S(8)}},
        {igs, igsEnd, {M(11, 10, 7), C(17)}},
        {igs, os,
         {S(7), M(13, 15, 4), M(12, 14, 1), M(11, 10, 1), M(11, 13, 1), M(14, 10, 1), S(12), S(14)}, true},

        {igsEnd, none + reg + igsEnd, {}},
        {igsEnd, gym, {S(8), M(14, 15, 4), S(14)}},
        {igsEnd, igs, {M(10, 11, 7), S(10)}},
        {igsEnd, os, {S(7), M(13, 14, 5), M(11, 12, 1), S(11), S(13)}, true},

        {os, none, {S(7), M(12, 11, 1), S(12), M(14, 13, 5), C(18)}, false, {RegionaleSchule, Realschule}},
        {os, none, {S(7), M(10, 12, 1), M(11, 10, 1), M(13, 11, 1), M(15, 13, 4), C(17), C(18)}, false, {IntegrierteGesamtschule}},
        {os, none, {S(7), S(8), M(12, 11, 1), S(12), M(15, 13, 4), C(17), C(18)}, false, {Gymnasium}},
        {os, none, {S(7), M(9, 8, 1), C(9), M(12, 11, 1), S(12), M(14, 13, 5), C(18)}, false, {Hauptschule}},
        {os, none, setAll, true},
        {os, hs + br,
         {M(3, 4, 3), C(3), M(7, 8, 2), S(7), M(12, 11, 1), S(12), M(14, 13, 3), C(16), C(17), C(18)}},
        {os, reg, {S(7), M(12, 11, 1), S(12), M(14, 13, 3), C(16), C(17), C(18)}},
        {os, gym, {S(7), S(8), M(12, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
        {os, gymLeaving, {M(7, 6, 1), S(7), S(8), M(13, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
        {os, igs,
         {S(7), M(13, 12, 1), M(10, 12, 1), M(11, 10, 1), M(13, 11, 1), M(15, 13, 3), C(16), C(17), C(18)}},
        {os, igsEnd, {S(7), M(12, 11, 1), S(12), M(15, 13, 3), C(16), C(17), C(18)}},
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

int DefaultAnnexForSchoolType(SchoolType schoolType) { return DefaultFormOf(schoolType); }

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
