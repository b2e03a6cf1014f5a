#include "ui/mainwindow/ActionRegistry.h"

#include <QAction>

namespace ruvek::ui {

ActionRegistry::ActionRegistry(Handler placeholder) : placeholder_(std::move(placeholder)) {}

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

QAction* ActionRegistry::add(QAction* action, Handler handler)
{
    const int index = static_cast<int>(commands_.size());
    commands_.push_back({action, std::move(handler)});
    addEntry(action->objectName(), {index, action});
    // The handler is looked up at each trigger, so a later setHandler takes
    // the place of the one given here without another connection.
    QObject::connect(action, &QAction::triggered, action, [this, index] { runCommand(index); });
    return action;
}

QAction* ActionRegistry::addFollower(QAction* follower, const QString& command)
{
    const Entry* target = find(command);
    Q_ASSERT_X(target, "ActionRegistry", "follower of an unknown command");
    QAction* main = commands_[static_cast<std::size_t>(target->command)].action;
    addEntry(follower->objectName(), {target->command, follower});
    follower->setEnabled(main->isEnabled());
    QObject::connect(main, &QAction::enabledChanged, follower, &QAction::setEnabled);
    QObject::connect(follower, &QAction::triggered, main, &QAction::trigger);
    return follower;
}

void ActionRegistry::addName(const QString& name, const QString& command)
{
    const Entry* target = find(command);
    Q_ASSERT_X(target, "ActionRegistry", "name for an unknown command");
    addEntry(name, {target->command, commands_[static_cast<std::size_t>(target->command)].action});
}

QAction* ActionRegistry::action(const QString& name) const
{
    const Entry* e = find(name);
    return e ? e->own : nullptr;
}

QAction* ActionRegistry::primary(const QString& name) const
{
    const Entry* e = find(name);
    return e ? commands_[static_cast<std::size_t>(e->command)].action : nullptr;
}

bool ActionRegistry::setHandler(const QString& name, Handler handler)
{
    const Entry* e = find(name);
    if (!e)
        return false;
    commands_[static_cast<std::size_t>(e->command)].handler = std::move(handler);
    return true;
}

bool ActionRegistry::isBuilt(const QString& name) const
{
    const Entry* e = find(name);
    return e && commands_[static_cast<std::size_t>(e->command)].handler != nullptr;
}

void ActionRegistry::run(const QString& name) const
{
    if (const Entry* e = find(name))
        runCommand(e->command);
}

void ActionRegistry::runCommand(int index) const
{
    const Handler& h = commands_[static_cast<std::size_t>(index)].handler;
    if (h)
        h();
    else if (placeholder_)
        placeholder_();
}

void ActionRegistry::setEnabled(const QString& name, bool enabled)
{
    if (QAction* a = primary(name))
        a->setEnabled(enabled);
}

bool ActionRegistry::isEnabled(const QString& name) const
{
    const QAction* a = primary(name);
    return a && a->isEnabled();
}

} // namespace ruvek::ui
