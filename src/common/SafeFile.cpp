#include "common/SafeFile.h"

#include "common/InputFile.h"
#include "common/IoPieces.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#if __has_include(<linux/fs.h>)
#include <linux/fs.h>
#endif

namespace ruvek {
namespace {
constexpr std::size_t kBufferSize = 1 << 20;
// Written bytes are sent on to the disk in steps of this size.
constexpr std::uintmax_t kWritebackStep = std::uintmax_t{8} << 20;
// A copy in the kernel goes in steps of this size (each is then sent on to the disk).
constexpr std::size_t kCopyStep = std::size_t{8} << 20;
// At most this many pieces go to one writev (IOV_MAX of Linux).
constexpr std::size_t kMaxPiecesPerCall = 1024;
// Links are followed at most this far (the system's own limit is 40).
constexpr int kMaxLinkHops = 40;

// A file name has at most this many bytes (NAME_MAX of Linux file systems).
constexpr std::size_t kMaxNameBytes = 255;
// The temporary name adds ".", ".tmp" and up to six digits to the target's name.
constexpr std::size_t kTempExtraBytes = 1 + 4 + 6;

std::string tempPrefixFor(const std::filesystem::path& target)
{
    const std::string name = target.filename().string();
    if (name.size() + kTempExtraBytes <= kMaxNameBytes)
        return "." + name + ".tmp";
    // Too long a name: its start and a hash of the whole name, so that two
    // long names with the same start still get prefixes of their own.
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    char hash[10];
    std::snprintf(hash, sizeof hash, "~%08x", h);
    const std::size_t keep = kMaxNameBytes - kTempExtraBytes - 9;
    return "." + name.substr(0, keep) + hash + ".tmp";
}

std::string tempNameFor(const std::filesystem::path& target)
{
    // One generator per thread: copies are written on threads of their own.
    thread_local std::mt19937 gen{std::random_device{}()};
    return tempPrefixFor(target) + std::to_string(gen() % 1000000);
}

std::filesystem::path folderOf(const std::filesystem::path& file)
{
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

// Removes temporary files of `target` that no writer holds any more: a save
// that was killed leaves its temporary file behind, unlocked. A file some
// writer is still writing is locked and stays.
void removeLeftoverTempsExcept(const std::filesystem::path& target, const std::filesystem::path& own)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isTempNameFor(name, target) || it->path().filename() == own.filename())
            continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}
} // namespace

void removeLeftoverTemps(const std::filesystem::path& target)
{
    removeLeftoverTempsExcept(resolveWriteTarget(target), {});
}

bool isWriteProtected(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // The administrator may write anything; a file without any write bit
    // was still protected on purpose, so it counts as protected for everyone.
    if ((st.st_mode & 0222) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM || errno == EROFS);
}

std::string systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM: return "Keine Berechtigung";
    case ENOSPC: return "Kein Speicherplatz";
    case EDQUOT: return "Speicherplatz-Kontingent überschritten";
    case ENAMETOOLONG: return "Dateiname zu lang";
    case EROFS: return "Das Laufwerk ist schreibgeschützt";
    case ENOENT: return "Ordner oder Datei nicht vorhanden";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "Ein Ordner dieses Namens ist vorhanden";
    case EIO: return "Ein-/Ausgabefehler";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien";
    case EXDEV: return "Datei und Ordner liegen auf verschiedenen Laufwerken";
    case EBUSY: return "Die Datei ist in Gebrauch";
    case EFBIG: return "Die Datei wird zu groß";
    default: return std::strerror(errorNumber);
    }
}

std::string writeProtectedText(const std::filesystem::path& path)
{
    return "Die Datei \"" + path.filename().string() + "\" ist schreibgeschützt.";
}

bool isTempNameFor(const std::string& name, const std::filesystem::path& target)
{
    const std::string prefix = tempPrefixFor(target);
    if (name.size() <= prefix.size() || !name.starts_with(prefix))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return c >= '0' && c <= '9'; });
}

std::filesystem::path resolveWriteTarget(const std::filesystem::path& path)
{
    std::filesystem::path p = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec)))
            return p;
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec)
            return p;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

SafeFileWriter::SafeFileWriter(std::filesystem::path target) : m_target(resolveWriteTarget(target)) {}

SafeFileWriter::~SafeFileWriter() { discard(); }

// Creates a new temporary file beside the target and locks it. A cleaner in
// another process may remove the file between its creation and the lock;
// then it has no name any more and another one is made.
bool SafeFileWriter::createLockedTemp()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        m_temp = m_target.parent_path() / tempNameFor(m_target);
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        struct stat st {};
        if (::flock(m_fd, LOCK_EX) == 0 && ::fstat(m_fd, &st) == 0 && st.st_nlink > 0)
            return true;
        ::close(m_fd);
        m_fd = -1;
    }
    m_error = systemErrorText(errno);
    m_temp.clear();
    return false;
}

