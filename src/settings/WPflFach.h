#pragma once
// The school's list of elective subjects (Wahlpflichtfächer), offered by the
// six elective selections W1..W6 of the record editor, and its file
// WPflFach.DAT: an unsigned 16-bit count N followed by the N entries of 47
// bytes, last entry first. Entries 0 and 1 are fixed ("  - - -" = no
// elective, "???" = unknown).
//
// Names are Windows-1252 bytes, as in the records, so that a name taken from
// the list can go into a subject slot unchanged.
#include "common/ByteFields.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ruvek {

// One elective subject: 47 bytes.
struct TWPflFachEintrag {
    static constexpr std::size_t Size = 47;
    PStr<40> WpfName;  // subject name
    PStr<5> WpfKurz;   // abbreviation; "---" for entries added in the dialog
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TWPflFachEintrag>
void visitFields(R& r, V&& v)
{
    v("WpfName", 0, r.WpfName);
    v("WpfKurz", 41, r.WpfKurz);
}

inline constexpr const char* kWPflFachFile = "WPflFach.DAT";
// The count is stored in 16 bits.
inline constexpr std::size_t kMaxWPflFach = 0xFFFF;

// The elective list in memory: the entries in array order and the entry
// selected in the dialog.
struct TWPflFach {
    std::vector<TWPflFachEintrag> Eintraege;
    std::size_t Gewaehlt = 0;

    std::size_t count() const { return Eintraege.size(); }
};

// Where the file is kept: in the program folder when the program setting
// ZentralListen is 1, else in the data folder.
struct WpflFolders {
    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;
    int zentralListen = 1;

    const std::filesystem::path& primary() const { return zentralListen == 1 ? programFolder : dataFolder; }
    const std::filesystem::path& secondary() const { return zentralListen == 1 ? dataFolder : programFolder; }
};

// The two fixed entries, count 2, entry 0 selected.
void WpflDefaults(TWPflFach& list);

enum class WpflLoadResult {
    Loaded,     // the list holds the file's entries
    NotFound,   // no usable file in either folder: the list is unchanged
    Failed,     // unreadable or truncated file: message shown, list unchanged
};

// Reads WPflFach.DAT from the folder of ZentralListen, or from the other
// folder when it is not there. A file with the count 0 counts as missing. A
// file that cannot be read or is shorter than its count announces is
// reported and leaves the list as it was.
WpflLoadResult LoadWPflFach(TWPflFach& list, const WpflFolders& folders, Prompter& prompter);

// Reads one given file (the class file opening offers the list of another
// data folder). A file whose name differs only in letter case is accepted; a
// missing file or a count of 0 gives NotFound without a message.
WpflLoadResult LoadWPflFachFrom(TWPflFach& list, const std::filesystem::path& file, Prompter& prompter);

// Writes the list into the folder of ZentralListen, replacing the old file
// only when the new one is complete; the file has exactly 2 + 47 * N bytes.
// Failures are reported; the list in memory keeps its entries.
bool SaveWPflFach(const TWPflFach& list, const WpflFolders& folders, Prompter& prompter);

// The file image of a list (count, then the entries from the last to the first).
std::vector<std::uint8_t> WPflFachImage(const TWPflFach& list);

// WahlpflichtListe: every WpfName in array order.
std::vector<std::string> BuildWahlpflichtListe(const TWPflFach& list);

enum class WpflCopyResult { Copied, NothingToCopy, Declined, Failed };

// Copies WPflFach.DAT from the folder of ZentralListen (or, when it is not
// there, from the other folder) into targetFolder. An existing different file
// in the target is replaced only after the question; a copy onto itself does
// nothing.
WpflCopyResult CopyWPflFach(const WpflFolders& folders, const std::filesystem::path& targetFolder, Prompter& prompter);

// Dialog operations on the list (the dialog refreshes its list box after each).

// "Fach zur Liste hinzufügen": appends an entry with the first 40 characters
// of `name` (Windows-1252) and the abbreviation "---" and selects it. False
// when the list is full (the count is 16-bit).
bool AddWPflFach(TWPflFach& list, const std::string& name);

// "ausgewähltes Fach aus der Liste löschen": the fixed entries and the last
// two entries cannot be deleted (information message); otherwise the entry is
// removed after the question. True when an entry was removed.
bool DeleteSelectedWPflFach(TWPflFach& list, Prompter& prompter);

} // namespace ruvek
