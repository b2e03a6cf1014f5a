#include "exchange/SubjectEntry.h"

#include "classfile/RecordCollection.h"
#include "common/Cp1252.h"
#include "common/GermanOrder.h"
#include "grades/GradeNotation.h"
#include "settings/FachKatalog.h"

#include <algorithm>

namespace ruvek {

namespace {

constexpr int kLastSubjectSlot = 18;

bool listed(const TZgnRec& rec)
{
    const std::string_view name = rec.Name.view();
    return rec.Status == 1 && name != "???" && name != kFachUnbenutzt && !name.empty();
}

// The first active record a row stands for.
template <class List>
auto recordOfRow(const SubjectEntryRow& row, List& records) -> decltype(&records[0])
{
    for (auto& rec : records)
        if (rec.Status == 1 && nameColumn(rec) == row[ColName] && cp1252ToUtf8(rec.Klasse.view()) == row[ColKlasse] &&
            std::to_string(rec.SchlNr) == row[ColId])
            return &rec;
    return nullptr;
}

std::string firstTwoCharacters(std::string_view utf8)
{
    return utf8ToCp1252(utf8).substr(0, 2);
}

} // namespace

std::array<int, kSubjectEntryColumns> subjectEntryWidths(SchoolType schoolType, bool zeigeZusatz)
{
    const bool levels = schoolType == SchoolType::NichtAusgewaehlt || schoolType == SchoolType::RegionaleSchule ||
                        schoolType == SchoolType::IntegrierteGesamtschule;
    return {2, 40, 210, levels ? 30 : 5, 30, zeigeZusatz ? 30 : 2};
}

bool isNoSubject(std::string_view subject)
{
    return subject == "???" || subject == kFachUnbenutzt;
}

std::string nameColumn(const TZgnRec& rec)
{
    std::string text = (rec.Name.str() + ", ").substr(0, 32) + rec.Vorname.str();
    return cp1252ToUtf8(text.substr(0, 62));
}

std::vector<SubjectEntryRow> studentRows(const TDB2& records)
{
    std::vector<SubjectEntryRow> rows;
    for (const TZgnRec& rec : records)
        if (listed(rec))
            rows.push_back({std::to_string(rec.SchlNr), cp1252ToUtf8(rec.Klasse.view()), nameColumn(rec), {}, {}, {}});
    return rows;
}

int subjectSlot(const TZgnRec& rec, std::string_view subjectUtf8)
{
    const std::string subject = utf8ToCp1252(subjectUtf8);
    for (int k = 1; k <= kLastSubjectSlot; ++k)
        if (rec.slot(k).Fach == subject)
            return k;
    return 0;
}

void fillSubjectColumns(std::vector<SubjectEntryRow>& rows, const TDB2& records, std::string_view subject)
{
    for (SubjectEntryRow& row : rows) {
        if (isNoSubject(subject)) {
            row[ColNiveau] = row[ColNote] = row[ColZusatz] = "";
            continue;
        }
        const TZgnRec* rec = recordOfRow(row, records);
        if (!rec)
            continue;
        if (const int k = subjectSlot(*rec, subject)) {
            const TFachEintrag& slot = rec->slot(k);
            row[ColNiveau] = cp1252ToUtf8(slot.Niveau.view());
            row[ColNote] = cp1252ToUtf8(slot.Note.view());
            row[ColZusatz] = cp1252ToUtf8(slot.Zusatz.view());
        } else {
            row[ColNiveau] = row[ColNote] = row[ColZusatz] = std::string(kNoSubjectMark);
        }
    }
}

SubjectWriteBack writeBackSubject(const std::vector<SubjectEntryRow>& rows, TDB2& records, std::string_view subject)
{
    SubjectWriteBack out;
    if (isNoSubject(subject))
        return out;
    for (const SubjectEntryRow& row : rows) {
        if (compareOrdinal(row[ColName], " ") <= 0 || row[ColName] == ", " || row[ColNiveau] == kNoSubjectMark ||
            row[ColNote] == kNoSubjectMark)
            continue;
        TZgnRec* rec = recordOfRow(row, records);
        if (!rec) {
            ++out.notFound;
            continue;
        }
        const int k = subjectSlot(*rec, subject);
        if (k == 0) {
            ++out.withoutSubject;
            continue;
        }
        TFachEintrag& slot = rec->slot(k);
        const TFachEintrag before = slot;
        slot.Niveau = FirstCellChar(row[ColNiveau]);
        slot.Note = GradeFromEntry(row[ColNote]);
        slot.Zusatz = firstTwoCharacters(row[ColZusatz]);
        if (!(before.Niveau == slot.Niveau) || !(before.Note == slot.Note) || !(before.Zusatz == slot.Zusatz))
            out.changed = true;
    }
    return out;
}

void reportWriteBack(const SubjectWriteBack& result, std::string_view subject, Prompter& prompter)
{
    if (result.notFound > 0)
        prompter.error(std::to_string(result.notFound) + " Schüler konnten nicht gefunden werden!");
    if (result.withoutSubject > 0)
        prompter.warning("Bei " + std::to_string(result.withoutSubject) + " Schülern konnte das Fach: " +
                         std::string(subject) + " nicht gefunden werden!");
}

void sortRows(std::vector<SubjectEntryRow>& rows, int column, bool ascending)
{
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [&](const SubjectEntryRow& a, const SubjectEntryRow& b) {
        const int order = compareGerman(utf8ToCp1252(a[c]), utf8ToCp1252(b[c]));
        return ascending ? order < 0 : order > 0;
    });
}

void clearSubjectColumns(std::vector<SubjectEntryRow>& rows)
{
    for (SubjectEntryRow& row : rows) {
        if (row[ColNiveau] == kNoSubjectMark || row[ColNote] == kNoSubjectMark)
            continue;
        row[ColNiveau] = "-";
        row[ColNote] = "-";
        row[ColZusatz] = "";
    }
}

} // namespace ruvek
