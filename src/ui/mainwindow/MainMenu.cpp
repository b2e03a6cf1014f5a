// The main window's menu and speed bar. Every command is registered in the
// window's ActionRegistry: a menu entry and the speed button that does the
// same share one action. A command whose feature comes later says so through
// the prompter until its code gives it a handler (ActionRegistry::setHandler).
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/Commands.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/SpeedBarIcons.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace ruvek::ui {

namespace {

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

    // The commands built so far; every other entry runs the placeholder
    // until its feature sets a handler.
    const std::pair<Command, void (TMainForm::*)()> built[] = {
        {Command::FileNew, &TMainForm::FileNew},
        {Command::FileOpen, &TMainForm::FileOpen},
        {Command::FileSave, &TMainForm::FileSave},
        {Command::FileSaveAs, &TMainForm::FileSaveAs},
        {Command::FilePrintSetup, &TMainForm::FilePrintSetup},
        {Command::FileExit, &TMainForm::FileExit},
        {Command::TestPage, &TMainForm::estblattausdrucken1Click},
        {Command::CalibrationSheet, &TMainForm::Kalibrierblattdrucken1Click},
        {Command::FormEditor, &TMainForm::FormularSteuerdateibearbeiten1Click},
        {Command::ElectiveSettings, &TMainForm::WahlpflichtFcher1Click},
        {Command::PrintOptions, &TMainForm::DruckOptionen1Click},
        {Command::ProgramSettings, &TMainForm::ProgrammEinstellungen1Click},
        {Command::SchoolSettings, &TMainForm::SchulEinstellungen1Click},
        {Command::HelpContents, &TMainForm::HelpContents},
        {Command::HelpAbout, &TMainForm::HelpAbout},
    };

    // The table's rows in order: menus and submenus nest, the first entry of
    // a command is its primary action and later ones follow it.
    std::vector<QMenu*> open;
    std::vector<std::pair<QAction*, Command>> followers;
    for (const MenuRow& row : menuRows()) {
        switch (row.kind) {
        case MenuRow::Menu:
        case MenuRow::Sub: {
            if (row.kind == MenuRow::Menu)
                open.clear();
            const QString caption = QString::fromUtf8(row.caption);
            QMenu* m = open.empty() ? bar->addMenu(caption) : open.back()->addMenu(caption);
            m->setObjectName(QString::fromLatin1(row.objectName));
            m->menuAction()->setObjectName(m->objectName());
            if (row.hint)
                m->menuAction()->setStatusTip(QString::fromUtf8(row.hint));
            if (row.hidden)
                m->menuAction()->setVisible(false);
            open.push_back(m);
            break;
        }
        case MenuRow::End:
            open.pop_back();
            break;
        case MenuRow::Separator:
            open.back()->addSeparator();
            break;
        case MenuRow::Item:
        case MenuRow::Follow: {
            QAction* a = open.back()->addAction(QString::fromUtf8(row.caption));
            a->setParent(this);
            a->setObjectName(QString::fromLatin1(row.objectName));
            if (row.hint)
                a->setStatusTip(QString::fromUtf8(row.hint));
            if (row.shortcut)
                a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcut)));
            if (row.hidden)
                a->setVisible(false);
            if (row.kind == MenuRow::Follow) {
                followers.emplace_back(a, row.command);
                break;
            }
            void (TMainForm::*method)() = nullptr;
            for (const auto& [command, m] : built)
                if (command == row.command)
                    method = m;
            actions_->add(row.command, a,
                          method ? ActionRegistry::Handler([this, method] { (this->*method)(); })
                                 : ActionRegistry::Handler());
            break;
        }
        }
    }
    // A follower may stand before its command's primary entry (Datei ->
    // "Seitenansicht zeigen" before Drucken -> "erst Seitenansicht zeigen").
    for (const auto& [a, command] : followers)
        actions_->addFollower(a, command);
}

