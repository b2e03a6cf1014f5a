// The main window's menu and speed bar. Every command is registered in the
// window's ActionRegistry: a menu entry and the speed button that does the
// same share one action. A command whose feature comes later says so through
// the prompter until its code gives it a handler (ActionRegistry::setHandler).
#include "ui/mainwindow/ActionRegistry.h"
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
        items_ << a;
        return a;
    }
    // Every item made, in menu order.
    const QList<QAction*>& items() const { return items_; }

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
    QList<QAction*> items_;
};

// Menu entries that run a command reached from another menu as well: they
// keep their own caption and follow that command.
const std::pair<const char*, const char*> kFollowers[] = {
    {"Seitenansichtzeigen1", "Seitenansicht1"},                  // Datei -> preview of the certificate
    {"Seitenansichtzeigen2", "Seitenansicht1"},                  // Testen -> the same
    {"FcherBewertungsbersicht2", "FcherBewertungsbersicht1"},   // Hilfsmittel -> the overview
    {"VergabederBewertungen1", "FcherBewertungsbersicht1"},     // Testen -> the same
};

// The speed bar holds 23 buttons, seven separators and the indicator; at
// these sizes they fit into the smallest window (795 pixels) without an
// extension button (the style's own button padding would need 880).
constexpr QSize kSpeedIconSize(20, 20);
constexpr QSize kSpeedButtonSize(27, 27);
constexpr int kEdit73Width = 64;

} // namespace

void TMainForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder b(this);

    QMenu* datei = b.menu(bar, "&Datei");
    b.item(datei, "&Neu", "FileNewItem");
    b.item(datei, "&Öffnen ...", "FileOpenItem");
    b.item(datei, "&Speichern", "FileSaveItem");
    b.item(datei, "Speichern &unter ...", "FileSaveAsItem");
    b.item(datei, "Ältere Fassung wiederherstellen …", "FileRestoreVersionItem");
    b.item(datei, "Verschlüsselt weitergeben …", "FileEncryptedTransferItem");
    datei->addSeparator();
    b.item(datei, "Seitenansicht zeigen");   // Seitenansichtzeigen1
    b.item(datei, "&Drucker einrichten ...", "FilePrintSetupItem");
    datei->addSeparator();
    b.item(datei, "&Beenden", "FileExitItem");

    QMenu* eingeben = b.menu(bar, "&Eingeben");
    b.item(eingeben, "&fächerweise Bewertungen, ...");

    QMenu* bearbeiten = b.menu(bar, "&Bearbeiten");
    b.item(bearbeiten, "&Rückgängig", "EditUndoItem");
    b.item(bearbeiten, "&Wiederherstellen", "EditRedoItem");
    bearbeiten->addSeparator();
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
    b.item(alle, "die Schüler-&Datenblätter", "SchlerDatenbltter1");
    b.item(alle, "die &Lernentw.-berichte für Zeugniskonferenz", "LernentwberichtefrZeugniskonferenz1");
    b.item(alle, "die &Zeugnisse", "ausgewhlteZeugnistypen1");
    b.item(alle, "die &Empfangsbekenntnisse");
    drucken->addSeparator();
    b.item(drucken, "Schüler-&Datenblatt");
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
    b.item(temporaer, "des Formulardrucks löschen", nullptr, "löscht die Kopien der FST-Dateien im Datenverzeichnis");
    // Present but never shown: nothing in the program makes it visible.
    b.item(hilfsmittel, "Wahlpflichtfächer extrahieren")->setVisible(false);
    b.item(hilfsmittel, "gelöschte Datensätze entgültig &entfernen");
    hilfsmittel->addSeparator();
    b.item(hilfsmittel, "Testblatt ausdrucken ", "estblattausdrucken1");
    b.item(hilfsmittel, "vollständige Datensicherung ...");
    b.item(hilfsmittel, "Sicherung wiederherstellen …", "BackupRestoreItem");

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
    // Hidden until the commands of the exchange with the subject teachers
    // are installed (they show it).
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
    b.item(einstellungen, "&Wahlpflicht-Fächer");
    b.item(einstellungen, "&Druck-Optionen");
    einstellungen->addSeparator();
    b.item(einstellungen, "&Programm-Einstellungen");
    b.item(einstellungen, "&Schul-Einstellungen");

    QMenu* hilfe = b.menu(bar, "&Hilfe");
    // The help entry and SpeedButton9 open the same help.
    b.item(hilfe, "&Hilfe zum Programm", "HelpContentsItem");
    hilfe->addSeparator();
    b.item(hilfe, "Programm-&Informationen", "HelpAboutItem");

    // The commands built so far; every other entry runs the placeholder
    // until its feature sets a handler.
    const QHash<QString, void (TMainForm::*)()> built = {
        {"FileNewItem", &TMainForm::FileNew},
        {"FileOpenItem", &TMainForm::FileOpen},
        {"FileSaveItem", &TMainForm::FileSave},
        {"FileSaveAsItem", &TMainForm::FileSaveAs},
        {"FilePrintSetupItem", &TMainForm::FilePrintSetup},
        {"FileExitItem", &TMainForm::FileExit},
        {"estblattausdrucken1", &TMainForm::estblattausdrucken1Click},
        {"WahlpflichtFcher1", &TMainForm::WahlpflichtFcher1Click},
        {"DruckOptionen1", &TMainForm::DruckOptionen1Click},
        {"ProgrammEinstellungen1", &TMainForm::ProgrammEinstellungen1Click},
        {"SchulEinstellungen1", &TMainForm::SchulEinstellungen1Click},
        {"HelpContentsItem", &TMainForm::HelpContents},
        {"HelpAboutItem", &TMainForm::HelpAbout},
    };
    QHash<QString, QString> followers;
    for (const auto& [name, command] : kFollowers)
        followers.insert(QString::fromLatin1(name), QString::fromLatin1(command));
    for (QAction* a : b.items()) {
        if (followers.contains(a->objectName()))
            continue;
        const auto method = built.value(a->objectName());
        actions_->add(a, method ? ActionRegistry::Handler([this, method] { (this->*method)(); })
                                : ActionRegistry::Handler());
    }
    for (QAction* a : b.items())
        if (followers.contains(a->objectName()))
            actions_->addFollower(a, followers.value(a->objectName()));
    // Ctrl+S saves from anywhere in the window, also while typing in a field.
    if (QAction* save = actions_->action(QStringLiteral("FileSaveItem"))) {
        save->setShortcut(QKeySequence::Save);
        save->setShortcutContext(Qt::WindowShortcut);
    }
}

