#include "ui/mainwindow/SchoolOverviewCommand.h"

#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/school/SchulUebersichtForm.h"

#include <QPointer>

namespace ruvek::ui {

void installSchoolOverview(TMainForm& main, PrintPlanRunner print)
{
    auto window = std::make_shared<QPointer<TSchulUebersichtForm>>();
    main.actions().setHandler(Command::FileSchoolOverview, [&main, print, window] {
        if (!*window) {
            SchoolOverviewHost host{
                main.prompter(),
                [&main]() -> const Installation& { return main.state(); },
                // The way File Open goes: unsaved changes are asked about,
                // the class's lock is taken or its holder named.
                [&main](const std::filesystem::path& file) {
                    main.klasse().fileOpen(file, main.prompter());
                    main.raise();
                    main.activateWindow();
                },
                print,
                [&main]() -> std::optional<std::filesystem::path> {
                    main.storeForm();
                    OpenClass& k = main.klasse();
                    if (k.isUnsaved() || !k.hasUnsavedChanges())
                        return std::nullopt;
                    return k.filePath();
                }};
            *window = new TSchulUebersichtForm(std::move(host), &main);
        }
        TSchulUebersichtForm& form = **window;
        form.show();
        form.raise();
        form.activateWindow();
        form.showFolder(main.klasse().dataFolder);
    });
}

} // namespace ruvek::ui
