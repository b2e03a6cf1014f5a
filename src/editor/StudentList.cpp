#include "editor/StudentList.h"

#include <algorithm>
#include <cstddef>

namespace ruvek::editor {

namespace {

// Writes the entry into `text`, reusing its storage.
void WriteStudentListText(const TZgnRec& rec, std::string& text)
{
    text.clear();
    text.append(rec.Name.view()).append(", ");
    if (text.size() > 32)
        text.resize(32);
    text.append(rec.Vorname.view());
    if (text.size() > 62)
        text.resize(62);
}

} // namespace

std::string StudentListText(const TZgnRec& rec)
{
    std::string text;
    text.reserve(64);
    WriteStudentListText(rec, text);
    return text;
}

StudentList BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted)
{
    StudentList list;
    BuildStudentList(records, current, showDeleted, list);
    return list;
}

void BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted, StudentList& list)
{
    // The strings of the previous list are overwritten in place: moving
    // through a large class then allocates nothing.
    std::size_t used = 0;
    list.recordOf.clear();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!showDeleted && records[i].Status != 1)
            continue;
        if (used == list.entries.size())
            list.entries.emplace_back();
        WriteStudentListText(records[i], list.entries[used++]);
        list.recordOf.push_back(static_cast<int>(i));
    }
    list.entries.resize(used);
    list.selected.reset();
    if (records.size() == 1 && !list.entries.empty())
        list.selected = 0;

    if (current < 0 || static_cast<std::size_t>(current) >= records.size())
        return;
    if (showDeleted) {
        list.selected = current;
    } else {
        const std::string own = StudentListText(records[static_cast<std::size_t>(current)]);
        const auto it = std::find(list.entries.begin(), list.entries.end(), own);
        list.selected = it == list.entries.end() ? std::nullopt
                                                 : std::optional<int>(static_cast<int>(it - list.entries.begin()));
    }
}

} // namespace ruvek::editor
