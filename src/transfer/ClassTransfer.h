#pragma once
// Handing a class on encrypted: the class file stands first in the
// container under its own name, its kept versions (when chosen) follow under
// "Sicherungen/". Opening such a container decrypts it in memory and opens
// the class as a new, never-saved class: nothing of it reaches the disk
// until the user saves it where they like.
#include "classfile/ClassFile.h"
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "transfer/Container.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kContainerFilter = "verschlüsselte Ruvek-Dateien (*.rvkx)|*.rvkx";
// The Open dialog's filter when containers open as classes too.
inline constexpr const char* kOpenFilterWithContainers =
    "Zeugnis-KL-Datenbanken (*.RVK; *.ZDB; *.rvkx)|*.RVK;*.ZDB;*.rvkx|"
    "verschlüsselte Klassen (*.rvkx)|*.rvkx|alle Dateien (*.*)|*.*";
inline constexpr const char* kTransferTitle = "Verschlüsselt weitergeben";

// The name of a version inside the container.
std::string versionEntryName(const std::filesystem::path& version);

struct TransferFiles {
    std::vector<ContainerFile> files;   // the class file first
    std::string error;                  // German; empty when collected
    bool unreadable = false;            // the class file itself cannot be read as one
    std::size_t versions = 0;
};

// The class file's bytes as they are on disk (it must read as a class
// file) and, with `withVersions`, its kept versions, newest first.
TransferFiles classTransferFiles(const std::filesystem::path& classFile, bool withVersions);

// The class of an opened container: a class container whose first file is
// a class file. `error` gets the German reason otherwise.
struct TransferredClass {
    std::string name;               // the class file's name as it was sent
    ClassFileContent content;
    std::vector<std::uint8_t> bytes;  // the class file exactly as it was sent
    std::size_t versions = 0;
};
std::optional<TransferredClass> classOfContainer(const ContainerRead& opened, std::string& error);

// Reads a container file (regular files up to kContainerLimit) and checks
// its header; the message is shown when it cannot be opened.
std::optional<std::vector<std::uint8_t>> readContainerFile(const std::filesystem::path& file, Prompter& prompter);

// Asks for the password of a container until it opens or the user cancels;
// a wrong one is said and asked again. nullopt when cancelled or refused
// (the message shown).
std::optional<ContainerRead> askAndOpenContainer(ConstBytes container, const std::filesystem::path& file,
                                                 const std::string& title, Prompter& prompter);

// "Datei -> Verschlüsselt weitergeben ...": the open class as it is now
// (the form stored into it), and when chosen its kept versions, into one
// container at the place the user chooses. True when written.
bool encryptOpenClass(OpenClass& openClass, Prompter& prompter, KeyDerivation kdf = KeyDerivation::program());

// File Open of a container: nullopt when `file` is none; else asks the
// password and opens the class in it as a new, never-saved class (true).
std::optional<bool> openEncryptedClass(OpenClass& openClass, const std::filesystem::path& file, Prompter& prompter);

// Lets File Open of `openClass` offer and open containers.
void enableEncryptedOpen(OpenClass& openClass);

} // namespace ruvek
