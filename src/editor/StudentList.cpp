#include "editor/StudentList.h"

#include <algorithm>
#include <cstddef>

namespace ruvek::editor {

std::string StudentListText(const TZgnRec& rec)
{
    std::string text;
    text.reserve(64);
    text.append(rec.Name.view()).append(", ");
    if (text.size() > 32)
        text.resize(32);
    text.append(rec.Vorname.view());
    if (text.size() > 62)
        text.resize(62);
    return text;
}

StudentList BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted)
{
    StudentList list;
    list.entries.reserve(records.size());
    list.recordOf.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!showDeleted && records[i].Status != 1)
            continue;
        list.entries.push_back(StudentListText(records[i]));
        list.recordOf.push_back(static_cast<int>(i));
    }
    if (records.size() == 1 && !list.entries.empty())
        list.selected = 0;

    if (current < 0 || static_cast<std::size_t>(current) >= records.size())
        return list;
    if (showDeleted) {
        list.selected = current;
    } else {
        const std::string own = StudentListText(records[static_cast<std::size_t>(current)]);
        const auto it = std::find(list.entries.begin(), list.entries.end(), own);
        list.selected = it == list.entries.end() ? std::nullopt
                                                 : std::optional<int>(static_cast<int>(it - list.entries.begin()));
    }
    return list;
}

} // namespace ruvek::editor
