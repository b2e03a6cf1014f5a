#include "editor/Navigation.h"

#include <algorithm>
#include <cstddef>

namespace ruvek::editor {
namespace {

bool active(std::span<const TZgnRec> records, int i) { return records[static_cast<std::size_t>(i)].Status == 1; }

NavOutcome navigateAll(NavCommand cmd, int current, int last)
{
    NavOutcome out;
    out.current = current;
    switch (cmd) {
    case NavCommand::First:
        out.forwardEnabled = true;
        if (current != 0) {
            out.storeFirst = true;
            out.current = 0;
        } else {
            out.backEnabled = false;
        }
        break;
    case NavCommand::Previous:
        if (current > 0) {
            out.storeFirst = true;
            out.current = current - 1;
            out.forwardEnabled = true;
        } else {
            out.backEnabled = false;
        }
        break;
    case NavCommand::Next:
        if (current < last) {
            out.storeFirst = true;
            out.current = current + 1;
            out.backEnabled = true;
        } else {
            out.forwardEnabled = false;
        }
        break;
    case NavCommand::Last:
        out.backEnabled = true;
        if (current == last) {
            out.forwardEnabled = false;
        } else {
            out.storeFirst = true;
            out.current = last;
        }
        break;
    }
    return out;
}

NavOutcome navigateActive(NavCommand cmd, std::span<const TZgnRec> records, int current, int last)
{
    NavOutcome out;
    out.current = current;
    switch (cmd) {
    case NavCommand::First: {
        int i = 0;
        while (i < last && !active(records, i))
            ++i;
        out = {true, i, std::nullopt, true};
        break;
    }
    case NavCommand::Previous: {
        int i = current - 1;
        while (i >= 0 && !active(records, i))
            --i;
        if (i >= 0)
            out = {true, i, std::nullopt, true};
        else
            out.backEnabled = false;
        break;
    }
    case NavCommand::Next: {
        int i = current + 1;
        while (i <= last && !active(records, i))
            ++i;
        if (i <= last)
            out = {true, i, true, std::nullopt};
        else
            out.forwardEnabled = false;
        break;
    }
    case NavCommand::Last: {
        int i = last;
        while (i > 0 && !active(records, i))
            --i;
        out = {true, i, true, std::nullopt};
        break;
    }
    }
    return out;
}

} // namespace

NavOutcome Navigate(NavCommand cmd, std::span<const TZgnRec> records, int current, bool showDeleted)
{
    const int last = static_cast<int>(records.size()) - 1;
    current = std::clamp(current, 0, last);
    return showDeleted ? navigateAll(cmd, current, last) : navigateActive(cmd, records, current, last);
}

int ListClickTarget(std::span<const TZgnRec> records, int current, const StudentList& list,
                    std::optional<int> clicked, int rememberedListPosition, bool showDeleted)
{
    const int count = static_cast<int>(records.size());
    if (showDeleted)
        return clicked && *clicked >= 0 && *clicked < count ? *clicked : 0;
    if (!clicked || *clicked < 0 || static_cast<std::size_t>(*clicked) >= list.entries.size())
        return current;
    const std::string& wanted = list.entries[static_cast<std::size_t>(*clicked)];
    const int step = *clicked < rememberedListPosition ? -1 : 1;
    for (int i = std::clamp(current, 0, count - 1); i >= 0 && i < count; i += step)
        if (active(records, i) && StudentListText(records[static_cast<std::size_t>(i)]) == wanted)
            return i;
    return current;
}

std::optional<int> ShowIndex(int current, int count)
{
    if (count <= 0)
        return std::nullopt;
    return std::clamp(current, 0, count - 1);
}

} // namespace ruvek::editor