void TMainForm::buildSpeedBar()
{
    speedBar_ = addToolBar(QStringLiteral("Symbolleiste"));
    speedBar_->setObjectName(QStringLiteral("SpeedBar"));
    speedBar_->setMovable(false);
    speedBar_->setFloatable(false);
    speedBar_->toggleViewAction()->setEnabled(false);

    // command: the command the button runs; a command without a menu entry
    // gets the button's own action (named "SpeedButtonN").
    struct Button {
        int number;
        SpeedIcon icon;
        const char* hint;
        Command command;
        bool separatorAfter;
    };
    const Button buttons[] = {
        {1, SpeedIcon::New, "Neue Datei erstellen", Command::FileNew, false},
        {2, SpeedIcon::Open, "vorhandene Datei öffnen", Command::FileOpen, false},
        {3, SpeedIcon::Save, "aktuelle Datei speichern", Command::FileSave, false},
        {4, SpeedIcon::SaveAs, "aktuelle Datei neu speichern", Command::FileSaveAs, true},
        {5, SpeedIcon::PrinterSetup, "Drucker-Systemeinstellungen", Command::FilePrintSetup, true},
        {6, SpeedIcon::Cut, "Schüler-Datensatz ausschneiden", Command::CutRecord, false},
        {7, SpeedIcon::Copy, "Schüler-Datensatz in die Zwischenablage kopieren", Command::CopyRecord, false},
        {8, SpeedIcon::Paste, "Schüler-Datensatz aus der Zwischenablage einfügen", Command::PasteRecord, true},
        {9, SpeedIcon::Help, "Hilfe zum Programm", Command::HelpContents, false},
        {10, SpeedIcon::About, "Programm-Informationen", Command::HelpAbout, false},
        {11, SpeedIcon::Exit, "Programm beenden", Command::FileExit, true},
        {17, SpeedIcon::PrintCertificate, "ausgewählten Zeugnis-Typ drucken", Command::Certificate, false},
        {18, SpeedIcon::PrintReceipt, "Empfangsbekenntnis drucken", Command::Receipt, false},
        {19, SpeedIcon::PreviewCertificate, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen",
         Command::CertificatePreview, true},
        {21, SpeedIcon::SortNameUp, "nach Namen aufsteigend (A..Z) sortieren", Command::SortNameUp, false},
        {22, SpeedIcon::SortNameDown, "nach Namen absteigend (Z..A) sortieren", Command::SortNameDown, false},
        {23, SpeedIcon::SortKeyUp, "nach Schlüsselnummer aufsteigend sortieren", Command::SortKeyUp, false},
        {24, SpeedIcon::SortKeyDown, "nach Schlüsselnummer absteigend sortieren", Command::SortKeyDown, false},
        {27, SpeedIcon::SortGirlsFirst, "wie im Klassenbuch (Mädchen zuerst) sortieren", Command::SortGirlsFirst, false},
        {28, SpeedIcon::SortBoysFirst, "wie im Klassenbuch (Jungen zuerst) sortieren", Command::SortBoysFirst, true},
        {12, SpeedIcon::PreviewReceipt, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen",
         Command::ReceiptPreview, false},
        {13, SpeedIcon::SubjectEntry, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)",
         Command::SubjectEntry, false},
        {14, SpeedIcon::Statistics, "Fächern-Noten-Statistik erstellen", Command::GradeStatistics, true},
    };
    for (const Button& b : buttons) {
        const QString name = QStringLiteral("SpeedButton%1").arg(b.number);
        const QString hint = QString::fromUtf8(b.hint);
        if (actions_->action(b.command)) {
            actions_->addName(name, b.command);
        } else {
            auto* own = new QAction(hint, this);
            own->setObjectName(name);
            actions_->add(b.command, own);
        }
        QAction* command = actions_->action(b.command);

        // The button is a widget of its own rather than a view of the
        // action: the action's caption and hints are the menu entry's, while
        // the button carries the hint of the speed bar.
        auto* button = new QToolButton(speedBar_);
        button->setObjectName(name);
        button->setIcon(speedIcon(b.icon, style()));
        button->setIconSize(kSpeedIconSize);
        button->setFixedSize(kSpeedButtonSize);
        button->setAutoRaise(true);
        // Tab reaches the button (keyboard users get every command of the
        // bar); a click leaves the focus where it is.
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        // A screen reader names the picture-only button by its hint.
        button->setAccessibleName(hint);
        if (b.number == 3) {
            // Only the menu command "&Speichern" follows the changed flag;
            // the button always saves (a never-saved class goes to Save As).
            connect(button, &QToolButton::clicked, this, [this] { actions_->run(Command::FileSave); });
        } else {
            button->setEnabled(command->isEnabled());
            connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
            connect(button, &QToolButton::clicked, command, &QAction::trigger);
        }
        speedBar_->addWidget(button);
        if (b.separatorAfter)
            speedBar_->addSeparator();
    }
    actions_->addName(QStringLiteral("SeitenansichtEmpfB1"), Command::ReceiptPreview);

    // The changed-data indicator: visible while the class has unsaved changes.
    edit73_ = new QLineEdit(QStringLiteral("geändert"), speedBar_);
    edit73_->setObjectName(QStringLiteral("Edit73"));
    edit73_->setReadOnly(true);
    edit73_->setFocusPolicy(Qt::NoFocus);
    edit73_->setAlignment(Qt::AlignCenter);
    edit73_->setFixedWidth(kEdit73Width);
    edit73_->setToolTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setStatusTip(QStringLiteral("Daten wurden verändert"));
    edit73_->setAccessibleName(QStringLiteral("Daten wurden verändert"));
    edit73_->setStyleSheet(QStringLiteral("QLineEdit { background: #d02020; color: white; font-weight: bold; }"));
    edit73Action_ = speedBar_->addWidget(edit73_);
    edit73Action_->setVisible(false);
}

} // namespace ruvek::ui
