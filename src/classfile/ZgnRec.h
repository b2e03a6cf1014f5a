#pragma once
// The student record of a class file and the class file header, as byte
// images of fixed layout (format version 2). Field names are the ones the
// whole program uses; visitFields lists each field at its byte offset.
#include "common/ByteFields.h"

#include <array>
#include <cstdint>

namespace ruvek {

// One subject slot: 44 bytes.
struct TFachEintrag {
    static constexpr std::size_t Size = 44;
    PStr<30> Fach;   // subject name; "???" marks an empty slot
    PStr<1> Note;    // grade code or mark; "-" = none
    PStr<2> Zusatz;  // addition to the grade
    PStr<1> Niveau;  // level letter; "-" = none
    PStr<5> Hinweis; // short note, tooltip of the subject label
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TFachEintrag>
void visitFields(R& r, V&& v)
{
    v("Fach", 0, r.Fach);
    v("Note", 31, r.Note);
    v("Zusatz", 33, r.Zusatz);
    v("Niveau", 36, r.Niveau);
    v("Hinweis", 38, r.Hinweis);
}

inline constexpr std::size_t kFaecherCount = 25;

// The student record: 6044 bytes.
struct TZgnRec {
    static constexpr std::size_t Size = 6044;
    std::int16_t Frei0 = 0;
    std::int16_t Status = 0;      // 1 active, 0 deleted, other: undetermined
    std::int16_t Frei4 = 0;
    std::int16_t SchulartNeu = 0; // school type when the record was created
    std::int16_t Zufall = 0;      // random 1..57000 drawn at creation
    std::int16_t Frei10 = 0;
    std::int16_t Frei12 = 0;
    std::int16_t Frei14 = 0;
    std::int32_t SchlNr = 0;      // key number: > 0 from the administration, < 0 made here
    PStr<30> Name;
    PStr<30> Vorname;
    PStr<10> GebDatum;
    PStr<30> PersAngabe;
    std::int32_t Weiblich = 0;    // 1 female, 0 male, -1 not set
    PStr<20> MonatJahr1;
    PStr<20> MonatJahr2;
    Raw<7> Reserved170;
    Raw<43> Reserved177;
    std::int16_t ZgnTyp = 0;      // certificate type 0..7
    std::int16_t Halbjahr1 = 0;   // 1 = first half-year only
    std::int16_t Ebene = 0;       // level of demand 0..3
    std::int16_t AbschlArt = 0;   // kind of qualification 0..2
    std::int16_t Klassenstufe = 0;
    PStr<4> SjBeginn;
    PStr<5> Klasse;
    PStr<5> KlLehrer;
    PStr<30> NeueSchule;
    PStr<2> Jahrgang;
    PStr<5> Fehltage;
    PStr<5> FehltageE;
    Raw<1> Reserved293;
    std::int16_t Praedikat = 0;
    PStr<30> ZgnOrt;
    PStr<20> ZgnDatum;
    std::int16_t NichtDrucken = 0;
    std::int16_t Empfehlung = 0;
    std::int32_t Anlage = 0;        // annex code; -1 not yet determined
    std::int32_t AnlageAlt = 0;     // Anlage before it was last stored
    std::int32_t AnlageFaecher = 0; // annex the subject slots are laid out for
    std::int16_t Klassenart = 0;
    std::int16_t Frei366 = 0;
    std::int16_t Frei368 = 0;
    std::int16_t UePruefung = 0;
    PStr<10> Datum2;
    PStr<5> PrFach;
    Raw<1> Reserved389;
    std::int16_t Bestanden = 0;
    std::int16_t Frei392 = 0;
    std::int16_t Frei394 = 0;
    std::int16_t Frei396 = 0;
    PStr<40> Frei398;
    Raw<1> Reserved439;
    // Slot k (1..25) is Faecher[k - 1]: 1..18 subjects, 19..24 electives
    // W1..W6, 25 the overall grade of the elective teaching.
    std::array<TFachEintrag, kFaecherCount> Faecher;
    CText<2000> LEBText;
    CText<500> Vermerke;
    CText<2000> FLInfo;
    Raw<1> Reserved6043;

