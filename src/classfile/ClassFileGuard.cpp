#include "classfile/ClassFileGuard.h"

#include "classfile/RecoveryFile.h"
#include "classfile/VersionBackups.h"
#include "common/SafeFile.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

std::int64_t nowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Paths compared as the files they lead to, also when one does not exist yet.
bool samePath(const fs::path& a, const fs::path& b)
{
    std::error_code ec1, ec2;
    const fs::path ca = fs::weakly_canonical(a, ec1), cb = fs::weakly_canonical(b, ec2);
    return (ec1 || ec2) ? a.lexically_normal() == b.lexically_normal() : ca == cb;
}
} // namespace

std::string askOpenReadOnlyText(const std::string& name, const LockOwner& owner)
{
    return "Die Klasse \"" + name + "\" wird gerade an einem anderen Arbeitsplatz bearbeitet:\n\n" +
           describeLockOwner(owner) +
           "\n\nSie kann dort gespeichert werden, hier deshalb nur zum Lesen geöffnet werden.\n"
           "Soll sie schreibgeschützt geöffnet werden?";
}

std::string askTakeOverStaleText(const std::string& name, const LockOwner* owner)
{
    return "Die Klasse \"" + name + "\" ist noch als geöffnet vermerkt" +
           (owner ? ":\n\n" + describeLockOwner(*owner) + "\n\n" : ".\n\n") +
           "Das Programm, das sie geöffnet hat, läuft nicht mehr (oder der Vermerk ist älter als einen Tag).\n"
           "Soll der Vermerk aufgehoben und die Klasse hier zum Bearbeiten geöffnet werden?";
}

std::string lockedForSaveAsText(const std::string& name, const LockOwner& owner)
{
    return "Die Datei \"" + name + "\" wird gerade an einem anderen Arbeitsplatz bearbeitet:\n\n" +
           describeLockOwner(owner) + "\n\nSie kann deshalb nicht überschrieben werden.";
}

std::string readOnlySaveText(const std::string& name)
{
    return "Die Klasse \"" + name + "\" ist nur zum Lesen geöffnet, weil sie an einem anderen Arbeitsplatz "
           "bearbeitet wird.\nIhre Daten können nur unter einem anderen Namen gespeichert werden.";
}

std::string askOverwriteChangedText(const std::string& name, bool keepsVersions)
{
    return "Die Datei \"" + name + "\" wurde seit dem Öffnen von einem anderen Programm oder Arbeitsplatz "
           "geändert.\nSoll sie trotzdem mit Ihren Daten überschrieben werden?" +
           std::string(keepsVersions ? "\n\n(Die geänderte Fassung bleibt im Ordner \"Sicherungen\" erhalten.)"
                                     : "");
}

std::string askSaveRemovedText(const std::string& name)
{
    return "Die Datei \"" + name + "\" wurde seit dem Öffnen gelöscht oder umbenannt.\n"
           "Soll sie mit Ihren Daten neu gespeichert werden?";
}

std::string askLockLostText(const std::string& name, const LockOwner* owner)
{
    return "Die Klasse \"" + name + "\" wurde inzwischen an einem anderen Arbeitsplatz zum Bearbeiten geöffnet" +
           (owner ? ":\n\n" + describeLockOwner(*owner) + "\n\n" : ".\n\n") +
           "Soll die Datei trotzdem mit Ihren Daten überschrieben werden?";
}

std::string askSaveWithoutVersionText(const std::string& error)
{
    return "Die bisherige Fassung der Datei konnte nicht im Ordner \"Sicherungen\" aufbewahrt werden" +
           (error.empty() ? std::string(".") : ":\n" + error) + "\n\nSoll trotzdem gespeichert werden?";
}

std::string lockedUnattendedText(const std::string& name, const LockOwner& owner)
{
    return "Die Klasse \"" + name + "\" wird gerade an einem anderen Arbeitsplatz bearbeitet:\n" +
           describeLockOwner(owner) + "\nSie wird deshalb nicht geändert.";
}

std::string changedOnDiskRefusedText(const std::string& name)
{
    return "Die Datei \"" + name + "\" wurde seit dem Lesen von einem anderen Programm oder Arbeitsplatz "
           "geändert oder entfernt.\nSie wird deshalb nicht überschrieben; nichts wurde gespeichert.";
}

