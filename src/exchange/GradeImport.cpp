#include "exchange/GradeImport.h"

#include "common/Cp1252.h"
#include "exchange/TextFields.h"

#include <set>

namespace ruvek {

namespace {

constexpr std::size_t kImportNameCut = 31;
constexpr std::size_t kSlotNameLength = 30;
constexpr int kLastSubjectSlot = 18;

std::string cut(std::string s, std::size_t n)
{
    if (s.size() > n)
        s.resize(n);
    return s;
}

std::optional<std::size_t> findActiveStudent(const TDB2& records, std::string_view name, std::string_view vorname)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].Status == 1 && records[i].Name == name && records[i].Vorname == vorname)
            return i;
    return std::nullopt;
}

std::optional<int> slotOfSubject(const TZgnRec& rec, std::string_view subjectName)
{
    const std::string_view stored = subjectName.substr(0, std::min(subjectName.size(), kSlotNameLength));
    for (int k = 1; k <= kLastSubjectSlot; ++k)
        if (rec.slot(k).Fach == stored)
            return k;
    return std::nullopt;
}

bool levelsImported(SchoolType schoolType)
{
    return schoolType == SchoolType::RegionaleSchule || schoolType == SchoolType::IntegrierteGesamtschule;
}

} // namespace

std::optional<std::string> importSubjectName(const TFachKatalog& katalog, std::string_view column)
{
    std::optional<std::string> name;
    for (int i = 0; i < kFachKatalogCount; ++i)
        if (katalog[i].FachKurz == column || katalog[i].FachName == column)
            name = katalog[i].FachName.str();
    return name;
}

GradeImportPlan planGradeImport(const TDB2& records, const std::vector<std::string>& lines,
                                const TFachKatalog& katalog, SchoolType schoolType)
{
    GradeImportPlan plan;
    std::set<std::size_t> changed;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n];
        if (lineExhausted(line))
            continue;
        GradeImportLine info;
        info.lineNumber = static_cast<int>(n + 1);
        info.name = cut(nextColumn(line), kImportNameCut);
        if (!info.name.empty())
            info.vorname = cut(nextColumn(line), kImportNameCut);
        const auto record = findActiveStudent(records, info.name, info.vorname);
        info.found = record.has_value();
        if (!record) {
            ++plan.studentsNotFound;
            plan.lines.push_back(info);
            continue;
        }
        while (!lineExhausted(line)) {
            const auto subject = importSubjectName(katalog, nextColumn(line));
            if (!subject || *subject == kFachUnbekannt || *subject == kFachUnbenutzt) {
                ++info.unassigned;
                NextField(line);   // the grade that belongs to the subject
                continue;
            }
            const std::string grade = lineExhausted(line) ? std::string() : nextColumn(line);
            std::optional<std::size_t> assigned;
            if (grade.empty()) {
                ++info.unassigned;
            } else if (const auto slot = slotOfSubject(records[*record], *subject)) {
                plan.assignments.push_back({*record, *slot, GradeFromEntry(cp1252ToUtf8(grade)), std::nullopt});
                assigned = plan.assignments.size() - 1;
                ++info.gradesSet;
                changed.insert(*record);
            } else {
                ++info.unassigned;
            }
            if (levelsImported(schoolType) && !lineExhausted(line)) {
                const std::string level = withoutQuotes(PeekField(line));
                if (level.size() == 1) {
                    NextField(line);
                    if (assigned)
                        plan.assignments[*assigned].niveau = LevelCode(level);
                }
            }
        }
        plan.unassigned += info.unassigned;
        plan.lines.push_back(info);
    }
    plan.studentsChanged = static_cast<int>(changed.size());
    return plan;
}

bool applyGradeImport(TDB2& records, const GradeImportPlan& plan)
{
    bool changed = false;
    for (const GradeAssignment& a : plan.assignments) {
        TFachEintrag& slot = records[a.record].slot(a.slot);
        changed = changed || !(slot.Note == a.note) || (a.niveau && !(slot.Niveau == *a.niveau));
        slot.Note = a.note;
        if (a.niveau)
            slot.Niveau = *a.niveau;
    }
    return changed;
}

std::string studentNotFoundText(std::string_view vorname, std::string_view name)
{
    return "Einen Datensatz für: " + cp1252ToUtf8(vorname) + " " + cp1252ToUtf8(name) +
           "\nwurde nicht gefunden!\n\nBitte Schüler-Datensatz erst anlegen\noder Schreibweise des Namens prüfen!";
}

std::string unassignedCountText(int count)
{
    return "Zählerstand der nicht zugeordneten Fächer: " + std::to_string(count);
}

std::string unassignedWarningText(int count)
{
    return "Beim Importieren der Fächer-Bewertungen\nkonnten " + std::to_string(count) +
           " Bewertungen nicht zugeordnet\noder interpretiert werden!\n\nPrüfen Sie unbedingt Ihre Daten!";
}

std::string gradeImportSummary(const GradeImportPlan& plan)
{
    std::string out;
    for (const GradeImportLine& l : plan.lines) {
        out += "Zeile " + std::to_string(l.lineNumber) + ": ";
        if (!l.found) {
            out += "Einen Datensatz für: " + cp1252ToUtf8(l.vorname) + " " + cp1252ToUtf8(l.name) +
                   " wurde nicht gefunden!\n";
            continue;
        }
        out += cp1252ToUtf8(l.name) + ", " + cp1252ToUtf8(l.vorname) + ": " + std::to_string(l.gradesSet) +
               " Bewertung(en) übernommen";
        if (l.unassigned > 0)
            out += ", " + std::to_string(l.unassigned) + " nicht zugeordnet";
        out += "\n";
    }
    if (plan.studentsNotFound > 0)
        out += "\nBitte Schüler-Datensatz erst anlegen\noder Schreibweise des Namens prüfen!\n";
    out += "\n" + unassignedCountText(plan.unassigned);
    return out;
}

} // namespace ruvek
