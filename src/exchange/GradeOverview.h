#pragma once
// The subject and grade overview: for every subject of the catalogue and
// every elective subject found in the records, how often each grade and each
// mark was given among the active students, so the class teacher sees which
// subjects still lack grades. The records are only read.
#include "classfile/ClassFile.h"
#include "common/Prompter.h"
#include "settings/FachKatalog.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ruvek {

inline constexpr int kUebersichtZaehler = 16;

// The column headers of the counters, in counter order.
inline constexpr std::array<const char*, kUebersichtZaehler> kUebersichtSpalten = {
    "insg.", "  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8",
    "  -",   "k,0,u", "  n", "  t", "  b,A", "  e", " ???"};

inline constexpr const char* kMsgZuVieleWahlpflichtfaecher =
    "Die Analyse der Wahlpflichtfächer ergab eine\nzu große Anzahl neuer Fächer!\n\n"
    "Korrigieren Sie die Wahlpflichtliste und\nrufen Sie diese Funktion noch einmal auf!";
inline constexpr const char* kMsgWahlpflichtFehler =
    "Bei der Zusammenstellung der Wahlpflichtfächer\nin die Liste ist ein Fehler eingetreten!";

// One row: a subject (Windows-1252, up to 30 characters) and its counters;
// counter 0 counts every entry, 1..15 the entries by their first character.
struct TUebersichtZeile {
    std::string Fach;
    std::array<std::uint16_t, kUebersichtZaehler> Zaehler{};
    bool elective = false;

    bool empty() const { return Zaehler[0] == 0; }
};

struct GradeOverview {
    std::vector<TUebersichtZeile> rows; // catalogue rows first, then the elective rows
    int catalogueRows = 0;
};

// The counter (1..15) a grade code is counted in, by its first character.
int overviewCounter(std::string_view noteCp1252);

// Counts the grades of the active records. The catalogue rows are the
// entries 0 and 1 and every used entry 2..50, numbered one after the other;
// the elective rows hold the elective names met in the slots W1..W6 that the
// record's form has. The table has room for electiveListSize + 71 rows; an
// elective that finds no room is reported through the prompter.
GradeOverview computeGradeOverview(const TDB2& records, const TFachKatalog& katalog, std::size_t electiveListSize,
                                   Prompter& prompter);

// The text of a row's first column (UTF-8): the subject name, for elective
// rows after "WPfl.: " and cut to 37 characters with it.
std::string overviewRowLabel(const TUebersichtZeile& row);

} // namespace ruvek
