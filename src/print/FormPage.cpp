#include "print/FormPage.h"

#include "print/Primitives.h"

namespace ruvek {

std::optional<DeviceOffsetXY> BeginFormPage(Canvas& canvas, TFstTable& table, const FormFileInfo& form, int page,
                                            const TPageOrigins& origins, const FormFolders& folders,
                                            const TDrkEinstRec& options, Prompter& prompter, std::string* title)
{
    std::string formTitle = form.description;
    const bool loaded = LoadFormFile(table, form.fileName, formTitle, folders, options, prompter);
    if (title)
        *title = formTitle;
    if (!loaded)
        return std::nullopt;
    const DeviceOffsetXY offset = PageOffset(canvas, origins, page);
    if (options.Korrekturecke == 1) {
        DrawCornerMark(canvas, page, origins, 0);
        DrawCornerMark(canvas, page, origins, options.RandInnen);
    }
    DrawPageFrame(canvas, table, page, origins, options);
    return offset;
}

} // namespace ruvek
