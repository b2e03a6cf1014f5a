#include "ui/mainwindow/GradeCommands.h"

#include "exchange/TextImportCommands.h"
#include "ui/exchange/EntryGrid.h"
#include "ui/exchange/FachEingForm.h"
#include "ui/exchange/GradeTableView.h"
#include "ui/grades/BewHilfForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"

namespace ruvek::ui {

namespace {

// The subject-wise entry window, made on first use and kept for the run.
exchange::TFachEingForm& fachEingForm(TMainForm& main)
{
    if (auto* form = main.findChild<exchange::TFachEingForm*>(QStringLiteral("FachEingForm")))
        return *form;
    return *new exchange::TFachEingForm(
        main.klasse(), main.state(), main.prompter(),
        [&main] {
            if (main.forms().bewHilf)
                main.forms().bewHilf->Open();
        },
        &main);
}

} // namespace

void installGradeCommands(TMainForm& main)
{
    ActionRegistry& actions = main.actions();
    // These commands work on the record list directly: the form is stored
    // before, the current record shown again after.
    const auto afterwards = [&main] {
        main.showCurrentRecord();
        main.refreshIndicators();
    };
    actions.setHandler(Command::SubjectEntry, [&main, afterwards] {
        main.storeForm();
        exchange::TFachEingForm& form = fachEingForm(main);
        // What the window writes back into the records can be undone; the
        // record is shown again inside the command, before the undo entry
        // settles the form.
        main.undoable("Fächerweise Eingabe der Bewertungen", [&form, afterwards] {
            form.FormShow();
            form.exec();
            afterwards();
        });
    });
    actions.setHandler(Command::ImportStudentsText, [&main, afterwards] {
        main.storeForm();
        main.undoable("Import von Schülerdaten", [&main, afterwards] {
            runStudentImport(main.klasse(), main.state(), main.prompter());
            afterwards();
        });
    });
    actions.setHandler(Command::ImportGradesText, [&main, afterwards] {
        main.storeForm();
        main.undoable("Import von Bewertungen", [&main, afterwards] {
            runGradeImport(main.klasse(), main.state(), main.prompter());
            afterwards();
        });
    });

    if (auto* grid = main.findChild<exchange::EntryGrid*>(QStringLiteral("StringGrid1"))) {
        auto* table = new exchange::GradeTableView(main, main.state(), *grid);
        main.onRecordShown = [table] { table->recordShown(); };
        main.beforeStore = [table] { table->writeBack(); };
    }
}

} // namespace ruvek::ui
