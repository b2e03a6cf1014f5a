// The main window's menu and speed bar. Every entry is present; commands of
// features that come later are inert until their code connects to the
// action (find it by its object name with TMainForm::menuAction).
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/SpeedBarIcons.h"

#include <QAction>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace ruvek::ui {

namespace {

// Menu items are named as the form designer names them: the caption's ASCII
// letters and digits plus a running number ("&Öffnen ..." -> "ffnen1"), so
// each later feature finds its entry by a stable name.
class MenuBuilder {
public:
    explicit MenuBuilder(QWidget* owner) : owner_(owner) {}

    QMenu* menu(QMenuBar* bar, const char* caption)
    {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(nameFor(caption));
        m->menuAction()->setObjectName(m->objectName());
        return m;
    }
    QMenu* sub(QMenu* parent, const char* caption, const char* hint = nullptr)
    {
        QMenu* m = parent->addMenu(QString::fromUtf8(caption));
        m->setObjectName(nameFor(caption));
        m->menuAction()->setObjectName(m->objectName());
        if (hint)
            m->menuAction()->setStatusTip(QString::fromUtf8(hint));
        return m;
    }
    QAction* item(QMenu* parent, const char* caption, const char* name = nullptr, const char* hint = nullptr)
    {
        QAction* a = parent->addAction(QString::fromUtf8(caption));
        a->setParent(owner_);
        a->setObjectName(name ? QString::fromLatin1(name) : nameFor(caption));
        if (name)
            used_[QString::fromLatin1(name)] = 1;
        if (hint)
            a->setStatusTip(QString::fromUtf8(hint));
        return a;
    }

private:
    QString nameFor(const char* caption)
    {
        QString base;
        for (QChar c : QString::fromUtf8(caption))
            if (c.unicode() < 128 && c.isLetterOrNumber())
                base += c;
        if (base.isEmpty() || base.front().isDigit())
            base.prepend(u'N');
        for (int n = 1;; ++n) {
            const QString name = base + QString::number(n);
            if (!used_.contains(name)) {
                used_[name] = 1;
                return name;
            }
        }
    }

    QWidget* owner_;
    QHash<QString, int> used_;
};

} // namespace

void TMainForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder b(this);

    QMenu* datei = b.menu(bar, "&Datei");
    connect(b.item(datei, "&Neu", "FileNewItem"), &QAction::triggered, this, &TMainForm::FileNew);
    connect(b.item(datei, "&Öffnen ...", "FileOpenItem"), &QAction::triggered, this, &TMainForm::FileOpen);
    saveItem_ = b.item(datei, "&Speichern", "FileSaveItem");
    connect(saveItem_, &QAction::triggered, this, &TMainForm::FileSave);
    connect(b.item(datei, "Speichern &unter ...", "FileSaveAsItem"), &QAction::triggered, this,
            &TMainForm::FileSaveAs);
    datei->addSeparator();
    b.item(datei, "Seitenansicht zeigen");   // Seitenansichtzeigen1
    connect(b.item(datei, "&Drucker einrichten ...", "FilePrintSetupItem"), &QAction::triggered, this,
            &TMainForm::FilePrintSetup);
    datei->addSeparator();
    connect(b.item(datei, "&Beenden", "FileExitItem"), &QAction::triggered, this, &TMainForm::FileExit);

    QMenu* eingeben = b.menu(bar, "&Eingeben");
    b.item(eingeben, "&fächerweise Bewertungen, ...");

    QMenu* bearbeiten = b.menu(bar, "&Bearbeiten");
    b.item(bearbeiten, "&Löschen (Schüler-Datensatz)");
    bearbeiten->addSeparator();
    b.item(bearbeiten, "&Ausschneiden (Schüler-Datensatz)");
    b.item(bearbeiten, "&Kopieren (Schüler-Datensatz)");
    b.item(bearbeiten, "&Einfügen (Schüler-Datensatz)");

    QMenu* berechnen = b.menu(bar, "Berechnen");
    b.item(berechnen, "Fachnoten-Statistik");
    b.item(berechnen, "Fächer-Bewertungs-Übersicht");

    QMenu* testen = b.menu(bar, "&Testen");
    b.item(testen, "auf Vollständigkeit");
    b.item(testen, "Vergabe der Bewertungen");
    b.item(testen, "Seitenansicht zeigen");   // Seitenansichtzeigen2

    QMenu* drucken = b.menu(bar, "D&rucken");
    QMenu* alle = b.sub(drucken, "für &ALLE folgenden Schüler");
    connect(b.item(alle, "die Schüler-&Datenblätter", "SchlerDatenbltter1"), &QAction::triggered, this,
            &TMainForm::notYetBuilt);
    b.item(alle, "die &Lernentw.-berichte für Zeugniskonferenz", "LernentwberichtefrZeugniskonferenz1");
    b.item(alle, "die &Zeugnisse", "ausgewhlteZeugnistypen1");
    b.item(alle, "die &Empfangsbekenntnisse");
    drucken->addSeparator();
    connect(b.item(drucken, "Schüler-&Datenblatt"), &QAction::triggered, this, &TMainForm::notYetBuilt);
    b.item(drucken, "Lernentwicklungsbericht");
    drucken->addSeparator();
    b.item(drucken, "erst Seitenansicht zeigen", "Seitenansicht1");
    b.item(drucken, "&Zeugnis", "ausgewhlterZeugnistyp1");
    b.item(drucken, "&Empfangsbekenntnis");

    QMenu* sortieren = b.menu(bar, "&Sortieren");
    for (const char* by : {"nach &Namen", "nach &Schlüsselnummer", "nach &Klasse"}) {
        QMenu* m = b.sub(sortieren, by);
        b.item(m, "au&fsteigend");
        b.item(m, "a&bsteigend");
    }
    QMenu* klassenbuch = b.sub(sortieren, "wie im Klassen&buch");
    b.item(klassenbuch, "&Mädchen zuerst");
    b.item(klassenbuch, "&Jungen zuerst");

    QMenu* hilfsmittel = b.menu(bar, "Hilfs&mittel");
    b.item(hilfsmittel, "Fächer-Bewertungs-Übersicht");
    hilfsmittel->addSeparator();
    QMenu* uebernehmen = b.sub(hilfsmittel, "für ALLE folgenden Schüler übernehmen");
    for (const char* c : {"1. Fremdsprache", "2. Fremdsprache", "Religion/Phil. m. K.", "(erstes) zusätzliches Fach",
                          "Wahlpflicht 1. HJ", "Wahlpflicht 2. HJ", "Wahlpflicht 1.+2. HJ"})
        b.item(uebernehmen, c);
    QMenu* temporaer = b.sub(hilfsmittel, "temporäre Einstellungen");
    b.item(temporaer, "des Formulardrucks löschen");
    // Present but never shown: nothing in the program makes it visible.
    b.item(hilfsmittel, "Wahlpflichtfächer extrahieren")->setVisible(false);
    b.item(hilfsmittel, "gelöschte Datensätze entgültig &entfernen");
    hilfsmittel->addSeparator();
    connect(b.item(hilfsmittel, "Testblatt ausdrucken ", "estblattausdrucken1"), &QAction::triggered, this,
            &TMainForm::estblattausdrucken1Click);
    b.item(hilfsmittel, "vollständige Datensicherung ...");

    QMenu* kommunikation = b.menu(bar, "&Kommunikation");
    QMenu* fachlehrer = b.sub(kommunikation, "mit &Fachlehrern", "Datenaustausch mit den Fachlehrern");
    b.item(fachlehrer, "Fachzensuren-Liste(n) exportieren ...", "Fachzensurenlistevorbereiten1",
           "zum Eintragen der Fachnoten");
    QMenu* wpExport = b.sub(fachlehrer, "Wahlpflicht-Fachzensuren-Liste(n) exportieren");
    b.item(wpExport, "1. Halbjahr");
    b.item(wpExport, "2. Halbjahr");
    b.item(fachlehrer, "Fachzensuren-Liste importieren", nullptr, "zur Verwendung in diesem Programm");
    QMenu* wpImport = b.sub(fachlehrer, "Wahlpflicht-Fachzensuren-Liste importieren");
    b.item(wpImport, "1. Halbjahr");
    b.item(wpImport, "2. Halbjahr");
    // The exchange with the subject teachers is defined as hidden and is
    // never shown, so its commands cannot be reached.
    fachlehrer->menuAction()->setVisible(false);
    b.item(kommunikation, "mit &Schulverwaltung");
    QMenu* einstellungenAustausch = b.sub(kommunikation, "&Einstellungen");
    b.item(einstellungenAustausch, "exportieren ...");
    b.item(einstellungenAustausch, "importieren ...");
    QMenu* andere = b.sub(kommunikation, "mit anderen Programmen");
    b.item(andere, "importieren von Schülerdaten im TXT-Format ...");
    b.item(andere, "importieren von Bewertungen im TXT-Format ...");
    andere->addSeparator();
    b.item(andere, "importieren von Daten im XML-Format ...");
    b.item(andere, "exportieren der Daten im XML-Format ...");

    QMenu* einstellungen = b.menu(bar, "&Einstellungen");
    connect(b.item(einstellungen, "&Wahlpflicht-Fächer"), &QAction::triggered, this,
            &TMainForm::WahlpflichtFcher1Click);
    connect(b.item(einstellungen, "&Druck-Optionen"), &QAction::triggered, this, &TMainForm::DruckOptionen1Click);
    einstellungen->addSeparator();
    connect(b.item(einstellungen, "&Programm-Einstellungen"), &QAction::triggered, this,
            &TMainForm::ProgrammEinstellungen1Click);
    connect(b.item(einstellungen, "&Schul-Einstellungen"), &QAction::triggered, this,
            &TMainForm::SchulEinstellungen1Click);

    QMenu* hilfe = b.menu(bar, "&Hilfe");
    b.item(hilfe, "&Hilfe zum Programm");
    hilfe->addSeparator();
    connect(b.item(hilfe, "Programm-&Informationen", "HelpAboutItem"), &QAction::triggered, this,
            &TMainForm::HelpAbout);
}

