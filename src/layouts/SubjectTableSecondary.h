#pragma once
// The two-column subject tables of the secondary school kinds. Five builds
// share the generic table and differ only in their special rows: which
// rows are foreign languages, which row is always the religion /
// philosophy row, where a religion subject turns a row into a religion row,
// the two-line "Arbeit-Wirtschaft-Technik" label and the level letters.
// Rows per column, the first open row and whether level marks are printed
// are the calling layout's.
#include "layouts/SubjectTable.h"

namespace ruvek {

enum class SecondaryBuild { RegionaleSchule, Gesamtschule, Gymnasium, Hauptschule, Realschule };

struct SecondaryTableShape {
    int rowsPerColumn = 9;
    int firstOpenRow = 0;
    bool levelMarks = false;
};

// The table description of a build for an annex code.
SubjectTableLayout SecondaryTableLayout(SecondaryBuild build, int annexCode, const SecondaryTableShape& shape);

// The table, when slot 32 is on this page.
void SubjectTableSecondary(PageContext& ctx, const TZgnRec& rec, SecondaryBuild build, int annexCode,
                           const SecondaryTableShape& shape, bool wordMode);

} // namespace ruvek