FileStamp stampOf(const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return {};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!in)
        return {};
    ContentHasher content;
    std::vector<std::uint8_t> block(1 << 20);
    std::size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in.get())) > 0)
        content.add(ConstBytes(block.data(), got));
    if (std::ferror(in.get()))
        return {};
    return stampOfContent(content);
}

ClassFileGuard::~ClassFileGuard() { closeClass(); }

ClassFileGuard& ClassFileGuard::operator=(ClassFileGuard&& other) noexcept
{
    if (this != &other) {
        closeClass();
        options = std::move(other.options);
        lock_ = std::move(other.lock_);
        readOnly_ = other.readOnly_;
        stampedFile_ = std::move(other.stampedFile_);
        stamp_ = other.stamp_;
        recoveryFile_ = std::move(other.recoveryFile_);
        recoveryRestored_ = other.recoveryRestored_;
        pendingSaveAs_ = std::move(other.pendingSaveAs_);
        pendingSaveAsFile_ = std::move(other.pendingSaveAsFile_);
        other.lock_.reset();
        other.recoveryFile_.clear();
        other.pendingSaveAs_.reset();
    }
    return *this;
}

FileAccess ClassFileGuard::access(const fs::path& classFile, Prompter& prompter, bool forOpen)
{
    FileAccess result;
    result.allowed = true;
    refusedBy_.reset();
    if (!options.locking)
        return result;
    // The class already open here keeps its lock.
    if (lock_ && samePath(lock_->classFile(), classFile))
        return result;
    const LockOwner me = options.owner();
    const std::string name = classFile.filename().string();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const LockProbe probe = probeLock(classFile, me, nowSeconds());
        switch (probe.state) {
        case LockState::Free:
            if ((result.lock = ClassLock::acquire(classFile, me)))
                return result;
            if (!fs::exists(classFile.parent_path()))
                return result;   // no folder: the read or write reports it
            continue;            // someone was quicker: look again
        case LockState::Own:
            if ((result.lock = ClassLock::takeOver(classFile, me)))
                return result;
            continue;
        case LockState::Stale:
            if (prompter.askYesNo(askTakeOverStaleText(name, probe.owner ? &*probe.owner : nullptr),
                                  MessageKind::Warning)) {
                if ((result.lock = ClassLock::takeOver(classFile, me)))
                    return result;
                continue;
            }
            [[fallthrough]];
        case LockState::HeldByOther: {
            const LockOwner owner = probe.owner.value_or(LockOwner{"?", "?", 0, nowSeconds()});
            if (options.unattended) {
                refusedBy_ = owner;
                result.allowed = false;
                return result;
            }
            if (!forOpen) {
                prompter.error(lockedForSaveAsText(name, owner));
                result.allowed = false;
                return result;
            }
            result.allowed = prompter.askYesNo(askOpenReadOnlyText(name, owner), MessageKind::Warning);
            result.readOnly = result.allowed;
            return result;
        }
        }
    }
    // The lock kept changing hands: treat the file as in use.
    if (options.unattended) {
        refusedBy_ = probeLock(classFile, me, nowSeconds()).owner.value_or(LockOwner{"?", "?", 0, nowSeconds()});
        result.allowed = false;
        return result;
    }
    result.readOnly = forOpen;
    result.allowed = forOpen;
    return result;
}

FileAccess ClassFileGuard::accessForOpen(const fs::path& classFile, Prompter& prompter)
{
    return access(classFile, prompter, true);
}

FileAccess ClassFileGuard::accessForSaveAs(const fs::path& classFile, Prompter& prompter)
{
    return access(classFile, prompter, false);
}

void ClassFileGuard::adoptOpened(const fs::path& classFile, FileAccess access, std::optional<FileStamp> read)
{
    const bool sameClass = lock_ && samePath(lock_->classFile(), classFile);
    // The class left behind: its unsaved changes were given up.
    if (!recoveryFile_.empty() && !samePath(recoveryFile_, recoveryPathFor(classFile)))
        removeRecovery();
    if (!sameClass) {
        lock_ = std::move(access.lock);
        readOnly_ = access.readOnly;
    }
    stampedFile_ = classFile;
    stamp_ = !options.locking ? FileStamp{} : read ? *read : stampOf(classFile);
}

void ClassFileGuard::beginSaveAs(const fs::path& classFile, FileAccess access)
{
    pendingSaveAsFile_ = classFile;
    pendingSaveAs_ = std::move(access);
}

