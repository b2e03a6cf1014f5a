#include "layouts/LayoutDatenblatt.h"

#include "common/Cp1252.h"
#include "forms/AnnexCatalogue.h"
#include "grades/GradeNotation.h"
#include "layouts/TextHelpers.h"
#include "print/AnlageFormFile.h"
#include "print/PageModel.h"
#include "print/Primitives.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ruvek {

namespace {

// Page geometry in 0.1 mm from the top-left corner of the A4 sheet.
constexpr int kLeft = 200;
constexpr int kRight = 1950;
constexpr int kTop = 150;
constexpr int kBottom = 2850;
constexpr int kColumnGap = 60;

// Font cell heights.
constexpr int kTitleCell = 80;
constexpr int kNameCell = 50;
constexpr int kHeadingCell = 38;
constexpr int kLabelCell = 28;
constexpr int kValueCell = 32;
constexpr int kTableCell = 30;
constexpr int kSmallestCell = 16;  // nothing is set smaller; below this a text is reported as cut

constexpr int kRow = 46;        // a row of the head data and of the subject table
constexpr int kTextBlockGap = 30;

// The editor's wording of the coded head fields.
constexpr std::array<const char*, 8> kZgnTyp = {
    "--- ??? ---", "Zeugnis (Halbjahr/Schuljahr)", "Übergangs-Zeugnis", "Abgangs-Zeugnis", "Abschluss-Zeugnis",
    "Abschluss-Zeugnis (qualifiziert / mit Leistungsermittlung)", "Versetzungs-Zeugnis in gymn. Oberstufe",
    "Zwischen-Zeugnis (Leistungsstand)"};
constexpr std::array<const char*, 4> kEbene = {"nicht ausgewählt", "Berufsreife (Hauptschule)",
                                               "Mittlere Reife (Realschule)", "Hochschulreife (Gymnasium)"};
constexpr std::array<const char*, 3> kAbschlArt = {"nicht ausgewählt", "Berufsreife (HS)", "Mittlere Reife (RS)"};
constexpr std::array<const char*, 7> kPraedikat = {"- - -", "sehr gut - mit Auszeichnung", "sehr gut", "gut",
                                                   "befriedigend", "bestanden", "ausreichend"};
constexpr std::array<const char*, 3> kKlassenart = {"ohne", "Förderstufe", "Vorlaufklasse"};
constexpr std::array<const char*, 3> kEmpfehlung = {"keine", "Berufsreife und mittlere Reife",
                                                    "allgemeine Hochschulreife"};

// The item of a coded field, or the stored number when it has none.
template <std::size_t N>
std::string item(const std::array<const char*, N>& items, int value)
{
    if (value >= 0 && static_cast<std::size_t>(value) < N)
        return items[static_cast<std::size_t>(value)];
    return "(Wert " + std::to_string(value) + ")";
}

std::string utf(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

std::string trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

// A stored short text as printed on the sheet: empty ones stay visible.
std::string shown(std::string_view cp1252)
{
    const std::string t = trimmed(utf(cp1252));
    return t.empty() ? "(leer)" : t;
}

std::string genderText(int weiblich)
{
    if (weiblich == 1)
        return "weiblich";
    if (weiblich == 0)
        return "männlich";
    return "nicht angegeben";
}

std::string schoolYearText(std::string_view sjBeginn)
{
    const SchoolYearTexts year = SchoolYearEnd(sjBeginn);
    return year.end.empty() ? shown(sjBeginn) : utf(year.begin) + "/" + utf(year.end);
}

// The grade as stored and, where the code has one, its certificate wording.
std::string gradeText(const PStr<1>& note)
{
    const std::string code = utf(note.view());
    if (code.empty())
        return "(leer)";
    const std::string words = GradeText(note, true);
    if (words == "---" || code == "-")
        return code;
    return code + " (" + words + ")";
}

std::string yesNo(bool yes) { return yes ? "ja" : "nein"; }

// One code point of UTF-8 text starting at `i`.
std::size_t codePointLength(std::string_view s, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// The canvas in stored page positions (y downwards from the paper's corner).
class Sheet {
public:
    explicit Sheet(Canvas& canvas) : canvas_(canvas), offset_(DeviceOffset(PagePoint{0, 0}, canvas.deviceCaps())) {}

    void font(int cell, bool bold)
    {
        FontSpec f;
        f.face = "Arial";
        f.cellHeight = cell;
        f.bold = bold;
        canvas_.setFont(f);
    }
    int width(std::string_view utf8, int cell, bool bold)
    {
        font(cell, bold);
        return canvas_.textWidth(utf8);
    }
    // A text with the bottom of its character cell at `y`.
    void text(int x, int y, std::string_view utf8, int cell, bool bold = false, TextAlign align = TextAlign::Left)
    {
        font(cell, bold);
        canvas_.setTextAlign(align);
        canvas_.textOut(x + offset_.offX, -(y + offset_.offY), utf8);
    }
    // A text in a cell of `maxWidth`: set smaller until it fits, so that
    // nothing of a value is lost.
    void fitted(int x, int y, int maxWidth, std::string_view utf8, int cell, bool bold = false)
    {
        while (cell > kSmallestCell && width(utf8, cell, bold) > maxWidth)
            cell -= 2;
        text(x, y, utf8, cell, bold);
    }
    void rule(int x1, int x2, int y, int lineType) { DrawHLine(canvas_, x1, x2, y, offset_.offX, offset_.offY, lineType); }
    // A light grey band behind a table's column captions.
    void shade(int x1, int y1, int x2, int y2) { DrawBox(canvas_, x1, y1, x2, y2, offset_.offX, offset_.offY, 20); }

    // The text broken into lines no wider than `maxWidth` at font `cell`:
    // line breaks of the text start new lines, lines break between words,
    // a word wider than a whole line is broken between characters.
    std::vector<std::string> wrap(std::string_view utf8, int maxWidth, int cell)
    {
        font(cell, false);
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start <= utf8.size()) {
            std::size_t end = utf8.find_first_of("\r\n", start);
            if (end == std::string_view::npos)
                end = utf8.size();
            wrapParagraph(utf8.substr(start, end - start), maxWidth, lines);
            if (end == utf8.size())
                break;
            start = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        return lines;
    }

private:
    void wrapParagraph(std::string_view para, int maxWidth, std::vector<std::string>& lines)
    {
        std::string line;
        std::size_t i = 0;
        while (i < para.size()) {
            const std::size_t blank = para.find(' ', i);
            const std::size_t end = blank == std::string_view::npos ? para.size() : blank;
            std::string word(para.substr(i, end - i));
            i = end == para.size() ? end : end + 1;
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (canvas_.textWidth(candidate) <= maxWidth) {
                line = candidate;
                continue;
            }
            if (!line.empty())
                lines.push_back(line);
            line.clear();
            // A word longer than a line is split where the line is full.
            while (canvas_.textWidth(word) > maxWidth) {
                std::size_t cut = 0;
                while (cut < word.size()) {
                    const std::size_t next = cut + codePointLength(word, cut);
                    if (cut > 0 && canvas_.textWidth(std::string_view(word).substr(0, next)) > maxWidth)
                        break;
                    cut = next;
                }
                lines.push_back(word.substr(0, cut));
                word.erase(0, cut);
            }
            line = word;
        }
        lines.push_back(line);
    }

    Canvas& canvas_;
    DeviceOffsetXY offset_;
};

// The head of the sheet; returns the y below it.
int drawTitle(Sheet& s, const DatenblattEnvironment& env, const TZgnRec& rec)
{
    int y = kTop + kTitleCell;
    s.text(kLeft, y, "Schüler-Datenblatt", kTitleCell, true);
    const std::string classYear = "Klasse " + shown(rec.Klasse.view()) + "    Schuljahr " + schoolYearText(rec.SjBeginn.view());
    s.text(kRight, y, classYear, 42, true, TextAlign::Right);
    y += kNameCell + 25;
    const std::string name = trimmed(utf(rec.Vorname.view()) + " " + utf(rec.Name.view()));
    s.fitted(kLeft, y, 1000, name.empty() ? "(ohne Namen)" : name, kNameCell, true);
    const std::string school = trimmed(utf(env.schulnameCp1252));
    if (!school.empty())
        s.text(kRight, y, school, kLabelCell, false, TextAlign::Right);
    y += 20;
    s.rule(kLeft, kRight, y, 3);
    return y + 30;
}

int drawHeading(Sheet& s, int y, std::string_view title)
{
    y += kHeadingCell;
    s.text(kLeft, y, title, kHeadingCell, true);
    y += 10;
    s.rule(kLeft, kRight, y, 2);
    return y + 6;
}

struct Field {
    const char* label;
    std::string value;
};

// Label and value in one row of `width` from x; the row's rule below.
void fieldRow(Sheet& s, int x, int width, int labelWidth, int y, const Field& f)
{
    const int bottom = y + kRow - 12;
    s.fitted(x + 10, bottom, labelWidth - 20, f.label, kLabelCell);
    s.fitted(x + labelWidth, bottom, width - labelWidth - 10, f.value, kValueCell, true);
    s.rule(x, x + width, y + kRow, 1);
}

int drawHeadData(Sheet& s, int y, const DatenblattEnvironment& env, const TZgnRec& rec)
{
    y = drawHeading(s, y, "Persönliche Daten und Zeugniskopf");
    const std::string klassenstufe = rec.Klassenstufe == 0 ? "??" : std::to_string(rec.Klassenstufe);
    const std::vector<Field> left = {
        {"Name", shown(rec.Name.view())},
        {"Vorname", shown(rec.Vorname.view())},
        {"Geburtsdatum", shown(rec.GebDatum.view())},
        {"Geschlecht", genderText(rec.Weiblich)},
        {"Klasse", shown(rec.Klasse.view())},
        {"Klassenstufe", klassenstufe},
        {"Schuljahr", schoolYearText(rec.SjBeginn.view())},
        {"Klassenlehrer/in", shown(rec.KlLehrer.view())},
        {"Schlüsselnummer", std::to_string(rec.SchlNr)},
    };
    const std::vector<Field> right = {
        {"Zeitraum", rec.Halbjahr1 == 1 ? "1. Halbjahr" : "Schuljahr"},
        {"Anspruchsebene", item(kEbene, rec.Ebene)},
        {"Abschlussart", item(kAbschlArt, rec.AbschlArt)},
        {"Prädikat", item(kPraedikat, rec.Praedikat)},
        {"Klassenart", item(kKlassenart, rec.Klassenart)},
        {"Ausstellungsort", shown(rec.ZgnOrt.view())},
        {"Ausstellungsdatum", shown(rec.ZgnDatum.view())},
        {"Serienausdruck", rec.NichtDrucken == 1 ? "nein (nicht drucken)" : "ja"},
        {"Datensatz", rec.Status == 1 ? "aktiv" : rec.Status == 0 ? "gelöscht" : "unbestimmt"},
    };
    const int half = (kRight - kLeft - kColumnGap) / 2;
    for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
        const int rowY = y + static_cast<int>(i) * kRow;
        if (i < left.size())
            fieldRow(s, kLeft, half, 330, rowY, left[i]);
        if (i < right.size())
            fieldRow(s, kLeft + half + kColumnGap, half, 330, rowY, right[i]);
    }
    y += static_cast<int>(std::max(left.size(), right.size())) * kRow;

    std::string exam = "nein";
    if (rec.UePruefung == 1)
        exam = "ja, 4. Prüfungsfach: " + shown(rec.PrFach.view()) + ", bestanden: " + yesNo(rec.Bestanden == 1);
    const std::vector<Field> wide = {
        {"Zeugnisart", item(kZgnTyp, rec.ZgnTyp)},
        {"Zeugnisformular", DatenblattAnnexText(rec.Anlage, env.options)},
        {"Neue Schule / Jahrgang", shown(rec.NeueSchule.view()) + " / " + shown(rec.Jahrgang.view())},
        {"Übergangsprüfung", exam},
        {"Empfehlung", item(kEmpfehlung, rec.Empfehlung)},
        {"Fehltage", shown(rec.Fehltage.view()) + ", davon entschuldigt: " + shown(rec.FehltageE.view())},
    };
    for (const Field& f : wide) {
        fieldRow(s, kLeft, kRight - kLeft, 330, y, f);
        y += kRow;
    }
    return y + 20;
}

// Column stops of one half of the subject table, from its left edge.
struct Columns {
    int nr = 0, fach = 60, note = 440, zusatz = 680, niveau = 760;
};

void subjectCaptions(Sheet& s, int x, int width, int y)
{
    const Columns c;
    s.shade(x, y, x + width, y + kRow);
    const int bottom = y + kRow - 13;
    const int cell = 26;
    s.text(x + c.nr + 10, bottom, "Nr.", cell, true);
    s.text(x + c.fach + 10, bottom, "Fach", cell, true);
    s.text(x + c.note + 10, bottom, "Note", cell, true);
    s.text(x + c.zusatz + 5, bottom, "Zus.", cell, true);
    s.text(x + c.niveau + 5, bottom, "Niv.", cell, true);
}

void subjectRow(Sheet& s, int x, int width, int y, const std::string& nr, const std::string& fach,
                const TFachEintrag& slot, bool withLevel)
{
    const Columns c;
    const int bottom = y + kRow - 13;
    s.text(x + c.nr + 10, bottom, nr, kTableCell);
    s.fitted(x + c.fach + 10, bottom, c.note - c.fach - 20, fach, kTableCell);
    s.fitted(x + c.note + 10, bottom, c.zusatz - c.note - 20, gradeText(slot.Note), kTableCell, true);
    s.fitted(x + c.zusatz + 5, bottom, c.niveau - c.zusatz - 10, utf(slot.Zusatz.view()), kTableCell);
    if (withLevel)
        s.fitted(x + c.niveau + 5, bottom, width - c.niveau - 10, utf(slot.Niveau.view()), kTableCell);
    s.rule(x, x + width, y + kRow, 1);
}

// Subjects 1..13 on the left; 14..18, the electives W1..W6 and their
// overall grade on the right.
int drawSubjects(Sheet& s, int y, const TZgnRec& rec)
{
    y = drawHeading(s, y, "Fächer und Bewertungen");
    y += 8;
    const int half = (kRight - kLeft - kColumnGap) / 2;
    const int xl = kLeft;
    const int xr = kLeft + half + kColumnGap;
    subjectCaptions(s, xl, half, y);
    subjectCaptions(s, xr, half, y);
    const int top = y + kRow;
    auto slotRow = [&](int x, int row, const std::string& nr, int k) {
        subjectRow(s, x, half, top + row * kRow, nr, trimmed(utf(rec.slot(k).Fach.view())), rec.slot(k), true);
    };
    int row = 0;
    for (int k = 1; k <= 13; ++k, ++row)
        slotRow(xl, row, std::to_string(k), k);
    const int rowsLeft = row;
    row = 0;
    for (int k = 14; k <= 18; ++k, ++row)
        slotRow(xr, row, std::to_string(k), k);
    for (int w = 1; w <= 6; ++w, ++row)
        slotRow(xr, row, "W" + std::to_string(w), 18 + w);
    subjectRow(s, xr, half, top + row * kRow, "W", "Wahlpflicht gesamt", rec.slot(25), false);
    ++row;
    return top + std::max(rowsLeft, row) * kRow + 20;
}

struct TextBlock {
    const char* title;
    std::string text;  // UTF-8
};

std::string blockText(std::string_view cp1252)
{
    const std::string t = trimmed(utf(cp1252));
    return t.empty() ? "(kein Text)" : t;
}

// The free texts in full, below each other, in the largest font that lets
// all of them fit between `y` and the bottom of the page.
std::vector<TextCutNotice> drawTexts(Sheet& s, int y, const TZgnRec& rec)
{
    const std::array<TextBlock, 3> blocks = {{
        {"Lernentwicklungsbericht", blockText(rec.LEBText.view())},
        {"Vermerke", blockText(rec.Vermerke.view())},
        {"Informationen der Fachlehrer", blockText(rec.FLInfo.view())},
    }};
    const int width = kRight - kLeft - 20;
    const int headingHeight = kHeadingCell + 16 + 10;  // drawHeading and the gap below it
    int cell = kValueCell;
    std::array<std::vector<std::string>, 3> lines;
    for (;; cell -= 2) {
        int height = 0;
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            lines[b] = s.wrap(blocks[b].text, width, cell);
            height += headingHeight + static_cast<int>(lines[b].size()) * (cell * 6 / 5) + kTextBlockGap;
        }
        if (y + height <= kBottom || cell <= kSmallestCell)
            break;
    }
    const int lineHeight = cell * 6 / 5;
    std::vector<TextCutNotice> cuts;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        // A block that would start below the end of the page is not begun.
        if (y + headingHeight + lineHeight > kBottom) {
            cuts.push_back({blocks[b].title, blocks[b].text});
            continue;
        }
        y = drawHeading(s, y, blocks[b].title) + 10;
        std::size_t n = 0;
        for (; n < lines[b].size(); ++n) {
            if (y + lineHeight > kBottom)
                break;
            y += lineHeight;
            s.text(kLeft + 10, y, lines[b][n], cell);
        }
        if (n < lines[b].size()) {
            std::string rest;
            for (std::size_t m = n; m < lines[b].size(); ++m)
                rest += (rest.empty() ? "" : " ") + lines[b][m];
            cuts.push_back({blocks[b].title, rest});
        }
        y += kTextBlockGap;
    }
    return cuts;
}

