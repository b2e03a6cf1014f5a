#include "settings/DataBackup.h"

#include "common/FileLookup.h"
#include "common/SafeFile.h"
#include "settings/FileCopy.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <map>
#include <system_error>

namespace ruvek {

namespace fs = std::filesystem;

namespace {

std::string upperExtension(const fs::path& p)
{
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return e;
}

// The files of the program's own kinds, for a data folder that is the
// program folder (whose programs and libraries are no data).
bool isProgramDataFile(const fs::path& p)
{
    static const char* const kinds[] = {".RVK", ".$KL", ".ZDB", ".FDB", ".DAT", ".FST", ".CFG"};
    const std::string e = upperExtension(p);
    return std::any_of(std::begin(kinds), std::end(kinds), [&](const char* k) { return e == k; });
}

// Settings files of the program folder.
constexpr const char* kProgramSettings[] = {"SCHEINST.DAT", "RVKEINST.DAT", "DRKEINST.DAT",
                                            "WPflFach.DAT", "Faecher.DAT",  "IMPORT.CFG"};

} // namespace

std::string todayStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return buf;
}

fs::path backupFolder(const BackupRequest& r) { return r.target / (kBackupFolderPrefix + r.date); }

std::vector<BackupFile> backupPlan(const BackupRequest& r)
{
    std::vector<BackupFile> plan;
    const bool dataIsProgram = sameFolder(r.dataFolder, r.programFolder);
    std::error_code ec;
    if (dataIsProgram) {
        for (fs::directory_iterator it(r.dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code fe;
            if (it->is_regular_file(fe) && isProgramDataFile(it->path()))
                plan.push_back({it->path(), it->path().filename()});
        }
    } else {
        for (fs::recursive_directory_iterator it(r.dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code fe;
            if (it->is_regular_file(fe))
                plan.push_back({it->path(), it->path().lexically_relative(r.dataFolder)});
        }
    }
    std::sort(plan.begin(), plan.end(), [](const BackupFile& a, const BackupFile& b) { return a.relative < b.relative; });
    if (!dataIsProgram)
        for (const char* name : kProgramSettings)
            if (auto file = findFileIgnoringCase(r.programFolder, name))
                plan.push_back({*file, fs::path(kBackupProgramSubfolder) / file->filename()});
    return plan;
}

namespace {

bool sameContent(const fs::path& a, const fs::path& b)
{
    std::vector<std::uint8_t> x, y;
    return readWholeFile(a, x) && readWholeFile(b, y) && x == y;
}

} // namespace

bool backupTargetAcceptable(const BackupRequest& r, Prompter& prompter)
{
    std::error_code ec;
    if (r.target.empty() || !fs::is_directory(r.target, ec)) {
        prompter.error("Der Zielort\n" + r.target.string() + "\nist kein vorhandener Ordner!");
        return false;
    }
    if (isInsideFolder(r.target, r.dataFolder)) {
        prompter.error("Die Datensicherung kann nicht im Datenverzeichnis\n" + r.dataFolder.string() +
                       "\n(oder einem Ordner darin) abgelegt werden!\n\nBitte wählen Sie einen anderen Zielort!");
        return false;
    }
    return true;
}

BackupResult runBackup(const BackupRequest& r, Prompter& prompter, const BackupProgress& progress)
{
    BackupResult result;
    result.folder = backupFolder(r);
    std::error_code ec;
    if (!backupTargetAcceptable(r, prompter))
        return result;
    fs::create_directories(result.folder, ec);
    if (ec || !fs::is_directory(result.folder)) {
        prompter.error("Der Ordner\n" + result.folder.string() + "\nkonnte nicht angelegt werden!\n\n" + ec.message());
        return result;
    }

    const std::vector<BackupFile> plan = backupPlan(r);
    CopySession copies(prompter, !r.overwrite);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const BackupFile& f = plan[i];
        if (progress && !progress(i, plan.size(), f.relative)) {
            result.cancelled = true;
            break;
        }
        const fs::path target = result.folder / f.relative;
        fs::create_directories(target.parent_path(), ec);
        switch (copies.copyTo(f.source, target)) {
        case CopySession::Result::Copied:
            if (sameContent(f.source, target)) {
                result.saved.push_back(f);
                result.bytes += fs::file_size(target, ec);
            } else {
                result.failed.push_back(f.relative);
                prompter.error("Die Kopie von\n" + f.source.string() + "\nstimmt nicht mit dem Original überein!");
            }
            break;
        case CopySession::Result::Skipped: result.kept.push_back(f.relative); break;
        case CopySession::Result::Failed: result.failed.push_back(f.relative); break;
        case CopySession::Result::Cancelled: result.cancelled = true; break;
        }
        if (result.cancelled)
            break;
    }
    if (progress && !result.cancelled)
        progress(plan.size(), plan.size(), {});
    result.done = !result.cancelled;
    return result;
}

std::string backupReport(const BackupResult& r)
{
    // Counted by kind, in the order a teacher looks for them.
    std::map<int, int> counts;
    const auto kindOf = [](const BackupFile& f) {
        if (f.relative.begin() != f.relative.end() && *f.relative.begin() == kBackupProgramSubfolder)
            return 4;
        const std::string e = upperExtension(f.relative);
        if (e == ".RVK")
            return 0;
        if (e == ".$KL")
            return 1;
        if (e == ".DAT" || e == ".CFG")
            return 2;
        if (e == ".FST")
            return 3;
        return 5;
    };
    for (const BackupFile& f : r.saved)
        ++counts[kindOf(f)];
    static const char* const labels[] = {"Klassen-Dateien (*.RVK)", "Sicherungskopien (*.$KL)",
                                         "Einstellungen im Datenverzeichnis", "Formular-Kopien (*.FST)",
                                         "Einstellungen des Programm-Ordners", "weitere Dateien"};
    std::string text = "Die Datensicherung wurde abgelegt in:\n" + r.folder.string() + "\n";
    for (const auto& [kind, n] : counts)
        text += "\n" + std::string(labels[kind]) + ": " + std::to_string(n);
    const std::uintmax_t kb = (r.bytes + 1023) / 1024;
    text += "\n\nzusammen " + std::to_string(r.saved.size()) + (r.saved.size() == 1 ? " Datei" : " Dateien") + " (" +
            std::to_string(kb) + " KB), jede Kopie mit dem Original verglichen.";
    if (!r.kept.empty())
        text += "\nnicht überschrieben: " + std::to_string(r.kept.size());
    if (!r.failed.empty())
        text += "\n\nNICHT gesichert: " + std::to_string(r.failed.size()) + " (siehe die Meldungen zuvor)";
    return text;
}

} // namespace ruvek
