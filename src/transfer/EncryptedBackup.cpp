#include "transfer/EncryptedBackup.h"

#include "common/InputFile.h"
#include "common/SafeFile.h"
#include "settings/FileCopy.h"
#include "transfer/ClassTransfer.h"

namespace ruvek {

namespace fs = std::filesystem;

fs::path encryptedBackupFile(const BackupRequest& r)
{
    return r.target / (kBackupFolderPrefix + r.date + std::string(kContainerExtension));
}

EncryptedBackupResult runEncryptedBackup(const BackupRequest& r, Prompter& prompter, KeyDerivation kdf)
{
    EncryptedBackupResult result;
    result.file = encryptedBackupFile(r);
    if (!backupTargetAcceptable(r, prompter))
        return result;
    std::error_code ec;
    if (fs::exists(result.file, ec) && !r.overwrite &&
        !prompter.askYesNo("Die Datei\n" + result.file.string() + "\nist bereits vorhanden.\n\nSoll sie ersetzt werden?",
                           MessageKind::Warning))
        return result;

    PasswordRequest request;
    request.title = "Datensicherung verschlüsseln";
    request.text = "Die Datensicherung wird mit einem Kennwort verschlüsselt.\n"
                   "Geben Sie das Kennwort zweimal ein (mindestens " +
                   std::to_string(kMinPasswordLength) +
                   " Zeichen).\nOhne das Kennwort lässt sich die Sicherung nicht wiederherstellen:\n"
                   "Bewahren Sie es getrennt von der Sicherung sicher auf.";
    request.newPassword = true;
    const std::optional<PasswordAnswer> answer = prompter.askPassword(request);
    if (!answer)
        return result;
    if (const std::string reason = passwordRuleViolation(answer->password); !reason.empty()) {
        prompter.error(reason);
        return result;
    }

    std::vector<ContainerFile> files;
    for (const BackupFile& f : backupPlan(r)) {
        InputFile input = readInputFile(f.source);
        if (!input) {
            prompter.error(input.message);
            result.failed.push_back(f.relative);
            continue;
        }
        result.bytes += input.bytes.size();
        files.push_back({f.relative.generic_string(), std::move(input.bytes)});
    }
    const SealOutcome sealed = sealContainer(ContainerKind::Backup, files, answer->password, kdf);
    if (!sealed) {
        prompter.error(sealed.error);
        return result;
    }
    std::string reason;
    if (!writeFileSafely(result.file, sealed.bytes, &reason)) {
        prompter.error(" Fehler beim Speichern von: \n" + result.file.string() + (reason.empty() ? "" : "\n(" + reason + ")"));
        return result;
    }
    std::vector<std::uint8_t> back;
    if (!readWholeFile(result.file, back) || back != sealed.bytes) {
        prompter.error("Die verschlüsselte Sicherung\n" + result.file.string() +
                       "\nstimmt nach dem Schreiben nicht mit den Daten überein!");
        return result;
    }
    result.files = files.size();
    result.done = true;
    return result;
}

std::string encryptedBackupReport(const EncryptedBackupResult& r)
{
    const std::uintmax_t kb = (r.bytes + 1023) / 1024;
    std::string text = "Die verschlüsselte Datensicherung wurde abgelegt in:\n" + r.file.string() + "\n\n" +
                       std::to_string(r.files) + (r.files == 1 ? " Datei" : " Dateien") + " (" + std::to_string(kb) +
                       " KB), nach dem Schreiben geprüft.\n"
                       "Wiederherstellen: \"Hilfsmittel -> Sicherung wiederherstellen …\" mit dem Kennwort.";
    if (!r.failed.empty())
        text += "\n\nNICHT gesichert: " + std::to_string(r.failed.size()) + " (siehe die Meldungen zuvor)";
    return text;
}

std::string restoreListLine(const ContainerFile& f)
{
    return f.name + "  (" + std::to_string((f.bytes.size() + 1023) / 1024) + " KB)";
}

RestoreResult restoreFiles(const std::vector<ContainerFile>& files, const fs::path& folder, Prompter& prompter)
{
    RestoreResult result;
    result.folder = folder;
    bool replaceAll = false;
    for (const ContainerFile& f : files) {
        // The container checked every name; a name that would leave the
        // folder never reaches this point.
        if (!isSafeContainerName(f.name)) {
            result.failed.push_back(f.name);
            continue;
        }
        const fs::path target = folder / fs::path(f.name);
        std::error_code ec;
        if (fs::exists(target, ec) || fs::is_symlink(target, ec)) {
            if (fs::is_directory(target, ec)) {
                prompter.error("Die Datei\n" + target.string() + "\nkann nicht geschrieben werden: Dort steht ein Ordner.");
                result.failed.push_back(f.name);
                continue;
            }
            if (!replaceAll) {
                const int answer = prompter.askChoice("Die Datei\n" + target.string() +
                                                          "\nist bereits vorhanden.\n\n"
                                                          "Soll sie durch die Fassung aus der Sicherung ersetzt werden?",
                                                      overwriteButtons(), MessageKind::Warning);
                if (answer == static_cast<int>(OverwriteAnswer::Cancel) || answer < 0) {
                    return result;
                }
                if (answer == static_cast<int>(OverwriteAnswer::No)) {
                    result.kept.push_back(f.name);
                    continue;
                }
                replaceAll = answer == static_cast<int>(OverwriteAnswer::YesToAll);
            }
        }
        fs::create_directories(target.parent_path(), ec);
        std::string reason;
        if (!writeFileSafely(target, f.bytes, &reason)) {
            prompter.error(" Fehler beim Speichern von: \n" + target.string() + (reason.empty() ? "" : "\n(" + reason + ")"));
            result.failed.push_back(f.name);
            continue;
        }
        result.restored.push_back(f.name);
    }
    result.done = true;
    return result;
}

RestoreResult restoreFromContainer(Prompter& prompter, const fs::path& startFolder)
{
    FileDialogRequest open;
    open.title = kRestoreTitle;
    open.folder = startFolder;
    open.filter = std::string(kContainerFilter) + "|alle Dateien (*.*)|*.*";
    open.confirmOverwrite = false;
    const std::optional<fs::path> file = prompter.chooseOpenFile(open);
    if (!file)
        return {};
    const std::optional<std::vector<std::uint8_t>> bytes = readContainerFile(*file, prompter);
    if (!bytes)
        return {};
    const std::optional<ContainerRead> opened = askAndOpenContainer(*bytes, *file, kRestoreTitle, prompter);
    if (!opened)
        return {};

    ListRequest list;
    list.title = kRestoreTitle;
    list.text = std::string(opened->header.kind == ContainerKind::Backup ? "Die Datensicherung" : "Die Klassen-Datei") +
                " \"" + file->filename().string() + "\" enthält " + std::to_string(opened->files.size()) +
                (opened->files.size() == 1 ? " Datei" : " Dateien") +
                ".\nIm nächsten Schritt wählen Sie den Ordner, in den sie geschrieben werden;\n"
                "vorhandene Dateien werden nur nach Rückfrage ersetzt.";
    for (const ContainerFile& f : opened->files)
        list.items.push_back(restoreListLine(f));
    list.acceptButton = "Wiederherstellen …";
    if (!prompter.confirmList(list))
        return {};
    const std::optional<fs::path> folder =
        prompter.chooseFolder("Sicherung wiederherstellen – Zielordner wählen", file->parent_path());
    if (!folder)
        return {};
    RestoreResult result = restoreFiles(opened->files, *folder, prompter);
    prompter.tell(result.failed.empty() && result.done ? MessageKind::Information : MessageKind::Warning,
                  restoreReport(result));
    return result;
}

std::string restoreReport(const RestoreResult& r)
{
    std::string text = "Aus der Sicherung " + std::string(r.restored.size() == 1 ? "wurde " : "wurden ") +
                       std::to_string(r.restored.size()) + (r.restored.size() == 1 ? " Datei" : " Dateien") +
                       " wiederhergestellt in:\n" + r.folder.string();
    if (!r.kept.empty())
        text += "\n\nnicht ersetzt (vorhanden): " + std::to_string(r.kept.size());
    if (!r.failed.empty())
        text += "\n\nNICHT wiederhergestellt: " + std::to_string(r.failed.size()) + " (siehe die Meldungen zuvor)";
    if (!r.done)
        text += "\n\nDie Wiederherstellung wurde abgebrochen.";
    return text;
}

} // namespace ruvek
