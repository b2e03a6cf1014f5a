#include "document/ClassDocument.h"

#include "classfile/StudentRecord.h"
#include "common/Cp1252.h"
#include "common/SafeFile.h"

#include <system_error>
#include <thread>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

// How often a command waiting for a lock looks again.
constexpr std::chrono::milliseconds kLockPollInterval{200};

fs::path absoluteFolderOf(const fs::path& file)
{
    std::error_code ec;
    const auto abs = fs::absolute(file, ec);
    return (ec ? file : abs).parent_path();
}
} // namespace

void applyDocumentMode(OpenClass& openClass, DocumentMode mode)
{
    SafetyOptions& o = openClass.guard.options;
    o.versionBackups = mode != DocumentMode::Plain;
    o.locking = mode != DocumentMode::Plain;
    o.recovery = mode == DocumentMode::Desktop;
    o.unattended = mode == DocumentMode::CommandLine;
}

OpenOutcome ClassDocument::openForChange(const fs::path& file, std::chrono::milliseconds wait)
{
    applyDocumentMode(class_, DocumentMode::CommandLine);
    if (isWriteProtected(file)) {
        prompter_.error(writeProtectedText(file) + "\nDie Klasse wird deshalb nicht geändert.");
        return {OpenResult::Refused, std::nullopt};
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        class_.guard.forgetRefusal();
        if (class_.openFile(file, prompter_))
            return {OpenResult::Opened, std::nullopt};
        const std::optional<LockOwner> holder = class_.guard.refusedBy();
        if (!holder)
            return {OpenResult::Unreadable, std::nullopt};
        if (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kLockPollInterval);
            continue;
        }
        prompter_.error(lockedUnattendedText(file.filename().string(), *holder));
        return {OpenResult::Locked, holder};
    }
}

OpenOutcome ClassDocument::openForReading(const fs::path& file)
{
    if (file.filename().string().ends_with(".ZDB")) {
        prompter_.error("Diese Dateien können nicht mehr geöffnet werden!");
        return {OpenResult::Unreadable, std::nullopt};
    }
    ClassFileContent content;
    const ReadError error = readClassFile(file, content);
    if (error != ReadError::None) {
        prompter_.error(readErrorText(error));
        return {OpenResult::Unreadable, std::nullopt};
    }
    class_.takeContent(std::move(content));
    class_.dataFolder = absoluteFolderOf(file);
    class_.fileName = file.filename().string();
    class_.current = 0;
    class_.changed = false;
    makeKeyNumbersUnique(class_.records);
    return {OpenResult::Opened, std::nullopt};
}

void ClassDocument::openUnsaved(ClassFileContent content, const fs::path& folder, std::string proposedName)
{
    class_.adoptUnsaved(std::move(content), folder, std::move(proposedName));
}

DocumentOutcome ClassDocument::runUndoable(const std::string& name, const std::function<void()>& command,
                                           ClassFileView& form, bool showAfter)
{
    OpenClass& k = class_;
    const std::uint64_t versionBefore = k.listVersion;
    ListSnapshot before = UndoStack::snapshot(k);
    command();
    DocumentOutcome out;
    out.done = true;
    out.refreshUndo = true;
    // A record that left the list or moved must not receive the form shown
    // for it: the record now current is shown first.
    out.showRecord = showAfter || k.listVersion != versionBefore;
    if (out.showRecord)
        form.showCurrentRecord();
    if (k.undo.record(name, std::move(before), k)) {
        // Showing lays out subjects and fills controls that storing writes
        // back in their own form: the step leaves the list as after that
        // store, so that undoing it finds no "later changes".
        form.storeForm();
        k.undo.noteShown(k);
    }
    return out;
}

bool ClassDocument::restoreRecovery(const PendingRecovery& p, bool showsDeleted)
{
    OpenClass& k = class_;
    ClassFileContent content;
    const ReadError error = readClassFile(p.recoveryFile, content);
    if (error != ReadError::None) {
        prompter_.error(readErrorText(error));
        return false;
    }
    const std::string name = p.classFile.filename().string();
    const bool unsaved = name == kUnsavedClassName;
    FileAccess access;
    access.allowed = true;
    if (!unsaved) {
        access = k.guard.accessForOpen(p.classFile, prompter_);
        if (!access.allowed)
            return false;
    }
    k.takeContent(std::move(content));
    k.dataFolder = p.classFile.parent_path();
    k.fileName = name;
    k.guard.adoptOpened(p.classFile, std::move(access));
    k.guard.adoptRecovery(p.recoveryFile);
    k.undo.clear();
    k.current = k.firstRecordIndex(showsDeleted);
    k.changed = true;
    k.forgetSavedState();
    return true;
}

void ClassDocument::endBySignal(const TDB2* unsaved)
{
    if (unsaved && !unsaved->empty())
        class_.guard.writeRecovery(class_.filePath(), class_.header, *unsaved);
    class_.guard.releaseKeepingRecovery();
}

std::optional<SchoolType> schoolTypeForRecord(SchoolType installation, const TZgnRec& record)
{
    if (installation != SchoolType::NichtAusgewaehlt)
        return installation;
    if (record.SchulartNeu <= 0 || record.SchulartNeu > 9)
        return std::nullopt;
    return schoolTypeFromStored(static_cast<std::uint16_t>(record.SchulartNeu));
}

std::string unknownSchoolTypeText(const TZgnRec& record, int number)
{
    return "Für Schüler Nr. " + std::to_string(number) + " (" + cp1252ToUtf8(record.Name.view()) + ", " +
           cp1252ToUtf8(record.Vorname.view()) +
           ") ist keine Schulart bekannt: Die Schul-Einstellungen nennen keine, und der Datensatz auch nicht.\n"
           "Der Datensatz bleibt unverändert. Legen Sie zuerst unter \"Einstellungen\" die Schulart fest.";
}

} // namespace ruvek
