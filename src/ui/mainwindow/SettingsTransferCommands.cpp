#include "ui/mainwindow/SettingsTransferCommands.h"

#include "settings/DataBackup.h"
#include "settings/FormFileCopies.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/settings/DatSichForm.h"
#include "ui/settings/EinstExpForm.h"
#include "ui/settings/EinstImpForm.h"

namespace ruvek::ui {

void createSettingsTransferForms(TMainForm& main)
{
    ApplicationForms& f = main.forms();
    f.einstExp = new TEinstExpForm(main.state().settings, main.prompter(), &main);
    f.einstImp = new TEinstImpForm(main.state().settings, main.prompter(), &main);
}

void createDataBackupForm(TMainForm& main)
{
    ApplicationForms& f = main.forms();
    f.datSich = new TDatSichForm(main.state().settings, main.prompter(), &main);

    ActionRegistry& a = main.actions();
    a.setHandler(Command::ExportSettings, [&f] {
        if (f.einstExp)
            f.einstExp->exec();
    });
    a.setHandler(Command::ImportSettings, [&f] {
        if (f.einstImp)
            f.einstImp->exec();
    });
    a.setHandler(Command::DeleteFormFileCopies, [&main] {
        const Settings& s = main.state().settings;
        deleteFormFileCopies(s.dataFolder, s.programFolder, main.prompter());
    });
    a.setHandler(Command::DataBackup, [&main, &f] {
        if (!f.datSich)
            return;
        if (f.datSich->exec() != QDialog::Accepted && !f.datSich->lastResult().cancelled)
            main.prompter().warning(kMsgNoBackup);
    });
}

} // namespace ruvek::ui
