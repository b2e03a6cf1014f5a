#pragma once
// Operations on the record list of the open class as a whole: adding a
// student, marking one deleted and removing the marked ones for good, the
// record clipboard, the sort orders, and the walk over "all following
// students" that the bulk commands and the series printing share.
//
// The operations change the list only. Storing the editor's form into the
// current record happens before them, in the window (each function says
// where); what the window must do afterwards (show the current record,
// rebuild the student list, show the take-over labels) comes back in the
// outcome.
#include "classfile/OpenClass.h"
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// What the window does after a list operation.
struct CollectionOutcome {
    bool done = false;          // the operation ran (not refused, not cancelled)
    bool showRecord = false;    // show the current record again
    bool rebuildList = false;   // rebuild the student list and select the current record
    bool takeOverLabels = false; // show Label64..Label66 on "Zeugnis-Kopf" until the next store
    bool operator==(const CollectionOutcome&) const = default;
};

// ---- Adding a student ----

// The names typed into the new-student dialog (Windows-1252).
struct NewStudentName {
    std::string name;
    std::string vorname;
};

// What the dialog's OK makes of the typed texts: an empty name becomes
// "???"; both are cut to 30 characters.
NewStudentName newStudentNameFromDialog(std::string_view name, std::string_view vorname);

// The labels shown after adding with the take-over from the predecessor.
inline constexpr const char* kLabel64 = "Achtung!!!";
inline constexpr const char* kLabel65 =
    "lt. eingestellter Programm-Option werden auf verschieden Registerkarten einige Felder vom Vorgänger "
    "übernommen!";
inline constexpr const char* kLabel66 = "Prüfen Sie unbedingt die Richtigkeit der Daten!";

// Puts `rec` into the list right after the current record; the current
// index stays.
void insertAfterCurrent(OpenClass& oc, const TZgnRec& rec);

// Copies the class data of the predecessor into `rec`: the year of the birth
// date, personal and head data, and two subject names (slots 2 and 9 at
// school type 3, otherwise 4 and 16).
void takeOverFromPredecessor(TZgnRec& rec, const TZgnRec& predecessor, SchoolType schoolType);

// Add: the form has been stored (or, on the table page, the new-student
// dialog answered with OK and its names are given). Inserts a new record
// after the current one and makes it current. Every field of the new record
// has its default or 0, never what an earlier record left behind. With
// `takeOverFromPredecessorData` (program setting VorgaengerDaten) the record
// takes the class data of the record before it.
CollectionOutcome addRecord(OpenClass& oc, bool takeOverFromPredecessorData,
                            const std::optional<NewStudentName>& dialogNames = std::nullopt);

// Adds up to `count` new records after the current one, in one pass over
// the list: the same records, key numbers and Zufall draws as `count` calls
// of addRecord, each after the record added before it (so with the
// take-over each record takes over from its predecessor as filled in).
// `fill(rec, n)` fills the n-th new record. Stops at kMaxRecords; the
// current index stays. Returns the number of records added.
std::size_t addRecordsAfterCurrent(OpenClass& oc, std::size_t count, bool takeOverFromPredecessorData,
                                   const std::function<void(TZgnRec&, std::size_t)>& fill);

// ---- Deleting ----

inline constexpr const char* kMsgNotAllowedToDelete = "Sie sind nicht berechtigt Datensätze zu löschen!";
inline constexpr const char* kAskDelete = "Wollen Sie diesen Datensatz löschen?";
inline constexpr const char* kAskRemoveMarked =
    "Wollen Sie die gelöschten Datensätze jetzt wirklich und endgültig aus der Datenbank löschen?";

// The permission check of delete and cut (program setting DarfLoeschen):
// without it the error message, and false. Runs before the form is stored.
bool deletePermitted(bool darfLoeschen, Prompter& prompter);

// Delete (mark), after the permission check and the store: asks; Yes marks
// the current record deleted (Status 0) and sets the changed flag. The
// record is shown again either way. When deleted records are not listed
// (`showsDeleted` false) the current record moves on to the next listed
// one, or the one before it when none follows.
CollectionOutcome markCurrentDeleted(OpenClass& oc, Prompter& prompter, bool showsDeleted = true);

// Remove marked, after the form has been stored: asks; Yes removes every
// record with Status 0 for good. The current index moves down by one for
// every removed record that stood before it, so it keeps designating the
// same record; when the current record itself goes, the one after it (the
// last, at the end) becomes current. The class never becomes empty: when its
// only record is marked, that record starts afresh as a new record.
CollectionOutcome removeMarked(OpenClass& oc, Prompter& prompter);

// ---- The record clipboard (not the operating system's clipboard) ----

// Copy: the clipboard gets the current record as last stored.
void copyRecord(OpenClass& oc);

// Cut, after the form has been stored: copy, then delete (mark) with its
// permission check and question.
CollectionOutcome cutRecord(OpenClass& oc, bool darfLoeschen, Prompter& prompter);

// Paste, after the form has been stored: a copy of the clipboard record goes
// right after the current record, which stays current; the changed flag is
// set. The pasted record keeps its key number.
CollectionOutcome pasteRecord(OpenClass& oc);

// ---- Sorting ----

// Names and class names compare in the German list order (common/GermanOrder.h).
enum class SortOrder {
    NameAscending,
    NameDescending,
    KeyAscending,
    KeyDescending,
    ClassAscending,
    ClassDescending,
    GirlsFirst, // class book: girls, boys, not set; then by name
    BoysFirst,  // class book: not set, boys, girls; then by name
};

// Strings compare by their Windows-1252 byte values; a prefix is smaller.
int compareOrdinal(std::string_view a, std::string_view b);

// Whether `a` belongs after `b` in the given order (the pair (a, b) would be
// exchanged).
bool outOfOrder(SortOrder order, const TZgnRec& a, const TZgnRec& b);

// A sort needs two records at least; with fewer it does nothing at all, not
// even store the form.
bool sortApplies(const OpenClass& oc);

// Sorts the whole list, marked records included; equal records keep their
// relative order. The current index stays (designating whatever record
// sorted into that place); the changed flag is set. The form has been
// stored before.
CollectionOutcome sortRecords(OpenClass& oc, SortOrder order);

// ---- All following students ----

// The record that ends a class in the walks: an active record whose name is
// "???", "  - - -" or empty, a record never filled.
bool endsClass(const TZgnRec& rec);

// The records a command "for all following students" reaches: from `start`
// to the end of the list, the active ones (Status 1), up to but not
// including the first record that ends the class. Without `stopAtUnnamed`
// the walk goes to the end. Returns record indices in list order.
std::vector<std::size_t> followingStudents(std::span<const TZgnRec> records, std::size_t start,
                                           bool stopAtUnnamed = true);

} // namespace ruvek
