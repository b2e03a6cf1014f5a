#include "layouts/CertificatePage.h"

#include "print/Primitives.h"


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

} // namespace ruvek
