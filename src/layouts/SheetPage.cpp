#include "layouts/SheetPage.h"

namespace ruvek {

std::vector<TextCutNotice> DrawSheetPage(Canvas& canvas, const CertificateEnvironment& env, const LoadedForm& form,
                                         LayoutRoutine layout, const TZgnRec& rec, int annexCode)
{
    if (!form.loaded)
        return {};
    PageContext ctx(canvas, env, form.table, 1);
    layout(ctx, rec, annexCode);
    return ctx.cuts();
}

} // namespace ruvek
