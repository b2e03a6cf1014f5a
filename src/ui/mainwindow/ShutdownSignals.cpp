#include "ui/mainwindow/ShutdownSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ruvek::ui {
namespace {
int g_pipe[2] = {-1, -1};

// Runs in signal context: nothing but an async-signal-safe write.
void onSignalArrived(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_pipe[1], &byte, 1);
}
} // namespace

void watchShutdownSignals(QObject* parent, std::function<void()> onSignal)
{
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    ::fcntl(g_pipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [notifier, onSignal = std::move(onSignal)] {
        char buffer[16];
        [[maybe_unused]] const auto n = ::read(g_pipe[0], buffer, sizeof buffer);
        notifier->setEnabled(false);
        onSignal();
    });
    struct sigaction action {};
    action.sa_handler = onSignalArrived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &action, nullptr);
}

} // namespace ruvek::ui
