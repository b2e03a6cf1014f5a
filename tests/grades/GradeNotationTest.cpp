#include "grades/GradeNotation.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>

using namespace ruvek;

namespace {

struct TextCase {
    std::string grade; // stored code, Windows-1252
    const char* words;
    const char* digits;
};

const TextCase kTextCases[] = {
    {"1", "sehr gut", "1"},
    {"2", "gut", "2"},
    {"3", "befriedigend", "3"},
    {"4", "ausreichend", "4"},
    {"5", "mangelhaft", "5"},
    {"6", "ungenügend", "6"},
    {"7", "---", "7"},
    {"8", "---", "8"},
    {"9", "---", "9"},
    {"-", "---", "---"},
    {"_", "---", "---"},
    {"e", "nicht erteilt", "nicht erteilt"},
    {"E", "nicht erteilt", "nicht erteilt"},
    {"n", "nicht teilgenommen", "nicht teilgenommen"},
    {"N", "nicht teilgenommen", "nicht teilgenommen"},
    {"t", "teilgenommen", "teilgenommen"},
    {"T", "teilgenommen", "teilgenommen"},
    {"b", "befreit", "befreit"},
    {"B", "befreit", "befreit"},
    {"a", "befreit", "befreit"},
    {"A", "befreit", "befreit"},
    {"0", "nicht beurteilbar", "nicht beurteilbar"},
    {"o", "nicht beurteilbar", "nicht beurteilbar"},
    {"O", "nicht beurteilbar", "nicht beurteilbar"},
    {"k", "nicht beurteilbar", "nicht beurteilbar"},
    {"K", "nicht beurteilbar", "nicht beurteilbar"},
    {"u", "---", "u"},
    {"U", "---", "U"},
    {"?", "---", "?"},
    {"x", "---", "x"},
    {"", "---", ""},
    {"\xFC", "---", "ü"}, // a stored Windows-1252 character comes out as UTF-8
};

// The stored code as a test name: letters and digits as they are, other
// bytes as hex, the empty code as "empty".
std::string caseName(const TextCase& c)
{
    if (c.grade.empty())
        return "empty";
    std::string out;
    for (unsigned char ch : c.grade) {
        if (std::isalnum(ch) && ch < 0x80) {
            out += static_cast<char>(ch);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += 'x';
            out += hex[ch >> 4];
            out += hex[ch & 0xF];
        }
    }
    return out;
}

void PrintTo(const TextCase& c, std::ostream* os) { *os << "grade " << caseName(c); }

class GradeTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(GradeTextTest, WordAndDigitMode)
{
    const TextCase& c = GetParam();
    const GradeCode code(c.grade);
    EXPECT_EQ(GradeText(code, true), c.words);
    EXPECT_EQ(GradeText(code, false), c.digits);
}

INSTANTIATE_TEST_SUITE_P(AllCodes, GradeTextTest, testing::ValuesIn(kTextCases),
                         [](const auto& testInfo) { return caseName(testInfo.param); });

} // namespace

TEST(GradeNotation, GradeNumberAndBack)
{
    const std::pair<const char*, int> numbers[] = {{"1", 1}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 0},
                                                   {"0", 0}, {"-", 0}, {"", 0},  {"u", 0}};
    for (const auto& [code, n] : numbers)
        EXPECT_EQ(GradeNumber(GradeCode(code)), n) << code;

    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(GradeFromNumber(n), std::to_string(n));
    for (int n : {0, 9, -1, 100})
        EXPECT_EQ(GradeFromNumber(n), "-") << n;
}

TEST(GradeNotation, GradeFromEntry)
{
    const std::pair<const char*, const char*> table[] = {
        {"", "-"},   {"x", "x"},  {"9", "9"},    {"ü", "\xFC"}, {" ", " "},  {"xy", "?"},  {"9-", "-"},
        {"2-", "2"}, {" 3", "3"}, {"gut", "u"},  {"1+", "1"},   {"99", "?"}, {"ÜE", "E"},  {"__", "_"},
        {"zk", "k"}, {"Gy", "?"}, {"  ", "?"},   {"sehr gut", "e"},
    };
    for (const auto& [text, code] : table)
        EXPECT_EQ(GradeFromEntry(text), code) << '"' << text << '"';
}

