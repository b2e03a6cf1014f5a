#include "classfile/ClassFile.h"

#include "classfile/StudentRecord.h"
#include "common/IoPieces.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace ruvek {

std::string readErrorText(ReadError error)
{
    switch (error) {
    case ReadError::None:
        return {};
    case ReadError::CannotOpen:
        return "Die Datei konnte nicht geöffnet werden!";
    case ReadError::WrongFormat:
        return "Die Datei hat nicht das erwartete Format!\nDie Daten können NICHT gelesen werden!!!";
    case ReadError::UnknownVersion:
        return "Die Datei hat eine nicht bekannte Versionsnummer!\nDie Daten können NICHT gelesen werden!!!";
    case ReadError::NoRecords:
        return "Die Datei enthält keine Schüler-Datensätze!\nDie Daten können NICHT gelesen werden!!!";
    case ReadError::Truncated:
        return "Die Datei ist unvollständig (kürzer als im Dateikopf angegeben)!\n"
               "Die Daten können NICHT gelesen werden!!!";
    }
    return {};
}

bool hasClassFileMagic(const TDateiKopf& header)
{
    return header.Kennung.bytes[0] == kKennung.size() && header.Kennung.view() == kKennung;
}

TDateiKopf newFileHeader(std::uint16_t count)
{
    TDateiKopf h{};
    h.Anzahl = count;
    h.Kennung = kKennung;
    h.Version = 2;
    h.LeseVersion = 2;
    return h;
}

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Records are read in blocks of this many to keep system calls few and the
// extra memory small.
constexpr std::size_t kRecordsPerBlock = 128;

