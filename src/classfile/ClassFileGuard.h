#pragma once
// What the open class does so that no work is lost: the lock of the class
// file (one writer per file), the check that the file was not changed on
// disk since it was opened or saved, the kept versions before each save and
// the recovery file of unsaved changes. The file commands of the open class
// call it at fixed points; with every option off (the default) it does
// nothing, so tools and tests that do not ask for it see plain files.
#include "classfile/ClassFile.h"
#include "classfile/ClassLock.h"
#include "common/ContentHash.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ruvek {

struct SafetyOptions {
    bool versionBackups = false; // keep the replaced version before each save
    bool locking = false;        // lock files, read-only opening, changed-on-disk check
    bool recovery = false;       // recovery files are written and removed
    // This program as a lock names it (tests put in another computer or process).
    std::function<LockOwner()> owner = currentLockOwner;
    // Nobody is there to answer (command line, scripts): a class in use
    // elsewhere is refused instead of opened read-only, and a file changed,
    // removed or taken over on disk is never overwritten.
    bool unattended = false;
};

// The stamp of what the file holds now (not there: exists is false).
FileStamp stampOf(const std::filesystem::path& file);

// How a class file may be used after its lock was looked at.
struct FileAccess {
    bool allowed = false;   // false: the user chose not to open / overwrite it
    bool readOnly = false;
    std::optional<ClassLock> lock;
};

enum class SaveCheck {
    Proceed,
    Cancel,   // the user chose not to overwrite
    SaveAs,   // read-only: the data can only go under another name
};

class ClassFileGuard {
public:
    SafetyOptions options;

    ClassFileGuard() = default;
    ~ClassFileGuard();
    ClassFileGuard(ClassFileGuard&& other) noexcept { *this = std::move(other); }
    ClassFileGuard& operator=(ClassFileGuard&& other) noexcept;

    // Before a class file is opened: looks at its lock and asks. Opening a
    // file that is in use elsewhere offers read-only; a stale lock may be
    // taken over.
    FileAccess accessForOpen(const std::filesystem::path& classFile, Prompter& prompter);
    // The file was read and is now the open class. `read`: the stamp of the
    // bytes read (else the file is read again for it).
    void adoptOpened(const std::filesystem::path& classFile, FileAccess access,
                     std::optional<FileStamp> read = std::nullopt);

    // Save As chose `classFile`: a file open for editing elsewhere is not
    // overwritten; a stale lock may be taken over.
    FileAccess accessForSaveAs(const std::filesystem::path& classFile, Prompter& prompter);
    void beginSaveAs(const std::filesystem::path& classFile, FileAccess access);
    void abortSaveAs();
    // Whether a Save As to `classFile` is under way.
    bool savingAs(const std::filesystem::path& classFile) const;

    // Right before a class file is written: read-only, lock lost, changed or
    // removed on disk (each asks), then the replaced version is kept.
    SaveCheck beforeSave(const std::filesystem::path& classFile, Prompter& prompter);
    // The class file was written; `written`: the stamp of the bytes written
    // (else the file is read again for it).
    void afterSave(const std::filesystem::path& classFile, std::optional<FileStamp> written = std::nullopt);

    // The class is left (New, another class opened, program end): the lock
    // is released and the recovery file of unsaved changes removed.
    void closeClass();

    // Writes the recovery file of the open class.
    bool writeRecovery(const std::filesystem::path& classFile, const TDateiKopf& header, const TDB2& records,
                       std::string* error = nullptr);
    // Counts a recovery file written by someone else (the one just restored
    // from) as this class's own. It holds work that exists nowhere else, so
    // only a save removes it; closing the class, another open or the end of
    // the program leave it for the next start to offer again.
    void adoptRecovery(const std::filesystem::path& recoveryFile)
    {
        recoveryFile_ = recoveryFile;
        recoveryRestored_ = true;
    }
    // The session ends without a save (a signal): the lock is released, a
    // recovery file stays where it is.
    void releaseKeepingRecovery();
    void forgetRefusal() { refusedBy_.reset(); }

    bool readOnly() const { return readOnly_; }
    // Who held the lock when the last open or Save As was refused
    // unattended because of it.
    const std::optional<LockOwner>& refusedBy() const { return refusedBy_; }
    const std::optional<ClassLock>& lock() const { return lock_; }

private:
    FileAccess access(const std::filesystem::path& classFile, Prompter& prompter, bool forOpen);
    void removeRecovery();

    std::optional<ClassLock> lock_;
    std::optional<LockOwner> refusedBy_;
    bool readOnly_ = false;
    std::filesystem::path stampedFile_;   // the file the stamp belongs to
    FileStamp stamp_;
    std::filesystem::path recoveryFile_;  // written by this class, not yet removed
    bool recoveryRestored_ = false;       // recoveryFile_ holds restored work: only a save removes it
    std::optional<FileAccess> pendingSaveAs_;
    std::filesystem::path pendingSaveAsFile_;
};

// Questions and messages (also used by the tests).
std::string askOpenReadOnlyText(const std::string& name, const LockOwner& owner);
std::string askTakeOverStaleText(const std::string& name, const LockOwner* owner);
std::string lockedForSaveAsText(const std::string& name, const LockOwner& owner);
std::string readOnlySaveText(const std::string& name);
std::string askOverwriteChangedText(const std::string& name, bool keepsVersions);
std::string askSaveRemovedText(const std::string& name);
std::string askLockLostText(const std::string& name, const LockOwner* owner);
std::string askSaveWithoutVersionText(const std::string& error);
std::string lockedUnattendedText(const std::string& name, const LockOwner& owner);
std::string changedOnDiskRefusedText(const std::string& name);

} // namespace ruvek
