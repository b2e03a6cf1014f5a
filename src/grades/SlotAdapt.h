#pragma once
// Laying out the subject slots 1..18 of a record for its certificate form.
// Every form lists its subjects in its own order (one slot per row of the
// form, rows from the subject catalogue). When a record's annex code changes,
// the slots are rearranged to the rows of the new form so that the grades
// already entered go with their subjects; a record that never had a decided
// annex gets the first layout of the school's default form; and the canon of
// a form can be rebuilt from scratch.
#include "classfile/ZgnRec.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"
#include "settings/FachKatalog.h"

#include <vector>

namespace ruvek {

// ---- Slot operations (slots are numbered 1..25) ----

// A cleared slot: Fach "???", Note "-", Zusatz empty, Niveau "-", Hinweis empty.
void ClearSlot(TZgnRec& rec, int k);
void ClearSlots1To18(TZgnRec& rec);
// Slot k gets the first catalogue subject (entries 2..50, ascending) whose row
// on the form `annex` is k, with no grade; without such a subject the slot is
// left as it is.
void SetSlot(TZgnRec& rec, int k, int annex, const TFachKatalog& kat);
// Slot k gets the name FachAnPosition(annex, k) ("???" when there is none) and,
// only when a subject was found, an empty Hinweis; grade, addition and level
// letter stay.
void NameSlot(TZgnRec& rec, int k, int annex, const TFachKatalog& kat);
// Copies the `count` slots from..from+count-1 as whole slots to
// to..to+count-1, as if through a buffer. Moving down (to > from) then clears
// the source slots that were not overwritten; moving up clears nothing.
void MoveSlots(TZgnRec& rec, int from, int to, int count);

// Lays slots 1..18 out anew for the rows of the form `annex`, each subject
// following its name: a row the catalogue gives a subject takes the slot
// holding that subject (grade, addition, level and note with it) or, when
// no slot holds it, the catalogue subject without a grade; the form's
// religion row (`religionRow`, 0 = none) takes the slot of a religion or
// philosophy subject; every other row keeps its slot when that holds a
// subject the form has no row for (a foreign language, a subject of the
// student's choice), else it is cleared. Returns true when a graded subject
// found no row (its grade is dropped).
bool FollowSubjectsByName(TZgnRec& rec, int annex, int religionRow, const TFachKatalog& kat);

// ---- The transition table ----

struct SlotOp {
    // ByName: FollowSubjectsByName with the religion row in `a`.
    enum Kind { Clear, Clear1To18, Set, Name, Move, ByName };
    Kind kind;
    int a = 0;      // slot (Clear, Set, Name), first source slot (Move) or religion row (ByName)
    int b = 0;      // first target slot (Move)
    int count = 0;  // number of slots (Move)
    bool operator==(const SlotOp&) const = default;
};

struct SlotTransition {
    bool handled = false;          // the pair (new, old) has a row
    bool warning = false;          // the row asks for the warning
    std::vector<SlotOp> ops;       // run strictly in this order
};

// The row for a change of the annex code from oldCode to newCode (which
// differ) at the given school type.
SlotTransition FindSlotTransition(int newCode, int oldCode, SchoolType schoolType);

// Runs the operations in order; Set and Name use `annex`, ByName the rows of
// `rowsAnnex` (the form the record is laid out for; -1 = `annex`). Returns
// true when an operation dropped a graded subject.
bool RunSlotOps(TZgnRec& rec, const std::vector<SlotOp>& ops, int annex, const TFachKatalog& kat,
                int rowsAnnex = -1);

// The form a new record is laid out for (the form catalogue's DefaultFormOf).
int DefaultAnnexForSchoolType(SchoolType schoolType);

// ---- Adaptation at show ----

enum class SlotAdaptResult {
    Unchanged,           // annex code as before: nothing done
    FirstLayout,         // never stored with a decided annex: default form laid out
    Adapted,             // slots rearranged for the new annex
    AdaptedWithWarning,  // rearranged as far as known (or a grade dropped), warning shown
    NotHandled,          // no rule for this change: nothing moved, warning shown
};

inline constexpr const char* kMsgSlotsNotAdapted =
    "Fächer, Bewertungen usw. konnten nicht\noder nur teilweise angepasst werden!\n\n"
    "Die Bewertungen usw. werden sicherheitshalber\nvollständig oder teilweise gelöscht!\n\n"
    "Prüfen Sie unbedingt die Daten!!";

// Called by the editor's show before the annex-dependent visibility is set.
// Sets AnlageFaecher (the annex the controls are laid out for) and, when
// Anlage and AnlageAlt differ or one is negative, lays the slots out anew.
//
// After a change has been adapted, AnlageAlt is set to Anlage, so that a
// second show without a store in between ("Daten zurücksetzen", clearing the
// grades) does not move the slots a second time; the next store sets
// AnlageAlt := Anlage anyway. A record that never had a decided annex keeps
// AnlageAlt -1 until its first store.
SlotAdaptResult AdaptSlotsOnShow(TZgnRec& rec, SchoolType schoolType, const TFachKatalog& kat, Prompter& prompter);

// ---- Rebuilding the canon ("Fächer-Kanon lt. Anl. neu setzen") ----
//
// The command runs: if (!AskRebuildCanon(p)) return; store the form;
// RebuildCanon(current record, ...); set the changed flag; show the record.

inline constexpr const char* kMsgRebuildCanon =
    "Sollen jetzt die Fächer lt. Zeugnisart (Anlage) neu belegt werden?\n\n"
    "(Beachten Sie unbedingt, dass alle variablen Fächer,\n"
    "die Noten, Anspruchsebenen usw. gelöscht werden!\n"
    "Die Verwendung dieser Funktion wird nur empfohlen, wenn die Fächeranordnung\n"
    "durch mehrfaches Wechseln der Zeugnisart (Anlage) durcheinander gekommen ist!)\n";

// The warning question; true = Yes.
bool AskRebuildCanon(Prompter& prompter);

// After the store: Anlage becomes AnlageAlt (the code of the last show), or
// the school type's default form when that was undecided or 0; slots 1..18
// are cleared and named from the catalogue rows of the canon code (21 for the
// examination forms 24 and 25), which also goes into AnlageFaecher.
void RebuildCanon(TZgnRec& rec, SchoolType schoolType, const TFachKatalog& kat);

} // namespace ruvek