    TFachEintrag& slot(int k) { return Faecher[static_cast<std::size_t>(k - 1)]; }
    const TFachEintrag& slot(int k) const { return Faecher[static_cast<std::size_t>(k - 1)]; }
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TZgnRec>
void visitFields(R& r, V&& v)
{
    v("Frei0", 0, r.Frei0);
    v("Status", 2, r.Status);
    v("Frei4", 4, r.Frei4);
    v("SchulartNeu", 6, r.SchulartNeu);
    v("Zufall", 8, r.Zufall);
    v("Frei10", 10, r.Frei10);
    v("Frei12", 12, r.Frei12);
    v("Frei14", 14, r.Frei14);
    v("SchlNr", 16, r.SchlNr);
    v("Name", 20, r.Name);
    v("Vorname", 51, r.Vorname);
    v("GebDatum", 82, r.GebDatum);
    v("PersAngabe", 93, r.PersAngabe);
    v("Weiblich", 124, r.Weiblich);
    v("MonatJahr1", 128, r.MonatJahr1);
    v("MonatJahr2", 149, r.MonatJahr2);
    v(nullptr, 170, r.Reserved170);
    v(nullptr, 177, r.Reserved177);
    v("ZgnTyp", 220, r.ZgnTyp);
    v("Halbjahr1", 222, r.Halbjahr1);
    v("Ebene", 224, r.Ebene);
    v("AbschlArt", 226, r.AbschlArt);
    v("Klassenstufe", 228, r.Klassenstufe);
    v("SjBeginn", 230, r.SjBeginn);
    v("Klasse", 235, r.Klasse);
    v("KlLehrer", 241, r.KlLehrer);
    v("NeueSchule", 247, r.NeueSchule);
    v("Jahrgang", 278, r.Jahrgang);
    v("Fehltage", 281, r.Fehltage);
    v("FehltageE", 287, r.FehltageE);
    v(nullptr, 293, r.Reserved293);
    v("Praedikat", 294, r.Praedikat);
    v("ZgnOrt", 296, r.ZgnOrt);
    v("ZgnDatum", 327, r.ZgnDatum);
    v("NichtDrucken", 348, r.NichtDrucken);
    v("Empfehlung", 350, r.Empfehlung);
    v("Anlage", 352, r.Anlage);
    v("AnlageAlt", 356, r.AnlageAlt);
    v("AnlageFaecher", 360, r.AnlageFaecher);
    v("Klassenart", 364, r.Klassenart);
    v("Frei366", 366, r.Frei366);
    v("Frei368", 368, r.Frei368);
    v("UePruefung", 370, r.UePruefung);
    v("Datum2", 372, r.Datum2);
    v("PrFach", 383, r.PrFach);
    v(nullptr, 389, r.Reserved389);
    v("Bestanden", 390, r.Bestanden);
    v("Frei392", 392, r.Frei392);
    v("Frei394", 394, r.Frei394);
    v("Frei396", 396, r.Frei396);
    v("Frei398", 398, r.Frei398);
    v(nullptr, 439, r.Reserved439);
    v("Faecher", 440, r.Faecher);
    v("LEBText", 1540, r.LEBText);
    v("Vermerke", 3541, r.Vermerke);
    v("FLInfo", 4042, r.FLInfo);
    v(nullptr, 6043, r.Reserved6043);
}

// The header of a class file: 92 bytes.
struct TDateiKopf {
    static constexpr std::size_t Size = 92;
    std::uint16_t Anzahl = 0;      // number of records that follow
    PStr<12> Kennung;              // the magic "jvq Ruvek DB"
    Raw<5> Reserved15;
    std::uint16_t Version = 0;     // 1 or 2; always written as 2
    std::uint16_t LeseVersion = 0; // version the data in memory was read in
    Raw<68> Reserved24;
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TDateiKopf>
void visitFields(R& r, V&& v)
{
    v("Anzahl", 0, r.Anzahl);
    v("Kennung", 2, r.Kennung);
    v(nullptr, 15, r.Reserved15);
    v("Version", 20, r.Version);
    v("LeseVersion", 22, r.LeseVersion);
    v(nullptr, 24, r.Reserved24);
}

inline constexpr std::string_view kKennung = "jvq Ruvek DB";

} // namespace ruvek
