#include "exchange/CatalogueSlot.h"

#include "forms/AnnexCatalogue.h"

namespace ruvek {

namespace {
std::string_view name30(const TFachEintragKat& entry)
{
    return entry.FachName.view().substr(0, 30);
}
} // namespace

int lastSlotNamed(const TZgnRec& record, std::string_view name, int first, int last)
{
    for (int j = last; j >= first; --j)
        if (record.slot(j).Fach.view() == name)
            return j;
    return 0;
}

int catalogueSubjectSlot(const TZgnRec& record, const TFachEintragKat& entry)
{
    const int annex = record.AnlageFaecher;
    if (annex >= 0 && annex < kFachPositionCount) {
        const int row = entry.Position[static_cast<std::size_t>(annex)];
        if (row >= 1 && row <= 18 && record.slot(row).Fach.view() == name30(entry))
            return row;
    }
    return lastSlotNamed(record, name30(entry));
}

const TFachEintragKat* catalogueEntryNamed(const TFachKatalog& katalog, std::string_view fach)
{
    for (int e = 2; e < kFachKatalogCount; ++e)
        if (name30(katalog[e]) == fach)
            return &katalog[e];
    return nullptr;
}

std::vector<int> electiveSlotsOfHalfYear(int annex, int halfYear)
{
    const AnnexForm* form = FindAnnexForm(annex);
    if (!form || form->kind == FormKind::Intermediate)
        return {};
    switch (form->electives) {
    case Electives::ThreePerHalfYear:
        return halfYear == 1 ? std::vector<int>{19, 20, 21} : std::vector<int>{22, 23, 24};
    case Electives::TwoPerHalfYear: return halfYear == 1 ? std::vector<int>{19, 22} : std::vector<int>{20, 23};
    case Electives::None: break;
    }
    return {};
}

} // namespace ruvek
