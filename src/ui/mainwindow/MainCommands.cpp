// Commands of the main window beyond the class file: the settings dialogs
// and what follows them, printer setup, help, about box, printer test page.
#include "ui/mainwindow/MainForm.h"

#include "ui/mainwindow/AboutForm.h"
#include "ui/settings/WpflEinstForm.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace ruvek::ui {

void TMainForm::notYetBuilt()
{
    prompter_->tell(MessageKind::Information, "Diese Funktion ist in dieser Programmversion noch nicht eingebaut!");
}

void TMainForm::SchulEinstellungen1Click()
{
    // The school settings dialog has not been built into this version yet.
}

void TMainForm::afterSchoolSettingsOk()
{
    prompter_->tell(MessageKind::Warning, "Nach Änderungen der Schulart\n"
                                          "wird ein Neustart des Programms Ruvek3\n"
                                          "bzw. das Öffnen einer passenden Datendatei\n"
                                          "dringend empfohlen!");
    setTitleAndLevelLists();
    showCurrentRecord();
}

void TMainForm::ProgrammEinstellungen1Click()
{
    // The program settings dialog has not been built into this version yet.
}

void TMainForm::afterProgramSettingsOk()
{
    setTitleAndLevelLists();
    rebuildStudentList();
    // The table view follows with the grade table; then to the first record
    // as the button "| <" goes there.
    goToFirstRecord();
}

void TMainForm::WahlpflichtFcher1Click()
{
    if (!forms_.wpflEinst)
        return;
    afterElectivesDialog(forms_.wpflEinst->exec() == QDialog::Accepted);
}

void TMainForm::afterElectivesDialog(bool /*ok*/)
{
    // On OK the elective selectors W1..W6 of the editor are refilled from
    // the list; they come with the editor. The record is shown again in
    // any case.
    showCurrentRecord();
}

void TMainForm::DruckOptionen1Click()
{
    // The print options dialog has not been built into this version yet.
}

void TMainForm::FilePrintSetup()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    dialog.exec();
}

void TMainForm::HelpContents()
{
    prompter_->tell(MessageKind::Information,
                    "Ruvek – Zeugnisse für Kestland\n\n"
                    "Links steht die Schülerliste der geöffneten Klasse; ein Klick wählt einen Schüler.\n"
                    "Rechts werden seine Zeugnisdaten auf fünf Seiten bearbeitet.\n\n"
                    "Datei: Klassen-Dateien (*.RVK) neu anlegen, öffnen und speichern.\n"
                    "Drucken: Zeugnisse und Empfangsbekenntnisse drucken oder vorher ansehen.\n"
                    "Einstellungen: Schulart, Programm, Wahlpflichtfächer und Druck einstellen.\n\n"
                    "Die Klassen-Dateien liegen im Ordner \"Daten\" neben dem Programm.");
}

void TMainForm::HelpAbout()
{
    if (!forms_.about)
        forms_.about = new TAboutForm(this);
    forms_.about->exec();
}

void TMainForm::estblattausdrucken1Click()
{
    // The printer test page has not been built into this version yet.
}

} // namespace ruvek::ui
