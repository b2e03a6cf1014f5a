#include "exchange/GradeOverview.h"

#include "common/Cp1252.h"
#include "grades/GradeKind.h"
#include "exchange/CatalogueSlot.h"
#include "forms/AnnexCatalogue.h"

#include <algorithm>

namespace ruvek {

namespace {

void count(TUebersichtZeile& row, std::string_view note)
{
    ++row.Zaehler[0];
    ++row.Zaehler[static_cast<std::size_t>(overviewCounter(note))];
}

// Which elective slots the form of annex `anlage` prints: the two of each
// half-year in the outer columns, or all six. The electives of the
// intermediate certificates are not counted.
bool electiveSlotCounted(int anlage, int slot)
{
    const AnnexForm* form = FindAnnexForm(anlage);
    if (!form || form->kind == FormKind::Intermediate)
        return false;
    switch (form->electives) {
    case Electives::ThreePerHalfYear: return true;
    case Electives::TwoPerHalfYear: return slot == 19 || slot == 20 || slot == 22 || slot == 23;
    case Electives::None: break;
    }
    return false;
}

} // namespace

int overviewCounter(std::string_view note)
{
    const GradeReading g = ClassifyGrade(note);
    switch (g.kind) {
    case GradeKind::Grade: return g.number;
    case GradeKind::Struck: return 9;
    case GradeKind::NotAssessable: return 10;
    case GradeKind::NotTaken: return 11;
    case GradeKind::Taken: return 12;
    case GradeKind::Exempt: return 13;
    case GradeKind::NotTaught: return 14;
    case GradeKind::Empty:
    case GradeKind::Blank:
    case GradeKind::Other: return 15;
    }
    return 15;
}

GradeOverview computeGradeOverview(const TDB2& records, const TFachKatalog& katalog, std::size_t electiveListSize,
                                   Prompter& prompter)
{
    GradeOverview o;
    const std::size_t tableSize = electiveListSize + 71;

    // Catalogue rows are numbered one after the other, so that a subject
    // added behind unused entries still gets a row.
    for (int e = 0; e < kFachKatalogCount; ++e) {
        const TFachEintragKat& entry = katalog[e];
        if (e >= 2 && entry.FachName.view() == kFachUnbenutzt)
            continue;
        TUebersichtZeile row;
        row.Fach = std::string(entry.FachName.view().substr(0, 30));
        for (const TZgnRec& rec : records) {
            if (rec.Status != 1)
                continue;
            if (const int s = catalogueSubjectSlot(rec, entry); s > 0)
                count(row, rec.slot(s).Note.view());
        }
        o.rows.push_back(std::move(row));
    }
    o.catalogueRows = static_cast<int>(o.rows.size());

    for (const TZgnRec& rec : records) {
        if (rec.Status != 1)
            continue;
        for (int k = 19; k <= 24; ++k) {
            if (!electiveSlotCounted(rec.Anlage, k))
                continue;
            const TFachEintrag& slot = rec.slot(k);
            if (slot.Fach.view() == kFachUnbenutzt)
                continue;
            auto it = std::find_if(o.rows.begin() + o.catalogueRows, o.rows.end(),
                                   [&](const TUebersichtZeile& r) { return r.Fach == slot.Fach.view(); });
            if (it == o.rows.end()) {
                if (o.rows.size() + 1 >= tableSize) {
                    prompter.information(kMsgZuVieleWahlpflichtfaecher);
                    prompter.error(kMsgWahlpflichtFehler);
                    continue;
                }
                TUebersichtZeile row;
                row.Fach = slot.Fach.str();
                row.elective = true;
                o.rows.push_back(std::move(row));
                it = o.rows.end() - 1;
            }
            count(*it, slot.Note.view());
        }
    }
    return o;
}

std::string overviewRowLabel(const TUebersichtZeile& row)
{
    if (!row.elective)
        return cp1252ToUtf8(row.Fach);
    return cp1252ToUtf8(("WPfl.: " + row.Fach).substr(0, 37));
}

} // namespace ruvek