void TMainForm::buildSpeedBar()
{
    speedBar_ = addToolBar(QStringLiteral("Symbolleiste"));
    speedBar_->setObjectName(QStringLiteral("SpeedBar"));
    speedBar_->setMovable(false);
    speedBar_->setFloatable(false);
    speedBar_->toggleViewAction()->setEnabled(false);

    // command: the menu entry whose command the button runs; null for a
    // command of the button's own (registered as "SpeedButtonN").
    struct Button {
        int number;
        SpeedIcon icon;
        const char* hint;
        const char* command;
        bool separatorAfter;
    };
    const Button buttons[] = {
        {1, SpeedIcon::New, "Neue Datei erstellen", "FileNewItem", false},
        {2, SpeedIcon::Open, "vorhandene Datei öffnen", "FileOpenItem", false},
        {3, SpeedIcon::Save, "aktuelle Datei speichern", "FileSaveItem", false},
        {4, SpeedIcon::SaveAs, "aktuelle Datei neu speichern", "FileSaveAsItem", true},
        {5, SpeedIcon::PrinterSetup, "Drucker-Systemeinstellungen", "FilePrintSetupItem", true},
        {6, SpeedIcon::Cut, "Schüler-Datensatz ausschneiden", "AusschneidenSchlerDatensatz1", false},
        {7, SpeedIcon::Copy, "Schüler-Datensatz in die Zwischenablage kopieren", "KopierenSchlerDatensatz1", false},
        {8, SpeedIcon::Paste, "Schüler-Datensatz aus der Zwischenablage einfügen", "EinfgenSchlerDatensatz1", true},
        {9, SpeedIcon::Help, "Hilfe zum Programm", "HelpContentsItem", false},
        {10, SpeedIcon::About, "Programm-Informationen", "HelpAboutItem", false},
        {11, SpeedIcon::Exit, "Programm beenden", "FileExitItem", true},
        {17, SpeedIcon::PrintCertificate, "ausgewählten Zeugnis-Typ drucken", "ausgewhlterZeugnistyp1", false},
        {18, SpeedIcon::PrintReceipt, "Empfangsbekenntnis drucken", "Empfangsbekenntnis1", false},
        {19, SpeedIcon::PreviewCertificate, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen",
         "Seitenansicht1", true},
        {21, SpeedIcon::SortNameUp, "nach Namen aufsteigend (A..Z) sortieren", "aufsteigend1", false},
        {22, SpeedIcon::SortNameDown, "nach Namen absteigend (Z..A) sortieren", "absteigend1", false},
        {23, SpeedIcon::SortKeyUp, "nach Schlüsselnummer aufsteigend sortieren", "aufsteigend2", false},
        {24, SpeedIcon::SortKeyDown, "nach Schlüsselnummer absteigend sortieren", "absteigend2", false},
        {27, SpeedIcon::SortGirlsFirst, "wie im Klassenbuch (Mädchen zuerst) sortieren", "Mdchenzuerst1", false},
        {28, SpeedIcon::SortBoysFirst, "wie im Klassenbuch (Jungen zuerst) sortieren", "Jungenzuerst1", true},
        {12, SpeedIcon::PreviewReceipt, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen",
         nullptr, false},
        {13, SpeedIcon::SubjectEntry, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)",
         "fcherweiseBewertungen1", false},
        {14, SpeedIcon::Statistics, "Fächern-Noten-Statistik erstellen", "FachnotenStatistik1", true},
    };
    for (const Button& b : buttons) {
        const QString name = QStringLiteral("SpeedButton%1").arg(b.number);
        const QString hint = QString::fromUtf8(b.hint);
        if (b.command && actions_->contains(QString::fromLatin1(b.command))) {
            actions_->addName(name, QString::fromLatin1(b.command));
        } else {
            auto* own = new QAction(hint, this);
            own->setObjectName(name);
            actions_->add(own);
        }
        QAction* command = actions_->primary(name);

        // The button is a widget of its own rather than a view of the
        // action: the action's caption and hints are the menu entry's, while
        // the button carries the hint of the speed bar.
        auto* button = new QToolButton(speedBar_);
        button->setObjectName(name);
        button->setIcon(speedIcon(b.icon, style()));
        button->setIconSize(kSpeedIconSize);
        button->setFixedSize(kSpeedButtonSize);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        if (b.number == 3) {
            // Only the menu command "&Speichern" follows the changed flag;
            // the button always saves (a never-saved class goes to Save As).
            connect(button, &QToolButton::clicked, this, [this, name] { actions_->run(name); });
        } else {
            button->setEnabled(command->isEnabled());
            connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
            connect(button, &QToolButton::clicked, command, &QAction::trigger);
        }
        speedBar_->addWidget(button);
        if (b.separatorAfter)
            speedBar_->addSeparator();
    }
    actions_->addName(QStringLiteral("SeitenansichtEmpfB1"), QStringLiteral("SpeedButton12"));

    // The changed-data indicator: visible while the class has unsaved changes.
    edit73_ = new QLineEdit(QStringLiteral("geändert"), speedBar_);
    edit73_->setObjectName(QStringLiteral("Edit73"));
    edit73_->setReadOnly(true);
    edit73_->setFocusPolicy(Qt::NoFocus);
    edit73_->setAlignment(Qt::AlignCenter);
    edit73_->setFixedWidth(kEdit73Width);
    edit73_->setToolTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setStatusTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setStyleSheet(QStringLiteral("QLineEdit { background: #d02020; color: white; font-weight: bold; }"));
    edit73Action_ = speedBar_->addWidget(edit73_);
    edit73Action_->setVisible(false);
}

} // namespace ruvek::ui
