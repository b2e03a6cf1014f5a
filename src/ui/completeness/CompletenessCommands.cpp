#include "ui/completeness/CompletenessCommands.h"

#include "completeness/Completeness.h"
#include "ui/completeness/VollstaendigkeitForm.h"
#include "ui/mainwindow/ActionRegistry.h"
#include "ui/mainwindow/MainForm.h"

#include <QTabWidget>

namespace ruvek::ui {

namespace {

// Brings every page control that holds the widget to the page holding it.
void bringToFront(TMainForm& main, QWidget* widget)
{
    for (QTabWidget* tabs : main.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(widget))
                tabs->setCurrentIndex(i);
}

} // namespace

void showRecordField(TMainForm& main, int listIndex, const char* field)
{
    OpenClass& k = main.klasse();
    if (listIndex < 0 || listIndex >= static_cast<int>(k.records.size()))
        return;
    if (k.current != listIndex) {
        main.storeForm();
        k.current = listIndex;
        main.showCurrentRecord();
    }
    if (auto* widget = main.findChild<QWidget*>(QString::fromLatin1(field))) {
        bringToFront(main, widget);
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void installCompletenessCommand(TMainForm& main)
{
    auto* form = new TVollstaendigkeitForm(&main);
    form->onJump = [&main](std::size_t listIndex, const QString& field) {
        showRecordField(main, static_cast<int>(listIndex), field.toLatin1().constData());
    };
    main.actions().setHandler(Command::Completeness, [&main, form] {
        main.storeForm();
        main.refreshIndicators();
        const OpenClass& k = main.klasse();
        form->setFindings(CheckCompleteness(k.records, main.state()), QString::fromStdString(k.fileName));
        // Beside the main window, so the user can work through the list.
        form->show();
        form->raise();
    });
}

} // namespace ruvek::ui
