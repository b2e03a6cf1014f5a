#include "grades/GradeNotation.h"

#include "common/Cp1252.h"

#include <array>

namespace ruvek {

namespace {

bool isOneOf(std::string_view code, std::string_view chars)
{
    return code.size() == 1 && chars.find(code[0]) != std::string_view::npos;
}

// Characters a longer grade entry is reduced to.
constexpr std::string_view kEntrySet = "-012345678ABEKNOTU_abeknotu";

} // namespace

std::string GradeText(std::string_view grade, bool inWords)
{
    static constexpr std::array<const char*, 6> kWords = {"sehr gut",     "gut",        "befriedigend",
                                                          "ausreichend", "mangelhaft", "ungenügend"};
    std::string result = "---";
    if (inWords) {
        if (isOneOf(grade, "123456"))
            result = kWords[static_cast<std::size_t>(grade[0] - '1')];
    } else {
        result = cp1252ToUtf8(grade);
    }

    if (isOneOf(grade, "0oOkK"))
        result = "nicht beurteilbar";
    else if (isOneOf(grade, "nN"))
        result = "nicht teilgenommen";
    else if (isOneOf(grade, "bBaA"))
        result = "befreit";
    else if (isOneOf(grade, "tT"))
        result = "teilgenommen";
    else if (isOneOf(grade, "eE"))
        result = "nicht erteilt";
    else if (isOneOf(grade, "-_"))
        result = "---";
    return result;
}

int GradeNumber(std::string_view grade)
{
    if (!grade.empty() && grade[0] >= '1' && grade[0] <= '8')
        return grade[0] - '0';
    return 0;
}

GradeCode GradeFromNumber(int n)
{
    if (n >= 1 && n <= 8)
        return GradeCode(std::string(1, static_cast<char>('0' + n)));
    return GradeCode("-");
}

GradeCode GradeFromEntry(std::string_view textUtf8)
{
    // One typed character is one Windows-1252 byte (unrepresentable ones
    // become "?"), so the rules below count bytes of the converted text.
    const std::string text = utf8ToCp1252(textUtf8);
    if (text.empty())
        return GradeCode("-");
    if (text.size() == 1)
        return GradeCode(text);
    for (char c : text)
        if (kEntrySet.find(c) != std::string_view::npos)
            return GradeCode(std::string_view(&c, 1));
    return GradeCode("?");
}

bool IsGradeCode(std::string_view grade, SchoolType schoolType)
{
    if (isOneOf(grade, "123456-_eEnNtTbBaA0oOkKuU"))
        return true;
    return schoolType == SchoolType::IntegrierteGesamtschule && isOneOf(grade, "78");
}

std::optional<GradeCode> CheckedGradeEntry(std::string_view textUtf8, SchoolType schoolType)
{
    std::string text = utf8ToCp1252(textUtf8);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return GradeCode("-");
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!IsGradeCode(text, schoolType))
        return std::nullopt;
    return GradeCode(text);
}

std::string AllowedGradesText(SchoolType schoolType)
{
    const char* grades = schoolType == SchoolType::IntegrierteGesamtschule ? "1 bis 8" : "1 bis 6";
    return std::string(grades) +
           ", - oder _ (Streichung), e (nicht erteilt), n (nicht teilgenommen), t (teilgenommen), "
           "b oder a (befreit), 0, o, k oder u (nicht beurteilbar); die Buchstaben auch groß";
}

PStr<1> FirstCellChar(std::string_view textUtf8)
{
    const std::string text = utf8ToCp1252(textUtf8);
    if (text.empty())
        return PStr<1>("");
    if (text.size() > 1) {
        const auto pos = text.find_first_not_of(' ');
        if (pos != std::string::npos)
            return PStr<1>(std::string_view(text).substr(pos, 1));
    }
    return PStr<1>(std::string_view(text).substr(0, 1));
}

LevelCode LevelFromSelector(const LevelCode& stored, bool visible, std::optional<std::string_view> selectedItemUtf8)
{
    if (!visible || !selectedItemUtf8)
        return stored;
    const std::string item = utf8ToCp1252(*selectedItemUtf8);
    return LevelCode(std::string_view(item).substr(0, 1));
}

LevelCode PrintLevelRegional(const LevelCode& level)
{
    const std::string_view l = level.view();
    if (isOneOf(l, "HhBb"))
        return LevelCode("B");
    if (isOneOf(l, "EeMmRr"))
        return LevelCode("M");
    return LevelCode("-");
}

LevelCode PrintLevelComprehensive(const LevelCode& level)
{
    const std::string_view l = level.view();
    if (isOneOf(l, "Gg"))
        return LevelCode("G");
    if (isOneOf(l, "BbHh"))
        return LevelCode("B");
    if (isOneOf(l, "EeMmRr"))
        return LevelCode("E");
    return LevelCode("-");
}

const std::vector<std::string>& levelChoiceListGeneral()
{
    static const std::vector<std::string> list = {"-", "B", "E", "G", "H", "R", "M"};
    return list;
}

const std::vector<std::string>& levelChoiceListRegional()
{
    static const std::vector<std::string> list = {"-", "B", "E", "H", "R", "M"};
    return list;
}

const std::vector<std::string>& levelChoiceList(SchoolType schultyp)
{
    return schultyp == SchoolType::RegionaleSchule ? levelChoiceListRegional() : levelChoiceListGeneral();
}

} // namespace ruvek
