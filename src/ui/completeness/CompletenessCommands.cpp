#include "ui/completeness/CompletenessCommands.h"

#include "completeness/Completeness.h"
#include "ui/completeness/VollstaendigkeitForm.h"

#include <QTabWidget>

namespace ruvek::ui {

namespace {

// Brings every page control that holds the widget to the page holding it.
void bringToFront(QWidget& window, QWidget* widget)
{
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(widget))
                tabs->setCurrentIndex(i);
}

} // namespace

void showRecordField(const CompletenessHost& host, int listIndex, const char* field)
{
    OpenClass& k = host.klasse;
    if (listIndex < 0 || listIndex >= static_cast<int>(k.records.size()))
        return;
    if (k.current != listIndex) {
        host.view.storeForm();
        k.current = listIndex;
        host.view.showCurrentRecord();
    }
    if (auto* widget = host.window.findChild<QWidget*>(QString::fromLatin1(field))) {
        bringToFront(host.window, widget);
        widget->setFocus(Qt::OtherFocusReason);
    }
}

std::function<void()> makeCompletenessCommand(CompletenessHost host)
{
    auto* form = new TVollstaendigkeitForm(&host.window);
    form->onJump = [host](std::size_t listIndex, const QString& field) {
        showRecordField(host, static_cast<int>(listIndex), field.toLatin1().constData());
    };
    return [host, form] {
        host.view.storeForm();
        host.view.refreshIndicators();
        const OpenClass& k = host.klasse;
        form->setFindings(CheckCompleteness(k.records, host.installation), QString::fromStdString(k.fileName));
        // Beside the main window, so the user can work through the list.
        form->show();
        form->raise();
    };
}

} // namespace ruvek::ui
