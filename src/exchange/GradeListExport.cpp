#include "exchange/GradeListExport.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"
#include "exchange/CatalogueSlot.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <unordered_map>

namespace ruvek {

namespace fs = std::filesystem;

std::vector<SubjectBox> subjectBoxes(const ExportChoices& choices, const TFachKatalog& katalog, SchoolType schultyp)
{
    std::vector<SubjectBox> boxes;
    const int typeIndex = toInt(schultyp);
    for (int e = 2; e < kFachKatalogCount; ++e) {
        const TFachEintragKat& entry = katalog[e];
        SubjectBox box;
        box.entry = e;
        box.caption = cp1252ToUtf8(entry.FachKurz.view());
        const bool excluded = typeIndex >= 0 && typeIndex < kFachPositionCount &&
                              entry.Position[static_cast<std::size_t>(typeIndex)] < 0;
        // An unused entry names no subject: a list for it would hold nothing.
        box.enabled = !excluded && entry.FachName.view() != kFachUnbenutzt;
        if (box.enabled) {
            switch (choices.kind) {
            case ExportKind::AlleFaecher: box.ticked = true; break;
            case ExportKind::Ausgewaehlt: box.ticked = choices.flags[static_cast<std::size_t>(e)] == 1; break;
            case ExportKind::Einzeln: box.ticked = false; break;
            }
        }
        boxes.push_back(box);
    }
    return boxes;
}

void takeOverSubjectBoxes(ExportChoices& choices, const std::vector<SubjectBox>& boxes)
{
    for (const SubjectBox& box : boxes) {
        choices.flags[static_cast<std::size_t>(box.entry)] = box.ticked ? 1 : 0;
        if (box.enabled && !box.ticked && choices.kind == ExportKind::AlleFaecher)
            choices.kind = ExportKind::Ausgewaehlt;
    }
}

namespace {

bool isDiskDrive(const fs::path& folder)
{
    const std::string s = folder.string();
    return !s.empty() && std::string_view("ABab").find(s.front()) != std::string_view::npos;
}

// What identifies a student in a list (sameStudent): key number, surname
// and first name; the lengths keep the parts apart.
std::string studentKey(const TFaNoEintrag& e)
{
    std::string key(reinterpret_cast<const char*>(&e.SchlNr), sizeof e.SchlNr);
    const std::string_view name = e.Name.view();
    key += static_cast<char>(name.size());
    key += name;
    key += e.Vorname.view();
    return key;
}

// Each active student's entry replaces every entry of the same student in
// the list (when only the grades are renewed) or, when the list has none,
// is appended; a student appended earlier counts as in the list. The entries
// are found by an index instead of by comparing with the whole list.
void mergeIntoList(TFaNoDB& list, const TDB2& records, const GradeListSubject& subject, bool renewGrades)
{
    std::unordered_map<std::string, std::vector<std::size_t>> positions;
    positions.reserve(list.size() + records.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        positions[studentKey(list[i])].push_back(i);
    for (const TZgnRec& rec : records) {
        if (rec.Status != 1)
            continue;
        const int slot = subject.slotOf(rec);
        if (slot == 0 && !subject.includeStudentsWithout)
            continue;
        const TFaNoEintrag entry = gradeListEntry(rec, slot);
        auto& same = positions[studentKey(entry)];
        if (same.empty()) {
            same.push_back(list.size());
            list.push_back(entry);
        } else if (renewGrades) {
            for (std::size_t i : same)
                list[i] = entry;
        }
    }
}

} // namespace

ExportReport exportGradeLists(const TDB2& records, const std::vector<GradeListSubject>& subjects,
                              const ExportChoices& choices, const fs::path& folder, Prompter& prompter)
{
    ExportReport report;
    bool first = true;
    for (const GradeListSubject& subject : subjects) {
        if (isDiskDrive(folder) && (first || choices.extraDiskette))
            prompter.information(kMsgDiskette);
        first = false;

        const fs::path listPath = folder / subject.listFile;
        TFaNoDB list;
        std::error_code ec;
        if (fs::exists(listPath, ec)) {
            TFaNoDB old;
            std::vector<std::uint8_t> image;
            if (!readFdbFile(listPath, old, &image)) {
                prompter.error(kMsgAlteListeNichtGeoeffnet);
                report.aborted = true;
                return report;
            }
            // Without its backup the old list must not be replaced: the
            // teacher's entries would be lost for good.
            if (!writeFileSafely(folder / fdbBackupFileName(subject.listFile), image)) {
                prompter.error(kMsgSicherungsFehler);
                continue;
            }
            if (!choices.alteListeLoeschen)
                list = std::move(old);
        }

        mergeIntoList(list, records, subject, choices.nurBewertungen);

        if (list.empty())
            continue;
        if (!writeFileSafely(listPath, encodeFdb(list))) {
            prompter.tell(MessageKind::Plain, kMsgSpeicherFehler + listPath.string());
            report.aborted = true;
            return report;
        }
        report.written.push_back(listPath);
    }
    return report;
}

std::vector<GradeListSubject> catalogueGradeLists(const TFachKatalog& katalog, const ExportChoices& choices,
                                                  std::string_view classFile)
{
    std::vector<GradeListSubject> lists;
    for (int e = 2; e < kFachKatalogCount; ++e) {
        if (choices.flags[static_cast<std::size_t>(e)] != 1)
            continue;
        const TFachEintragKat* entry = &katalog[e];
        lists.push_back({fdbListFileName(classFile, entry->FachKurz.view()),
                         [entry](const TZgnRec& rec) { return catalogueSubjectSlot(rec, *entry); }, true});
    }
    return lists;
}

std::vector<GradeListSubject> electiveGradeLists(const TDB2& records, int halfYear, std::string_view classFile)
{
    std::vector<std::string> names;
    for (const TZgnRec& rec : records) {
        if (rec.Status != 1)
            continue;
        for (int k : electiveSlotsOfHalfYear(rec.AnlageFaecher, halfYear)) {
            const std::string_view fach = rec.slot(k).Fach.view();
            if (fach.empty() || fach == kFachUnbenutzt || fach == kFachUnbekannt)
                continue;
            if (std::find(names.begin(), names.end(), fach) == names.end())
                names.emplace_back(fach);
        }
    }
    std::vector<GradeListSubject> lists;
    for (const std::string& name : names) {
        const std::string prefix = "WP" + std::to_string(halfYear) + "_";
        lists.push_back({fdbListFileName(classFile, prefix + name),
                         [name, halfYear](const TZgnRec& rec) {
                             for (int k : electiveSlotsOfHalfYear(rec.AnlageFaecher, halfYear))
                                 if (rec.slot(k).Fach.view() == name)
                                     return k;
                             return 0;
                         },
                         false});
    }
    return lists;
}

} // namespace ruvek
