#include "classfile/RecordCollection.h"

#include "classfile/StudentRecord.h"
#include "common/GermanOrder.h"

#include <algorithm>
#include <array>

namespace ruvek {
namespace {

std::size_t currentIndex(const OpenClass& oc) { return static_cast<std::size_t>(oc.current); }

// A record with the new-record defaults and 0 in every field that has no
// default, for list position `self`.
TZgnRec freshRecord(OpenClass& oc, std::size_t self)
{
    TZgnRec rec{};
    initialiseRecord(rec, oc.records, oc.schoolType, oc.random, self);
    return rec;
}

std::string cut(std::string_view text, std::size_t n) { return std::string(text.substr(0, n)); }

} // namespace

NewStudentName newStudentNameFromDialog(std::string_view name, std::string_view vorname)
{
    return {name.empty() ? std::string("???") : cut(name, 30), cut(vorname, 30)};
}

void insertAfterCurrent(OpenClass& oc, const TZgnRec& rec)
{
    const auto at = oc.records.begin() + static_cast<std::ptrdiff_t>(currentIndex(oc) + 1);
    oc.records.insert(at, rec);
    oc.listReshaped();
}

void takeOverFromPredecessor(TZgnRec& rec, const TZgnRec& pre, SchoolType schoolType)
{
    // Only the year of the birth date (characters 7 to 10): day and month
    // differ from student to student. The length byte stays.
    std::copy(pre.GebDatum.bytes.begin() + 7, pre.GebDatum.bytes.begin() + 11, rec.GebDatum.bytes.begin() + 7);
    rec.PersAngabe = pre.PersAngabe;
    rec.Weiblich = pre.Weiblich;
    rec.MonatJahr1 = pre.MonatJahr1;
    rec.MonatJahr2 = pre.MonatJahr2;
    rec.ZgnTyp = pre.ZgnTyp;
    rec.Ebene = pre.Ebene;
    rec.Klassenstufe = pre.Klassenstufe;
    rec.SjBeginn = pre.SjBeginn;
    rec.Klasse = pre.Klasse;
    rec.KlLehrer = pre.KlLehrer;
    rec.ZgnOrt = pre.ZgnOrt;
    rec.ZgnDatum = pre.ZgnDatum;
    rec.Empfehlung = pre.Empfehlung;
    rec.UePruefung = pre.UePruefung;
    rec.Datum2 = pre.Datum2;
    // The foreign language and religion rows, which are the same for most
    // of a class.
    const bool gesamtschule = schoolType == SchoolType::IntegrierteGesamtschule;
    for (int k : gesamtschule ? std::array{2, 9} : std::array{4, 16})
        rec.slot(k).Fach = pre.slot(k).Fach;
}

CollectionOutcome addRecord(OpenClass& oc, bool takeOverFromPredecessorData,
                            const std::optional<NewStudentName>& dialogNames)
{
    const std::size_t pos = currentIndex(oc) + 1;
    TZgnRec rec = freshRecord(oc, oc.records.size()); // not yet in the list: every key number counts
    if (takeOverFromPredecessorData)
        takeOverFromPredecessor(rec, oc.records[pos - 1], oc.schoolType);
    if (dialogNames) {
        rec.Name = dialogNames->name;
        rec.Vorname = dialogNames->vorname;
    }
    insertAfterCurrent(oc, rec);
    oc.current = static_cast<int>(pos);
    // A new record differs from what any file holds; the window's store
    // would find the same, this does not rely on it.
    oc.changed = true;
    return {.done = true, .showRecord = true, .rebuildList = true, .takeOverLabels = takeOverFromPredecessorData};
}

std::size_t addRecordsAfterCurrent(OpenClass& oc, std::size_t count, bool takeOverFromPredecessorData,
                                   const std::function<void(TZgnRec&, std::size_t)>& fill)
{
    const std::size_t room = kMaxRecords > oc.records.size() ? kMaxRecords - oc.records.size() : 0;
    const std::size_t n = std::min(count, room);
    if (n == 0)
        return 0;
    KeyNumberSequence keys(oc.records);
    std::vector<TZgnRec> added(n);
    for (std::size_t i = 0; i < n; ++i) {
        TZgnRec& rec = added[i];
        initialiseRecordWithKey(rec, keys.take(), oc.schoolType, oc.random);
        if (takeOverFromPredecessorData)
            takeOverFromPredecessor(rec, i == 0 ? oc.currentRecord() : added[i - 1], oc.schoolType);
        fill(rec, i);
    }
    const auto at = oc.records.begin() + static_cast<std::ptrdiff_t>(currentIndex(oc) + 1);
    oc.records.insert(at, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    oc.listReshaped();
    oc.changed = true;
    return n;
}

bool deletePermitted(bool darfLoeschen, Prompter& prompter)
{
    if (!darfLoeschen)
        prompter.error(kMsgNotAllowedToDelete);
    return darfLoeschen;
}

CollectionOutcome markCurrentDeleted(OpenClass& oc, Prompter& prompter, bool showsDeleted)
{
    CollectionOutcome out{.showRecord = true};
    if (prompter.askYesNo(kAskDelete)) {
        oc.currentRecord().Status = 0;
        oc.changed = true;
        out.done = true;
        if (!showsDeleted) {
            // The student just deleted leaves the list; the editor follows
            // the list to the next listed student (or the one before).
            out.rebuildList = true;
            const int n = static_cast<int>(oc.records.size());
            int next = -1;
            for (int i = oc.current + 1; i < n && next < 0; ++i)
                if (oc.records[static_cast<std::size_t>(i)].Status != 0)
                    next = i;
            for (int i = oc.current - 1; i >= 0 && next < 0; --i)
                if (oc.records[static_cast<std::size_t>(i)].Status != 0)
                    next = i;
            if (next >= 0)
                oc.current = next;
        }
    }
    return out;
}

CollectionOutcome removeMarked(OpenClass& oc, Prompter& prompter)
{
    if (!prompter.askYesNo(kAskRemoveMarked))
        return {};
    for (std::size_t i = oc.records.size(); i-- > 0;) {
        if (oc.records[i].Status != 0)
            continue;
        oc.changed = true;
        if (oc.records.size() == 1) {
            oc.records[0] = freshRecord(oc, 0);
            continue;
        }
        oc.records.erase(oc.records.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < currentIndex(oc))
            --oc.current;
    }
    oc.current = std::min(oc.current, static_cast<int>(oc.records.size()) - 1);
    oc.listReshaped();
    return {.done = true, .showRecord = true, .rebuildList = true};
}

void copyRecord(OpenClass& oc) { oc.clipboard = oc.currentRecord(); }

CollectionOutcome cutRecord(OpenClass& oc, bool darfLoeschen, Prompter& prompter)
{
    copyRecord(oc);
    if (!deletePermitted(darfLoeschen, prompter))
        return {};
    return markCurrentDeleted(oc, prompter);
}

CollectionOutcome pasteRecord(OpenClass& oc)
{
    insertAfterCurrent(oc, oc.clipboard);
    oc.changed = true;
    return {.done = true, .showRecord = true, .rebuildList = true};
}

int compareOrdinal(std::string_view a, std::string_view b)
{
    const auto bytes = [](std::string_view s) {
        return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    };
    return bytes(a).compare(bytes(b));
}

namespace {
// Surname, then first name, in the German list order.
int compareNames(const TZgnRec& a, const TZgnRec& b)
{
    return compareGermanNames(a.Name.view(), a.Vorname.view(), b.Name.view(), b.Vorname.view());
}

// Class level as the unsigned number it is compared as, then class name.
int compareClasses(const TZgnRec& a, const TZgnRec& b)
{
    const auto la = static_cast<std::uint16_t>(a.Klassenstufe);
    const auto lb = static_cast<std::uint16_t>(b.Klassenstufe);
    if (la != lb)
        return la < lb ? -1 : 1;
    return compareGerman(a.Klasse.view(), b.Klasse.view());
}

template <class T>
int compareNumbers(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}
} // namespace

bool outOfOrder(SortOrder order, const TZgnRec& a, const TZgnRec& b)
{
    switch (order) {
    case SortOrder::NameAscending: return compareNames(a, b) > 0;
    case SortOrder::NameDescending: return compareNames(a, b) < 0;
    case SortOrder::KeyAscending: return b.SchlNr < a.SchlNr;
    case SortOrder::KeyDescending: return a.SchlNr < b.SchlNr;
    case SortOrder::ClassAscending: return compareClasses(a, b) > 0;
    case SortOrder::ClassDescending: return compareClasses(a, b) < 0;
    case SortOrder::GirlsFirst: {
        const int bySex = compareNumbers(a.Weiblich, b.Weiblich);
        return bySex != 0 ? bySex < 0 : compareNames(a, b) > 0;
    }
    case SortOrder::BoysFirst: {
        const int bySex = compareNumbers(a.Weiblich, b.Weiblich);
        return bySex != 0 ? bySex > 0 : compareNames(a, b) > 0;
    }
    }
    return false;
}

bool sortApplies(const OpenClass& oc) { return oc.records.size() >= 2; }

CollectionOutcome sortRecords(OpenClass& oc, SortOrder order)
{
    if (!sortApplies(oc))
        return {};
    // Every rule is a strict ordering, so a stable sort puts the records in
    // the same order as exchanging out-of-order neighbours until none is left.
    std::stable_sort(oc.records.begin(), oc.records.end(),
                     [order](const TZgnRec& a, const TZgnRec& b) { return outOfOrder(order, b, a); });
    oc.listReshaped();
    oc.changed = true;
    return {.done = true, .showRecord = true, .rebuildList = true};
}

bool endsClass(const TZgnRec& rec)
{
    const std::string_view name = rec.Name.view();
    return rec.Status == 1 && (name == "???" || name == "  - - -" || name.empty());
}

std::vector<std::size_t> followingStudents(std::span<const TZgnRec> records, std::size_t start, bool stopAtUnnamed)
{
    std::vector<std::size_t> reached;
    for (std::size_t i = start; i < records.size(); ++i) {
        if (records[i].Status != 1)
            continue;
        if (stopAtUnnamed && endsClass(records[i]))
            break;
        reached.push_back(i);
    }
    return reached;
}

} // namespace ruvek
