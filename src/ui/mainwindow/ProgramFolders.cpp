#include "ui/mainwindow/ProgramFolders.h"

#include <system_error>

namespace ruvek::ui {

namespace fs = std::filesystem;

namespace {

bool enter(const fs::path& folder)
{
    std::error_code ec;
    fs::current_path(folder, ec);
    return !ec;
}

} // namespace

ProgramFolders setUpProgramFolders(const fs::path& programFolder, Prompter& prompter)
{
    ProgramFolders f;
    f.programFolder = programFolder;
    f.dataFolder = programFolder / "Daten";
    f.colourArms = programFolder / "13F.BMP";
    f.monoArms = programFolder / "13S.BMP";

    if (!enter(f.dataFolder)) {
        std::error_code ec;
        fs::create_directory(f.dataFolder, ec);
        if (ec || !enter(f.dataFolder)) {
            prompter.tell(MessageKind::Information,
                          std::string(kMsgDataFolderFailed) + (f.dataFolder / "").string() + "\n");
            f.dataFolder = programFolder;
            enter(programFolder);
        }
    }
    return f;
}

} // namespace ruvek::ui
