#pragma once
// The dialogs and tool windows of the program. All are created once at
// program start, right after the main window and in a fixed order, and are
// shown on demand. Creating a settings dialog loads its settings file, so
// the main window finds every setting loaded when it is first shown.
#include <QPointer>

namespace ruvek::ui {

class TMainForm;
class TAboutForm;
class TBewHilfForm;
class TWpflEinstForm;
class TProgEinstForm;
class TSchulEinstForm;
class TDrkEinstForm;
class TPreViewForm;
class TInfoDlg;
class TEinstExpForm;
class TEinstImpForm;
class TDatSichForm;

struct ApplicationForms {
    QPointer<TBewHilfForm> bewHilf;   // beside the main window, not modal
    QPointer<TProgEinstForm> progEinst;
    QPointer<TSchulEinstForm> schulEinst;
    QPointer<TWpflEinstForm> wpflEinst;
    QPointer<TDrkEinstForm> drkEinst;
    QPointer<TAboutForm> about;
    QPointer<TPreViewForm> preView;   // made by the print commands, with the printer
    QPointer<TInfoDlg> infoDlg;
    QPointer<TEinstExpForm> einstExp;
    QPointer<TEinstImpForm> einstImp;
    QPointer<TDatSichForm> datSich;
};

// Creates the forms after `main` in the program's creation order (the one
// place that order is kept) and loads the settings that come with them.
void createApplicationForms(TMainForm& main);

} // namespace ruvek::ui
