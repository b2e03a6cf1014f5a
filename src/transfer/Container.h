#pragma once
// The encrypted container ".rvkx": one file that carries several files (a
// class file and its kept versions, or a whole backup set) encrypted with a
// password, so that student data may leave the school on a stick or by mail.
//
// The cryptography is libsodium's: the key comes from the password through
// Argon2id (crypto_pwhash, its limits and salt stored in the header), the
// content is one crypto_secretstream_xchacha20poly1305 stream. The fixed
// header is the additional data of the first chunk, so every byte of it is
// authenticated; the first chunk holds the table of file names and sizes,
// the files follow in chunks of at most `chunkSize` bytes, and an empty
// chunk tagged FINAL closes the stream. Every chunk length follows from the
// table, so a container that is cut short, extended or altered anywhere is
// refused, and nothing of its content is handed out unless all of it is
// intact. The layout is documented in README.md (developer section).
#include "common/ByteFields.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

inline constexpr std::string_view kContainerExtension = ".rvkx";
inline constexpr std::array<std::uint8_t, 8> kContainerMagic = {0x89, 'R', 'V', 'K', 'X', '\r', '\n', 0x1A};
// The format this program writes and the newest it reads.
inline constexpr std::uint16_t kContainerFormatVersion = 1;
inline constexpr std::size_t kContainerHeaderSize = 80;
inline constexpr std::uint32_t kContainerChunkSize = 64 * 1024;
// The largest container the program writes or reads (its content is held in
// memory while it is sealed or opened).
inline constexpr std::uint64_t kContainerLimit = std::uint64_t{1} << 30;

inline constexpr const char* kMsgWrongPassword = "Das Kennwort ist falsch oder die Datei ist beschädigt.";

enum class ContainerKind : std::uint16_t {
    Class = 1,    // a class file, then its kept versions
    Backup = 2,   // a full data backup set
};

// The cost of deriving the key from the password (Argon2id).
struct KeyDerivation {
    std::uint64_t opslimit = 0;
    std::uint64_t memlimit = 0;
    // What the program always uses: libsodium's "moderate" limits (three
    // passes over 256 MiB, about a second on a school computer).
    static KeyDerivation program();
    // The smallest limits libsodium allows: only for tests that seal many
    // containers. A container keeps its limits, so it opens all the same.
    static KeyDerivation testMinimum();
};

struct ContainerFile {
    std::string name;                 // relative path with '/', UTF-8
    std::vector<std::uint8_t> bytes;
};

enum class ContainerError {
    None,
    NotContainer,    // no container magic at the start
    NewerVersion,    // written by a newer program (format version above ours)
    Damaged,         // header, sizes or table out of their bounds; cut short or extended
    WrongPassword,   // authentication failed: wrong password or altered bytes
    OutOfMemory,     // the key derivation could not get its memory
};

struct ContainerHeader {
    std::uint16_t formatVersion = kContainerFormatVersion;
    ContainerKind kind = ContainerKind::Class;
    std::uint8_t algorithm = 0;       // crypto_pwhash_ALG_ARGON2ID13
    KeyDerivation kdf;
    std::array<std::uint8_t, 16> salt{};
    std::array<std::uint8_t, 24> streamHeader{};
    std::uint32_t tableLength = 0;    // bytes of the file table (first chunk's plaintext)
    std::uint32_t chunkSize = kContainerChunkSize;
};

struct ContainerRead {
    ContainerError error = ContainerError::None;
    ContainerHeader header;
    std::vector<ContainerFile> files;   // only when opened with the right password
    explicit operator bool() const { return error == ContainerError::None; }
    // The German message for the error (empty when read).
    std::string message() const;
};

using ContainerKey = std::array<std::uint8_t, 32>;

// The rules a new password must meet ("at least 10 characters"); empty when
// it meets them, else the German reason.
inline constexpr std::size_t kMinPasswordLength = 10;
std::string passwordRuleViolation(std::string_view password);
// Characters (Unicode code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// Whether a file name from a container may be written below a folder: a
// relative path of plain names ('/' between them), no "." or "..", no
// backslash, no control characters.
bool isSafeContainerName(std::string_view name);

struct SealOutcome {
    std::vector<std::uint8_t> bytes;
    std::string error;   // German; empty when sealed
    explicit operator bool() const { return error.empty(); }
};

// Encrypts the files into one container. Refuses (with a German reason) a
// password that breaks the rules, unsafe or repeated names, and content
// beyond kContainerLimit.
SealOutcome sealContainer(ContainerKind kind, const std::vector<ContainerFile>& files, std::string_view password,
                          KeyDerivation kdf = KeyDerivation::program());

// Reads and checks the header only (no password needed): magic, version,
// kind, limits and sizes within their bounds.
ContainerRead readContainerHeader(ConstBytes container);
// Opens the whole container: the files come back only when every chunk is
// authentic and the container ends exactly after its final chunk.
ContainerRead openContainer(ConstBytes container, std::string_view password);

// The two halves of openContainer (the fuzz target drives them separately,
// so that it need not run the key derivation for every input).
std::optional<ContainerKey> deriveContainerKey(const ContainerHeader& header, std::string_view password);
ContainerRead openContainerWithKey(ConstBytes container, const ContainerHeader& header, const ContainerKey& key);

// Whether the bytes start with the container magic.
bool hasContainerMagic(ConstBytes start);
// Whether the file is a container: its first bytes are the magic, or its
// name ends in ".rvkx" (in any letter case; such a file that is no
// container is then refused with the container's message).
bool isContainerFile(const std::filesystem::path& path);

} // namespace ruvek
