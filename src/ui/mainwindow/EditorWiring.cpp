// The record editor inside the main window: the binder between the editor's
// controls and its rules, and the handlers of the list, the navigation
// buttons, the page changes, the buttons of the pages and the head
// selectors. The rules themselves live in the record editor; the handlers
// only pass the user's action on.
#include "ui/mainwindow/MainForm.h"

#include "editor/RecordEditor.h"
#include "ui/Cp1252Text.h"
#include "ui/editor/EditorBinder.h"
#include "ui/editor/ReadAloudWiring.h"
#include "ui/grades/BewHilfForm.h"
#include "ui/settings/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include <vector>

namespace ruvek::ui {

using ruvek::editor::ControlId;
using ruvek::editor::NavCommand;

template <class W>
W* TMainForm::control(const char* objectName) const
{
    return findChild<W*>(QString::fromLatin1(objectName));
}

void TMainForm::connectEditor()
{
    binder_ = new editor::EditorBinder(this, *prompter_,
                                       [this](int record) { return state_.klasse.records[static_cast<std::size_t>(record)].Status == 0; });
    binder_->onChangedIndicator = [this](bool changed) {
        if (edit73Action_)
            edit73Action_->setVisible(changed);
        if (changed)
            setSaveEnabled(true);
    };
    editor_ = std::make_unique<ruvek::editor::RecordEditor>(state_.klasse, state_, *prompter_, *binder_);

    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (binder_->writing())
            return;
        editor_->listClick(row >= 0 ? std::optional<int>(row) : std::nullopt);
        followSubjectsPageRequest();
    });
    connect(pageControl1_, &QTabWidget::currentChanged, this, &TMainForm::PageControl1Change);
    connect(pageControl2_, &QTabWidget::currentChanged, this, &TMainForm::PageControl2Change);
    connectEditorButtons();
    connectHeadSelectors();

    for (const char* memo : {"Memo2", "Memo4"})
        connect(control<QPlainTextEdit>(memo), &QPlainTextEdit::textChanged, this, [this] {
            if (!binder_->writing())
                editor_->memoChanged();
        });
    connect(control<QLineEdit>("Edit63"), &QLineEdit::editingFinished, this, [this] { editor_->schoolYearCheck(); });
}

void TMainForm::connectEditorButtons()
{
    const auto onClick = [this](const char* name, auto handler) {
        connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this, [this, handler] {
            handler();
            followSubjectsPageRequest();
        });
    };
    onClick("Button1", [this] { editor_->navigate(NavCommand::First); });
    onClick("Button2", [this] { editor_->navigate(NavCommand::Previous); });
    onClick("Button3", [this] { editor_->navigate(NavCommand::Next); });
    onClick("Button4", [this] { editor_->navigate(NavCommand::Last); });
    onClick("BitBtn11", [this] { editor_->dataUebernehmen(); });
    onClick("BitBtn6", [this] { editor_->datenZuruecksetzen(); });
    onClick("BitBtn7", [this] { editor_->rebuildCanon(); });
    // Clearing all grades of a record can be undone like the list commands.
    onClick("BitBtn22", [this] { undoable("ALLE Bewertungen löschen", [this] { editor_->clearGrades1To18(); }); });
    onClick("BitBtn23", [this] { undoable("ALLE Bewertungen löschen", [this] { editor_->clearGrades19To25(); }); });
    for (const char* help : {"BitBtn1", "BitBtn21"})
        onClick(help, [this] {
            if (forms_.bewHilf)
                forms_.bewHilf->Open();
        });

    // The read-aloud buttons: ReadAloudWiring.cpp. (The take-over and text
    // buttons: CollectionCommands.cpp.)
    installReadAloud(*this, *prompter_);
}

// The live handlers of the head selectors: they change what is visible
// while the user edits; the next show decides again from the stored annex.
void TMainForm::connectHeadSelectors()
{
    const auto onIndex = [this](const char* name, auto handler) {
        connect(control<QComboBox>(name), &QComboBox::currentIndexChanged, this, [this, handler](int index) {
            if (!binder_->writing())
                handler(index);
        });
    };
    onIndex("ComboBox41", [this](int i) {
        setTitleAndLevelLists();
        editor_->certificateTypeChanged(i);
    });
    onIndex("ComboBox42", [this](int i) { editor_->classLevelChanged(i); });
    onIndex("ComboBox43", [this](int i) { editor_->levelChanged(ControlId::ComboBox43, i); });
    onIndex("ComboBox45", [this](int i) { editor_->levelChanged(ControlId::ComboBox45, i); });
    onIndex("ComboBox38", [this](int) {
        const QString kurz = control<QComboBox>("ComboBox38")->currentText();
        editor_->examSubjectChanged(toCp1252(kurz).value_or(std::string()));
    });
    connect(control<RadioGroup>("RadioGroup1"), &RadioGroup::itemClicked, this,
            [this](int i) { editor_->qualificationChanged(i); });

    // A subject chosen in a row's selector renames the row's grade, addition
    // and level for screen readers.
    std::vector<ControlId> subjectSelectors;
    for (int k = 1; k <= 18; ++k)
        if (const auto selector = ruvek::editor::subjectSelector(k))
            subjectSelectors.push_back(*selector);
    for (int w = 1; w <= 6; ++w)
        subjectSelectors.push_back(ruvek::editor::comboBoxW(w));
    for (const ControlId id : subjectSelectors)
        connect(static_cast<QComboBox*>(binder_->widget(id)), &QComboBox::currentIndexChanged, this, [this, id] {
            if (!binder_->writing())
                editor_->subjectChosen(id);
        });
}

// Leaving the data sheets stores the form; arriving at either page shows
// the current record again.
void TMainForm::PageControl1Change(int index)
{
    if (!started_)
        return;
    if (pageControl1Index_ == 0)
        storeForm();
    pageControl1Index_ = index;
    if (index == 0) {
        control<QWidget>("BitBtn11")->setVisible(true);
        control<QWidget>("BitBtn6")->setVisible(true);
    }
    showCurrentRecord();
}

// Another editor page: close the help window of permitted entries, store
// and show ("Daten übernehmen"), and remind the user to settle the head
// data first while the record has no certificate form.
void TMainForm::PageControl2Change(int /*index*/)
{
    if (!started_)
        return;
    if (forms_.bewHilf)
        forms_.bewHilf->hide();
    const auto hint = editor_->pageChanged();
    followSubjectsPageRequest();
    // The timed information dialog: it closes itself after the display time.
    if (hint)
        prompter_->showTimedInfo(hint->caption, hint->lines, hint->displayTime);
}

void TMainForm::followSubjectsPageRequest()
{
    if (!editor_->takeSubjectsPageRequest())
        return;
    // Bringing the page to the front is no page change of the user's.
    const QSignalBlocker block(pageControl2_);
    pageControl2_->setCurrentIndex(3);
}

} // namespace ruvek::ui
