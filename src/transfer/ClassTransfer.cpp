#include "transfer/ClassTransfer.h"

#include "classfile/VersionBackups.h"
#include "common/InputFile.h"
#include "common/SafeFile.h"
#include "document/ClassDocument.h"

#include <algorithm>
#include <cctype>

namespace ruvek {

namespace fs = std::filesystem;

namespace {

std::string lowerExtension(const fs::path& p)
{
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

std::string stemOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

} // namespace

std::string versionEntryName(const fs::path& version)
{
    return std::string(kVersionFolderName) + "/" + version.filename().string();
}

TransferFiles classTransferFiles(const fs::path& classFile, bool withVersions)
{
    TransferFiles out;
    InputFile input = readInputFile(classFile);
    if (!input) {
        out.error = input.message;
        out.unreadable = true;
        return out;
    }
    ClassFileContent check;
    if (const ReadError e = readClassBytes(input.bytes, check); e != ReadError::None) {
        out.error = classFile.string() + ":\n" + readErrorText(e);
        out.unreadable = true;
        return out;
    }
    out.files.push_back({classFile.filename().string(), std::move(input.bytes)});
    if (!withVersions)
        return out;
    for (const KeptVersion& v : listKeptVersions(classFile)) {
        InputFile version = readInputFile(v.path);
        if (!version) {
            out.error = version.message;
            out.files.clear();
            return out;
        }
        out.files.push_back({versionEntryName(v.path), std::move(version.bytes)});
        ++out.versions;
    }
    return out;
}

std::optional<TransferredClass> classOfContainer(const ContainerRead& opened, std::string& error)
{
    if (opened.header.kind != ContainerKind::Class || opened.files.empty()) {
        error = "Die verschlüsselte Datei enthält keine Klasse, sondern eine Datensicherung.\n"
                "Sie wird mit \"Hilfsmittel -> Sicherung wiederherstellen …\" in einen Ordner zurückgeschrieben.";
        return std::nullopt;
    }
    TransferredClass out;
    out.name = opened.files.front().name;
    out.bytes = opened.files.front().bytes;
    out.versions = opened.files.size() - 1;
    if (const ReadError e = readClassBytes(out.bytes, out.content); e != ReadError::None) {
        error = readErrorText(e);
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> readContainerFile(const fs::path& file, Prompter& prompter)
{
    InputFile input = readInputFile(file, kContainerLimit);
    if (!input) {
        prompter.error(input.message);
        return std::nullopt;
    }
    if (const ContainerRead head = readContainerHeader(input.bytes); !head) {
        prompter.error(file.filename().string() + ":\n" + head.message());
        return std::nullopt;
    }
    return std::move(input.bytes);
}

std::optional<ContainerRead> askAndOpenContainer(ConstBytes container, const fs::path& file, const std::string& title,
                                                 Prompter& prompter)
{
    PasswordRequest request;
    request.title = title;
    request.text = "Kennwort für die verschlüsselte Datei\n\"" + file.filename().string() + "\":";
    for (;;) {
        const std::optional<PasswordAnswer> answer = prompter.askPassword(request);
        if (!answer)
            return std::nullopt;
        ContainerRead opened = openContainer(container, answer->password);
        if (opened)
            return opened;
        prompter.error(opened.message());
        if (opened.error != ContainerError::WrongPassword)
            return std::nullopt;
    }
}

bool encryptOpenClass(OpenClass& oc, Prompter& prompter, KeyDerivation kdf)
{
    if (oc.view)
        oc.view->storeForm();
    if (oc.records.size() > kMaxRecords) {
        prompter.error("Die Klasse hat mehr als 65535 Schüler-Datensätze\nund kann nicht weitergegeben werden!");
        return false;
    }
    const std::string className = !oc.isUnsaved()             ? oc.fileName
                                  : !oc.unsavedProposal.empty() ? oc.unsavedProposal
                                                                : std::string(kProposedNewName);
    const std::vector<KeptVersion> versions =
        oc.isUnsaved() ? std::vector<KeptVersion>{} : listKeptVersions(oc.filePath());

    PasswordRequest request;
    request.title = kTransferTitle;
    request.text = "Die Klasse \"" + className +
                   "\" wird mit einem Kennwort verschlüsselt.\n"
                   "Geben Sie das Kennwort zweimal ein (mindestens " +
                   std::to_string(kMinPasswordLength) +
                   " Zeichen).\nGeben Sie es getrennt von der Datei weiter, zum Beispiel am Telefon.";
    if (!versions.empty())
        request.optionText = "auch die älteren Fassungen mitgeben (" + std::to_string(versions.size()) +
                             " im Ordner \"Sicherungen\")";
    const std::optional<PasswordAnswer> answer = prompter.askPassword(request);
    if (!answer)
        return false;
    if (const std::string reason = passwordRuleViolation(answer->password); !reason.empty()) {
        prompter.error(reason);
        return false;
    }

    FileDialogRequest save;
    save.title = kTransferTitle;
    save.folder = oc.dataFolder;
    save.filter = kContainerFilter;
    save.proposedName = stemOf(className) + std::string(kContainerExtension);
    save.confirmOverwrite = true;
    std::optional<fs::path> chosen = prompter.chooseSaveFile(save);
    if (!chosen)
        return false;
    if (lowerExtension(*chosen) != kContainerExtension)
        *chosen += std::string(kContainerExtension);

    // The class as the window holds it now, unsaved changes included.
    TDateiKopf header = oc.isUnsaved() ? newFileHeader(oc.count()) : oc.header;
    header.Anzahl = oc.count();
    std::vector<ContainerFile> files;
    files.push_back({stemOf(className) + ".RVK", classFileBytes(header, oc.records)});
    if (answer->option)
        for (const KeptVersion& v : versions) {
            InputFile version = readInputFile(v.path);
            if (!version) {
                prompter.error(version.message);
                return false;
            }
            files.push_back({versionEntryName(v.path), std::move(version.bytes)});
        }

    const SealOutcome sealed = sealContainer(ContainerKind::Class, files, answer->password, kdf);
    if (!sealed) {
        prompter.error(sealed.error);
        return false;
    }
    std::string reason;
    if (!writeFileSafely(*chosen, sealed.bytes, &reason)) {
        prompter.error(" Fehler beim Speichern von: \n" + chosen->string() + (reason.empty() ? "" : "\n(" + reason + ")"));
        return false;
    }
    std::string text = "Die Klasse \"" + className + "\" (" + std::to_string(oc.count()) + " Schüler";
    if (files.size() > 1)
        text += ", mit " + std::to_string(files.size() - 1) + " älteren Fassungen";
    text += ") ist verschlüsselt gespeichert in:\n" + chosen->string() +
            "\n\nÖffnen lässt sie sich nur mit dem Kennwort. Geben Sie es nie zusammen mit der Datei weiter.";
    prompter.information(text);
    return true;
}

std::optional<bool> openEncryptedClass(OpenClass& oc, const fs::path& file, Prompter& prompter)
{
    if (!isContainerFile(file))
        return std::nullopt;
    const std::optional<std::vector<std::uint8_t>> bytes = readContainerFile(file, prompter);
    if (!bytes)
        return false;
    const std::optional<ContainerRead> opened =
        askAndOpenContainer(*bytes, file, "Verschlüsselte Klasse öffnen", prompter);
    if (!opened)
        return false;
    std::string error;
    std::optional<TransferredClass> klass = classOfContainer(*opened, error);
    if (!klass) {
        prompter.error(error);
        return false;
    }
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    ClassDocument(oc, prompter).openUnsaved(std::move(klass->content), (ec ? file : absolute).parent_path(), klass->name);
    std::string text = "Die Klasse \"" + klass->name +
                       "\" ist entschlüsselt und als neue, noch nicht gespeicherte Klasse geöffnet.\n"
                       "Sie steht nur im Arbeitsspeicher, bis Sie sie mit \"Speichern unter ...\" ablegen.";
    if (klass->versions > 0)
        text += "\n\nDie " + std::to_string(klass->versions) +
                " älteren Fassungen in der Datei schreibt \"Hilfsmittel -> Sicherung wiederherstellen …\" "
                "in einen Ordner Ihrer Wahl.";
    prompter.information(text);
    return true;
}

void enableEncryptedOpen(OpenClass& oc)
{
    oc.openFilter = kOpenFilterWithContainers;
    oc.otherFileReader = [](OpenClass& target, const fs::path& file, Prompter& prompter) {
        return openEncryptedClass(target, file, prompter);
    };
}

} // namespace ruvek
