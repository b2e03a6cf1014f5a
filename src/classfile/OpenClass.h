#pragma once
// The open class: the one class the program works on, and the four file
// commands New, Open, Save and Save As.
//
// The file commands are plain code: every question, message and file dialog
// goes through the Prompter, and everything that concerns the editor window
// (storing the form into the current record, showing a record, the status
// bar, the Save menu command, the changed-data indicator, the elective-subject
// list) goes through a ClassFileView. Without a view the commands work on
// their own (command-line tool, tests).
#include "classfile/ClassFile.h"
#include "classfile/ClassFileGuard.h"
#include "classfile/StudentRecord.h"
#include "classfile/UndoStack.h"
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

// The name of a class that has never been saved. No file of this name is
// ever read or written; saving such a class always goes through Save As.
inline constexpr std::string_view kUnsavedClassName = "Vorgabe.RVK";

// The window side of the file commands. Every method has a harmless default,
// so a view implements only what it has.
class ClassFileView {
public:
    virtual ~ClassFileView() = default;

    // Copies the editor's controls into the current record (and sets the
    // changed flag when anything differs).
    virtual void storeForm() {}
    // Empties the grade table view (File New).
    virtual void clearTableView() {}
    // Shows the current record in the editor, selects it in the student list
    // and the table view, and updates the record counters.
    virtual void showCurrentRecord() {}
    // Refreshes the changed-data indicator (and enables "&Speichern" when the
    // changed flag is set).
    virtual void refreshIndicators() {}
    // Shows the class file name in the second panel of the status bar.
    virtual void showClassFileName(const std::string& /*name*/) {}
    // Enables or disables the menu command "&Speichern".
    virtual void setSaveEnabled(bool /*enabled*/) {}
    // A short note in the status bar ("Gespeichert: ...").
    virtual void showStatus(const std::string& /*text*/) {}

    // Program setting ZeigeGeloeschte: deleted records are listed.
    virtual bool showsDeletedRecords() const { return true; }
    // Program setting ZentralListen: the elective-subject list is kept in the
    // program folder, so the file commands do not offer to load or copy it.
    virtual bool centralElectiveList() const { return true; }
    // Loads the elective-subject list from `folder` and puts it into the
    // editor's elective-subject selectors (after the user agreed).
    virtual void loadElectiveList(const std::filesystem::path& /*folder*/) {}
    // Copies the elective-subject list file into `folder` (after the user agreed).
    virtual void copyElectiveList(const std::filesystem::path& /*folder*/) {}
};

// The file of the elective-subject list looked for when a class is opened
// from another folder.
inline constexpr std::string_view kElectiveListFile = "WPflFach.DAT";

inline constexpr std::string_view kOpenFilterText =
    "Zeugnis-KL-Datenbanken (*.RVK; *.ZDB)|*.RVK;*.ZDB|alle Dateien (*.*)|*.*";

class OpenClass {
public:
    // A never-saved class "Vorgabe.RVK" with one new record; the new-record
    // template and the record clipboard get the new-record defaults.
    // `schoolType` is Schultyp of the school settings; `random` draws the
    // Zufall of new records.
    explicit OpenClass(SchoolType schoolType = SchoolType::NichtAusgewaehlt, std::filesystem::path dataFolder = {},
                       RandomSource random = clockSeededRandom());

    // --- state (read and changed directly by the editor and list operations)
    TDB2 records;                     // TDB2, never empty
    int current = 0;                  // current record index, 0-based
    bool changed = false;             // unsaved changes
    TDateiKopf header;                // as last read or built
    std::string fileName{kUnsavedClassName}; // class file name without folder
    std::filesystem::path dataFolder; // folder of the class files
    TZgnRec newRecordTemplate;        // copied by File New
    TDB2 scratch;                     // scratch list of the insert/remove operations
    TZgnRec clipboard;                // the record clipboard
    SchoolType schoolType;            // current school type (for new records)
    RandomSource random;              // Zufall of new records
    ClassFileView* view = nullptr;    // window side; may be null
    ClassFileGuard guard;             // lock, kept versions, recovery file (off unless enabled)
    UndoStack undo;                   // the bulk commands done on this class
    // Counts every change of which record stands where (records inserted,
    // removed, reordered, or the list replaced). The editor stores its form
    // only into the record it showed it from: the same index at the same count.
    std::uint64_t listVersion = 0;
    // File Open writes the backup copy (.$KL) of the file it read; a command
    // that must leave the folder as it was when it fails turns that off.
    bool writesBackupCopy = true;
    void listReshaped() { ++listVersion; }

