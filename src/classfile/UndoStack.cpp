#include "classfile/UndoStack.h"

#include "classfile/OpenClass.h"

#include <cstring>

namespace ruvek {

std::uint64_t listFingerprint(const TDB2& records, int current)
{
    std::uint64_t h = 1469598103934665603ull ^ static_cast<std::uint64_t>(current) ^ (records.size() << 32);
    for (const TZgnRec& rec : records) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&rec);
        for (std::size_t i = 0; i < sizeof rec; ++i)
            h = (h ^ p[i]) * 1099511628211ull;
    }
    return h;
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
    oc.current = entry.state.current;
    // The list now differs from what the file holds (or may: a save in
    // between wrote the other state).
    oc.changed = true;
    to.push_back(std::move(back));
    return true;
}

bool UndoStack::undo(OpenClass& oc) { return step(undo_, redo_, oc); }
bool UndoStack::redo(OpenClass& oc) { return step(redo_, undo_, oc); }

void UndoStack::clear()
{
    undo_.clear();
    redo_.clear();
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