// Every byte against every school type: the notation knows 1..6 (1..8 at
// the Integrierte Gesamtschule) and the marks, nothing else. Every known
// code is also one a longer entry can be reduced to.
TEST(GradeNotation, GradeCodesOfEachSchoolType)
{
    const std::string marks = "-_eEnNtTbBaA0oOkKuU";
    for (int type = 0; type < kSchoolTypeCount; ++type) {
        const SchoolType st = schoolTypeFromStored(type);
        const std::string grades = st == SchoolType::IntegrierteGesamtschule ? "12345678" : "123456";
        for (int byte = 0; byte < 256; ++byte) {
            const std::string code(1, static_cast<char>(byte));
            const bool expected = (grades + marks).find(code[0]) != std::string::npos;
            EXPECT_EQ(IsGradeCode(code, st), expected) << "type " << type << " byte " << byte;
            if (expected) {
                EXPECT_EQ(GradeFromEntry("x" + code), code) << "type " << type << " byte " << byte;
            }
        }
        EXPECT_FALSE(IsGradeCode("", st));
        EXPECT_FALSE(IsGradeCode("12", st));
        EXPECT_NE(AllowedGradesText(st).find(grades.size() == 8 ? "1 bis 8" : "1 bis 6"), std::string::npos);
    }
}

// Typed text: blanks around a code are ignored, nothing is "-", and only a
// single known code is taken. The traps of a field showing "-": "-2" and
// "3-" are refused instead of becoming "-" and "3".
TEST(GradeNotation, CheckedGradeEntry)
{
    struct Case {
        const char* text;
        SchoolType type;
        std::optional<std::string> code;
    };
    const SchoolType rs = SchoolType::RegionaleSchule;
    const SchoolType igs = SchoolType::IntegrierteGesamtschule;
    const Case cases[] = {
        {"", rs, "-"},      {"   ", rs, "-"},   {"2", rs, "2"},          {" 3 ", rs, "3"},  {"e", rs, "e"},
        {"A", rs, "A"},     {"_", rs, "_"},     {"7", rs, std::nullopt}, {"7", igs, "7"},   {"8", igs, "8"},
        {"9", igs, std::nullopt}, {"x", rs, std::nullopt}, {"-2", rs, std::nullopt}, {"3-", rs, std::nullopt},
        {"2 3", rs, std::nullopt}, {"ü", rs, std::nullopt}, {"gut", rs, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = CheckedGradeEntry(c.text, c.type);
        EXPECT_EQ(got.has_value(), c.code.has_value()) << '"' << c.text << '"';
        if (got && c.code) {
            EXPECT_EQ(got->str(), *c.code) << '"' << c.text << '"';
        }
    }
}

TEST(GradeNotation, FirstCellChar)
{
    const std::pair<const char*, const char*> table[] = {
        {"", ""}, {"  4", "4"}, {"4", "4"}, {" ", " "}, {"   ", " "}, {"23", "2"}, {" Ü", "\xDC"}, {"G ", "G"},
    };
    for (const auto& [text, code] : table)
        EXPECT_EQ(FirstCellChar(text), code) << '"' << text << '"';
}

TEST(GradeNotation, LevelFromSelector)
{
    const LevelCode stored("Z");
    EXPECT_EQ(LevelFromSelector(stored, true, "G"), "G");
    EXPECT_EQ(LevelFromSelector(stored, true, "-"), "-");
    // Hidden selector, or a stored letter the list cannot show: kept.
    EXPECT_EQ(LevelFromSelector(stored, false, "G"), "Z");
    EXPECT_EQ(LevelFromSelector(stored, true, std::nullopt), "Z");
}

TEST(GradeNotation, PrintedLevelLetters)
{
    struct Case {
        const char* level;
        const char* regional;
        const char* comprehensive;
    };
    const Case table[] = {
        {"H", "B", "B"}, {"h", "B", "B"}, {"B", "B", "B"}, {"b", "B", "B"}, {"E", "M", "E"}, {"e", "M", "E"},
        {"M", "M", "E"}, {"m", "M", "E"}, {"R", "M", "E"}, {"r", "M", "E"}, {"G", "-", "G"}, {"g", "-", "G"},
        {"Z", "-", "-"}, {"\xDC", "-", "-"}, {"-", "-", "-"}, {"", "-", "-"}, {"x", "-", "-"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(PrintLevelRegional(LevelCode(c.level)), c.regional) << c.level;
        EXPECT_EQ(PrintLevelComprehensive(LevelCode(c.level)), c.comprehensive) << c.level;
    }
}

TEST(GradeNotation, LevelChoiceLists)
{
    const std::vector<std::string> general = {"-", "B", "E", "G", "H", "R", "M"};
    const std::vector<std::string> regional = {"-", "B", "E", "H", "R", "M"};
    EXPECT_EQ(levelChoiceListGeneral(), general);
    EXPECT_EQ(levelChoiceListRegional(), regional);
    for (int schultyp = 0; schultyp <= 9; ++schultyp)
        EXPECT_EQ(levelChoiceList(schoolTypeFromStored(schultyp)), schultyp == 2 ? regional : general) << schultyp;
}
