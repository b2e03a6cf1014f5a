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

#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

class SafeFileWriter {
public:
    explicit SafeFileWriter(std::filesystem::path target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the temporary file; false when the folder is not writable.
    bool open();
    bool write(ConstBytes data);
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

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    int m_fd = -1;
    bool m_failed = false;
    std::vector<std::uint8_t> m_buffer;
    ContentHasher m_content;
    bool m_stamping = false;
    std::string m_error;
    bool m_writeProtected = false;
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
