// Commands of the main window beyond the class file: the settings dialogs
// and what follows them, printer setup, help, about box, printer test page.
#include "ui/mainwindow/MainForm.h"

#include "ui/mainwindow/AboutForm.h"
#include "editor/RecordEditor.h"
#include "print/CalibrationSheet.h"
#include "print/TestPage.h"
#include "ui/mainwindow/KalibrierForm.h"
#include "qtdraw/PrinterDevice.h"
#include "ui/settings/DrkEinstForm.h"
#include "ui/settings/ProgEinstForm.h"
#include "ui/settings/SchulEinstForm.h"
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
    if (forms_.schulEinst && forms_.schulEinst->exec() == QDialog::Accepted)
        afterSchoolSettingsOk();
}

void TMainForm::afterSchoolSettingsOk()
{
    prompter_->tell(MessageKind::Warning, "Nach Änderungen der Schulart\n"
                                          "wird ein Neustart des Programms Ruvek3\n"
                                          "bzw. das Öffnen einer passenden Datendatei\n"
                                          "dringend empfohlen!");
    setTitleAndLevelLists();
    editor_->reloadSettings();
    showCurrentRecord();
}

void TMainForm::ProgrammEinstellungen1Click()
{
    if (forms_.progEinst && forms_.progEinst->exec() == QDialog::Accepted)
        afterProgramSettingsOk();
}

void TMainForm::afterProgramSettingsOk()
{
    setTitleAndLevelLists();
    editor_->reloadSettings();
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

void TMainForm::afterElectivesDialog(bool ok)
{
    // On OK the elective selectors W1..W6 offer the new list; the record is
    // shown again in any case.
    if (ok)
        editor_->reloadSettings();
    showCurrentRecord();
}

void TMainForm::DruckOptionen1Click()
{
    if (forms_.drkEinst)
        forms_.drkEinst->exec();
}

void TMainForm::FilePrintSetup()
{
    QPageSetupDialog dialog(&printerDevice().printer(), this);
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

// Printed at once, without preview. Without an installed printer the page
// goes into a PDF file the user names; the user is then told where it is.
void TMainForm::estblattausdrucken1Click()
{
    PrinterDevice& device = printerDevice();
    device.setTitle(TestPageDocumentTitle());
    if (!device.chooseOutputFile(*prompter_))
        return;
    if (const DeviceResult printed = PrintTestPage(device, state_.settings.druck); !printed)
        prompter_->error(printed.error);
    else if (!device.writtenFile().empty())
        prompter_->information("Das Testblatt wurde als PDF-Datei gespeichert:\n" + device.writtenFile().string());
}

// The calibration sheet goes out like the test page; then the dialog takes
// the measured deviations into the margins of the print options.
void TMainForm::Kalibrierblattdrucken1Click()
{
    PrinterDevice& device = printerDevice();
    device.setTitle(kCalibrationTitle);
    if (!device.chooseOutputFile(*prompter_))
        return;
    if (const DeviceResult printed = PrintCalibrationSheet(device, state_.settings.druck); !printed) {
        prompter_->error(printed.error);
        return;
    }
    if (!device.writtenFile().empty())
        prompter_->information("Das Kalibrierblatt wurde als PDF-Datei gespeichert:\n" + device.writtenFile().string());
    TKalibrierForm form(state_.settings.druck, state_.settings.programFolder, state_.klasse.dataFolder, *prompter_,
                        this);
    form.exec();
}

} // namespace ruvek::ui
