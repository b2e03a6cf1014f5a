#include "grades/GradeClear.h"

namespace ruvek {

void ClearGrades(TZgnRec& rec, GradeClearRange range)
{
    const int first = range == GradeClearRange::Subjects ? 1 : 19;
    const int last = range == GradeClearRange::Subjects ? 18 : 25;
    for (int k = first; k <= last; ++k) {
        auto& s = rec.slot(k);
        s.Note = "-";
        s.Zusatz = "";
        s.Niveau = "";
    }
}

bool AskAndClearGrades(TZgnRec& rec, GradeClearRange range, Prompter& prompter)
{
    if (!prompter.askYesNo(kMsgClearAllGrades, MessageKind::Confirmation))
        return false;
    ClearGrades(rec, range);
    return true;
}

} // namespace ruvek
