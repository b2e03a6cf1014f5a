// "Hilfsmittel" -> "Formular-Steuerdatei bearbeiten ...": the form file is
// chosen (the folder the print searches first), its pages are drawn by the
// real layout with the current student's data.
#include "dispatch/PrintDispatch.h"
#include "print/FormModel.h"
#include "settings/ProgEinst.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/print/FormEditorForm.h"

namespace ruvek::ui {

void TMainForm::FormularSteuerdateibearbeiten1Click()
{
    storeForm();
    const ProgramState& state = state_;
    const std::filesystem::path folder =
        state.settings.druck.FstKopien == 1 ? state.settings.dataFolder : state.settings.programFolder;
    FileDialogRequest request{"Formular-Steuerdatei bearbeiten", folder,
                              "Formular-Steuerdateien (*.FST)|*.FST|alle Dateien (*.*)|*.*", ""};
    const auto file = prompter_->chooseOpenFile(request);
    if (!file)
        return;
    std::string error;
    std::optional<FormModel> model = FormModel::open(*file, &error);
    if (!model) {
        prompter_->error(error);
        return;
    }
    const int code = AnnexCodeOfFormFile(file->filename().string());
    TZgnRec rec = state.klasse.records.empty() ? TZgnRec{} : state.klasse.currentRecord();
    rec.Anlage = static_cast<decltype(rec.Anlage)>(code);
    const std::string title = model->title();
    const std::string name = file->filename().string();
    auto draw = [this, rec, code, title, name](Canvas& canvas, const TFstTable& table, int page) {
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
        DrawPlannedPage(canvas, env, &form, rec, code, page, 0);
    };
    TFormEditorForm editor(std::move(*model), draw, state.settings.druck.RandLinks, state.settings.druck.RandOben,
                           state.settings.programFolder, *prompter_, this);
    editor.exec();
}

} // namespace ruvek::ui
