#include "ui/mainwindow/EncryptedTransferCommands.h"

#include "transfer/ClassTransfer.h"
#include "transfer/EncryptedBackup.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"

namespace ruvek::ui {

void installEncryptedTransfer(TMainForm& main)
{
    enableEncryptedOpen(main.klasse());
    ActionRegistry& a = main.actions();
    a.setHandler(Command::FileEncryptedTransfer,
                 [&main] { encryptOpenClass(main.klasse(), main.prompter()); });
    a.setHandler(Command::BackupRestore,
                 [&main] { restoreFromContainer(main.prompter(), main.klasse().dataFolder); });
}

} // namespace ruvek::ui