// Form lookups on the sheet report nothing: the sheet only names the form.
class SilentPrompter : public Prompter {
public:
    bool askYesNo(const std::string&, MessageKind) override { return false; }
    bool askOkCancel(const std::string&, MessageKind) override { return false; }
    void tell(MessageKind, const std::string&) override {}
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }
};

} // namespace

std::string DatenblattAnnexText(int anlage, const TDrkEinstRec& options)
{
    if (anlage == -1)
        return "noch nicht bestimmt (Daten übernehmen)";
    if (anlage == 0)
        return "keine gültige Auswahl eines Zeugnisses";
    SilentPrompter silent;
    const FormFileInfo form = AnlageFormFile(anlage, options, silent);
    const std::string number = AnnexNumberText(anlage);
    if (form.fileName.empty())
        return "Anlage " + number + ": unbekanntes Formular";
    return "Anlage " + number + ": " + form.description + " [" + form.fileName + "]";
}

std::vector<TextCutNotice> LayoutDatenblatt(Canvas& canvas, const DatenblattEnvironment& env, const TZgnRec& rec)
{
    Sheet s(canvas);
    int y = drawTitle(s, env, rec);
    y = drawHeadData(s, y, env, rec);
    y = drawSubjects(s, y, rec);
    return drawTexts(s, y, rec);
}

} // namespace ruvek
