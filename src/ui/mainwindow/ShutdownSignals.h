#pragma once
// Logout, shutdown and kill end the program with SIGTERM, SIGHUP or SIGINT.
// The signal handler only writes one byte into a pipe; the event loop reads
// it and runs `onSignal` as an ordinary event, where files may be written.
#include <QObject>
#include <functional>

namespace ruvek::ui {

// Watches SIGTERM, SIGHUP and SIGINT for the life of `parent`; `onSignal`
// runs once in the event loop after the first of them arrives.
void watchShutdownSignals(QObject* parent, std::function<void()> onSignal);

} // namespace ruvek::ui
