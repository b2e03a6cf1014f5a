#pragma once
// School settings, kept in SCHEINST.DAT (94 bytes): the school type, which
// drives certificate types, subject lists and forms throughout the program,
// and the school line of the receipt acknowledgement.
#include "common/ByteFields.h"
#include "common/Prompter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace ruvek {

struct TSchulEinstRec {
    static constexpr std::size_t Size = 94;
    std::uint16_t Schultyp = 0;    // index into kSchultypen
    PStr<80> SchulAnschrift;       // "Name und Anschrift der Schule für Empfangsbekenntnis"
    Raw<1> Padding83;
    Raw<10> Reserved84;            // 5 x 16-bit, always 0
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TSchulEinstRec>
void visitFields(R& r, V&& v)
{
    v("Schultyp", 0, r.Schultyp);
    v("SchulAnschrift", 2, r.SchulAnschrift);
    v(nullptr, 83, r.Padding83);
    v(nullptr, 84, r.Reserved84);
}

inline constexpr const char* kSchulEinstFile = "SCHEINST.DAT";

// Items of the radio group "Schultyp"; the index is the stored value.
inline constexpr std::array<const char*, 10> kSchultypen = {
    "nicht ausgewählt", "Grundschule", "Regionale Schule", "Integrierte Gesamtschule", "Gymnasium",
    "Hauptschule",      "Realschule",  "Förderschule",     "Reserve 1",                "Schule z. indiv. Lebensbew.",
};

void SchulEinstDefaults(TSchulEinstRec& rec);

// Reads SCHEINST.DAT over the record (which holds its defaults) from the
// program folder, else from the data folder. A missing file keeps the
// record silently; an unreadable or too short file keeps it with an error
// message. Returns true when a file was read.
bool LoadSchulEinst(TSchulEinstRec& rec, const std::filesystem::path& programFolder,
                    const std::filesystem::path& dataFolder, Prompter& prompter);

// Said once at start-up when the stored school type is none of the ten known
// ones: the value is kept (the window title shows it as unknown), but
// nothing type-specific can work until the user chooses a school type.
std::string unknownSchoolTypeMessage(int stored);
inline bool isKnownSchoolType(int stored) { return stored >= 0 && stored < static_cast<int>(kSchultypen.size()); }

// Writes the record into the program folder, atomically and at exactly 94 bytes.
bool SaveSchulEinst(const TSchulEinstRec& rec, const std::filesystem::path& programFolder, Prompter& prompter);

} // namespace ruvek
