#pragma once
// The open class as a document: the one object through which the desktop
// program and the command-line tool open, change, protect and save a class.
//
// The open class itself (records, header, file name, changed flag) and its
// guard (lock, changed-on-disk stamp, kept versions, recovery file) and undo
// stack are the OpenClass's; the document adds the rules that concern a whole
// working session with them, so that every way in follows the same rules:
//  - how a class is opened: for editing with its lock (the program asks
//    about a class in use elsewhere; a command refuses it or waits), or only
//    to be read, without lock and without touching any file;
//  - a bulk command run so that it can be undone, with the form stored into
//    the record it was shown from and nowhere else;
//  - restoring a recovery file as the open, changed class;
//  - the end of a session by a signal: the recovery file of unsaved work is
//    written and the lock released.
// Questions go through the Prompter; what the window must do afterwards
// comes back as an outcome.
#include "classfile/OpenClass.h"
#include "classfile/RecoveryFile.h"
#include "common/Prompter.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ruvek {

// How a document protects the class it works on.
enum class DocumentMode {
    // Nothing beyond the safe save itself (tests, tools that convert files).
    Plain,
    // The desktop program: lock with the read-only offer, kept versions,
    // recovery file.
    Desktop,
    // A command run by a script or an administrator: lock taken or the
    // class refused (nobody is there to answer), kept versions, never
    // overwriting a file changed on disk; no recovery file (a command ends
    // before anything would be recovered).
    CommandLine,
};

// Switches the guard of `openClass` to the protections of `mode`.
void applyDocumentMode(OpenClass& openClass, DocumentMode mode);

enum class OpenResult {
    Opened,
    Unreadable,   // not a class file, or not readable (message shown)
    Locked,       // open for editing elsewhere (message names the holder)
    Refused,      // the user declined, or the file is write-protected
};

struct OpenOutcome {
    OpenResult result = OpenResult::Unreadable;
    std::optional<LockOwner> holder;   // with Locked
};

// What the window does after a document command.
struct DocumentOutcome {
    bool done = false;
    bool showRecord = false;    // show the current record (and rebuild the list)
    bool refreshUndo = false;   // the undo entries name other commands now
};

class ClassDocument {
public:
    ClassDocument(OpenClass& openClass, Prompter& prompter) : class_(openClass), prompter_(prompter) {}

    OpenClass& klasse() { return class_; }
    const OpenClass& klasse() const { return class_; }

    // Opens `file` for a command that will change it (CommandLine mode), as
    // File Open does: its lock is taken before it is read; a class held by
    // another program is refused with a message naming the holder, or waited
    // for up to `wait`. A write-protected file is refused before anything is
    // read or written.
    OpenOutcome openForChange(const std::filesystem::path& file, std::chrono::milliseconds wait = {});
    // Reads `file` for a command that only reads: no lock, no backup copy,
    // nothing on disk changes.
    OpenOutcome openForReading(const std::filesystem::path& file);

    // Opens a class that exists only in memory (read from an encrypted
    // transfer file) as a new, never-saved class in `folder`: nothing is
    // locked, read or written on disk until the user saves it, and Save As
    // proposes `proposedName`.
    void openUnsaved(ClassFileContent content, const std::filesystem::path& folder, std::string proposedName);

    // Runs a bulk command so that it can be undone under `name`. The form
    // has been stored before where the command stores at all. When the
    // command changed which record stands where (or `showAfter`), the
    // current record is shown before anything is stored again, so the form
    // of a record that left never lands in another one. The record as the
    // form then holds it is what the undo step leaves behind.
    DocumentOutcome runUndoable(const std::string& name, const std::function<void()>& command, ClassFileView& form,
                                bool showAfter = false);

    // Opens the data of a recovery file as the open class: the class of its
    // name, marked changed, with its lock (a class in use elsewhere is only
    // read). The recovery file stays until the data is saved or the user
    // discards it.
    bool restoreRecovery(const PendingRecovery& pending, bool showsDeleted);

    // The end of a session by a signal (logout, shutdown, kill): writes the
    // recovery file when `unsaved` (the list with the form stored into it)
    // holds unsaved work, then releases the lock. The recovery file stays.
    void endBySignal(const TDB2* unsaved);

private:
    OpenOutcome open(const std::filesystem::path& file);

    OpenClass& class_;
    Prompter& prompter_;
};

// The school type a command decides certificate forms with for `record`: the
// installation's, or when the installation has none (no school settings yet)
// the one the record was made for. Unknown when neither says.
std::optional<SchoolType> schoolTypeForRecord(SchoolType installation, const TZgnRec& record);

// "... Schulart ..." message for a record whose school type is unknown.
std::string unknownSchoolTypeText(const TZgnRec& record, int number);

} // namespace ruvek
