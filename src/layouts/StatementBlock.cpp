#include "layouts/StatementBlock.h"

#include "common/Cp1252.h"
#include "forms/AnnexCatalogue.h"

namespace ruvek {

const char* DistinctionText(int praedikat)
{
    switch (praedikat) {
    case 1: return "sehr gut - mit Auszeichnung";
    case 2: return "sehr gut";
    case 3: return "gut";
    case 4: return "befriedigend";
    case 5: return "bestanden";
    case 6: return "ausreichend";
    default: return "  - - - - - ";
    }
}

void StatementBlock(PageContext& ctx, const TZgnRec& rec, int annexCode)
{
    if (!ctx.drawn(slot::StatementFirst))
        return;
    const AnnexForm* form = FindAnnexForm(annexCode);
    const FormStatement* statement = form ? form->statement : nullptr;
    if (!statement)
        return;

    // Every line follows slot 22 onto its page, whatever page its own slot names.
    auto line = [&](int index, std::string_view utf8) {
        TFstSlot at = ctx.slot(index);
        at.Page = static_cast<std::uint16_t>(ctx.page());
        ctx.text(at, utf8);
    };
    line(slot::StatementFirst, statement->first);
    if (statement->second)
        line(slot::StatementSecond, statement->second);
    if (statement->leaving && (rec.Weiblich == 0 || rec.Weiblich == 1)) {
        TFstSlot label = ctx.slot(slot::StatementFirst);
        label.Page = static_cast<std::uint16_t>(ctx.page());
        TFstSlot at = ctx.slot(slot::StatementSecond);
        at.Page = label.Page;
        // "seiner/ihrer": a boy's certificate strikes "ihrer", a girl's "seiner".
        ctx.strikeWord(label, statement->first, rec.Weiblich == 0 ? "ihrer" : "seiner", at);
    }
    line(slot::StatementQualification, statement->qualification);
    if (statement->leaving)
        line(slot::StatementYearLevel, cp1252ToUtf8(rec.Jahrgang.view()));
    if (statement->closing)
        line(slot::StatementClosing, statement->closing);
    if (statement->distinction)
        line(slot::StatementDistinction, DistinctionText(rec.Praedikat));
}

} // namespace ruvek
