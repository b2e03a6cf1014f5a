#include "editor/RecordEditor.h"

#include "editor/HeadVisibility.h"
#include "editor/SpokenNames.h"
#include "grades/Annex.h"
#include "grades/GradeClear.h"
#include "grades/SlotAdapt.h"
#include "settings/Installation.h"

#include <algorithm>

namespace ruvek::editor {

RecordEditor::RecordEditor(OpenClass& openClass, const Installation& installation, Prompter& prompter, EditorView& view)
    : class_(openClass), installation_(installation), prompter_(prompter), view_(view),
      context_(ShowContext::FromInstallation(installation))
{
}

void RecordEditor::reloadSettings() { context_ = ShowContext::FromInstallation(installation_); }

bool RecordEditor::showsDeletedRecords() const { return context_.zeigeGeloeschte; }

void RecordEditor::show()
{
    // The index is brought into range before anything reads the record.
    const auto shown = ShowIndex(class_.current, class_.count());
    if (shown)
        class_.current = *shown;
    BuildStudentList(class_.records, class_.current, context_.zeigeGeloeschte, list_);
    view_.setStudentList(list_);
    if (shown) {
        TZgnRec& rec = class_.currentRecord();
        shownIndex_ = class_.current;
        shownListVersion_ = class_.listVersion;
        snapshot_ = rec;
        levelAtShow_ = rec.Ebene;
        context_.recordIndex = class_.current;
        context_.recordCount = class_.count();
        view_.writeForm(ShowRecord(rec, context_, prompter_));
        shownLayout_ = rec.AnlageFaecher;
    }
    refreshIndicators();
}

StoreOutcome RecordEditor::store()
{
    const auto index = ShowIndex(class_.current, class_.count());
    if (!index)
        return {};
    class_.current = *index;
    if (class_.current != shownIndex_ || class_.listVersion != shownListVersion_)
        return {};
    const StoreOutcome out = Store(view_.readForm(), class_.currentRecord(), snapshot_, levelAtShow_, context_, prompter_);
    if (!out.refused.empty())
        prompter_.tell(MessageKind::Warning, RefusedEntriesMessage(out.refused));
    if (out.differs)
        class_.changed = true;
    if (out.conversion == LevelConversionResult::Converted) {
        class_.changed = true;
        subjectsPageRequest_ = true;
    }
    refreshIndicators();
    FormPatch hideWarnings;
    for (ControlId id : {ControlId::Label64, ControlId::Label65, ControlId::Label66})
        hideWarnings.setVisible(id, false);
    view_.applyPatch(hideWarnings);
    return out;
}

void RecordEditor::refreshIndicators()
{
    Indicators ind;
    ind.recordCount = class_.count();
    if (const auto index = ShowIndex(class_.current, class_.count())) {
        ind.recordNumber = class_.current + 1;
        // With deleted students left out of the list, the counter counts
        // what the list shows, so that both always agree.
        if (!context_.zeigeGeloeschte) {
            const auto& of = list_.recordOf;
            const auto at = std::find(of.begin(), of.end(), class_.current);
            if (at != of.end()) {
                ind.recordNumber = static_cast<int>(at - of.begin()) + 1;
                ind.recordCount = static_cast<int>(of.size());
            }
        }
        ind.deleted = class_.records[static_cast<std::size_t>(*index)].Status == 0 ? CheckState::Checked
                                                                                  : CheckState::Unchecked;
    }
    ind.deletedBoxVisible = context_.zeigeGeloeschte;
    ind.changed = class_.changed;
    view_.setIndicators(ind);
}

void RecordEditor::setNavigation(std::optional<bool> back, std::optional<bool> forward)
{
    if (back)
        backEnabled_ = *back;
    if (forward)
        forwardEnabled_ = *forward;
    view_.setNavigationEnabled(backEnabled_, forwardEnabled_);
}

void RecordEditor::navigate(NavCommand command)
{
    if (class_.count() == 0)
        return;
    const NavOutcome out = Navigate(command, class_.records, class_.current, context_.zeigeGeloeschte);
    // A refused entry keeps the record on screen with what was typed, so
    // the user can correct it.
    if (out.storeFirst && !store().refused.empty())
        return;
    class_.current = out.current;
    setNavigation(out.backEnabled, out.forwardEnabled);
    show();
}

void RecordEditor::listClick(std::optional<int> clickedEntry)
{
    if (class_.count() == 0)
        return;
    if (!store().refused.empty()) {
        view_.setStudentList(list_);  // the list goes back to the record still shown
        return;
    }
    const StudentList list = BuildStudentList(class_.records, class_.current, context_.zeigeGeloeschte);
    class_.current = ListClickTarget(class_.records, class_.current, list, clickedEntry, listPosition_,
                                     context_.zeigeGeloeschte);
    setNavigation(true, true);
    show();
    listPosition_ = clickedEntry.value_or(0);
}

void RecordEditor::dataUebernehmen()
{
    // A refused entry stays in the form as typed, so the user sees what to
    // correct; everything else was stored.
    if (!store().refused.empty())
        return;
    show();
}

void RecordEditor::datenZuruecksetzen() { show(); }

void RecordEditor::rebuildCanon()
{
    if (class_.count() == 0 || !AskRebuildCanon(prompter_))
        return;
    store();
    RebuildCanon(class_.currentRecord(), context_.schoolType, context_.katalog);
    class_.changed = true;
    show();
}

namespace {
void clearGrades(RecordEditor& editor, OpenClass& openClass, GradeClearRange range, Prompter& prompter)
{
    if (openClass.count() == 0 || !prompter.askYesNo(kMsgClearAllGrades))
        return;
    // What was typed before the button is kept: store, clear, show.
    editor.store();
    ClearGrades(openClass.currentRecord(), range);
    openClass.changed = true;
    editor.show();
}
} // namespace

void RecordEditor::clearGrades1To18() { clearGrades(*this, class_, GradeClearRange::Subjects, prompter_); }
void RecordEditor::clearGrades19To25() { clearGrades(*this, class_, GradeClearRange::Electives, prompter_); }

void RecordEditor::memoChanged()
{
    class_.changed = true;
    refreshIndicators();
}

std::optional<InfoHint> RecordEditor::pageChanged()
{
    dataUebernehmen();
    if (installation_.settings.prog.InfoHinweise != 1 || class_.count() == 0 || class_.currentRecord().Anlage >= 1)
        return std::nullopt;
    return InfoHint{"Hinweis",
                    {"", "Bitte legen Sie unbedingt zuerst alle", "Zeugnisangaben (für den Zeugniskopf) fest.", "",
                     "Bei späteren Änderungen mit Verschiebungen", "bei den Fächern kann es zu Problemen kommen!"},
                    5000};
}

bool RecordEditor::takeSubjectsPageRequest()
{
    const bool r = subjectsPageRequest_;
    subjectsPageRequest_ = false;
    return r;
}

FormPatch RecordEditor::apply(FormPatch patch)
{
    if (!patch.empty())
        view_.applyPatch(patch);
    return patch;
}

FormPatch RecordEditor::certificateTypeChanged(int zgnTyp)
{
    const FormValues form = view_.readForm();
    FormPatch patch;
    SetHeadVisibility(patch, ComboBox41Change(HeadVisibilityOf(form), certificateTypeFromStored(zgnTyp),
                                              context_.schoolType, form[ControlId::RadioGroup1].index));
    return apply(std::move(patch));
}

FormPatch RecordEditor::qualificationChanged(int abschlArt)
{
    const FormValues form = view_.readForm();
    FormPatch patch;
    SetHeadVisibility(patch, RadioGroup1Click(HeadVisibilityOf(form), abschlArt,
                                              certificateTypeFromStored(form[ControlId::ComboBox41].index)));
    return apply(std::move(patch));
}

FormPatch RecordEditor::classLevelChanged(int /*klassenstufe*/)
{
    const FormValues form = view_.readForm();
    FormPatch patch;
    SetHeadVisibility(patch, ComboBox42Change(HeadVisibilityOf(form),
                                              certificateTypeFromStored(form[ControlId::ComboBox41].index)));
    return apply(std::move(patch));
}

FormPatch RecordEditor::levelChanged(ControlId source, int ebene)
{
    const ControlId other = source == ControlId::ComboBox43 ? ControlId::ComboBox45 : ControlId::ComboBox43;
    const FormValues form = view_.readForm();
    ControlValue v = form[other];
    const auto& items = LevelOfDemandItems();
    v.index = ebene;
    v.text = ebene >= 0 && static_cast<std::size_t>(ebene) < items.size() ? items[static_cast<std::size_t>(ebene)]
                                                                          : form[source].text;
    FormPatch patch;
    patch.setValue(other, std::move(v));
    return apply(std::move(patch));
}

FormPatch RecordEditor::examSubjectChanged(const std::string& kurz)
{
    FormPatch patch;
    if (class_.count() == 0)
        return patch;
    if (const auto grade = ExamSubjectGrade(context_.katalog, class_.currentRecord(), kurz)) {
        ControlValue v = view_.readForm()[ControlId::Edit75];
        v.text = *grade;
        patch.setValue(ControlId::Edit75, std::move(v));
    }
    return apply(std::move(patch));
}

FormPatch RecordEditor::schoolYearCheck()
{
    const FormValues form = view_.readForm();
    const SchoolYearCheck year = CheckSchoolYear(form[ControlId::Edit63].text);
    FormPatch patch;
    ControlValue edit63 = form[ControlId::Edit63];
    ControlValue edit64 = form[ControlId::Edit64];
    edit63.text = year.edit63;
    edit64.text = year.edit64;
    patch.setValue(ControlId::Edit63, std::move(edit63));
    patch.setValue(ControlId::Edit64, std::move(edit64));
    return apply(std::move(patch));
}

FormPatch RecordEditor::subjectChosen(ControlId selector)
{
    if (shownIndex_ < 0)
        return {};
    return apply(RenameRowOf(selector, view_.readForm(), shownLayout_));
}

} // namespace ruvek::editor
