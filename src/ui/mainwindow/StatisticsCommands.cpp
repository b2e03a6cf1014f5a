#include "ui/mainwindow/StatisticsCommands.h"

#include "exchange/GradeListExport.h"
#include "exchange/GradeListImport.h"
#include "ui/exchange/BewUebersForm.h"
#include "ui/exchange/FaNoExpForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/statistics/NotenStatForm.h"

#include <QAction>
#include <QMenu>

namespace ruvek::ui {

namespace {

inline constexpr const char* kMsgKeineWahlpflichtListen = "Für dieses Halbjahr wurden keine Wahlpflichtfächer gefunden.";

class StatisticsCommands : public QObject {
public:
    explicit StatisticsCommands(TMainForm& main) : QObject(&main), main_(main) {}

    void install()
    {
        ProgramState& s = main_.state();
        Prompter& p = main_.prompter();
        uebers_ = new TBewUebersForm(s, p, &main_);
        export_ = new TFaNoExpForm(choices_, s.katalog, [&s] { return s.schoolType(); }, &main_);
        stat_ = new TNotenStatForm(s, p, &main_);

        ActionRegistry& a = main_.actions();
        a.setHandler(Command::GradeStatistics, [this] { stat_->exec(); });
        a.setHandler(Command::GradeOverview, [this] { uebers_->exec(); });
        a.setHandler(Command::ExportSubjectLists, [this] { exportSubjects(); });
        a.setHandler(Command::ExportElectiveList1, [this] { exportElectives(1); });
        a.setHandler(Command::ExportElectiveList2, [this] { exportElectives(2); });
        a.setHandler(Command::ImportSubjectList, [this] { importList(0); });
        a.setHandler(Command::ImportElectiveList1, [this] { importList(1); });
        a.setHandler(Command::ImportElectiveList2, [this] { importList(2); });
        // The exchange with the subject teachers works now: its submenu is offered.
        if (auto* menu = main_.findChild<QMenu*>(QStringLiteral("mitFachlehrern1")))
            menu->menuAction()->setVisible(true);
    }

private:
    std::optional<std::filesystem::path> chooseFolder()
    {
        return main_.prompter().chooseFolder(kFolderChooserTitle, main_.klasse().dataFolder);
    }

    void exportSubjects()
    {
        main_.storeForm();
        if (export_->exec() == 1) {
            // Cancelling the folder choice cancels the export.
            const auto folder = chooseFolder();
            if (!folder)
                return;
            const OpenClass& k = main_.klasse();
            const ExportReport r = exportGradeLists(k.records, catalogueGradeLists(main_.state().katalog, choices_, k.fileName),
                                                    choices_, *folder, main_.prompter());
            if (r.aborted)
                return;
        }
        main_.refreshIndicators();
    }

    void exportElectives(int halfYear)
    {
        main_.storeForm();
        const OpenClass& k = main_.klasse();
        const auto lists = electiveGradeLists(k.records, halfYear, k.fileName);
        if (lists.empty()) {
            main_.prompter().information(kMsgKeineWahlpflichtListen);
            main_.refreshIndicators();
            return;
        }
        const auto folder = chooseFolder();
        if (!folder)
            return;
        if (!exportGradeLists(k.records, lists, choices_, *folder, main_.prompter()).aborted)
            main_.refreshIndicators();
    }

    void importList(int halfYear)
    {
        main_.storeForm();
        FileDialogRequest request;
        request.title = kImportTitle;
        request.folder = main_.klasse().dataFolder;
        request.filter = kImportFilter;
        const auto file = main_.prompter().chooseOpenFile(request);
        if (file && importGradeListFile(main_.klasse(), *file, main_.state().katalog, halfYear, main_.prompter()))
            main_.showCurrentRecord();
        main_.refreshIndicators();
    }

    TMainForm& main_;
    ExportChoices choices_;   // kept for the program run
    TBewUebersForm* uebers_ = nullptr;
    TFaNoExpForm* export_ = nullptr;
    TNotenStatForm* stat_ = nullptr;
};

} // namespace

void installStatisticsCommands(TMainForm& main)
{
    (new StatisticsCommands(main))->install();
}

} // namespace ruvek::ui
