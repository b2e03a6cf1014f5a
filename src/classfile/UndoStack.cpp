#include "classfile/UndoStack.h"

#include "classfile/OpenClass.h"

#include <cstring>

namespace ruvek {

namespace {
struct Fnv {
    std::uint64_t h = 1469598103934665603ull;
    template <class T>
    void add(const T& value)
    {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
        for (std::size_t i = 0; i < sizeof value; ++i)
            h = (h ^ p[i]) * 1099511628211ull;
    }
    void add(std::string_view text)
    {
        for (unsigned char c : text)
            h = (h ^ c) * 1099511628211ull;
        h = (h ^ 0xff) * 1099511628211ull;
    }
};
} // namespace

// The user's data of each record, as the editor watches it for changes:
// what storing and showing a record derive on their own (the annex fields,
// reserved bytes behind a text's end) leaves the fingerprint as it is.
std::uint64_t listFingerprint(const TDB2& records, int current)
{
    Fnv f;
    f.add(current);
    f.add(records.size());
    for (const TZgnRec& r : records) {
        f.add(r.Status);
        f.add(r.SchlNr);
        f.add(r.Weiblich);
        for (std::int16_t v : {r.ZgnTyp, r.Ebene, r.Klassenstufe, r.Empfehlung, r.NichtDrucken, r.UePruefung,
                               r.Bestanden, r.Halbjahr1, r.AbschlArt, r.Praedikat, r.Klassenart})
            f.add(v);
        for (std::string_view t : {r.Name.view(), r.Vorname.view(), r.GebDatum.view(), r.SjBeginn.view(),
                                   r.Klasse.view(), r.KlLehrer.view(), r.NeueSchule.view(), r.Jahrgang.view(),
                                   r.Fehltage.view(), r.FehltageE.view(), r.ZgnOrt.view(), r.ZgnDatum.view(),
                                   r.Datum2.view(), r.PrFach.view()})
            f.add(t);
        f.add(r.LEBText.view());
        f.add(r.Vermerke.view());
        f.add(r.FLInfo.view());
        for (const TFachEintrag& slot : r.Faecher)
            for (std::string_view t :
                 {slot.Fach.view(), slot.Note.view(), slot.Zusatz.view(), slot.Niveau.view(), slot.Hinweis.view()})
                f.add(t);
    }
    return f.h;
}

UndoStack::UndoStack(std::size_t maxLevels, std::size_t maxBytes) : maxLevels_(maxLevels), maxBytes_(maxBytes) {}

ListSnapshot UndoStack::snapshot(const OpenClass& oc) { return {oc.records, oc.current}; }

bool UndoStack::record(std::string name, ListSnapshot before, const OpenClass& after)
{
    const std::uint64_t now = listFingerprint(after.records, after.current);
    if (now == listFingerprint(before.records, before.current))
        return false;
    undo_.push_back({std::move(name), std::move(before), now});
    redo_.clear();
    lastStep_ = &undo_;
    trim();
    return true;
}

bool UndoStack::undoLosesChanges(const OpenClass& oc) const
{
    return canUndo() && undo_.back().leftBehind != listFingerprint(oc.records, oc.current);
}

bool UndoStack::redoLosesChanges(const OpenClass& oc) const
{
    return canRedo() && redo_.back().leftBehind != listFingerprint(oc.records, oc.current);
}

bool UndoStack::step(std::deque<Entry>& from, std::deque<Entry>& to, OpenClass& oc)
{
    if (from.empty())
        return false;
    Entry entry = std::move(from.back());
    from.pop_back();
    Entry back{entry.name, snapshot(oc), listFingerprint(entry.state.records, entry.state.current)};
    oc.records = std::move(entry.state.records);
    oc.listReshaped();
    oc.current = entry.state.current;
    // The list now differs from what the file holds (or may: a save in
    // between wrote the other state).
    oc.changed = true;
    to.push_back(std::move(back));
    return true;
}

bool UndoStack::undo(OpenClass& oc)
{
    lastStep_ = &redo_;
    return step(undo_, redo_, oc);
}

bool UndoStack::redo(OpenClass& oc)
{
    lastStep_ = &undo_;
    return step(redo_, undo_, oc);
}

void UndoStack::noteShown(const OpenClass& oc)
{
    if (lastStep_ && !lastStep_->empty())
        lastStep_->back().leftBehind = listFingerprint(oc.records, oc.current);
}

void UndoStack::clear()
{
    undo_.clear();
    redo_.clear();
    lastStep_ = nullptr;
}

void UndoStack::trim()
{
    const auto bytes = [this] {
        std::size_t total = 0;
        for (const Entry& e : undo_)
            total += e.state.records.size() * sizeof(TZgnRec);
        return total;
    };
    while (undo_.size() > 1 && (undo_.size() > maxLevels_ || bytes() > maxBytes_))
        undo_.pop_front();
}

} // namespace ruvek
