#include "exchange/GradeTable.h"

#include "common/Cp1252.h"
#include "grades/GradeNotation.h"
#include "settings/FachKatalog.h"

#include <algorithm>

namespace ruvek {

namespace {

bool holdsSubject(const TFachEintrag& slot)
{
    const std::string_view fach = slot.Fach.view();
    return !fach.empty() && fach != kFachUnbekannt && fach != kFachUnbenutzt;
}

} // namespace

GradeTableModel buildGradeTable(const TDB2& records, int current, bool showDeleted)
{
    GradeTableModel model;
    if (records.empty())
        return model;
    const TZgnRec& shown = records[static_cast<std::size_t>(std::clamp<int>(current, 0, int(records.size()) - 1))];
    for (int k = 1; k <= static_cast<int>(kFaecherCount); ++k)
        if (holdsSubject(shown.slot(k)))
            model.columns.push_back({k, cp1252ToUtf8(shown.slot(k).Fach.view())});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TZgnRec& rec = records[i];
        if (rec.Status != 1 && !showDeleted)
            continue;
        GradeTableRow row{i, cp1252ToUtf8(rec.Name.view()), cp1252ToUtf8(rec.Vorname.view()), rec.Status == 0, {}};
        for (const GradeTableColumn& c : model.columns) {
            const TFachEintrag& slot = rec.slot(c.slot);
            if (slot.Fach == shown.slot(c.slot).Fach)
                row.cells.push_back({cp1252ToUtf8(slot.Note.view()), true});
            else
                row.cells.push_back({});
        }
        if (static_cast<int>(i) == current)
            model.currentRow = static_cast<int>(model.rows.size());
        model.rows.push_back(std::move(row));
    }
    return model;
}

CellColours gradeCellColours(bool currentRow, bool deleted, bool showDeleted, std::string_view text)
{
    const bool weak = text == "5" || text == "6" || text == "7" || text == "8";
    if (!currentRow)
        return {CellBackground::White, weak ? CellForeground::Fuchsia : CellForeground::Default};
    return {deleted && showDeleted ? CellBackground::Grey : CellBackground::Yellow,
            weak ? CellForeground::Red : CellForeground::Default};
}

int writePendingGrades(TDB2& records, const std::vector<PendingGrade>& pending)
{
    int changed = 0;
    for (const PendingGrade& p : pending) {
        if (p.record >= records.size())
            continue;
        TZgnRec& rec = records[p.record];
        if (cp1252ToUtf8(rec.Name.view()) != p.name || cp1252ToUtf8(rec.Vorname.view()) != p.vorname ||
            cp1252ToUtf8(rec.slot(p.slot).Fach.view()) != p.subject)
            continue;
        const GradeCode code = GradeFromEntry(p.typed);
        if (rec.slot(p.slot).Note == code)
            continue;
        rec.slot(p.slot).Note = code;
        ++changed;
    }
    return changed;
}

GridCell nextCellOnEnter(GridCell at, int rowCount, int columnCount)
{
    if (at.column + 1 < columnCount)
        return {at.row, at.column + 1};
    return {rowCount > 0 ? (at.row + 1) % rowCount : 0, 0};
}

} // namespace ruvek
