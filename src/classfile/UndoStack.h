#pragma once
// Undo and redo of the commands that change many records at once (sorts,
// removing the marked records, paste, the bulk take-over, imports, the
// subject-wise entry, clearing grades). Each such command leaves the record
// list as it was before on the stack, under the command's name; undo puts
// that list back and keeps the replaced one for redo. Records are plain
// bytes, so a snapshot restores the list exactly.
//
// Changes made after a command (typing stored into a record, a deleted
// mark) are not commands of their own: undoing the command would drop them,
// so `undoLosesChanges` tells the caller to ask first.
#include "classfile/ClassFile.h"

#include <cstdint>
#include <deque>
#include <string>

namespace ruvek {

class OpenClass;

struct ListSnapshot {
    TDB2 records;
    int current = 0;
};

// A fingerprint of a list and its current index (to notice any change).
std::uint64_t listFingerprint(const TDB2& records, int current);

class UndoStack {
public:
    // At most `maxLevels` commands and about `maxBytes` of snapshots are kept
    // (the oldest go first; the newest always stays).
    explicit UndoStack(std::size_t maxLevels = 20, std::size_t maxBytes = 256u << 20);

    static ListSnapshot snapshot(const OpenClass& oc);

    // After a command ran: `before` is the list as it was. Nothing is kept
    // when the command changed nothing (refused, cancelled). Clears redo.
    bool record(std::string name, ListSnapshot before, const OpenClass& after);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The names of the commands undo and redo would handle ("" when none).
    std::string undoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
    std::string redoName() const { return redo_.empty() ? std::string() : redo_.back().name; }
    std::size_t undoLevels() const { return undo_.size(); }
    std::size_t redoLevels() const { return redo_.size(); }

    // Whether the list was changed since the command undo (redo) would take
    // back (put back) left it: those changes would be lost.
    bool undoLosesChanges(const OpenClass& oc) const;
    bool redoLosesChanges(const OpenClass& oc) const;

    // Puts the list back and sets the changed flag. False when there is nothing to undo.
    bool undo(OpenClass& oc);
    bool redo(OpenClass& oc);

    // The window showed the record after the last step (which may lay out
    // its subject slots): that list is what the step left behind.
    void noteShown(const OpenClass& oc);

    void clear();

private:
    struct Entry {
        std::string name;
        ListSnapshot state;          // the list to put back
        std::uint64_t leftBehind = 0; // fingerprint of the list the step left
    };
    static bool step(std::deque<Entry>& from, std::deque<Entry>& to, OpenClass& oc);
    void trim();

    std::size_t maxLevels_;
    std::size_t maxBytes_;
    std::deque<Entry> undo_;
    std::deque<Entry> redo_;
    std::deque<Entry>* lastStep_ = nullptr;   // the stack the last step pushed onto
};

} // namespace ruvek
