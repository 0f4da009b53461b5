#include "shell/CleanStop.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace stopwise {

namespace {

int terminated[2] = {-1, -1}; // written by the handler, read by the event loop

void onTerminate(int)
{
    const int saved = errno; // write() is safe in a signal handler, and may set errno
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(terminated[0], &byte, 1);
    errno = saved;
}

} // namespace

void quitOnTerminate(QCoreApplication& application)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminated) != 0)
        return; // stopped the default way, by the signal
    auto* notifier = new QSocketNotifier(terminated[1], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application,
                     [] { QCoreApplication::exit(0); });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace stopwise
