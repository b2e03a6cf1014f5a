#pragma once
// The two-column subject tables of the secondary school kinds. The form
// catalogue gives each form's special rows (which rows are foreign
// languages, which row is always the religion / philosophy row, whether a
// religion subject turns the first right row into a religion row), its rows
// per column, first open row and level marks; five builds differ in the
// two-line "Arbeit-Wirtschaft-Technik" label, the right column and the
// level letters.
#include "layouts/SubjectTable.h"

namespace ruvek {

enum class SecondaryBuild { RegionaleSchule, Gesamtschule, Gymnasium, Hauptschule, Realschule };

struct SecondaryTableShape {
    int rowsPerColumn = 9;
    int firstOpenRow = 0;
    bool levelMarks = false;
};

// The shape of an annex code's table as the form catalogue gives it.
SecondaryTableShape SecondaryShapeOf(int annexCode);

// The table description of a build for an annex code.
SubjectTableLayout SecondaryTableLayout(SecondaryBuild build, int annexCode, const SecondaryTableShape& shape);

// The table, when slot 32 is on this page.
void SubjectTableSecondary(PageContext& ctx, const TZgnRec& rec, SecondaryBuild build, int annexCode,
                           const SecondaryTableShape& shape, bool wordMode);

} // namespace ruvek
