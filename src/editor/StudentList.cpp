#include "editor/StudentList.h"

#include <algorithm>
#include <cstddef>

namespace ruvek::editor {

std::string StudentListText(const TZgnRec& rec)
{
    std::string text = (rec.Name.str() + ", ").substr(0, 32);
    text += rec.Vorname.view();
    return text.substr(0, 62);
}

StudentList BuildStudentList(std::span<const TZgnRec> records, int current, bool showDeleted)
{
    StudentList list;
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
