// "Hilfsmittel" -> "Formular-Steuerdatei bearbeiten ...": the form file is
// chosen (the folder the print searches first), its pages are drawn by the
// real layout with the current student's data. The preview window opens the
// editor on the form file of the page it shows.
#include "dispatch/PrintDispatch.h"
#include "print/FormModel.h"
#include "settings/ProgEinst.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/print/FormEditorCaption.h"
#include "ui/print/FormEditorForm.h"

namespace ruvek::ui {

void TMainForm::FormularSteuerdateibearbeiten1Click()
{
    storeForm();
    const ProgramState& state = state_;
    const std::filesystem::path folder =
        state.settings.druck.FstKopien == 1 ? state.settings.dataFolder : state.settings.programFolder;
    FileDialogRequest request{kFormEditorName, folder,
                              "Formular-Steuerdateien (*.FST)|*.FST|alle Dateien (*.*)|*.*", ""};
    const auto file = prompter_->chooseOpenFile(request);
    if (!file)
        return;
    const TZgnRec rec = state.klasse.records.empty() ? TZgnRec{} : state.klasse.currentRecord();
    openFormEditor(*file, rec, AnnexCodeOfFormFile(file->filename().string()), 1);
}

void TMainForm::openFormEditor(const std::filesystem::path& file, const TZgnRec& record, int annexCode, int page)
{
    std::string error;
    std::optional<FormModel> model = FormModel::open(file, &error);
    if (!model) {
        prompter_->error(error);
        return;
    }
    TZgnRec rec = record;
    rec.Anlage = static_cast<decltype(rec.Anlage)>(annexCode);
    const std::string title = model->title();
    const std::string name = file.filename().string();
    auto draw = [this, rec, annexCode, title, name](Canvas& canvas, const TFstTable& table, int shownPage) {
        const ProgramState& s = state_;
        const DispatchEnvironment env{s.settings.druck, s.katalog, s.schoolType(), SchulnameText(s.settings.prog),
                                      {s.settings.programFolder, s.settings.dataFolder},
                                      s.settings.schule.SchulAnschrift.str()};
        LoadedForm form;
        form.info = {name, title};
        form.title = title;
        form.table = table;
        form.loaded = true;
        canvas.setMetricMapping();
        DrawPlannedPage(canvas, env, &form, rec, annexCode, shownPage, 0);
    };
    const ProgramState& state = state_;
    TFormEditorForm editor(std::move(*model), draw, state.settings.druck.RandLinks, state.settings.druck.RandOben,
                           state.settings.programFolder, *prompter_, this);
    editor.setPage(page == 2 ? 2 : 1);
    editor.exec();
}

} // namespace ruvek::ui
