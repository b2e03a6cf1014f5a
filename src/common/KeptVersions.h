#pragma once
// Earlier versions of the files the user changes (class files, form control
// files): before a save replaces a file, the version on disk is copied into
// the folder "Sicherungen" beside it, named after the file and the time
// that version was written ("7a 2026-12-10 14-03-22.RVK"); the newest
// `keep` versions of each file stay, older ones are removed, oldest first.
// Saving twice without a change keeps one version, not two. Every kept
// version is an unchanged copy of the file.
#include <compare>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr const char* kKeptVersionsFolder = "Sicherungen";

// A local date and time to the second, as it appears in a version's name.
struct LocalStamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    auto operator<=>(const LocalStamp&) const = default;
};

// The local time a file was last written.
LocalStamp modificationStamp(const std::filesystem::path& file);
// "10.12.2026" and "14:03:22", as the dialogs show them.
std::string dateText(const LocalStamp& stamp);
std::string timeText(const LocalStamp& stamp);

struct VersionKey {
    LocalStamp stamp;
    int sequence = 1;
    auto operator<=>(const VersionKey&) const = default;
};

// "<stem> YYYY-MM-DD HH-MM-SS<extension>"; from the second version of one
// second on "<stem> YYYY-MM-DD HH-MM-SS (2)<extension>".
std::string versionFileName(const std::string& stem, const LocalStamp& stamp, int sequence,
                            const std::string& extension);
// The key of a version's file name, when the name is one of this stem's
// versions with this extension (temporary files and other files' versions
// are not).
std::optional<VersionKey> parseVersionFileName(const std::string& fileName, const std::string& stem,
                                               const std::string& extension);

struct FileVersion {
    std::filesystem::path path;
    VersionKey key;
    std::uintmax_t size = 0;
};

// The versions of `stem` + `extension` in `folder`, newest first.
std::vector<FileVersion> listVersionsIn(const std::filesystem::path& folder, const std::string& stem,
                                        const std::string& extension);

enum class KeepResult {
    Kept,          // the version on disk was copied
    NothingToKeep, // no file there yet, or the newest kept version has the same bytes
    Failed,
};

// Copies `file` as it is on disk into the version folder beside it under
// `stem` and `extension`, then removes all but the newest `keep` versions.
// A save killed while it copied a version leaves the copy's temporary file
// behind; those of this stem are removed here. On failure *error holds the
// German reason.
KeepResult keepVersionOf(const std::filesystem::path& file, const std::string& stem, const std::string& extension,
                         std::size_t keep, std::string* error = nullptr);

// For files whose versions keep their own name and extension (form control
// files: "Anl017 2026-12-10 14-03-22.FST").
// The kept versions of `file`, newest first.
std::vector<std::filesystem::path> listFileVersions(const std::filesystem::path& file);
// True when it was kept or there was nothing to keep; false with a German
// reason in *error.
bool keepFileVersion(const std::filesystem::path& file, std::size_t keep = 10, std::string* error = nullptr);

} // namespace ruvek
