#pragma once
// The school office's overview of all classes: one row per class file of a
// data folder (and, when asked, its subfolders) with what the office wants to
// know before a conference: the class and its class teacher, how many
// students, which certificate forms they get, how many completeness findings
// the class has, whether someone has it open, when it was last saved and how
// many earlier versions are kept.
//
// Reading a row only reads: no lock is taken, no backup copy is written,
// nothing on disk changes. A file that cannot be read gives a row with the
// German reason, and the other rows are not affected.
//
// Every function here may run on several threads at once for different
// files, as long as the installation it is given is not changed meanwhile
// (the window gives each background run a copy of its own).
#include "classfile/ClassLock.h"
#include "classfile/ClassFile.h"
#include "classfile/VersionBackups.h"
#include "settings/Installation.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

// One certificate form and how many students of the class get it.
struct FormUse {
    int annexCode = 0;       // 0: no certificate can be chosen yet
    std::string formFile;    // "Anl015"; empty for a code without a form
    std::string title;       // the form's title (UTF-8); for code 0 a note saying so
    std::size_t students = 0;
    bool operator==(const FormUse&) const = default;
};

struct ClassOverviewRow {
    std::filesystem::path file;
    std::string shownName;   // the path below the overview's folder, UTF-8 ("Unterstufe/5a.RVK")
    // The German reason when the file cannot be read as a class; the facts
    // of the class are empty then, those of the file (lock, last saved,
    // versions) are still given.
    std::string error;
    bool readable() const { return error.empty(); }

    int fileVersion = 0;       // 1: an old file, converted when it is next saved
    std::string className;     // UTF-8: the class most of its students are in
    std::string classTeacher;  // UTF-8
    std::size_t students = 0;  // the students a series print reaches
    std::vector<FormUse> forms;      // most used first
    std::size_t findings = 0;        // completeness findings

    LockState lock = LockState::Free;
    std::optional<LockOwner> lockOwner;
    std::optional<LocalStamp> lastSaved; // modification time of the file
    std::size_t versionsKept = 0;
};

// Reads the row of one class file. `folder` is the overview's folder (for
// the shown name); `me` and `now` judge the lock as opening would.
ClassOverviewRow readClassOverview(const std::filesystem::path& file, const std::filesystem::path& folder,
                                   const Installation& installation, const LockOwner& me, std::int64_t now);

// The name a row shows for `file`: its path below `folder` ("Unterstufe/5a.RVK"),
// or its file name when it lies elsewhere.
std::string shownNameOf(const std::filesystem::path& file, const std::filesystem::path& folder);

// The records of a class file as the overview and its print read them: no
// lock, nothing written. False with the German reason in *error.
bool readClassRecords(const std::filesystem::path& file, TDB2& records, std::string& error);

// Texts of the table cells (UTF-8).
// "Anl015 (24), Anl017 (2)"
std::string formsText(const ClassOverviewRow& row);
// "" when free; "in diesem Programm"; "benutzer auf Rechner", a stale lock
// with "(verwaist)" after it.
std::string lockText(const ClassOverviewRow& row);
// The holder as the lock questions describe it (computer, user, since when),
// for a tooltip.
std::string lockDetails(const ClassOverviewRow& row);
// "10.12.2026 14:03:22"; "" when unknown.
std::string lastSavedText(const ClassOverviewRow& row);
// A number that orders rows by their last save.
std::int64_t lastSavedKey(const ClassOverviewRow& row);

} // namespace ruvek