    std::uint16_t count() const { return static_cast<std::uint16_t>(records.size()); }
    TZgnRec& currentRecord() { return records[static_cast<std::size_t>(current)]; }
    const TZgnRec& currentRecord() const { return records[static_cast<std::size_t>(current)]; }
    // The record a fresh view starts at: the first one, or with deleted
    // records hidden the first active one (the last when none is active).
    int firstRecordIndex(bool showDeleted) const;
    bool isUnsaved() const { return fileName == kUnsavedClassName; }

    // "Changed" as the user means it: something was changed, and the records
    // differ from what was last opened or saved. Typing something and typing
    // it back, or storing again a form that was saved, is no change. Clears
    // the changed flag when the records are as saved.
    bool hasUnsavedChanges();
    // The records as they are now count as saved (after open, save, new);
    // forgetSavedState: nothing on disk is known to hold them (a restored
    // recovery file). `fingerprint`: recordsFingerprint(records), when it is
    // known already.
    void markSaved(std::optional<std::uint64_t> fingerprint = std::nullopt);
    void forgetSavedState() { savedFingerprint_.reset(); }

    // Takes what was read from a class file as the open class's header and
    // records: the header remembers the version read and is written as
    // version 2; the list counts as reshaped.
    void takeContent(ClassFileContent content);
    // Takes `content` as a new, never-saved class in `folder` (a kept
    // version, a class from an encrypted transfer file): the changed flag is
    // set, so closing asks to save it, and Save As proposes `proposedName`
    // (when given). Nothing on disk is read or written.
    void adoptUnsaved(ClassFileContent content, const std::filesystem::path& folder, std::string proposedName = {});
    // The name Save As proposes for a never-saved class; empty: the usual one.
    std::string unsavedProposal;
    // File Open hands a file to this reader first (the encrypted transfer
    // file): nullopt when the file is not its kind, else whether it opened
    // the class. `openFilter` is the Open dialog's filter.
    std::function<std::optional<bool>(OpenClass&, const std::filesystem::path&, Prompter&)> otherFileReader;
    std::string openFilter{kOpenFilterText};
    std::filesystem::path filePath() const { return dataFolder / fileName; }

    // --- the four file commands. Each returns true when it did its job
    // (a new class was made, a file read, the class written).
    bool fileNew(Prompter& prompter);
    bool fileOpen(Prompter& prompter);
    // File Open with the file already chosen, as when the program is started
    // with a class file: the same question about unsaved changes, then the
    // file is read as after the dialog.
    bool fileOpen(const std::filesystem::path& chosen, Prompter& prompter);
    bool fileSave(Prompter& prompter);
    bool fileSaveAs(Prompter& prompter);

    // Reads the class file at `path` as File Open does after its dialog
    // (steps from the .ZDB check on): used by the file dialog and by tools
    // that name the file themselves.
    bool openFile(const std::filesystem::path& path, Prompter& prompter);

private:
    std::optional<std::uint64_t> savedFingerprint_;
    bool recordsAsSaved() const;
    ClassFileView& ui();
    // Whether the current class may be given up for another one: unsaved
    // changes of a saved class are dropped only when the user agrees.
    bool mayDropChanges(Prompter& prompter);
    void refreshAll();
};

// File-dialog filters and texts of the file commands.
inline constexpr std::string_view kOpenFilter = kOpenFilterText;
inline constexpr std::string_view kSaveFilter = "Zeugnis-KL-Datenbanken (*.RVK)| *.RVK";
inline constexpr std::string_view kProposedNewName = "unbekannte Klasse.RVK";
// The buttons of the questions about unsaved changes: they say what they do.
inline const std::vector<std::string> kSaveChoices = {"Speichern", "Nicht speichern", "Abbrechen"};
inline constexpr int kChoiceSave = 0;
inline constexpr int kChoiceDontSave = 1;
inline constexpr int kChoiceCancel = 2;
inline const std::vector<std::string> kDiscardChoices = {"Verwerfen", "Abbrechen"};
inline constexpr const char* kAskSaveAsInstead = "Sollen die Daten unter einem anderen Namen gespeichert werden?";

} // namespace ruvek
