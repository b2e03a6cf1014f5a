#include "ui/mainwindow/ApplicationForms.h"

#include "ui/completeness/CompletenessCommands.h"
#include "ui/grades/BewHilfForm.h"
#include "ui/mainwindow/AboutForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/EncryptedTransferCommands.h"
#include "ui/mainwindow/GradeCommands.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/PrintCommands.h"
#include "ui/mainwindow/SchoolOverviewCommand.h"
#include "ui/mainwindow/SettingsTransferCommands.h"
#include "ui/mainwindow/StatisticsCommands.h"
#include "ui/print/InfoDlg.h"
#include "ui/settings/DrkEinstForm.h"
#include "ui/settings/ProgEinstForm.h"
#include "ui/settings/SchulEinstForm.h"
#include "ui/settings/WpflEinstForm.h"

namespace ruvek::ui {

void createApplicationForms(TMainForm& main)
{
    ApplicationForms& f = main.forms();
    ProgramState& s = main.state();
    Prompter& p = main.prompter();
    Settings& settings = s.settings;

    // 1. TMainForm: created by the caller, first of all.
    // 2. TBewHilfForm: the help window of permitted grade entries, opened
    //    from the editor's buttons.
    f.bewHilf = new TBewHilfForm(settings, &main);
    // 3. TFachEinstForm: its dialog is not built yet. The installation is
    //    read here, where the first settings dialog used to read its file:
    //    catalogue, program settings (5.), school settings (6.), elective
    //    subjects (7.) and print options (8.), in that order.
    s.load(main.folders(), p);
    // 4. TNeuDSForm: not built into this version yet.
    // 5. TProgEinstForm (RVKEINST.DAT)
    f.progEinst = new TProgEinstForm(settings, p, &main);
    // 6. TSchulEinstForm (SCHEINST.DAT)
    f.schulEinst = new TSchulEinstForm(settings, p, &main);
    // 7. TWpflEinstForm
    f.wpflEinst = new TWpflEinstForm(s.electives, s.wahlpflichtListe, p, [&s] { return s.electiveFolders(); },
                                     &main);
    // 8. TDrkEinstForm (DRKEINST.DAT); it saves into the data folder of the
    //    class last opened or saved when the options are not kept centrally.
    f.drkEinst = new TDrkEinstForm(settings, p, [&s] { return s.klasse.dataFolder; }, &main);
    // 9. TPreViewForm: made with the print commands, which it serves; it
    //    asks the printer for its geometry on first use.
    const PrintPlanRunner print = installPrintCommands(main);
    // 10.-11. TBewUebersForm, TFaNoExpForm, with TNotenStatForm (17.):
    //         made with the commands they serve.
    installStatisticsCommands(main);
    // 12.-13. TEinstExpForm, TEinstImpForm
    createSettingsTransferForms(main);
    // 14. TAboutForm
    f.about = new TAboutForm(&main);
    // 15. TInfoDlg
    f.infoDlg = new TInfoDlg(&main);
    // 16. TFachEingForm: made on first use by the grade commands, which
    //     also set up the class grade table and the text imports.
    installGradeCommands(main);
    // 17. TNotenStatForm: made with the statistics commands (10.).
    // 18. TDatSichForm, and the commands of the transfer dialogs
    createDataBackupForm(main);
    // The completeness check of the menu "Testen" and its findings window.
    main.actions().setHandler(Command::Completeness,
                              makeCompletenessCommand({main, main, main.klasse(), main.state()}));
    // Encrypted transfer of a class, and the restore of encrypted backups.
    installEncryptedTransfer(main);
    // The overview of all classes of the data folder, which prints as the
    // print commands do.
    installSchoolOverview(main, print);
}

} // namespace ruvek::ui
