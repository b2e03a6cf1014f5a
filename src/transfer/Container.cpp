#include "transfer/Container.h"

#include <sodium.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

namespace ruvek {

namespace {

constexpr std::size_t kABytes = crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr std::uint8_t kAlgorithm = crypto_pwhash_ALG_ARGON2ID13;
// What a reader accepts from a header: the limits a newer program might
// choose, but nothing that lets a file make the program compute or allocate
// without bound.
constexpr std::uint64_t kMaxOpslimit = 10;
constexpr std::uint64_t kMaxMemlimit = crypto_pwhash_argon2id_MEMLIMIT_SENSITIVE;
constexpr std::uint32_t kMinChunkSize = 1024;
constexpr std::uint32_t kMaxChunkSize = 1024 * 1024;
constexpr std::uint32_t kMaxTableLength = 16 * 1024 * 1024;
constexpr std::size_t kMaxNameLength = 1024;
constexpr std::uint32_t kMaxFiles = 100000;

static_assert(sizeof(ContainerHeader::salt) == crypto_pwhash_SALTBYTES);
static_assert(sizeof(ContainerHeader::streamHeader) == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(sizeof(ContainerKey) == crypto_secretstream_xchacha20poly1305_KEYBYTES);

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        std::abort();   // no random source: nothing can be encrypted safely
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putU64(std::vector<std::uint8_t>& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
std::uint64_t getLE(const std::uint8_t* p, int n)
{
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

std::vector<std::uint8_t> headerBytes(const ContainerHeader& h)
{
    std::vector<std::uint8_t> out(kContainerMagic.begin(), kContainerMagic.end());
    putU16(out, h.formatVersion);
    putU16(out, static_cast<std::uint16_t>(h.kind));
    out.push_back(h.algorithm);
    out.insert(out.end(), 3, 0);
    putU64(out, h.kdf.opslimit);
    putU64(out, h.kdf.memlimit);
    out.insert(out.end(), h.salt.begin(), h.salt.end());
    out.insert(out.end(), h.streamHeader.begin(), h.streamHeader.end());
    putU32(out, h.tableLength);
    putU32(out, h.chunkSize);
    return out;
}

// The number of chunks a file of `size` bytes takes (none for an empty one).
std::uint64_t chunksFor(std::uint64_t size, std::uint32_t chunkSize) { return (size + chunkSize - 1) / chunkSize; }

// Wipes key material when it goes out of scope.
struct WipedKey {
    ContainerKey key{};
    ~WipedKey() { sodium_memzero(key.data(), key.size()); }
};
struct WipedState {
    crypto_secretstream_xchacha20poly1305_state state{};
    ~WipedState() { sodium_memzero(&state, sizeof state); }
};

ContainerRead failure(ContainerError error, const ContainerHeader& header = {})
{
    ContainerRead r;
    r.error = error;
    r.header = header;
    return r;
}

} // namespace

KeyDerivation KeyDerivation::program()
{
    return {crypto_pwhash_argon2id_OPSLIMIT_MODERATE, crypto_pwhash_argon2id_MEMLIMIT_MODERATE};
}

KeyDerivation KeyDerivation::testMinimum()
{
    return {crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
}

std::string ContainerRead::message() const
{
    switch (error) {
    case ContainerError::None:
        return {};
    case ContainerError::NotContainer:
        return "Die Datei ist keine verschlüsselte Ruvek-Datei (*.rvkx).";
    case ContainerError::NewerVersion:
        return "Die verschlüsselte Datei wurde mit einer neueren Version von Ruvek geschrieben (Format " +
               std::to_string(header.formatVersion) + ", diese Version liest bis Format " +
               std::to_string(kContainerFormatVersion) +
               ").\nBitte öffnen Sie sie mit der neuesten Version des Programms.";
    case ContainerError::Damaged:
        return "Die verschlüsselte Datei ist unvollständig oder beschädigt und kann nicht geöffnet werden.";
    case ContainerError::WrongPassword:
        return kMsgWrongPassword;
    case ContainerError::OutOfMemory:
        return "Für das Entschlüsseln steht nicht genug Arbeitsspeicher zur Verfügung.\n"
               "Schließen Sie andere Programme und versuchen Sie es noch einmal.";
    }
    return {};
}

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string passwordRuleViolation(std::string_view password)
{
    if (characterCount(password) < kMinPasswordLength)
        return "Das Kennwort muss mindestens " + std::to_string(kMinPasswordLength) + " Zeichen lang sein.";
    return {};
}

bool isSafeContainerName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength || name.front() == '/' || name.back() == '/')
        return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '\\')
            return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.size() > 255)
            return false;
        start = end + 1;
    }
    return true;
}

bool hasContainerMagic(ConstBytes start)
{
    return start.size() >= kContainerMagic.size() &&
           std::equal(kContainerMagic.begin(), kContainerMagic.end(), start.begin());
}

