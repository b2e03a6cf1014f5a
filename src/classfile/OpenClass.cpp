#include "classfile/OpenClass.h"

#include "classfile/ClassFolder.h"
#include "classfile/StudentRecord.h"
#include "common/FileLookup.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace ruvek {
namespace {
constexpr std::string_view kExtension = ".RVK";

// A folder as shown in messages: with its trailing separator.
std::string folderText(const std::filesystem::path& folder)
{
    std::string text = folder.string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

// The name with its last four characters (the extension) replaced.
std::string withExtension(const std::string& name, std::string_view extension)
{
    return name.substr(0, name.size() >= 4 ? name.size() - 4 : 0) + std::string(extension);
}

std::filesystem::path absoluteFolderOf(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto abs = std::filesystem::absolute(file, ec);
    return (ec ? file : abs).parent_path();
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Whether both names lead to one existing file (through links, too).
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Whether the folder holds the elective-subject list file. Files copied
// from Windows installations may carry the name in another letter case.
bool hasElectiveListFile(const std::filesystem::path& folder)
{
    return findFileIgnoringCase(folder, std::string(kElectiveListFile)).has_value();
}

ClassFileView g_noView;

constexpr std::string_view kBackupFailed = "Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!";
} // namespace

void OpenClass::takeContent(ClassFileContent content)
{
    header = content.header;
    header.LeseVersion = header.Version;
    header.Version = 2;
    records = std::move(content.records);
    unsavedProposal.clear();
    listReshaped();
}

void OpenClass::adoptUnsaved(ClassFileContent content, const std::filesystem::path& folder, std::string proposedName)
{
    guard.closeClass();
    undo.clear();
    takeContent(std::move(content));
    dataFolder = folder;
    fileName = std::string(kUnsavedClassName);
    unsavedProposal = std::move(proposedName);
    makeKeyNumbersUnique(records);
    current = firstRecordIndex(ui().showsDeletedRecords());
    changed = true;
    ui().setSaveEnabled(false);
    ui().showClassFileName(fileName);
    ui().showCurrentRecord();
    ui().refreshIndicators();
}

void OpenClass::markSaved(std::optional<std::uint64_t> fingerprint)
{
    savedFingerprint_ = fingerprint ? *fingerprint : recordsFingerprint(records);
}

bool OpenClass::recordsAsSaved() const
{
    return savedFingerprint_ && *savedFingerprint_ == recordsFingerprint(records) && header.LeseVersion == header.Version;
}

bool OpenClass::hasUnsavedChanges()
{
    // A store sets the flag when the form differs from the record as it was
    // shown, also when that only repeats what a save already wrote.
    if (changed && recordsAsSaved())
        changed = false;
    return changed;
}

OpenClass::OpenClass(SchoolType schoolType_, std::filesystem::path dataFolder_, RandomSource random_)
    : dataFolder(std::move(dataFolder_)), schoolType(schoolType_), random(random_)
{
    records.resize(1);
    initialiseRecord(records[0], records, schoolType, random, 0);
    // Made with no other record around, the template and the clipboard get
    // the first generated key number.
    initialiseRecord(newRecordTemplate, {}, schoolType, random);
    initialiseRecord(clipboard, {}, schoolType, random);
    markSaved();
}

ClassFileView& OpenClass::ui() { return view ? *view : g_noView; }

void OpenClass::refreshAll()
{
    ui().showClassFileName(fileName);
    ui().showCurrentRecord();
    ui().refreshIndicators();
}

bool OpenClass::fileNew(Prompter& prompter)
{
    if (!prompter.askYesNo("Wollen Sie jetzt eine neue Datei\n(Zeugnis-Datenbank) erstellen?"))
        return false;
    if (changed) {
        const int choice = prompter.askChoice("Die aktuellen Daten enthalten\nnoch ungespeicherte Änderungen!\n\n"
                                              "Wollen Sie diese vor dem Anlegen\nder neuen Daten (Datei) noch speichern?",
                                              kSaveChoices);
        if (choice == kChoiceCancel)
            return false;
        // The user wants the changes kept: when they were not saved (the save
        // failed or its dialog was cancelled), keep the class open instead of
        // throwing them away.
        if (choice == kChoiceSave && !fileSave(prompter))
            return false;
    }
    ui().clearTableView();
    current = 0;
    records.resize(1);
    records[0] = newRecordTemplate;
    listReshaped();
    guard.closeClass();
    undo.clear();
    ui().showCurrentRecord();
    changed = false;
    fileName = kUnsavedClassName;
    unsavedProposal.clear();
    markSaved();
    ui().setSaveEnabled(false);
    ui().showClassFileName(fileName);
    ui().refreshIndicators();
    return true;
}

bool OpenClass::mayDropChanges(Prompter& prompter)
{
    return isUnsaved() || !changed ||
           prompter.askChoice("Wollen Sie jetzt wirklich eine neue Datei öffnen \n"
                              "ohne die geänderten (aktuellen) Daten zu Speichern?",
                              kDiscardChoices) == 0;
}

bool OpenClass::fileOpen(const std::filesystem::path& chosen, Prompter& prompter)
{
    return mayDropChanges(prompter) && openFile(chosen, prompter);
}

bool OpenClass::fileOpen(Prompter& prompter)
{
    if (!mayDropChanges(prompter))
        return false;
    FileDialogRequest request;
    request.title = "Öffnen";
    request.folder = dataFolder;
    request.filter = openFilter;
    request.confirmOverwrite = false;
    const auto chosen = prompter.chooseOpenFile(request);
    if (!chosen) {
        refreshAll();
        return false;
    }
    return openFile(*chosen, prompter);
}

bool OpenClass::openFile(const std::filesystem::path& path, Prompter& prompter)
{
    const std::filesystem::path folder = absoluteFolderOf(path);
    const std::string name = path.filename().string();

    if (otherFileReader)
        if (const std::optional<bool> opened = otherFileReader(*this, path, prompter))
            return *opened;

    // Files of the old program generation have another layout entirely.
    if (name.ends_with(".ZDB")) {
        prompter.error("Diese Dateien können nicht mehr geöffnet werden!");
        return false;
    }

    // One writer per file: a file in use elsewhere opens read-only or not at
    // all. The lock is taken before the file is read, so that no other
    // writer can save between the read and the lock: what is read here is
    // what the lock protects. (A file that is not there is not locked; the
    // read below reports it.)
    FileAccess access;
    access.allowed = true;
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        access = guard.accessForOpen(folder / name, prompter);
        if (!access.allowed)
            return false;
    }

    // The backup copy (below) of a file that its records write again byte
    // for byte is made while the file is read, by the file system where it
    // can; it is put in place only once the file has been read.
    const auto backup = folder / withExtension(name, ".$KL");
    const bool backupWanted = writesBackupCopy && !isSameFile(backup, path);
    std::unique_ptr<BackgroundCopy> backupCopy;
    if (backupWanted && fileRewritesIdentically(path))
        backupCopy = std::make_unique<BackgroundCopy>(path, backup);

    ClassFileContent content;
    const ReadError error = readClassFile(path, content);
    if (error != ReadError::None) {
        backupCopy.reset(); // the old backup stays as it is
        prompter.error(readErrorText(error));
        return false;   // a lock just taken is released with `access`
    }
    const FileStamp readStamp = content.stamp;
    const bool rewritesIdentically = content.rewritesIdentically;
    const std::optional<FileIdentity> source = content.source;
    const std::optional<std::uint64_t> fingerprint = content.fingerprint;

    // Take the file over.
    const std::filesystem::path previousFolder = dataFolder;
    takeContent(std::move(content));
    dataFolder = folder;
    fileName = name;

    // The backup copy holds the data just read as a version-2 class file.
    // It is never written over the file just opened: a file that itself
    // carries the backup extension (or whose backup name leads to it through
    // a link) keeps its bytes, which may be the only version-1 original.
    // The copy made while reading counts when the file is exactly what
    // writing the records gives and was copied in the state it was read in;
    // otherwise the records are written.
    if (backupWanted) {
        CopyResult copied = CopyResult::SourceChanged;
        if (backupCopy && rewritesIdentically && source)
            copied = backupCopy->copied(*source);
        const bool done = copied == CopyResult::Copied ? backupCopy->done()
                          : copied == CopyResult::Failed ? false
                                                         : writeClassFile(backup, header, records);
        if (!done)
            prompter.error(std::string(kBackupFailed));
    }
    backupCopy.reset();

    guard.adoptOpened(folder / name, std::move(access), readStamp);
    undo.clear();

    current = firstRecordIndex(ui().showsDeletedRecords());
    ui().showCurrentRecord();
    changed = false;
    // Saved is what the file holds: a repair of key numbers below is a
    // change that the next save writes.
    markSaved(fingerprint);

    makeKeyNumbersUnique(records);

    if (dataFolder != previousFolder && !ui().centralElectiveList() &&
        hasElectiveListFile(dataFolder) &&
        prompter.askYesNo("Soll die Datei mit den\nWahlpflichtfächern aus/von:\n" + folderText(dataFolder) + "\n" +
                          "mit eingelesen werden?"))
        ui().loadElectiveList(dataFolder);

    refreshAll();
    return true;
}

bool OpenClass::fileSave(Prompter& prompter)
{
    ui().storeForm();
    // The header counts records in 16 bits; a longer list would be written
    // with a count that silently drops the rest.
    if (records.size() > kMaxRecords) {
        prompter.error("Die Klasse hat mehr als 65535 Schüler-Datensätze\nund kann nicht gespeichert werden!");
        return false;
    }
    header.Anzahl = count();

    const std::string previousName = fileName;
    // "8c.rvk" is the class file "8c.RVK" of a system that ignores letter
    // case in names: Save writes the file that was opened, never a second
    // file "8c.RVK" beside it (which the next Open of 8c.rvk would not see).
    const bool nameChanged = !hasClassFileExtension(fileName);
    if (nameChanged)
        fileName = withExtension(fileName, kExtension);

    if (isUnsaved())
        return fileSaveAs(prompter);

    if (header.LeseVersion != header.Version &&
        !prompter.askOkCancel("Das Speichern älterer Dateien kann immer nur\nin der neuesten Datei-Version erfolgen!\n\n"
                              "(Zum \"Nicht Speichern\" jetzt Vorgang \"Abbrechen\")")) {
        fileName = previousName;
        return false;
    }

    if (nameChanged && fileExists(filePath())) {
        fileName = previousName;
        return fileSaveAs(prompter);
    }

    // Nothing to save: the file holds these records already. Writing it
    // again would only use up one of the kept versions.
    if (!nameChanged && !guard.savingAs(filePath()) && !guard.readOnly() && recordsAsSaved() &&
        fileExists(filePath())) {
        changed = false;
        ui().showStatus("Keine Änderungen: " + fileName + " ist auf dem neuesten Stand.");
        ui().refreshIndicators();
        return true;
    }

    // A file that cannot be written is found before anything else happens
    // (no version is kept, no question about one is asked).
    {
        SafeFileWriter probe(filePath());
        if (!probe.open()) {
            const std::string target = folderText(dataFolder) + fileName;
            fileName = previousName;
            if (probe.targetWriteProtected()) {
                if (prompter.askYesNo(writeProtectedText(target) + "\n\n" + kAskSaveAsInstead, MessageKind::Warning))
                    return fileSaveAs(prompter);
                return false;
            }
            prompter.error(" Fehler beim Speichern von: \n" + target + "\n(" + probe.errorText() + ")");
            return false;
        }
    }

    // Read-only, changed on disk since it was read, the replaced version kept.
    switch (guard.beforeSave(filePath(), prompter)) {
    case SaveCheck::Proceed:
        break;
    case SaveCheck::Cancel:
        fileName = previousName;
        return false;
    case SaveCheck::SaveAs:
        fileName = previousName;
        return fileSaveAs(prompter);
    }

    // The new content goes to a temporary file that replaces the old one
    // only when it is complete: a failed save leaves the file as it was.
    std::string reason;
    FileStamp written;
    if (!writeClassFile(filePath(), header, records, &reason, &written)) {
        prompter.error(" Fehler beim Speichern von: \n" + folderText(dataFolder) + fileName +
                       (reason.empty() ? std::string() : "\n(" + reason + ")"));
        fileName = previousName;
        return false;
    }
    guard.afterSave(filePath(), written);
    markSaved(fingerprintAfterWrite(header, records, written));
    ui().showStatus("Gespeichert: " + fileName + " (" + std::to_string(count()) + " Schüler)");
    // A save of the backup copy that was killed left its temporary file.
    removeLeftoverTemps(dataFolder / withExtension(fileName, ".$KL"));

    changed = false;
    ui().showClassFileName(fileName);
    ui().refreshIndicators();
    return true;
}

bool OpenClass::fileSaveAs(Prompter& prompter)
{
    ui().storeForm();

    const std::string nameBefore = fileName;
    if (!hasClassFileExtension(fileName))
        fileName = withExtension(fileName, kExtension);

    FileDialogRequest request;
    request.title = "Speichern unter";
    request.folder = dataFolder;
    request.filter = kSaveFilter;
    request.proposedName = !isUnsaved()              ? fileName
                           : unsavedProposal.empty() ? std::string(kProposedNewName)
                                                     : unsavedProposal;
    request.confirmOverwrite = true;
    const auto chosen = prompter.chooseSaveFile(request);
    if (!chosen) {
        fileName = nameBefore;
        refreshAll();
        return false;
    }

    // Everything Save As changes, to be put back when it cannot write.
    const std::filesystem::path folderBefore = dataFolder;
    const TDateiKopf headerBefore = header;
    const auto restore = [&] {
        guard.abortSaveAs();
        dataFolder = folderBefore;
        fileName = nameBefore;
        header = headerBefore;
    };

    dataFolder = absoluteFolderOf(*chosen);
    fileName = chosen->filename().string();
    // "neu.rvk" is a class file name already (letter case aside), not
    // "neu.rvk.RVK".
    if (!hasClassFileExtension(fileName))
        fileName += kExtension;

    // Check that the file can be made in the chosen folder. An existing file
    // of that name stays untouched until the new content is complete.
    {
        SafeFileWriter probe(filePath());
        if (!probe.open()) {
            prompter.error("Fehler beim Erzeugen der neuen Datei!\n(" + probe.errorText() + ")");
            restore();
            refreshAll();
            return false;
        }
    }

    // A file open for editing elsewhere is not written over.
    FileAccess access = guard.accessForSaveAs(filePath(), prompter);
    if (!access.allowed) {
        restore();
        refreshAll();
        return false;
    }
    guard.beginSaveAs(filePath(), std::move(access));

    header = newFileHeader(count());
    if (!fileSave(prompter)) {
        restore();
        refreshAll();
        return false;
    }
    ui().setSaveEnabled(true);

    if (dataFolder != folderBefore && !ui().centralElectiveList() &&
        prompter.askYesNo("Soll die aktuelle Datei mit den\nWahlpflichtfächern auch in/unter:\n" +
                          folderText(dataFolder) + "\n" + "gespeichert werden?"))
        ui().copyElectiveList(dataFolder);

    refreshAll();
    return true;
}

int OpenClass::firstRecordIndex(bool showDeleted) const
{
    if (showDeleted || records.empty())
        return 0;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].Status == 1)
            return static_cast<int>(i);
    return static_cast<int>(records.size()) - 1;
}

} // namespace ruvek
