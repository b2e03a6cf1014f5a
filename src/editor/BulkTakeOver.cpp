#include "editor/BulkTakeOver.h"

#include "classfile/RecordCollection.h"
#include "grades/Annex.h"
#include "grades/SlotAdapt.h"

#include <algorithm>
#include <set>

namespace ruvek::editor {
namespace {

// Passes every message on only the first time its text comes: a bulk
// command that brings many records up to date would otherwise show the same
// warning once per student.
class EachMessageOnce : public Prompter {
public:
    explicit EachMessageOnce(Prompter& inner) : m_inner(inner) {}
    bool askYesNo(const std::string& text, MessageKind kind) override { return m_inner.askYesNo(text, kind); }
    bool askOkCancel(const std::string& text, MessageKind kind) override { return m_inner.askOkCancel(text, kind); }
    void tell(MessageKind kind, const std::string& text) override
    {
        if (m_shown.insert(text).second)
            m_inner.tell(kind, text);
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override
    {
        return m_inner.chooseOpenFile(r);
    }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override
    {
        return m_inner.chooseSaveFile(r);
    }
    std::optional<std::filesystem::path> chooseFolder(const std::string& title, const std::filesystem::path& start) override
    {
        return m_inner.chooseFolder(title, start);
    }

private:
    Prompter& m_inner;
    std::set<std::string> m_shown;
};

std::int16_t i16(int value) { return static_cast<std::int16_t>(value); }

void writeHead(TZgnRec& r, HeadButton button, const HeadValue& v)
{
    switch (button) {
    case HeadButton::Zeugnistyp: r.ZgnTyp = i16(v.index); break;
    case HeadButton::SchuljahrKlasse:
        r.SjBeginn = v.text;
        r.Klasse = v.text2;
        r.Halbjahr1 = v.checked ? 1 : 0;
        break;
    case HeadButton::Schuljahr:
        r.SjBeginn = v.text;
        r.Halbjahr1 = v.checked ? 1 : 0;
        break;
    case HeadButton::Klassenlehrer: r.KlLehrer = v.text; break;
    case HeadButton::Jahrgangsstufe: r.Klassenstufe = i16(v.index); break;
    case HeadButton::Abschlussart: r.AbschlArt = i16(v.index); break;
    case HeadButton::Anspruchsebene: r.Ebene = i16(v.index); break;
    case HeadButton::Klassenart: r.Klassenart = i16(v.index); break;
    case HeadButton::Pruefung: r.UePruefung = v.checked ? 1 : 0; break;
    case HeadButton::Empfehlung: r.Empfehlung = i16(v.index); break;
    case HeadButton::ZeugnisOrtDatum:
        r.ZgnOrt = v.text;
        r.ZgnDatum = std::string_view(v.text2).substr(0, 10);
        break;
    }
}

// What storing a record and showing it again does to its annex and slots.
void bringAnnexUpToDate(TZgnRec& r, SchoolType schoolType, const TFachKatalog& kat, Prompter& prompter)
{
    r.AnlageAlt = r.Anlage;
    r.Anlage = DetermineAnnex(r, schoolType);
    AdaptSlotsOnShow(r, schoolType, kat, prompter);
}

bool within(int a, int lo, int hi) { return a >= lo && a <= hi; }

PositionSlots first(int slot) { return {slot, 0, 0, 0, 0, 0}; }

// The elective slots W1..W6 are slots 19..24.
constexpr int W(int n) { return 18 + n; }

std::optional<PositionSlots> electiveSlots(SubjectCommand command, int a)
{
    if (!within(a, 5, 29) || a == 26)
        return std::nullopt;
    const bool three = a == 8 || a == 9 || a == 13 || a == 14 || within(a, 18, 20) || within(a, 27, 29);
    switch (command) {
    case SubjectCommand::Wahlpflicht1:
        return three ? PositionSlots{W(1), W(2), W(3), 0, 0, 0} : PositionSlots{W(1), W(4), 0, 0, 0, 0};
    case SubjectCommand::Wahlpflicht2:
        return three ? PositionSlots{W(4), W(5), W(6), 0, 0, 0} : PositionSlots{W(2), W(5), 0, 0, 0, 0};
    default:
        return three ? PositionSlots{W(1), W(2), W(3), W(4), W(5), W(6)}
                     : PositionSlots{W(1), W(4), 0, W(2), W(5), 0};
    }
}

} // namespace

std::string takeOverQuestion(std::string_view subject, std::size_t count)
{
    const std::string students =
        count == 1 ? std::string("1 folgenden Schüler") : std::to_string(count) + " folgenden Schülern";
    return std::string(subject) + " bei " + students + " übernommen.\n" +
           "Das kann mit Bearbeiten → Rückgängig wieder rückgängig gemacht werden.\n\nFortfahren?";
}

bool changesAnnexData(HeadButton button)
{
    switch (button) {
    case HeadButton::Zeugnistyp:
    case HeadButton::SchuljahrKlasse:
    case HeadButton::Schuljahr:
    case HeadButton::Jahrgangsstufe:
    case HeadButton::Abschlussart:
    case HeadButton::Klassenart: return true;
    default: return false;
    }
}

std::string headButtonSubject(HeadButton button)
{
    switch (button) {
    case HeadButton::Zeugnistyp: return "Der Zeugnistyp wird";
    case HeadButton::SchuljahrKlasse: return "Schuljahr und Klasse werden";
    case HeadButton::Schuljahr: return "Das Schuljahr wird";
    case HeadButton::Klassenlehrer: return "Der Klassenlehrer wird";
    case HeadButton::Jahrgangsstufe: return "Die Jahrgangsstufe wird";
    case HeadButton::Abschlussart: return "Die Abschlussart wird";
    case HeadButton::Anspruchsebene: return "Die Zeugnisanspruchsebene wird";
    case HeadButton::Klassenart: return "Die Klassenart wird";
    case HeadButton::Pruefung: return "Die Prüfungsteilnahme wird";
    case HeadButton::Empfehlung: return "Die Schullaufbahnempfehlung wird";
    case HeadButton::ZeugnisOrtDatum: return "Zeugnisort und -datum werden";
    }
    return {};
}

std::vector<std::size_t> headTargets(const OpenClass& oc, HeadButton button)
{
    return followingStudents(oc.records, static_cast<std::size_t>(oc.current), button != HeadButton::Empfehlung);
}

TakeOverResult takeOverHead(OpenClass& oc, HeadButton button, const HeadValue& value, const TFachKatalog& kat,
                            Prompter& prompter)
{
    const auto current = static_cast<std::size_t>(oc.current);
    const std::vector<std::size_t> targets = headTargets(oc, button);
    const auto others = static_cast<std::size_t>(std::count_if(
        targets.begin(), targets.end(), [current](std::size_t i) { return i != current; }));
    if (others > 0 && !prompter.askYesNo(takeOverQuestion(headButtonSubject(button), others)))
        return {};

    EachMessageOnce once(prompter);
    for (std::size_t i : targets) {
        TZgnRec& r = oc.records[i];
        writeHead(r, button, value);
        if (i != current && changesAnnexData(button))
            bringAnnexUpToDate(r, oc.schoolType, kat, once);
    }
    oc.changed = true;
    return {.done = true, .changed = others};
}

bool isElectiveCommand(SubjectCommand command)
{
    return command == SubjectCommand::Wahlpflicht1 || command == SubjectCommand::Wahlpflicht2 ||
           command == SubjectCommand::Wahlpflicht12;
}

std::string subjectCommandSubject(SubjectCommand command)
{
    switch (command) {
    case SubjectCommand::Fremdsprache1: return "Die 1. Fremdsprache wird";
    case SubjectCommand::Fremdsprache2: return "Die 2. Fremdsprache wird";
    case SubjectCommand::Religion: return "Das Fach Religion/Phil. m. K. wird";
    case SubjectCommand::ZusatzFach: return "Das (erste) zusätzliche Fach wird";
    case SubjectCommand::Wahlpflicht1: return "Die Wahlpflichtfächer des 1. Halbjahres werden";
    case SubjectCommand::Wahlpflicht2: return "Die Wahlpflichtfächer des 2. Halbjahres werden";
    case SubjectCommand::Wahlpflicht12: return "Die Wahlpflichtfächer beider Halbjahre werden";
    }
    return {};
}

std::optional<PositionSlots> subjectSlots(SubjectCommand command, int a, bool reading)
{
    switch (command) {
    case SubjectCommand::Fremdsprache1:
        if (a == 3 || a == 4)
            return first(9);
        if (reading ? (within(a, 5, 22) || within(a, 24, 29))
                    : (within(a, 10, 17) || within(a, 19, 25) || within(a, 27, 29)))
            return first(2);
        return std::nullopt;
    case SubjectCommand::Fremdsprache2:
        if (within(a, 10, 17) || within(a, 19, 25) || within(a, 27, 29))
            return first(3);
        return std::nullopt;
    case SubjectCommand::Religion:
        if (a < 3 || a > 29)
            return std::nullopt;
        if (a <= 4)
            return first(4);
        if (a <= 9 || a == 18)
            return first(8);
        if (a == 23)
            return first(10);
        if (a == 26)
            return first(6);
        return first(9);
    case SubjectCommand::ZusatzFach:
        if (a < 5 || a > 29 || within(a, 23, 25))
            return std::nullopt;
        if (a == 13 || a == 14 || a == 20)
            return first(16);
        if (a == 21 || a == 22 || a == 27)
            return first(18);
        if (a == 26)
            return first(14);
        return first(17);
    default: return electiveSlots(command, a);
    }
}

TakeOverResult takeOverSubjects(OpenClass& oc, SubjectCommand command, Prompter& prompter)
{
    const bool elective = isElectiveCommand(command);
    // The elective commands mark the class changed even when they hand
    // nothing on.
    if (elective)
        oc.changed = true;

    const TZgnRec& cur = oc.currentRecord();
    const auto readSlots = subjectSlots(command, cur.Anlage, true);
    if (!readSlots) {
        prompter.error(elective ? kMsgNoElectives : kMsgNoSuchSubject);
        return {.error = true};
    }
    // Positions the current layout does not fill hand on an empty name, or
    // the unset mark for both half-years.
    std::array<std::string, 6> names;
    names.fill(command == SubjectCommand::Wahlpflicht12 || !elective ? "???" : "");
    for (std::size_t p = 0; p < names.size(); ++p)
        if ((*readSlots)[p] != 0)
            names[p] = cur.slot((*readSlots)[p]).Fach.str();
    // Nothing to hand on: an unset or empty name.
    if (compareOrdinal(names[0], "???") <= 0)
        return {};

    std::vector<std::pair<std::size_t, PositionSlots>> targets;
    for (std::size_t i : followingStudents(oc.records, static_cast<std::size_t>(oc.current) + 1))
        if (const auto slots = subjectSlots(command, oc.records[i].Anlage, false))
            targets.emplace_back(i, *slots);
    if (targets.empty())
        return {.done = true};
    if (!prompter.askYesNo(takeOverQuestion(subjectCommandSubject(command), targets.size())))
        return {};

    for (const auto& [i, slots] : targets)
        for (std::size_t p = 0; p < slots.size(); ++p)
            if (slots[p] != 0)
                oc.records[i].slot(slots[p]).Fach = names[p];
    oc.changed = true;
    return {.done = true, .changed = targets.size()};
}

} // namespace ruvek::editor
