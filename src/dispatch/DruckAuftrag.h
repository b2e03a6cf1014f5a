#pragma once
// The print job: the copy of the record being printed and what the print
// commands, the dispatcher and the preview window know about it.
#include "classfile/ZgnRec.h"

#include <cstdint>
#include <string>

namespace ruvek {

struct TDruckAuftrag {
    TZgnRec Daten{};                 // copy of the record being printed
    std::uint16_t DruckAnlage = 0;   // annex code (41 receipt, 170 report)
    std::uint16_t Seite = 0;         // page being drawn; 0 while a whole document is prepared
    std::uint16_t VonSeite = 0;
    std::uint16_t BisSeite = 0;
    std::int16_t Ausgabeziel = 0;    // 1 preview, 2 printer page by page, 3 printer one document
    std::string Titel;               // preview caption (UTF-8)
    bool Nachfrage = true;           // ask before printing
};

// Fixed annex codes of the documents that are not certificates.
inline constexpr int kAnlageEmpfangsbekenntnis = 41;
inline constexpr int kAnlageLernentwicklungsbericht = 170;

// Output targets.
inline constexpr int kZielVorschau = 1;
inline constexpr int kZielSeitenweise = 2;
inline constexpr int kZielEinDokument = 3;

void ResetDruckAuftrag(TDruckAuftrag& job);

// "Vorname Name" of a record, UTF-8.
std::string StudentName(const TZgnRec& rec);

// The annex code a print job takes from a record: the low 16 bits of Anlage.
inline int JobAnnexCode(const TZgnRec& rec) { return static_cast<std::uint16_t>(rec.Anlage); }

} // namespace ruvek
