#include "layouts/StatementBlock.h"

#include "common/Cp1252.h"

#include <array>

namespace ruvek {
namespace {

// nullptr: the line is not printed. A leaving statement strikes the pronoun
// that does not apply in slot 23 and names the year level left in slot 25.
struct Statement {
    int annexCode;
    const char* first;         // slot 22
    const char* second;        // slot 23
    const char* qualification; // slot 24
    const char* closing;       // slot 26
    bool leaving;
    bool distinction; // slot 27
};

constexpr const char* kLeaving =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der";
constexpr const char* kLeavingComprehensive =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden Schule aus der";
constexpr const char* kRealschulExam =
    "hat erfolgreich an der Realschulabschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes";
constexpr const char* kRealschulExamSecond = "Kestland teilgenommen und den";
constexpr const char* kWithDistinction = "mit dem Gesamtprädikat _____________________________________ erworben.";

// The texts are the forms' own, "Jahrgangstufe" included.
constexpr std::array<Statement, 11> kStatements {{
    {7, kLeaving, nullptr, "Jahrgangsstufe ____ der Hauptschule entlassen.", nullptr, true, false},
    {12, kLeaving, nullptr, "Jahrgangsstufe ____ der Realschule entlassen.", nullptr, true, false},
    {17, kLeaving, nullptr, "Jahrgangsstufe ____ der Regionalen Schule entlassen.", nullptr, true, false},
    {28, kLeavingComprehensive, nullptr, "____ Jahrgangsstufe entlassen.", nullptr, true, false},
    {8, "hat erfolgreich am Unterricht der Jahrgangstufe 9 des Hauptschulbildungsganges teilgenommen", "und den",
     "Hauptschulabschluss", "erworben.", false, false},
    {9, "hat erfolgreich am Unterricht der Jahrgangstufe 10 des Hauptschulbildungsganges teilgenommen", "und den",
     "qualifizierten Hauptschulabschluss", "erworben.", false, false},
    {13, kRealschulExam, kRealschulExamSecond, "Realschulabschluss", kWithDistinction, false, true},
    {14, kRealschulExam, kRealschulExamSecond, "qualifizierten Realschulabschluss", kWithDistinction, false, true},
    {18, "hat erfolgreich am Unterricht der Jahrgangstufe 9 teilgenommen und die", nullptr, "Berufsreife", "erworben.",
     false, false},
    {19, "hat erfolgreich am Unterricht der Jahrgangsstufe 9 und an einem Leistungsfeststellungsverfahren",
     "gemäß § 16 Abs. 3 des Schulgesetzes des Landes Kestland teilgenommen und die",
     "Berufsreife mit Leistungsfeststellung", kWithDistinction, false, true},
    {20, "hat erfolgreich an der Abschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes Kest-",
     "land teilgenommen und die", "Mittlere Reife", kWithDistinction, false, true},
}};

} // namespace

const char* DistinctionText(int praedikat)
{
    switch (praedikat) {
    case 1: return "sehr gut - mit Auszeichnung";
    case 2: return "sehr gut";
    case 3: return "gut";
    case 4: return "befriedigend";
    case 5: return "bestanden";
    case 6: return "ausreichend";
    default: return "  - - - - - ";
    }
}

void StatementBlock(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    if (!ctx.drawn(slot::StatementFirst))
        return;
    const Statement* statement = nullptr;
    for (const Statement& s : kStatements)
        if (s.annexCode == annexCode)
            statement = &s;
    if (!statement)
        return;

    // Every line follows slot 22 onto its page, whatever page its own slot names.
    auto line = [&](int index, std::string_view utf8) {
        TFstSlot at = ctx.slot(index);
        at.Page = static_cast<std::uint16_t>(ctx.page());
        ctx.text(at, utf8);
    };
    line(slot::StatementFirst, statement->first);
    if (statement->second)
        line(slot::StatementSecond, statement->second);
    if (statement->leaving && (rec.Weiblich == 0 || rec.Weiblich == 1)) {
        TFstSlot label = ctx.slot(slot::StatementFirst);
        label.Page = static_cast<std::uint16_t>(ctx.page());
        TFstSlot at = ctx.slot(slot::StatementSecond);
        at.Page = label.Page;
        // "seiner/ihrer": a boy's certificate strikes "ihrer", a girl's "seiner".
        ctx.strikeWord(label, statement->first, rec.Weiblich == 0 ? "ihrer" : "seiner", at);
    }
    line(slot::StatementQualification, statement->qualification);
    if (statement->leaving)
        line(slot::StatementYearLevel, cp1252ToUtf8(rec.Jahrgang.view()));
    if (statement->closing)
        line(slot::StatementClosing, statement->closing);
    if (statement->distinction)
        line(slot::StatementDistinction, DistinctionText(rec.Praedikat));
}

} // namespace ruvek
