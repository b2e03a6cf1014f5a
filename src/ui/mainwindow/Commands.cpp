#include "ui/mainwindow/Commands.h"

#include "ui/print/FormEditorCaption.h"

namespace ruvek::ui {

namespace {

using R = MenuRow;
using C = Command;

// The whole menu bar. Object names are the form designer's: the caption's
// ASCII letters and digits plus a running number, or a name of its own.
const MenuRow kMenu[] = {
    {R::Menu, "&Datei", "Datei1"},
    {R::Item, "&Neu", "FileNewItem", C::FileNew},
    {R::Item, "&Öffnen ...", "FileOpenItem", C::FileOpen},
    // Ctrl+S saves from anywhere in the window, also while typing in a field.
    {R::Item, "&Speichern", "FileSaveItem", C::FileSave, nullptr, "Ctrl+S"},
    {R::Item, "Speichern &unter ...", "FileSaveAsItem", C::FileSaveAs},
    {R::Item, "Ältere Fassung wiederherstellen …", "FileRestoreVersionItem", C::FileRestoreVersion},
    {R::Item, "Verschlüsselt weitergeben …", "FileEncryptedTransferItem", C::FileEncryptedTransfer},
    {R::Item, "Schulübersicht …", "FileSchoolOverviewItem", C::FileSchoolOverview,
     "alle Klassen des Datenordners in einer Tabelle: Vollständigkeit, geöffnet von, Druck"},
    {R::Separator},
    {R::Follow, "Seitenansicht zeigen", "Seitenansichtzeigen1", C::CertificatePreview},
    {R::Item, "&Drucker einrichten ...", "FilePrintSetupItem", C::FilePrintSetup},
    {R::Separator},
    {R::Item, "&Beenden", "FileExitItem", C::FileExit},

    {R::Menu, "&Eingeben", "Eingeben1"},
    {R::Item, "&fächerweise Bewertungen, ...", "fcherweiseBewertungen1", C::SubjectEntry},

    {R::Menu, "&Bearbeiten", "Bearbeiten1"},
    // A text field with the focus keeps these keys for its own undo.
    {R::Item, "&Rückgängig", "EditUndoItem", C::Undo, nullptr, "Ctrl+Z"},
    {R::Item, "&Wiederherstellen", "EditRedoItem", C::Redo, nullptr, "Ctrl+Y; Ctrl+Shift+Z"},
    {R::Separator},
    {R::Item, "&Löschen (Schüler-Datensatz)", "LschenSchlerDatensatz1", C::DeleteRecord},
    {R::Separator},
    {R::Item, "&Ausschneiden (Schüler-Datensatz)", "AusschneidenSchlerDatensatz1", C::CutRecord},
    {R::Item, "&Kopieren (Schüler-Datensatz)", "KopierenSchlerDatensatz1", C::CopyRecord},
    {R::Item, "&Einfügen (Schüler-Datensatz)", "EinfgenSchlerDatensatz1", C::PasteRecord},

    {R::Menu, "Berechnen", "Berechnen1"},
    {R::Item, "Fachnoten-Statistik", "FachnotenStatistik1", C::GradeStatistics},
    {R::Item, "Fächer-Bewertungs-Übersicht", "FcherBewertungsbersicht1", C::GradeOverview},

    {R::Menu, "&Testen", "Testen1"},
    {R::Item, "auf Vollständigkeit", "aufVollstndigkeit1", C::Completeness},
    {R::Follow, "Vergabe der Bewertungen", "VergabederBewertungen1", C::GradeOverview},
    {R::Follow, "Seitenansicht zeigen", "Seitenansichtzeigen2", C::CertificatePreview},

    {R::Menu, "D&rucken", "Drucken1"},
    {R::Sub, "für &ALLE folgenden Schüler", "frALLEfolgendenSchler1"},
    {R::Item, "die Schüler-&Datenblätter", "SchlerDatenbltter1", C::DatasheetSeries},
    {R::Item, "die &Lernentw.-berichte für Zeugniskonferenz", "LernentwberichtefrZeugniskonferenz1", C::ReportSeries},
    {R::Item, "die &Zeugnisse", "ausgewhlteZeugnistypen1", C::CertificateSeries},
    {R::Item, "die &Empfangsbekenntnisse", "dieEmpfangsbekenntnisse1", C::ReceiptSeries},
    {R::End},
    {R::Separator},
    {R::Item, "Schüler-&Datenblatt", "SchlerDatenblatt1", C::Datasheet},
    {R::Item, "Lernentwicklungsbericht", "Lernentwicklungsbericht1", C::Report},
    {R::Separator},
    {R::Item, "erst Seitenansicht zeigen", "Seitenansicht1", C::CertificatePreview},
    {R::Item, "&Zeugnis", "ausgewhlterZeugnistyp1", C::Certificate},
    {R::Item, "&Empfangsbekenntnis", "Empfangsbekenntnis1", C::Receipt},

    {R::Menu, "&Sortieren", "Sortieren1"},
    {R::Sub, "nach &Namen", "nachNamen1"},
    {R::Item, "au&fsteigend", "aufsteigend1", C::SortNameUp},
    {R::Item, "a&bsteigend", "absteigend1", C::SortNameDown},
    {R::End},
    {R::Sub, "nach &Schlüsselnummer", "nachSchlsselnummer1"},
    {R::Item, "au&fsteigend", "aufsteigend2", C::SortKeyUp},
    {R::Item, "a&bsteigend", "absteigend2", C::SortKeyDown},
    {R::End},
    {R::Sub, "nach &Klasse", "nachKlasse1"},
    {R::Item, "au&fsteigend", "aufsteigend3", C::SortClassUp},
    {R::Item, "a&bsteigend", "absteigend3", C::SortClassDown},
    {R::End},
    {R::Sub, "wie im Klassen&buch", "wieimKlassenbuch1"},
    {R::Item, "&Mädchen zuerst", "Mdchenzuerst1", C::SortGirlsFirst},
    {R::Item, "&Jungen zuerst", "Jungenzuerst1", C::SortBoysFirst},
    {R::End},

    {R::Menu, "Hilfs&mittel", "Hilfsmittel1"},
    {R::Follow, "Fächer-Bewertungs-Übersicht", "FcherBewertungsbersicht2", C::GradeOverview},
    {R::Separator},
    {R::Sub, "für ALLE folgenden Schüler übernehmen", "frALLEfolgendenSchlerbernehmen1"},
    {R::Item, "1. Fremdsprache", "N1Fremdsprache1", C::TakeOverLanguage1},
    {R::Item, "2. Fremdsprache", "N2Fremdsprache1", C::TakeOverLanguage2},
    {R::Item, "Religion/Phil. m. K.", "ReligionPhilmK1", C::TakeOverReligion},
    {R::Item, "(erstes) zusätzliches Fach", "ersteszustzlichesFach1", C::TakeOverExtraSubject},
    {R::Item, "Wahlpflicht 1. HJ", "Wahlpflicht1HJ1", C::TakeOverElectives1},
    {R::Item, "Wahlpflicht 2. HJ", "Wahlpflicht2HJ1", C::TakeOverElectives2},
    {R::Item, "Wahlpflicht 1.+2. HJ", "Wahlpflicht12HJ1", C::TakeOverElectivesBoth},
    {R::End},
    {R::Sub, "temporäre Einstellungen", "temporreEinstellungen1"},
    {R::Item, "des Formulardrucks löschen", "desFormulardruckslschen1", C::DeleteFormFileCopies,
     "löscht die Kopien der FST-Dateien im Datenverzeichnis"},
    {R::End},
    // Present but never shown: nothing in the program makes it visible.
    {R::Item, "Wahlpflichtfächer extrahieren", "Wahlpflichtfcherextrahieren1", C::ExtractElectives, nullptr, nullptr,
     true},
    {R::Item, "gelöschte Datensätze entgültig &entfernen", "gelschteDatenstzeentgltigentfernen1", C::PurgeDeleted},
    {R::Separator},
    {R::Item, "Testblatt ausdrucken ", "estblattausdrucken1", C::TestPage},
    {R::Item, "Kalibrierblatt drucken", "Kalibrierblattdrucken1", C::CalibrationSheet,
     "druckt Kreuze und Lineale, um die Ränder des Druckers einzustellen"},
    {R::Item, kFormEditorCommand, "FormularSteuerdateibearbeiten1", C::FormEditor,
     "Lage der Felder eines Zeugnisformulars an das Papier anpassen"},
    {R::Item, "vollständige Datensicherung ...", "vollstndigeDatensicherung1", C::DataBackup},
    {R::Item, "Sicherung wiederherstellen …", "BackupRestoreItem", C::BackupRestore},

    {R::Menu, "&Kommunikation", "Kommunikation1"},
    // Hidden until the commands of the exchange with the subject teachers
    // are installed (they show it).
    {R::Sub, "mit &Fachlehrern", "mitFachlehrern1", C::FileNew, "Datenaustausch mit den Fachlehrern", nullptr, true},
    {R::Item, "Fachzensuren-Liste(n) exportieren ...", "Fachzensurenlistevorbereiten1", C::ExportSubjectLists,
     "zum Eintragen der Fachnoten"},
    {R::Sub, "Wahlpflicht-Fachzensuren-Liste(n) exportieren", "WahlpflichtFachzensurenListenexportieren1"},
    {R::Item, "1. Halbjahr", "N1Halbjahr1", C::ExportElectiveList1},
    {R::Item, "2. Halbjahr", "N2Halbjahr1", C::ExportElectiveList2},
    {R::End},
    {R::Item, "Fachzensuren-Liste importieren", "FachzensurenListeimportieren1", C::ImportSubjectList,
     "zur Verwendung in diesem Programm"},
    {R::Sub, "Wahlpflicht-Fachzensuren-Liste importieren", "WahlpflichtFachzensurenListeimportieren1"},
    {R::Item, "1. Halbjahr", "N1Halbjahr2", C::ImportElectiveList1},
    {R::Item, "2. Halbjahr", "N2Halbjahr2", C::ImportElectiveList2},
    {R::End},
    {R::End},
    {R::Item, "mit &Schulverwaltung", "mitSchulverwaltung1", C::SchoolAdministration},
    {R::Sub, "&Einstellungen", "Einstellungen1"},
    {R::Item, "exportieren ...", "exportieren1", C::ExportSettings},
    {R::Item, "importieren ...", "importieren1", C::ImportSettings},
    {R::End},
    {R::Sub, "mit anderen Programmen", "mitanderenProgrammen1"},
    {R::Item, "importieren von Schülerdaten im TXT-Format ...", "importierenvonSchlerdatenimTXTFormat1",
     C::ImportStudentsText},
    {R::Item, "importieren von Bewertungen im TXT-Format ...", "importierenvonBewertungenimTXTFormat1",
     C::ImportGradesText},
    {R::Separator},
    {R::Item, "importieren von Daten im XML-Format ...", "importierenvonDatenimXMLFormat1", C::ImportXml},
    {R::Item, "exportieren der Daten im XML-Format ...", "exportierenderDatenimXMLFormat1", C::ExportXml},
    {R::End},

    {R::Menu, "&Einstellungen", "Einstellungen2"},
    {R::Item, "&Wahlpflicht-Fächer", "WahlpflichtFcher1", C::ElectiveSettings},
    {R::Item, "&Druck-Optionen", "DruckOptionen1", C::PrintOptions},
    {R::Separator},
    {R::Item, "&Programm-Einstellungen", "ProgrammEinstellungen1", C::ProgramSettings},
    {R::Item, "&Schul-Einstellungen", "SchulEinstellungen1", C::SchoolSettings},

    {R::Menu, "&Hilfe", "Hilfe1"},
    // The help entry and SpeedButton9 open the same help.
    {R::Item, "&Hilfe zum Programm", "HelpContentsItem", C::HelpContents},
    {R::Separator},
    {R::Item, "Programm-&Informationen", "HelpAboutItem", C::HelpAbout},
};

constexpr Command kPlaceholders[] = {C::ExtractElectives, C::SchoolAdministration, C::ImportXml, C::ExportXml};

} // namespace

std::span<const MenuRow> menuRows() { return kMenu; }

bool placeholderByDesign(Command command)
{
    for (Command c : kPlaceholders)
        if (c == command)
            return true;
    return false;
}

const char* commandName(Command command)
{
    for (const MenuRow& row : kMenu)
        if (row.kind == MenuRow::Item && row.command == command)
            return row.objectName;
    return command == Command::ReceiptPreview ? "SpeedButton12" : "";
}

} // namespace ruvek::ui
