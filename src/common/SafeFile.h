#pragma once
// Writing files so that the previous content survives any failure: the new
// content goes into a temporary file in the same folder, is flushed to disk,
// and only then replaces the target by a rename. Until commit() succeeds the
// old file is untouched; a writer destroyed without commit removes its
// temporary file.
//
// A target that is a symbolic link is not replaced by a regular file: the
// new content goes to the file the link points to (the temporary file in
// that file's folder), so the link and everyone else using it see the new
// content. The temporary file stays locked (flock) while it is written;
// opening a writer removes unlocked leftovers of the target's temporary-file
// pattern, which a killed save leaves behind.
#include "common/ByteFields.h"
#include "common/ContentHash.h"

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <sys/uio.h>
#include <thread>
#include <vector>

namespace ruvek {

// Which file, in which state: the same file written to in place since has
// another change time, a file put in its place another inode.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of an open regular file; none for anything else.
std::optional<FileIdentity> identityOf(int fd);

class SafeFileWriter {
public:
    explicit SafeFileWriter(std::filesystem::path target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the temporary file; false when the folder is not writable.
    bool open();
    bool write(ConstBytes data);
    // Writes the pieces one after another, straight from where they are
    // (no copy into the writer's buffer; few system calls for many pieces).
    bool writePieces(std::span<const ConstBytes> pieces);
    // Copies `length` bytes of the open file `source` from its start: the
    // file system shares or copies them itself where it can (a clone, a copy
    // in the kernel), otherwise they are read and written here. Call on a
    // writer with nothing written yet. False on failure; sourceChanged()
    // tells when the source did not hold `length` bytes.
    bool copyFrom(int source, std::uintmax_t length);
    bool sourceChanged() const { return m_sourceChanged; }
    // Flushes, syncs and renames over the target. False leaves the target as it was.
    bool commit();
    // Asks for the stamp of everything written (call before writing);
    // writtenStamp() then gives it (after a commit: the stamp of the file).
    void stampContent() { m_stamping = true; }
    FileStamp writtenStamp() const { return stampOfContent(m_content); }
    // The reason of the last failure in German words (for messages).
    const std::string& errorText() const { return m_error; }
    // The target exists but nobody may write it (no write permission bit, or
    // the system refuses writing): open() fails rather than replace it.
    bool targetWriteProtected() const { return m_writeProtected; }

private:
    bool flushBuffer();
    void discard();
    bool createLockedTemp();
    bool fail(int errorNumber);
    // Counts bytes handed to the file and starts writing them to disk in
    // steps, so that the disk works while later bytes are still prepared and
    // the final sync has less left to wait for.
    void written(std::uintmax_t bytes);
    bool copyByReading(int source, std::uintmax_t length);
    bool writeAll(iovec* pieces, std::size_t count);

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    int m_fd = -1;
    bool m_failed = false;
    std::vector<std::uint8_t> m_buffer;
    ContentHasher m_content;
    bool m_stamping = false;
    std::string m_error;
    bool m_writeProtected = false;
    bool m_sourceChanged = false;
    std::uintmax_t m_written = 0;    // bytes handed to the file
    std::uintmax_t m_writeback = 0;  // bytes whose writing to disk was started
};

// The system calls copyFrom asks the file system to copy with; tests put in
// failing ones to take the other ways. Each returns -1 and sets errno on failure.
struct KernelCopyCalls {
    int (*clone)(int destination, int source);
    ssize_t (*copyRange)(int source, off_t* sourceOffset, int destination, std::size_t length);
};
KernelCopyCalls& kernelCopyCalls();

enum class CopyResult {
    Copied,
    Failed,        // the copy cannot be written (errorText says why); the target is as it was
    SourceChanged, // the source is not (any more) the file `expected` describes; nothing was changed
};

// A safe copy of a file made on a thread of its own, while the caller reads
// the same file. copied() waits until the bytes are copied and accepts the
// copy only when the source was the file `expected` describes (what the
// caller read) before and after it; the accepted copy is then flushed to
// disk and put in place of `target` in the background, and done() waits
// for that. A copy not accepted, or one whose flush or rename fails, leaves
// the target as it was and no temporary file behind; so does destroying the
// object before copied() (an accepted copy is finished first).
class BackgroundCopy {
public:
    BackgroundCopy(std::filesystem::path source, std::filesystem::path target);
    ~BackgroundCopy();
    BackgroundCopy(const BackgroundCopy&) = delete;
    BackgroundCopy& operator=(const BackgroundCopy&) = delete;

    // Failed: `error` (when given) gets the reason in German words.
    CopyResult copied(const FileIdentity& expected, std::string* error = nullptr);
    // After copied() gave Copied: whether the copy is on disk and in place.
    bool done(std::string* error = nullptr);

private:
    void run();

    std::filesystem::path m_source;
    std::unique_ptr<SafeFileWriter> m_writer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_copyFinished = false;            // the thread has copied (or given up)
    std::optional<bool> m_accepted;         // the caller's answer to the copy
    CopyResult m_result = CopyResult::Failed;
    std::optional<FileIdentity> m_copied;   // the source's identity throughout the copy
    bool m_committed = false;
    std::thread m_thread;
};

// Writes data as the whole new content of path, safely. False on any failure.
bool writeFileSafely(const std::filesystem::path& path, ConstBytes data, std::string* error = nullptr);

// The file a write to `path` changes: `path` itself, or the end of its
// chain of symbolic links (relative links taken from the link's folder).
std::filesystem::path resolveWriteTarget(const std::filesystem::path& path);

// Whether `name` has the form of a temporary file a writer for `target` makes.
// Temporary names never exceed the 255 bytes a file name may have: for a long
// target name the temporary name shortens the name, never the target.
bool isTempNameFor(const std::string& name, const std::filesystem::path& target);

// Removes the temporary files of `target` that a killed save left behind
// (a writer still at work holds its file locked; that one stays).
void removeLeftoverTemps(const std::filesystem::path& target);

// Whether the existing file `path` is write-protected: it carries no write
// permission bit at all, or this user may not write it. A missing file is not.
bool isWriteProtected(const std::filesystem::path& path);

// The reason of a failed system call in German words ("Keine Berechtigung",
// "Kein Speicherplatz", "Dateiname zu lang", ...).
std::string systemErrorText(int errorNumber);

// "Die Datei NAME ist schreibgeschützt." for refused saves.
std::string writeProtectedText(const std::filesystem::path& path);

// Reads a whole file through readInputFile (regular files up to its limit
// only); false when it cannot be opened or read or is refused.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out);

} // namespace ruvek
