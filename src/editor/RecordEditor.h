#pragma once
// The record editor: shows the current record of the open class in an
// EditorView and stores the view back, owns the snapshot and the level at
// show, and carries out the editor's commands (navigation, list click, the
// buttons of the pages, the live handlers of the head selectors).
//
// The main window keeps the window parts of the file commands' view
// (ClassFileView); its editor parts forward to storeForm(),
// showCurrentRecord(), refreshIndicators() and showsDeletedRecords() here.
// EditorClassFileView does exactly that for users without a window.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "editor/EditorForm.h"
#include "editor/EditorView.h"
#include "editor/FormPatch.h"
#include "editor/Navigation.h"
#include "editor/StudentList.h"

#include <optional>
#include <string>
#include <vector>

namespace ruvek {
struct Installation;
}

namespace ruvek::editor {

// The timed information dialog an editor page change may ask for.
struct InfoHint {
    std::string caption;             // "Hinweis"
    std::vector<std::string> lines;  // UTF-8
    int displayTime = 0;             // milliseconds
};

class RecordEditor {
public:
    RecordEditor(OpenClass& openClass, const Installation& installation, Prompter& prompter, EditorView& view);

    // The settings, catalogue or elective list changed: read them again.
    void reloadSettings();

    // ---- show and store ----
    // Record -> view: student list, snapshot, level at show, controls,
    // indicators. An empty class shows nothing.
    void show();
    // View -> record; sets the changed flag when anything differs. Returns
    // what the store did: nothing for an empty class, and nothing when the
    // record the form was shown from is no longer the current one at its
    // place (it was removed, or the list was reordered or replaced since):
    // the form then belongs to no record and is dropped, never written over
    // another student.
    StoreOutcome store();
    // Indicators Edit12, Edit13, CheckBox2, Edit73.
    void refreshIndicators();

    // ---- ClassFileView's editor part ----
    void storeForm() { store(); }
    void showCurrentRecord() { show(); }
    bool showsDeletedRecords() const;

    // ---- commands ----
    void navigate(NavCommand command);                      // Button1..Button4
    void listClick(std::optional<int> clickedEntry);         // ListBox1Click
    void dataUebernehmen();                                  // BitBtn11 "Daten übernehmen"
    void datenZuruecksetzen();                               // BitBtn6 "Daten zurücksetzen"
    void rebuildCanon();                                     // BitBtn7 "Fächer-Kanon lt. Anl. neu setzen"
    void clearGrades1To18();                                 // BitBtn22
    void clearGrades19To25();                                // BitBtn23
    void memoChanged();                                      // Memo2Change, Memo4Change
    // PageControl2Change: "Daten übernehmen", then the hint to show, if any.
    std::optional<InfoHint> pageChanged();

    // ---- live handlers of the head selectors; each applies its patch to
    // the view and returns it ----
    FormPatch certificateTypeChanged(int zgnTyp);     // ComboBox41Change
    FormPatch qualificationChanged(int abschlArt);    // RadioGroup1Click
    FormPatch classLevelChanged(int klassenstufe);    // ComboBox42Change
    FormPatch levelChanged(ControlId source, int ebene); // ComboBox43Change / ComboBox45Change
    FormPatch examSubjectChanged(const std::string& kurz); // ComboBox38Change (Windows-1252)
    FormPatch schoolYearCheck();                       // Edit63Exit
    // A subject chosen in the selector of a subject row (ComboBoxF<k>) or an
    // elective row (ComboBoxW<w>): the row's other controls take its name.
    FormPatch subjectChosen(ControlId selector);

    // ---- state ----
    const TZgnRec& snapshot() const { return snapshot_; }
    int levelAtShow() const { return levelAtShow_; }
    bool backEnabled() const { return backEnabled_; }
    bool forwardEnabled() const { return forwardEnabled_; }
    // The page "Fächer u. Bewertungen" should come to the front (after a
    // level conversion); reading it clears it.
    bool takeSubjectsPageRequest();
    const ShowContext& context() const { return context_; }

private:
    void setNavigation(std::optional<bool> back, std::optional<bool> forward);
    FormPatch apply(FormPatch patch);

    OpenClass& class_;
    const Installation& installation_;
    Prompter& prompter_;
    EditorView& view_;
    ShowContext context_;
    TZgnRec snapshot_{};
    StudentList list_;   // the list last shown, kept for its storage
    int levelAtShow_ = 0;
    // Which record the form was filled from: its index and the list's
    // version then. A form is never stored into another record.
    int shownIndex_ = -1;
    std::uint64_t shownListVersion_ = 0;
    // The annex the rows of the form are laid out for (AnlageFaecher at show).
    int shownLayout_ = 0;
    int listPosition_ = 0;
    bool backEnabled_ = true;
    bool forwardEnabled_ = true;
    bool subjectsPageRequest_ = false;
};

// A ClassFileView whose editor part is a RecordEditor (the window parts keep
// their harmless defaults): for the command-line tool and the tests.
class EditorClassFileView : public ClassFileView {
public:
    explicit EditorClassFileView(RecordEditor& editor) : editor_(editor) {}
    void storeForm() override { editor_.storeForm(); }
    void showCurrentRecord() override { editor_.showCurrentRecord(); }
    void refreshIndicators() override { editor_.refreshIndicators(); }
    bool showsDeletedRecords() const override { return editor_.showsDeletedRecords(); }

private:
    RecordEditor& editor_;
};

} // namespace ruvek::editor