void TMainForm::buildSpeedBar()
{
    speedBar_ = addToolBar(QStringLiteral("Symbolleiste"));
    speedBar_->setObjectName(QStringLiteral("SpeedBar"));
    speedBar_->setMovable(false);
    speedBar_->setFloatable(false);
    speedBar_->setIconSize(QSize(24, 24));
    speedBar_->toggleViewAction()->setEnabled(false);

    struct Button {
        int number;
        SpeedIcon icon;
        const char* hint;
        void (TMainForm::*command)();
        bool separatorAfter;
    };
    const Button buttons[] = {
        {1, SpeedIcon::New, "Neue Datei erstellen", &TMainForm::FileNew, false},
        {2, SpeedIcon::Open, "vorhandene Datei öffnen", &TMainForm::FileOpen, false},
        {3, SpeedIcon::Save, "aktuelle Datei speichern", &TMainForm::FileSave, false},
        {4, SpeedIcon::SaveAs, "aktuelle Datei neu speichern", &TMainForm::FileSaveAs, true},
        {5, SpeedIcon::PrinterSetup, "Drucker-Systemeinstellungen", &TMainForm::FilePrintSetup, true},
        {6, SpeedIcon::Cut, "Schüler-Datensatz ausschneiden", nullptr, false},
        {7, SpeedIcon::Copy, "Schüler-Datensatz in die Zwischenablage kopieren", nullptr, false},
        {8, SpeedIcon::Paste, "Schüler-Datensatz aus der Zwischenablage einfügen", nullptr, true},
        {9, SpeedIcon::Help, "Hilfe zum Programm", &TMainForm::HelpContents, false},
        {10, SpeedIcon::About, "Programm-Informationen", &TMainForm::HelpAbout, false},
        {11, SpeedIcon::Exit, "Programm beenden", &TMainForm::FileExit, true},
        {17, SpeedIcon::PrintCertificate, "ausgewählten Zeugnis-Typ drucken", nullptr, false},
        {18, SpeedIcon::PrintReceipt, "Empfangsbekenntnis drucken", nullptr, false},
        {19, SpeedIcon::PreviewCertificate, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen",
         nullptr, true},
        {21, SpeedIcon::SortNameUp, "nach Namen aufsteigend (A..Z) sortieren", nullptr, false},
        {22, SpeedIcon::SortNameDown, "nach Namen absteigend (Z..A) sortieren", nullptr, false},
        {23, SpeedIcon::SortKeyUp, "nach Schlüsselnummer aufsteigend sortieren", nullptr, false},
        {24, SpeedIcon::SortKeyDown, "nach Schlüsselnummer absteigend sortieren", nullptr, false},
        {27, SpeedIcon::SortGirlsFirst, "wie im Klassenbuch (Mädchen zuerst) sortieren", nullptr, false},
        {28, SpeedIcon::SortBoysFirst, "wie im Klassenbuch (Jungen zuerst) sortieren", nullptr, true},
        {12, SpeedIcon::PreviewReceipt, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen",
         nullptr, false},
        {13, SpeedIcon::SubjectEntry, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)", nullptr,
         false},
        {14, SpeedIcon::Statistics, "Fächern-Noten-Statistik erstellen", nullptr, true},
    };
    for (const Button& b : buttons) {
        const QString name = QStringLiteral("SpeedButton%1").arg(b.number);
        const QString hint = QString::fromUtf8(b.hint);
        QAction* a = speedBar_->addAction(speedIcon(b.icon, style()), hint);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        if (b.command)
            connect(a, &QAction::triggered, this, b.command);
        speedBar_->widgetForAction(a)->setObjectName(name);
        if (b.separatorAfter)
            speedBar_->addSeparator();
    }

    // The changed-data indicator: visible while the class has unsaved changes.
    edit73_ = new QLineEdit(QStringLiteral("geändert"), speedBar_);
    edit73_->setObjectName(QStringLiteral("Edit73"));
    edit73_->setReadOnly(true);
    edit73_->setFocusPolicy(Qt::NoFocus);
    edit73_->setAlignment(Qt::AlignCenter);
    edit73_->setFixedWidth(70);
    edit73_->setToolTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setStatusTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setStyleSheet(QStringLiteral("QLineEdit { background: #d02020; color: white; font-weight: bold; }"));
    edit73Action_ = speedBar_->addWidget(edit73_);
    edit73Action_->setVisible(false);
}

} // namespace ruvek::ui
