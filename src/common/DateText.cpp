#include "common/DateText.h"

#include <charconv>

namespace ruvek {
namespace {

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

bool IsDateTextEmpty(std::string_view text)
{
    std::string_view t = trimmed(text);
    if (t.find_first_of("0123456789") == std::string_view::npos)
        return true;
    // "  .  .19  " trimmed: ".  .19"
    const auto dot = t.rfind('.');
    if (dot == std::string_view::npos || trimmed(t.substr(0, dot)).find_first_not_of(". ") != std::string_view::npos)
        return false;
    const std::string_view year = trimmed(t.substr(dot + 1));
    return year == "19" || year == "20";
}

std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find('.', pos) : text.size();
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view part = trimmed(text.substr(pos, end - pos));
        if (part.empty() || part.size() > (i < 2 ? 2u : 4u) || (i == 2 && part.size() != 2 && part.size() != 4))
            return std::nullopt;
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), parts[i]);
        if (ec != std::errc() || ptr != part.data() + part.size() || parts[i] < 0)
            return std::nullopt;
        if (i == 2 && part.size() == 2)
            parts[2] += parts[2] < 70 ? 2000 : 1900;
        pos = end + 1;
    }
    if (parts[2] < 1900 || parts[2] > 2099)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(parts[2]), std::chrono::month(unsigned(parts[1])),
                                           std::chrono::day(unsigned(parts[0]))};
    if (!date.ok())
        return std::nullopt;
    return date;
}

} // namespace ruvek
