#pragma once
// Print options, kept in DRKEINST.DAT (320 bytes): margins, page frame,
// strike-outs of free texts, publisher paper and coat of arms, receipt
// acknowledgements, print dialogs and where the form control files and this
// file are kept. Switches are 1 = on, 0 = off.
#include "common/ByteFields.h"
#include "common/Prompter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace ruvek {

struct TDrkEinstRec {
    static constexpr std::size_t Size = 320;
    std::int16_t BewertungenInWorten = 0;   // grades always in words
    std::int16_t OhneLinie = 0;             // free texts without ruled lines
    std::int16_t KopieExtra = 0;            // shown and stored only
    std::int16_t MitRahmen = 1;             // page frame
    std::int16_t Korrekturecke = 0;         // correction corner marks
    std::int16_t RandLinks = 150;           // 0.1 mm
    std::int16_t RandOben = 150;            // 0.1 mm
    std::int16_t RandInnen = 100;           // 0.1 mm
    std::int16_t Reserved16 = 50;
    std::int16_t Streichungsart = 1;        // 0..4, see kStreichungsarten
    PStr<1> Streichzeichen{"-"};            // strike-out character
    std::int16_t Wappenposition = 0;        // 0..3
    std::int16_t Wappengroesse = 1;         // 0..2
    std::int16_t Papierverlag = 0;          // 0..5
    std::int16_t Reserved28 = 0;
    std::int16_t ReligionOption = 0;        // 0..2
    std::int16_t EmpfDruckart = 0;          // receipt: 0 A4, 1 A5 landscape
    std::int16_t EmpfTitel = 0;             // 0..2
    std::int16_t EmpfKopie = 1;             // second receipt acknowledgement
    std::int16_t KyoceraKorrektur = 0;      // bracketed font heights
    std::int16_t SSNichtStreichen = 0;      // stored only
    std::int16_t FstKopien = 0;             // form control files: data folder first
    std::int16_t ZentralSpeichern = 1;      // this file in the program folder (else data folder)
    std::int16_t SerieSeitenweise = 0;      // series: ask per student and page (0: once for the series)
    PStr<1> NormalStreichzeichen{"#"};      // normal strike-out character
    std::int16_t Doppelseitig = 0;          // double-sided, no dialogs between pages
    std::int16_t NurNotwendigeDialoge = 0;  // only the necessary print dialogs
    std::int16_t Zensurenkonferenz = 0;     // report sheets for the grade conference with remarks
    std::int16_t FarbWappen = 0;            // coloured coat of arms also on black-and-white printers
    Raw<6> Reserved58;                      // 3 x 16-bit
    Raw<255> ReservedTexte;                 // 5 strings of capacity 50, unused
    Raw<1> Padding319;
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TDrkEinstRec>
void visitFields(R& r, V&& v)
{
    v("BewertungenInWorten", 0, r.BewertungenInWorten);
    v("OhneLinie", 2, r.OhneLinie);
    v("KopieExtra", 4, r.KopieExtra);
    v("MitRahmen", 6, r.MitRahmen);
    v("Korrekturecke", 8, r.Korrekturecke);
    v("RandLinks", 10, r.RandLinks);
    v("RandOben", 12, r.RandOben);
    v("RandInnen", 14, r.RandInnen);
    v(nullptr, 16, r.Reserved16);
    v("Streichungsart", 18, r.Streichungsart);
    v("Streichzeichen", 20, r.Streichzeichen);
    v("Wappenposition", 22, r.Wappenposition);
    v("Wappengroesse", 24, r.Wappengroesse);
    v("Papierverlag", 26, r.Papierverlag);
    v(nullptr, 28, r.Reserved28);
    v("ReligionOption", 30, r.ReligionOption);
    v("EmpfDruckart", 32, r.EmpfDruckart);
    v("EmpfTitel", 34, r.EmpfTitel);
    v("EmpfKopie", 36, r.EmpfKopie);
    v("KyoceraKorrektur", 38, r.KyoceraKorrektur);
    v("SSNichtStreichen", 40, r.SSNichtStreichen);
    v("FstKopien", 42, r.FstKopien);
    v("ZentralSpeichern", 44, r.ZentralSpeichern);
    v("SerieSeitenweise", 46, r.SerieSeitenweise);
    v("NormalStreichzeichen", 48, r.NormalStreichzeichen);
    v("Doppelseitig", 50, r.Doppelseitig);
    v("NurNotwendigeDialoge", 52, r.NurNotwendigeDialoge);
    v("Zensurenkonferenz", 54, r.Zensurenkonferenz);
    v("FarbWappen", 56, r.FarbWappen);
    v(nullptr, 58, r.Reserved58);
    v(nullptr, 64, r.ReservedTexte);
    v(nullptr, 319, r.Padding319);
}

inline constexpr const char* kDrkEinstFile = "DRKEINST.DAT";
// Size of the older version of the file, still read.
inline constexpr std::size_t kDrkEinstOldSize = 44;

// Item texts of the radio groups and the combo box, index = stored value.
inline constexpr std::array<const char*, 5> kStreichungsarten = {
    "ohne besondere Streichungen",
    "erste nicht benutzte Zeile mit 5 ausgew. Zeichen streichen",
    "alle nicht benutzten Zeilen mit 5 ausgew. Zeichen streichen",
    "Texte mit ausgewähltem Zeichen auffüllen",
    "Text mit Endesequenz aus 5 ausgew. Zeichen abschließen",
};
inline constexpr std::array<const char*, 4> kWappenpositionen = {"ohne", "links vorgedruckt", "mittig vorgedruckt",
                                                                 "rechts vorgedruckt"};
inline constexpr std::array<const char*, 3> kWappengroessen = {"klein", "normal (ohne)", "groß"};
inline constexpr std::array<const char*, 6> kPapierverlage = {"ohne",     "bsn Spremberg", "Kohlhammer Schwerin",
                                                              "Reserve1", "Reserve2",      "Reserve3"};
inline constexpr std::array<const char*, 3> kReligionOptionen = {
    "Fachnamen für/mit Streichungen",
    "nur gültigen Fachnamen wie bei anderen vorgegebenen Fächern",
    "offenes Feld für Eintrag (wie zusätzliches Fach / Fremdsprachen) ",
};
inline constexpr std::array<const char*, 2> kEmpfDruckarten = {"auf A4", "A5 Querformat (halbes A4)"};
inline constexpr std::array<const char*, 3> kEmpfTitel = {"mit Schülername", "mit Zeugnisname", "mit Schultyp"};
inline constexpr std::array<const char*, 9> kNormalStreichzeichen = {"#", "-", "=", "*", "+", "/", "\\", "X", "x"};

// Puts the defaults into the record: every reserved byte 0 except the value
// at offset 16 (50), every reserved text empty.
void DrkEinstDefaults(TDrkEinstRec& rec);

// Reads DRKEINST.DAT over the record, which holds its defaults: from the
// program folder when the file is there, else from the data folder. 320
// bytes are read whole, an old 44-byte file is converted, any other size
// leaves the record as it is with a warning. Missing file: no message.
// Returns true when a file was read.
bool LoadDrkEinst(TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                  const std::filesystem::path& dataFolder, Prompter& prompter);

// The folder DRKEINST.DAT is written to: the program folder while
// ZentralSpeichern is 1, else the data folder.
std::filesystem::path DrkEinstFolder(const TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& dataFolder);

// Writes the 320-byte record into DrkEinstFolder(), atomically and at exactly
// that size. On failure a message is shown and false returned; the record
// keeps its values.
bool SaveDrkEinst(const TDrkEinstRec& rec, const std::filesystem::path& programFolder,
                  const std::filesystem::path& dataFolder, Prompter& prompter);

} // namespace ruvek
