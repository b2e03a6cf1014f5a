#pragma once
// Program settings, kept in RVKEINST.DAT (126 bytes; older versions 16 and
// 120 bytes): permissions, display switches, where shared lists are kept.
// The record also carries the school's name (Schulname), in the string field
// at offset 44 that earlier versions left unused.
#include "common/ByteFields.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace ruvek {

// The school's name is printed on every certificate; it is limited to this
// many characters even though its field could hold 81.
inline constexpr std::size_t kSchulnameMaxLength = 50;

struct TProgEinstRec {
    static constexpr std::size_t Size = 126;
    std::int16_t DarfLoeschen = 1;     // records may be deleted
    std::int16_t ZeigeGeloeschte = 0;  // deleted records stay visible
    std::int16_t ZeigeZusatz = 0;      // entry fields for additions to grades
    std::int16_t Reserved6 = 0;
    std::int16_t Reserved8 = 0;
    std::int16_t ZeigeFst = 0;         // the print question names the form control file
    std::int16_t ZentralDruck = 1;     // shown and stored only
    std::int16_t ZentralListen = 1;    // elective list in the program folder (else data folder)
    std::int16_t VorgaengerDaten = 0;  // a new record takes head data from its predecessor
    std::int16_t InfoHinweise = 1;     // timed information dialog on some editor pages
    std::int16_t GsEbenen = 0;         // shown and stored only
    std::int16_t TestOption = 1;       // shown and stored only
    Raw<20> Reserved24;                // 10 x 16-bit
    PStr<81> Schulname;                // the school's name, at most kSchulnameMaxLength characters
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TProgEinstRec>
void visitFields(R& r, V&& v)
{
    v("DarfLoeschen", 0, r.DarfLoeschen);
    v("ZeigeGeloeschte", 2, r.ZeigeGeloeschte);
    v("ZeigeZusatz", 4, r.ZeigeZusatz);
    v(nullptr, 6, r.Reserved6);
    v(nullptr, 8, r.Reserved8);
    v("ZeigeFst", 10, r.ZeigeFst);
    v("ZentralDruck", 12, r.ZentralDruck);
    v("ZentralListen", 14, r.ZentralListen);
    v("VorgaengerDaten", 16, r.VorgaengerDaten);
    v("InfoHinweise", 18, r.InfoHinweise);
    v("GsEbenen", 20, r.GsEbenen);
    v("TestOption", 22, r.TestOption);
    v(nullptr, 24, r.Reserved24);
    v("Schulname", 44, r.Schulname);
}

inline constexpr const char* kProgEinstFile = "RVKEINST.DAT";
// Sizes of older versions of the file, still read.
inline constexpr std::size_t kProgEinstSize16 = 16;
inline constexpr std::size_t kProgEinstSize120 = 120;

void ProgEinstDefaults(TProgEinstRec& rec);

// The school's name as Windows-1252 text, at most kSchulnameMaxLength characters.
std::string SchulnameText(const TProgEinstRec& rec);
// Sets the school's name (Windows-1252), cut to kSchulnameMaxLength characters.
void SetSchulname(TProgEinstRec& rec, std::string_view cp1252);

// Reads RVKEINST.DAT over the record (which holds its defaults) from the
// program folder, else from the data folder; the size decides the version
// (16, 120, 126; others are refused with a message). Returns true when a
// file was read.
bool LoadProgEinst(TProgEinstRec& rec, const std::filesystem::path& programFolder,
                   const std::filesystem::path& dataFolder, Prompter& prompter);

// Writes the record into the program folder, atomically and at exactly 126 bytes.
bool SaveProgEinst(const TProgEinstRec& rec, const std::filesystem::path& programFolder, Prompter& prompter);

} // namespace ruvek
