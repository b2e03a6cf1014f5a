#include "classfile/ClassLock.h"

#include "common/SafeFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kFirstLine = "Ruvek-Sperre";

std::int64_t nowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string localTimeText(std::int64_t seconds, bool withSeconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, withSeconds ? "%d.%m.%Y %H:%M:%S" : "%d.%m.%Y %H:%M", &tm);
    return buf;
}

std::string readText(const fs::path& file)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(file, bytes))
        return {};
    return std::string(bytes.begin(), bytes.end());
}

std::int64_t fileAgeSeconds(const fs::path& file, std::int64_t now)
{
    std::error_code ec;
    const auto ft = fs::last_write_time(file, ec);
    if (ec)
        return 0;
    const auto sys = std::chrono::file_clock::to_sys(ft);
    return now - std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

// Writes the lock file complete under a private name, then links it to the
// lock name: the link fails when a lock exists, and a lock file is never
// seen half written. File systems without hard links get an exclusive create.
bool createLockFile(const fs::path& lockFile, const std::string& text)
{
    const fs::path temp = lockFile.parent_path() /
                          ("." + lockFile.filename().string() + "." + std::to_string(::getpid()) + ".neu");
    if (!writeFileSafely(temp, ConstBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())))
        return false;
    const int linked = ::link(temp.c_str(), lockFile.c_str());
    const int linkErrno = errno;
    ::unlink(temp.c_str());
    if (linked == 0)
        return true;
    if (linkErrno == EEXIST)
        return false;
    const int fd = ::open(lockFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}
} // namespace

LockOwner currentLockOwner()
{
    LockOwner me;
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        me.computer = host;
    if (const passwd* pw = ::getpwuid(::getuid()))
        me.user = pw->pw_name;
    else if (const char* u = std::getenv("USER"))
        me.user = u;
    me.process = ::getpid();
    me.since = nowSeconds();
    return me;
}

fs::path lockPathFor(const fs::path& classFile)
{
    return classFile.parent_path() / (classFile.filename().string() + std::string(kLockSuffix));
}

std::string formatLockFile(const LockOwner& o)
{
    std::ostringstream out;
    out << kFirstLine << "\nRechner=" << o.computer << "\nBenutzer=" << o.user << "\nProzess=" << o.process
        << "\nZeit=" << localTimeText(o.since, true) << "\nSekunden=" << o.since << "\n";
    return out.str();
}

std::optional<LockOwner> parseLockFile(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine)
        return std::nullopt;
    LockOwner o;
    bool hasProcess = false, hasSince = false;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        try {
            if (key == "Rechner")
                o.computer = value;
            else if (key == "Benutzer")
                o.user = value;
            else if (key == "Prozess")
                o.process = std::stoll(value), hasProcess = true;
            else if (key == "Sekunden")
                o.since = std::stoll(value), hasSince = true;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (!hasProcess || !hasSince)
        return std::nullopt;
    return o;
}

std::string describeLockOwner(const LockOwner& o)
{
    return "Rechner: " + (o.computer.empty() ? std::string("?") : o.computer) +
           "\nBenutzer: " + (o.user.empty() ? std::string("?") : o.user) + "\nseit: " + localTimeText(o.since, false);
}

bool processRunning(std::int64_t pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

LockState judgeLock(const std::optional<LockOwner>& owner, const LockOwner& me, std::int64_t now,
                    std::int64_t fileAge, const std::function<bool(std::int64_t)>& running)
{
    if (!owner)
        // Nobody writes an unreadable lock on purpose; give a program that
        // might still be about to use the file a day, as for any lock.
        return fileAge > kStaleLockSeconds ? LockState::Stale : LockState::HeldByOther;
    if (owner->computer == me.computer && owner->process == me.process)
        return LockState::Own;
    if (now - owner->since > kStaleLockSeconds)
        return LockState::Stale;
    if (owner->computer == me.computer && !running(owner->process))
        return LockState::Stale;
    return LockState::HeldByOther;
}

LockProbe probeLock(const fs::path& classFile, const LockOwner& me, std::int64_t now)
{
    const fs::path lockFile = lockPathFor(classFile);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(lockFile, ec)))
        return {};
    LockProbe probe;
    probe.owner = parseLockFile(readText(lockFile));
    probe.state = judgeLock(probe.owner, me, now, fileAgeSeconds(lockFile, now));
    return probe;
}

ClassLock::~ClassLock() { release(); }

ClassLock::ClassLock(ClassLock&& other) noexcept
    : classFile_(std::move(other.classFile_)), lockFile_(std::move(other.lockFile_)), owner_(std::move(other.owner_))
{
    other.lockFile_.clear();
}

ClassLock& ClassLock::operator=(ClassLock&& other) noexcept
{
    if (this != &other) {
        release();
        classFile_ = std::move(other.classFile_);
        lockFile_ = std::move(other.lockFile_);
        owner_ = std::move(other.owner_);
        other.lockFile_.clear();
    }
    return *this;
}

std::optional<ClassLock> ClassLock::acquire(const fs::path& classFile, const LockOwner& me)
{
    const fs::path lockFile = lockPathFor(classFile);
    if (!createLockFile(lockFile, formatLockFile(me)))
        return std::nullopt;
    ClassLock lock;
    lock.classFile_ = classFile;
    lock.lockFile_ = lockFile;
    lock.owner_ = me;
    return lock;
}

std::optional<ClassLock> ClassLock::takeOver(const fs::path& classFile, const LockOwner& me)
{
    // Renaming the old lock away is atomic: of two programs taking it over
    // at once only one succeeds, and that one creates the new lock.
    const fs::path lockFile = lockPathFor(classFile);
    const fs::path aside = lockFile.parent_path() /
                           ("." + lockFile.filename().string() + "." + std::to_string(::getpid()) + ".alt");
    if (::rename(lockFile.c_str(), aside.c_str()) != 0 && errno != ENOENT)
        return std::nullopt;
    ::unlink(aside.c_str());
    return acquire(classFile, me);
}

bool ClassLock::stillOurs() const
{
    if (!held())
        return false;
    const auto owner = parseLockFile(readText(lockFile_));
    return owner && owner->computer == owner_.computer && owner->process == owner_.process &&
           owner->since == owner_.since;
}

void ClassLock::release()
{
    if (!held())
        return;
    if (stillOurs())
        ::unlink(lockFile_.c_str());
    lockFile_.clear();
}

} // namespace ruvek
