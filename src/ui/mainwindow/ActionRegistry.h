#pragma once
// The commands of the main window, each with one handler and one primary
// QAction that carries its enabled state. Menu entries and speed buttons are
// only ways to reach a command: a speed button shows the primary action's
// state, and a menu entry with its own caption (the same command in another
// menu) is a follower action that triggers the primary one and mirrors its
// enabled state. Code reaches a command by its fixed identifier (Command);
// the widget tree's names also answer: a menu entry by its object name
// ("FileNewItem", "ffnen1"), a speed button by "SpeedButtonN"; every name of
// a command answers with an action that runs that command.
//
// A command registered without a handler runs the placeholder until a later
// feature gives it its handler with setHandler.
#include "ui/mainwindow/Commands.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAction;

namespace ruvek::ui {

class ActionRegistry {
public:
    using Handler = std::function<void()>;

    // placeholder: what a command without a handler of its own does.
    explicit ActionRegistry(Handler placeholder = {});

    ActionRegistry(const ActionRegistry&) = delete;
    ActionRegistry& operator=(const ActionRegistry&) = delete;

    // The command's primary action, also answering to its object name; run
    // when the action is triggered. Returns the action.
    QAction* add(Command command, QAction* action, Handler handler = {});
    // Another menu entry of the command, under its own object name:
    // triggering it runs the command, its enabled state follows the command's.
    QAction* addFollower(QAction* follower, Command command);
    // One more name (a speed button) answered with the command's primary action.
    void addName(const QString& name, Command command);

    // The action registered under name (a follower's own action for a
    // follower name, else the command's primary action); null when unknown.
    QAction* action(const QString& name) const;
    // The command's primary action, whatever name of it is given.
    QAction* primary(const QString& name) const;
    bool contains(const QString& name) const { return names_.contains(name); }
    // The command's primary action; null before the command is added.
    QAction* action(Command command) const;
    // The command a name stands for; false when the name is unknown.
    bool commandOf(const QString& name, Command& command) const;

    // Gives the command its handler (replacing the placeholder or an
    // earlier handler).
    void setHandler(Command command, Handler handler);
    // True when the command has a handler of its own.
    bool isBuilt(Command command) const;
    bool isBuilt(const QString& name) const;
    // Runs the command's handler directly, whatever its enabled state (for
    // a control that must work while the menu entry is disabled).
    void run(Command command) const;

    void setEnabled(Command command, bool enabled);
    bool isEnabled(Command command) const;

    // Every registered name, in the order of registration.
    QStringList names() const { return order_; }

private:
    struct Slot {
        QAction* action = nullptr;
        Handler handler;
    };
    struct Entry {
        Command command;
        QAction* own;   // the action this name stands for
    };
    void addEntry(const QString& name, Entry entry);
    const Entry* find(const QString& name) const;
    Slot& slot(Command command) { return commands_[static_cast<std::size_t>(command)]; }
    const Slot& slot(Command command) const { return commands_[static_cast<std::size_t>(command)]; }

    Handler placeholder_;
    std::vector<Slot> commands_;
    QHash<QString, Entry> names_;
    QStringList order_;
};

} // namespace ruvek::ui
