#pragma once
// The program's version, kept in one place: the window caption and the
// about box show it in full ("V.3.1."), printed pages name only its series
// ("V.3.x."), so that forms printed with any release of a series look alike.
#include <string>
#include <string_view>

namespace ruvek {

inline constexpr std::string_view kProgramVersion = "3.1";
inline constexpr std::string_view kProductName = "Ruvek";

// "3.x" for version "3.1".
inline std::string programVersionSeries()
{
    return std::string(kProgramVersion.substr(0, kProgramVersion.find('.'))) + ".x";
}

// "Ruvek V.3.x.", the imprint printed on pages.
inline std::string programImprint()
{
    return std::string(kProductName) + " V." + programVersionSeries() + ".";
}

} // namespace ruvek
