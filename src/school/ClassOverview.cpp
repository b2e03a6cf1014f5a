#include "school/ClassOverview.h"

#include "classfile/OpenClass.h"
#include "classfile/RecordCollection.h"
#include "common/Cp1252.h"
#include "completeness/Completeness.h"
#include "document/ClassDocument.h"
#include "forms/AnnexCatalogue.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace ruvek {

namespace {

// Takes the one message a read-only open gives; there is nobody to ask.
class ReadMessages : public Prompter {
public:
    bool askYesNo(const std::string& text, MessageKind) override { return keep(text); }
    bool askOkCancel(const std::string& text, MessageKind) override { return keep(text); }
    void tell(MessageKind, const std::string& text) override { keep(text); }
    std::optional<fs::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> chooseFolder(const std::string&, const fs::path&) override { return std::nullopt; }
    std::string collected;

private:
    bool keep(const std::string& message)
    {
        if (!collected.empty())
            collected += '\n';
        collected += message;
        return false;
    }
};

// The value most of the students have (the first of them on a tie); empty
// texts do not count.
template <class Get>
std::string mostCommon(std::span<const TZgnRec> records, const std::vector<std::size_t>& students, Get get)
{
    std::map<std::string, std::size_t> counts;
    std::vector<std::string> order;
    for (const std::size_t i : students) {
        std::string value(get(records[i]));
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
        if (value.empty())
            continue;
        if (counts[value]++ == 0)
            order.push_back(value);
    }
    std::string best;
    std::size_t bestCount = 0;
    for (const std::string& value : order)
        if (counts[value] > bestCount) {
            best = value;
            bestCount = counts[value];
        }
    return cp1252ToUtf8(best);
}

std::vector<FormUse> formsOf(std::span<const TZgnRec> records, const std::vector<std::size_t>& students)
{
    std::map<int, std::size_t> counts;
    std::vector<int> order;
    for (const std::size_t i : students) {
        // A code not determined yet (-1) counts as none.
        const int code = std::max(records[i].Anlage, 0);
        if (counts[code]++ == 0)
            order.push_back(code);
    }
    std::vector<FormUse> forms;
    for (const int code : order) {
        FormUse use;
        use.annexCode = code;
        use.students = counts[code];
        if (const AnnexForm* form = FindAnnexForm(code)) {
            use.formFile = form->formFile ? form->formFile : "";
            use.title = form->formTitle ? form->formTitle : "";
        } else if (code == 0) {
            use.title = "noch kein gültiges Zeugnisformular";
        } else {
            use.title = "unbekanntes Zeugnisformular " + std::to_string(code);
        }
        forms.push_back(std::move(use));
    }
    std::stable_sort(forms.begin(), forms.end(),
                     [](const FormUse& a, const FormUse& b) { return a.students > b.students; });
    return forms;
}

bool readForOverview(const fs::path& file, OpenClass& openClass, std::string& error)
{
    ReadMessages messages;
    if (ClassDocument(openClass, messages).openForReading(file).result == OpenResult::Opened)
        return true;
    error = messages.collected.empty() ? std::string("Die Datei konnte nicht gelesen werden.") : messages.collected;
    return false;
}

} // namespace

std::string shownNameOf(const fs::path& file, const fs::path& folder)
{
    std::error_code ec;
    const fs::path relative = folder.empty() ? fs::path() : fs::relative(file, folder, ec);
    if (ec || relative.empty() || *relative.begin() == "..")
        return file.filename().string();
    return relative.generic_string();
}

bool readClassRecords(const fs::path& file, TDB2& records, std::string& error)
{
    OpenClass openClass;
    if (!readForOverview(file, openClass, error))
        return false;
    records = std::move(openClass.records);
    return true;
}

ClassOverviewRow readClassOverview(const fs::path& file, const fs::path& folder, const Installation& installation,
                                   const LockOwner& me, std::int64_t now)
{
    ClassOverviewRow row;
    row.file = file;
    row.shownName = shownNameOf(file, folder);

    std::error_code ec;
    if (fs::exists(file, ec))
        row.lastSaved = modificationStamp(file);
    const LockProbe probe = probeLock(file, me, now);
    row.lock = probe.state;
    row.lockOwner = probe.owner;
    row.versionsKept = listKeptVersions(file).size();

    OpenClass openClass(installation.schoolType());
    if (!readForOverview(file, openClass, row.error))
        return row;
    row.fileVersion = openClass.header.LeseVersion;
    const std::span<const TZgnRec> records(openClass.records.data(), openClass.records.size());
    const std::vector<std::size_t> students = followingStudents(records, 0);
    row.students = students.size();
    row.className = mostCommon(records, students, [](const TZgnRec& r) { return r.Klasse.view(); });
    if (row.className.empty())
        row.className = classStemOf(file);
    row.classTeacher = mostCommon(records, students, [](const TZgnRec& r) { return r.KlLehrer.view(); });
    row.forms = formsOf(records, students);
    row.findings = CheckCompleteness(records, installation).size();
    return row;
}

std::string formsText(const ClassOverviewRow& row)
{
    std::string text;
    for (const FormUse& use : row.forms) {
        if (!text.empty())
            text += ", ";
        text += (use.formFile.empty() ? (use.annexCode == 0 ? std::string("ohne") : std::to_string(use.annexCode))
                                      : use.formFile) +
                " (" + std::to_string(use.students) + ")";
    }
    return text;
}

std::string lockText(const ClassOverviewRow& row)
{
    switch (row.lock) {
    case LockState::Free: return {};
    case LockState::Own: return "in diesem Programm";
    case LockState::HeldByOther:
    case LockState::Stale: break;
    }
    std::string text = "unlesbare Sperrdatei";
    if (row.lockOwner) {
        const LockOwner& o = *row.lockOwner;
        text = (o.user.empty() ? std::string("?") : o.user) + " auf " + (o.computer.empty() ? std::string("?") : o.computer);
    }
    if (row.lock == LockState::Stale)
        text += " (verwaist)";
    return text;
}

std::string lockDetails(const ClassOverviewRow& row)
{
    if (row.lock == LockState::Free || row.lock == LockState::Own || !row.lockOwner)
        return lockText(row);
    return describeLockOwner(*row.lockOwner) + (row.lock == LockState::Stale ? "\n(verwaist: das Programm läuft nicht mehr)" : "");
}

std::string lastSavedText(const ClassOverviewRow& row)
{
    return row.lastSaved ? dateText(*row.lastSaved) + " " + timeText(*row.lastSaved) : std::string();
}

std::int64_t lastSavedKey(const ClassOverviewRow& row)
{
    if (!row.lastSaved)
        return 0;
    const LocalStamp& s = *row.lastSaved;
    return ((((static_cast<std::int64_t>(s.year) * 100 + s.month) * 100 + s.day) * 100 + s.hour) * 100 + s.minute) *
               100 +
           s.second;
}

} // namespace ruvek
