#include "grades/LevelConversion.h"

#include "grades/GradeNotation.h"

#include <algorithm>

namespace ruvek {
namespace {

// Windows-1252 "Ü" and "ü".
constexpr char kUUmlautUpper = '\xDC';
constexpr char kUUmlautLower = '\xFC';

bool isUeLetter(char c) { return c == kUUmlautUpper || c == kUUmlautLower; }

char upper(char c)
{
    if (c == kUUmlautLower)
        return kUUmlautUpper;
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The level a letter stands for when grades were given per subject level:
// 1 = A, H; 2 = B, R; 3 = C, G, Ü; 0 = no group (E, M, Z, "-", others).
int levelGroup(const PStr<1>& niveau)
{
    if (niveau.empty())
        return 0;
    switch (upper(niveau.view()[0])) {
    case 'A': case 'H': return 1;
    case 'B': case 'R': return 2;
    case 'C': case 'G': case kUUmlautUpper: return 3;
    default: return 0;
    }
}

// Letters that fix a subject's level, so that its grade keeps its meaning
// when the certificate's level changes.
bool isFixedLevel(const PStr<1>& niveau)
{
    if (niveau.empty())
        return false;
    switch (upper(niveau.view()[0])) {
    case 'B': case 'E': case 'G': case 'H': case 'M': case 'R': case 'Z': return true;
    default: return false;
    }
}

bool validLevel(int level) { return level >= 0 && level <= 3; }

void shiftGrade(TFachEintrag& slot, int grade, int shift)
{
    slot.Note = GradeFromNumber(std::clamp(grade + shift, 1, 6));
    // A transition grade now follows the certificate's level.
    if (!slot.Niveau.empty() && isUeLetter(slot.Niveau.view()[0]))
        slot.Niveau = "Z";
}

} // namespace

int ConvertGrades(TZgnRec& rec, int oldLevel, int newLevel)
{
    int inconsistencies = 0;
    const bool levelsKnown = validLevel(oldLevel) && validLevel(newLevel);
    for (int k = 1; k <= static_cast<int>(kFaecherCount); ++k) {
        auto& slot = rec.slot(k);
        const int g = GradeNumber(slot.Note);
        if (g == 0)
            continue;
        const int d = oldLevel == 0 ? newLevel - 3 : newLevel - oldLevel;
        if (!levelsKnown || d < -2 || d > 2) {
            ++inconsistencies;
            continue;
        }
        if (oldLevel == 0) {
            const int group = levelGroup(slot.Niveau);
            if (group != 0)
                shiftGrade(slot, g, d + 3 - group);
        } else if (!isFixedLevel(slot.Niveau)) {
            shiftGrade(slot, g, d);
        }
    }
    return inconsistencies;
}

LevelConversionResult ConvertGradesOnLevelChange(TZgnRec& rec, int oldLevel, int newLevel, Prompter& prompter)
{
    if (newLevel == 0) {
        // What setting the grades "auf Ü-Niveau" would mean is not defined:
        // the question is asked and nothing changes, whatever the answer.
        prompter.askYesNo(kMsgLevelSetToNone, MessageKind::Confirmation);
        return LevelConversionResult::LevelSetToNone;
    }
    if (!prompter.askYesNo(kMsgConvertGrades, MessageKind::Confirmation))
        return LevelConversionResult::Declined;
    if (ConvertGrades(rec, oldLevel, newLevel) > 0)
        prompter.warning(kMsgConversionInconsistent);
    return LevelConversionResult::Converted;
}

} // namespace ruvek
