#pragma once
// The subject catalogue: 51 entries (0 = no subject, 1 = unknown subject,
// 2..50 subjects, unused ones named "  - - -"). Each entry names a subject,
// its abbreviation, the subject groups it belongs to and, for every annex
// code 0..105, the row in which it stands on that certificate form.
//
// The catalogue starts from fixed defaults and may be replaced by the file
// Faecher.DAT (read only; 51 entries of 588 bytes in reverse order, entry 50
// first). Texts inside entries are Windows-1252 bytes, as in the file; the
// name arguments and results of the functions below are Windows-1252 too.
#include "common/ByteFields.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

inline constexpr int kFachKatalogCount = 51;    // entries 0..50
inline constexpr int kFachPositionCount = 106;  // annex codes 0..105
inline constexpr int kFachSchulartenCount = 8;  // school types 0..7
inline constexpr std::string_view kFachUnbenutzt = "  - - -"; // name of an unused entry
inline constexpr std::string_view kFachUnbekannt = "???";     // unknown subject
inline constexpr const char* kFaecherDatName = "Faecher.DAT";

// One catalogue entry: 588 bytes.
struct TFachEintragKat {
    static constexpr std::size_t Size = 588;
    PStr<40> FachName;              // subject name as printed
    PStr<5> FachKurz;               // abbreviation
    Raw<1> Padding47;
    std::int16_t Reserved48 = 0;
    std::int16_t CoreGroup = 0;            // Deutsch, Mathematik
    std::int16_t GermanGroup = 0;
    std::int16_t MathsGroup = 0;
    std::int16_t ForeignLanguageGroup = 0;
    std::int16_t SocialGroup = 0;          // history, geography, social studies
    std::int16_t ReligionGroup = 0;        // religion or philosophy
    std::int16_t ScienceGroup = 0;
    std::int16_t ArtsGroup = 0;            // art, music, their substitutes, year project
    std::int16_t TechGroup = 0;
    std::int16_t ComputingGroup = 0;
    std::int16_t SportGroup = 0;
    std::array<std::int32_t, kFachSchulartenCount> Schularten{}; // 1 = belongs to that school type
    std::array<std::int32_t, kFachPositionCount> Position{};     // row on the form of that annex, 0 = not on it
    std::int16_t ExamSubject = 0;          // may be the 4th examination subject
    Raw<58> Reserved530;
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TFachEintragKat>
void visitFields(R& r, V&& v)
{
    v("FachName", 0, r.FachName);
    v("FachKurz", 41, r.FachKurz);
    v(nullptr, 47, r.Padding47);
    v(nullptr, 48, r.Reserved48);
    v("CoreGroup", 50, r.CoreGroup);
    v("GermanGroup", 52, r.GermanGroup);
    v("MathsGroup", 54, r.MathsGroup);
    v("ForeignLanguageGroup", 56, r.ForeignLanguageGroup);
    v("SocialGroup", 58, r.SocialGroup);
    v("ReligionGroup", 60, r.ReligionGroup);
    v("ScienceGroup", 62, r.ScienceGroup);
    v("ArtsGroup", 64, r.ArtsGroup);
    v("TechGroup", 66, r.TechGroup);
    v("ComputingGroup", 68, r.ComputingGroup);
    v("SportGroup", 70, r.SportGroup);
    // The two integer arrays are listed element by element.
    for (std::size_t i = 0; i < r.Schularten.size(); ++i)
        v("Schularten", 72 + 4 * i, r.Schularten[i]);
    for (std::size_t i = 0; i < r.Position.size(); ++i)
        v("Position", 104 + 4 * i, r.Position[i]);
    v("ExamSubject", 528, r.ExamSubject);
    v(nullptr, 530, r.Reserved530);
}

// The whole catalogue, entries 0..50 in number order.
struct TFachKatalog {
    std::array<TFachEintragKat, kFachKatalogCount> Eintrag{};

    TFachEintragKat& operator[](int i) { return Eintrag[static_cast<std::size_t>(i)]; }
    const TFachEintragKat& operator[](int i) const { return Eintrag[static_cast<std::size_t>(i)]; }
};

inline constexpr std::size_t kFaecherDatSize = kFachKatalogCount * TFachEintragKat::Size; // 29988

// The four selection lists derived from the catalogue (Windows-1252 texts).
struct TFachListen {
    std::vector<std::string> FremdsprachenListe; // foreign languages (names, 30 chars)
    std::vector<std::string> ReligionsListe;     // religion/philosophy (names, 30 chars)
    std::vector<std::string> PruefungsfachListe; // 4th examination subject (abbreviations, 5 chars)
    std::vector<std::string> FaecherListe;       // all subjects (names, 30 chars)
};

// Puts the default catalogue into kat.
void FachKatalogDefaults(TFachKatalog& kat);
// The default catalogue as a value.
TFachKatalog defaultFachKatalog();

// Reads Faecher.DAT over kat: from dataFolder when the file is there, else
// from programFolder, else kat stays as it is (no message). The file name
// may differ in letter case ("FAECHER.DAT"). The file's 51 blocks of 588
// bytes go to entries 50, 49, ... 0. A file that cannot be opened, or is
// shorter than 29988 bytes, is reported through the prompter and leaves kat
// unchanged. Returns true when the file was read.
bool LoadFachKatalog(TFachKatalog& kat, const std::filesystem::path& dataFolder,
                     const std::filesystem::path& programFolder, Prompter& prompter);

// Message when Faecher.DAT exists but cannot be opened.
inline constexpr const char* kMsgFaecherNichtGeoeffnet = "Die Fächer-Einstellungs-Datei\nkonnte nicht geöffnet werden!";

// Rebuilds the four selection lists (each emptied first).
void BuildFachListen(const TFachKatalog& kat, TFachListen& listen);
TFachListen buildFachListen(const TFachKatalog& kat);

// True when name (cut to 40 characters) equals the name of one of the
// entries 2..50 that is a foreign language / a religion or philosophy
// subject. The comparison is exact (case and length).
bool IsForeignLanguage(const TFachKatalog& kat, std::string_view name);
bool IsReligionSubject(const TFachKatalog& kat, std::string_view name);

// True when name (cut to 40 characters) equals the name of entry 20, 9, 25,
// 7 or 23, or of entry 6 at the Integrierte Gesamtschule (school type 3):
// the subjects whose level letter is printed.
bool IsLevelSubject(const TFachKatalog& kat, std::string_view name, SchoolType schultyp);

// The name (first 30 characters) of the first entry 2..50 whose Position
// for annexCode is row; "???" when there is none, also for annex codes
// outside 0..105 and for row 0.
std::string FachAnPosition(const TFachKatalog& kat, int annexCode, int row);

} // namespace ruvek