bool SafeFileWriter::open()
{
    discard();
    m_failed = false;
    m_writeProtected = false;
    // A write-protected file is not replaced: the folder would allow the
    // rename, but the file's owner said it must not change.
    if (isWriteProtected(m_target)) {
        m_writeProtected = true;
        m_error = "Die Datei ist schreibgeschützt";
        return false;
    }
    if (!createLockedTemp())
        return false;
    removeLeftoverTempsExcept(m_target, m_temp);
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0)
        ::fchmod(m_fd, st.st_mode & 07777);
    m_buffer.reserve(kBufferSize);
    m_content = ContentHasher();
    m_written = m_writeback = 0;
    m_sourceChanged = false;
    return true;
}

bool SafeFileWriter::flushBuffer()
{
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written(static_cast<std::uintmax_t>(n));
        done += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
    return true;
}

bool SafeFileWriter::write(ConstBytes data)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (m_stamping)
        m_content.add(data);
    if (m_buffer.size() + data.size() > kBufferSize && !flushBuffer())
        return false;
    if (data.size() >= kBufferSize) {
        m_buffer.assign(data.begin(), data.end());
        return flushBuffer();
    }
    m_buffer.insert(m_buffer.end(), data.begin(), data.end());
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_fd < 0 || m_failed || !flushBuffer())
        return false;
    // The file is renamed while it is still open and locked, so no cleaner
    // takes it for a leftover in between.
    if (::fsync(m_fd) != 0 || ::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        m_error = systemErrorText(errno);
        discard();
        return false;
    }
    m_temp.clear();
    ::close(m_fd);
    m_fd = -1;
    // Make the rename itself durable.
    const int dirFd = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool SafeFileWriter::fail(int errorNumber)
{
    m_error = systemErrorText(errorNumber);
    m_failed = true;
    return false;
}

void SafeFileWriter::written(std::uintmax_t bytes)
{
    m_written += bytes;
#ifdef SYNC_FILE_RANGE_WRITE
    if (m_written - m_writeback >= kWritebackStep) {
        // Only a start: commit's fsync waits for the rest and reports errors.
        ::sync_file_range(m_fd, static_cast<off_t>(m_writeback), static_cast<off_t>(m_written - m_writeback),
                          SYNC_FILE_RANGE_WRITE);
        m_writeback = m_written;
    }
#endif
}

bool SafeFileWriter::writeAll(iovec* pieces, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::writev(m_fd, pieces, static_cast<int>(count));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(EIO);
        written(static_cast<std::uintmax_t>(n));
        skipMovedBytes(pieces, count, static_cast<std::size_t>(n));
    }
    return true;
}

bool SafeFileWriter::writePieces(std::span<const ConstBytes> pieces)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (m_stamping)
        for (const ConstBytes piece : pieces)
            m_content.add(piece);
    std::array<iovec, kMaxPiecesPerCall> calls;
    std::size_t next = 0;
    // What the buffer holds goes first, in the same call.
    bool buffered = !m_buffer.empty();
    while (buffered || next < pieces.size()) {
        std::size_t count = 0;
        if (buffered)
            calls[count++] = iovec{m_buffer.data(), m_buffer.size()};
        for (; count < calls.size() && next < pieces.size(); ++next)
            if (!pieces[next].empty())
                calls[count++] = iovec{const_cast<std::uint8_t*>(pieces[next].data()), pieces[next].size()};
        if (!writeAll(calls.data(), count))
            return false;
        buffered = false;
        m_buffer.clear();
    }
    return true;
}

KernelCopyCalls& kernelCopyCalls()
{
    static KernelCopyCalls calls{
        [](int destination, int source) -> int {
#ifdef FICLONE
            return ::ioctl(destination, FICLONE, source);
#else
            (void)destination;
            (void)source;
            errno = EOPNOTSUPP;
            return -1;
#endif
        },
        [](int source, off_t* sourceOffset, int destination, std::size_t length) -> ssize_t {
            return ::copy_file_range(source, sourceOffset, destination, nullptr, length, 0);
        },
    };
    return calls;
}

