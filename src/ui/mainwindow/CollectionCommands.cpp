// The window side of the commands on the record list and of the bulk
// take-over: adding and deleting students, removing the marked ones, the
// record clipboard, the sort orders, the "für ALLE" buttons of the pages and
// the subject commands of "für ALLE folgenden Schüler übernehmen", and the
// text-page buttons. The operations themselves are the record collection's
// and the take-over's; the handlers here store the form before and show
// the record after as each operation asks.
#include "ui/mainwindow/MainForm.h"

#include "classfile/RecordCollection.h"
#include "editor/BulkTakeOver.h"
#include "editor/RecordEditor.h"
#include "ui/editor/EditorBinder.h"
#include "ui/editor/EditorWidgets.h"
#include "ui/editor/TakeOverWiring.h"
#include "ui/editor/TextAreaWiring.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/NeuDSForm.h"
#include "ui/mainwindow/WorkProtection.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <vector>

namespace ruvek::ui {

namespace {

// The sort commands of the menu "Sortieren" (their speed buttons share them).
const std::pair<Command, SortOrder> kSortCommands[] = {
    {Command::SortNameUp, SortOrder::NameAscending}, {Command::SortNameDown, SortOrder::NameDescending},
    {Command::SortKeyUp, SortOrder::KeyAscending},  {Command::SortKeyDown, SortOrder::KeyDescending},
    {Command::SortClassUp, SortOrder::ClassAscending}, {Command::SortClassDown, SortOrder::ClassDescending},
    {Command::SortGirlsFirst, SortOrder::GirlsFirst},   {Command::SortBoysFirst, SortOrder::BoysFirst},
};

// The entries under "für ALLE folgenden Schüler übernehmen".
const std::pair<Command, ruvek::editor::SubjectCommand> kSubjectCommands[] = {
    {Command::TakeOverLanguage1, ruvek::editor::SubjectCommand::Fremdsprache1},
    {Command::TakeOverLanguage2, ruvek::editor::SubjectCommand::Fremdsprache2},
    {Command::TakeOverReligion, ruvek::editor::SubjectCommand::Religion},
    {Command::TakeOverExtraSubject, ruvek::editor::SubjectCommand::ZusatzFach},
    {Command::TakeOverElectives1, ruvek::editor::SubjectCommand::Wahlpflicht1},
    {Command::TakeOverElectives2, ruvek::editor::SubjectCommand::Wahlpflicht2},
    {Command::TakeOverElectivesBoth, ruvek::editor::SubjectCommand::Wahlpflicht12},
};

constexpr int kTablePage = 1;   // "Schüler-Tabelle" in PageControl1

// The buttons "+" and "-" of the record panel, in a row of their own below
// the navigation buttons (beside them the panel would grow wider), unless
// the window layout already has them.
void ensureAddDeleteButtons(QWidget* root)
{
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        const char* spoken;   // the name a screen reader gives the sign
    } buttons[] = {{"Button6", "+", "einen Datensatz einfügen", "Datensatz einfügen"},
                   {"Button7", "-", nullptr, "Datensatz löschen"}};
    auto* last = root->findChild<QAbstractButton*>(QStringLiteral("Button4"));
    if (!last || !last->parentWidget() || root->findChild<QAbstractButton*>(QStringLiteral("Button6")))
        return;
    QBoxLayout* nav = nullptr;
    for (auto* box : last->parentWidget()->findChildren<QBoxLayout*>())
        if (box->indexOf(last) >= 0)
            nav = box;
    std::vector<QPushButton*> made;
    for (const auto& b : buttons) {
        made.push_back(editor::button(b.name, QString::fromUtf8(b.caption),
                                      b.hint ? QString::fromUtf8(b.hint) : QString()));
        made.back()->setAccessibleName(QString::fromUtf8(b.spoken));
    }
    auto* column = nav ? qobject_cast<QBoxLayout*>(nav->parent()) : nullptr;
    int at = -1;
    for (int i = 0; column && i < column->count(); ++i)
        if (column->itemAt(i)->layout() == nav)
            at = i + 1;
    if (at < 0) {
        // No layout to join: the buttons still belong to the panel.
        for (QPushButton* b : made)
            b->setParent(last->parentWidget());
        return;
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(nav->spacing());
    for (QPushButton* b : made)
        row->addWidget(b);
    row->addStretch(1);
    column->insertLayout(at, row);
    // Tab takes them where they stand: after the navigation buttons, before
    // the buttons below them.
    QWidget* before = last;
    for (QPushButton* b : made) {
        QWidget::setTabOrder(before, b);
        before = b;
    }
}

} // namespace

void TMainForm::connectCollectionCommands()
{
    const auto show = [this](const CollectionOutcome& out) {
        if (out.showRecord || out.rebuildList)
            showCurrentRecord();   // rebuilds the student list and selects the current record
        refreshIndicators();
    };
    const auto enableNavigation = [this] { binder_->setNavigationEnabled(true, true); };
    const auto darfLoeschen = [this] { return state_.settings.prog.DarfLoeschen == 1; };

    // Add: on the table page the new student's names come from the dialog,
    // on the data sheets from the form after the store.
    const auto add = [this, show, enableNavigation] {
        std::optional<NewStudentName> names;
        const bool onTable = pageControl1_->currentIndex() == kTablePage;
        if (onTable) {
            TNeuDSForm dialog(*prompter_, this);
            names = dialog.ask();
            if (!names)
                return;
        } else {
            storeForm();
        }
        const CollectionOutcome out = addRecord(state_.klasse, state_.settings.prog.VorgaengerDaten == 1, names);
        show(out);
        if (!onTable) {
            // Bringing "Zeugnis-Kopf" to the front is no page change of the
            // user's: it must not store the new record over the labels.
            const QSignalBlocker block(pageControl2_);
            pageControl2_->setCurrentIndex(0);
            if (auto* edit5 = findChild<QWidget*>(QStringLiteral("Edit5")))
                edit5->setFocus();
        }
        enableNavigation();
        if (out.takeOverLabels) {
            ruvek::editor::FormPatch labels;
            for (auto id : {ruvek::editor::ControlId::Label64, ruvek::editor::ControlId::Label65,
                            ruvek::editor::ControlId::Label66})
                labels.setVisible(id, true);
            binder_->applyPatch(labels);
        }
    };

    actions_->setHandler(Command::DeleteRecord, [this, show, darfLoeschen] {
        if (!deletePermitted(darfLoeschen(), *prompter_))
            return;
        storeForm();
        show(markCurrentDeleted(state_.klasse, *prompter_, showsDeletedRecords()));
    });
    actions_->setHandler(Command::PurgeDeleted, [this, show] {
        storeForm();
        CollectionOutcome out;
        undoable("Entfernen der gelöschten Datensätze", [&] { out = removeMarked(state_.klasse, *prompter_); });
        if (out.done)
            show(out);
    });
    actions_->setHandler(Command::CopyRecord, [this] { copyRecord(state_.klasse); });
    actions_->setHandler(Command::CutRecord, [this, show, darfLoeschen] {
        storeForm();
        const CollectionOutcome out = cutRecord(state_.klasse, darfLoeschen(), *prompter_);
        if (out.showRecord)
            show(out);
    });
    actions_->setHandler(Command::PasteRecord, [this, show, enableNavigation] {
        // The table view is not written back: it is not shown in this
        // program version, and what it holds may be older than the records.
        storeForm();
        undoable("Einfügen (Schüler-Datensatz)", [&] { show(pasteRecord(state_.klasse)); });
        enableNavigation();
    });
    for (const auto& [name, order] : kSortCommands)
        actions_->setHandler(name, [this, show, order = order] {
            if (!sortApplies(state_.klasse))
                return;
            storeForm();
            undoable(sortCommandName(static_cast<int>(order)), [&] { show(sortRecords(state_.klasse, order)); });
        });

    // The subject commands store first and leave the form as it is.
    for (const auto& [name, command] : kSubjectCommands)
        actions_->setHandler(name, [this, command = command] {
            storeForm();
            undoable(takeOverCommandName(ruvek::editor::subjectCommandSubject(command)),
                     [&] { ruvek::editor::takeOverSubjects(state_.klasse, command, *prompter_); });
            refreshIndicators();
        });

    ensureAddDeleteButtons(this);
    for (auto* b : findChildren<QAbstractButton*>(QStringLiteral("Button6")))
        connect(b, &QAbstractButton::clicked, this, add);
    for (auto* b : findChildren<QAbstractButton*>(QStringLiteral("Button7")))
        connect(b, &QAbstractButton::clicked, this,
                [this] { actions_->run(Command::DeleteRecord); });

    // The head-data buttons hand on what the controls show; they neither
    // store nor show, the form keeps its pending edits.
    for (const editor::HeadTakeOverButton& b : editor::headTakeOverButtons()) {
        const QString name = QString::fromLatin1(ruvek::editor::controlName(b.control));
        connect(findChild<QAbstractButton*>(name), &QAbstractButton::clicked, this, [this, &b] {
            const ruvek::editor::HeadValue value = editor::headValue(b, binder_->readForm());
            undoable(takeOverCommandName(ruvek::editor::headButtonSubject(b.button)), [&] {
                ruvek::editor::takeOverHead(state_.klasse, b.button, value, state_.katalog, *prompter_);
            });
            refreshIndicators();
        });
    }

    // The phrases speak of the student as last stored.
    editor::connectTextAreas(this, *prompter_, [this](int entry) {
        return ruvek::editor::RemarkPhraseSentence(entry, state_.klasse.currentRecord());
    });
}

} // namespace ruvek::ui
