#include "ui/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace ruvek::ui {
namespace {

// A combo box as screen readers see it: role ComboBox, the name of
// QAccessibleWidget (accessible name, label buddy or group title), the
// current entry as value, the pop-up list (and the typing field of an
// editable one) as children, and the action that opens the list.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) { }

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Value: return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        case QAccessible::Accelerator: return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    int childCount() const override { return combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c)
            return -1;
        if (c->object() == combo()->view())
            return 0;
        if (combo()->isEditable() && c->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (combo()->isEditable()) {
            QLineEdit* edit = combo()->lineEdit();
            const QRect global(edit->mapToGlobal(QPoint(0, 0)), edit->size());
            if (global.contains(x, y))
                return child(1);
        }
        return nullptr;
    }

    // An editable combo box types into its line edit, which is where the
    // reader's focus belongs.
    QAccessibleInterface* focusChild() const override { return combo()->isEditable() ? child(1) : nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    QString localizedActionDescription(const QString& action) const override
    {
        if (action == showMenuAction() || action == pressAction())
            return QStringLiteral("Liste der Einträge öffnen");
        return {};
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view() && combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new AccessibleComboBox(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibleComboBoxes()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Factories installed later are asked first, so this one comes before
    // Qt's own, which QApplication installs when it starts.
    QAccessible::installFactory(comboBoxFactory);
}

QString accessibleNameOf(QComboBox* combo)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(combo);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace ruvek::ui
