#include "ui/mainwindow/WorkProtection.h"

#include "classfile/RecordCollection.h"
#include "document/ClassDocument.h"
#include "editor/EditorForm.h"
#include "editor/RecordEditor.h"
#include "ui/editor/EditorBinder.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/TFassungenForm.h"

#include <QAction>
#include <QTimer>

namespace ruvek::ui {

namespace {
namespace fs = std::filesystem;

// Answers every question with No: storing the form into a copy for the
// recovery file must not ask the user anything.
class SilentPrompter : public Prompter {
public:
    bool askYesNo(const std::string&, MessageKind) override { return false; }
    bool askOkCancel(const std::string&, MessageKind) override { return false; }
    void tell(MessageKind, const std::string&) override {}
    std::optional<fs::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> chooseFolder(const std::string&, const fs::path&) override { return std::nullopt; }
};

std::string fileTimeText(const fs::path& file)
{
    const LocalStamp s = modificationStamp(file);
    return dateText(s) + " " + timeText(s);
}
} // namespace

std::string sortCommandName(int sortOrder)
{
    switch (static_cast<SortOrder>(sortOrder)) {
    case SortOrder::NameAscending: return "Sortieren nach Namen";
    case SortOrder::NameDescending: return "Sortieren nach Namen (absteigend)";
    case SortOrder::KeyAscending: return "Sortieren nach Schlüsselnummer";
    case SortOrder::KeyDescending: return "Sortieren nach Schlüsselnummer (absteigend)";
    case SortOrder::ClassAscending: return "Sortieren nach Klasse";
    case SortOrder::ClassDescending: return "Sortieren nach Klasse (absteigend)";
    case SortOrder::GirlsFirst: return "Sortieren wie im Klassenbuch (Mädchen zuerst)";
    case SortOrder::BoysFirst: return "Sortieren wie im Klassenbuch (Jungen zuerst)";
    }
    return "Sortieren";
}

std::string takeOverCommandName(const std::string& subject)
{
    // The take-over's question names its subject with the verb ("Der
    // Zeugnistyp wird"): the entry names only the subject.
    std::string s = subject;
    for (const char* verb : {" werden", " wird"})
        if (s.ends_with(verb))
            s.resize(s.size() - std::string_view(verb).size());
    return "Übernehmen für alle folgenden Schüler (" + s + ")";
}

std::string recoveryOfferText(const PendingRecovery& p)
{
    const std::string name = p.classFile.filename().string();
    const std::string when = fileTimeText(p.recoveryFile);
    std::string text = "Das Programm wurde zuletzt nicht ordnungsgemäß beendet.\n\n";
    if (name == kUnsavedClassName)
        text += "Für eine noch nicht gespeicherte Klasse gibt es ungespeicherte Daten vom " + when + ".";
    else if (!p.classFileExists)
        text += "Für die Klasse \"" + name + "\" gibt es ungespeicherte Daten vom " + when +
                ";\ndie Datei der Klasse selbst ist nicht mehr vorhanden.";
    else
        text += "Für die Klasse \"" + name + "\" gibt es ungespeicherte Änderungen vom " + when +
                ",\ndie neuer sind als die gespeicherte Klasse (" + fileTimeText(p.classFile) + ").";
    return text + "\n\nWiederherstellen: die Klasse mit diesen Daten öffnen\n"
                  "Verwerfen: diese Daten löschen\n"
                  "Später: beim nächsten Programmstart wieder fragen";
}

WorkProtection::WorkProtection(ProtectedWindow& form, QObject* owner) : QObject(owner), form_(form)
{
    timer_ = new QTimer(this);
    timer_->setInterval(kRecoveryIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { writeRecoveryNow(); });

    chooseVersion = [this](const std::string& className, const std::vector<KeptVersion>& versions) {
        TFassungenForm dialog(className, versions, form_.dialogOwner());
        return dialog.ask();
    };

    ActionRegistry& actions = form_.actions();
    actions.setHandler(Command::Undo, [this] { undo(); });
    actions.setHandler(Command::Redo, [this] { redo(); });
    actions.setHandler(Command::FileRestoreVersion, [this] { restoreVersion(); });
    refreshUndoEntries();
}

void WorkProtection::start(bool classFileFollows)
{
    applyDocumentMode(form_.klasse(), DocumentMode::Desktop);
    homeFolder_ = form_.klasse().dataFolder;
    timer_->start();
    // A class file named at start-up is opened by openAtStart, which offers
    // that class's own recovery file; the others wait for a start without one.
    if (!classFileFollows)
        offerRecoveries();
    refreshUndoEntries();
}

bool WorkProtection::openAtStart(const fs::path& classFile)
{
    std::error_code ec;
    const fs::path file = fs::absolute(classFile, ec);
    const fs::path recovery = recoveryPathFor(ec ? classFile : file);
    if (recoveryIsNewer(recovery, ec ? classFile : file)) {
        const PendingRecovery pending{recovery, ec ? classFile : file, fs::exists(file, ec)};
        const int choice = form_.prompter().askChoice(recoveryOfferText(pending), kRecoveryButtons,
                                                      MessageKind::Warning);
        // Restored, the class is open with its unsaved work: the file is not
        // read over it.
        if (choice == 0 && restoreRecovery(pending))
            return true;
        if (choice == 1)
            fs::remove(recovery, ec);
    }
    return form_.klasse().fileOpen(classFile, form_.prompter());
}

void WorkProtection::undoable(const std::string& name, const std::function<void()>& command)
{
    ClassDocument(form_.klasse(), form_.prompter()).runUndoable(name, command, form_);
    refreshUndoEntries();
}

void WorkProtection::endBySignal()
{
    OpenClass& k = form_.klasse();
    timer_->stop();
    TDB2 records = k.records;
    const bool unsaved = !records.empty() && (formEdited(&records) || k.changed);
    ClassDocument(k, form_.prompter()).endBySignal(unsaved ? &records : nullptr);
    if (unsaved)
        rememberRecoveryFolder(homeFolder_, k.filePath().parent_path());
}

void WorkProtection::undo()
{
    OpenClass& k = form_.klasse();
    if (formEdited())
        form_.storeForm();
    if (!k.undo.canUndo())
        return;
    if (k.undo.undoLosesChanges(k) &&
        !form_.prompter().askYesNo("Seit \"" + k.undo.undoName() +
                                       "\" wurden weitere Änderungen gemacht.\n"
                                       "Sie gehen beim Rückgängigmachen verloren.\n\nTrotzdem rückgängig machen?",
                                   MessageKind::Warning))
        return;
    k.undo.undo(k);
    form_.showCurrentRecord();
    settleShownRecord();
    form_.refreshIndicators();
}

void WorkProtection::redo()
{
    OpenClass& k = form_.klasse();
    if (formEdited())
        form_.storeForm();
    if (!k.undo.canRedo())
        return;
    if (k.undo.redoLosesChanges(k) &&
        !form_.prompter().askYesNo("Seit dem Rückgängigmachen von \"" + k.undo.redoName() +
                                       "\" wurden weitere Änderungen gemacht.\n"
                                       "Sie gehen beim Wiederherstellen verloren.\n\nTrotzdem wiederherstellen?",
                                   MessageKind::Warning))
        return;
    k.undo.redo(k);
    form_.showCurrentRecord();
    settleShownRecord();
    form_.refreshIndicators();
}

void WorkProtection::refreshUndoEntries()
{
    const OpenClass& k = form_.klasse();
    const struct {
        Command id;
        const char* caption;
        bool can;
        std::string command;
    } entries[] = {{Command::Undo, kUndoCaption, k.undo.canUndo(), k.undo.undoName()},
                   {Command::Redo, kRedoCaption, k.undo.canRedo(), k.undo.redoName()}};
    for (const auto& e : entries) {
        QAction* a = form_.actions().action(e.id);
        if (!a)
            continue;
        QString caption = QString::fromUtf8(e.caption);
        if (e.can)
            caption += QStringLiteral(": ") + QString::fromStdString(e.command);
        a->setText(caption);
        form_.actions().setEnabled(e.id, e.can);
    }
}

void WorkProtection::restoreVersion()
{
    OpenClass& k = form_.klasse();
    Prompter& prompter = form_.prompter();
    const bool unsavedWork = formEdited() || k.hasUnsavedChanges();
    fs::path classFile = k.filePath();
    if (k.isUnsaved()) {
        FileDialogRequest request;
        request.title = "Ältere Fassung wiederherstellen – Klasse wählen";
        request.folder = k.dataFolder;
        request.filter = "Zeugnis-KL-Datenbanken (*.RVK)|*.RVK";
        request.confirmOverwrite = false;
        const auto chosen = prompter.chooseOpenFile(request);
        if (!chosen)
            return;
        classFile = *chosen;
    }
    const std::string name = classFile.filename().string();
    const auto versions = listKeptVersions(classFile);
    if (versions.empty()) {
        prompter.information("Von der Klasse \"" + name +
                             "\" gibt es noch keine älteren Fassungen.\n"
                             "Bei jedem Speichern wird die bisherige Fassung im Ordner \"Sicherungen\" aufbewahrt.");
        return;
    }
    const auto index = chooseVersion(name, versions);
    if (!index || *index >= versions.size())
        return;
    if (unsavedWork && prompter.askChoice("Die aktuellen Daten enthalten\nnoch ungespeicherte Änderungen!\n\n"
                                          "Wollen Sie trotzdem die ältere Fassung öffnen,\n"
                                          "ohne die Änderungen zu speichern?",
                                          kDiscardChoices, MessageKind::Warning) != 0)
        return;
    const KeptVersion& v = versions[*index];
    if (!openKeptVersion(k, v.path, classFile.parent_path(), prompter))
        return;
    refreshUndoEntries();
    prompter.information("Die Fassung vom " + dateText(v.key.stamp) + " um " + timeText(v.key.stamp) +
                         " Uhr ist als neue, noch nicht gespeicherte Klasse geöffnet.\n"
                         "Mit \"Speichern unter ...\" legen Sie sie unter einem Namen Ihrer Wahl ab;\n"
                         "die Datei \"" + name + "\" bleibt unverändert, bis Sie sie selbst überschreiben.");
}

bool WorkProtection::writeRecoveryNow()
{
    OpenClass& k = form_.klasse();
    if (k.records.empty())
        return false;
    TDB2 records = k.records;
    if (!formEdited(&records) && !k.changed)
        return false;
    if (!k.guard.writeRecovery(k.filePath(), k.header, records))
        return false;
    // So that the next start also finds a recovery file beside a class
    // opened from another folder.
    rememberRecoveryFolder(homeFolder_, k.filePath().parent_path());
    return true;
}

// Showing a record lays out its subjects and fills controls that storing
// then writes back in their own form: the list a step leaves behind is the
// one after that store, so that undoing it finds no "later changes".
void WorkProtection::settleShownRecord()
{
    OpenClass& k = form_.klasse();
    form_.storeForm();
    k.undo.noteShown(k);
}

bool WorkProtection::formEdited(TDB2* records) const
{
    const OpenClass& k = form_.klasse();
    ruvek::editor::RecordEditor* editor = form_.recordEditor();
    editor::EditorBinder* binder = form_.editorBinder();
    if (k.current < 0 || k.current >= static_cast<int>(k.records.size()) || !editor || !binder)
        return false;
    // The form as it would be stored, into a copy: the user's typing, the
    // record and the controls stay exactly as they are.
    SilentPrompter silent;
    const TZgnRec& shown = k.records[static_cast<std::size_t>(k.current)];
    TZgnRec rec = shown;
    ruvek::editor::Store(binder->readForm(), rec, editor->snapshot(), editor->levelAtShow(), editor->context(), silent);
    if (records)
        (*records)[static_cast<std::size_t>(k.current)] = rec;
    // Storing writes some fields in its own form (the annex, laid-out
    // subjects): compare with what storing the record as shown gives.
    TZgnRec unedited = shown;
    ruvek::editor::Store(ruvek::editor::Show(shown, editor->context()), unedited, editor->snapshot(),
                         editor->levelAtShow(), editor->context(), silent);
    return ruvek::editor::DiffersInWatchedFields(rec, unedited);
}

void WorkProtection::offerRecoveries()
{
    const fs::path home = homeFolder_.empty() ? form_.klasse().dataFolder : homeFolder_;
    for (const PendingRecovery& p : collectPendingRecoveries(home)) {
        const int choice = form_.prompter().askChoice(recoveryOfferText(p), kRecoveryButtons, MessageKind::Warning);
        if (choice == 0 && restoreRecovery(p))
            return;   // one class is open at a time; the others are offered next time
        if (choice == 1) {
            std::error_code ec;
            fs::remove(p.recoveryFile, ec);
        }
    }
}

bool WorkProtection::restoreRecovery(const PendingRecovery& p)
{
    OpenClass& k = form_.klasse();
    if (!ClassDocument(k, form_.prompter()).restoreRecovery(p, form_.showsDeletedRecords()))
        return false;
    form_.setSaveEnabled(!k.isUnsaved());
    form_.showClassFileName(k.fileName);
    form_.showCurrentRecord();
    form_.refreshIndicators();
    return true;
}

} // namespace ruvek::ui