// Room for `count` records. A large list is asked to lie in huge pages:
// 20,000 records fill 120 MB, which in 4 KB pages cost 30,000 page faults
// while they are first written.
void reserveRecords(TDB2& records, std::size_t count)
{
    records.reserve(count);
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(records.data());
    const std::uintptr_t end = begin + records.capacity() * sizeof(TZgnRec);
    const std::uintptr_t from = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t to = end & ~(kHugePage - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE); // only advice: failure is harmless
#endif
#ifdef MADV_POPULATE_WRITE
    // The records are all written at once next: their pages are made in one
    // call rather than one page fault each (older systems refuse; harmless).
    const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(records.data()) & ~(pageSize - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(records.data() + records.capacity());
    if (last - first >= (std::uintptr_t{2} << 20))
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#endif
}

// Reads exactly the bytes the pieces hold from `offset` on; false when the
// file ends before or cannot be read.
bool readPiecesAt(int fd, iovec* pieces, std::size_t count, off_t offset)
{
    while (count > 0) {
        const ssize_t n = ::preadv(fd, pieces, static_cast<int>(count), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        offset += n;
        skipMovedBytes(pieces, count, static_cast<std::size_t>(n));
    }
    return true;
}

// Reads the records of a version-2 file straight into their places in the
// list (the file holds the last one first; each record in memory is its
// image, see storesImage) and adds their bytes to the stamp while they are
// fresh in the cache. `records` has its final size.
bool readImagesInPlace(int fd, TDB2& records, ContentHasher& content)
{
    const std::size_t count = records.size();
    std::array<iovec, kRecordsPerBlock> pieces;
    auto offset = static_cast<off_t>(TDateiKopf::Size);
    for (std::size_t done = 0; done < count;) {
        const std::size_t n = std::min(count - done, kRecordsPerBlock);
        for (std::size_t k = 0; k < n; ++k)
            pieces[k] = iovec{&records[count - 1 - done - k], TZgnRec::Size};
        if (!readPiecesAt(fd, pieces.data(), n, offset))
            return false;
        for (std::size_t k = 0; k < n; ++k)
            content.add(imageBytes(records[count - 1 - done - k]));
        offset += static_cast<off_t>(n * TZgnRec::Size);
        done += n;
    }
    return true;
}

// Adds whatever follows the records (from `offset` on) to the stamp;
// returns whether there was anything.
bool hashRestAt(int fd, off_t offset, ContentHasher& content)
{
    std::array<std::uint8_t, 64 * 1024> block;
    bool any = false;
    for (;;) {
        const ssize_t n = ::pread(fd, block.data(), block.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return any;
        content.add(ConstBytes(block.data(), static_cast<std::size_t>(n)));
        offset += n;
        any = true;
    }
}

// Reads a class file from an open stream. `size` is the stream's length when
// it is known (a regular file, bytes in memory), so a damaged header is
// refused before any record is read. `fd` is the descriptor of a regular
// file (else -1): its version-2 records are read straight into the list.
ReadError readClassStream(std::FILE* file, int fd, std::optional<std::uintmax_t> size, ClassFileContent& out)
{
    std::array<std::uint8_t, TDateiKopf::Size> headerBytes{};
    const std::size_t got = std::fread(headerBytes.data(), 1, headerBytes.size(), file);
    ContentHasher content;
    content.add(ConstBytes(headerBytes.data(), got));
    const auto header = fromBytes<TDateiKopf>(headerBytes);
    if (!hasClassFileMagic(header))
        return ReadError::WrongFormat;
    if (got != headerBytes.size())
        return ReadError::Truncated; // the magic is there, the rest of the header is not

    std::size_t recordSize = 0;
    if (header.Version == 1)
        recordSize = kV1RecordSize;
    else if (header.Version == 2)
        recordSize = TZgnRec::Size;
    else
        return ReadError::UnknownVersion;
    if (header.Anzahl == 0)
        return ReadError::NoRecords;

    // Check the announced size before reading, so a damaged header is
    // refused at once. A pipe or device has no size to check: there memory
    // grows only with the records that actually arrive, and the read stops
    // as soon as the data ends.
    const std::size_t count = header.Anzahl;
    const bool regular = size.has_value();
    if (regular && *size < TDateiKopf::Size + count * recordSize)
        return ReadError::Truncated;

    // The file holds the last list entry first. A regular file's records go
    // straight to their place; from a pipe they are collected in file order
    // and turned round at the end.
    TDB2 records;
    if (regular) {
        reserveRecords(records, count);
        records.resize(count);
    }
    bool trailing = false;
    if (regular && fd >= 0 && recordSize == TZgnRec::Size && storesImage<TZgnRec>()) {
        if (!readImagesInPlace(fd, records, content))
            return ReadError::Truncated;
        // Whatever follows the records belongs to the file's stamp, too.
        trailing = hashRestAt(fd, static_cast<off_t>(TDateiKopf::Size + count * TZgnRec::Size), content);
    } else {
        std::size_t position = count;
        const auto store = [&](ConstBytes image) {
            TZgnRec& r = regular ? records[--position] : records.emplace_back();
            if (recordSize == kV1RecordSize)
                r = convertRecordV1(image);
            else
                decodeRecord(r, image);
        };
        std::vector<std::uint8_t> block(std::min(count, kRecordsPerBlock) * recordSize);
        std::size_t remaining = count;
        while (remaining > 0) {
            const std::size_t n = std::min(remaining, kRecordsPerBlock);
            if (std::fread(block.data(), recordSize, n, file) != n)
                return ReadError::Truncated;
            content.add(ConstBytes(block.data(), n * recordSize));
            for (std::size_t k = 0; k < n; ++k)
                store(ConstBytes(block.data() + k * recordSize, recordSize));
            remaining -= n;
        }
        if (!regular)
            std::reverse(records.begin(), records.end());
        // Whatever follows the records belongs to the file's stamp, too.
        std::size_t rest;
        while ((rest = std::fread(block.data(), 1, block.size(), file)) > 0) {
            content.add(ConstBytes(block.data(), rest));
            trailing = true;
        }
    }
    out.header = header;
    out.records = std::move(records);
    out.stamp = stampOfContent(content);
    out.rewritesIdentically = header.Version == 2 && header.LeseVersion == 2 && !trailing;
    out.fingerprint.reset();
    if (out.rewritesIdentically && headerBytes == toBytes(newFileHeader(header.Anzahl)))
        out.fingerprint = out.stamp.hash;
    out.source.reset();
    return ReadError::None;
}
} // namespace

ReadError readClassFile(const std::filesystem::path& path, ClassFileContent& out)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return ReadError::CannotOpen;
    struct stat st {};
    if (::fstat(fileno(file.get()), &st) != 0 || S_ISDIR(st.st_mode))
        return ReadError::CannotOpen;
    std::optional<std::uintmax_t> size;
    if (S_ISREG(st.st_mode))
        size = static_cast<std::uintmax_t>(st.st_size);
    // Taken before reading: a file written to meanwhile has another identity.
    const std::optional<FileIdentity> identity = identityOf(fileno(file.get()));
    const ReadError error = readClassStream(file.get(), size ? fileno(file.get()) : -1, size, out);
    if (error == ReadError::None)
        out.source = identity;
    return error;
}

bool fileRewritesIdentically(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::array<std::uint8_t, TDateiKopf::Size> bytes{};
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                    ::pread(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    if (!ok)
        return false;
    const auto header = fromBytes<TDateiKopf>(bytes);
    return hasClassFileMagic(header) && header.Version == 2 && header.LeseVersion == 2 && header.Anzahl > 0 &&
           static_cast<std::uintmax_t>(st.st_size) == TDateiKopf::Size + std::uintmax_t{header.Anzahl} * TZgnRec::Size;
}

ReadError readClassBytes(ConstBytes bytes, ClassFileContent& out)
{
    if (bytes.size() < kKennung.size() + 1)
        return ReadError::WrongFormat;
    // The same reader as for a file, over the bytes in memory: nothing of
    // the content touches the disk.
    FilePtr file(::fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb"));
    if (!file)
        return ReadError::CannotOpen;
    return readClassStream(file.get(), -1, bytes.size(), out);
}

bool writeClassRecords(SafeFileWriter& writer, const TDateiKopf& header, const TDB2& records)
{
    if (!writer.write(toBytes(header)))
        return false;
    if (storesImage<TZgnRec>()) {
        // Straight from the list, last record first, many records per call.
        std::array<ConstBytes, kRecordsPerBlock> pieces;
        for (std::size_t done = 0; done < records.size();) {
            const std::size_t n = std::min(records.size() - done, kRecordsPerBlock);
            for (std::size_t k = 0; k < n; ++k)
                pieces[k] = imageBytes(records[records.size() - 1 - done - k]);
            if (!writer.writePieces(std::span(pieces.data(), n)))
                return false;
            done += n;
        }
        return true;
    }
    std::array<std::uint8_t, TZgnRec::Size> image{};
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        encodeRecord(*it, image);
        if (!writer.write(image))
            return false;
    }
    return true;
}

std::vector<std::uint8_t> classFileBytes(const TDateiKopf& header, const TDB2& records)
{
    std::vector<std::uint8_t> out;
    out.reserve(TDateiKopf::Size + records.size() * TZgnRec::Size);
    const auto h = toBytes(header);
    out.insert(out.end(), h.begin(), h.end());
    std::array<std::uint8_t, TZgnRec::Size> image{};
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        encodeRecord(*it, image);
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

std::uint64_t recordsFingerprint(const TDB2& records)
{
    ContentHasher content;
    content.add(toBytes(newFileHeader(static_cast<std::uint16_t>(records.size()))));
    std::array<std::uint8_t, TZgnRec::Size> image{};
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (storesImage<TZgnRec>()) {
            content.add(imageBytes(*it));
        } else {
            encodeRecord(*it, image);
            content.add(image);
        }
    }
    return content.value();
}

std::uint64_t fingerprintAfterWrite(const TDateiKopf& header, const TDB2& records, const FileStamp& written)
{
    if (records.size() <= kMaxRecords &&
        toBytes(header) == toBytes(newFileHeader(static_cast<std::uint16_t>(records.size()))))
        return written.hash;
    return recordsFingerprint(records);
}

bool writeClassFile(const std::filesystem::path& path, const TDateiKopf& header, const TDB2& records,
                    std::string* error, FileStamp* written)
{
    SafeFileWriter writer(path);
    if (written)
        writer.stampContent();
    const bool ok = writer.open() && writeClassRecords(writer, header, records) && writer.commit();
    if (!ok && error)
        *error = writer.errorText();
    if (ok && written)
        *written = writer.writtenStamp();
    return ok;
}

} // namespace ruvek
