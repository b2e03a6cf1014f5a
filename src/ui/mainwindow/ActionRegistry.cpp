#include "ui/mainwindow/ActionRegistry.h"

#include <QAction>

namespace ruvek::ui {

ActionRegistry::ActionRegistry(Handler placeholder)
    : placeholder_(std::move(placeholder)), commands_(static_cast<std::size_t>(kCommandCount))
{
}

void ActionRegistry::addEntry(const QString& name, Entry entry)
{
    Q_ASSERT_X(!names_.contains(name), "ActionRegistry", "name registered twice");
    names_.insert(name, entry);
    order_ << name;
}

const ActionRegistry::Entry* ActionRegistry::find(const QString& name) const
{
    const auto it = names_.constFind(name);
    return it == names_.cend() ? nullptr : &it.value();
}

QAction* ActionRegistry::add(Command command, QAction* action, Handler handler)
{
    Slot& s = slot(command);
    Q_ASSERT_X(!s.action, "ActionRegistry", "command added twice");
    s.action = action;
    s.handler = std::move(handler);
    addEntry(action->objectName(), {command, action});
    // The handler is looked up at each trigger, so a later setHandler takes
    // the place of the one given here without another connection.
    QObject::connect(action, &QAction::triggered, action, [this, command] { run(command); });
    return action;
}

QAction* ActionRegistry::addFollower(QAction* follower, Command command)
{
    QAction* main = slot(command).action;
    Q_ASSERT_X(main, "ActionRegistry", "follower of a command not added");
    addEntry(follower->objectName(), {command, follower});
    follower->setEnabled(main->isEnabled());
    QObject::connect(main, &QAction::enabledChanged, follower, &QAction::setEnabled);
    QObject::connect(follower, &QAction::triggered, main, &QAction::trigger);
    return follower;
}

void ActionRegistry::addName(const QString& name, Command command)
{
    QAction* main = slot(command).action;
    Q_ASSERT_X(main, "ActionRegistry", "name for a command not added");
    addEntry(name, {command, main});
}

QAction* ActionRegistry::action(const QString& name) const
{
    const Entry* e = find(name);
    return e ? e->own : nullptr;
}

QAction* ActionRegistry::primary(const QString& name) const
{
    const Entry* e = find(name);
    return e ? slot(e->command).action : nullptr;
}

QAction* ActionRegistry::action(Command command) const { return slot(command).action; }

bool ActionRegistry::commandOf(const QString& name, Command& command) const
{
    const Entry* e = find(name);
    if (e)
        command = e->command;
    return e != nullptr;
}

void ActionRegistry::setHandler(Command command, Handler handler) { slot(command).handler = std::move(handler); }

bool ActionRegistry::isBuilt(Command command) const { return slot(command).handler != nullptr; }

bool ActionRegistry::isBuilt(const QString& name) const
{
    const Entry* e = find(name);
    return e && isBuilt(e->command);
}

void ActionRegistry::run(Command command) const
{
    const Handler& h = slot(command).handler;
    if (h)
        h();
    else if (placeholder_)
        placeholder_();
}

void ActionRegistry::setEnabled(Command command, bool enabled)
{
    if (QAction* a = slot(command).action)
        a->setEnabled(enabled);
}

bool ActionRegistry::isEnabled(Command command) const
{
    const QAction* a = slot(command).action;
    return a && a->isEnabled();
}

} // namespace ruvek::ui