bool isContainerFile(const std::filesystem::path& path)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == kContainerExtension)
        return true;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    std::array<std::uint8_t, kContainerMagic.size()> start{};
    in.read(reinterpret_cast<char*>(start.data()), start.size());
    return in.gcount() == static_cast<std::streamsize>(start.size()) && hasContainerMagic(start);
}

SealOutcome sealContainer(ContainerKind kind, const std::vector<ContainerFile>& files, std::string_view password,
                          KeyDerivation kdf)
{
    ensureSodium();
    SealOutcome out;
    if (std::string reason = passwordRuleViolation(password); !reason.empty()) {
        out.error = reason;
        return out;
    }
    std::set<std::string_view> names;
    std::uint64_t total = kContainerHeaderSize;
    std::vector<std::uint8_t> table;
    putU32(table, static_cast<std::uint32_t>(files.size()));
    for (const ContainerFile& f : files) {
        if (!isSafeContainerName(f.name) || !names.insert(f.name).second) {
            out.error = "Der Dateiname \"" + f.name + "\" kann nicht in die verschlüsselte Datei aufgenommen werden.";
            return out;
        }
        putU16(table, static_cast<std::uint16_t>(f.name.size()));
        table.insert(table.end(), f.name.begin(), f.name.end());
        putU64(table, f.bytes.size());
        total += f.bytes.size() + kABytes * chunksFor(f.bytes.size(), kContainerChunkSize);
    }
    total += table.size() + 2 * kABytes;
    if (files.size() > kMaxFiles || table.size() > kMaxTableLength || total > kContainerLimit) {
        out.error = "Die Daten sind zu umfangreich für eine verschlüsselte Datei (höchstens " +
                    std::to_string(kContainerLimit >> 20) + " MB).";
        return out;
    }

    ContainerHeader h;
    h.kind = kind;
    h.algorithm = kAlgorithm;
    h.kdf = kdf;
    h.tableLength = static_cast<std::uint32_t>(table.size());
    randombytes_buf(h.salt.data(), h.salt.size());

    WipedKey key;
    if (crypto_pwhash(key.key.data(), key.key.size(), password.data(), password.size(), h.salt.data(), kdf.opslimit,
                      static_cast<std::size_t>(kdf.memlimit), kAlgorithm) != 0) {
        out.error = ContainerRead{ContainerError::OutOfMemory, {}, {}}.message();
        return out;
    }
    WipedState st;
    crypto_secretstream_xchacha20poly1305_init_push(&st.state, h.streamHeader.data(), key.key.data());

    std::vector<std::uint8_t> bytes = headerBytes(h);
    const std::vector<std::uint8_t> ad = bytes;
    bytes.reserve(static_cast<std::size_t>(total));
    const auto push = [&](const std::uint8_t* data, std::size_t size, const std::uint8_t* adData, std::size_t adSize,
                          unsigned char tag) {
        const std::size_t at = bytes.size();
        bytes.resize(at + size + kABytes);
        crypto_secretstream_xchacha20poly1305_push(&st.state, bytes.data() + at, nullptr, data, size, adData, adSize,
                                                   tag);
    };
    push(table.data(), table.size(), ad.data(), ad.size(), crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    for (const ContainerFile& f : files)
        for (std::size_t at = 0; at < f.bytes.size(); at += kContainerChunkSize)
            push(f.bytes.data() + at, std::min<std::size_t>(kContainerChunkSize, f.bytes.size() - at), nullptr, 0,
                 crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    const std::uint8_t none = 0;
    push(&none, 0, nullptr, 0, crypto_secretstream_xchacha20poly1305_TAG_FINAL);
    out.bytes = std::move(bytes);
    return out;
}

ContainerRead readContainerHeader(ConstBytes c)
{
    if (!hasContainerMagic(c))
        return failure(ContainerError::NotContainer);
    ContainerHeader h;
    if (c.size() >= 10)
        h.formatVersion = static_cast<std::uint16_t>(getLE(&c[8], 2));
    if (c.size() < kContainerHeaderSize)
        return failure(ContainerError::Damaged, h);
    if (h.formatVersion > kContainerFormatVersion)
        return failure(ContainerError::NewerVersion, h);
    const std::uint8_t* p = c.data();
    const auto kind = static_cast<std::uint16_t>(getLE(p + 10, 2));
    h.kind = static_cast<ContainerKind>(kind);
    h.algorithm = p[12];
    h.kdf.opslimit = getLE(p + 16, 8);
    h.kdf.memlimit = getLE(p + 24, 8);
    std::copy(p + 32, p + 48, h.salt.begin());
    std::copy(p + 48, p + 72, h.streamHeader.begin());
    h.tableLength = static_cast<std::uint32_t>(getLE(p + 72, 4));
    h.chunkSize = static_cast<std::uint32_t>(getLE(p + 76, 4));
    const bool ok = h.formatVersion >= 1 && (kind == 1 || kind == 2) && h.algorithm == kAlgorithm && p[13] == 0 &&
                    p[14] == 0 && p[15] == 0 && h.kdf.opslimit >= crypto_pwhash_argon2id_OPSLIMIT_MIN &&
                    h.kdf.opslimit <= kMaxOpslimit && h.kdf.memlimit >= crypto_pwhash_argon2id_MEMLIMIT_MIN &&
                    h.kdf.memlimit <= kMaxMemlimit && h.tableLength >= 4 && h.tableLength <= kMaxTableLength &&
                    h.chunkSize >= kMinChunkSize && h.chunkSize <= kMaxChunkSize &&
                    c.size() >= kContainerHeaderSize + h.tableLength + 2 * kABytes && c.size() <= kContainerLimit;
    if (!ok)
        return failure(ContainerError::Damaged, h);
    ContainerRead r;
    r.header = h;
    return r;
}

std::optional<ContainerKey> deriveContainerKey(const ContainerHeader& h, std::string_view password)
{
    ensureSodium();
    ContainerKey key{};
    if (crypto_pwhash(key.data(), key.size(), password.data(), password.size(), h.salt.data(), h.kdf.opslimit,
                      static_cast<std::size_t>(h.kdf.memlimit), h.algorithm) != 0)
        return std::nullopt;
    return key;
}

ContainerRead openContainerWithKey(ConstBytes c, const ContainerHeader& h, const ContainerKey& key)
{
    ensureSodium();
    WipedState st;
    if (crypto_secretstream_xchacha20poly1305_init_pull(&st.state, h.streamHeader.data(), key.data()) != 0)
        return failure(ContainerError::WrongPassword, h);
    std::size_t at = kContainerHeaderSize;
    // Pulls the chunk of `plainSize` bytes at the current position.
    const auto pull = [&](std::uint8_t* out, std::size_t plainSize, ConstBytes ad, unsigned char expectedTag) {
        if (c.size() - at < plainSize + kABytes)
            return false;
        unsigned char tag = 0;
        unsigned long long got = 0;
        if (crypto_secretstream_xchacha20poly1305_pull(&st.state, out, &got, &tag, c.data() + at, plainSize + kABytes,
                                                       ad.data(), ad.size()) != 0 ||
            got != plainSize || tag != expectedTag)
            return false;
        at += plainSize + kABytes;
        return true;
    };

    std::vector<std::uint8_t> table(h.tableLength);
    if (!pull(table.data(), table.size(), c.first(kContainerHeaderSize),
              crypto_secretstream_xchacha20poly1305_TAG_MESSAGE))
        return failure(ContainerError::WrongPassword, h);

    // The table: count, then per file its name's length, the name, its size.
    // It was sealed by someone who knew the password; still, nothing in it
    // is trusted beyond its bounds.
    ContainerRead r;
    r.header = h;
    std::size_t t = 4;
    const auto count = static_cast<std::uint32_t>(getLE(table.data(), 4));
    std::vector<std::uint64_t> sizes;
    std::set<std::string> names;
    std::uint64_t expected = at + kABytes;
    if (count > kMaxFiles)
        return failure(ContainerError::Damaged, h);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (table.size() - t < 2)
            return failure(ContainerError::Damaged, h);
        const std::size_t nameLength = static_cast<std::size_t>(getLE(&table[t], 2));
        t += 2;
        if (table.size() - t < nameLength + 8)
            return failure(ContainerError::Damaged, h);
        std::string name(reinterpret_cast<const char*>(&table[t]), nameLength);
        t += nameLength;
        const std::uint64_t size = getLE(&table[t], 8);
        t += 8;
        if (!isSafeContainerName(name) || !names.insert(name).second || size > kContainerLimit)
            return failure(ContainerError::Damaged, h);
        expected += size + kABytes * chunksFor(size, h.chunkSize);
        if (expected > c.size())
            return failure(ContainerError::Damaged, h);
        r.files.push_back({std::move(name), {}});
        sizes.push_back(size);
    }
    if (t != table.size() || expected != c.size())
        return failure(ContainerError::Damaged, h);

    for (std::size_t i = 0; i < r.files.size(); ++i) {
        std::vector<std::uint8_t>& bytes = r.files[i].bytes;
        bytes.resize(static_cast<std::size_t>(sizes[i]));
        for (std::size_t off = 0; off < bytes.size(); off += h.chunkSize)
            if (!pull(bytes.data() + off, std::min<std::size_t>(h.chunkSize, bytes.size() - off), {},
                      crypto_secretstream_xchacha20poly1305_TAG_MESSAGE))
                return failure(ContainerError::WrongPassword, h);
    }
    std::uint8_t none = 0;
    if (!pull(&none, 0, {}, crypto_secretstream_xchacha20poly1305_TAG_FINAL) || at != c.size())
        return failure(ContainerError::WrongPassword, h);
    return r;
}

ContainerRead openContainer(ConstBytes c, std::string_view password)
{
    ContainerRead head = readContainerHeader(c);
    if (!head)
        return head;
    WipedKey key;
    const std::optional<ContainerKey> derived = deriveContainerKey(head.header, password);
    if (!derived)
        return failure(ContainerError::OutOfMemory, head.header);
    key.key = *derived;
    return openContainerWithKey(c, head.header, key.key);
}

} // namespace ruvek
