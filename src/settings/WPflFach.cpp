#include "settings/WPflFach.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"
#include "settings/SettingsIo.h"

#include <algorithm>
#include <system_error>

namespace ruvek {
namespace fs = std::filesystem;

namespace {
constexpr const char* kMsgCannotOpen = "Die Wahlpflicht-Fächer-Datei\nkonnte nicht geöffnet werden!";
constexpr const char* kMsgSaveFailed = " Fehler beim Speichern von: \n";
constexpr const char* kMsgCannotDelete = "Die letzten Datensätze können nicht gelöscht werden!";
constexpr std::size_t kCountSize = 2;
constexpr std::size_t kMaxFileSize = kCountSize + kMaxWPflFach * TWPflFachEintrag::Size;

TWPflFachEintrag makeEntry(std::string_view name, std::string_view kurz)
{
    TWPflFachEintrag e;
    e.WpfName = name;
    e.WpfKurz = kurz;
    return e;
}

std::string truncatedMessage(const fs::path& file)
{
    return "Die Wahlpflicht-Fächer-Datei\n" + file.string() +
           "\nist unvollständig und wurde nicht eingelesen!\n\nDie bisherige Liste bleibt erhalten.";
}

// Reads one file; a count of 0 comes back as NotFound so that the caller can
// treat it like a missing file.
WpflLoadResult readFile(TWPflFach& list, const fs::path& file, Prompter& prompter)
{
    const auto image = readSettingsFile(file, kMaxFileSize);
    if (!image) {
        prompter.error(kMsgCannotOpen);
        return WpflLoadResult::Failed;
    }
    const auto& bytes = image->prefix;
    if (bytes.size() < kCountSize) {
        prompter.error(truncatedMessage(file));
        return WpflLoadResult::Failed;
    }
    const std::size_t n = getU16(bytes, 0);
    if (n == 0)
        return WpflLoadResult::NotFound;
    if (bytes.size() < kCountSize + n * TWPflFachEintrag::Size) {
        prompter.error(truncatedMessage(file));
        return WpflLoadResult::Failed;
    }
    std::vector<TWPflFachEintrag> entries(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto block = ConstBytes(bytes).subspan(kCountSize + i * TWPflFachEintrag::Size, TWPflFachEintrag::Size);
        decodeRecord(entries[n - 1 - i], block);
    }
    list.Eintraege = std::move(entries);
    list.Gewaehlt = 0;
    return WpflLoadResult::Loaded;
}
} // namespace

void WpflDefaults(TWPflFach& list)
{
    list.Eintraege = {makeEntry("  - - -", "---"), makeEntry("???", "???")};
    list.Gewaehlt = 0;
}

WpflLoadResult LoadWPflFachFrom(TWPflFach& list, const fs::path& file, Prompter& prompter)
{
    // Files copied from Windows often change the letter case of their name.
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        const auto other = findSettingsFile(file.parent_path(), file.filename().string());
        if (!other)
            return WpflLoadResult::NotFound;
        return readFile(list, *other, prompter);
    }
    return readFile(list, file, prompter);
}

WpflLoadResult LoadWPflFach(TWPflFach& list, const WpflFolders& folders, Prompter& prompter)
{
    for (const auto* folder : {&folders.primary(), &folders.secondary()}) {
        if (folder->empty())
            continue;
        const auto file = findSettingsFile(*folder, kWPflFachFile);
        if (!file)
            continue;
        const auto result = readFile(list, *file, prompter);
        if (result != WpflLoadResult::NotFound)
            return result;
    }
    return WpflLoadResult::NotFound;
}

std::vector<std::uint8_t> WPflFachImage(const TWPflFach& list)
{
    const std::size_t n = std::min(list.count(), kMaxWPflFach);
    std::vector<std::uint8_t> image(kCountSize + n * TWPflFachEintrag::Size);
    putU16(image, 0, static_cast<std::uint16_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
        encodeRecord(list.Eintraege[n - 1 - i],
                     Bytes(image).subspan(kCountSize + i * TWPflFachEintrag::Size, TWPflFachEintrag::Size));
    }
    return image;
}

bool SaveWPflFach(const TWPflFach& list, const WpflFolders& folders, Prompter& prompter)
{
    const auto image = WPflFachImage(list);
    return saveSettingsFile(folders.primary(), kWPflFachFile, image, kMsgSaveFailed, prompter);
}

std::vector<std::string> BuildWahlpflichtListe(const TWPflFach& list)
{
    std::vector<std::string> names;
    names.reserve(list.count());
    for (const auto& e : list.Eintraege)
        names.push_back(e.WpfName.str());
    return names;
}

WpflCopyResult CopyWPflFach(const WpflFolders& folders, const fs::path& targetFolder, Prompter& prompter)
{
    std::optional<fs::path> source;
    for (const auto* folder : {&folders.primary(), &folders.secondary()}) {
        if (!folder->empty() && (source = findSettingsFile(*folder, kWPflFachFile)))
            break;
    }
    if (!source)
        return WpflCopyResult::NothingToCopy;

    const fs::path target = findSettingsFile(targetFolder, kWPflFachFile).value_or(targetFolder / kWPflFachFile);
    std::error_code ec;
    if (fs::equivalent(*source, target, ec))
        return WpflCopyResult::NothingToCopy;

    std::vector<std::uint8_t> content;
    if (!readWholeFile(*source, content)) {
        prompter.error(kMsgCannotOpen);
        return WpflCopyResult::Failed;
    }
    if (fs::exists(target, ec)) {
        std::vector<std::uint8_t> existing;
        if (readWholeFile(target, existing) && existing == content)
            return WpflCopyResult::Copied;
        const std::string question = "Die Datei\n" + target.string() + "\nist bereits vorhanden.\n\n" +
                                     "Soll sie durch die Datei aus\n" + source->parent_path().string() +
                                     "\nersetzt werden?";
        if (!prompter.askYesNo(question, MessageKind::Confirmation))
            return WpflCopyResult::Declined;
    }
    std::string error;
    if (!writeFileSafely(target, content, &error)) {
        prompter.error(kMsgSaveFailed + target.string());
        return WpflCopyResult::Failed;
    }
    return WpflCopyResult::Copied;
}

bool AddWPflFach(TWPflFach& list, const std::string& name)
{
    if (list.count() >= kMaxWPflFach)
        return false;
    list.Eintraege.push_back(makeEntry(name, "---"));
    list.Gewaehlt = list.count() - 1;
    return true;
}

bool DeleteSelectedWPflFach(TWPflFach& list, Prompter& prompter)
{
    const std::size_t sel = list.Gewaehlt;
    if (list.count() < 3 || sel < 2) {
        prompter.information(kMsgCannotDelete);
        return false;
    }
    if (sel >= list.count())
        return false;
    const std::string name = cp1252ToUtf8(list.Eintraege[sel].WpfName.view());
    if (!prompter.askYesNo("Wollen Sie das Fach: \"" + name + "\" wirklich löschen?", MessageKind::Warning))
        return false;
    list.Eintraege.erase(list.Eintraege.begin() + static_cast<std::ptrdiff_t>(sel));
    if (sel > 0)
        list.Gewaehlt = sel - 1;
    return true;
}

} // namespace ruvek