bool SafeFileWriter::copyFrom(int source, std::uintmax_t length)
{
    m_sourceChanged = false;
    if (m_fd < 0 || m_failed)
        return false;
    // Bytes that must go through the stamp, or behind bytes already written,
    // are copied here.
    if (m_stamping || m_written > 0 || !m_buffer.empty())
        return copyByReading(source, length);

    // A clone shares the blocks: nothing is copied at all.
    if (kernelCopyCalls().clone(m_fd, source) == 0) {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            return fail(errno);
        if (static_cast<std::uintmax_t>(st.st_size) != length) {
            m_sourceChanged = true;
            return fail(EIO);
        }
        m_written = m_writeback = length;
        return true;
    }

    off_t offset = 0;
    while (static_cast<std::uintmax_t>(offset) < length) {
        const auto step =
            static_cast<std::size_t>(std::min<std::uintmax_t>(length - static_cast<std::uintmax_t>(offset), kCopyStep));
        const ssize_t n = kernelCopyCalls().copyRange(source, &offset, m_fd, step);
        if (n > 0) {
            written(static_cast<std::uintmax_t>(n));
            continue;
        }
        if (n == 0) {
            m_sourceChanged = true;
            return fail(EIO);
        }
        if (errno == EINTR)
            continue;
        // This file system (or this pair of files) cannot copy in the kernel.
        const bool unsupported = errno == EXDEV || errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL;
        if (unsupported && offset == 0)
            return copyByReading(source, length);
        return fail(errno);
    }
    return true;
}

bool SafeFileWriter::copyByReading(int source, std::uintmax_t length)
{
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::uintmax_t>(length, kBufferSize)));
    for (std::uintmax_t at = 0; at < length;) {
        const auto want = static_cast<std::size_t>(std::min<std::uintmax_t>(length - at, block.size()));
        const ssize_t n = ::pread(source, block.data(), want, static_cast<off_t>(at));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0) {
            m_sourceChanged = true;
            return fail(EIO);
        }
        if (!write(ConstBytes(block.data(), static_cast<std::size_t>(n))))
            return false;
        at += static_cast<std::uintmax_t>(n);
    }
    return true;
}

std::optional<FileIdentity> identityOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const auto ns = [](const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::uintmax_t>(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
}

BackgroundCopy::BackgroundCopy(std::filesystem::path source, std::filesystem::path target)
    : m_source(std::move(source)), m_writer(std::make_unique<SafeFileWriter>(std::move(target)))
{
    m_thread = std::thread([this] { run(); });
}

BackgroundCopy::~BackgroundCopy()
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_accepted)
            m_accepted = false;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundCopy::run()
{
    CopyResult result = CopyResult::Failed;
    std::optional<FileIdentity> copied;
    const int fd = ::open(m_source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result = CopyResult::SourceChanged;
    } else {
        const std::optional<FileIdentity> before = identityOf(fd);
        if (!before)
            result = CopyResult::SourceChanged;
        else if (!m_writer->open())
            result = CopyResult::Failed;
        else if (!m_writer->copyFrom(fd, before->size))
            result = m_writer->sourceChanged() ? CopyResult::SourceChanged : CopyResult::Failed;
        // Written to while it was copied: the copy may mix two states.
        else if (identityOf(fd) != before)
            result = CopyResult::SourceChanged;
        else {
            copied = before;
            result = CopyResult::Copied;
        }
        ::close(fd);
    }
    std::unique_lock lock(m_mutex);
    m_result = result;
    m_copied = copied;
    m_copyFinished = true;
    m_changed.notify_all();
    if (result != CopyResult::Copied)
        return;
    m_changed.wait(lock, [this] { return m_accepted.has_value(); });
    if (!*m_accepted)
        return;
    lock.unlock();
    // The caller goes on meanwhile: flushing to disk is the slow part.
    const bool committed = m_writer->commit();
    lock.lock();
    m_committed = committed;
}

CopyResult BackgroundCopy::copied(const FileIdentity& expected, std::string* error)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_copyFinished; });
    CopyResult result = m_result;
    if (result == CopyResult::Copied && m_copied != expected)
        result = CopyResult::SourceChanged;
    m_accepted = result == CopyResult::Copied;
    lock.unlock();
    m_changed.notify_all();
    if (result != CopyResult::Copied) {
        m_thread.join();
        if (result == CopyResult::Failed && error)
            *error = m_writer->errorText();
        m_writer.reset(); // the copy is removed
    }
    return result;
}

bool BackgroundCopy::done(std::string* error)
{
    if (m_thread.joinable())
        m_thread.join();
    if (!m_committed && error && m_writer)
        *error = m_writer->errorText();
    return m_committed;
}

void SafeFileWriter::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
    m_buffer.clear();
}

bool writeFileSafely(const std::filesystem::path& path, ConstBytes data, std::string* error)
{
    SafeFileWriter writer(path);
    const bool ok = writer.open() && writer.write(data) && writer.commit();
    if (!ok && error)
        *error = writer.errorText();
    return ok;
}

bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out)
{
    InputFile f = readInputFile(path);
    if (!f)
        return false;
    out = std::move(f.bytes);
    return true;
}

} // namespace ruvek
