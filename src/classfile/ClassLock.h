#pragma once
// One writer per class file. Whoever opens a class file for editing puts a
// small lock file beside it ("7a.RVK.$LK") that names the computer, the user,
// the process and the time. It is a plain file, so the lock works on network
// shares where colleagues on other computers use the same folder.
//
// A lock is stale when its program cannot be running any more: the process
// it names is gone on this same computer, or the lock is older than a day
// (a computer that crashed never removes its lock). A stale lock may be
// taken over after a question; a lock of a running program only allows
// opening the class read-only.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ruvek {

inline constexpr std::string_view kLockSuffix = ".$LK";
// A lock this old is stale whatever it names.
inline constexpr std::int64_t kStaleLockSeconds = 24 * 60 * 60;

struct LockOwner {
    std::string computer;
    std::string user;
    std::int64_t process = 0;
    std::int64_t since = 0;   // seconds since 1970 (UTC)
    bool operator==(const LockOwner&) const = default;
};

// This program: host name, login name, process id, now.
LockOwner currentLockOwner();

std::filesystem::path lockPathFor(const std::filesystem::path& classFile);

// The lock file's text and back.
std::string formatLockFile(const LockOwner& owner);
std::optional<LockOwner> parseLockFile(const std::string& text);
// "Rechner: ..\nBenutzer: ..\nseit: 10.12.2026 14:03" for the questions.
std::string describeLockOwner(const LockOwner& owner);

enum class LockState {
    Free,        // no lock file
    Own,         // this very process holds it
    HeldByOther, // a program that may still be running
    Stale,       // its program is gone
};

// Whether a process of this computer is running.
bool processRunning(std::int64_t pid);

// The lock rules. `owner` is what the lock file says (none: unreadable, then
// `fileAge` decides); `me` this program; `now` seconds since 1970.
LockState judgeLock(const std::optional<LockOwner>& owner, const LockOwner& me, std::int64_t now,
                    std::int64_t fileAge, const std::function<bool(std::int64_t)>& running = processRunning);

struct LockProbe {
    LockState state = LockState::Free;
    std::optional<LockOwner> owner;
};
// Reads and judges the lock of a class file.
LockProbe probeLock(const std::filesystem::path& classFile, const LockOwner& me, std::int64_t now);

// A lock held by this program; removed when released or destroyed, unless
// another program has taken it over meanwhile.
class ClassLock {
public:
    ClassLock() = default;
    ~ClassLock();
    ClassLock(ClassLock&& other) noexcept;
    ClassLock& operator=(ClassLock&& other) noexcept;
    ClassLock(const ClassLock&) = delete;
    ClassLock& operator=(const ClassLock&) = delete;

    // Creates the lock file; fails (empty result) when one exists. The file
    // appears complete or not at all.
    static std::optional<ClassLock> acquire(const std::filesystem::path& classFile, const LockOwner& me);
    // Replaces an existing (stale) lock by ours. Fails when another program
    // was quicker.
    static std::optional<ClassLock> takeOver(const std::filesystem::path& classFile, const LockOwner& me);

    bool held() const { return !lockFile_.empty(); }
    const std::filesystem::path& classFile() const { return classFile_; }
    // Whether the lock file still names us (nobody took it over).
    bool stillOurs() const;
    void release();

private:
    std::filesystem::path classFile_;
    std::filesystem::path lockFile_;
    LockOwner owner_;
};

} // namespace ruvek
