#pragma once
// Named values of the domain that the stored files keep as plain numbers:
// the school type of the installation (Schultyp in SCHEINST.DAT), the
// certificate type of a record (ZgnTyp) and the annex codes (Anlage) that
// the program treats specially. The files keep the numbers; code passes
// these types so that a school type cannot be mixed up with a class level
// or an annex code.
#include <cstdint>

namespace ruvek {

// Schultyp: the item index of the radio group "Schultyp".
enum class SchoolType : std::uint16_t {
    NichtAusgewaehlt = 0,
    Grundschule = 1,
    RegionaleSchule = 2,
    IntegrierteGesamtschule = 3,
    Gymnasium = 4,
    Hauptschule = 5,
    Realschule = 6,
    Foerderschule = 7,
    Reserve1 = 8,
    LebensbewaeltigungSchule = 9,  // Schule zur individuellen Lebensbewältigung
};

inline constexpr int kSchoolTypeCount = 10;

// The stored value as a school type; values outside 0..9 stay as they are,
// since every switch on a school type has a branch for "any other".
constexpr SchoolType schoolTypeFromStored(int stored) { return static_cast<SchoolType>(stored); }
constexpr int toInt(SchoolType s) { return static_cast<int>(s); }

// ZgnTyp: the item index of the certificate-type selector.
enum class CertificateType : std::int16_t {
    NichtGewaehlt = 0,          // "--- ??? ---"
    Jahreszeugnis = 1,          // "Zeugnis   (Halbjahr/Schuljahr)"
    Uebergang = 2,              // "Übergangs-Zeugnis"
    Abgang = 3,                 // "Abgangs-Zeugnis"
    Abschluss = 4,              // "Abschluss-Zeugnis"
    AbschlussQualifiziert = 5,  // "Abschluss-Zeugnis (qualifiziert / mit Leistungsermittlung)"
    VersetzungOberstufe = 6,    // "Versetzungs-Zeugnis in gymn. Oberstufe"
    Zwischen = 7,               // "Zwischen-Zeugnis (Leistungsstand)"
};

constexpr CertificateType certificateTypeFromStored(int stored) { return static_cast<CertificateType>(stored); }
constexpr int toInt(CertificateType c) { return static_cast<int>(c); }

// Annex codes (Anlage) with a meaning of their own. Every other code is the
// number of the annex of the certificate decree.
namespace annex {
inline constexpr int Unbestimmt = -1;      // not yet determined (new record)
inline constexpr int Keine = 0;            // no valid form
inline constexpr int GymnasiumJahr = 21;   // Gymnasium (half-)year certificate
inline constexpr int GymnasiumPruefungBestanden = 24;       // examination certificate, passed
inline constexpr int GymnasiumPruefungNichtBestanden = 25;  // examination certificate, not passed
inline constexpr int Orientierung = 104;   // orientation stage, shown as "4a"
} // namespace annex

} // namespace ruvek
