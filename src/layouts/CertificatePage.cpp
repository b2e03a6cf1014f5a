#include "layouts/CertificatePage.h"

#include "layouts/LayoutGrundschule.h"
#include "print/Primitives.h"

#include <array>

namespace ruvek {

LoadedForm LoadCertificateForm(const FormFileInfo& info, const FormFolders& folders, const TDrkEinstRec& options,
                               Prompter& prompter)
{
    LoadedForm form;
    form.info = info;
    form.title = info.description;
    form.loaded = LoadFormFile(form.table, info.fileName, form.title, folders, options, prompter);
    return form;
}

std::vector<TextCutNotice> DrawCertificatePage(Canvas& canvas, const CertificateEnvironment& env,
                                               const LoadedForm& form, LayoutRoutine layout, const TZgnRec& rec,
                                               int annexCode, int page)
{
    if (!form.loaded)
        return {};
    PageContext ctx(canvas, env, form.table, page);
    if (env.options.Korrekturecke == 1) {
        DrawCornerMark(canvas, page, ctx.origins(), 0);
        DrawCornerMark(canvas, page, ctx.origins(), env.options.RandInnen);
    }
    DrawPageFrame(canvas, form.table, page, ctx.origins(), env.options);
    layout(ctx, rec, annexCode);
    return ctx.cuts();
}

const CertificateLayout* FindCertificateLayout(int annexCode)
{
    static constexpr std::array<CertificateLayout, 4> kLayouts = {{
        {1, 1, 1, LayoutGrundschule1},
        {2, 1, 1, LayoutGrundschule1},
        {3, 1, 2, LayoutGrundschule},
        {4, 1, 2, LayoutGrundschule},
    }};
    for (const CertificateLayout& l : kLayouts)
        if (l.annexCode == annexCode)
            return &l;
    return nullptr;
}

} // namespace ruvek
