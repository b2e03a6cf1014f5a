#pragma once
// The commands of the main window under fixed identifiers, and the one table
// of the menu: where each entry stands, its caption, its object name, its
// hint and its shortcut. Code gives a command its handler by identifier
// (ActionRegistry::setHandler(Command, …)), so a renamed caption cannot
// unhook a command, and a handler for a command that does not exist does
// not compile. The object names are those of the form designer ("ffnen1",
// "estblattausdrucken1"); the widget tree and the tests find entries by them.
#include <span>

namespace ruvek::ui {

enum class Command {
    // Datei
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileRestoreVersion,
    FileEncryptedTransfer,
    FileSchoolOverview,
    FilePrintSetup,
    FileExit,
    // Eingeben, Bearbeiten
    SubjectEntry,
    Undo,
    Redo,
    DeleteRecord,
    CutRecord,
    CopyRecord,
    PasteRecord,
    // Berechnen, Testen
    GradeStatistics,
    GradeOverview,
    Completeness,
    // Drucken
    DatasheetSeries,
    ReportSeries,
    CertificateSeries,
    ReceiptSeries,
    Datasheet,
    Report,
    CertificatePreview,
    Certificate,
    Receipt,
    ReceiptPreview,   // speed button only
    // Sortieren
    SortNameUp,
    SortNameDown,
    SortKeyUp,
    SortKeyDown,
    SortClassUp,
    SortClassDown,
    SortGirlsFirst,
    SortBoysFirst,
    // Hilfsmittel
    TakeOverLanguage1,
    TakeOverLanguage2,
    TakeOverReligion,
    TakeOverExtraSubject,
    TakeOverElectives1,
    TakeOverElectives2,
    TakeOverElectivesBoth,
    DeleteFormFileCopies,
    ExtractElectives,
    PurgeDeleted,
    TestPage,
    CalibrationSheet,
    FormEditor,
    DataBackup,
    BackupRestore,
    // Kommunikation
    ExportSubjectLists,
    ExportElectiveList1,
    ExportElectiveList2,
    ImportSubjectList,
    ImportElectiveList1,
    ImportElectiveList2,
    SchoolAdministration,
    ExportSettings,
    ImportSettings,
    ImportStudentsText,
    ImportGradesText,
    ImportXml,
    ExportXml,
    // Einstellungen, Hilfe
    ElectiveSettings,
    PrintOptions,
    ProgramSettings,
    SchoolSettings,
    HelpContents,
    HelpAbout,
};
inline constexpr int kCommandCount = static_cast<int>(Command::HelpAbout) + 1;

// One row of the menu table, in menu order: a top-level menu, a submenu
// (its rows follow up to its End), a separator, or an entry that reaches a
// command: Item is the command's primary action (one per command), Follow
// another entry of the same command in another menu, with its own caption,
// that runs the command and mirrors its enabled state.
struct MenuRow {
    enum Kind { Menu, Sub, End, Separator, Item, Follow };
    Kind kind;
    const char* caption = nullptr;      // UTF-8
    const char* objectName = nullptr;
    Command command = Command::FileNew; // Item and Follow only
    const char* hint = nullptr;         // status-bar hint, UTF-8
    const char* shortcut = nullptr;     // portable key text, several separated by "; "
    bool hidden = false;                // present but not shown
};
std::span<const MenuRow> menuRows();

// Commands that run the "not built into this version" placeholder by design
// (the menu offers them, nothing stands behind them yet); every other command
// gets a handler when the program's forms are created.
bool placeholderByDesign(Command command);

// The command's primary object name: its first menu entry, or its speed
// button for a command without one. For messages and tests.
const char* commandName(Command command);

} // namespace ruvek::ui
