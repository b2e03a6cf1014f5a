#include "settings/SettingsTransfer.h"

#include "common/FileLookup.h"
#include "settings/DrkEinst.h"
#include "settings/FileCopy.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WPflFach.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace ruvek {

namespace fs = std::filesystem;

namespace {

constexpr TransferItemInfo kItems[] = {
    {TransferItem::WPflFach, "Wahlpflicht-Fächer", kWPflFachFile},
    {TransferItem::TestTst, " ", "TEST.TST"},
    {TransferItem::SchulEinst, "Schul-Einstellungen", "SCHEINST.DAT"},
    {TransferItem::ProgEinst, "Programm-Einstellungen", "RVKEINST.DAT"},
    {TransferItem::DrkEinst, "Druck-Einstellungen", "DRKEINST.DAT"},
    {TransferItem::FormFiles, "Format-Steuer-Dateien ( *.FST)", "*.FST"},
    {TransferItem::TestTxt, " ", "TEST.TXT"},
};

const TransferItemInfo& info(TransferItem item) { return kItems[static_cast<std::size_t>(item)]; }

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// The folders a single file is looked for in, in the order the program reads it.
std::pair<fs::path, fs::path> readOrder(TransferItem item, const TransferFolders& f)
{
    const auto central = [&](int on) { return on == 1 ? std::pair{f.programFolder, f.dataFolder}
                                                      : std::pair{f.dataFolder, f.programFolder}; };
    switch (item) {
    case TransferItem::WPflFach: return central(f.zentralListen);
    case TransferItem::DrkEinst: return central(f.zentralSpeichern);
    case TransferItem::FormFiles: return central(f.fstKopien == 1 ? 0 : 1);
    default: return {f.programFolder, f.dataFolder};
    }
}

std::vector<fs::path> formFilesFrom(std::initializer_list<fs::path> folders)
{
    std::vector<fs::path> out;
    std::set<std::string> taken;
    for (const fs::path& folder : folders)
        for (const fs::path& file : filesWithExtension(folder, "FST"))
            if (taken.insert(upper(file.filename().string())).second)
                out.push_back(file);
    std::sort(out.begin(), out.end(), [](const fs::path& a, const fs::path& b) {
        return upper(a.filename().string()) < upper(b.filename().string());
    });
    return out;
}

} // namespace

std::span<const TransferItemInfo> transferItems() { return kItems; }

TransferSelection exportDefaultSelection() { return {true, false, true, true, true, false, false}; }
TransferSelection importDefaultSelection() { return {true, true, true, true, false, false, false}; }

TransferFolders TransferFolders::of(const Settings& s)
{
    return {s.programFolder, s.dataFolder, s.prog.ZentralListen, s.druck.ZentralSpeichern, s.druck.FstKopien};
}

std::vector<fs::path> exportSources(TransferItem item, const TransferFolders& folders)
{
    const auto [first, second] = readOrder(item, folders);
    if (item == TransferItem::FormFiles) {
        if (sameFolder(first, second))
            return formFilesFrom({first});
        return formFilesFrom({first, second});
    }
    for (const fs::path& folder : {first, second})
        if (auto file = findFileIgnoringCase(folder, info(item).file))
            return {*file};
    return {};
}

std::vector<fs::path> importSources(TransferItem item, const fs::path& sourceFolder)
{
    if (item == TransferItem::FormFiles)
        return formFilesFrom({sourceFolder});
    if (auto file = findFileIgnoringCase(sourceFolder, info(item).file))
        return {*file};
    return {};
}

TransferResult exportSettings(const TransferSelection& selection, const TransferFolders& folders,
                              const fs::path& target, Prompter& prompter)
{
    TransferResult result;
    if (sameFolder(target, folders.programFolder) || sameFolder(target, folders.dataFolder)) {
        prompter.error(kMsgSelfCopy);
        result.refused = true;
        return result;
    }
    CopySession copies(prompter);
    for (const TransferItemInfo& i : kItems) {
        if (!selected(selection, i.item))
            continue;
        for (const fs::path& file : exportSources(i.item, folders))
            copies.copyInto(file, target);
        if (copies.cancelled())
            break;
    }
    result.cancelled = copies.cancelled();
    result.written = copies.written();
    return result;
}

TransferResult importSettings(const TransferSelection& selection, const TransferFolders& folders,
                              const fs::path& source, const ImportTargets& targets, Prompter& prompter)
{
    TransferResult result;
    const fs::path& second = folders.einstOrdner();
    if ((targets.programFolder && sameFolder(source, folders.programFolder)) ||
        (targets.einstOrdner && sameFolder(source, second))) {
        prompter.error(kMsgSelfCopy);
        result.refused = true;
        return result;
    }
    const bool secondIsProgram = sameFolder(second, folders.programFolder);
    CopySession copies(prompter);
    for (const TransferItemInfo& i : kItems) {
        if (!selected(selection, i.item))
            continue;
        for (const fs::path& file : importSources(i.item, source)) {
            if (targets.programFolder)
                copies.copyInto(file, folders.programFolder);
            if (targets.einstOrdner && !(secondIsProgram && targets.programFolder))
                copies.copyInto(file, second);
        }
        if (copies.cancelled())
            break;
    }
    result.cancelled = copies.cancelled();
    result.written = copies.written();
    return result;
}

namespace {

std::string fileList(const TransferResult& r)
{
    std::string out;
    for (const fs::path& p : r.written)
        out += "\n   " + p.string();
    return out;
}

std::string countText(std::size_t n) { return n == 1 ? "1 Datei" : std::to_string(n) + " Dateien"; }

} // namespace

std::string exportReport(const TransferResult& r, const fs::path& target)
{
    if (r.written.empty())
        return "Es wurden keine Einstellungen nach:\n" + target.string() + "\nexportiert.";
    return "Exportiert nach:\n" + target.string() + "\n\n" + countText(r.written.size()) + ":" + fileList(r) +
           (r.cancelled ? "\n\nDer Export wurde abgebrochen." : "");
}

std::string importReport(const TransferResult& r)
{
    if (r.written.empty())
        return "Es wurden keine Einstellungen importiert.";
    return "Importiert: " + countText(r.written.size()) + fileList(r) +
           (r.cancelled ? "\n\nDer Import wurde abgebrochen." : "") +
           "\n\nDie importierten Einstellungen gelten ab dem nächsten Start des Programms.";
}

} // namespace ruvek
