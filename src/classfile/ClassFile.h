#pragma once
// Reading and writing class files (.RVK): a 92-byte header, then one student
// record per student, the last record of the list first. Version-1 files
// (4144-byte records) are converted while they are read; files are always
// written as version 2.
#include "classfile/ZgnRec.h"
#include "common/ContentHash.h"
#include "common/SafeFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

// The record list of a class.
using TDB2 = std::vector<TZgnRec>;

inline constexpr std::size_t kV1RecordSize = 4144;
inline constexpr std::size_t kMaxRecords = 65535;

// A class file as read: header and records in list order, and the stamp of
// all the bytes read (the whole file), for the changed-on-disk check.
struct ClassFileContent {
    TDateiKopf header;
    TDB2 records;
    FileStamp stamp;
    // The file holds exactly what writing these records with this header as
    // the open class keeps it (Version and LeseVersion 2) gives: a version-2
    // file with LeseVersion 2 and nothing after the records. A copy of the
    // file is then the class written anew.
    bool rewritesIdentically = false;
    // The file read (regular files only), to tell later that it still holds
    // what was read.
    std::optional<FileIdentity> source;
    // recordsFingerprint(records), when the bytes read gave it already.
    std::optional<std::uint64_t> fingerprint;
};

// The fingerprint of a record list, to tell whether it changed: the content
// hash of the class file Save As writes for it (newFileHeader, then the
// records, last first). A file read or written with exactly that content
// has it as the hash of its stamp, without another pass over the records.
std::uint64_t recordsFingerprint(const TDB2& records);
// The fingerprint of `records` taken from the stamp of a class file just
// written with `header` and these records, when the file is the one Save As
// writes; else computed.
std::uint64_t fingerprintAfterWrite(const TDateiKopf& header, const TDB2& records, const FileStamp& written);

enum class ReadError {
    None,
    CannotOpen,     // the file cannot be opened for reading
    WrongFormat,    // too short for a header, or the magic is not there
    UnknownVersion, // Version is neither 1 nor 2
    NoRecords,      // Anzahl is 0
    Truncated,      // fewer bytes than the header announces
};

// The German message for a read failure (as shown to the user).
std::string readErrorText(ReadError error);

// Reads a whole class file, converting version-1 records. On failure `out`
// is left as it was. The header comes back as stored (Version 1 or 2).
ReadError readClassFile(const std::filesystem::path& path, ClassFileContent& out);

// A look at header and size only, before the file is read: whether it
// holds a version-2 class file with LeseVersion 2 and nothing after the
// records (see ClassFileContent::rewritesIdentically).
bool fileRewritesIdentically(const std::filesystem::path& path);

// Reads a whole class file held in memory (a decrypted transfer file), with
// the same checks and conversion as readClassFile.
ReadError readClassBytes(ConstBytes bytes, ClassFileContent& out);

// Writes header and records (last list entry first) through the writer,
// which must be open. Does not commit.
bool writeClassRecords(SafeFileWriter& writer, const TDateiKopf& header, const TDB2& records);

// The bytes of a class file with this header and records, as
// writeClassRecords writes them (for a class that goes into a container
// without touching the disk).
std::vector<std::uint8_t> classFileBytes(const TDateiKopf& header, const TDB2& records);

// Writes a complete class file safely: the previous file survives any failure.
// `written` receives the stamp of the new file's content.
bool writeClassFile(const std::filesystem::path& path, const TDateiKopf& header, const TDB2& records,
                    std::string* error = nullptr, FileStamp* written = nullptr);

// The header a new class file gets: zero bytes, the magic, Version and
// LeseVersion 2, Anzahl = count.
TDateiKopf newFileHeader(std::uint16_t count);

// True when the header carries exactly the 13 bytes of the magic.
bool hasClassFileMagic(const TDateiKopf& header);

} // namespace ruvek
