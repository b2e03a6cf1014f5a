#include "exchange/GradeListImport.h"

#include "common/Cp1252.h"
#include "exchange/CatalogueSlot.h"

#include <algorithm>

namespace ruvek {

namespace {

// The texts of the subject-wise entry for the same two situations.
std::string notFoundText(int count)
{
    return std::to_string(count) + " Schüler konnten nicht gefunden werden!";
}
std::string withoutSubjectText(int count, const std::string& subject)
{
    return "Bei " + std::to_string(count) + " Schülern konnte das Fach: " + cp1252ToUtf8(subject) +
           " nicht gefunden werden!";
}

bool isEmptyEntry(const TFaNoEintrag& e)
{
    return e.Fach.view() == kFachUnbekannt || e.Fach.empty();
}

int slotFor(const TZgnRec& rec, const TFaNoEintrag& e, const TFachKatalog& katalog, int halfYear)
{
    if (halfYear == 0) {
        if (const TFachEintragKat* entry = catalogueEntryNamed(katalog, e.Fach.view()))
            return catalogueSubjectSlot(rec, *entry);
        return lastSlotNamed(rec, e.Fach.view());
    }
    for (int k : electiveSlotsOfHalfYear(rec.AnlageFaecher, halfYear))
        if (rec.slot(k).Fach == e.Fach)
            return k;
    return 0;
}

std::string shown(const PStr<1>& code)
{
    return code.empty() ? std::string("(leer)") : cp1252ToUtf8(code.view());
}

} // namespace

ImportPlan planGradeListImport(const TDB2& records, const TFaNoDB& list, const TFachKatalog& katalog, int halfYear)
{
    ImportPlan plan;
    for (const TFaNoEintrag& e : list) {
        if (isEmptyEntry(e))
            continue;
        const auto rec = std::find_if(records.begin(), records.end(),
                                      [&](const TZgnRec& r) { return r.Status == 1 && e.sameStudent(r); });
        if (rec == records.end()) {
            ++plan.notFound;
            continue;
        }
        const int slot = slotFor(*rec, e, katalog, halfYear);
        if (slot == 0) {
            ++plan.withoutSubject;
            plan.subjectWithout = e.Fach.str();
            continue;
        }
        const TFachEintrag& before = rec->slot(slot);
        if (before.Note == e.Note && before.Zusatz == e.Zusatz && before.Niveau == e.Niveau)
            continue;
        GradeChange change;
        change.record = static_cast<std::size_t>(rec - records.begin());
        change.slot = slot;
        change.before = before;
        change.after = before;
        change.after.Note = e.Note;
        change.after.Zusatz = e.Zusatz;
        change.after.Niveau = e.Niveau;
        // A later entry of the same student and slot wins, as it would when
        // the lists were applied one entry after the other.
        std::erase_if(plan.changes, [&](const GradeChange& c) { return c.record == change.record && c.slot == slot; });
        plan.changes.push_back(change);
    }
    return plan;
}

std::vector<std::string> describeChanges(const TDB2& records, const ImportPlan& plan)
{
    std::vector<std::string> lines;
    for (const GradeChange& c : plan.changes) {
        const TZgnRec& rec = records[c.record];
        std::string line = cp1252ToUtf8(rec.Name.view()) + ", " + cp1252ToUtf8(rec.Vorname.view()) + " – " +
                           cp1252ToUtf8(c.before.Fach.view()) + ": " + shown(c.before.Note) + " → " +
                           shown(c.after.Note);
        if (!(c.before.Zusatz == c.after.Zusatz))
            line += " (Zusatz " + cp1252ToUtf8(c.before.Zusatz.view()) + " → " + cp1252ToUtf8(c.after.Zusatz.view()) + ")";
        if (!(c.before.Niveau == c.after.Niveau))
            line += " (Niveau " + shown(c.before.Niveau) + " → " + shown(c.after.Niveau) + ")";
        lines.push_back(std::move(line));
    }
    return lines;
}

void applyGradeChanges(TDB2& records, const ImportPlan& plan)
{
    for (const GradeChange& c : plan.changes) {
        TFachEintrag& slot = records[c.record].slot(c.slot);
        slot.Note = c.after.Note;
        slot.Zusatz = c.after.Zusatz;
        slot.Niveau = c.after.Niveau;
    }
}

bool importGradeListFile(OpenClass& klasse, const std::filesystem::path& file, const TFachKatalog& katalog,
                         int halfYear, Prompter& prompter, bool* unreadable)
{
    TFaNoDB list;
    std::string reason;
    if (!readFdbFile(file, list, nullptr, &reason)) {
        prompter.error(kMsgListeNichtLesbar + file.string() + "\n" + reason);
        if (unreadable)
            *unreadable = true;
        return false;
    }
    const ImportPlan plan = planGradeListImport(klasse.records, list, katalog, halfYear);
    if (plan.notFound > 0)
        prompter.error(notFoundText(plan.notFound));
    if (plan.withoutSubject > 0)
        prompter.warning(withoutSubjectText(plan.withoutSubject, plan.subjectWithout));
    if (plan.changes.empty()) {
        prompter.information(kMsgKeineAenderungen);
        return false;
    }
    // A long list is shortened so that the question still fits on the screen.
    constexpr std::size_t kShownLines = 25;
    const std::vector<std::string> lines = describeChanges(klasse.records, plan);
    std::string text = "Die Fachzensuren-Liste ändert " + std::to_string(lines.size()) + " Bewertung(en):\n\n";
    for (std::size_t i = 0; i < lines.size() && i < kShownLines; ++i)
        text += lines[i] + "\n";
    if (lines.size() > kShownLines)
        text += "... und " + std::to_string(lines.size() - kShownLines) + " weitere\n";
    text += "\n";
    text += kAskAenderungenUebernehmen;
    if (!prompter.askYesNo(text))
        return false;
    applyGradeChanges(klasse.records, plan);
    klasse.changed = true;
    return true;
}

} // namespace ruvek