bool ClassFileGuard::savingAs(const fs::path& classFile) const
{
    return pendingSaveAs_ && samePath(pendingSaveAsFile_, classFile);
}

void ClassFileGuard::abortSaveAs()
{
    pendingSaveAs_.reset();
    pendingSaveAsFile_.clear();
}

SaveCheck ClassFileGuard::beforeSave(const fs::path& classFile, Prompter& prompter)
{
    const bool savingAs = pendingSaveAs_ && samePath(pendingSaveAsFile_, classFile);
    const std::string name = classFile.filename().string();
    if (options.locking && !savingAs) {
        if (readOnly_) {
            prompter.information(readOnlySaveText(name));
            return SaveCheck::SaveAs;
        }
        if (lock_ && samePath(lock_->classFile(), classFile) && !lock_->stillOurs()) {
            const LockProbe probe = probeLock(classFile, options.owner(), nowSeconds());
            if (options.unattended) {
                refusedBy_ = probe.owner;
                prompter.error(lockedUnattendedText(name, probe.owner.value_or(LockOwner{"?", "?", 0, 0})));
                return SaveCheck::Cancel;
            }
            if (!prompter.askYesNo(askLockLostText(name, probe.owner ? &*probe.owner : nullptr),
                                   MessageKind::Warning))
                return SaveCheck::Cancel;
        }
        if (!stampedFile_.empty() && samePath(stampedFile_, classFile) && stamp_.exists) {
            const FileStamp now = stampOf(classFile);
            if (options.unattended && now != stamp_) {
                prompter.error(changedOnDiskRefusedText(name));
                return SaveCheck::Cancel;
            }
            if (!now.exists && !prompter.askYesNo(askSaveRemovedText(name), MessageKind::Warning))
                return SaveCheck::Cancel;
            if (now.exists && now != stamp_ &&
                !prompter.askYesNo(askOverwriteChangedText(name, options.versionBackups), MessageKind::Warning))
                return SaveCheck::Cancel;
        }
    }
    if (options.versionBackups) {
        std::string error;
        if (keepCurrentVersion(classFile, kKeptVersions, &error) == KeepResult::Failed &&
            !prompter.askYesNo(askSaveWithoutVersionText(error), MessageKind::Warning))
            return SaveCheck::Cancel;
    }
    return SaveCheck::Proceed;
}

void ClassFileGuard::afterSave(const fs::path& classFile, std::optional<FileStamp> written)
{
    if (pendingSaveAs_ && samePath(pendingSaveAsFile_, classFile)) {
        const bool sameClass = lock_ && samePath(lock_->classFile(), classFile);
        if (!sameClass) {
            lock_ = std::move(pendingSaveAs_->lock);
            readOnly_ = false;
        }
        abortSaveAs();
    }
    // Everything unsaved is saved now.
    recoveryRestored_ = false;
    removeRecovery();
    if (options.recovery) {
        std::error_code ec;
        fs::remove(recoveryPathFor(classFile), ec);
    }
    stampedFile_ = classFile;
    stamp_ = !options.locking ? FileStamp{} : written ? *written : stampOf(classFile);
}

void ClassFileGuard::closeClass()
{
    removeRecovery();
    lock_.reset();
    readOnly_ = false;
    stampedFile_.clear();
    stamp_ = {};
    abortSaveAs();
}

bool ClassFileGuard::writeRecovery(const fs::path& classFile, const TDateiKopf& header, const TDB2& records,
                                   std::string* error)
{
    if (!options.recovery)
        return false;
    const fs::path file = recoveryPathFor(classFile);
    if (!recoveryFile_.empty() && !samePath(recoveryFile_, file))
        removeRecovery();
    if (!writeRecoveryFile(classFile, header, records, error))
        return false;
    recoveryFile_ = file;
    return true;
}

void ClassFileGuard::releaseKeepingRecovery()
{
    recoveryFile_.clear();
    recoveryRestored_ = false;
    closeClass();
}

void ClassFileGuard::removeRecovery()
{
    if (recoveryFile_.empty())
        return;
    if (recoveryRestored_) {
        // Restored work that was never saved: it stays for the next start.
        recoveryFile_.clear();
        recoveryRestored_ = false;
        return;
    }
    std::error_code ec;
    fs::remove(recoveryFile_, ec);
    recoveryFile_.clear();
}

} // namespace ruvek
