#include "print/SlotNames.h"

#include <algorithm>
#include <cctype>

namespace ruvek {
namespace {

struct Row {
    int slot;
    const char* name;
    SlotUse use;
    const char* numbers;
};

constexpr const char* kTextBlock = "X = Zeilenzahl, Y = Zeilenabstand, Schrift = Zeichen je Zeile";

// The slots of the certificates (and the defaults of every family).
constexpr Row kCertificate[] = {
    {1, "Rahmen oben links", SlotUse::Frame, "Schrift = Rahmenart, Seite 3 = beide Seiten"},
    {2, "Rahmen unten rechts", SlotUse::Frame, "Breite des Rahmens = die Breite der Seitenfläche"},
    {3, "Schulname", SlotUse::Position, ""},
    {4, "Linie Schule/Schulort", SlotUse::Position, ""},
    {5, "Titel", SlotUse::Position, ""},
    {6, "Fußzeile (gedreht)", SlotUse::Position, ""},
    {7, "Beschriftung Schuljahr", SlotUse::Position, ""},
    {8, "Schuljahr", SlotUse::Position, ""},
    {9, "Streichung Halbjahr/Schuljahr", SlotUse::Position, ""},
    {13, "nicht gedruckt", SlotUse::Unused, ""},
    {14, "Schulart", SlotUse::Position, ""},
    {15, "Namenslinie", SlotUse::Position, ""},
    {16, "Name", SlotUse::Position, ""},
    {17, "Geburtsdatum", SlotUse::Position, ""},
    {19, "Klasse", SlotUse::Position, ""},
    {20, "zweite Namenslinie", SlotUse::Position, ""},
    {22, "Erklärung Zeile 1", SlotUse::Position, ""},
    {23, "Erklärung Zeile 2 / Streichung seiner/ihrer", SlotUse::Position, ""},
    {24, "Abschluss / Zeile Jahrgangsstufe", SlotUse::Position, ""},
    {25, "verlassene Jahrgangsstufe", SlotUse::Position, ""},
    {26, "Schlusszeile", SlotUse::Position, ""},
    {27, "Gesamtprädikat", SlotUse::Position, ""},
    {30, "Überschrift Noten", SlotUse::Position, ""},
    {31, "Überschrift Pflichtunterricht", SlotUse::Position, ""},
    {32, "Fächertabelle (Fach Zeile 1)", SlotUse::Position, ""},
    {33, "Fremdsprachenfeld", SlotUse::RuleStart, "X = Beginn der Linie (0: am Fachnamen), Schrift der offenen Felder"},
    {34, "Note linke Spalte", SlotUse::Offset, "X = Abstand von Feld 32"},
    {35, "Zusatz linke Spalte", SlotUse::Offset, "X = Abstand von Feld 32"},
    {36, "Fächer rechte Spalte", SlotUse::Offset, "X = Abstand von Feld 32"},
    {37, "Beschriftung Fremdsprache", SlotUse::Offset, "Schrift der Beschriftung"},
    {38, "Note rechte Spalte", SlotUse::Offset, "X = Abstand von Feld 32"},
    {39, "Zusatz rechte Spalte", SlotUse::Offset, "X = Abstand von Feld 32"},
    {40, "Zeilenabstand Fächertabelle", SlotUse::Parameters, "Y = Zeilenabstand"},
    {41, "Trennlinie", SlotUse::Position, "Schrift = Linienart"},
    {45, "Überschrift Wahlpflichtunterricht", SlotUse::Position, ""},
    {46, "Spaltenkopf 1. Halbjahr", SlotUse::Position, ""},
    {47, "Spaltenkopf 2. Halbjahr", SlotUse::Position, ""},
    {48, "Wahlpflichtblock (Fach Zeile 1)", SlotUse::Position, ""},
    {49, "Wahlpflicht Note links", SlotUse::Offset, "X = Abstand von Feld 48"},
    {50, "Wahlpflicht Zusatz links", SlotUse::Offset, "X = Abstand von Feld 48"},
    {51, "Wahlpflicht Fächer rechts", SlotUse::Offset, "X = Abstand von Feld 48"},
    {52, "Wahlpflicht Note rechts", SlotUse::Offset, "X = Abstand von Feld 48"},
    {53, "Wahlpflicht Zusatz rechts", SlotUse::Offset, "X = Abstand von Feld 48"},
    {54, "Zeilenabstand Wahlpflichtblock", SlotUse::Parameters, "Y = Zeilenabstand"},
    {55, "Beschriftung Gesamtnote Wahlpflicht", SlotUse::Position, ""},
    {56, "Gesamtnote Wahlpflicht", SlotUse::Position, ""},
    {57, "Zusatz Gesamtnote Wahlpflicht", SlotUse::Position, ""},
    {59, "Zusatz zur Berichtsüberschrift", SlotUse::Position, ""},
    {63, "Zeile Fehltage", SlotUse::Position, ""},
    {64, "Fehltage", SlotUse::Position, ""},
    {65, "Überschrift Lernentwicklungsbericht", SlotUse::Position, ""},
    {66, "Lernentwicklungsbericht Zeile 1", SlotUse::Position, ""},
    {67, "Lernentwicklungsbericht Zeilen", SlotUse::Parameters, kTextBlock},
    {68, "Überschrift Vermerke", SlotUse::Position, ""},
    {69, "Vermerke Zeile 1", SlotUse::Position, ""},
    {70, "Vermerke Zeilen", SlotUse::Parameters, kTextBlock},
    {74, "davon entschuldigt", SlotUse::Position, ""},
    {75, "Zeile Anspruchsebene", SlotUse::Position, ""},
    {76, "Anspruchsebene", SlotUse::Position, ""},
    {90, "Überschrift Erläuterungen", SlotUse::Position, ""},
    {91, "Erläuterung 1", SlotUse::Position, ""},
    {92, "Erläuterung 2", SlotUse::Position, ""},
    {93, "Erläuterung 3", SlotUse::Position, ""},
    {95, "Übergangsvermerk", SlotUse::Position, ""},
    {96, "Streichung Schülerin/Schüler", SlotUse::Position, ""},
    {97, "Beschriftung neue Schule", SlotUse::Position, ""},
    {98, "neue Schule", SlotUse::Position, ""},
    {100, "neue Jahrgangsstufe", SlotUse::Position, ""},
    {105, "nicht gedruckt", SlotUse::Unused, ""},
    {106, "Linie Ort, Datum", SlotUse::Position, ""},
    {107, "Ort, Datum", SlotUse::Position, ""},
    {108, "Unterschrift Schulleiter(in)", SlotUse::Position, ""},
    {110, "Unterschrift Klassenlehrer(in)", SlotUse::Position, ""},
    {112, "Beschriftung Siegel", SlotUse::Position, ""},
    {113, "Streichung Siegel", SlotUse::Position, ""},
    {114, "Empfangsbestätigung", SlotUse::Position, ""},
    {115, "Linie Ort, Datum (Empfang)", SlotUse::Position, ""},
    {117, "Unterschrift Erziehungsberechtigte", SlotUse::Position, ""},
    {119, "Notenstufen", SlotUse::Position, ""},
    {120, "Notenstufen / Fußnote", SlotUse::Position, ""},
    {121, "Wappen", SlotUse::Position, ""},
    {122, "Wappengröße", SlotUse::Size, "X = Breite, Y = Höhe"},
    {125, "Namenslinie Seite 2", SlotUse::Position, ""},
    {126, "Name Seite 2", SlotUse::Position, ""},
    {127, "Geburtsdatum Seite 2", SlotUse::Position, ""},
};

constexpr Row kExamination[] = {
    {31, "Überschrift Fächer der Zulassung", SlotUse::Position, ""},
    {75, "Überschrift Prüfungsfächer", SlotUse::Position, ""},
    {76, "Prüfungstabelle (Fach Zeile 1)", SlotUse::Position, ""},
    {77, "Prüfung Beschriftung rechts", SlotUse::Offset, "X = Abstand vom Fachnamen"},
    {78, "Prüfung Note links", SlotUse::Offset, "X = Abstand von Feld 76"},
    {79, "Prüfung Zusatz links", SlotUse::Offset, "X = Abstand von Feld 76"},
    {80, "Prüfung Fächer rechts", SlotUse::Offset, "X = Abstand von Feld 76"},
    {81, "Prüfung Linie rechts", SlotUse::RuleStart, "X = Beginn der Linie (0: an der Beschriftung)"},
    {82, "Prüfung Note rechts", SlotUse::Offset, "X = Abstand von Feld 76"},
    {83, "Prüfung Zusatz rechts", SlotUse::Offset, "X = Abstand von Feld 76"},
    {84, "Zeilenabstand Prüfungstabelle", SlotUse::Parameters, "Y = Zeilenabstand"},
};

constexpr Row kReceipt[] = {
    {5, "Überschrift Empfangsbekenntnis", SlotUse::Position, ""},
    {22, "Anschreiben", SlotUse::Position, ""},
    {23, "Bezeichnung des Zeugnisses", SlotUse::Position, ""},
    {24, "vom", SlotUse::Position, ""},
    {25, "Linie hinter dem Datum", SlotUse::Position, ""},
    {26, "Bitte um Rückgabe", SlotUse::Position, ""},
    {29, "Zeugnis erhalten", SlotUse::Position, ""},
    {41, "Linie 1", SlotUse::Position, "Schrift = Linienart (0: keine)"},
    {42, "Linie 2", SlotUse::Position, "Schrift = Linienart (0: keine)"},
    {43, "Linie 3", SlotUse::Position, "Schrift = Linienart (0: keine)"},
    {90, "Rechtsbehelfsbelehrung", SlotUse::Position, ""},
    {91, "Belehrungstext", SlotUse::Position, ""},
    {92, "Name und Anschrift der Schule", SlotUse::Position, ""},
    {93, "Beschriftung Anschrift", SlotUse::Position, ""},
    {94, "einzulegen.", SlotUse::Position, ""},
    {107, "Datum des Zeugnisses", SlotUse::Position, ""},
    {115, "Linie Ort, Datum", SlotUse::Position, ""},
    {117, "Unterschrift", SlotUse::Position, ""},
};

template <std::size_t N>
const Row* find(const Row (&rows)[N], int slot)
{
    for (const Row& r : rows)
        if (r.slot == slot)
            return &r;
    return nullptr;
}

std::string upper(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

} // namespace

SlotFamily SlotFamilyOfFile(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::string name = upper(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
    auto is = [&](const char* stem) { return name.rfind(stem, 0) == 0; };
    if (is("ANL041") || is("ANL043") || is("ANL143"))
        return SlotFamily::Receipt;
    if (is("ANL170"))
        return SlotFamily::Report;
    if (is("ANL024"))
        return SlotFamily::Examination;
    return SlotFamily::Certificate;
}

int AnnexCodeOfFormFile(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::string name = upper(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
    if (name.size() < 10 || name.rfind("ANL", 0) != 0 || !name.ends_with(".FST"))
        return 0;
    const std::string stem = name.substr(3, 3);
    if (stem == "04A")
        return 104;
    int code = 0;
    for (const char c : stem) {
        if (c < '0' || c > '9')
            return 0;
        code = code * 10 + (c - '0');
    }
    return code == 43 || code == 143 ? 41 : code;
}

SlotInfo SlotInfoOf(int slot, SlotFamily family)
{
    const Row* row = nullptr;
    if (family == SlotFamily::Examination)
        row = find(kExamination, slot);
    else if (family == SlotFamily::Receipt)
        row = find(kReceipt, slot);
    if (!row)
        row = find(kCertificate, slot);
    if (!row)
        return {};
    return {row->name, row->use, row->numbers};
}

bool SlotMovesWithPage(int slot, SlotFamily family)
{
    const SlotUse use = SlotInfoOf(slot, family).use;
    return use == SlotUse::Position || use == SlotUse::RuleStart;
}

const char* SlotUseText(SlotUse use)
{
    switch (use) {
    case SlotUse::Position:
        return "Position";
    case SlotUse::RuleStart:
        return "Linienbeginn";
    case SlotUse::Frame:
        return "Rahmen";
    case SlotUse::Offset:
        return "Abstand";
    case SlotUse::Size:
        return "Größe";
    case SlotUse::Parameters:
        return "Zahlen";
    case SlotUse::Unused:
        break;
    }
    return "frei";
}

} // namespace ruvek
